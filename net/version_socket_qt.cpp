#include "version_socket_qt.h"

#include <QByteArray>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

namespace vornia {

TVersionSocket::TVersionSocket(QObject* parent)
    : QObject(parent), socket_(new QTcpSocket(this)), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    // Bound what Qt buffers for us: only the first piece of the answer is
    // ever looked at, whatever the server sends.
    socket_->setReadBufferSize(static_cast<qint64>(MaxVersionAnswerBytes));
    connect(socket_, &QTcpSocket::connected, this, [this] {
        if (check_)
            check_->sokVersionWrite();
    });
    connect(socket_, &QTcpSocket::readyRead, this, [this] {
        if (check_)
            check_->sokVersionRead();
    });
    connect(timer_, &QTimer::timeout, this, [this] {
        if (check_)
            check_->timVersionCheckTimer();
    });
}

TVersionSocket::~TVersionSocket() {
    check_ = nullptr;
    socket_->disconnect(this);
    timer_->stop();
    if (IsConnectionOpen())
        socket_->abort();
}

void TVersionSocket::Attach(TVersionCheck* check) {
    check_ = check;
}

void TVersionSocket::OpenConnection(const std::string& host, int port) {
    if (port < 1 || port > 65535)
        return; // never connects; the time-out ends the check
    socket_->connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
}

bool TVersionSocket::SendText(const std::string& text) {
    if (socket_->state() != QAbstractSocket::ConnectedState)
        return false;
    const qint64 written = socket_->write(text.data(), static_cast<qint64>(text.size()));
    return written == static_cast<qint64>(text.size());
}

std::string TVersionSocket::ReceivedText(std::size_t maxBytes) {
    const QByteArray bytes = socket_->read(static_cast<qint64>(maxBytes));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void TVersionSocket::CloseConnection() {
    socket_->abort();
}

bool TVersionSocket::IsConnectionOpen() const {
    return socket_->state() != QAbstractSocket::UnconnectedState;
}

void TVersionSocket::StartTimer(int intervalMs) {
    timer_->start(intervalMs);
}

void TVersionSocket::StopTimer() {
    timer_->stop();
}

} // namespace vornia
