#include "main_window/THelpForm.h"

#include "main_window/DeviceCommands.h"
#include "main_window/TMenuCatalogue.h"
#include "ui/toolkit/TText.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <set>

namespace {

constexpr const char* GuideRoot = "qrc:/help/";
constexpr const char* FirstPage = "index.html";
constexpr int TopicRole = Qt::UserRole + 1;

QPointer<THelpForm> helpWindow;

// The guide's pages that are not about one menu, in reading order; the menus come after
// "menus.html".
struct GuidePage {
    const char* title;
    const char* page;
};
constexpr GuidePage PagesBeforeMenus[] = {
    {"KSW-524P management module", "index.html"},
    {"Starting the module and its command line", "startup.html"},
    {"The per-device configuration file", "device-file.html"},
    {"The main window and the front panel", "main-window.html"},
    {"Working with pages", "pages.html"},
    {"The menus", "menus.html"},
};
constexpr GuidePage PagesAfterMenus[] = {
    {"Counter monitors", "monitors.html"},
    {"Hand-made windows", "windows.html"},
    {"Table viewers", "viewers.html"},
    {"Setting up SNMPv3", "snmpv3.html"},
    {"Message files", "messages.html"},
    {"Troubleshooting and connection messages", "troubleshooting.html"},
};

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "Layer 3 Management" -> "layer-3-management": the menu's page name without "menu-".
std::string Slug(const std::string& caption) {
    std::string slug;
    for (char c : Trimmed(caption)) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            slug += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!slug.empty() && slug.back() != '-') {
            slug += '-';
        }
    }
    while (!slug.empty() && slug.back() == '-') {
        slug.pop_back();
    }
    return slug;
}

std::string MenuPage(const std::string& menu) {
    return "menu-" + Slug(menu) + ".html";
}

// The menus of the menu bar, in menu order, as the catalogue writes their captions.
std::vector<std::string> Menus() {
    std::vector<std::string> menus;
    for (const PageDefinition& entry : Catalogue) {
        if (std::find(menus.begin(), menus.end(), entry.topMenu) == menus.end()) {
            menus.emplace_back(entry.topMenu);
        }
    }
    return menus;
}

std::string PageOf(const std::string& topic) {
    return topic.substr(0, topic.find('#'));
}

// The text of a page of the guide, without its markup.
QString PlainText(const std::string& page) {
    QFile file(QStringLiteral(":/help/") + ToQString(page));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return document.toPlainText();
}

} // namespace

THelpForm::THelpForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("KSW-524P Help"));
    resize(900, 620);

    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("HelpNotice"));
    notice_->setWordWrap(true);
    notice_->setStyleSheet(QStringLiteral("QLabel { background: #fff4c2; padding: 6px; }"));
    notice_->hide();

    contents_ = new QTreeWidget;
    contents_->setHeaderHidden(true);
    search_ = new QLineEdit;
    search_->setPlaceholderText(QStringLiteral("Search the guide"));
    search_->setClearButtonEnabled(true);
    auto* find = new QPushButton(QStringLiteral("Search"));
    results_ = new QListWidget;
    results_->hide();
    browser_ = new QTextBrowser;
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);

    auto* searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(0, 0, 0, 0);
    searchRow->addWidget(search_);
    searchRow->addWidget(find);
    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addLayout(searchRow);
    leftLayout->addWidget(results_, 1);
    leftLayout->addWidget(contents_, 3);

    auto* splitter = new QSplitter;
    splitter->addWidget(left);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notice_);
    layout->addWidget(splitter, 1);

    BuildContents();
    connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        ShowTopic(item->data(0, TopicRole).toString().toStdString());
    });
    connect(contents_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        ShowTopic(item->data(0, TopicRole).toString().toStdString());
    });
    auto runSearch = [this] { RunSearch(search_->text().toStdString()); };
    connect(search_, &QLineEdit::returnPressed, this, runSearch);
    connect(find, &QPushButton::clicked, this, runSearch);
    connect(results_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        ShowTopic(item->data(TopicRole).toString().toStdString());
        // The first place of the searched text on the page.
        browser_->find(search_->text());
    });
}

THelpForm& THelpForm::Open(const std::string& topic, const std::string& programFolder) {
    // A closed help window is on its way out (deleted on close); a new one takes its place.
    if (helpWindow != nullptr && helpWindow->isHidden()) {
        helpWindow = nullptr;
    }
    if (helpWindow == nullptr) {
        helpWindow = new THelpForm;
        helpWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    helpWindow->SetNotice(programFolder);
    helpWindow->ShowTopic(topic);
    // Over a modal page the help window must take input too: it becomes modal itself until it
    // closes. Without one it stays beside the module's windows.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted =
        modal != nullptr && modal != helpWindow ? Qt::ApplicationModal : Qt::NonModal;
    if (helpWindow->windowModality() != wanted) {
        helpWindow->hide();
        helpWindow->setWindowModality(wanted);
    }
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
    return *helpWindow;
}

THelpForm* THelpForm::Current() {
    return helpWindow.data();
}

std::string THelpForm::MenuTopic(const std::string& menuPath) {
    if (const PageDefinition* entry = TMenuCatalogue::Find(menuPath)) {
        return MenuPage(entry->topMenu) + "#" + TMenuCatalogue::ItemName(*entry);
    }
    const std::string menu = Trimmed(menuPath);
    for (const std::string& known : Menus()) {
        if (Trimmed(known) == menu) {
            return MenuPage(known);
        }
    }
    return {};
}

std::string THelpForm::TopicUrl(const std::string& topic) {
    std::string page = topic;
    if (topic.empty()) {
        page = FirstPage;
    } else if (PageOf(topic).find(".html") == std::string::npos) {
        page = MenuTopic(topic);
        if (page.empty()) {
            page = FirstPage;
        }
    }
    return GuideRoot + page;
}

std::vector<THelpForm::ContentsLine> THelpForm::Contents() {
    std::vector<ContentsLine> lines;
    for (const GuidePage& p : PagesBeforeMenus) {
        lines.push_back({p.title, p.page, 0});
    }
    for (const std::string& menu : Menus()) {
        lines.push_back({Trimmed(menu), MenuPage(menu), 1});
        for (const PageDefinition& entry : Catalogue) {
            if (entry.topMenu == menu) {
                lines.push_back(
                    {entry.menuPath, MenuPage(menu) + "#" + TMenuCatalogue::ItemName(entry), 2});
            }
        }
    }
    for (const GuidePage& p : PagesAfterMenus) {
        lines.push_back({p.title, p.page, 0});
    }
    return lines;
}

std::vector<THelpForm::ContentsLine> THelpForm::Search(const std::string& text) {
    std::vector<ContentsLine> found;
    const QString wanted = ToQString(Trimmed(text));
    if (wanted.isEmpty()) {
        return found;
    }
    std::set<std::string> seen;
    for (const ContentsLine& line : Contents()) {
        const std::string page = PageOf(line.topic);
        if (!seen.insert(page).second) {
            continue;
        }
        if (PlainText(page).contains(wanted, Qt::CaseInsensitive)) {
            found.push_back({line.title, page, 0});
        }
    }
    return found;
}

void THelpForm::BuildContents() {
    std::vector<QTreeWidgetItem*> parents;
    for (const ContentsLine& line : Contents()) {
        parents.resize(static_cast<std::size_t>(line.depth));
        auto* item =
            parents.empty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.back());
        item->setText(0, ToQString(line.title));
        item->setData(0, TopicRole, ToQString(line.topic));
        parents.push_back(item);
    }
}

void THelpForm::SetNotice(const std::string& programFolder) {
    const std::string path = programFolder + HelpFileName;
    if (!programFolder.empty() && QFileInfo::exists(ToQString(path))) {
        notice_->setText(ToQString("The help file \"" + std::string(HelpFileName) +
                                   "\" beside the program cannot be shown on this platform. "
                                   "This is the module's own guide."));
        notice_->show();
    } else {
        notice_->clear();
        notice_->hide();
    }
}

void THelpForm::ShowTopic(const std::string& topic) {
    browser_->setSource(QUrl(ToQString(TopicUrl(topic))));
}

void THelpForm::RunSearch(const std::string& text) {
    results_->clear();
    const std::vector<ContentsLine> found = Search(text);
    for (const ContentsLine& line : found) {
        auto* item = new QListWidgetItem(ToQString(line.title), results_);
        item->setData(TopicRole, ToQString(line.topic));
    }
    if (found.empty() && !Trimmed(text).empty()) {
        new QListWidgetItem(QStringLiteral("(nothing found)"), results_);
    }
    results_->setVisible(!Trimmed(text).empty());
}

std::string THelpForm::CurrentUrl() const {
    return browser_->source().toString().toStdString();
}

std::string THelpForm::PageText() const {
    return browser_->toPlainText().toStdString();
}

std::string THelpForm::Notice() const {
    return notice_->isHidden() ? std::string() : notice_->text().toStdString();
}

int THelpForm::ResultCount() const {
    return results_->isHidden() ? 0 : results_->count();
}

int THelpForm::ContentsCount() const {
    int count = 0;
    for (QTreeWidgetItemIterator it(contents_); *it != nullptr; ++it) {
        ++count;
    }
    return count;
}
