#pragma once

#include "vocab/QxCompositePanel.h"

#include <string>
#include <vector>

class TEdit;
class TPanel;

// A toolkit panel as the row of a composite field: labels and edits are created on it as
// children, so the panel's owner frees them with it, and each new edit follows the one before
// it in tab order.
class TCompositePanel : public QxCompositePanel {
public:
    explicit TCompositePanel(TPanel& panel) : panel_(panel) {}

    void ClearFrame() override;
    int AddLabel(const std::string& text, int left) override;
    QxTextField& AddField(int left) override;

    // The edits created so far, in creation order.
    const std::vector<TEdit*>& Edits() const { return edits_; }

private:
    TPanel& panel_;
    std::vector<TEdit*> edits_;
};
