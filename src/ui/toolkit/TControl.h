#pragma once

#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TColors.h"

#include <QFocusEvent>
#include <QPalette>
#include <QPointer>
#include <QResizeEvent>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using TNotifyEvent = std::function<void()>;

// Docking of a control inside its parent. Docked controls are placed in the order alTop,
// alBottom, alLeft, alRight, alClient; within one side, the control docked first stays
// outermost. A control that is hidden takes no room.
enum TAlign : int { alNone, alTop, alBottom, alLeft, alRight, alClient };

// What every control of the toolkit adds to its Qt widget: a Tag, pixel geometry relative to
// the parent's client area, docking, colours, hints, and handlers that other objects may take
// over.
//
// Handlers and the veto rule:
// - Handlers are plain callables in public fields (OnClick, OnChange, OnExit, ...). An object
//   that takes an event over saves the field, installs its own and puts the saved one back
//   when it lets go. ChainHandler does the common case.
// - A chained handler runs the handler it replaced first. If that left the control's Tag at
//   -1, the handler has vetoed: the rest of the chain does nothing. Handlers that chain in
//   another order use CallVetoable for the same test.
// - A veto lasts for one event: when the control has delivered an event and finds Tag at -1,
//   it puts back the Tag the control had before the event. A Tag of -1 set outside an event
//   stays.
// - An exception escaping a handler ends that handler; the toolkit shows its text in the
//   application's error box (TApplication::ShowException) and the program goes on.
//
// Which changes fire events: the OnChange of an edit or memo fires on every change of its
// text, by the user or by the program. Clicks, combo-box changes, page changes and the like
// fire only for what the user does (or for an explicit Click()); setting Checked, ItemIndex,
// Text or ActivePage from code fires nothing. A list view's OnSelectItem fires for every
// selection change. OnEnter and OnExit fire when the focus moves between controls of a window,
// not when another window takes it.
class TControl {
public:
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    virtual QWidget* Widget() = 0;
    virtual const QWidget* Widget() const = 0;

    std::string Name() const;
    void SetName(const std::string& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Position and size in pixels; positions are relative to the parent's client area.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetBounds(int left, int top, int width, int height);
    // The inner area children are placed in.
    virtual int ClientWidth() const;
    virtual int ClientHeight() const;

    // Visible unless hidden explicitly; a visible control on a hidden parent shows with it.
    bool Visible() const;
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const;
    void SetEnabled(bool enabled);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    std::string Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);

    // A control that is not a tab stop is skipped by Tab but still takes the focus on a click.
    bool TabStop() const;
    void SetTabStop(bool tabStop);
    // Moves the focus here. Called from this control's own OnExit (to keep the user in a field
    // that was refused), the control that had just received the focus gets no OnExit for it.
    void SetFocus();
    bool Focused() const;

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);

    // The parent control (a form, not its inner client area); none for a top-level window.
    QWidget* Parent() const;
    // Moves the control into another parent's client area; a visible control stays visible.
    // Without a parent the control is not shown anywhere.
    void SetParent(QWidget* parent);
    void BringToFront();
    void SendToBack();

    // Places the docked children again.
    virtual void Realign();
    // The widget that holds this control's children.
    virtual QWidget* ChildArea() { return Widget(); }

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // Installs `own` in `slot` (one of this control's handler fields) behind the handler that
    // is there now; returns that previous handler, for putting back later. The new handler
    // calls the previous one first and skips `own` when it vetoed.
    template <class... A>
    std::function<void(A...)> ChainHandler(std::function<void(A...)>& slot,
                                           std::function<void(A...)> own) {
        std::function<void(A...)> previous = slot;
        slot = [this, previous, own = std::move(own)](A... args) {
            if (previous) {
                previous(args...);
                if (tag_ == -1) {
                    return;
                }
            }
            if (own) {
                own(args...);
            }
        };
        return previous;
    }

    // Calls a saved handler (if any); false when it vetoed by setting Tag to -1.
    template <class... A, class... P>
    bool CallVetoable(const std::function<void(A...)>& handler, P&&... args) {
        if (handler) {
            handler(std::forward<P>(args)...);
        }
        return tag_ != -1;
    }

    // Delivers an event to a handler with the veto and exception rules above. Public so that
    // helpers delivering on a control's behalf (and tests) use the same path.
    template <class... A, class... P>
    void Fire(const std::function<void(A...)>& handler, P&&... args) {
        if (!handler) {
            return;
        }
        const int saved = tag_;
        QPointer<QWidget> alive(Widget());
        // A copy runs, so that the handler may replace or clear its own field.
        const std::function<void(A...)> call = handler;
        CallGuarded([&] { call(std::forward<P>(args)...); });
        if (alive && tag_ == -1) {
            tag_ = saved;
        }
    }

protected:
    TControl(TColor color, TColor fontColor) : color_(color), fontColor_(fontColor) {}

    // Hooks for the widget template below.
    void HandleFocusIn(Qt::FocusReason reason);
    void HandleFocusOut(Qt::FocusReason reason);
    // The palette roles that Color and FontColor paint.
    virtual QPalette::ColorRole BackRole() const { return QPalette::Window; }
    virtual QPalette::ColorRole FrontRole() const { return QPalette::WindowText; }
    virtual void ApplyColors();
    bool HasOwnColor() const { return colorSet_; }
    bool HasOwnFontColor() const { return fontColorSet_; }
    // Places the parent's docked controls again after this one changed.
    void RealignParent();
    // Connections from Qt signals to this control's handlers; cut before the widget goes.
    void Track(const QMetaObject::Connection& connection) { connections_.push_back(connection); }
    void DropConnections();
    // Forms are windows: shown and hidden as such, and placed by SetWindowGeometry.
    void MarkAsForm() { isForm_ = true; }
    virtual void SetWindowGeometry(const QRect& frame);

private:
    int tag_ = 0;
    TAlign align_ = alNone;
    std::uint64_t alignOrder_ = 0;
    bool aligning_ = false;
    TColor color_;
    TColor fontColor_;
    bool colorSet_ = false;
    bool fontColorSet_ = false;
    std::string hint_;
    bool showHint_ = false;
    bool isForm_ = false;
    bool hiddenWhileOrphan_ = false;
    std::vector<QMetaObject::Connection> connections_;

    friend void AlignControlsIn(QWidget* area, const QRect& rect);
};

// The inner widget that holds the children of a form or scroll box.
class TClientArea : public QWidget {
public:
    TClientArea(QWidget* parent, TControl* owner) : QWidget(parent), owner_(owner) {}
    TControl* Owner() const { return owner_; }

private:
    TControl* owner_;
};

// The widget that children given `parent` are created in: the client area of a form or
// scroll box, the widget itself otherwise.
QWidget* ContainerOf(QWidget* parent);
// The toolkit control a widget is, or the form/scroll box whose client area it is; none.
TControl* ControlOf(QWidget* widget);
// Places the docked toolkit controls among the children of `area` inside `rect`.
void AlignControlsIn(QWidget* area, const QRect& rect);

// A Qt widget with the toolkit's additions. Every control class derives from one of these.
template <class W> class TControlT : public W, public TControl {
public:
    explicit TControlT(QWidget* parent, TColor color = clBtnFace, TColor fontColor = clWindowText)
        : W(ContainerOf(parent)), TControl(color, fontColor) {
        // Controls are visible by default; a child created on a shown parent appears at once.
        if (!this->isWindow() && this->parentWidget() != nullptr) {
            this->setVisible(true);
        }
    }
    // Signals that Qt emits while it tears the widget down must not reach handlers whose
    // owners are gone.
    ~TControlT() override { DropConnections(); }

    QWidget* Widget() override { return this; }
    const QWidget* Widget() const override { return this; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        W::resizeEvent(event);
        Realign();
    }
    void focusInEvent(QFocusEvent* event) override {
        W::focusInEvent(event);
        HandleFocusIn(event->reason());
    }
    void focusOutEvent(QFocusEvent* event) override {
        W::focusOutEvent(event);
        HandleFocusOut(event->reason());
    }
};

// The first control named `name` below `root` that is a T; none if there is none.
QObject* FindComponent(QObject* root, const std::string& name);
template <class T> T* FindControl(QObject* root, const std::string& name) {
    return dynamic_cast<T*>(FindComponent(root, name));
}
