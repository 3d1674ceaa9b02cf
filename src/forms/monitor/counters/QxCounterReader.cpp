#include "forms/monitor/counters/QxCounterReader.h"

QxCounterReader::QxCounterReader(QWidget* ownerForm) : QxSNMPRequest2Edits(ownerForm) {
    mode = Asynchronous;
}

void QxCounterReader::BeforeGet() {
    QxSNMPRequest2Edits::BeforeGet();
    hasRow_ = false;
    firstRow_.clear();
    if (walkCut_) {
        walkCut_ = false;
        request.active = true;
    }
}

void QxCounterReader::PutAnswer() {
    if (!hasRow_) {
        hasRow_ = true;
        for (int i = 0; i < request.vars.Count(); ++i) {
            firstRow_.push_back(request.vars.Entry(i).value);
        }
        // A scalar group answers every object in its first row; the step after it would
        // only find the walk's end. The walk stops after the answer in hand instead.
        if (IsTableList() && request.active) {
            request.active = false;
            walkCut_ = true;
        }
    }
    QxSNMPRequest2Edits::PutAnswer();
}

bool QxCounterReader::Stopped() const {
    return !request.active && !walkCut_;
}

void QxCounterReader::Stop() {
    walkCut_ = false;
    request.active = false;
}
