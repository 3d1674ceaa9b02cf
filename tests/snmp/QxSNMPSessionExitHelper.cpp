// A program that ends with SNMP exchanges in flight, the way the module ends: the application
// object is a local of main and goes first, the global session goes with the statics after it.
// Usage: QxSNMPSessionExitHelper <boot counter folder> return|exit
#include "snmp/QxSNMPSession.h"

#include <QCoreApplication>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace {

std::uint16_t DeadPort() {
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    QCoreApplication app(argc, argv);
    QxSNMPSession::CreateGlobal(argv[1]);
    QxSNMPTarget target;
    target.device.port = DeadPort();
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
