#pragma once

#include "shell/QxDeviceConfig.h"
#include "shell/QxSettingsTexts.h"
#include "snmp/QxConnectionDoctor.h"
#include "ui/toolkit/TForm.h"

#include <optional>
#include <string>

class TButton;
class TCheckBox;
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
    static constexpr const char* DefaultReadCommunity = "readcm";
    static constexpr const char* DefaultWriteCommunity = "writecm";

    // What the dialog needs from the main window.
    struct Running {
        std::string programFolder; // ends in "/"
        std::string address;
        std::string version;      // the version code as decimal text; may be empty
        std::string securityName; // the SNMPv3 user the module runs with
        // The communities the module runs with: shown for SNMPv1 and SNMPv2c when the file
        // holds none, and the read community is what the "Test" asks SNMPv2c with for SNMPv3.
        std::string readCommunity = DefaultReadCommunity;
        std::string writeCommunity = DefaultWriteCommunity;
    };

    // `stored`: the settings to show instead of the defaults; none: the per-device file as it
    // is on disk now (the defaults where there is none), so that OK does not throw away what
    // is not changed. An OK that changed nothing leaves an existing file as it is, byte for
    // byte.
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
    // Tries the settings shown against the device at once and says what works or what is
    // wrong (a message box).
    TButton* btnTest = nullptr;
    // Shows the pass phrases, which are masked otherwise.
    TCheckBox* chkShowPass = nullptr;

    // The settings shown, as the connection doctor takes them.
    QxConnectionDoctor::Settings DoctorSettings() const;
    // The outcome of the last "Test".
    const QxConnectionDoctor::Result& LastTest() const { return lastTest_; }

private:
    void BuildControls();
    void Prefill(const QxSettingsTexts& stored);
    // The settings of the file at ConfigPath(); none when there is no such file.
    std::optional<QxSettingsTexts> ReadStored() const;
    void btnTestClick();
    void ShowPassPhrases(bool shown);
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
    // What the dialog showed when it opened, and whether a file was there.
    QxDeviceConfig::Values shown_;
    bool fileWasThere_ = false;
    QxConnectionDoctor::Result lastTest_;
};
