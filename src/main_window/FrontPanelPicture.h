#pragma once

#include <QColor>
#include <QImage>

#include <array>

class QPainter;

// The picture of the switch's front panel under the LED squares of the main window, drawn in
// code so that it stays sharp at any device pixel ratio, and the places of the LED squares
// that sit on it.

// One LED square (or LED panel) of the front panel: its control name and its bounds in the
// picture's logical pixels.
struct FrontPanelLedPlace {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int FrontPanelPictureWidth = 919;
inline constexpr int FrontPanelPictureHeight = 113;

// The squares that show one LED each: the system LEDs, the two marks of the status-mode
// indicator, the link squares of ports 1 to 24 and the LEDs of the gigabit and combo ports.
// The 7x7 panels receive their LED square inside their bounds. No two of them overlap.
inline constexpr auto FrontPanelLeds = std::to_array<FrontPanelLedPlace>({
    {"PowerLedPanel", 66, 36, 7, 7},    {"ConsoleLedPanel", 66, 52, 7, 7},
    {"RPSPanel", 66, 69, 7, 7},         {"GEPanel1", 114, 36, 7, 7},
    {"GEPanel2", 114, 70, 7, 7},        {"PortStatusLed", 255, 37, 7, 7},
    {"POEStatusLed", 254, 71, 7, 7},    {"LinkShape_Port1", 438, 6, 7, 7},
    {"LinkShape_Port2", 451, 6, 7, 7},  {"LinkShape_Port3", 465, 6, 7, 7},
    {"LinkShape_Port4", 478, 6, 7, 7},  {"LinkShape_Port5", 492, 6, 7, 7},
    {"LinkShape_Port6", 505, 6, 7, 7},  {"LinkShape_Port7", 519, 6, 7, 7},
    {"LinkShape_Port8", 532, 6, 7, 7},  {"LinkShape_Port9", 545, 6, 7, 7},
    {"LinkShape_Port10", 559, 6, 7, 7}, {"LinkShape_Port11", 573, 6, 7, 7},
    {"LinkShape_Port12", 585, 6, 7, 7}, {"LinkShape_Port13", 622, 6, 7, 7},
    {"LinkShape_Port14", 634, 6, 7, 7}, {"LinkShape_Port15", 649, 6, 7, 7},
    {"LinkShape_Port16", 662, 6, 7, 7}, {"LinkShape_Port17", 675, 6, 7, 7},
    {"LinkShape_Port18", 689, 6, 7, 7}, {"LinkShape_Port19", 702, 6, 7, 7},
    {"LinkShape_Port20", 716, 6, 7, 7}, {"LinkShape_Port21", 730, 6, 7, 7},
    {"LinkShape_Port22", 742, 6, 7, 7}, {"LinkShape_Port23", 755, 6, 7, 7},
    {"LinkShape_Port24", 769, 6, 7, 7}, {"Combo1Panel", 802, 6, 7, 7},
    {"Combo2Panel", 853, 6, 7, 7},
});

// The two rows that carry the port LEDs of ports 1 to 12 and 13 to 24 in port-status mode.
// They lie over the link squares of their ports and hold twelve 6x6 squares each, 13 pixels
// apart from their left edge, one pixel below their top.
inline constexpr auto FrontPanelLedRows = std::to_array<FrontPanelLedPlace>({
    {"LedPanel1", 434, 6, 158, 7},
    {"LedPanel2", 620, 6, 161, 7},
});

// The colour of the smoked LED windows under every square and row above: panels that carry
// LED squares look seamless when they take this colour.
inline constexpr QRgb FrontPanelLedWindowRgb = 0xFF0C0D0F;

// Paints the picture in the painter's logical coordinates, filling (0, 0) to
// (FrontPanelPictureWidth, FrontPanelPictureHeight). The painter's state is restored afterwards.
void PaintFrontPanelPicture(QPainter& painter);

// The picture as an image for the given device pixel ratio: device size is the logical size
// times the ratio (rounded up), and the image carries the ratio so that it draws at 919x113.
QImage RenderFrontPanelPicture(qreal devicePixelRatio);
