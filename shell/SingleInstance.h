#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per computer and user: the first copy listens on a local socket whose name is
// derived from the key and the user; a later copy finds it there, asks it to come forward and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &key = QStringLiteral("Salvia"), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy (it now listens for later ones); false when another copy runs.
    bool tryStart();
    // Asks the running copy to show itself in front; false when none answers.
    bool activateRunningCopy();

    // The local socket name: the key and a hash of the user's identity.
    QString serverName() const { return m_serverName; }
    static QString serverNameFor(const QString &key);

    // Shown by a second copy before it ends.
    static QString alreadyRunningText();

signals:
    // A later copy asked this one to show itself.
    void activationRequested();

private:
    bool contactRunningCopy(bool activate);

    QString m_serverName;
    QLocalServer *m_server = nullptr;
};
