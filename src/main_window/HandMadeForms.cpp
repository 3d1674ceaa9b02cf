#include "main_window/HandMadeForms.h"

#include "forms/config/ip/TIpCtrlForm.h"
#include "forms/config/other/TACLMeterForm.h"
#include "forms/config/other/TEquipmentBasicInfoForm.h"
#include "forms/config/other/TSSLManagementForm.h"
#include "forms/config/routing/TMd5InformationForm.h"
#include "forms/config/routing/TOSPFDefaultInfoOriginateForm.h"
#include "forms/config/routing/TRouteRedistributForm.h"
#include "forms/config/services/TBOOTCtrlTableForm.h"
#include "forms/config/services/TMSInformationForm.h"
#include "forms/config/services/TfrmACCServerCtrl.h"
#include "forms/config/time/TCurrentTimeForm.h"
#include "forms/config/time/TSummerTimeForm.h"
#include "forms/monitor/counters/TICMP_Counters.h"
#include "forms/monitor/counters/TIF_Counters.h"
#include "forms/monitor/counters/TIP_Counters.h"
#include "forms/monitor/counters/TSNMP_Counters.h"
#include "forms/monitor/counters/TTpBridgePortInfo_Table.h"
#include "forms/monitor/counters/TUDP_Counters.h"
#include "forms/monitor/stp/TIP_Routing.h"
#include "forms/other/TAboutForm.h"
#include "snmp/QxSNMPGlobal.h"

#include <utility>

namespace {

template <typename Form> std::unique_ptr<TForm> Make(QWidget* owner) {
    return std::make_unique<Form>(owner);
}

struct FormClass {
    const char* name;
    std::unique_ptr<TForm> (*create)(QWidget* owner);
};

constexpr FormClass FormClasses[] = {
    {"TACLMeterForm", &Make<TACLMeterForm>},
    {"TAboutForm", &Make<TAboutForm>},
    {"TBOOTCtrlTableForm", &Make<TBOOTCtrlTableForm>},
    {"TCurrentTimeForm", &Make<TCurrentTimeForm>},
    {"TEquipmentBasicInfoForm", &Make<TEquipmentBasicInfoForm>},
    {"TICMP_Counters", &Make<TICMP_Counters>},
    {"TIF_Counters", &Make<TIF_Counters>},
    {"TIP_Counters", &Make<TIP_Counters>},
    {"TIP_Routing", &Make<TIP_Routing>},
    {"TIpCtrlForm",
     [](QWidget* owner) -> std::unique_ptr<TForm> {
         return std::make_unique<TIpCtrlForm>(owner, SnmpGlobal().device.address);
     }},
    {"TMSInformationForm", &Make<TMSInformationForm>},
    {"TMd5InformationForm", &Make<TMd5InformationForm>},
    {"TOSPFDefaultInfoOriginateForm", &Make<TOSPFDefaultInfoOriginateForm>},
    {"TRouteRedistributForm", &Make<TRouteRedistributForm>},
    {"TSNMP_Counters", &Make<TSNMP_Counters>},
    {"TSSLManagementForm", &Make<TSSLManagementForm>},
    {"TSummerTimeForm", &Make<TSummerTimeForm>},
    {"TTpBridgePortInfo_Table", &Make<TTpBridgePortInfo_Table>},
    {"TUDP_Counters", &Make<TUDP_Counters>},
    {"TfrmACCServerCtrl", &Make<TfrmACCServerCtrl>},
};

const FormClass* Find(const std::string& className) {
    for (const FormClass& c : FormClasses) {
        if (className == c.name) {
            return &c;
        }
    }
    return nullptr;
}

} // namespace

std::unique_ptr<TForm> CreateHandMadeForm(const std::string& className, QWidget* owner) {
    const FormClass* c = Find(className);
    return c != nullptr ? c->create(owner) : nullptr;
}

bool HasHandMadeForm(const std::string& className) {
    return Find(className) != nullptr;
}
