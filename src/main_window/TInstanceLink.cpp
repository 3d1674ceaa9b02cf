#include "main_window/TInstanceLink.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QString>
#include <QWidget>

#include <unistd.h>

namespace {

constexpr char RaiseRequest[] = "raise\n";
constexpr char RaiseAnswer[] = "ok\n";

} // namespace

TInstanceLink::TInstanceLink(QWidget* window) : window_(window) {}

TInstanceLink::~TInstanceLink() = default;

std::string TInstanceLink::ServerName(const std::string& title) {
    // One name space per user; the title is kept readable, without path separators.
    std::string name = "ksw524p-" + std::to_string(::getuid()) + "-";
    for (char c : title) {
        if (c == '/' || c == '%') {
            name += c == '/' ? "%2F" : "%25";
        } else {
            name += c;
        }
    }
    return name;
}

void TInstanceLink::Listen(const std::string& title) {
    QString name = QString::fromStdString(ServerName(title));
    {
        // The window that has the title first keeps it for later starts.
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(500)) {
            server_.reset();
            return;
        }
    }
    // A socket left behind by an instance that ended abnormally would block the name.
    QLocalServer::removeServer(name);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) {
        server_.reset();
        return;
    }
    connect(server_.get(), &QLocalServer::newConnection, this, &TInstanceLink::Answer);
}

void TInstanceLink::Answer() {
    while (QLocalSocket* peer = server_->nextPendingConnection()) {
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            if (!peer->readAll().contains("raise")) {
                return;
            }
            window_->showNormal();
            window_->raise();
            window_->activateWindow();
            peer->write(RaiseAnswer);
            peer->flush();
        });
    }
}

bool TInstanceLink::RaiseExisting(const std::string& title, int waitMs) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(ServerName(title)));
    if (!socket.waitForConnected(waitMs)) {
        return false;
    }
    socket.write(RaiseRequest);
    socket.waitForBytesWritten(waitMs);
    // The window is there whether or not it answers in time.
    socket.waitForReadyRead(waitMs);
    return true;
}
