#pragma once

#include "ui/toolkit/TControl.h"

#include <QPixmap>
#include <QWidget>

#include <string>

// A picture, drawn at its own size from the top-left corner, stretched to the control, or
// centred.
class TImage : public TControlT<QWidget> {
public:
    explicit TImage(QWidget* parent);

    // Loads a picture file (or a ":/" resource); false, and the picture unchanged, when the
    // file is missing or not a picture.
    bool LoadFromFile(const std::string& path);
    bool HasPicture() const { return !picture_.isNull(); }
    int PictureWidth() const { return picture_.width(); }
    int PictureHeight() const { return picture_.height(); }
    void Clear();

    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);
    bool Center() const { return center_; }
    void SetCenter(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
    bool center_ = false;
};
