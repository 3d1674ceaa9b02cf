#include "forms/monitor/stp/TIP_Routing.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TStatusBar.h"
#include "vocab/QxOptionList.h"
#include "vocab/QxOptionTables.h"

#include <QFontMetrics>

#include <algorithm>
#include <exception>

namespace {

// How a route was learnt (the routing protocols of the route table).
constexpr OptionPair RouteProtoPairs[] = {
    {2, "local"},      {3, "netmgmt"},
    {4, "icmp"},       {5, "egp"},
    {6, "ggp"},        {7, "hello"},
    {8, "rip"},        {9, "is-is"},
    {10, "es-is"},     {11, "ciscoIgrp"},
    {12, "bbnSpfIgp"}, {13, "ospf"},
    {14, "bgp"},       {},
};
const QxOptionList RouteProto(RouteProtoPairs, QxOptionList::olInteger);

// The route table, indexed by the destination address.
constexpr UISnmpVar RouteTable[] = {
    {"1.3.6.1.2.1.4.21.1.1", "Dest", sxIpaddress, acNotaccess},
    {"1.3.6.1.2.1.4.21.1.2", "IF Index", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.4.21.1.3", "Metric1", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.4.21.1.4", "Metric2", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.4.21.1.5", "Metric3", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.4.21.1.6", "Metric4", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.4.21.1.7", "Next Hop", sxIpaddress, acReadwrite},
    {"1.3.6.1.2.1.4.21.1.8", "Type", sxInteger, acReadwrite, &OL_2invalid_3direct_4indirect},
    {"1.3.6.1.2.1.4.21.1.9", "Proto", sxInteger, acReadonly, &RouteProto},
    {"1.3.6.1.2.1.4.21.1.10", "Age", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.4.21.1.11", "Mask", sxIpaddress, acReadwrite},
    {"1.3.6.1.2.1.4.21.1.12", "Metric5", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.4.21.1.13", "Info", sxObjectid, acReadonly},
    {},
};

} // namespace

TIP_Routing::TIP_Routing(QWidget* owner) : TForm(owner) {
    BuildControls();
    SetCaption("IP Routing : " + SnmpGlobal().device.address);

    binding_ = std::make_unique<QxSNMPRequest2Edits>(this);
    binding_->request.vars.Assign(QxSNMPVarList(RouteTable, MVT_FMV, 1));
    binding_->AttachListView(LV_IP_Routing, false);
    FitColumns();
    binding_->SetReportTarget(StatusBar1->Panel(0));
    Read();
}

TIP_Routing::~TIP_Routing() {
    binding_->StopAndWait();
    binding_.reset();
}

void TIP_Routing::BuildControls() {
    SetName("IP_Routing");
    SetPosition(poMainFormCenter);
    SetWidth(552);
    SetHeight(413);

    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->AddPanel(552);

    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetWidth(92);
    Panel1->SetAlign(alRight);

    BT_Get = new TButton(Panel1);
    BT_Get->SetName("BT_Get");
    BT_Get->SetCaption("Refresh");
    BT_Get->SetBounds(9, 8, 75, 25);
    BT_Get->OnClick = [this] { BT_GetClick(); };

    Button1 = new TButton(Panel1);
    Button1->SetName("Button1");
    Button1->SetCaption("Close");
    Button1->SetBounds(9, 40, 75, 25);
    Button1->SetCancel(true);
    Button1->OnClick = [this] { Close(); };

    LV_IP_Routing = new TListView(this);
    LV_IP_Routing->SetName("LV_IP_Routing");
    LV_IP_Routing->SetAlign(alClient);
}

// Every column as wide as its heading and the widest value of its kind: addresses of four
// three-digit parts, integers of ten digits, the longest option label, an object identifier.
void TIP_Routing::FitColumns() {
    const QFontMetrics metrics = LV_IP_Routing->fontMetrics();
    for (int c = 0; c < LV_IP_Routing->ColumnCount(); ++c) {
        TListColumn* column = LV_IP_Routing->Column(c);
        const std::string caption = column->Caption();
        const char* widest = "-2147483648";
        if (caption == "Dest" || caption == "Next Hop" || caption == "Mask") {
            widest = "255.255.255.255";
        } else if (caption == "Type" || caption == "Proto") {
            widest = "bbnSpfIgp";
        } else if (caption == "Info") {
            widest = "1.3.6.1.4.1.32473.1.1";
        }
        const int text = std::max(metrics.horizontalAdvance(QString::fromStdString(caption)),
                                  metrics.horizontalAdvance(QLatin1String(widest)));
        column->SetWidth(text + 20);
    }
}

void TIP_Routing::BT_GetClick() {
    // A second walk over the one running would put the rows of both in the list.
    if (binding_->busy) {
        return;
    }
    Read();
}

void TIP_Routing::Read() {
    binding_->request.active = true;
    try {
        binding_->Get();
    } catch (const std::exception& error) {
        binding_->Report(error.what());
    }
}
