// A program that ends with SNMP exchanges in flight, the way the module ends: the application
// object is a local of main and goes first, the global session goes with the statics after it.
// Usage: QxSNMPSessionExitHelper <boot counter folder> return|exit
#include "TestAgent.h"
#include "snmp/QxSNMPSession.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    QCoreApplication app(argc, argv);
    QxSNMPSession::CreateGlobal(argv[1]);
    QxSNMPTarget target;
    target.device.port = static_cast<std::uint16_t>(FreeUdpPort());
    target.timeout = 500;
    for (std::uint8_t version : {0, 1, 3}) {
        target.security.version = version;
        target.security.securityModel = version == 3 ? 3 : 1;
        target.security.securityName = "noAuthUser";
        QxVb vb;
        vb.oid = {1, 3, 6, 1, 2, 1, 1, 3, 0};
        // The owners are gone at the end: a completion must not run then.
        QxSNMPSession::Global()->SendAsync(QxPduType::Get, target, {vb},
                                           [](const QxSNMPAnswer&) { std::abort(); });
    }
    app.processEvents();
    if (std::strcmp(argv[2], "exit") == 0) {
        std::exit(0);
    }
    return 0;
}
