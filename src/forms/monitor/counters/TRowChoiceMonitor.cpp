#include "forms/monitor/counters/TRowChoiceMonitor.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/monitor/counters/QxCounterReader.h"
#include "snmp/QxSNMPError.h"
#include "snmp/QxSNMPVarList.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TStatusBar.h"
#include "ui/toolkit/TTimer.h"

#include <exception>

TRowChoiceMonitor::TRowChoiceMonitor(QWidget* owner, std::vector<std::string> rowNames,
                                     std::vector<int> counterVars)
    : TCounterMonitor(owner, std::move(rowNames), std::move(counterVars)) {
    primeShowsValue = false;
}

TRowChoiceMonitor::~TRowChoiceMonitor() {
    StopReading();
    // The binding gives the list its handler back first; then the list calls this no more.
    if (list_) {
        list_->AttachListView(nullptr, false);
        list_->UnbindControls(0);
        list_->UnbindControls(1);
    }
    if (chooser_ != nullptr) {
        chooser_->OnSelectItem = nullptr;
        chooser_->OnClick = nullptr;
    }
    Release(std::move(list_));
}

void TRowChoiceMonitor::StopReading() {
    TCounterMonitor::StopReading();
    if (list_) {
        list_->request.active = false;
    }
}

void TRowChoiceMonitor::StartListing(TListView* list, TStaticText* index, TStaticText* descr,
                                     const UISnmpVar* table, int retries) {
    chooser_ = list;
    index_ = index;
    descr_ = descr;
    // Taken over by the binding, which calls it before it shows the chosen row's values.
    chooser_->OnSelectItem = [this](TListItem* item, bool selected) {
        SelectionChanged(item, selected);
    };
    chooser_->OnClick = [this] { ListClick(); };
    list_ = std::make_unique<QxSNMPRequest2Edits>(this);
    list_->mode = QxSNMPRequest2Controls::Asynchronous;
    list_->request.vars.Assign(QxSNMPVarList(table, MVT_UMV, 1));
    if (retries > 0) {
        list_->request.retries = retries;
    }
    list_->AttachListView(chooser_, false);
    list_->BindControl(0, index_);
    list_->BindControl(1, descr_);
    list_->SetReportTarget(StatusBar1->Panel(0));
    counters_->SetReportTarget(StatusBar1->Panel(0));
    list_->onGetComplete = [this](QxSNMPRequest2Controls&, const QxSNMPError& result) {
        ListRead(result);
    };
    BT_RefreshClick();
}

void TRowChoiceMonitor::BT_RefreshClick() {
    if (listing_ || closing_ || !list_) {
        return;
    }
    listing_ = true;
    try {
        list_->Get();
    } catch (const std::exception& error) {
        list_->Report(error.what());
        listing_ = false;
        return;
    }
    if (!list_->busy && listing_) {
        listing_ = false; // nothing was sent
    }
}

void TRowChoiceMonitor::ListRead(const QxSNMPError& result) {
    if (closing_) {
        listing_ = false;
        return;
    }
    if (opening_) {
        opening_ = false;
        if (chooser_->ItemCount() == 0) {
            listing_ = false;
            // No message box inside an SNMP completion: it opens once this has returned.
            const bool silent = result.code != 0;
            supported_ = false;
            running_ = false;
            PostCall(this, [this, silent] {
                if (silent) {
                    Silent();
                } else {
                    Unsupported();
                }
                if (isVisible()) {
                    Close();
                }
            });
            return;
        }
        // The first row of the list, whatever its index.
        TListItem* first = chooser_->Item(0);
        chooser_->SetSelected(first);
        first->MakeCurrent();
        index_->SetCaption(first->Caption());
        descr_->SetCaption(first->SubItem(0));
        listing_ = false;
        MonitorRow(first->Caption());
        Timer1->SetEnabled(true);
        return;
    }
    Refreshed();
    listing_ = false;
}

void TRowChoiceMonitor::Refreshed() {
    // Monitoring goes on where it was; the focus goes to the first row.
    if (chooser_->ItemCount() > 0) {
        chooser_->Item(0)->MakeCurrent();
        chooser_->SetFocus();
    }
}

void TRowChoiceMonitor::SelectionChanged(TListItem* item, bool selected) {
    // Rows arriving or the list being emptied by a read are no choice of the user's.
    if (listing_ || closing_ || !selected || item == nullptr) {
        return;
    }
    if (item->Caption() != monitored_) {
        MonitorRow(item->Caption());
    }
}

void TRowChoiceMonitor::ListClick() {
    if (listing_ || closing_) {
        return;
    }
    if (const TListItem* item = chooser_->Selected()) {
        MonitorRow(item->Caption());
    }
}

void TRowChoiceMonitor::BT_ResetClick() {
    if (!supported_ || monitored_.empty()) {
        return;
    }
    MonitorRow(monitored_);
}

void TRowChoiceMonitor::MonitorRow(const std::string& caption) {
    running_ = false;
    monitored_ = caption;
    SetRowList(caption);
    ClearRows();
    Restarted();
    running_ = true;
}
