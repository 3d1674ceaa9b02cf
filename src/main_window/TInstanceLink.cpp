#include "main_window/TInstanceLink.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QString>
#include <QWidget>

#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

namespace {

constexpr char RaiseRequest[] = "raise\n";
constexpr char RaiseAnswer[] = "ok\n";

// How often a start tries to take a title whose holder went away between its try and its call.
constexpr int ClaimTries = 3;

// True when the process at the other end of a connected local socket runs as this user. The
// abstract namespace is shared by all users, so a name could be taken by someone else's program.
bool PeerIsThisUser(qintptr descriptor) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return descriptor >= 0 &&
           ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

enum class Holder { None, ThisUser, OtherUser };

// Connects to the instance that holds the title, if any.
Holder Connect(QLocalSocket& socket, const std::string& title, int waitMs) {
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(QString::fromStdString(TInstanceLink::ServerName(title)));
    if (!socket.waitForConnected(waitMs)) {
        return Holder::None;
    }
    return PeerIsThisUser(socket.socketDescriptor()) ? Holder::ThisUser : Holder::OtherUser;
}

// Asks the connected instance to come to the front. The window is there whether or not it
// answers in time (it may still be starting up).
void AskToRaise(QLocalSocket& socket, int waitMs) {
    socket.write(RaiseRequest);
    socket.waitForBytesWritten(waitMs);
    socket.waitForReadyRead(waitMs);
}

} // namespace

TInstanceLink::TInstanceLink(QWidget* window) : window_(window) {}

TInstanceLink::~TInstanceLink() = default;

void TInstanceLink::Release() {
    if (server_) {
        server_->close();
    }
    server_.reset();
    title_.clear();
}

std::string TInstanceLink::ServerName(const std::string& title) {
    // One name per user and title. The title is hashed: it may be long (a host name) and hold
    // any bytes, while a socket name is short. Instances started with KSW_INSTANCE_SCOPE set
    // only meet those of the same scope (test runs that must not see each other).
    std::string key = title;
    if (const char* scope = std::getenv("KSW_INSTANCE_SCOPE"); scope != nullptr && *scope != 0) {
        key = std::string(scope) + '\n' + title;
    }
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray(key.data(), static_cast<qsizetype>(key.size())),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(32);
    return "ksw524p-" + std::to_string(::getuid()) + "-" + hash.toStdString();
}

std::unique_ptr<QLocalServer> TInstanceLink::Bind(const std::string& title) {
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (!server->listen(QString::fromStdString(ServerName(title)))) {
        return nullptr;
    }
    QLocalServer* raw = server.get();
    connect(raw, &QLocalServer::newConnection, this, [this, raw] { Answer(raw); });
    return server;
}

bool TInstanceLink::Claim(const std::string& title, int waitMs) {
    for (int i = 0; i < ClaimTries; ++i) {
        if (std::unique_ptr<QLocalServer> server = Bind(title)) {
            server_ = std::move(server);
            title_ = title;
            return true;
        }
        QLocalSocket socket;
        switch (Connect(socket, title, waitMs)) {
        case Holder::ThisUser:
            AskToRaise(socket, waitMs);
            return false;
        case Holder::OtherUser:
            // Not one of ours: start without the name rather than not at all.
            return true;
        case Holder::None:
            break; // the holder ended in between: try to take the name again
        }
    }
    return true;
}

bool TInstanceLink::Listen(const std::string& title) {
    if (server_ && title == title_) {
        return true;
    }
    // The new name replaces the one taken at start-up. When another instance holds it, that one
    // keeps it, and this window answers under no name.
    server_ = Bind(title);
    title_ = server_ ? title : std::string();
    return server_ != nullptr;
}

void TInstanceLink::Answer(QLocalServer* server) {
    while (QLocalSocket* peer = server->nextPendingConnection()) {
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        if (!PeerIsThisUser(peer->socketDescriptor())) {
            peer->abort();
            peer->deleteLater();
            continue;
        }
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            if (!peer->readAll().contains("raise")) {
                return;
            }
            if (window_ != nullptr) {
                window_->showNormal();
                window_->raise();
                window_->activateWindow();
            }
            peer->write(RaiseAnswer);
            peer->flush();
        });
    }
}

bool TInstanceLink::RaiseExisting(const std::string& title, int waitMs) {
    QLocalSocket socket;
    if (Connect(socket, title, waitMs) != Holder::ThisUser) {
        return false;
    }
    AskToRaise(socket, waitMs);
    return true;
}

bool TInstanceLink::Held(const std::string& title, int waitMs) {
    QLocalSocket socket;
    return Connect(socket, title, waitMs) == Holder::ThisUser;
}
