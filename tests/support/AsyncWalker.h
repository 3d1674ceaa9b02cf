#pragma once

#include "snmp/QxSNMPRequest.h"

// Walks a table asynchronously the way a page does: each completion that brings a row asks for
// the next one, until the request reports that the walk is done.
struct AsyncWalker {
    explicit AsyncWalker(QxSNMPRequest& r) : request(&r) {}

    void Start() { request->FetchAsync(&AsyncWalker::Step, this, true); }

    QxSNMPRequest* request;
    int rows = 0;
    bool ended = false;
    int code = 0;

private:
    static void Step(void* owner, const QxSNMPError& result, QxSNMPVarList&) {
        auto* w = static_cast<AsyncWalker*>(owner);
        w->code = result.code;
        if (result.done) {
            w->ended = true;
            return;
        }
        ++w->rows;
        w->request->FetchAsync(&AsyncWalker::Step, w, false);
    }
};
