#pragma once

#include "main_window/TInstanceLink.h"
#include "shell/QxSettingsTexts.h"
#include "ui/toolkit/TForm.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct PageDefinition;
class TFrontPanel;
class TMainMenu;
class TMenuItem;
class TPanel;
class TScrollBox;
class TStatusBar;

// The module's main window: the menu tree and the front-panel area, set up from the command
// line and the per-device configuration file when it is created.
class TMainForm : public TForm {
public:
    static constexpr const char* ModelCaption = "KSW-524P";

    // `arguments` without the program name; `programFolder` ends in "/". `instanceLink` is the
    // link that made the start-up check and may hold its title; without one the window makes
    // its own.
    // Without `withDevice` the front panel is built but never reads the device (for checks of
    // the window alone).
    TMainForm(std::vector<std::string> arguments, std::string programFolder,
              std::unique_ptr<TInstanceLink> instanceLink = nullptr, bool withDevice = true);
    ~TMainForm() override;

    TMainMenu* MainMenu() const { return mainMenu_.get(); }
    TMenuItem* MenuItem(const std::string& name) const;
    TStatusBar* StatusBar1() const { return statusBar1_; }
    TPanel* Panel1() const { return panel1_; }
    TFrontPanel* FrontPanel() const { return frontPanel_.get(); }

    // The text copy of every connection setting, for the settings dialog.
    const QxSettingsTexts& SettingsTexts() const { return settingsTexts_; }
    bool SuiteMode() const { return suiteMode_; }

    // Runs what the menu entry does, as choosing it does.
    void RunEntry(const PageDefinition& entry);
    // Whether the entry has an action in this build (hand-made windows arrive one by one).
    static bool HasAction(const PageDefinition& entry);
    // "SNMP Configure": the settings dialog, then the question whether to end the module so
    // that a new version takes effect.
    void SNMPConfigure1Click();
    // Ctrl+F: the entry search; the entry chosen there runs as choosing it in the menu does
    // (an entry whose menu item is disabled runs not).
    void FindEntry();
    // The user confirmed the exit: another start for this device may open its own window at
    // once, no poll is sent any more, and no menu entry runs; the program then ends within the
    // bounds of the polls still on their way.
    void BeginExit();
    bool Exiting() const { return exiting_; }

private:
    void BuildMenu();
    void BuildFrontPanelArea();
    void FormCreate();
    bool FormCloseQuery();

    std::vector<std::string> arguments_;
    std::string programFolder_;
    std::unique_ptr<TMainMenu> mainMenu_;
    TPanel* panel1_ = nullptr;
    TScrollBox* scrollBox1_ = nullptr;
    TStatusBar* statusBar1_ = nullptr;
    std::unique_ptr<TInstanceLink> instanceLink_;
    std::unique_ptr<TFrontPanel> frontPanel_;
    bool withDevice_ = true;
    QxSettingsTexts settingsTexts_;
    bool suiteMode_ = false;
    bool exiting_ = false;
};
