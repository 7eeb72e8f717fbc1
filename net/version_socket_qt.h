// The version check's socket and time-out on Qt: a non-blocking QTcpSocket
// and a QTimer whose events arrive on the user-interface thread and are
// passed to the attached TVersionCheck.
#pragma once

#include <string>

#include <QObject>

#include "net/version_check.h"

class QTcpSocket;
class QTimer;

namespace vornia {

class TVersionSocket : public QObject, public TVersionSocketPort {
    Q_OBJECT
public:
    explicit TVersionSocket(QObject* parent = nullptr);
    // Closes the socket when it is open; no event reaches the check after.
    ~TVersionSocket() override;

    // Connected -> sokVersionWrite, data arrived -> sokVersionRead, time-out
    // -> timVersionCheckTimer. check is kept, not owned (nullptr detaches);
    // it must stay alive while attached. Connection errors go nowhere.
    void Attach(TVersionCheck* check);

    void OpenConnection(const std::string& host, int port) override;
    bool SendText(const std::string& text) override;
    std::string ReceivedText(std::size_t maxBytes) override;
    void CloseConnection() override;
    bool IsConnectionOpen() const override;
    void StartTimer(int intervalMs) override;
    void StopTimer() override;

private:
    QTcpSocket* Socket;
    QTimer* Timer;
    TVersionCheck* Check = nullptr;
};

} // namespace vornia
