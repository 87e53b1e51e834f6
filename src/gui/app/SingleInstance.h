#pragma once

#include <QObject>
#include <QString>
#include <filesystem>

class QLocalServer;

namespace kestrava {

// One running program per user and program folder: the first start listens on a local socket,
// a later start tells it to come to the front and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QString name, QObject* parent = nullptr);

    // The socket name of the current user's program in this program folder.
    static QString socketName(const std::filesystem::path& programFolder);

    // True when no other instance runs; this one then listens. Otherwise the
    // running instance has been asked to raise its window.
    bool claim();

signals:
    void raiseRequested();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};

} // namespace kestrava
