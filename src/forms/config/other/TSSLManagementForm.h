#pragma once

#include "ui/toolkit/TForm.h"

#include <array>
#include <memory>
#include <string>

struct QxSNMPError;
class QxSNMPRequest2Edits;
class TButton;
class TComboBox;
class TEdit;
class TStatusBar;

// The SSL server settings: status, cache time-out and the four cipher suites, which the device
// keeps as the bits of the high half of one octet. Each suite has a switch of its own here;
// the octet is taken apart after a read and put together again for a write. Results and errors
// go to the status bar.
class TSSLManagementForm : public TForm {
public:
    enum Var : int { VarStatus, VarCipherSuites, VarCacheTimeout, VarCount };
    static constexpr int SuiteCount = 4;
    // The bit of the octet's first hexadecimal digit each suite switch stands for.
    static constexpr std::array<int, SuiteCount> SuiteBits = {8, 4, 2, 1};

    // Builds the window, binds the three values and starts reading them.
    explicit TSSLManagementForm(QWidget* owner);
    ~TSSLManagementForm() override;

    // The binding of the three values; none once the window has closed.
    QxSNMPRequest2Edits* Binding() const { return binding_.get(); }

    // The suites' bits from the cipher-suites text: its first digit when the text has exactly
    // two characters and that digit is hexadecimal; false otherwise.
    static bool SuiteBitsOf(const std::string& cipherText, int& bits);
    // The cipher-suites text for the suites switched on: one upper-case hexadecimal digit for
    // the high half of the octet and "0" for the low half.
    static std::string CipherText(const std::array<bool, SuiteCount>& enabled);

    TComboBox* cbxSSLVersion = nullptr;
    TEdit* edtciphersuites = nullptr; // hidden
    TEdit* edtCacheTimeOut = nullptr;
    std::array<TComboBox*, SuiteCount> cbxciphersuites{};
    TButton* btnGet = nullptr;
    TButton* btnSet = nullptr;
    TStatusBar* StatusBar1 = nullptr;

    void btnGetClick();
    void btnSetClick();

private:
    void BuildControls();
    void Bind();
    void ReadDone(const QxSNMPError& result);
    void SetDone(const QxSNMPError& result);
    void Release();

    std::unique_ptr<QxSNMPRequest2Edits> binding_;
};
