#pragma once

#include <string>

class QWidget;
class QxSNMPRequest2Controls;
class TButton;
class TComboBox;
class TEdit;
class TLabel;

// Small pieces shared by the routing windows.
namespace RoutingFormKit {

// The address of the device the module speaks to, for window captions.
std::string DeviceAddress();

// Stops a read still running on the binding (its answers would keep changing the variables
// under a write) and waits for it to end; the request is ready for the next operation after.
void StopReading(QxSNMPRequest2Controls& binding);

// The whole text as a decimal number (an optional leading "-", then digits only, within the
// range of a 32-bit integer); false for anything else, the empty text included.
bool ParseWholeNumber(const std::string& text, long& value);

TLabel* MakeLabel(QWidget* parent, const std::string& caption, int left, int top);
TButton* MakeButton(QWidget* parent, const char* name, const std::string& caption, int left,
                    int top);
TComboBox* MakeCombo(QWidget* parent, const char* name, int left, int top, int width);
TEdit* MakeEdit(QWidget* parent, const char* name, int left, int top, int width);

} // namespace RoutingFormKit
