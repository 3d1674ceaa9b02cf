#include "ui/toolkit/TButton.h"

#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TMnemonics.h"
#include "ui/toolkit/TText.h"

#include <QBitmap>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <algorithm>

namespace {

constexpr int DefaultWidth = 75;
constexpr int DefaultHeight = 25;

} // namespace

TButton::TButton(QWidget* parent) : TControlT<QPushButton>(parent) {
    // Only the form's Default button answers Enter.
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    resize(DefaultWidth, std::max(DefaultHeight, sizeHint().height()));
    Track(connect(this, &QPushButton::clicked, this, [this] { Click(); }));
}

std::string TButton::Caption() const {
    return ToStdString(TMnemonics::PlainText(this));
}

void TButton::SetCaption(const std::string& caption) {
    TMnemonics::SetText(this, ToQString(caption));
}

void TButton::Click() {
    // The button's result is the form's result before OnClick runs, so that the handler can
    // still change it (mrNone keeps the form open); the form closes after the handler.
    QPointer<TForm> form(modalResult_ != mrNone ? ParentForm(this) : nullptr);
    if (form != nullptr) {
        form->modalResult_ = modalResult_;
    }
    Fire(OnClick);
    if (form != nullptr && form->Modal() && form->ModalResult() != mrNone) {
        form->SetModalResult(form->ModalResult());
    }
}

TBitBtn::TBitBtn(QWidget* parent) : TButton(parent) {}

bool TBitBtn::LoadGlyph(const std::string& path) {
    QImage image;
    if (!image.load(ToQString(path)) || image.isNull()) {
        return false;
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    const QColor transparent = image.pixelColor(0, image.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(transparent, Qt::MaskInColor));
    setIcon(QIcon(pixmap));
    setIconSize(pixmap.size());
    hasGlyph_ = true;
    return true;
}

void TBitBtn::ClearGlyph() {
    setIcon(QIcon());
    hasGlyph_ = false;
}
