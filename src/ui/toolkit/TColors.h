#pragma once

#include <QColor>

#include <cstdint>

// A colour in the program's colour format: 0x00BBGGRR for a plain colour (blue in the high
// octet, red in the low one), or a system colour (high octet 0xFF, low octet the system
// colour's number) that follows the application palette. clNone and clDefault are markers,
// not colours.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
// The orange of the front-panel LEDs.
constexpr TColor clLedOrange = 0x4080FF;

// System colours: 0xFF000000 plus the system colour number.
constexpr TColor SystemColor(int number) {
    return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(number));
}
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The QColor of a program colour. System colours are looked up in the application palette;
// clNone gives a transparent colour, clDefault an invalid one (the widget keeps its own).
QColor ColorToQColor(TColor color);

// The program colour (0x00BBGGRR) of an opaque QColor; the alpha channel is dropped.
TColor QColorToColor(const QColor& color);

// Background of an entry field: editable fields in the window colour, greyed (read-only or
// disabled) fields in the menu colour.
constexpr TColor FieldColor(bool editable) {
    return editable ? clWindow : clMenu;
}
