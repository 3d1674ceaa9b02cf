#include "forms/other/TAboutForm.h"

#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TImage.h"
#include "ui/toolkit/TLabel.h"

#include <QFont>
#include <QPainter>

namespace {

// The box's picture, drawn rather than loaded so that the about box needs no file: the front
// of a small switch with two rows of ports and their lit link lights.
class TSwitchPicture : public TImage {
public:
    explicit TSwitchPicture(QWidget* parent) : TImage(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF body(2, height() / 2.0 - 14, width() - 4, 28);
        painter.setPen(QPen(QColor(40, 40, 48), 1));
        painter.setBrush(QColor(70, 78, 92));
        painter.drawRoundedRect(body, 3, 3);
        constexpr int Ports = 6;
        const double pitch = (body.width() - 8) / Ports;
        for (int row = 0; row < 2; ++row) {
            for (int i = 0; i < Ports; ++i) {
                const double left = body.left() + 5 + i * pitch;
                const double top = body.top() + 4 + row * 11;
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(20, 20, 24));
                painter.drawRect(QRectF(left, top, pitch - 3, 8));
                painter.setBrush((i + row) % 3 == 2 ? QColor(230, 160, 20) : QColor(40, 200, 70));
                painter.drawRect(QRectF(left + 1, top + 1, 3, 2));
            }
        }
    }
};

TLabel* MakeLabel(QWidget* parent, const char* name, const std::string& caption, int top,
                  bool bold = false) {
    auto* label = new TLabel(parent);
    label->SetName(name);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    label->SetCaption(caption);
    label->SetLeft(72);
    label->SetTop(top);
    return label;
}

} // namespace

TAboutForm::TAboutForm(QWidget* owner) : TForm(owner) {
    SetName("AboutForm");
    SetCaption("About KSW-524P Management Module");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu);
    SetPosition(poMainFormCenter);
    SetClientWidth(354);
    SetClientHeight(105);

    Image1 = new TSwitchPicture(this);
    Image1->SetName("Image1");
    Image1->SetBounds(8, 12, 56, 48);

    ProductName = MakeLabel(this, "ProductName", "Velsyn KSW-524P Management Module", 12, true);
    Version = MakeLabel(this, "Version", "Version 4.50V10", 32);
    Copyright = MakeLabel(this, "Copyright", "Copyright (C) Velsyn. All rights reserved.", 50);

    OKButton = new TButton(this);
    OKButton->SetName("OKButton");
    OKButton->SetCaption("OK");
    OKButton->SetBounds(139, 74, 75, 25);
    OKButton->SetModalResult(mrOk);
    OKButton->SetDefault(true);
    OKButton->SetCancel(true);
}

TAboutForm::~TAboutForm() = default;
