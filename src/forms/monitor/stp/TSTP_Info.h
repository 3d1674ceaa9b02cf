#pragma once

#include "ui/toolkit/TForm.h"

#include <QPointer>

#include <initializer_list>
#include <memory>
#include <string>

class QxSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TStaticText;
class TStatusBar;

// The bridge-wide spanning-tree settings: the protocol version, the bridge timers, the hop
// limit, the transmit hold count and the forwarding of BPDUs. Set checks the two timing rules
// of the protocol before anything is written; a device that runs MSTP has no bridge hello
// time, so it is written through a second list without that variable.
//
// The version the device runs is kept by the main window in a hidden text; the window reads
// it to tell whether Set changes the version, and updates it once the device has taken a new
// version.
class TSTP_Info : public TForm {
public:
    // Reads both lists at once; an error goes to the status bar and the window stays usable.
    // `runningVersion`: the main window's hidden spanning-tree text ("stp", "rstp", "mstp");
    // may be null, which counts as an unknown version.
    TSTP_Info(QWidget* owner, TStaticText* runningVersion);
    ~TSTP_Info() override;

    // Reads the settings again (and the MSTP list when the device runs MSTP).
    void BT_GetClick();
    // Checks the timing rules and writes the settings; every outcome is shown in the status
    // bar.
    void BT_SetClick();
    // The user picked a version: MSTP has no hello time to set.
    void Combo_STPVersionChange();

    // Why a write did not go through: not sent at all (a value refused before sending, or the
    // window closing), or the device's error code and text.
    struct WriteFailure {
        bool sent = false;
        int code = 0;
        std::string text;
    };
    // The result line after the new version went through and the write of the other settings
    // did not: what the device holds now.
    static std::string PartlyWritten(const std::string& version, const WriteFailure& failure);

    // The full list (seven variables, bound to the fields) and the MSTP list (six variables,
    // bound to the hidden row).
    QxSNMPRequest2Edits* FullGroup() const { return full_.get(); }
    QxSNMPRequest2Edits* MstpGroup() const { return mstp_.get(); }

    TComboBox* Combo_STPVersion = nullptr;
    TEdit* ET_AgingTime = nullptr;
    TEdit* ET_HelloTime = nullptr;
    TEdit* ET_ForwardDelay = nullptr;
    TEdit* ET_Priority = nullptr;
    TEdit* ED_TxHoldCount = nullptr;
    TComboBox* Combo_BPDU = nullptr;
    TButton* BT_Get = nullptr;
    TButton* BT_Set = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    // The hidden one-row list the MSTP list reads into and writes from.
    TListView* LV_MstpRow = nullptr;

private:
    void BuildControls();
    void BindFullGroup();
    void BindMstpGroup();
    std::string RunningVersion() const;
    // Greys and empties the hello time (MSTP) or gives it back with its default.
    void ShowHelloTime(bool mstp, bool setDefault);
    // Reads one list; an error is reported in the status bar. False after an error.
    bool Read(QxSNMPRequest2Edits& binding);
    // Writes one list without the variables at `excluded`; an error is reported in the status
    // bar. False when the device did not take the write (`failure` then says why).
    bool Write(QxSNMPRequest2Edits& binding, std::initializer_list<int> excluded,
               WriteFailure* failure = nullptr);
    // The MSTP write: the fields go into the hidden row, which is then written.
    bool WriteMstp(bool versionChanged);
    void CopyFieldsToRow();
    void ShowMessage(const std::string& text);

    QPointer<TStaticText> runningVersion_;
    std::unique_ptr<QxSNMPRequest2Edits> mstp_;
    std::unique_ptr<QxSNMPRequest2Edits> full_;
};
