#pragma once

#include "binding/QxSNMPRequest2Edits.h"

#include <string>
#include <vector>

// The counters binding of the counter monitors: a synchronous binding that keeps the value
// texts of the first answer of each Get (the one row of a get, or the first row of a walk of
// scalar groups, whose objects all answer with instance .0).
class QxCounterReader : public QxSNMPRequest2Edits {
public:
    explicit QxCounterReader(QWidget* ownerForm);

    // Whether the latest Get brought a first row, and its value texts by variable.
    bool HasRow() const { return hasRow_; }
    const std::vector<std::string>& FirstRow() const { return firstRow_; }

protected:
    void BeforeGet() override;
    void PutAnswer() override;

private:
    bool hasRow_ = false;
    std::vector<std::string> firstRow_;
};
