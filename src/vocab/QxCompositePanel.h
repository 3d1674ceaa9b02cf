#pragma once

#include <string>

class QxTextField;

// A panel on which an edit constraint lays out a composite field: a row of text fields with
// fixed texts between them. The toolkit implements it over a panel.
class QxCompositePanel {
public:
    virtual ~QxCompositePanel() = default;

    // Clears the panel's caption and removes its bevels, so that only the row shows.
    virtual void ClearFrame() = 0;
    // Creates an auto-sized label showing the text at (left, 0); returns its width.
    virtual int AddLabel(const std::string& text, int left) = 0;
    // Creates a text field at (left, 0), owned by the panel's owner and next in tab order
    // after the fields created before it.
    virtual QxTextField& AddField(int left) = 0;
};
