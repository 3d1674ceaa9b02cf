// Every window the menu opens, and every dialog those windows open, against the simulator so
// that the fields hold real values: no label, button, check box, radio button, column header
// or field may show a text that does not fit, measured with the font metrics of the widget's
// own font and the style's margins. Windows are opened one at a time and closed again; each
// offender is reported with its window, its widget and the widths needed and given.
#include "AgentTarget.h"
#include "PanelDialog.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "main_window/TEntrySearch.h"
#include "main_window/THelpForm.h"
#include "main_window/TMainForm.h"
#include "main_window/TMenuCatalogue.h"
#include "main_window/catalogue/PageOpener.h"
#include "shell/QxMessages.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/page_form/TConfigForm.h"
#include "ui/panels/TBitListForm.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/panels/TListViewPanel.h"
#include "ui/panels/TSNMPListViewPanel.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TPageControl.h"
#include "viewer/ViewerCatalogue.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTreeWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// A generated page's window grows up to this size and scrolls its rows beyond it.
constexpr QSize LargestPage(800, 550);

struct Offender {
    std::string window;
    std::string widget;
    std::string text;
    int needed = 0;
    int given = 0;
};

std::string Std(const QString& text) {
    return text.toStdString();
}

std::string Describe(const QWidget* w) {
    std::string d = w->metaObject()->className();
    if (!w->objectName().isEmpty()) {
        d += " " + Std(w->objectName());
    }
    return d;
}

// The widest line of a text in a font.
int TextWidth(const QFontMetrics& fm, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, fm.horizontalAdvance(line));
    }
    return widest;
}

// A button's caption as it is drawn: "&&" is an ampersand, a single "&" marks the mnemonic.
QString ShownCaption(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// Values whose longest form is known from their syntax: a field that shows one of them must
// have room for the longest, whatever the device holds now.
QString LongestOfSyntax(const QString& text) {
    static const QRegularExpression address(QStringLiteral("^\\d{1,3}(\\.\\d{1,3}){3}$"));
    static const QRegularExpression mac(QStringLiteral("^[0-9A-Fa-f]{2}([-: ][0-9A-Fa-f]{2}){5}$"));
    if (address.match(text).hasMatch()) {
        return QStringLiteral("255.255.255.255");
    }
    if (mac.match(text).hasMatch()) {
        QString zeros = text;
        for (QChar& c : zeros) {
            if (c.isLetterOrNumber()) {
                c = QLatin1Char('0');
            }
        }
        return zeros;
    }
    return {};
}

// The width of a widget that neither a sibling to its right covers nor one of its parents cuts
// off, up to the window. The rows area of a scroll box scrolls, so what lies beyond its edge is
// not cut.
int UncutWidth(const QWidget* w, const QWidget* window) {
    QRect shown = w->rect();
    if (w != window && w->parentWidget() != nullptr) {
        const QRect own = w->geometry();
        for (const QObject* o : w->parentWidget()->children()) {
            const auto* sibling = qobject_cast<const QWidget*>(o);
            if (sibling == nullptr || sibling == w || !sibling->isVisibleTo(window) ||
                sibling->isWindow()) {
                continue;
            }
            const QRect other = sibling->geometry();
            const int overlap =
                std::min(own.bottom(), other.bottom()) - std::max(own.top(), other.top()) + 1;
            if (overlap > 2 && other.left() > own.left() && other.left() <= own.right()) {
                shown.setRight(std::min(shown.right(), other.left() - own.left() - 1));
            }
        }
    }
    QPoint offset(0, 0);
    for (const QWidget* child = w; child != window && child->parentWidget() != nullptr;
         child = child->parentWidget()) {
        const QWidget* parent = child->parentWidget();
        if (qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()) != nullptr &&
            parent == static_cast<const QAbstractScrollArea*>(parent->parentWidget())->viewport()) {
            break;
        }
        offset += child->pos();
        shown &= parent->rect().translated(-offset);
    }
    return std::max(0, shown.width());
}

class ClipCheck {
public:
    explicit ClipCheck(std::vector<Offender>& out) : out_(out) {}

    // Checks every widget of the window that the window shows now.
    void Window(QWidget* window, const std::string& where) {
        ++windows_;
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QApplication::processEvents();
        const std::size_t before = out_.size();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window) || w->width() <= 0) {
                continue;
            }
            Widget(w, window, where);
        }
        // KSW_CLIP_SHOTS=<folder> keeps a picture of every window with a cut text there (or
        // of every window, with KSW_CLIP_SHOTS_ALL set), to look at what the numbers say.
        const QString shots = qEnvironmentVariable("KSW_CLIP_SHOTS");
        if (!shots.isEmpty() &&
            (out_.size() > before || qEnvironmentVariableIsSet("KSW_CLIP_SHOTS_ALL"))) {
            QString name = QString::fromStdString(where);
            name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
            window->grab().save(shots + QLatin1Char('/') + name + QStringLiteral(".png"));
        }
    }

    int Windows() const { return windows_; }

private:
    void Report(const std::string& where, const QWidget* w, const QString& text, int needed,
                int given) {
        if (needed > given) {
            out_.push_back({where, Describe(w), Std(text), needed, given});
        }
    }

    void Widget(QWidget* w, QWidget* window, const std::string& where) {
        const QFontMetrics fm = w->fontMetrics();
        QStyle* style = w->style();
        const int given = std::min(w->width(), UncutWidth(w, window));
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty() || label->wordWrap()) {
                return;
            }
            const int frame = 2 * (label->frameWidth() + label->margin()) +
                              (label->indent() > 0 ? label->indent() : 0);
            Report(where, w, label->text(), TextWidth(fm, label->text()) + frame, given);
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            const QString text = ShownCaption(button->text());
            if (text.isEmpty()) {
                return;
            }
            QStyleOptionButton opt;
            opt.initFrom(button);
            opt.text = text;
            opt.features = button->autoDefault() ? QStyleOptionButton::AutoDefaultButton
                                                 : QStyleOptionButton::None;
            int contents = TextWidth(fm, text);
            if (!button->icon().isNull()) {
                contents += button->iconSize().width() + 4;
            }
            // Styles give captioned buttons a least width; a wide probe keeps it out of the sum.
            constexpr int Probe = 1000;
            const int needed = style
                                   ->sizeFromContents(QStyle::CT_PushButton, &opt,
                                                      QSize(contents + Probe, fm.height()), button)
                                   .width() -
                               Probe;
            Report(where, w, text, needed, given);
        } else if (qobject_cast<QCheckBox*>(w) != nullptr ||
                   qobject_cast<QRadioButton*>(w) != nullptr) {
            const auto* button = static_cast<QAbstractButton*>(w);
            if (button->text().isEmpty()) {
                return;
            }
            Report(where, w, ShownCaption(button->text()), button->sizeHint().width(), given);
        } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
            Header(header, where);
        } else if (auto* area = qobject_cast<QScrollArea*>(w)) {
            // A window below the largest page size has room to show its rows whole: a scroll
            // bar there hides controls behind it.
            if (window->width() < LargestPage.width() && window->height() < LargestPage.height() &&
                area->widget() != nullptr) {
                const QSize content = area->widget()->size();
                const QSize shown = area->viewport()->size();
                if (area->horizontalScrollBar()->isVisible()) {
                    Report(where, w, QStringLiteral("(scrolls sideways)"), content.width(),
                           shown.width());
                }
                if (area->verticalScrollBar()->isVisible()) {
                    Report(where, w, QStringLiteral("(scrolls up and down)"), content.height(),
                           shown.height());
                }
            }
        } else if (auto* list = qobject_cast<QTreeWidget*>(w)) {
            Cells(list, where);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            // The edit of a spin box or combo box is measured with its owner.
            if (qobject_cast<QAbstractSpinBox*>(edit->parentWidget()) != nullptr ||
                qobject_cast<QComboBox*>(edit->parentWidget()) != nullptr ||
                edit->echoMode() != QLineEdit::Normal) {
                return;
            }
            QString text = edit->text();
            const QString longest = LongestOfSyntax(text);
            if (fm.horizontalAdvance(longest) > fm.horizontalAdvance(text)) {
                text = longest;
            }
            if (text.isEmpty()) {
                return;
            }
            QStyleOptionFrame opt;
            opt.initFrom(edit);
            opt.rect = QRect(0, 0, given, edit->height());
            opt.lineWidth =
                edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
            // The text area of the frame, less the edit's own text margins and the two pixels
            // each side that a line edit keeps free.
            const QRect area = style->subElementRect(QStyle::SE_LineEditContents, &opt, edit);
            const QMargins margins = edit->textMargins();
            const int room = area.width() - margins.left() - margins.right() - 2 * 2;
            Report(where, w, text, fm.horizontalAdvance(text), room);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QString longest;
            int textWidth = 0;
            for (int i = 0; i < combo->count(); ++i) {
                const int width = fm.horizontalAdvance(combo->itemText(i));
                if (width > textWidth) {
                    textWidth = width;
                    longest = combo->itemText(i);
                }
            }
            if (combo->isEditable()) {
                const QString current = combo->currentText();
                QString text = LongestOfSyntax(current);
                if (fm.horizontalAdvance(current) > fm.horizontalAdvance(text)) {
                    text = current;
                }
                if (fm.horizontalAdvance(text) > textWidth) {
                    textWidth = fm.horizontalAdvance(text);
                    longest = text;
                }
            }
            if (longest.isEmpty()) {
                return;
            }
            QStyleOptionComboBox opt;
            opt.initFrom(combo);
            opt.editable = combo->isEditable();
            opt.frame = combo->hasFrame();
            opt.currentText = longest;
            const int needed = style
                                   ->sizeFromContents(QStyle::CT_ComboBox, &opt,
                                                      QSize(textWidth, fm.height()), combo)
                                   .width();
            Report(where, w, longest, needed, given);
        } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
            Report(where, w, spin->text(), spin->minimumSizeHint().width(), given);
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            if (group->title().isEmpty() || group->layout() != nullptr) {
                return;
            }
            QStyleOptionGroupBox opt;
            opt.initFrom(group);
            opt.text = group->title();
            opt.lineWidth = 1;
            opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect label =
                style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, group);
            Report(where, w, group->title(),
                   label.left() + fm.horizontalAdvance(ShownCaption(group->title())) + 4, given);
        }
    }

    void Header(QHeaderView* header, const std::string& where) {
        if (header->orientation() != Qt::Horizontal || header->model() == nullptr) {
            return;
        }
        const QFontMetrics fm = header->fontMetrics();
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int i = 0; i < header->count(); ++i) {
            // A column of width 0 is one the page leaves out of view on purpose.
            if (header->isSectionHidden(i) || header->sectionSize(i) == 0) {
                continue;
            }
            const QString text =
                header->model()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
            if (text.isEmpty()) {
                continue;
            }
            int needed = fm.horizontalAdvance(text) + 2 * margin;
            if (header->isSortIndicatorShown() && header->sortIndicatorSection() == i) {
                needed += header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) +
                          margin;
            }
            if (needed > header->sectionSize(i)) {
                out_.push_back({where, Describe(header) + " column " + std::to_string(i), Std(text),
                                needed, header->sectionSize(i)});
            }
        }
    }

    // Cells that hold an address or a MAC address need room for the longest of their kind.
    void Cells(QTreeWidget* list, const std::string& where) {
        constexpr int SampleRows = 50;
        const QFontMetrics fm = list->fontMetrics();
        const int margin =
            2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
        QHeaderView* header = list->header();
        for (int c = 0; c < list->columnCount(); ++c) {
            if (header->isSectionHidden(c) || header->sectionSize(c) == 0) {
                continue;
            }
            for (int r = 0; r < std::min(SampleRows, list->topLevelItemCount()); ++r) {
                const QString longest = LongestOfSyntax(list->topLevelItem(r)->text(c));
                if (longest.isEmpty()) {
                    continue;
                }
                int needed = fm.horizontalAdvance(longest) + margin;
                if (c == 0 && list->rootIsDecorated()) {
                    needed += list->indentation();
                }
                if (needed > header->sectionSize(c)) {
                    out_.push_back({where, Describe(list) + " cells of column " + std::to_string(c),
                                    Std(list->topLevelItem(r)->text(c)), needed,
                                    header->sectionSize(c)});
                }
                break;
            }
        }
    }

    std::vector<Offender>& out_;
    int windows_ = 0;
};

// The dialog that runs modally over `under` once `open` has been called: checked, then closed.
// False when no dialog came.
bool CheckDialog(QObject* context, ClipCheck& check, const std::string& where,
                 const std::function<void()>& open) {
    QWidget* under = QApplication::activeModalWidget();
    bool came = false;
    PostCall(context, [&] {
        auto* dialog = dynamic_cast<TForm*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == under) {
            return;
        }
        came = true;
        WaitUntil([] { return false; }, 50);
        check.Window(dialog, where);
        if (dialog->isVisible()) {
            dialog->Close();
        }
    });
    open();
    return came;
}

// Lets what the last answers set off run (a page growing for a long value, columns widening
// for the rows that came): waits until the widths of the window's widgets and columns and the
// number of rows stay the same for a while, at most two seconds, so that a slow run (the
// sanitizers) sees the window as a user would.
void SettleLayout(QWidget* window) {
    const auto snapshot = [window] {
        std::vector<int> sizes;
        for (const QWidget* w : window->findChildren<QWidget*>()) {
            sizes.push_back(w->isVisible() ? w->width() : -1);
        }
        for (const QHeaderView* h : window->findChildren<QHeaderView*>()) {
            for (int i = 0; i < h->count(); ++i) {
                sizes.push_back(h->sectionSize(i));
            }
        }
        for (const QTreeWidget* t : window->findChildren<QTreeWidget*>()) {
            sizes.push_back(t->topLevelItemCount());
        }
        return sizes;
    };
    std::vector<int> last = snapshot();
    for (int i = 0; i < 40; ++i) {
        WaitUntil([] { return false; }, 50);
        std::vector<int> now = snapshot();
        if (now == last) {
            return;
        }
        last = std::move(now);
    }
}

class ClippingTest : public UiTest {
protected:
    static void SetUpTestSuite() {
        EnsureTestSession();
        sim_ = new TestAgent(TestAgent::Kind::Simulator);
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }
    void SetUp() override {
        UiTest::SetUp();
        MessageScript::SetScriptMode(true);
        SnmpGlobal().ResetParameters();
        QxMessages::Reset();
        Application().ResetTerminated();
        main_ = std::make_unique<TMainForm>(std::vector<std::string>{"/I127.0.0.1"},
                                            dir_.path().toStdString() + "/", nullptr, false);
        PointModuleAt(*sim_);
    }
    void TearDown() override {
        main_.reset();
        Application().ResetTerminated();
        QxMessages::Reset();
        SnmpGlobal().ResetParameters();
        // Boxes that the windows raise against the simulator are not what this test looks at.
        MessageScript::Clear();
        UiTest::TearDown();
    }

    // Waits (bounded) until no page of the form is reading.
    static void Settle(TConfigForm& form) {
        WaitUntil(
            [&] {
                for (int i = 0; i < form.BindingCount(); ++i) {
                    if (form.Binding(i)->busy) {
                        return false;
                    }
                }
                return true;
            },
            10000);
        SettleLayout(&form);
    }

    static TSNMPListViewPanel* ListPanel(TConfigForm& form, int page) {
        for (QWidget* w : form.findChildren<QWidget*>()) {
            auto* p = dynamic_cast<TSNMPListViewPanel*>(w);
            if (p != nullptr && p->Binding() == form.Binding(page)) {
                return p;
            }
        }
        return nullptr;
    }

    // Every tab of a page form, and the add and edit dialogs of its table pages.
    void CheckPageForm(TConfigForm& form, const std::string& where) {
        const int pages = form.PageControl() != nullptr ? form.PageControl()->PageCount() : 1;
        for (int page = 0; page < pages && form.isVisible(); ++page) {
            std::string at = where;
            if (form.PageControl() != nullptr) {
                form.PageControl()->SetActivePage(form.PageControl()->Page(page));
                at += " [" + form.PageControl()->Page(page)->Caption() + "]";
            }
            Settle(form);
            check_.Window(&form, at);
            TSNMPListViewPanel* list = ListPanel(form, page);
            if (list == nullptr) {
                continue;
            }
            TCtrlBtnPanel& column = *list->ButtonPanel();
            if (column.addButton->isVisible()) {
                CheckDialog(&form, check_, at + " (Add)", [&] { column.addButton->Click(); });
                Settle(form);
            }
            TListView& view = *list->ListViewPanel()->ListView();
            if (column.editButton->isVisible() && view.ItemCount() > 0) {
                view.SetSelected(view.Item(0));
                list->UpdateRowButtons();
                CheckDialog(&form, check_, at + " (Edit)", [&] { column.editButton->Click(); });
                Settle(form);
            }
        }
    }

    // A hand-made window; the dialogs behind its Add and Edit buttons with its first row
    // selected.
    void CheckHandMade(TForm& form, const std::string& where) {
        WaitUntil([] { return false; }, 100);
        SettleLayout(&form);
        check_.Window(&form, where);
        for (TListView* view : form.findChildren<TListView*>()) {
            if (view->ItemCount() > 0) {
                view->SetSelected(view->Item(0));
            }
        }
        for (TButton* button : form.findChildren<TButton*>()) {
            const QString caption = ShownCaption(button->text());
            if ((caption == QStringLiteral("Add") || caption == QStringLiteral("Edit")) &&
                button->isVisibleTo(&form) && button->isEnabled() && form.isVisible()) {
                CheckDialog(&form, check_, where + " (" + Std(caption) + ")",
                            [&] { button->Click(); });
                MessageScript::Clear();
            }
        }
    }

    // Runs `open`, which shows a window modally; checks it once it runs and closes it.
    template <typename Window>
    bool WithModal(const std::string& where, const std::function<void()>& open,
                   const std::function<void(Window&)>& inside) {
        bool came = false;
        PostCall(main_.get(), [&] {
            QPointer<QWidget> modal = QApplication::activeModalWidget();
            auto* window = dynamic_cast<Window*>(modal.data());
            if (window == nullptr) {
                return;
            }
            came = true;
            inside(*window);
            if (modal != nullptr && modal->isVisible()) {
                static_cast<TForm*>(modal.data())->Close();
            }
        });
        open();
        EXPECT_TRUE(came) << where << ": no window";
        return came;
    }

    void CheckEntry(const PageDefinition& entry) {
        const std::string where = TMenuCatalogue::FullPath(entry);
        MessageScript::Clear();
        if (IsGeneratedPage(entry)) {
            WithModal<TConfigForm>(
                where, [&] { main_->RunEntry(entry); },
                [&](TConfigForm& form) { CheckPageForm(form, where); });
        } else if (entry.kind == EntryKind::HandMade) {
            WithModal<TForm>(
                where, [&] { main_->RunEntry(entry); },
                [&](TForm& form) { CheckHandMade(form, where); });
        } else if (entry.kind == EntryKind::Viewer) {
            // The viewer program builds its window from its own catalogue with the same page
            // machinery; here it is built in this process.
            const PageDefinition* viewer = FindViewerEntry(entry.target);
            ASSERT_NE(viewer, nullptr) << where;
            PageHost host;
            host.owner = main_.get();
            host.addressText = "127.0.0.1";
            std::unique_ptr<TConfigForm> form = BuildPageForm(*viewer, host);
            WithModal<TConfigForm>(
                where, [&] { form->ShowModal(); },
                [&](TConfigForm& shown) { CheckPageForm(shown, where); });
        } else if (entry.kind == EntryKind::Help) {
            THelpForm& help = THelpForm::Open("", dir_.path().toStdString() + "/");
            WaitUntil([&] { return help.isVisible(); }, 2000);
            check_.Window(&help, where);
            help.close();
        } else {
            // Device commands and entries without an action open no window of their own.
            ++windowless_;
            return;
        }
        ++opened_;
    }

    std::string Listing() const {
        std::ostringstream s;
        for (const Offender& o : offenders_) {
            s << "\n  " << o.window << ": " << o.widget << " \"" << o.text << "\" needs "
              << o.needed << " px, has " << o.given;
        }
        return s.str();
    }

    static TestAgent* sim_;
    QTemporaryDir dir_;
    std::unique_ptr<TMainForm> main_;
    std::vector<Offender> offenders_;
    ClipCheck check_{offenders_};
    int opened_ = 0;
    int windowless_ = 0;
};

TestAgent* ClippingTest::sim_ = nullptr;

// Every entry of the menu, one by one.
TEST_F(ClippingTest, EveryEntryShowsItsTextsWhole) {
    for (const PageDefinition& entry : Catalogue) {
        CheckEntry(entry);
    }
    EXPECT_EQ(opened_ + windowless_, static_cast<int>(Catalogue.size()));
    EXPECT_TRUE(offenders_.empty())
        << offenders_.size() << " cut texts in " << check_.Windows() << " windows:" << Listing();
}

// The dialogs that no menu entry opens itself: the entry search, and the bit-list dialog of a
// port list, writable and read-only.
TEST_F(ClippingTest, DialogsShowTheirTextsWhole) {
    WithModal<TEntrySearch>(
        "Entry search", [&] { TEntrySearch(main_.get()).ShowModal(); },
        [&](TEntrySearch& search) { check_.Window(&search, "Entry search"); });
    for (const bool editable : {true, false}) {
        const std::string where = editable ? "Port list" : "Port list (read-only)";
        WithModal<TBitListForm>(
            where, [&] { TBitListForm(main_.get(), "Member Ports", 8, 28, editable).ShowModal(); },
            [&](TBitListForm& form) { check_.Window(&form, where); });
    }
    EXPECT_TRUE(offenders_.empty()) << Listing();
}

} // namespace
