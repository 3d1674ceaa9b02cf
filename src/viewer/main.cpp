// Process entry of the table viewers. One program serves every viewer name the module starts
// (EthernetLike, Bridge, VLan, Rmon, Layer3); the table switch says which tables it shows.

#include "ui/toolkit/TApplication.h"
#include "viewer/ViewerRun.h"

#include <QByteArray>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* Usage =
    "usage: <viewer> /I<host> [/R<read community>] [/W<write community>] /T<table> [--print]\n"
    "       <viewer> /I<host> /t<port> /v3 /d<context engine ID> /m<security model>\n"
    "                /n<security name> /l<security level> /a<auth protocol> /p<priv protocol>\n"
    "                /A<auth pass phrase> /P<priv pass phrase> /c<context name> /T<table>\n"
    "Shows standard-MIB tables of the device, read-only. Tables:\n"
    "  /TEthernetLike_dot3StatsTable  /TBridge_Forwarding  /TVLan_Tp8021QStatic\n"
    "  /TRmon_Statistics  /TRmon_History  /TRmon_AlarmEvent\n"
    "  /TLayer3_RIP  /TLayer3_RIP2  /TLayer3_OSPF  /TLayer3_Area  /TLayer3_Lsdb\n"
    "  /TLayer3_Neighbor  /TLayer3_IPM  /TLayer3_DVMRP  /TLayer3_PIM\n"
    "  --print  read every table of the switch, print it and exit\n"
    "           (0 read, 1 a read failed, 2 no such table)\n";

} // namespace

int main(int argc, char** argv) {
    bool print = false;
    std::vector<char*> kept{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--print") == 0) {
            print = true;
        } else {
            kept.push_back(argv[i]);
        }
    }
    if (print) {
        // The tables are read and printed without a window on the screen.
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    int keptArgc = static_cast<int>(kept.size());
    kept.push_back(nullptr);
    TApplication app(keptArgc, kept.data());
    app.SetTitle("Table Viewer");
    return RunViewer(app.Arguments(), app.ExeFolder(), print);
}
