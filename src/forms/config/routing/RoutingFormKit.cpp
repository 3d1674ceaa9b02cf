#include "forms/config/routing/RoutingFormKit.h"

#include "binding/QxSNMPRequest2Controls.h"
#include "forms/FormControls.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"

#include <charconv>
#include <cstdint>

namespace RoutingFormKit {

std::string DeviceAddress() {
    return SnmpGlobal().device.address;
}

void StopReading(QxSNMPRequest2Controls& binding) {
    if (!binding.busy) {
        return;
    }
    binding.StopAndWait();
    binding.request.active = true;
}

bool ParseWholeNumber(const std::string& text, long& value) {
    std::int32_t number = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, number);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return false;
    }
    value = number;
    return true;
}

TLabel* MakeLabel(QWidget* parent, const std::string& caption, int left, int top) {
    return NewLabel(parent, caption, left, top);
}

TButton* MakeButton(QWidget* parent, const char* name, const std::string& caption, int left,
                    int top) {
    return NewButton(parent, name, caption, left, top);
}

TComboBox* MakeCombo(QWidget* parent, const char* name, int left, int top, int width) {
    return NewCombo(parent, name, left, top, width, true);
}

TEdit* MakeEdit(QWidget* parent, const char* name, int left, int top, int width) {
    return NewEdit(parent, name, left, top, width);
}

} // namespace RoutingFormKit
