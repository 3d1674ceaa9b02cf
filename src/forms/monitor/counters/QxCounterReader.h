#pragma once

#include "binding/QxSNMPRequest2Edits.h"

#include <string>
#include <vector>

// The counters binding of the counter monitors: an asynchronous binding that keeps the value
// texts of the first answer of each Get (the one row of a get, or the first row of a walk of
// scalar groups, whose objects all answer with instance .0).
class QxCounterReader : public QxSNMPRequest2Edits {
public:
    explicit QxCounterReader(QWidget* ownerForm);

    // Whether the latest Get brought a first row, and its value texts by variable.
    bool HasRow() const { return hasRow_; }
    const std::vector<std::string>& FirstRow() const { return firstRow_; }
    // Stops the request for good (a read in flight ends with its answer); Get sends nothing
    // after this.
    void Stop();
    bool Stopped() const;

protected:
    void BeforeGet() override;
    void PutAnswer() override;

private:
    bool hasRow_ = false;
    std::vector<std::string> firstRow_;
    // The walk of a scalar group was stopped after its first row, not the request for good.
    bool walkCut_ = false;
};
