#include "forms/monitor/stp/TSTP_Info.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "shell/QxCommandLine.h"
#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TStatusBar.h"
#include "vocab/QxOptionTables.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The bridge-wide spanning-tree group, all of it.
constexpr UISnmpVar FullGroupTable[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "Version", sxInteger, acReadwrite, &OL_0stp_1rstp_2mstp},
    {"1.3.6.1.4.1.32473.12.15.1.3", "Max Age", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.1.4", "Hello Time", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.1.5", "Forward Delay", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.1.6", "Max Hops", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.1.7", "TX Hold Count", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.1.8", "Forward BPDU", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {},
};

// The same group without the hello time, which an MSTP bridge does not take.
constexpr UISnmpVar MstpGroupTable[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "Version", sxInteger, acReadwrite, &OL_0stp_1rstp_2mstp},
    {"1.3.6.1.4.1.32473.12.15.1.3", "Max Age", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.1.5", "Forward Delay", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.1.6", "Max Hops", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.1.7", "TX Hold Count", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.1.8", "Forward BPDU", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {},
};

// Positions in the full list.
enum FullVar : int {
    FullVersion = 0,
    FullMaxAge,
    FullHelloTime,
    FullForwardDelay,
    FullMaxHops,
    FullTxHoldCount,
    FullForwardBpdu,
};
// Positions in the MSTP list (and columns of its row).
constexpr int MstpVersion = 0;

constexpr int RequestTimeout = 300; // hundredths of a second
constexpr const char* Mstp = "mstp";
constexpr const char* DefaultHelloTime = "200";
constexpr const char* EmptyFields = "Don't Leave Empty Fileds !";
constexpr const char* DataError = "Data Error !";
constexpr int NotAnInteger = 27; // "'[VALUE]' is not a valid integer value!"
// The program code of a request that got no answer in time.
constexpr int NoAnswerCode = -405;

// Takes variables out of one write by making them read-only, and gives them their access back
// when the write is over, whether it succeeded or raised.
class ExcludedFromWrite {
public:
    ExcludedFromWrite(QxSNMPVarList& vars, std::initializer_list<int> positions) : vars_(vars) {
        for (int i : positions) {
            saved_.emplace_back(i, vars.Entry(i).access);
            vars.Entry(i).access = acReadonly;
        }
    }
    ~ExcludedFromWrite() {
        for (const auto& [i, access] : saved_) {
            vars_.Entry(i).access = access;
        }
    }
    ExcludedFromWrite(const ExcludedFromWrite&) = delete;
    ExcludedFromWrite& operator=(const ExcludedFromWrite&) = delete;

private:
    QxSNMPVarList& vars_;
    std::vector<std::pair<int, std::uint32_t>> saved_;
};

struct FieldRow {
    const char* name;
    const char* caption;
};

constexpr FieldRow FieldLabels[] = {
    {"Label1", "STP Version"},          {"Label2", "Maxi Age (600-4000)"},
    {"Label3", "Hello Time(100-1000)"}, {"Label4", "Forward Delay(400-3000)"},
    {"Label5", "Max Hops[1-20]"},       {"Label6", "TX Hold Count (1-10)"},
    {"Label7", "Forwarding BPDU"},
};

constexpr int RowTop = 14;
constexpr int RowPitch = 28;
constexpr int MinFieldLeft = 160;
constexpr int FieldWidth = 121;

} // namespace

TSTP_Info::TSTP_Info(QWidget* owner, TStaticText* runningVersion)
    : TForm(owner), runningVersion_(runningVersion) {
    BuildControls();
    SetCaption("Spanning Tree Control : " + SnmpGlobal().device.address);

    // The MSTP list first: its read fills the hidden row.
    mstp_ = std::make_unique<QxSNMPRequest2Edits>(this);
    BindMstpGroup();
    Read(*mstp_);

    full_ = std::make_unique<QxSNMPRequest2Edits>(this);
    BindFullGroup();
    Read(*full_);

    if (RunningVersion() == Mstp) {
        ShowHelloTime(true, false);
    }
}

TSTP_Info::~TSTP_Info() {
    // The bindings let go of the fields' handlers while the fields still exist.
    full_.reset();
    mstp_.reset();
}

void TSTP_Info::BuildControls() {
    SetName("STP_Info");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(poMainFormCenter);
    // The fields start right of the longest caption in the window's font; the buttons and the
    // window move with them.
    int widestLabel = 0;
    for (const FieldRow& row : FieldLabels) {
        widestLabel =
            std::max(widestLabel, fontMetrics().horizontalAdvance(QString::fromUtf8(row.caption)));
    }
    const int FieldLeft = std::max(MinFieldLeft, 16 + widestLabel + 8);
    const int ButtonLeft = FieldLeft + FieldWidth + 31;
    const int clientWidth = std::max(409, ButtonLeft + 75 + 22);
    SetClientWidth(clientWidth);
    SetClientHeight(278);

    for (size_t i = 0; i < std::size(FieldLabels); ++i) {
        auto* label = new TLabel(this);
        label->SetName(FieldLabels[i].name);
        label->SetCaption(FieldLabels[i].caption);
        label->SetLeft(16);
        label->SetTop(RowTop + 4 + static_cast<int>(i) * RowPitch);
    }
    auto place = [FieldLeft](TControl* control, const char* name, int row) {
        control->SetName(name);
        control->SetBounds(FieldLeft, RowTop + row * RowPitch, FieldWidth, 21);
    };
    Combo_STPVersion = new TComboBox(this);
    place(Combo_STPVersion, "Combo_STPVersion", 0);
    ET_AgingTime = new TEdit(this);
    place(ET_AgingTime, "ET_AgingTime", 1);
    ET_HelloTime = new TEdit(this);
    place(ET_HelloTime, "ET_HelloTime", 2);
    ET_ForwardDelay = new TEdit(this);
    place(ET_ForwardDelay, "ET_ForwardDelay", 3);
    ET_Priority = new TEdit(this);
    place(ET_Priority, "ET_Priority", 4);
    ED_TxHoldCount = new TEdit(this);
    place(ED_TxHoldCount, "ED_TxHoldCount", 5);
    Combo_BPDU = new TComboBox(this);
    place(Combo_BPDU, "Combo_BPDU", 6);

    const int notesTop = RowTop + 7 * RowPitch + 6;
    auto* note1 = new TLabel(this);
    note1->SetName("Label8");
    note1->SetCaption("Notes : 2*(Forward Delay - 100) >= Max Age");
    note1->SetLeft(16);
    note1->SetTop(notesTop);
    auto* note2 = new TLabel(this);
    note2->SetName("Label9");
    note2->SetCaption("Max Age>= 2*(Hello Time + 100)");
    note2->SetLeft(58);
    note2->SetTop(notesTop + 18);

    BT_Get = new TButton(this);
    BT_Get->SetName("BT_Get");
    BT_Get->SetCaption("Refresh");
    BT_Get->SetBounds(ButtonLeft, RowTop, 75, 25);
    BT_Get->OnClick = [this] { BT_GetClick(); };
    BT_Set = new TButton(this);
    BT_Set->SetName("BT_Set");
    BT_Set->SetCaption("Set");
    BT_Set->SetBounds(ButtonLeft, RowTop + 34, 75, 25);
    BT_Set->OnClick = [this] { BT_SetClick(); };

    LV_MstpRow = new TListView(this);
    LV_MstpRow->SetName("LV_MstpRow");
    LV_MstpRow->SetVisible(false);

    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->AddPanel(clientWidth);

    // Installed before the binding takes the handler over, so that the binding calls it.
    Combo_STPVersion->OnChange = [this] { Combo_STPVersionChange(); };
}

void TSTP_Info::BindMstpGroup() {
    QxSNMPRequest2Edits& b = *mstp_;
    b.mode = QxSNMPRequest2Controls::Synchronous;
    b.request.vars.Assign(QxSNMPVarList(MstpGroupTable, SVT_SV, 0));
    b.request.timeout = RequestTimeout;
    b.AttachListView(LV_MstpRow, false);
    b.SetReportTarget(StatusBar1->Panel(0));
}

void TSTP_Info::BindFullGroup() {
    QxSNMPRequest2Edits& b = *full_;
    b.mode = QxSNMPRequest2Controls::Synchronous;
    b.request.vars.Assign(QxSNMPVarList(FullGroupTable, SVT_SV, 0));
    b.request.timeout = RequestTimeout;
    b.BindComboBox(FullVersion, Combo_STPVersion);
    b.BindEdit(FullMaxAge, "%i{n600x4000l4a}", {ET_AgingTime});
    b.BindEdit(FullHelloTime, "%i{n100x1000l4a}", {ET_HelloTime});
    b.BindEdit(FullForwardDelay, "%i{n400x3000l4a}", {ET_ForwardDelay});
    b.BindEdit(FullMaxHops, "%i{n1x20l2a}", {ET_Priority});
    b.BindEdit(FullTxHoldCount, "%i{n1x10l2a}", {ED_TxHoldCount});
    b.BindComboBox(FullForwardBpdu, Combo_BPDU);
    b.SetReportTarget(StatusBar1->Panel(0));
}

std::string TSTP_Info::RunningVersion() const {
    return runningVersion_ != nullptr ? runningVersion_->Caption() : std::string();
}

void TSTP_Info::ShowHelloTime(bool mstp, bool setDefault) {
    ET_HelloTime->SetEnabled(!mstp);
    ET_HelloTime->SetColor(FieldColor(!mstp));
    if (mstp) {
        ET_HelloTime->SetText("");
    } else if (setDefault) {
        ET_HelloTime->SetText(DefaultHelloTime);
    }
}

void TSTP_Info::Combo_STPVersionChange() {
    ShowHelloTime(Combo_STPVersion->Text() == Mstp, true);
}

void TSTP_Info::ShowMessage(const std::string& text) {
    StatusBar1->Panel(0)->SetText(text);
}

bool TSTP_Info::Read(QxSNMPRequest2Edits& binding) {
    try {
        binding.Get();
        return true;
    } catch (const std::exception& error) {
        binding.Report(error.what());
        return false;
    }
}

bool TSTP_Info::Write(QxSNMPRequest2Edits& binding, std::initializer_list<int> excluded,
                      WriteFailure* failure) {
    ExcludedFromWrite exclusion(binding.request.vars, excluded);
    try {
        // False when nothing was sent: the binding refused a value, or the window closes.
        if (binding.Set()) {
            return true;
        }
        if (failure != nullptr) {
            failure->sent = false;
        }
        return false;
    } catch (const QxError& error) {
        binding.Report(error.what());
        if (failure != nullptr) {
            *failure = {true, error.Code(), error.what()};
        }
        return false;
    } catch (const std::exception& error) {
        binding.Report(error.what());
        if (failure != nullptr) {
            *failure = {true, 0, error.what()};
        }
        return false;
    }
}

void TSTP_Info::BT_GetClick() {
    Read(*full_);
    const bool mstp = RunningVersion() == Mstp;
    if (mstp) {
        Read(*mstp_);
    }
    ShowHelloTime(mstp, false);
}

void TSTP_Info::CopyFieldsToRow() {
    TListItem* row = LV_MstpRow->ItemCount() > 0 ? LV_MstpRow->Item(0) : LV_MstpRow->AddItem();
    row->SetCaption(Combo_STPVersion->Text());
    row->SetSubItem(0, ET_AgingTime->Text());
    row->SetSubItem(1, ET_ForwardDelay->Text());
    row->SetSubItem(2, ET_Priority->Text());
    row->SetSubItem(3, ED_TxHoldCount->Text());
    row->SetSubItem(4, Combo_BPDU->Text());
    // The write takes its values from the selected row.
    LV_MstpRow->SetSelected(row);
}

bool TSTP_Info::WriteMstp(bool versionChanged) {
    CopyFieldsToRow();
    if (versionChanged) {
        return Write(*mstp_, {});
    }
    Write(*mstp_, {MstpVersion});
    return true;
}

void TSTP_Info::BT_SetClick() {
    const std::string version = Combo_STPVersion->Text();
    // Every value that is written must be there: an empty field would go out as 0, which for
    // the version means "stp".
    for (const std::string& text :
         {ET_Priority->Text(), ET_AgingTime->Text(), ET_ForwardDelay->Text(),
          ED_TxHoldCount->Text(), version, Combo_BPDU->Text()}) {
        if (text.empty()) {
            ShowMessage(EmptyFields);
            return;
        }
    }
    auto number = [this](const TEdit* edit) -> std::optional<long> {
        std::optional<long> n = QxCommandLine::StrictInteger(edit->Text());
        if (!n) {
            ShowMessage(
                ReplacePlaceholder(QxMessages::Framework(NotAnInteger), "[VALUE]", edit->Text()));
        }
        return n;
    };
    const std::optional<long> maxHops = number(ET_Priority);
    if (!maxHops) {
        return;
    }
    const std::optional<long> maxAge = number(ET_AgingTime);
    if (!maxAge) {
        return;
    }
    const std::optional<long> forwardDelay = number(ET_ForwardDelay);
    if (!forwardDelay) {
        return;
    }
    // Checked here as well, before the first of two writes: a text refused by the second
    // write would leave the device with the new version and the old timers.
    if (!number(ED_TxHoldCount)) {
        return;
    }
    // The protocol's bound between the bridge timers (hundredths of a second):
    // 2 x (Forward Delay - 1 s) >= Max Age.
    if (2 * *forwardDelay - 200 < *maxAge) {
        ShowMessage(DataError);
        return;
    }

    const bool versionChanged = version != RunningVersion();
    // Whether the device now runs the version in the field. A write that failed leaves the
    // version the device had, so the main window keeps its text.
    bool versionTaken = false;
    QPointer<TSTP_Info> self(this);
    // Every field is checked as its write would check it before the first write goes out: a
    // value refused by a later write would leave the new version with the old timers. An MSTP
    // bridge takes no hello time.
    auto fieldsAccepted = [this, &self](bool mstp) {
        std::optional<ExcludedFromWrite> noHello;
        if (mstp) {
            noHello.emplace(full_->request.vars, std::initializer_list<int>{FullHelloTime});
        }
        return full_->CheckWrite() && self != nullptr;
    };
    if (version == Mstp) {
        if (!fieldsAccepted(true)) {
            return;
        }
        versionTaken = WriteMstp(versionChanged);
    } else {
        if (ET_HelloTime->Text().empty()) {
            ShowMessage(EmptyFields);
            return;
        }
        const std::optional<long> helloTime = number(ET_HelloTime);
        if (!helloTime) {
            return;
        }
        // And Max Age >= 2 x (Hello Time + 1 s).
        if (*maxAge < 2 * *helloTime + 200) {
            ShowMessage(DataError);
            return;
        }
        if (!fieldsAccepted(false)) {
            return;
        }
        if (versionChanged) {
            // The version goes first and alone: the device applies the timers to the
            // protocol it runs. When it refuses the version, the timers are not sent.
            versionTaken = Write(*full_, {FullMaxAge, FullHelloTime, FullForwardDelay, FullMaxHops,
                                          FullTxHoldCount, FullForwardBpdu});
            WriteFailure failure;
            if (versionTaken && self != nullptr && full_ != nullptr &&
                !Write(*full_, {FullVersion}, &failure) && self != nullptr && full_ != nullptr) {
                // The result line of the refusal is replaced by one that also says what the
                // device holds now.
                full_->lastOperation = QxSNMPRequest2Controls::OperationSet;
                full_->Report(PartlyWritten(version, failure));
            }
        } else {
            Write(*full_, {FullVersion});
            versionTaken = true;
        }
    }
    if (self == nullptr) {
        return;
    }
    if (versionTaken && runningVersion_ != nullptr) {
        runningVersion_->SetCaption(version);
    }
}

std::string TSTP_Info::PartlyWritten(const std::string& version, const WriteFailure& failure) {
    const std::string others = "Max Age, Hello Time, Forward Delay, Max Hops, TX Hold Count and "
                               "Forward BPDU";
    const std::string taken =
        "only the version was written: the device now runs \"" + version + "\"";
    if (!failure.sent) {
        return taken + "; " + others + " were not sent and keep their previous values";
    }
    if (failure.code == NoAnswerCode) {
        return failure.text + "; " + taken + "; whether it took " + others +
               " is not known (Refresh shows what it holds)";
    }
    return failure.text + "; " + taken + "; it refused " + others +
           ", which keep their previous values";
}
