#include "main_window/FrontPanelPicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>

#include <cmath>
#include <string_view>

namespace {

// Colours of the drawing.
const QColor FaceTop(0x3A, 0x3E, 0x44);
const QColor FaceBottom(0x26, 0x29, 0x2D);
const QColor EarColour(0x4A, 0x4E, 0x55);
const QColor HoleColour(0x10, 0x11, 0x13);
const QColor RimColour(0x5C, 0x61, 0x68);
const QColor TextColour(0xDD, 0xE1, 0xE5);
const QColor DimTextColour(0xA9, 0xAF, 0xB6);
const QColor MetalLight(0xC4, 0xC8, 0xCD);
const QColor MetalDark(0x86, 0x8B, 0x92);
const QColor MetalEdge(0x55, 0x5A, 0x60);
const QColor OpeningColour(0x08, 0x08, 0x09);
const QColor ContactColour(0xC9, 0xA2, 0x42);

constexpr int EarWidth = 18;

// The copper ports: two blocks of six columns by two rows, odd ports on top, under the LED
// rows of ports 1 to 12 and 13 to 24.
constexpr int JackWidth = 25;
constexpr int JackHeight = 21;
constexpr int JackPitch = 27;
constexpr int JackTopRow = 37;
constexpr int JackBottomRow = JackTopRow + JackHeight + 1;
constexpr int CopperBlockLeft[] = {430, 616};

// Combo ports: an RJ45 jack over an SFP cage, centred under their LED.
constexpr int ComboCentre[] = {806, 857};

// The two gigabit jacks beside their LEDs.
constexpr int GigabitJackLeft = 127;
constexpr int GigabitJackTop[] = {29, 63};

// The smoked strips that carry the port LEDs of ports 1 to 12 and 13 to 24.
const QRect LedStrips[] = {QRect(431, 3, 164, 14), QRect(617, 3, 167, 14)};

// A window around a single LED square reaches this far beyond it on every side.
constexpr int WindowMargin = 2;

enum class FontKind { Label, Number, Model, Caption };

struct Caption {
    int left, top, width, height;
    int align;
    FontKind font;
    const char* text;
};

constexpr int Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int Right = Qt::AlignRight | Qt::AlignVCenter;
constexpr int Centre = Qt::AlignCenter;

// Printed texts of the face: the system LEDs, the status-mode marks and the port groups.
constexpr Caption Captions[] = {
    {22, 6, 90, 13, Left, FontKind::Model, "KSW-524P"},
    {22, 19, 90, 9, Left, FontKind::Caption, "Managed PoE Switch"},
    {18, 35, 42, 9, Right, FontKind::Label, "Power"},
    {18, 51, 42, 9, Right, FontKind::Label, "Console"},
    {18, 68, 42, 9, Right, FontKind::Label, "RPS"},
    {154, 34, 20, 9, Left, FontKind::Number, "27"},
    {154, 68, 20, 9, Left, FontKind::Number, "28"},
    {104, 93, 70, 9, Centre, FontKind::Caption, "1000BASE-T"},
    {268, 36, 60, 9, Left, FontKind::Label, "Port Status"},
    {268, 53, 60, 9, Left, FontKind::Label, "Mode"},
    {268, 70, 60, 9, Left, FontKind::Label, "PoE Status"},
    {338, 30, 66, 9, Centre, FontKind::Label, "Console"},
    {338, 76, 66, 9, Centre, FontKind::Caption, "RS-232"},
    {430, 97, 350, 9, Centre, FontKind::Caption, "10/100BASE-TX  PoE"},
    {788, 97, 88, 9, Centre, FontKind::Caption, "Combo 1000BASE-T / SFP"},
};

QFont FontOf(FontKind kind) {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    switch (kind) {
    case FontKind::Label:
        font.setPixelSize(8);
        break;
    case FontKind::Number:
        font.setPixelSize(7);
        font.setBold(true);
        break;
    case FontKind::Model:
        font.setFamily(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        font.setBold(true);
        break;
    case FontKind::Caption:
        font.setPixelSize(7);
        break;
    }
    return font;
}

void DrawText(QPainter& painter, const QRectF& box, int align, FontKind kind, const QString& text,
              const QColor& colour = TextColour) {
    painter.setFont(FontOf(kind));
    painter.setPen(colour);
    painter.drawText(box, align, text);
}

// A lit-from-above metal surface.
QLinearGradient Metal(const QRectF& box) {
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, MetalLight);
    gradient.setColorAt(1, MetalDark);
    return gradient;
}

void DrawFace(QPainter& painter) {
    const QRectF all(0, 0, FrontPanelPictureWidth, FrontPanelPictureHeight);
    QLinearGradient face(all.topLeft(), all.bottomLeft());
    face.setColorAt(0, FaceTop);
    face.setColorAt(1, FaceBottom);
    painter.fillRect(all, face);
    // Edge highlight on top, shadow at the bottom.
    painter.fillRect(QRectF(0, 0, all.width(), 1), FaceTop.lighter(140));
    painter.fillRect(QRectF(0, all.height() - 1, all.width(), 1), FaceBottom.darker(160));
}

// The mounting ears at both ends with their two slotted holes each.
void DrawEars(QPainter& painter) {
    for (const int left : {0, FrontPanelPictureWidth - EarWidth}) {
        const QRectF ear(left, 0, EarWidth, FrontPanelPictureHeight);
        QLinearGradient shade(ear.topLeft(), ear.topRight());
        shade.setColorAt(0, EarColour.lighter(115));
        shade.setColorAt(1, EarColour.darker(110));
        painter.fillRect(ear, shade);
        const qreal seam = left == 0 ? ear.right() - 1 : ear.left();
        painter.fillRect(QRectF(seam, 0, 1, ear.height()), FaceBottom.darker(150));
        painter.setPen(Qt::NoPen);
        painter.setBrush(HoleColour);
        for (const qreal y : {16.0, 91.0})
            painter.drawRoundedRect(QRectF(left + 4, y, EarWidth - 8, 6), 3, 3);
    }
}

// A recessed window of smoked plastic with a thin rim; the LED squares sit inside it.
void DrawLedWindow(QPainter& painter, const QRect& window) {
    painter.fillRect(window.adjusted(-1, -1, 1, 1), RimColour);
    painter.fillRect(window, QColor::fromRgb(FrontPanelLedWindowRgb));
}

QRect WindowAround(const FrontPanelLedPlace& led) {
    return QRect(led.left - WindowMargin, led.top - WindowMargin, led.width + 2 * WindowMargin,
                 led.height + 2 * WindowMargin);
}

bool IsLinkShape(const FrontPanelLedPlace& led) {
    return std::string_view(led.name).starts_with("LinkShape_Port");
}

// An RJ45 jack: metal shield, the opening with its latch notch, and the eight contacts on
// the side opposite the latch. Jacks of the lower row are mirrored (latch down).
void DrawJack(QPainter& painter, const QRectF& box, bool latchUp) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Metal(box));
    painter.drawRoundedRect(box, 1.5, 1.5);
    painter.fillRect(box.adjusted(0, box.height() - 1, 0, 0), MetalEdge);

    const qreal w = box.width();
    const qreal h = box.height();
    const qreal notchHeight = 3;
    const QRectF mouth(box.left() + 3, box.top() + 3 + (latchUp ? notchHeight : 0), w - 6,
                       h - 6 - notchHeight);
    const QRectF notch(box.left() + w * 0.32, latchUp ? box.top() + 3 : mouth.bottom(), w * 0.36,
                       notchHeight);
    painter.fillRect(mouth, OpeningColour);
    painter.fillRect(notch, OpeningColour);

    painter.setPen(QPen(ContactColour, 0.8));
    const qreal contactTop = latchUp ? mouth.bottom() - 4 : mouth.top() + 0.5;
    for (int i = 0; i < 8; ++i) {
        const qreal x = mouth.left() + 2.5 + i * (mouth.width() - 5) / 7;
        painter.drawLine(QPointF(x, contactTop), QPointF(x, contactTop + 3.5));
    }
}

// An SFP cage: a metal frame around a dark slot with the guide rail in the middle.
void DrawSfpCage(QPainter& painter, const QRectF& box) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Metal(box));
    painter.drawRoundedRect(box, 1, 1);
    const QRectF slot = box.adjusted(2.5, 3, -2.5, -2.5);
    painter.fillRect(slot, OpeningColour);
    painter.fillRect(QRectF(slot.left() + 2, slot.center().y() - 0.5, slot.width() - 4, 1),
                     MetalDark.darker(160));
    painter.fillRect(QRectF(box.left() + 2.5, box.top() + 1, box.width() - 5, 1), MetalLight);
}

void DrawCopperPorts(QPainter& painter) {
    for (int block = 0; block < 2; ++block) {
        const int left = CopperBlockLeft[block];
        const QRectF housing(left - 2, JackTopRow - 2, 6 * JackPitch - JackPitch + JackWidth + 4,
                             2 * JackHeight + 1 + 4);
        painter.fillRect(housing, MetalEdge.darker(130));
        for (int column = 0; column < 6; ++column) {
            const int x = left + column * JackPitch;
            const int upper = block * 12 + 2 * column + 1;
            DrawJack(painter, QRectF(x, JackTopRow, JackWidth, JackHeight), true);
            DrawJack(painter, QRectF(x, JackBottomRow, JackWidth, JackHeight), false);
            DrawText(painter, QRectF(x, JackTopRow - 11, JackWidth, 8), Centre, FontKind::Number,
                     QString::number(upper));
            DrawText(painter, QRectF(x, JackBottomRow + JackHeight + 3, JackWidth, 8), Centre,
                     FontKind::Number, QString::number(upper + 1));
        }
    }
}

void DrawComboPorts(QPainter& painter) {
    for (int i = 0; i < 2; ++i) {
        const qreal left = ComboCentre[i] - JackWidth / 2.0;
        painter.fillRect(QRectF(left - 2, JackTopRow - 2, JackWidth + 4, JackHeight + 4),
                         MetalEdge.darker(130));
        DrawJack(painter, QRectF(left, JackTopRow, JackWidth, JackHeight), true);
        DrawSfpCage(painter, QRectF(left, JackBottomRow + 3, JackWidth, 17));
        DrawText(painter, QRectF(left, JackTopRow - 11, JackWidth, 8), Centre, FontKind::Number,
                 QString::number(25 + i));
    }
}

void DrawGigabitPorts(QPainter& painter) {
    for (const int top : GigabitJackTop) {
        const QRectF jack(GigabitJackLeft, top, JackWidth, JackHeight);
        painter.fillRect(jack.adjusted(-2, -2, 2, 2), MetalEdge.darker(130));
        DrawJack(painter, jack, true);
    }
}

// The serial console: a nine-pin D connector between its two screw posts.
void DrawConsolePort(QPainter& painter) {
    const QPointF centre(371, 60);
    painter.setPen(Qt::NoPen);
    for (const qreal dx : {-24.0, 24.0}) {
        const QRectF post(centre.x() + dx - 4, centre.y() - 4, 8, 8);
        painter.setBrush(Metal(post));
        painter.drawEllipse(post);
        painter.setBrush(OpeningColour);
        painter.drawEllipse(post.adjusted(2.5, 2.5, -2.5, -2.5));
    }
    const auto shell = [&](qreal halfTop, qreal halfBottom, qreal halfHeight) {
        QPainterPath path;
        path.addPolygon(QPolygonF({QPointF(centre.x() - halfTop, centre.y() - halfHeight),
                                   QPointF(centre.x() + halfTop, centre.y() - halfHeight),
                                   QPointF(centre.x() + halfBottom, centre.y() + halfHeight),
                                   QPointF(centre.x() - halfBottom, centre.y() + halfHeight)}));
        path.closeSubpath();
        return path;
    };
    const QPainterPath outer = shell(17, 14, 9);
    painter.setBrush(Metal(outer.boundingRect()));
    painter.drawPath(outer);
    painter.setBrush(OpeningColour);
    painter.drawPath(shell(14, 11.5, 6.5));
    painter.setBrush(ContactColour.darker(110));
    for (int i = 0; i < 5; ++i)
        painter.drawEllipse(QPointF(centre.x() - 8 + 4 * i, centre.y() - 2.5), 1, 1);
    for (int i = 0; i < 4; ++i)
        painter.drawEllipse(QPointF(centre.x() - 6 + 4 * i, centre.y() + 2.5), 1, 1);
}

// The push button that switches the port LEDs between port status and PoE status.
void DrawModeButton(QPainter& painter) {
    const QRectF button(254, 53, 9, 9);
    painter.setPen(QPen(MetalEdge.darker(150), 0.8));
    QRadialGradient cap(button.center() - QPointF(1.5, 1.5), 6);
    cap.setColorAt(0, MetalLight);
    cap.setColorAt(1, MetalDark.darker(120));
    painter.setBrush(cap);
    painter.drawEllipse(button);
}

void DrawLedWindows(QPainter& painter) {
    for (const QRect& strip : LedStrips)
        DrawLedWindow(painter, strip);
    for (const FrontPanelLedPlace& led : FrontPanelLeds) {
        if (!IsLinkShape(led))
            DrawLedWindow(painter, WindowAround(led));
    }
}

// The number of each port LED under its strip, between the place of its link square and that
// of its square in the port-status row, which lie a few pixels apart.
void DrawLedNumbers(QPainter& painter) {
    constexpr int RowPitch = 13;
    constexpr int RowSquare = 6;
    int port = 0;
    for (const FrontPanelLedPlace& led : FrontPanelLeds) {
        if (!IsLinkShape(led))
            continue;
        const FrontPanelLedPlace& row = FrontPanelLedRows[port / 12];
        const qreal rowCentre = row.left + (port % 12) * RowPitch + RowSquare / 2.0;
        const qreal linkCentre = led.left + led.width / 2.0;
        const qreal centre = (rowCentre + linkCentre) / 2;
        ++port;
        DrawText(painter, QRectF(centre - 8, 18, 16, 8), Centre, FontKind::Caption,
                 QString::number(port), DimTextColour);
    }
    for (int i = 0; i < 2; ++i)
        DrawText(painter, QRectF(ComboCentre[i] - 8, 18, 16, 8), Centre, FontKind::Caption,
                 QString::number(25 + i), DimTextColour);
}

} // namespace

void PaintFrontPanelPicture(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawFace(painter);
    DrawEars(painter);
    DrawCopperPorts(painter);
    DrawComboPorts(painter);
    DrawGigabitPorts(painter);
    DrawConsolePort(painter);
    DrawModeButton(painter);
    DrawLedWindows(painter);
    DrawLedNumbers(painter);
    for (const Caption& c : Captions) {
        DrawText(painter, QRectF(c.left, c.top, c.width, c.height), c.align, c.font,
                 QString::fromLatin1(c.text),
                 c.font == FontKind::Caption ? DimTextColour : TextColour);
    }
    painter.restore();
}

QImage RenderFrontPanelPicture(qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image(static_cast<int>(std::ceil(FrontPanelPictureWidth * ratio)),
                 static_cast<int>(std::ceil(FrontPanelPictureHeight * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter painter(&image);
    PaintFrontPanelPicture(painter);
    return image;
}
