#pragma once

#include "vocab/QxTextField.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QxCompositePanel;
class QxConstraintOwner;

// One constrained field: what its format string says and what the constraint keeps of it.
struct EditConstraint_s {
    QxTextField* control = nullptr;
    char type = 0;      // i, u, f, h, s or n
    char delimiter = 0; // type n only
    double minimum = 0;
    double maximum = 0;
    std::int32_t maxLength = 0; // "l" value; 0 = none
    std::uint16_t flags = 0;    // QxEditConstraint::AutoAdvance, Fixed, Required
    char advanceChar = 0;       // "e" value; 0 = none
    std::string goodText;       // the last value accepted on leaving the field
    QxTextField::Handler previousOnChange;
    QxTextField::Handler previousOnExit;
    std::int32_t width = 0; // "w" value, given to the field when the constraint is attached
};

// The edit-constraint format language: a short format string per text field, such as
// "%i{n1x4094}" (an integer from 1 to 4094) or "%s{l32}" (at most 32 characters). A constraint
// sets its field up (maximum length, width), keeps only characters of the right kind while the
// user types, and checks the whole value when the user leaves the field: a refused value is
// reported in a message box and replaced by the last accepted one.
//
// Field specifier: "%", a type letter (i signed integer, u unsigned integer, f real number,
// h hexadecimal text, s text, n numbers joined by the delimiter character that follows the
// "n"), then optionally an option block "{...}" that ends the string. Options: n<number>
// minimum, x<number> maximum, l<digits>[a][f][n] maximum length or number count with the
// flags auto-advance, fixed length and required, w<digits> width in pixels, e<char> a
// character that moves the focus on instead of being typed.
//
// A template is text with specifiers in it: each specifier is a field, every other run of
// text a label between fields, and "%%" a literal "%".
class QxEditConstraint {
public:
    enum Flag : std::uint16_t { AutoAdvance = 1, Fixed = 2, Required = 4 };
    // Code of the error raised for an invalid format string (general message 2).
    static constexpr int BadFormatCode = -2;

    // With commitOnExit, a value accepted on leaving a field becomes the one a later refused
    // value is replaced by. Without an owner, refusals show no message and nothing beeps or
    // moves the focus on.
    QxEditConstraint(std::unique_ptr<QxConstraintOwner> owner, bool commitOnExit);
    // Releases the records. The fields keep the handlers the constraints installed; from then
    // on those only pass the events to the handlers the fields had before.
    ~QxEditConstraint();
    QxEditConstraint(const QxEditConstraint&) = delete;
    QxEditConstraint& operator=(const QxEditConstraint&) = delete;

    // The form that shows the messages and takes the focus-advance requests from now on.
    void SetOwner(std::unique_ptr<QxConstraintOwner> owner);
    bool CommitOnExit() const;

    // Parses one field specifier and attaches it to the field: maximum length, width (when
    // given), and the constraint's change and exit handlers in front of the field's own. An
    // invalid specifier raises QxError with general message 2 and changes nothing.
    void AddConstraint(const std::string& format, QxTextField& field);
    // A concatenation of specifiers, piece k for field k. A format with more pieces than
    // fields raises the same error before anything changes; an invalid piece ends the
    // operation with the pieces before it attached.
    void AddConstraints(const std::string& format, const std::vector<QxTextField*>& fields);
    // Lays a template out on the panel, left to right at top 0 with 1 pixel between items: a
    // label per run of fixed text, a constrained field per specifier. The created fields are
    // appended to `fields` when it is given. An invalid specifier ends the operation; what was
    // created before it remains.
    void BuildComposite(QxCompositePanel& panel, const std::string& templateText,
                        std::vector<QxTextField*>* fields = nullptr);
    // Puts the field's saved handlers back and releases its record (the latest one, when the
    // field was constrained more than once). An unconstrained field is left alone.
    void RemoveConstraint(QxTextField& field);
    // The field's current text becomes the value a refused one is replaced by.
    void Commit(QxTextField& field);

    int Count() const { return static_cast<int>(records_.size()); }
    // The record of a field (the latest one); none for an unconstrained field.
    const EditConstraint_s* Find(const QxTextField& field) const;
    // The message the check on leaving would show for the field's text now; none when the text
    // passes (or the field is unconstrained). Nothing is shown or restored.
    std::optional<std::string> Check(const QxTextField& field) const;

    // The record a specifier describes, without a field. Raises QxError (general message 2,
    // BadFormatCode) when the specifier is invalid.
    static EditConstraint_s ParseSpecifier(const std::string& format);

private:
    struct Shared;

    void Attach(EditConstraint_s record, QxTextField& field);
    std::shared_ptr<EditConstraint_s> FindRecord(const QxTextField& field) const;

    // Shared with the handlers installed on the fields, which may outlive this object.
    std::shared_ptr<Shared> shared_;
    std::vector<std::shared_ptr<EditConstraint_s>> records_;
};
