#pragma once

#include <map>
#include <memory>
#include <string>

// Reads values of an INI-style file whose lines may end in a NUL byte before the line break, as
// the per-device configuration files do. A value object holding the file name; the file is read
// once, at the first ReadString, and every later ReadString of the same object looks its key up
// in what that read found.
class QxIni {
public:
    explicit QxIni(std::string fileName) : fileName_(std::move(fileName)) {}

    // The key's value in the section, read up to a NUL byte or the end of its line (at most
    // 4,095 characters) and trimmed of blanks and control characters; the default when the file,
    // the section or the key is missing or the value is empty. Section and key names are
    // matched without regard to letter case.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

    const std::string& FileName() const { return fileName_; }

private:
    // Lower-case section name -> lower-case key -> the key's first value in that section.
    using Index = std::map<std::string, std::map<std::string, std::string>>;
    const Index& Read() const;

    std::string fileName_;
    mutable std::shared_ptr<const Index> index_;
};
