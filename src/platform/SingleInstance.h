#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

// One running copy per user. The first copy holds the lock file "Servato2.lock" and listens on the
// local socket "Servato2" in the user's runtime folder; a later copy finds the lock taken,
// connects and asks the first copy to restore and raise its window, and then ends. A crashed
// copy leaves a stale lock (its process is gone) and a stale socket; both are taken over.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    static constexpr const char* kName = "Servato2";

    // folder: where the lock and the socket live; empty = the user's runtime folder.
    explicit SingleInstance(QString folder = {});
    ~SingleInstance() override;

    // True when no other copy runs; this copy then holds the lock until Release.
    bool TryAcquire();
    // Asks the running copy to restore and raise its window; false when it could not be reached.
    bool AskRunningCopyToRaise();
    // Starts answering raise requests with the handler (the main window supplies it); false when
    // the socket cannot be created.
    bool Listen(std::function<void()> onRaiseRequest);
    void Release();

    QString SocketPath() const;

  private:
    void AcceptConnections();

    QString folder_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> onRaiseRequest_;
};
