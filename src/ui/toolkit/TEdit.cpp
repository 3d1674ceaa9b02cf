#include "ui/toolkit/TEdit.h"

#include "ui/toolkit/TText.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QValidator>

#include <algorithm>

namespace {
constexpr int WholeValueLength = 1 << 20;
} // namespace

// Refuses user edits that make the text longer than the limit; shortening a text that is
// already too long stays possible. Texts the program sets are not checked by Qt's validators.
class TEdit::LengthLimit : public QValidator {
public:
    LengthLimit(TEdit* edit) : QValidator(edit), edit_(edit) {}

    State validate(QString& input, int&) const override {
        const int limit = edit_->maxLength_;
        if (limit > 0 && input.size() > limit && input.size() > edit_->lengthBefore_) {
            // One character typed at the limit is just not taken. A paste or drop that does
            // not fit is refused whole, and the field's owner is told so that it can say why:
            // the user would otherwise not notice that nothing went in.
            if (input.size() - edit_->lengthBefore_ > 1 && edit_->OnTooLong &&
                !edit_->tooLongPosted_) {
                edit_->tooLongPosted_ = true;
                const int length = static_cast<int>(input.size());
                QPointer<TEdit> edit(edit_);
                QMetaObject::invokeMethod(
                    edit_,
                    [edit, length] {
                        if (edit == nullptr) {
                            return;
                        }
                        edit->tooLongPosted_ = false;
                        if (edit->OnTooLong) {
                            edit->OnTooLong(length);
                        }
                    },
                    Qt::QueuedConnection);
            }
            return Invalid;
        }
        return Acceptable;
    }

private:
    TEdit* edit_;
};

TEdit::TEdit(QWidget* parent) : TControlT<QLineEdit>(parent, clWindow, clWindowText) {
    limit_ = new LengthLimit(this);
    setValidator(limit_);
    // Qt's own limit (32767 characters) would cut a longer value silently, also one the program
    // sets. An OCTET STRING holds up to 65535 octets; texts beyond that are refused with a
    // message when they are written, never cut here.
    QLineEdit::setMaxLength(WholeValueLength);
    resize(121, std::max(21, sizeHint().height()));
    Track(connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        lengthBefore_ = static_cast<int>(text.size());
        Fire(OnChange);
    }));
}

TEdit::~TEdit() {
    setValidator(nullptr);
}

std::string TEdit::Text() const {
    return ToStdString(text());
}

void TEdit::SetText(const std::string& text) {
    setText(ToQString(text));
}

void TEdit::SetMaxLength(int length) {
    maxLength_ = std::max(0, length);
}

void TEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (OnKeyPress && !typed.isEmpty()) {
        char32_t key = typed.toUcs4().value(0);
        Fire(OnKeyPress, key);
        if (key == 0) {
            event->accept();
            return;
        }
        if (key != typed.toUcs4().value(0)) {
            if (!isReadOnly()) {
                insert(QString::fromUcs4(&key, 1));
            }
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Fire(OnClick);
    }
}
