#include "ui/panels/TMsgPanel.h"

#include "ui/toolkit/TMemo.h"

#include <QTextDocument>

#include <algorithm>

namespace {

constexpr int PanelHeight = 50;

} // namespace

TMsgPanel::TMsgPanel(QWidget* owner) : TPanel(owner) {
    memo = new TMemo(this);
    memo->SetName("ResultMemo");
    memo->SetAlign(alClient);
    // The user reads and copies the results; typing into them means nothing.
    memo->SetReadOnly(true);
    memo->SetScrollBars(ssVertical);
    // Room for the last reports in the memo's own font, the frame and the document's margins.
    const int lines = memo->fontMetrics().lineSpacing() * VisibleLines;
    // The memo scrolls to show whole lines only, with the document's margin below the last.
    const int margins =
        2 * memo->frameWidth() + 3 * static_cast<int>(memo->document()->documentMargin()) + 4;
    SetHeight(std::max(PanelHeight, lines + margins));
}
