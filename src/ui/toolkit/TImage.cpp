#include "ui/toolkit/TImage.h"

#include "ui/toolkit/TText.h"

#include <QPainter>

TImage::TImage(QWidget* parent) : TControlT<QWidget>(parent) {
    resize(105, 105);
}

bool TImage::LoadFromFile(const std::string& path) {
    QPixmap loaded;
    if (!loaded.load(ToQString(path)) || loaded.isNull()) {
        return false;
    }
    picture_ = loaded;
    update();
    return true;
}

void TImage::Clear() {
    picture_ = QPixmap();
    update();
}

void TImage::SetStretch(bool on) {
    stretch_ = on;
    update();
}

void TImage::SetCenter(bool on) {
    center_ = on;
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    if (stretch_) {
        painter.drawPixmap(rect(), picture_);
    } else if (center_) {
        painter.drawPixmap((width() - picture_.width()) / 2, (height() - picture_.height()) / 2,
                           picture_);
    } else {
        painter.drawPixmap(0, 0, picture_);
    }
}
