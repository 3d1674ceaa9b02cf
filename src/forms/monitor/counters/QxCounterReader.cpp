#include "forms/monitor/counters/QxCounterReader.h"

QxCounterReader::QxCounterReader(QWidget* ownerForm) : QxSNMPRequest2Edits(ownerForm) {
    mode = Synchronous;
}

void QxCounterReader::BeforeGet() {
    QxSNMPRequest2Edits::BeforeGet();
    hasRow_ = false;
    firstRow_.clear();
}

void QxCounterReader::PutAnswer() {
    if (!hasRow_) {
        hasRow_ = true;
        for (int i = 0; i < request.vars.Count(); ++i) {
            firstRow_.push_back(request.vars.Entry(i).value);
        }
    }
    QxSNMPRequest2Edits::PutAnswer();
}
