#include "main_window/catalogue/CatalogueJson.h"

#include "main_window/catalogue/PageDefinition.h"
#include "vocab/QxOptionList.h"

#include <optional>
#include <string_view>

namespace {

// Appends `text` as a JSON string. Labels are kept byte for byte; only the characters JSON
// requires are escaped. A byte that does not start a well-formed UTF-8 sequence becomes
// U+FFFD, so the document stays valid UTF-8 whatever a table holds.
void AppendString(std::string& out, std::string_view text) {
    static constexpr char Hex[] = "0123456789abcdef";
    out += '"';
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            switch (byte) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20) {
                    out += "\\u00";
                    out += Hex[byte >> 4];
                    out += Hex[byte & 0xF];
                } else {
                    out += static_cast<char>(byte);
                }
            }
            ++i;
            continue;
        }
        // Length and smallest code point of a multi-byte sequence by its lead byte.
        size_t length = 0;
        char32_t minimum = 0;
        char32_t code = 0;
        if ((byte & 0xE0) == 0xC0) {
            length = 2;
            minimum = 0x80;
            code = byte & 0x1F;
        } else if ((byte & 0xF0) == 0xE0) {
            length = 3;
            minimum = 0x800;
            code = byte & 0x0F;
        } else if ((byte & 0xF8) == 0xF0) {
            length = 4;
            minimum = 0x10000;
            code = byte & 0x07;
        }
        bool valid = length != 0 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        valid = valid && code >= minimum && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (valid) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    out += '"';
}

void AppendStringOrNull(std::string& out, const char* text) {
    if (text == nullptr) {
        out += "null";
    } else {
        AppendString(out, text);
    }
}

void AppendKey(std::string& out, std::string_view key) {
    AppendString(out, key);
    out += ':';
}

const char* ShapeName(EntryKind kind) {
    switch (kind) {
    case EntryKind::Scalar:
        return "scalar";
    case EntryKind::Table:
        return "table";
    case EntryKind::Tabbed:
        return "tabbed";
    case EntryKind::HandMade:
        return "form";
    case EntryKind::Viewer:
        return "viewer";
    // The help file is opened like a device command is run: no page, no form of ours.
    case EntryKind::Command:
    case EntryKind::Help:
        return "command";
    case EntryKind::None:
        return "none";
    }
    return "none";
}

std::string HookName(const PageAdjustment& adjustment) {
    return adjustment.text != nullptr ? adjustment.text : "";
}

// An adjustment as the catalogue writes it inside a page's square brackets.
std::string AdjustmentText(const PageAdjustment& adjustment) {
    const std::string row = "row " + std::to_string(adjustment.row);
    const std::string value = std::to_string(adjustment.value);
    switch (adjustment.kind) {
    case AdjustmentKind::ValueWidth:
        return "value width " + value;
    case AdjustmentKind::EditWidth:
        return "edit width " + value;
    case AdjustmentKind::RowFormat:
        return row + " format \"" + HookName(adjustment) + "\"";
    case AdjustmentKind::RowBitList:
        return row + " bit list";
    case AdjustmentKind::NoEditButton:
        return "no Edit button";
    case AdjustmentKind::ReadOnlyList:
        return "read-only list";
    case AdjustmentKind::Synchronous:
        return "synchronous";
    case AdjustmentKind::V2cRequest:
        return "v2c request";
    case AdjustmentKind::Counter64Prompt:
        return "Counter64 prompt";
    case AdjustmentKind::SpinLock:
        return "spin lock";
    case AdjustmentKind::BeforeAddHook:
        return "before-add hook " + HookName(adjustment);
    case AdjustmentKind::AfterAddHook:
        return "after-add hook " + HookName(adjustment);
    case AdjustmentKind::CloseHook:
        return "close hook " + HookName(adjustment);
    case AdjustmentKind::FormHeight:
        return "form height " + value;
    case AdjustmentKind::FormWidthPlus:
        return "form width +" + value;
    case AdjustmentKind::ConfirmSet:
        return "confirm set \"" + HookName(adjustment) + "\"";
    }
    return {};
}

void AppendOptions(std::string& out, const QxOptionList* options) {
    if (options == nullptr) {
        out += "null";
        return;
    }
    out += '[';
    for (int i = 0; i < options->Count(); ++i) {
        const QxOptionList::OptionEntry& entry = options->Entry(i);
        if (i > 0) {
            out += ',';
        }
        out += '[';
        if (options->GetKind() == QxOptionList::olInteger) {
            out += std::to_string(entry.value);
        } else {
            AppendString(out, entry.text);
        }
        out += ',';
        AppendString(out, entry.label);
        out += ']';
    }
    out += ']';
}

// The descriptor rows up to the sentinel, the first row without an OID.
void AppendRows(std::string& out, const UISnmpVar* vars) {
    out += '[';
    for (const UISnmpVar* var = vars; var != nullptr && var->oid != nullptr; ++var) {
        if (var != vars) {
            out += ',';
        }
        out += '{';
        AppendKey(out, "oid");
        AppendString(out, var->oid);
        out += ',';
        AppendKey(out, "label");
        AppendStringOrNull(out, var->label);
        out += ',';
        AppendKey(out, "syntax");
        out += std::to_string(var->syntax);
        out += ',';
        AppendKey(out, "access");
        out += std::to_string(var->access);
        out += ',';
        AppendKey(out, "options");
        AppendOptions(out, var->options);
        out += '}';
    }
    out += ']';
}

// `extra` holds adjustments the catalogue writes in this page's brackets although they act on
// the whole form (the Counter64 prompt).
void AppendPage(std::string& out, const PageSpec& page, std::span<const PageAdjustment> extra) {
    out += '{';
    AppendKey(out, "title");
    AppendStringOrNull(out, page.tabTitle);
    out += ',';
    AppendKey(out, "kind");
    AppendString(out, page.table ? "table" : "scalar");
    out += ',';
    AppendKey(out, "indexCount");
    out += std::to_string(page.indexCount);
    out += ',';
    AppendKey(out, "status");
    if (page.statusColumn < 0) {
        out += "null";
    } else {
        out += '{';
        AppendKey(out, "column");
        out += std::to_string(page.statusColumn);
        out += ',';
        AppendKey(out, "create");
        AppendStringOrNull(out, page.createText);
        out += ',';
        AppendKey(out, "destroy");
        AppendStringOrNull(out, page.destroyText);
        out += '}';
    }
    out += ',';
    AppendKey(out, "adjustments");
    out += '[';
    bool first = true;
    const auto appendAdjustment = [&](const PageAdjustment& adjustment) {
        if (!first) {
            out += ',';
        }
        first = false;
        AppendString(out, AdjustmentText(adjustment));
    };
    for (const PageAdjustment& adjustment : page.adjustments) {
        appendAdjustment(adjustment);
    }
    for (const PageAdjustment& adjustment : extra) {
        if (adjustment.kind == AdjustmentKind::Counter64Prompt) {
            appendAdjustment(adjustment);
        }
    }
    out += ']';
    out += ',';
    AppendKey(out, "rows");
    AppendRows(out, page.vars);
    out += '}';
}

std::optional<int> FormValue(const PageDefinition& entry, AdjustmentKind kind) {
    std::optional<int> result;
    for (const PageAdjustment& adjustment : entry.formAdjustments) {
        if (adjustment.kind == kind) {
            result = adjustment.value; // the last one wins, as when they are applied in order
        }
    }
    return result;
}

void AppendNumberOrNull(std::string& out, std::optional<int> value) {
    out += value ? std::to_string(*value) : std::string("null");
}

void AppendEntry(std::string& out, const PageDefinition& entry) {
    out += '{';
    AppendKey(out, "menu");
    AppendStringOrNull(out, entry.topMenu);
    out += ',';
    AppendKey(out, "path");
    AppendStringOrNull(out, entry.menuPath);
    out += ',';
    AppendKey(out, "handler");
    AppendStringOrNull(out, entry.handler);
    out += ',';
    AppendKey(out, "caption");
    AppendStringOrNull(out, entry.captionPrefix);
    out += ',';
    AppendKey(out, "shape");
    AppendString(out, ShapeName(entry.kind));
    out += ',';
    AppendKey(out, "form");
    AppendStringOrNull(out, entry.kind == EntryKind::HandMade ? entry.target : nullptr);
    out += ',';
    AppendKey(out, "formHeight");
    AppendNumberOrNull(out, FormValue(entry, AdjustmentKind::FormHeight));
    out += ',';
    AppendKey(out, "formWidthPlus");
    AppendNumberOrNull(out, FormValue(entry, AdjustmentKind::FormWidthPlus));
    out += ',';
    AppendKey(out, "pages");
    out += '[';
    const bool generated = entry.kind == EntryKind::Scalar || entry.kind == EntryKind::Table ||
                           entry.kind == EntryKind::Tabbed;
    if (generated) {
        for (size_t i = 0; i < entry.pages.size(); ++i) {
            if (i > 0) {
                out += ',';
            }
            // Form-level adjustments written in a page's brackets go with the first page; the
            // catalogue uses them on single-page entries only.
            AppendPage(out, entry.pages[i],
                       i == 0 ? entry.formAdjustments : std::span<const PageAdjustment>{});
        }
    }
    out += ']';
    out += '}';
}

} // namespace

std::string CatalogueJson() {
    std::string out;
    out.reserve(1 << 20);
    out += '[';
    for (size_t i = 0; i < Catalogue.size(); ++i) {
        if (i > 0) {
            out += ",\n";
        }
        AppendEntry(out, Catalogue[i]);
    }
    out += "]\n";
    return out;
}
