#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace {

// The request is one line: "show", or "show " and an action word.
const QByteArray ShowRequest = "show";
const QByteArray ShowAnswer = "ok\n";

bool IsActionWord(const QByteArray& word)
{
    return !word.isEmpty() && word.size() <= 32
        && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// The action of a request line; nothing when the line is none of ours.
std::optional<QString> RequestedAction(const QByteArray& line)
{
    if (line == ShowRequest + '\n')
        return QString();
    const QByteArray prefix = ShowRequest + ' ';
    if (!line.startsWith(prefix) || !line.endsWith('\n'))
        return std::nullopt;
    const QByteArray word = line.mid(prefix.size(), line.size() - prefix.size() - 1);
    if (!IsActionWord(word))
        return std::nullopt;
    return QString::fromLatin1(word);
}

} // namespace

QString SingleInstanceServerName(const QString& title, const QString& user)
{
    QString readable;
    for (const QChar c : title + u'_' + user) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        if (plain)
            readable.append(c);
        else if (!readable.endsWith(u'_'))
            readable.append(u'_');
    }
    const QByteArray hash =
        QCryptographicHash::hash((title + u'\n' + user).toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    // Unix socket paths are short (about 100 bytes with the folder).
    return readable.left(48) + u'-' + QString::fromLatin1(hash);
}

QString CurrentUserName()
{
    for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QFileInfo(QDir::homePath()).fileName();
}

SingleInstance::SingleInstance(const QString& title, QObject* parent)
    : QObject(parent), name_(SingleInstanceServerName(title, CurrentUserName()))
{
}

bool SingleInstance::anotherIsRunning(int timeoutMs, const QString& action)
{
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs))
        return false; // nobody listens (or only a stale socket file is left)
    socket.write(action.isEmpty() ? ShowRequest + '\n' : ShowRequest + ' ' + action.toLatin1() + '\n');
    socket.waitForBytesWritten(timeoutMs);
    // A copy that accepted the connection is running even if it is slow to
    // answer; the answer only confirms that it got the request.
    socket.waitForReadyRead(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::AskRunningCopyToShow(const QString& title, int timeoutMs, const QString& action)
{
    return SingleInstance(title).anotherIsRunning(timeoutMs, action);
}

bool SingleInstance::listen()
{
    if (server_)
        return true;
    // A live copy answers a connection; a socket file that nobody answers is
    // left over from a copy that did not end normally and may be replaced.
    // (Listening with access options replaces an existing socket file without
    // any error, so this test cannot be left to listen() itself.)
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(500)) {
        probe.abort();
        return false;
    }
    QLocalServer::removeServer(name_);
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name_)) {
        delete server;
        return false;
    }
    server_ = server;
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::answer);
    return true;
}

void SingleInstance::answer()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > 64) // not one of ours
                    socket->abort();
                return;
            }
            if (const std::optional<QString> action = RequestedAction(socket->readLine())) {
                socket->write(ShowAnswer);
                socket->flush();
                emit showRequested(*action);
            }
            socket->disconnectFromServer();
        });
    }
}

void ShowAndRaise(QWidget* window)
{
    if (!window)
        return;
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}
