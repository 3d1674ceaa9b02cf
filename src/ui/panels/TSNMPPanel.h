#pragma once

#include "ui/toolkit/TPanel.h"

#include <QPointer>

class QxSNMPRequest2Edits;
class TControl;
class TCtrlBtnPanel;
class TForm;
class TMsgPanel;
class TSplitter;

// The frame of every generated page and of the add and edit dialogs of list pages: the content
// on the left, a splitter, the button column on the right and the result area below the
// content. The panel wires Refresh and Close, sizes itself around its content and fits its form
// around itself. The binding is not owned: the page form frees it.
class TSNMPPanel : public TPanel {
public:
    // Without a shared message panel the page gets a result area of its own; with one, the
    // binding reports into the shared panel's memo and the page has none.
    TSNMPPanel(QWidget* owner, TMsgPanel* sharedMsgPanel, QxSNMPRequest2Edits* binding);

    // Shows the control in the client area (hiding the previous content) and takes the size
    // of content, splitter and button column.
    void SetContent(TControl* control);
    // Remembers the form, grows its client area to the panel (at most 800 x 550; the rows
    // scroll beyond that) and lets the panel fill it.
    void FitForm(TForm* form);

    // Reads the variables from the device; an error goes to the result area.
    void RefreshAction();
    // Closes the remembered form.
    void CloseAction();

    QxSNMPRequest2Edits* Binding() const { return binding_; }
    TCtrlBtnPanel* ButtonPanel() const { return buttonPanel_; }
    TPanel* ClientPanel() const { return clientPanel_; }
    // None when the page reports into a shared result area.
    TMsgPanel* MsgPanel() const { return msgPanel_; }
    TForm* Form() const { return form_; }
    TControl* Content() const { return content_; }
    TSplitter* Splitter() const { return splitter_; }

    static constexpr int MaxClientWidth = 800;
    static constexpr int MaxClientHeight = 550;

private:
    QxSNMPRequest2Edits* binding_ = nullptr;
    TCtrlBtnPanel* buttonPanel_ = nullptr;
    TPanel* clientPanel_ = nullptr;
    TMsgPanel* msgPanel_ = nullptr;
    QPointer<TForm> form_;
    TControl* content_ = nullptr;
    TSplitter* splitter_ = nullptr;
};
