#include "ui/toolkit/TColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// The palette role that stands for each system colour number; -1 where the palette has no
// role of its own and a fixed grey serves.
QPalette::ColorRole RoleOfSystemColor(int number) {
    switch (number) {
    case 0:
        return QPalette::Mid; // scroll bar
    case 1:
        return QPalette::Dark; // desktop
    case 2:
        return QPalette::Highlight; // active caption
    case 3:
        return QPalette::Mid; // inactive caption
    case 4:
        return QPalette::Window; // menu
    case 5:
        return QPalette::Base; // window
    case 6:
        return QPalette::Shadow; // window frame
    case 7:
        return QPalette::WindowText; // menu text
    case 8:
        return QPalette::Text; // window text
    case 9:
        return QPalette::HighlightedText; // caption text
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button; // button face
    case 16:
        return QPalette::Dark; // button shadow
    case 17:
        return QPalette::PlaceholderText; // grey text
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light; // button highlight
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::NoRole;
    }
}

} // namespace

QColor ColorToQColor(TColor color) {
    if (color == clNone) {
        return QColor(Qt::transparent);
    }
    if (color == clDefault) {
        return QColor();
    }
    const auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0xFF000000u) == 0xFF000000u) {
        const QPalette::ColorRole role = RoleOfSystemColor(static_cast<int>(bits & 0xFFu));
        if (role == QPalette::NoRole) {
            return QColor(0x80, 0x80, 0x80);
        }
        return QGuiApplication::palette().color(QPalette::Active, role);
    }
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

TColor QColorToColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<TColor>(static_cast<std::uint32_t>(rgb.red()) |
                               (static_cast<std::uint32_t>(rgb.green()) << 8) |
                               (static_cast<std::uint32_t>(rgb.blue()) << 16));
}
