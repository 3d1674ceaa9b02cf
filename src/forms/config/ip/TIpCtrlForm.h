#pragma once

#include "forms/config/ip/QxIpInterfaceChecks.h"
#include "ui/toolkit/TForm.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QxSNMPRequest2Edits;
class TButton;
class TIPCtrlEdtForm;
class TListItem;
class TListView;
class TPanel;
class TStatusBar;

// The list of the switch's IP interfaces ("IP Control Table"), read by walking the device's
// IP interface table. Add and Edit open the edit window, Delete removes the selected
// interface. Interfaces are checked before they are added or deleted (one network per
// interface, unique names, at most a primary and a secondary interface per VLAN, the "System"
// interface stays); a write goes out only after every check passed, and its outcome, like
// that of every read, is reported in the status bar.
class TIpCtrlForm : public TForm {
public:
    // Positions of the interface table's variables; variable i is also column i of the list.
    enum Var : int {
        VarAddress,
        VarIfIndex,
        VarName,
        VarMask,
        VarVlan,
        VarMode,
        VarSecondary,
        VarState,
        VarOper,
        VarArp,
        VarCount
    };

    // Starts reading the table at once; the rows arrive while the window is shown.
    TIpCtrlForm(QWidget* owner, const std::string& deviceAddress);
    // Stops a request still running and waits for it before the binding goes.
    ~TIpCtrlForm() override;

    void btnRefreshClick();
    void btnAddClick();
    void btnEditClick();
    void btnDelClick();
    void btnStopClick();

    // The interfaces as the list shows them, in list order.
    std::vector<QxIpInterfaceChecks::Row> Rows() const;
    // Makes sure that the list holds every interface of the device and that no request runs,
    // reading the table again when the last read was stopped or failed. False, after telling
    // the user why in a box owned by `messageOwner`, when that cannot be had.
    bool ReadyForChecks(QWidget* messageOwner);
    // Writes the row the bound controls show, leaving the variables at `excluded` out. The
    // outcome goes to the status bar; after a successful write the table is read again. True
    // when the write was sent.
    bool WriteRow(const std::vector<int>& excluded);

    QxSNMPRequest2Edits* Binding() const { return binding_.get(); }
    TIPCtrlEdtForm* EditForm() const { return editForm_.get(); }
    // The variables' access codes as the table defines them; every write puts them back.
    const std::vector<std::uint32_t>& SavedAccess() const { return savedAccess_; }
    // True when the last read reached the end of the table.
    bool ListComplete() const { return listComplete_; }

    TListView* ListView1 = nullptr;
    TPanel* pnlButtons = nullptr;
    TButton* btnRefresh = nullptr;
    TButton* btnAdd = nullptr;
    TButton* btnDel = nullptr;
    TButton* btnClose = nullptr;
    TButton* btnStop = nullptr;
    TButton* btnEdit = nullptr;
    TStatusBar* stbResult = nullptr;

private:
    void BuildControls();
    void BuildBinding();
    void ReadTable();
    // Add, Edit and Delete follow the selected row.
    void UpdateButtons();
    // The list row of an interface; none.
    TListItem* RowOf(const std::string& address) const;
    // Waits for a request still running; true when the binding is idle.
    bool WaitIdle();
    void RestoreAccess();
    // Stops the binding, waits until it is idle and releases it.
    void ReleaseBinding();
    // The text that a request which did not end within its time-outs is reported with.
    static std::string TimeoutText();

    std::string address_;
    std::unique_ptr<TIPCtrlEdtForm> editForm_;
    std::unique_ptr<QxSNMPRequest2Edits> binding_;
    std::vector<std::uint32_t> savedAccess_;
    bool listComplete_ = false;
};
