#include "platform/SingleInstance.h"

#include <unistd.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

constexpr QByteArrayView kRaiseRequest = "raise\n";
// A copy that holds the lock may still be constructing its window before it listens.
constexpr int kReachRunningCopyMs = 3000;

// The user's runtime folder; without one (no login session) a private folder under /tmp.
QString DefaultFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return runtime;
    const QString folder = QDir::temp().filePath(QStringLiteral("servato2-%1").arg(getuid()));
    QDir().mkpath(folder);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}

}  // namespace

SingleInstance::SingleInstance(QString folder)
    : folder_(folder.isEmpty() ? DefaultFolder() : std::move(folder)),
      lock_(QDir(folder_).filePath(QStringLiteral("%1.lock").arg(kName))) {
    // Only a lock whose process is gone is stale: a copy that has run for hours keeps its lock.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    Release();
}

QString SingleInstance::SocketPath() const {
    return QDir(folder_).filePath(kName);
}

bool SingleInstance::TryAcquire() {
    if (lock_.isLocked()) return true;
    QDir().mkpath(folder_);
    return lock_.tryLock(0);
}

bool SingleInstance::AskRunningCopyToRaise() {
    const QDeadlineTimer deadline(kReachRunningCopyMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(SocketPath());
        if (socket.waitForConnected(200)) {
            socket.write(kRaiseRequest.data(), kRaiseRequest.size());
            const bool sent = socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(50);
    }
    return false;
}

bool SingleInstance::Listen(std::function<void()> onRaiseRequest) {
    onRaiseRequest_ = std::move(onRaiseRequest);
    if (server_) return true;
    if (!lock_.isLocked()) return false;
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock means any socket file left there belongs to a copy that is gone.
    QLocalServer::removeServer(SocketPath());
    if (!server->listen(SocketPath())) return false;
    connect(server.get(), &QLocalServer::newConnection, this, &SingleInstance::AcceptConnections);
    server_ = std::move(server);
    return true;
}

void SingleInstance::AcceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                // A peer that never ends its line cannot make the buffer grow without bound.
                if (socket->bytesAvailable() > 64) socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(64);
            if (line == kRaiseRequest && onRaiseRequest_) onRaiseRequest_();
        });
    }
}

void SingleInstance::Release() {
    server_.reset();
    if (lock_.isLocked()) lock_.unlock();
}
