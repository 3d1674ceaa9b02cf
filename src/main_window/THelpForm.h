#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

// The module's user guide in a window of its own: the contents on the left, a search over every
// page, and the page with its links on the right. The guide is HTML carried inside the program;
// a topic is a page of it ("startup.html"), a place on a page ("messages.html#files") or a menu
// path ("RMON / Statistics"), which opens the entry's part of its menu's page. One help window
// serves the whole process; it is not modal, so it stays open beside the module's windows.
class THelpForm : public QWidget {
public:
    // One line of the contents: its title, the topic it opens and its depth (0 top level).
    struct ContentsLine {
        std::string title;
        std::string topic;
        int depth = 0;
    };

    // Shows the help window at the topic (an empty topic: the guide's first page), creating it
    // on first use. `programFolder` (ending in "/") is where an old help file of the host suite
    // may lie; such a file cannot be shown here, and the window says so above the guide.
    static THelpForm& Open(const std::string& topic, const std::string& programFolder);
    // The help window when one exists; none before the first Open.
    static THelpForm* Current();

    // The guide's address of a topic, "qrc:/help/<page>[#<place>]"; a menu path that names no
    // entry or menu opens the guide's first page.
    static std::string TopicUrl(const std::string& topic);
    // The page (and place) of a menu path: "menu-<menu>.html" for a menu of the menu bar,
    // "menu-<menu>.html#<entry name>" for one of its entries; empty when no such menu exists.
    static std::string MenuTopic(const std::string& menuPath);
    // The guide's contents, in order.
    static std::vector<ContentsLine> Contents();
    // The titles and topics of the pages whose text holds `text` (letter case ignored), in
    // contents order.
    static std::vector<ContentsLine> Search(const std::string& text);

    void ShowTopic(const std::string& topic);
    // Runs a search in the window and lists the pages found.
    void RunSearch(const std::string& text);

    std::string CurrentUrl() const;
    // The text of the page shown.
    std::string PageText() const;
    // The notice about the old help file; empty when none is shown.
    std::string Notice() const;
    // The lines of the search's result list (none before a search).
    int ResultCount() const;
    int ContentsCount() const;

private:
    explicit THelpForm(QWidget* parent = nullptr);
    void BuildContents();
    void SetNotice(const std::string& programFolder);

    QTreeWidget* contents_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListWidget* results_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QLabel* notice_ = nullptr;
};
