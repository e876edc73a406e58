// CScriptServer: the local socket that scripts connect to, the token file that admits them and
// the setting that allows it at all.
#pragma once

#include "script/cscriptsession.h"

#include <QObject>
#include <QPointer>

class QLocalServer;

class CScriptServer : public QObject
{
    Q_OBJECT

public:
    explicit CScriptServer(QObject *parent = nullptr);
    ~CScriptServer() override;

    // "Allow scripts", kept in file/ScriptParams.json; off when the file is missing or unusable.
    static bool allowedInSettings();
    static void setAllowedInSettings(bool allowed);

    // Where the socket's name and the token are written, readable by this user only.
    static QString tokenFilePath();

    // Starts listening and writes the token file; false, with the reason logged, when it cannot.
    bool listen();
    // Ends the session, stops listening and removes the token file.
    void close(const QString &reason);
    bool isListening() const;

    // The connected script, if any; one at a time, so that the window knows whose moves it shows.
    CScriptSession *session() const { return current; }

signals:
    void sessionStarted();
    void sessionEnded();

private slots:
    void onNewConnection();
    void onSessionEnded();

private:
    QLocalServer *server = nullptr;
    QPointer<CScriptSession> current;
    QByteArray token;
};
