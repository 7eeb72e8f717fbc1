#include "version_socket_qt.h"

#include <QByteArray>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include "ui/qstring_qt.h"

namespace vornia {

TVersionSocket::TVersionSocket(QObject* parent) : QObject(parent), Socket(new QTcpSocket(this)), Timer(new QTimer(this))
{
    Timer->setSingleShot(true);
    // Bound what Qt buffers for us: only the first piece of the answer is
    // ever looked at, whatever the server sends.
    Socket->setReadBufferSize(static_cast<qint64>(MaxVersionAnswerBytes));
    connect(Socket, &QTcpSocket::connected, this, [this] {
        if (Check)
            Check->sokVersionWrite();
    });
    connect(Socket, &QTcpSocket::readyRead, this, [this] {
        if (Check)
            Check->sokVersionRead();
    });
    connect(Timer, &QTimer::timeout, this, [this] {
        if (Check)
            Check->timVersionCheckTimer();
    });
}

TVersionSocket::~TVersionSocket() {
    Check = nullptr;
    Socket->disconnect(this);
    Timer->stop();
    if (IsConnectionOpen())
        Socket->abort();
}

void TVersionSocket::Attach(TVersionCheck* check) {
    Check = check;
}

void TVersionSocket::OpenConnection(const std::string& host, int port) {
    if (port < 1 || port > 65535)
        return; // never connects; the time-out ends the check
    Socket->connectToHost(ToQString(host), static_cast<quint16>(port));
}

bool TVersionSocket::SendText(const std::string& text) {
    if (Socket->state() != QAbstractSocket::ConnectedState)
        return false;
    const qint64 written = Socket->write(text.data(), static_cast<qint64>(text.size()));
    return written == static_cast<qint64>(text.size());
}

std::string TVersionSocket::ReceivedText(std::size_t maxBytes) {
    const QByteArray bytes = Socket->read(static_cast<qint64>(maxBytes));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void TVersionSocket::CloseConnection() {
    Socket->abort();
}

bool TVersionSocket::IsConnectionOpen() const {
    return Socket->state() != QAbstractSocket::UnconnectedState;
}

void TVersionSocket::StartTimer(int intervalMs) {
    Timer->start(intervalMs);
}

void TVersionSocket::StopTimer() {
    Timer->stop();
}

} // namespace vornia
