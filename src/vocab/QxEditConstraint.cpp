#include "vocab/QxEditConstraint.h"

#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "vocab/QxCompositePanel.h"
#include "vocab/QxConstraintOwner.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace {

// Entries of the general message table.
enum Message : int {
    MsgBadFormat = 2,
    MsgRequired = 3,
    MsgStringMaxLength = 4,
    MsgStringLength = 5,
    MsgHexMaxLength = 6,
    MsgHexLength = 7,
    MsgNumberRange = 8,
    MsgListMaxCount = 9,
    MsgListCount = 10,
    MsgListRange = 11,
};

constexpr double Int32Min = -2147483648.0;
constexpr double Int32Max = 2147483647.0;
constexpr double UInt32Max = 4294967295.0;

QxError BadFormat() {
    return QxError(QxMessages::Entry(QxMessages::Common, MsgBadFormat),
                   QxEditConstraint::BadFormatCode);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The texts the request engine puts into a field for a value that is absent or a column that
// ended during a walk; they pass through unchecked.
bool IsPlaceholder(const std::string& text) {
    return text == "(NOTDONE)" || text == "(NULL)";
}

// Length in characters of a UTF-8 text, as the field counts its maximum length.
int CharCount(const std::string& text) {
    int count = 0;
    for (char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

// The whole text as a number, independent of the process locale. A number too large for a
// double counts as infinite and one too small as zero, so that the range check decides.
bool ParseNumber(std::string_view text, double& value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (ptr != end || ec == std::errc::invalid_argument) {
        return false;
    }
    if (ec == std::errc::result_out_of_range) {
        const bool negative = text.front() == '-';
        const std::string_view whole = text.substr(0, text.find('.'));
        const bool large = whole.find_first_of("123456789") != std::string_view::npos;
        value = large ? std::numeric_limits<double>::infinity() : 0.0;
        value = negative ? -value : value;
    }
    return true;
}

bool ParseInt32(std::string_view text, std::int32_t& value) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

// General floating-point form with up to 15 significant digits: 1 and 4094, not 1.0.
std::string FormatBound(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

// A bound of a number list as an unsigned 32-bit number: truncated, and held within the
// unsigned range instead of wrapping.
std::uint32_t ToUInt32Bound(double value) {
    if (!(value > 0)) {
        return 0;
    }
    if (value >= UInt32Max) {
        return std::numeric_limits<std::uint32_t>::max();
    }
    return static_cast<std::uint32_t>(value);
}

// The characters of the text that the type allows, each judged against those kept before it.
std::string KeptCharacters(const EditConstraint_s& r, const std::string& text) {
    std::string kept;
    kept.reserve(text.size());
    bool point = false;
    for (char c : text) {
        bool allowed = true;
        switch (r.type) {
        case 'i':
            allowed = IsDigit(c) || (c == '-' && kept.empty());
            break;
        case 'u':
            allowed = IsDigit(c);
            break;
        case 'f':
            allowed = IsDigit(c) || (c == '-' && kept.empty()) || (c == '.' && !point);
            point = point || (allowed && c == '.');
            break;
        case 'h':
            allowed = IsHexDigit(c);
            break;
        case 'n':
            allowed =
                IsDigit(c) || (c == r.delimiter && !kept.empty() && kept.back() != r.delimiter);
            break;
        default:
            break;
        }
        if (allowed) {
            kept += c;
        }
    }
    return kept;
}

std::string Fill(int entry,
                 std::initializer_list<std::pair<std::string_view, std::string>> values) {
    std::string text = QxMessages::Entry(QxMessages::Common, entry);
    for (const auto& [placeholder, value] : values) {
        text = ReplacePlaceholder(std::move(text), placeholder, value);
    }
    return text;
}

// Checks a list of numbers joined by the delimiter: the count against the "l" value, then
// every number against the bounds. A number is refused when it is empty (a delimiter at the
// end) or does not fit 32 bits, rather than being read as 0 or wrapped into range.
std::optional<std::string> CheckNumberList(const EditConstraint_s& r, const std::string& text) {
    const std::string delimiter(1, r.delimiter);
    const int count = 1 + static_cast<int>(std::count(text.begin(), text.end(), r.delimiter));
    if (r.maxLength > 0) {
        if ((r.flags & QxEditConstraint::Fixed) != 0 && count != r.maxLength) {
            return Fill(MsgListCount,
                        {{"[DELIMITER]", delimiter}, {"[COUNT]", std::to_string(r.maxLength)}});
        }
        if ((r.flags & QxEditConstraint::Fixed) == 0 && count > r.maxLength) {
            return Fill(MsgListMaxCount,
                        {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", std::to_string(r.maxLength)}});
        }
    }
    const std::uint64_t low = ToUInt32Bound(r.minimum);
    const std::uint64_t high = ToUInt32Bound(r.maximum);
    bool inRange = true;
    size_t start = 0;
    while (inRange) {
        const size_t stop = std::min(text.find(r.delimiter, start), text.size());
        const std::string_view piece(text.data() + start, stop - start);
        std::uint64_t value = 0;
        inRange = !piece.empty();
        for (char c : piece) {
            inRange = inRange && IsDigit(c);
            // Saturates above the 32-bit range; every such value is out of range.
            value = std::min<std::uint64_t>(value * 10 + static_cast<unsigned>(c - '0'),
                                            std::uint64_t{1} << 32);
        }
        inRange = inRange && value >= low && value <= high;
        if (stop == text.size()) {
            break;
        }
        start = stop + 1;
    }
    if (!inRange) {
        return Fill(MsgListRange, {{"[DELIMITER]", delimiter},
                                   {"[MIN]", std::to_string(low)},
                                   {"[MAX]", std::to_string(high)}});
    }
    return std::nullopt;
}

// The message for a value that may not stay in the field; none when it passes.
std::optional<std::string> CheckValue(const EditConstraint_s& r, const std::string& text) {
    switch (r.type) {
    case 'i':
    case 'u':
    case 'f': {
        // A text without a number in it ("-", ".") is refused like one out of range.
        double value = 0;
        if (!ParseNumber(text, value) || value < r.minimum || value > r.maximum) {
            return Fill(MsgNumberRange,
                        {{"[MIN]", FormatBound(r.minimum)}, {"[MAX]", FormatBound(r.maximum)}});
        }
        return std::nullopt;
    }
    case 's':
    case 'h': {
        if (r.maxLength <= 0) {
            return std::nullopt;
        }
        const int length = CharCount(text);
        const std::string limit = std::to_string(r.maxLength);
        if ((r.flags & QxEditConstraint::Fixed) != 0) {
            if (length != r.maxLength) {
                return Fill(r.type == 'h' ? MsgHexLength : MsgStringLength, {{"[LEN]", limit}});
            }
        } else if (length > r.maxLength) {
            return Fill(r.type == 'h' ? MsgHexMaxLength : MsgStringMaxLength,
                        {{"[MAXLEN]", limit}});
        }
        return std::nullopt;
    }
    case 'n':
        return CheckNumberList(r, text);
    default:
        return std::nullopt;
    }
}

// Calls a field's saved handler; false when it vetoed the rest of the event.
bool CallSaved(const QxTextField::Handler& handler, const QxTextField& field) {
    if (!handler) {
        return true;
    }
    handler();
    return field.Tag() != -1;
}

// Runs after every change of the field's text, the program's included.
void FilterChange(EditConstraint_s& r, QxConstraintOwner* owner) {
    QxTextField& field = *r.control;
    const std::string text = field.Text();
    if (text.empty() || IsPlaceholder(text)) {
        return;
    }
    // The advance character moves the focus on instead of being typed. Every occurrence goes
    // at once, so that a pasted text asks for one advance, not one per character.
    if (r.advanceChar != 0 && text.find(r.advanceChar) != std::string::npos) {
        std::string rest = text;
        std::erase(rest, r.advanceChar);
        if (owner != nullptr && field.Focused()) {
            owner->PostFocusNext();
        }
        field.SetText(rest); // runs this filter on the rest
        return;
    }
    // Refused characters all go in one step with one beep; the text set runs this filter once
    // more and that run goes on with the clean text.
    const std::string kept = KeptCharacters(r, text);
    if (kept != text) {
        field.SetText(kept);
        if (owner != nullptr) {
            owner->Beep();
        }
        return;
    }
    if (!CallSaved(r.previousOnChange, field)) {
        return;
    }
    // Only a field the user is typing in moves the focus on; a full value the program puts
    // into a field elsewhere in the window must not pull the focus away from where it is.
    if ((r.flags & QxEditConstraint::AutoAdvance) != 0 && r.maxLength > 0 && owner != nullptr &&
        field.Focused() && CharCount(field.Text()) == r.maxLength) {
        owner->PostFocusNext();
    }
}

// Shows why the value is refused, puts the last accepted value back and keeps the user in
// the field.
void Refuse(EditConstraint_s& r, QxConstraintOwner* owner, const std::string& message) {
    if (owner != nullptr) {
        owner->ShowMessage(message);
    }
    r.control->SetText(r.goodText);
    r.control->SetFocus();
}

// Runs when the focus leaves the field.
void CheckExit(EditConstraint_s& r, QxConstraintOwner* owner, bool commitOnExit) {
    QxTextField& field = *r.control;
    const std::string text = field.Text();
    if (IsPlaceholder(text)) {
        return;
    }
    if (text.empty()) {
        if ((r.flags & QxEditConstraint::Required) != 0) {
            Refuse(r, owner, QxMessages::Entry(QxMessages::Common, MsgRequired));
        }
        return;
    }
    if (const std::optional<std::string> message = CheckValue(r, text)) {
        Refuse(r, owner, *message);
        return;
    }
    if (!CallSaved(r.previousOnExit, field)) {
        field.SetText(r.goodText);
        return;
    }
    if (commitOnExit) {
        r.goodText = field.Text();
    }
}

} // namespace

struct QxEditConstraint::Shared {
    std::unique_ptr<QxConstraintOwner> owner;
    bool commitOnExit = false;
};

QxEditConstraint::QxEditConstraint(std::unique_ptr<QxConstraintOwner> owner, bool commitOnExit)
    : shared_(std::make_shared<Shared>()) {
    shared_->owner = std::move(owner);
    shared_->commitOnExit = commitOnExit;
}

QxEditConstraint::~QxEditConstraint() = default;

void QxEditConstraint::SetOwner(std::unique_ptr<QxConstraintOwner> owner) {
    shared_->owner = std::move(owner);
}

bool QxEditConstraint::CommitOnExit() const {
    return shared_->commitOnExit;
}

EditConstraint_s QxEditConstraint::ParseSpecifier(const std::string& format) {
    if (format.size() < 2 || format[0] != '%') {
        throw BadFormat();
    }
    EditConstraint_s r;
    r.type = format[1];
    size_t block = 2;
    switch (r.type) {
    case 'i':
        r.minimum = Int32Min;
        r.maximum = Int32Max;
        break;
    case 'u':
        r.minimum = 0;
        r.maximum = UInt32Max;
        break;
    case 'f':
    case 'h':
    case 's':
        r.minimum = std::numeric_limits<double>::min();
        r.maximum = std::numeric_limits<double>::max();
        break;
    case 'n':
        if (format.size() == 2) {
            throw BadFormat();
        }
        r.delimiter = format[2];
        block = 3;
        r.minimum = 0;
        r.maximum = UInt32Max;
        break;
    default:
        throw BadFormat();
    }

    if (format.size() > block) {
        if (format[block] != '{' || format.back() != '}') {
            throw BadFormat();
        }
        const std::string_view text(format);
        const size_t end = format.size() - 1; // the closing brace
        size_t p = block + 1;
        while (p < end) {
            const char letter = format[p++];
            size_t q = p;
            switch (letter) {
            case 'n':
            case 'x': {
                while (q < end &&
                       std::string_view("-0123456789.").find(format[q]) != std::string_view::npos) {
                    ++q;
                }
                // A malformed run such as "1-2", or one beyond the double range, is a bad
                // format like any other.
                double value = 0;
                const auto [ptr, ec] = std::from_chars(format.data() + p, format.data() + q, value,
                                                       std::chars_format::fixed);
                if (q == p || ec != std::errc() || ptr != format.data() + q) {
                    throw BadFormat();
                }
                (letter == 'n' ? r.minimum : r.maximum) = value;
                break;
            }
            case 'l':
            case 'w': {
                while (q < end && IsDigit(format[q])) {
                    ++q;
                }
                std::int32_t value = 0;
                if (q == p || !ParseInt32(text.substr(p, q - p), value)) {
                    throw BadFormat();
                }
                if (letter == 'w') {
                    r.width = value;
                    break;
                }
                // A later "l" replaces an earlier one with its flags.
                r.maxLength = value;
                r.flags = 0;
                for (int k = 0; k < 3 && q < end; ++k, ++q) {
                    const char flag = format[q];
                    if (flag == 'a') {
                        r.flags |= AutoAdvance;
                    } else if (flag == 'f') {
                        r.flags |= Fixed;
                    } else if (flag == 'n') {
                        r.flags |= Required;
                    } else {
                        break;
                    }
                }
                break;
            }
            case 'e':
                if (q >= end) {
                    throw BadFormat();
                }
                r.advanceChar = format[q++];
                break;
            default:
                throw BadFormat();
            }
            p = q;
        }
    }

    // Integer fields hold 32-bit values; bounds beyond that would let a value through that
    // cannot be stored.
    if (r.type == 'i') {
        r.minimum = std::max(r.minimum, Int32Min);
        r.maximum = std::min(r.maximum, Int32Max);
    } else if (r.type == 'u') {
        r.minimum = std::max(r.minimum, 0.0);
        r.maximum = std::min(r.maximum, UInt32Max);
    }
    return r;
}

void QxEditConstraint::Attach(EditConstraint_s record, QxTextField& field) {
    auto r = std::make_shared<EditConstraint_s>(std::move(record));
    r->control = &field;
    field.SetMaxLength(r->maxLength);
    if (r->width > 0) {
        field.SetWidth(r->width);
    }
    r->previousOnChange = field.ChangeHandler();
    r->previousOnExit = field.ExitHandler();

    // The handlers hold the record and the owner weakly: once the constraint is gone (its
    // object destroyed), a field that is still around passes its events on to the handlers it
    // had before.
    const std::weak_ptr<EditConstraint_s> weakRecord = r;
    const std::weak_ptr<Shared> weakShared = shared_;
    field.ChangeHandler() = [weakRecord, weakShared, previous = r->previousOnChange] {
        const std::shared_ptr<EditConstraint_s> record = weakRecord.lock();
        const std::shared_ptr<Shared> shared = weakShared.lock();
        if (record && shared) {
            FilterChange(*record, shared->owner.get());
        } else if (previous) {
            previous();
        }
    };
    field.ExitHandler() = [weakRecord, weakShared, previous = r->previousOnExit] {
        const std::shared_ptr<EditConstraint_s> record = weakRecord.lock();
        const std::shared_ptr<Shared> shared = weakShared.lock();
        if (record && shared) {
            CheckExit(*record, shared->owner.get(), shared->commitOnExit);
        } else if (previous) {
            previous();
        }
    };
    records_.push_back(std::move(r));
}

void QxEditConstraint::AddConstraint(const std::string& format, QxTextField& field) {
    Attach(ParseSpecifier(format), field);
}

void QxEditConstraint::AddConstraints(const std::string& format,
                                      const std::vector<QxTextField*>& fields) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t i = 1; i < format.size(); ++i) {
        if (format[i] == '%') {
            pieces.push_back(format.substr(start, i - start));
            start = i;
        }
    }
    if (!format.empty()) {
        pieces.push_back(format.substr(start));
    }
    if (pieces.size() > fields.size()) {
        throw BadFormat();
    }
    for (size_t k = 0; k < pieces.size(); ++k) {
        if (fields[k] == nullptr) {
            throw std::invalid_argument("AddConstraints: no field for piece " + std::to_string(k));
        }
    }
    for (size_t k = 0; k < pieces.size(); ++k) {
        AddConstraint(pieces[k], *fields[k]);
    }
}

void QxEditConstraint::BuildComposite(QxCompositePanel& panel, const std::string& templateText,
                                      std::vector<QxTextField*>* fields) {
    panel.ClearFrame();
    const std::string& t = templateText;
    int left = 0;
    std::string fixed;
    const auto addLabel = [&] {
        if (!fixed.empty()) {
            left += panel.AddLabel(fixed, left) + 1;
            fixed.clear();
        }
    };
    size_t i = 0;
    while (i < t.size()) {
        if (t[i] != '%') {
            fixed += t[i++];
            continue;
        }
        if (i + 1 < t.size() && t[i + 1] == '%') {
            fixed += '%';
            i += 2;
            continue;
        }
        // A specifier: "%", the type letter, the delimiter of type n, and an option block
        // that ends where its braces balance.
        size_t j = i + 1;
        if (j < t.size() && t[j++] == 'n' && j < t.size()) {
            ++j;
        }
        if (j < t.size() && t[j] == '{') {
            int depth = 0;
            do {
                depth += t[j] == '{' ? 1 : t[j] == '}' ? -1 : 0;
                ++j;
            } while (j < t.size() && depth > 0);
        }
        addLabel();
        // Parsed before its field is made, so that a bad specifier leaves no stray field.
        EditConstraint_s record = ParseSpecifier(t.substr(i, j - i));
        QxTextField& field = panel.AddField(left);
        Attach(std::move(record), field);
        if (fields != nullptr) {
            fields->push_back(&field);
        }
        left += field.Width() + 1;
        i = j;
    }
    addLabel();
}

std::shared_ptr<EditConstraint_s> QxEditConstraint::FindRecord(const QxTextField& field) const {
    for (auto it = records_.rbegin(); it != records_.rend(); ++it) {
        if ((*it)->control == &field) {
            return *it;
        }
    }
    return nullptr;
}

const EditConstraint_s* QxEditConstraint::Find(const QxTextField& field) const {
    return FindRecord(field).get();
}

std::optional<std::string> QxEditConstraint::Check(const QxTextField& field) const {
    const std::shared_ptr<EditConstraint_s> r = FindRecord(field);
    const std::string text = field.Text();
    if (!r || IsPlaceholder(text)) {
        return std::nullopt;
    }
    if (text.empty()) {
        if ((r->flags & Required) != 0) {
            return QxMessages::Entry(QxMessages::Common, MsgRequired);
        }
        return std::nullopt;
    }
    return CheckValue(*r, text);
}

void QxEditConstraint::RemoveConstraint(QxTextField& field) {
    const std::shared_ptr<EditConstraint_s> r = FindRecord(field);
    if (!r) {
        return;
    }
    field.ChangeHandler() = r->previousOnChange;
    field.ExitHandler() = r->previousOnExit;
    records_.erase(std::find(records_.begin(), records_.end(), r));
}

void QxEditConstraint::Commit(QxTextField& field) {
    if (const std::shared_ptr<EditConstraint_s> r = FindRecord(field)) {
        r->goodText = field.Text();
    }
}
