#pragma once

#include "shell/QxDeviceConfig.h"
#include "shell/QxSettingsTexts.h"
#include "ui/toolkit/TForm.h"

#include <optional>
#include <string>

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TRadioGroup;
class TScrollBox;

// The modal dialog "Device SNMP Configure": the agent port, the SNMP version, the communities
// for versions 1 and 2c and the user-based security settings for version 3. OK writes the
// per-device configuration file beside the program; the settings the module runs with are not
// changed, a new version takes effect when the module is started again.
class TfrmConfigSNMP : public TForm {
public:
    // What the dialog needs from the main window.
    struct Running {
        std::string programFolder; // ends in "/"
        std::string address;
        std::string version;      // the version code as decimal text; may be empty
        std::string securityName; // the SNMPv3 user the module runs with
    };

    static constexpr const char* DefaultReadCommunity = "readcm";
    static constexpr const char* DefaultWriteCommunity = "writecm";

    // `stored`: the settings read from the per-device file at start-up, shown instead of the
    // defaults so that OK does not throw away what is not changed; none when there was no file.
    TfrmConfigSNMP(QWidget* owner, Running running,
                   const std::optional<QxSettingsTexts>& stored = std::nullopt);
    ~TfrmConfigSNMP() override;

    // True after an OK that chose another version (or another SNMPv3 user) than the module
    // runs with; read by the main window once the dialog has closed.
    bool VersionModified() const { return versionModified_; }

    // The file OK writes: the program's folder, the address and ".cfg".
    std::string ConfigPath() const;

    TLabel* lblIP = nullptr;
    TEdit* edtPort = nullptr;
    TRadioGroup* rgpSNMPVersion = nullptr;
    TComboBox* cbxSecurityName = nullptr;
    TComboBox* cbxSecurityLevel = nullptr;
    TComboBox* cbxAuthProtocol = nullptr;
    TEdit* edtAuthPass = nullptr;
    TComboBox* cbxPrivProtocol = nullptr;
    TEdit* edtPrivPass = nullptr;
    TEdit* edtContext = nullptr;
    TEdit* edtContextEngine = nullptr;
    TEdit* edtCommunity = nullptr;
    TButton* btnOk = nullptr;
    TButton* btnExit = nullptr;

private:
    void BuildControls();
    void Prefill(const QxSettingsTexts& stored);
    // Greys or enables the SNMPv3 fields for the chosen version.
    void ApplyVersionState();
    void rgpSNMPVersionClick();
    void btnOkClick();
    // Shows the first problem with what was typed; true when the values can be written.
    bool CheckInput();
    QxDeviceConfig::Values CollectValues() const;
    bool ComputeVersionModified() const;

    Running running_;
    TScrollBox* scrollBox1_ = nullptr;
    bool versionModified_ = false;
};
