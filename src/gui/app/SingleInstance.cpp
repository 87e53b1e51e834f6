#include "gui/app/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace kestrava {

namespace {
constexpr int kWaitMs = 1000;
const char kRaise[] = "raise\n";
} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name))
{
}

QString SingleInstance::socketName(const std::filesystem::path& programFolder)
{
    // One program per user and program folder: another installation, or a
    // test's temporary folder, runs beside it instead of swallowing its start.
    std::error_code error;
    std::filesystem::path folder = std::filesystem::weakly_canonical(programFolder, error);
    if (error)
        folder = programFolder;
    const QByteArray digest = QCryptographicHash::hash(QByteArray::fromStdString(folder.string()),
                                                       QCryptographicHash::Sha1)
                                  .toHex()
                                  .left(16);
    return QStringLiteral("kestrava-%1-%2").arg(::getuid()).arg(QString::fromLatin1(digest));
}

bool SingleInstance::claim()
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(kWaitMs)) {
        probe.write(kRaise);
        probe.waitForBytesWritten(kWaitMs);
        probe.disconnectFromServer();
        return false;
    }
    // Nobody answers: a socket file left by a crashed run is taken over.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name))
        return true;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("raise"))
                    emit raiseRequested();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return true;
}

} // namespace kestrava
