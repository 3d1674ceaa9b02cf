#pragma once

#include "snmp/QxSNMPRequest.h"

#include <string>
#include <vector>

// Walks a table asynchronously the way a page does: each completion that brings a row asks for
// the next one, until the request reports that the walk is done.
struct AsyncWalker {
    explicit AsyncWalker(QxSNMPRequest& r) : request(&r) {}

    void Start() { request->FetchAsync(&AsyncWalker::Step, this, true); }

    QxSNMPRequest* request;
    bool keepValues = false; // collect every row's value texts in `values`
    std::vector<std::vector<std::string>> values;
    int rows = 0;
    bool ended = false;
    int code = 0;

private:
    static void Step(void* owner, const QxSNMPError& result, QxSNMPVarList& vars) {
        auto* w = static_cast<AsyncWalker*>(owner);
        w->code = result.code;
        if (result.done) {
            w->ended = true;
            return;
        }
        ++w->rows;
        if (w->keepValues) {
            std::vector<std::string> row;
            for (int i = 0; i < vars.Count(); ++i) {
                row.push_back(vars.Entry(i).value);
            }
            w->values.push_back(std::move(row));
        }
        w->request->FetchAsync(&AsyncWalker::Step, w, false);
    }
};
