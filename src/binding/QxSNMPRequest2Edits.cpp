#include "binding/QxSNMPRequest2Edits.h"
#include "binding/QxBindingError.h"

#include "binding/QxOctetForm.h"
#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "snmp/QxOid.h"
#include "snmp/QxValueCheck.h"
#include "snmp/QxValueForms.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TCompositePanel.h"
#include "ui/toolkit/TConstraintOwner.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TRadioGroup.h"
#include "vocab/QxCellText.h"
#include "vocab/QxDateTime.h"
#include "vocab/QxEditConstraint.h"
#include "vocab/QxNumList.h"
#include "vocab/QxOptionList.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

constexpr int BadPartSyntax = 17;   // -517
constexpr int NoOptionList = 20;    // -520
constexpr int BadControlType = 21;  // -521
constexpr int TooFewControls = 22;  // -522
constexpr int RangeMessage = 8;     // "Please enter a number between [MIN] and [MAX]!"
constexpr int HexLengthMessage = 7; // "Please enter a hex string whose length is [LEN]!"

// How often a long walk lets the window handle its events while rows arrive.
constexpr auto EventInterval = std::chrono::milliseconds(30);

template <class T> T* As(const QPointer<QWidget>& widget) {
    return dynamic_cast<T*>(widget.data());
}

bool IsBooleanSyntax(int syntax) {
    return syntax == sxBoolean || syntax == sxBool8 || syntax == sxBool16;
}

// The C library's reading of a number typed into an edit: the leading number, 0 when none.
long EditNumber(const TEdit* edit) {
    std::string text = edit->Text();
    return std::strtol(text.c_str(), nullptr, 10);
}

// A field of an address group must hold what fits in it: a number that would wrap into
// another address is refused before anything is sent.
long CheckedField(const TEdit* edit, long minimum, long maximum) {
    long value = EditNumber(edit);
    if (value < minimum || value > maximum) {
        std::string text = QxMessages::Entry(QxMessages::Common, RangeMessage);
        text = ReplacePlaceholder(text, "[MIN]", std::to_string(minimum));
        text = ReplacePlaceholder(text, "[MAX]", std::to_string(maximum));
        throw QxError(text, -RangeMessage);
    }
    return value;
}

// One octet typed as hexadecimal: at most two hex digits ("" counts as "00").
std::string HexField(const TEdit* edit) {
    std::string text = edit->Text();
    bool hex =
        text.size() <= 2 && text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
    if (!hex) {
        std::string message = QxMessages::Entry(QxMessages::Common, HexLengthMessage);
        throw QxError(ReplacePlaceholder(message, "[LEN]", "2"), -HexLengthMessage);
    }
    return std::string(2 - text.size(), '0') + text;
}

std::string Hex2(unsigned value) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%02X", value & 0xFFu);
    return buf;
}

using Days = std::chrono::sys_days;
constexpr Days DayCountEpoch = Days{std::chrono::year{1899} / 12 / 30};

} // namespace

QxSNMPRequest2Edits::QxSNMPRequest2Edits(QWidget* ownerForm)
    : QxSNMPRequest2Controls(ownerForm),
      constraints_(std::make_unique<QxEditConstraint>(std::make_unique<TConstraintOwner>(ownerForm),
                                                      true)) {}

QxSNMPRequest2Edits::~QxSNMPRequest2Edits() {
    // The controls keep the handlers they have: they belong to the form, which may outlive
    // this binding only while it is being torn down.
    bindings_.clear();
    constraints_.reset();
    if (listView_ != nullptr) {
        listView_->OnSelectItem = listViewHook_;
    }
}

QxSNMPRequest2Edits::FieldBinding&
QxSNMPRequest2Edits::Append(int varIndex, int byteOffset, int syntax, const QxOptionList* options) {
    auto b = std::make_unique<FieldBinding>();
    b->varIndex = varIndex;
    b->byteOffset = byteOffset;
    b->syntax = syntax;
    b->options = options;
    bindings_.push_back(std::move(b));
    return *bindings_.back();
}

const QxOptionList* QxSNMPRequest2Edits::EffectiveOptions(const FieldBinding& b) const {
    if (b.options != nullptr) {
        return b.options;
    }
    const QxSNMPVar& v = request.vars.Entry(b.varIndex);
    if (b.byteOffset == 0 && b.syntax == v.syntax) {
        return v.options;
    }
    return nullptr;
}

// Combo boxes and radio groups show the labels of their option list; their change or click
// handler, like a check box's, goes through the binding, which calls the control's own.
void QxSNMPRequest2Edits::TakeOverHandlers(FieldBinding& b) {
    b.savedHandlers.resize(b.controls.size());
    for (size_t i = 0; i < b.controls.size(); ++i) {
        TNotifyEvent* slot = nullptr;
        QxItemList* items = nullptr;
        if (auto* combo = As<TComboBox>(b.controls[i])) {
            slot = &combo->OnChange;
            items = combo;
        } else if (auto* radio = As<TRadioGroup>(b.controls[i])) {
            slot = &radio->OnClick;
            items = radio;
        } else if (auto* box = As<TCheckBox>(b.controls[i])) {
            slot = &box->OnClick;
        }
        if (items != nullptr) {
            const QxOptionList* options = EffectiveOptions(b);
            if (options == nullptr) {
                throw BindingError(NoOptionList);
            }
            options->FillItems(*items);
        }
        if (slot != nullptr) {
            TNotifyEvent saved = *slot;
            b.savedHandlers[i] = saved;
            *slot = [saved] {
                if (saved) {
                    saved();
                }
            };
        }
    }
}

void QxSNMPRequest2Edits::BindControl(int varIndex, TControl* control) {
    const QxSNMPVar& v = request.vars.Entry(varIndex);
    FieldBinding b;
    b.varIndex = varIndex;
    b.syntax = v.syntax;
    b.controls.emplace_back(control->Widget());
    TakeOverHandlers(b);
    bindings_.push_back(std::make_unique<FieldBinding>(std::move(b)));
}

void QxSNMPRequest2Edits::BindComboBox(int varIndex, TComboBox* comboBox) {
    comboBox->SetStyle(csDropDownList);
    BindControl(varIndex, comboBox);
}

void QxSNMPRequest2Edits::BindPart(int varIndex, int byteOffset, int syntax,
                                   const QxOptionList* options, TComboBox* comboBox) {
    comboBox->SetStyle(csDropDownList);
    FieldBinding b;
    b.varIndex = varIndex;
    b.byteOffset = byteOffset;
    b.syntax = syntax;
    b.options = options;
    b.controls.emplace_back(comboBox);
    TakeOverHandlers(b);
    bindings_.push_back(std::make_unique<FieldBinding>(std::move(b)));
}

void QxSNMPRequest2Edits::BindEdit(int varIndex, const std::string& format,
                                   const std::vector<TEdit*>& edits) {
    BindEditPart(varIndex, 0, request.vars.Entry(varIndex).syntax, nullptr, format, edits);
}

void QxSNMPRequest2Edits::BindEditPart(int varIndex, int byteOffset, int syntax,
                                       const QxOptionList* options, const std::string& format,
                                       const std::vector<TEdit*>& edits) {
    std::vector<QxTextField*> fields(edits.begin(), edits.end());
    constraints_->AddConstraints(format, fields);
    FieldBinding& b = Append(varIndex, byteOffset, syntax, options);
    for (TEdit* edit : edits) {
        b.controls.emplace_back(edit);
        // A text field with a length limit takes typing up to it; a longer paste is refused
        // whole, and a box says which field takes how much (nothing is cut to fit).
        const EditConstraint_s* r = edit != nullptr ? constraints_->Find(*edit) : nullptr;
        if (r != nullptr && (r->type == 's' || r->type == 'h') && r->maxLength > 0) {
            QPointer<TEdit> field(edit);
            edit->OnTooLong = [field, label = request.vars.Entry(varIndex).label,
                               limit = r->maxLength](int length) {
                if (field == nullptr) {
                    return;
                }
                std::string caption;
                if (auto* app = dynamic_cast<TApplication*>(QCoreApplication::instance())) {
                    caption = app->ExeFileName();
                }
                MessageBox(TooLongText(label, static_cast<std::size_t>(length),
                                       static_cast<std::size_t>(limit)),
                           caption, mbOK, miWarning, field->window());
            };
        }
    }
    b.savedHandlers.resize(b.controls.size());
}

void QxSNMPRequest2Edits::BindCompositeEdit(int varIndex, const std::string& templateText,
                                            TPanel* panel) {
    TCompositePanel row(*panel);
    constraints_->BuildComposite(row, templateText);
    const QxSNMPVar& v = request.vars.Entry(varIndex);
    FieldBinding& b = Append(varIndex, 0, v.syntax, nullptr);
    for (TEdit* edit : row.Edits()) {
        b.controls.emplace_back(edit);
    }
    b.savedHandlers.resize(b.controls.size());
}

void QxSNMPRequest2Edits::BindCheckBoxes(int varIndex, const std::string& positions,
                                         const std::vector<TCheckBox*>& boxes) {
    QxNumList<int> bits;
    bits.separator = ',';
    bits.Parse(positions);
    const QxSNMPVar& v = request.vars.Entry(varIndex);
    FieldBinding b;
    b.varIndex = varIndex;
    b.syntax = v.syntax;
    for (size_t i = 0; i < boxes.size(); ++i) {
        b.controls.emplace_back(boxes[i]);
        int k = static_cast<int>(i);
        b.bitPositions.push_back(k < bits.Count() ? bits.Get(k) : 0);
    }
    TakeOverHandlers(b);
    bindings_.push_back(std::make_unique<FieldBinding>(std::move(b)));
}

void QxSNMPRequest2Edits::UnbindControls(int varIndex) {
    for (auto it = bindings_.begin(); it != bindings_.end();) {
        FieldBinding& b = **it;
        if (b.varIndex != varIndex) {
            ++it;
            continue;
        }
        for (size_t i = 0; i < b.controls.size(); ++i) {
            if (auto* edit = As<TEdit>(b.controls[i])) {
                constraints_->RemoveConstraint(*edit);
                edit->OnTooLong = nullptr;
            } else if (auto* combo = As<TComboBox>(b.controls[i])) {
                combo->OnChange = b.savedHandlers[i];
            } else if (auto* radio = As<TRadioGroup>(b.controls[i])) {
                radio->OnClick = b.savedHandlers[i];
            } else if (auto* box = As<TCheckBox>(b.controls[i])) {
                box->OnClick = b.savedHandlers[i];
            }
        }
        it = bindings_.erase(it);
    }
}

void QxSNMPRequest2Edits::SetConstraintOwner(QWidget* form) {
    constraints_->SetOwner(std::make_unique<TConstraintOwner>(form));
}

void QxSNMPRequest2Edits::EnableControls(bool enabled) {
    for (const auto& b : bindings_) {
        for (const QPointer<QWidget>& control : b->controls) {
            if (control != nullptr) {
                control->setEnabled(enabled);
            }
        }
    }
}

void QxSNMPRequest2Edits::ShowValues(int varIndex) {
    for (const auto& b : bindings_) {
        if (varIndex != -1 && b->varIndex != varIndex) {
            continue;
        }
        if ((request.vars.Entry(b->varIndex).access & acInvalid) != 0) {
            continue;
        }
        Show(*b);
    }
}

void QxSNMPRequest2Edits::Show(const FieldBinding& b) {
    const QxSNMPVar& v = request.vars.Entry(b.varIndex);
    std::string text = v.value;
    if (v.options != nullptr) {
        text = v.options->ValueOf(text);
    }
    std::string octets = TextToOctets(text, v.syntax);
    if (b.byteOffset != 0 || b.syntax != v.syntax) {
        octets = ExtractPart(octets, b.byteOffset, b.syntax);
        text = OctetsToText(octets, b.syntax);
    }
    const QxOptionList* options = EffectiveOptions(b);
    if (options != nullptr) {
        text = options->LabelOf(text);
    }
    const QPointer<QWidget>& first = b.controls.front();
    if (auto* label = As<TLabel>(first)) {
        label->SetCaption(text);
        return;
    }
    if (auto* box = As<TCheckBox>(first)) {
        if (!b.bitPositions.empty()) {
            for (size_t i = 0; i < b.controls.size(); ++i) {
                if (auto* each = As<TCheckBox>(b.controls[i])) {
                    each->SetChecked(OctetBit(octets, b.bitPositions[i]));
                }
            }
            return;
        }
        if (options != nullptr) {
            int entry = options->IndexOfLabel(text);
            if (entry < 0) {
                entry = options->IndexOfValue(text);
            }
            box->SetChecked(entry >= 1);
            return;
        }
        if (!IsBooleanSyntax(b.syntax)) {
            throw BindingError(BadPartSyntax);
        }
        box->SetChecked(text == "true");
        return;
    }
    if (auto* combo = As<TComboBox>(first)) {
        if (options != nullptr) {
            options->SelectText(*combo, text);
        }
        return;
    }
    if (auto* radio = As<TRadioGroup>(first)) {
        if (options != nullptr) {
            options->SelectText(*radio, text);
        }
        return;
    }
    auto* edit = As<TEdit>(first);
    if (edit == nullptr) {
        throw BindingError(BadControlType);
    }
    if (b.controls.size() == 1) {
        edit->SetText(text);
        return;
    }
    std::vector<TEdit*> edits;
    for (const QPointer<QWidget>& control : b.controls) {
        edits.push_back(As<TEdit>(control));
    }
    auto need = [&](size_t count) {
        if (edits.size() < count) {
            throw BindingError(TooFewControls);
        }
    };
    auto set = [&](size_t i, const std::string& field) {
        if (edits[i] != nullptr) {
            edits[i]->SetText(field);
        }
    };
    bool null = text == "(NULL)";
    switch (b.syntax) {
    case sxBitstr:
    case sxOctetstr:
    case sxOpaque:
        need(octets.size());
        for (size_t i = 0; i < octets.size(); ++i) {
            set(i, Hex2(static_cast<unsigned char>(octets[i])));
        }
        break;
    case sxObjectid: {
        QxOid oid = OidFromText(text);
        need(oid.size());
        for (size_t i = 0; i < oid.size(); ++i) {
            set(i, std::to_string(oid[i]));
        }
        break;
    }
    case sxIpaddress:
    case sxNsapaddr:
        need(4);
        if (!null) {
            for (size_t i = 0; i < 4 && i < octets.size(); ++i) {
                set(i, std::to_string(static_cast<unsigned char>(octets[i])));
            }
        }
        break;
    case sxTimeticks:
        need(5);
        if (!null) {
            std::uint32_t t = TicksFromText(text);
            set(0, std::to_string(t / 8640000));
            set(1, std::to_string(t % 8640000 / 360000));
            set(2, std::to_string(t % 360000 / 6000));
            set(3, std::to_string(t % 6000 / 100));
            set(4, std::to_string(t % 100));
        }
        break;
    case sxMacaddress:
    case sxIpv6address:
        need(b.syntax == sxMacaddress ? 6 : 16);
        if (!null) {
            for (size_t i = 0; i < edits.size() && i < octets.size(); ++i) {
                set(i, Hex2(static_cast<unsigned char>(octets[i])));
            }
        }
        break;
    case sxDatetime:
        need(10);
        if (!null) {
            QxDateTime dt(text);
            set(0, std::to_string(dt.year));
            set(1, std::to_string(dt.month));
            set(2, std::to_string(dt.day));
            set(3, std::to_string(dt.hour));
            set(4, std::to_string(dt.minutes));
            set(5, std::to_string(dt.seconds));
            set(6, std::to_string(dt.deciSeconds));
            set(7, std::string(1, dt.direction));
            set(8, std::to_string(dt.hoursFromUTC));
            set(9, std::to_string(dt.minutesFromUTC));
        }
        break;
    case sxBcdatetime:
        need(7);
        if (!null) {
            double days = DayCountFromText(text);
            double whole = std::floor(days);
            auto ms = static_cast<long long>(std::llround((days - whole) * 86400000.0));
            auto date = DayCountEpoch + std::chrono::days(static_cast<long long>(whole));
            if (ms >= 86400000LL) {
                ms -= 86400000LL;
                date += std::chrono::days(1);
            }
            std::chrono::year_month_day ymd(date);
            set(0, std::to_string(static_cast<int>(ymd.year())));
            set(1, std::to_string(static_cast<unsigned>(ymd.month())));
            set(2, std::to_string(static_cast<unsigned>(ymd.day())));
            set(3, std::to_string(ms / 3600000));
            set(4, std::to_string(ms / 60000 % 60));
            set(5, std::to_string(ms / 1000 % 60));
            set(6, std::to_string(ms % 1000));
        }
        break;
    default:
        set(0, text);
        break;
    }
}

// What the check on leaving a field refuses is refused when the value is read for a write as
// well: a write can start without the field being left (Return presses the window's default
// button), and then that check never ran.
void QxSNMPRequest2Edits::CheckFields(int varIndex) const {
    for (const auto& b : bindings_) {
        if (b->varIndex != varIndex) {
            continue;
        }
        for (const QPointer<QWidget>& control : b->controls) {
            auto* edit = As<TEdit>(control);
            if (edit == nullptr) {
                continue;
            }
            if (const std::optional<std::string> problem = constraints_->Check(*edit)) {
                const std::string text = edit->Text();
                throw QxError("\"" + request.vars.Entry(varIndex).label + "\": \"" +
                                  text.substr(0, 60) + (text.size() > 60 ? "..." : "") +
                                  "\" is not accepted.\n" + *problem,
                              QxSNMPRequest::RefusedValueCode);
            }
        }
    }
}

void QxSNMPRequest2Edits::ReadControls(int varIndex) {
    for (int i = 0; i < request.vars.Count(); ++i) {
        if ((varIndex != -1 && i != varIndex) || !request.vars.IsSettable(i)) {
            continue;
        }
        CheckFields(i);
        QxSNMPVar& v = request.vars.Entry(i);
        std::string value = v.value;
        if (v.options != nullptr) {
            value = v.options->ValueOf(value);
        }
        // A single edit that shows the whole value gives its text as typed: the octet form
        // would read "900abc" as 900 and a MAC address's separators as zero digits, so that a
        // value nobody typed went out. The write checks the text against the syntax instead.
        if (const FieldBinding* only = OnlyWholeEdit(i)) {
            v.value = As<TEdit>(only->controls.front())->Text();
            // Octets typed with blanks or separators are held in the module's own hex form.
            std::optional<std::string> octets;
            if (v.syntax == sxBitstr || v.syntax == sxOctetstr || v.syntax == sxOpaque) {
                octets = ParseHexOctets(v.value);
            } else if (v.syntax == sxMacaddress) {
                octets = ParseMacAddress(v.value);
            }
            if (octets) {
                v.value = OctetsToHex(*octets);
            }
            continue;
        }
        std::string octets;
        bool bound = false;
        for (const auto& b : bindings_) {
            if (b->varIndex != i) {
                continue;
            }
            if (!bound) {
                // A control that shows the whole value rebuilds it, so that a shorter text
                // leaves nothing of the old one behind (a display string is always rebuilt).
                // Parts and bits are merged into the value, which keeps what lies beyond them.
                bool whole = b->byteOffset == 0 && b->syntax == v.syntax && b->bitPositions.empty();
                octets = whole || v.syntax == sxDisplaystr ? std::string()
                                                           : TextToOctets(value, v.syntax);
                bound = true;
            }
            std::string part = ReadPart(*b, octets);
            size_t end = static_cast<size_t>(b->byteOffset) + part.size();
            if (octets.size() < end) {
                octets.resize(end, '\0');
            }
            octets.replace(static_cast<size_t>(b->byteOffset), part.size(), part);
        }
        if (!bound) {
            continue;
        }
        std::string text = OctetsToText(octets, v.syntax);
        if (v.options != nullptr) {
            text = v.options->LabelOf(text);
        }
        v.value = text;
    }
}

// A number typed for a part of an octet value is refused unless it is wholly a number of the
// part's range: the octet form would take the leading digits of "12ab" or the low octet of 300.
void QxSNMPRequest2Edits::CheckPartText(const FieldBinding& b, const std::string& text) const {
    long long low = 0;
    long long high = 0;
    switch (b.syntax) {
    case sxInt8:
        low = -128;
        high = 127;
        break;
    case sxUint8:
        high = 255;
        break;
    case sxInt16:
    case sxUint16:
        high = 65535;
        break;
    default:
        if (b.syntax == request.vars.Entry(b.varIndex).syntax || IsValueText(b.syntax, text)) {
            return;
        }
        throw QxError(RefusalText(request.vars.Entry(b.varIndex).label, text, b.syntax),
                      QxSNMPRequest::RefusedValueCode);
    }
    const std::optional<std::int32_t> n = ParseInteger32(text);
    if (!n || *n < low || *n > high) {
        throw QxError(RefusalText(request.vars.Entry(b.varIndex).label, text, b.syntax) +
                          " (a whole number from " + std::to_string(low) + " to " +
                          std::to_string(high) + ")",
                      QxSNMPRequest::RefusedValueCode);
    }
}

const QxSNMPRequest2Edits::FieldBinding* QxSNMPRequest2Edits::OnlyWholeEdit(int varIndex) const {
    const FieldBinding* found = nullptr;
    for (const auto& b : bindings_) {
        if (b->varIndex != varIndex) {
            continue;
        }
        if (found != nullptr) {
            return nullptr;
        }
        found = b.get();
    }
    const QxSNMPVar& v = request.vars.Entry(varIndex);
    if (found == nullptr || found->byteOffset != 0 || found->syntax != v.syntax ||
        !found->bitPositions.empty() || found->controls.size() != 1 ||
        As<TEdit>(found->controls.front()) == nullptr || EffectiveOptions(*found) != nullptr) {
        return nullptr;
    }
    return found;
}

std::string QxSNMPRequest2Edits::ReadPart(const FieldBinding& b, std::string& octets) {
    const QxOptionList* options = EffectiveOptions(b);
    const QPointer<QWidget>& first = b.controls.front();
    std::string text;
    if (auto* label = As<TLabel>(first)) {
        text = label->Caption();
    } else if (auto* box = As<TCheckBox>(first)) {
        if (!b.bitPositions.empty()) {
            // The boxes' bits are set in the value itself, so that bits without a box keep
            // what the device reported; the part is empty.
            for (size_t i = 0; i < b.controls.size(); ++i) {
                auto* each = As<TCheckBox>(b.controls[i]);
                SetOctetBit(octets, b.byteOffset * 8 + b.bitPositions[i],
                            each != nullptr && each->Checked());
            }
            return {};
        }
        if (options != nullptr) {
            int entry = box->Checked() ? 1 : 0;
            text = entry < options->Count() ? options->Entry(entry).label : std::string();
        } else if (IsBooleanSyntax(b.syntax)) {
            text = box->Checked() ? "true" : "false";
        } else {
            throw BindingError(BadPartSyntax);
        }
    } else if (auto* combo = As<TComboBox>(first)) {
        text = combo->ItemIndex() >= 0 ? combo->Item(combo->ItemIndex()) : std::string();
    } else if (auto* radio = As<TRadioGroup>(first)) {
        text = radio->ItemIndex() >= 0 ? radio->Item(radio->ItemIndex()) : std::string();
    } else if (auto* edit = As<TEdit>(first)) {
        text = b.controls.size() == 1 ? edit->Text() : ReadEditGroup(b);
        if (b.controls.size() == 1 && options == nullptr) {
            CheckPartText(b, text);
        }
    } else {
        throw BindingError(BadControlType);
    }
    if (options != nullptr) {
        text = options->ValueOf(text);
    }
    return TextToOctets(text, b.syntax);
}

std::string QxSNMPRequest2Edits::ReadEditGroup(const FieldBinding& b) const {
    std::vector<const TEdit*> edits;
    for (const QPointer<QWidget>& control : b.controls) {
        edits.push_back(As<TEdit>(control));
    }
    auto need = [&](size_t count) {
        if (edits.size() < count) {
            throw BindingError(TooFewControls);
        }
    };
    auto number = [&](size_t i) { return edits[i] != nullptr ? EditNumber(edits[i]) : 0L; };
    auto hexOctets = [&](size_t count) {
        std::string hex;
        for (size_t i = 0; i < count; ++i) {
            hex += edits[i] != nullptr ? HexField(edits[i]) : "00";
        }
        return hex;
    };
    switch (b.syntax) {
    case sxBitstr:
    case sxOctetstr:
    case sxOpaque:
        return hexOctets(edits.size());
    case sxMacaddress:
        need(6);
        return hexOctets(6);
    case sxIpv6address:
        need(16);
        return hexOctets(16);
    case sxObjectid: {
        std::string oid;
        for (size_t i = 0; i < edits.size(); ++i) {
            oid += (i > 0 ? "." : "") + std::to_string(static_cast<unsigned long>(number(i)));
        }
        return oid;
    }
    case sxIpaddress:
    case sxNsapaddr: {
        need(4);
        std::string address;
        for (size_t i = 0; i < 4; ++i) {
            long field = edits[i] != nullptr ? CheckedField(edits[i], 0, 255) : 0;
            address += (i > 0 ? "." : "") + std::to_string(field);
        }
        return address;
    }
    case sxTimeticks: {
        need(5);
        unsigned long long t = static_cast<unsigned long long>(number(0)) * 8640000ULL +
                               static_cast<unsigned long long>(number(1)) * 360000ULL +
                               static_cast<unsigned long long>(number(2)) * 6000ULL +
                               static_cast<unsigned long long>(number(3)) * 100ULL +
                               static_cast<unsigned long long>(number(4));
        return TicksToText(static_cast<std::uint32_t>(t));
    }
    case sxDatetime: {
        need(10);
        QxDateTime dt(std::string{});
        dt.year = static_cast<std::uint16_t>(number(0));
        dt.month = static_cast<std::uint8_t>(number(1));
        dt.day = static_cast<std::uint8_t>(number(2));
        dt.hour = static_cast<std::uint8_t>(number(3));
        dt.minutes = static_cast<std::uint8_t>(number(4));
        dt.seconds = static_cast<std::uint8_t>(number(5));
        dt.deciSeconds = static_cast<std::uint8_t>(number(6));
        std::string direction = edits[7] != nullptr ? edits[7]->Text() : std::string();
        dt.direction = !direction.empty() ? direction[0] : '+';
        dt.hoursFromUTC = static_cast<std::uint8_t>(number(8));
        dt.minutesFromUTC = static_cast<std::uint8_t>(number(9));
        return dt.ToText();
    }
    case sxBcdatetime: {
        need(7);
        using namespace std::chrono;
        year_month_day ymd{year{static_cast<int>(number(0))},
                           month{static_cast<unsigned>(number(1))},
                           day{static_cast<unsigned>(number(2))}};
        double days = static_cast<double>((sys_days(ymd) - DayCountEpoch).count());
        double ms = static_cast<double>(number(3)) * 3600000.0 +
                    static_cast<double>(number(4)) * 60000.0 +
                    static_cast<double>(number(5)) * 1000.0 + static_cast<double>(number(6));
        return DayCountToText(days + ms / 86400000.0);
    }
    default:
        return edits[0] != nullptr ? edits[0]->Text() : std::string();
    }
}

std::vector<int> QxSNMPRequest2Edits::ColumnVariables() const {
    std::vector<int> columns;
    for (int i = 0; i < request.vars.Count(); ++i) {
        if (request.vars.IsNotInView(i)) {
            columns.push_back(i);
        }
    }
    for (int i = 0; i < request.vars.Count(); ++i) {
        if (request.vars.IsShown(i)) {
            columns.push_back(i);
        }
    }
    return columns;
}

void QxSNMPRequest2Edits::AttachListView(TListView* listView, bool enableOnSelect) {
    if (listView_ != nullptr) {
        listView_->OnSelectItem = listViewHook_;
    }
    listView_ = listView;
    columnOrder_.clear();
    enableEditorsOnSelect = enableOnSelect;
    if (listView == nullptr) {
        return;
    }
    listView->SetReadOnly(true);
    listView->SetRowSelect(true);
    listView->SetHideSelection(false);
    listView->SetGridLines(true);
    listView->SetViewStyle(vsReport);
    listViewHook_ = listView->OnSelectItem;
    listView->OnSelectItem = [this](TListItem* item, bool selected) {
        OnSelectItem(item, selected);
    };
    BuildColumns();
}

void QxSNMPRequest2Edits::BuildColumns() {
    if (listView_ == nullptr) {
        return;
    }
    std::vector<int> columns = ColumnVariables();
    if (listView_->ColumnCount() >= static_cast<int>(columns.size())) {
        if (columnOrder_.empty()) {
            columnOrder_ = columns;
        }
        return;
    }
    listView_->ClearColumns();
    for (int i : columns) {
        TListColumn* column = listView_->AddColumn(request.vars.Entry(i).label);
        column->SetWidth(request.vars.IsNotInView(i) ? 0 : -2);
        column->SetAutoSize(false);
        // Port lists and MAC addresses read as port numbers and separated octets; the rows
        // keep the value texts, which the edits and the writes use.
        const int syntax = request.vars.Entry(i).syntax;
        if (syntax == sxBitstr) {
            listView_->SetColumnFormat(column->Index(), PortListCellText);
        } else if (syntax == sxMacaddress) {
            listView_->SetColumnFormat(column->Index(), MacCellText);
        }
    }
    columnOrder_ = columns;
}

// The variables of the list's columns as the columns were built: rows are added and read
// back in that order even when a variable is hidden or left out after the columns exist.
const std::vector<int>& QxSNMPRequest2Edits::Columns() {
    if (columnOrder_.empty()) {
        columnOrder_ = ColumnVariables();
    }
    return columnOrder_;
}

std::vector<std::string> QxSNMPRequest2Edits::RowTexts() {
    std::vector<std::string> row;
    for (int i : Columns()) {
        row.push_back(request.vars.Entry(i).value);
    }
    return row;
}

void QxSNMPRequest2Edits::AddRow() {
    FlushRows();
    std::vector<std::string> row = RowTexts();
    if (listView_ != nullptr && !row.empty()) {
        listView_->AddRows({row});
    }
}

void QxSNMPRequest2Edits::FlushRows() {
    if (flushTimer_ && !busy) {
        flushTimer_->stop();
    }
    if (listView_ != nullptr && !pendingRows_.empty()) {
        listView_->AddRows(pendingRows_);
    }
    pendingRows_.clear();
}

// Each column of the selected row goes back to the variable it was made from. (Counting
// columns and variables alike would shift the values onto other variables as soon as one
// variable has no column.)
void QxSNMPRequest2Edits::CopySelectedRow() {
    if (listView_ == nullptr) {
        return;
    }
    TListItem* item = listView_->Selected();
    if (item == nullptr) {
        return;
    }
    const std::vector<int>& columns = Columns();
    for (size_t c = 0; c < columns.size(); ++c) {
        request.vars.Entry(columns[c]).value =
            c == 0 ? item->Caption() : item->SubItem(static_cast<int>(c) - 1);
    }
}

void QxSNMPRequest2Edits::OnSelectItem(TListItem* item, bool selected) {
    if (listViewHook_) {
        listViewHook_(item, selected);
    }
    if (!selected) {
        return;
    }
    if (enableEditorsOnSelect) {
        EnableControls(true);
    }
    if (listView_ != nullptr) {
        CopySelectedRow();
    }
    ShowValues(-1);
}

void QxSNMPRequest2Edits::BeforeGet() {
    if (listView_ == nullptr) {
        return;
    }
    BuildColumns();
    pendingRows_.clear();
    listView_->ClearItems();
}

void QxSNMPRequest2Edits::PutAnswer() {
    if (listView_ == nullptr) {
        ShowValues(-1);
        return;
    }
    if (std::vector<std::string> row = RowTexts(); !row.empty()) {
        pendingRows_.push_back(std::move(row));
    }
    // The list grows visibly during a long walk: a timer moves the rows read meanwhile into
    // it, outside this completion, which handles no window events itself (a click handled
    // here could close the page under the walk). A synchronous walk fills the list at its end.
    if (mode == Asynchronous) {
        if (!flushTimer_) {
            flushTimer_ = std::make_unique<QTimer>();
            flushTimer_->setInterval(static_cast<int>(EventInterval.count()));
            QObject::connect(flushTimer_.get(), &QTimer::timeout, [this] { FlushRows(); });
        }
        if (!flushTimer_->isActive()) {
            flushTimer_->start();
        }
    }
}

void QxSNMPRequest2Edits::CollectValues() {
    for (int i = 0; i < request.vars.Count(); ++i) {
        request.vars.Entry(i).value.clear();
    }
    if (listView_ != nullptr) {
        CopySelectedRow();
    }
    ReadControls(-1);
}

void QxSNMPRequest2Edits::GetFailed(const QxSNMPError& result) {
    FlushRows(); // the rows read before the failure stay in the list
    QxSNMPRequest2Controls::GetFailed(result);
}

void QxSNMPRequest2Edits::GetAborted() {
    FlushRows();
}

void QxSNMPRequest2Edits::AfterGet() {
    FlushRows();
    if (listView_ != nullptr && request.vars.kind == MVT_FMV && enableEditorsOnSelect) {
        EnableControls(false);
    }
}
