#pragma once

#include <QObject>

#include <memory>
#include <string>

class QLocalServer;
class QWidget;

// Finds a running instance by its main window's title and brings that window to the front.
// Each main window listens on a local socket named after its title; a later start for the same
// title connects, asks it to come to the front and ends.
class TInstanceLink : public QObject {
public:
    explicit TInstanceLink(QWidget* window);
    ~TInstanceLink() override;

    // Listens under the window's title from now on (again after the title changed).
    void Listen(const std::string& title);

    // True when a window with this title runs: it has been asked to come to the front.
    static bool RaiseExisting(const std::string& title, int waitMs = 2000);

    // The local socket name for a window title.
    static std::string ServerName(const std::string& title);

private:
    void Answer();

    QWidget* window_;
    std::unique_ptr<QLocalServer> server_;
};
