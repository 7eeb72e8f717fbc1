// The version check against a real HTTP server on the loopback interface.
#include "net/version_socket_qt.h"

#include <memory>
#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "program_version.h"

namespace vornia {
namespace {

const QByteArray Ours = QByteArray::fromStdString(std::string(ProgramVersion));

constexpr int WaitLimitMs = 5000;

// Answers one request with the given pieces, pauseMs apart; an empty list
// never answers. Records the request bytes and whether the client hung up.
class TVersionServer {
public:
    explicit TVersionServer(std::vector<QByteArray> pieces, int pauseMs = 0, bool answerAtOnce = false)
        : Pieces(std::move(pieces)), PauseMs(pauseMs), AnswerAtOnce(answerAtOnce)
    {
        EXPECT_TRUE(Server.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&Server, &QTcpServer::newConnection, [this] { Accept(); });
    }

    int Port() const { return Server.serverPort(); }
    const QByteArray& Request() const { return RequestBytes; }
    bool ClientHungUp() const { return HungUp; }
    bool Connected() const { return Client != nullptr; }

private:
    void Accept() {
        Client = Server.nextPendingConnection();
        QObject::connect(Client, &QTcpSocket::disconnected, [this] { HungUp = true; });
        QObject::connect(Client, &QTcpSocket::readyRead, [this] {
            RequestBytes += Client->readAll();
            if (RequestBytes.contains("\r\n\r\n"))
                Answer();
        });
        if (AnswerAtOnce)
            Answer();
    }

    void Answer() {
        if (Answered)
            return;
        Answered = true;
        for (std::size_t i = 0; i < Pieces.size(); ++i) {
            QPointer<QTcpSocket> client = Client;
            const QByteArray piece = Pieces[i];
            QTimer::singleShot(static_cast<int>(i) * PauseMs, Client, [client, piece] {
                if (client && client->state() == QAbstractSocket::ConnectedState) {
                    client->write(piece);
                    client->flush();
                }
            });
        }
    }

    QTcpServer Server;
    std::vector<QByteArray> Pieces;
    int PauseMs;
    bool AnswerAtOnce;
    QTcpSocket* Client = nullptr;
    QByteArray RequestBytes;
    bool Answered = false;
    bool HungUp = false;
};

// A check on a real socket; the run itself listens in the window's place.
struct TCheckRun : TVersionCheckListener {
    TVersionSocket socket;
    TVersionCheck check;
    int repaints = 0;
    std::vector<std::string> reported;

    TCheckRun(int port, int timeoutMs) : check(socket, *this, "127.0.0.1", port, timeoutMs) { socket.Attach(&check); }
    void RepaintStatusBar() override { ++repaints; }
    void ReportNewerVersion(const std::string& version) override { reported.push_back(version); }
};

// Whether the socket's time-out is running (its timer is the socket's child).
bool TimerActive(const TVersionSocket& socket)
{
    const auto* timer = socket.findChild<QTimer*>();
    if (timer == nullptr)
        ADD_FAILURE() << "the socket has no time-out timer";
    return timer != nullptr && timer->isActive();
}

const QByteArray Headers = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n";

TEST(VersionSocket, AnswerInOneWriteIsJudgedAndTheRequestIsExact) {
    struct Row {
        const char* name;
        QByteArray body;
        std::string newer; // empty: nothing shown
    };
    const std::vector<Row> rows = {
        {"1.7", "vorniageneratorversion=1.7", "1.7"},
        {"our own", "vorniageneratorversion=" + Ours, ""},
        {"1.10", "vorniageneratorversion=1.10", ""},
        {"2.0", "vorniageneratorversion=2.0", "2.0"},
        {"three characters and a line end", "vorniageneratorversion=" + Ours + "\r\nmore\r\n",
         Ours.toStdString() + "\r"},
        {"no key", "nothing to see here\r\n", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TVersionServer server({Headers + row.body});
        TCheckRun run(server.Port(), 10000);
        run.check.StartVersionCheck();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return server.ClientHungUp() && !run.socket.IsConnectionOpen(); },
            WaitLimitMs));
        EXPECT_EQ(server.Request().toStdString(), VersionRequest("127.0.0.1"));
        EXPECT_EQ(run.check.NewerVersionFound(), !row.newer.empty());
        EXPECT_EQ(run.check.NewerVersion(), row.newer);
        EXPECT_EQ(run.reported.size(), row.newer.empty() ? 0u : 1u);
        EXPECT_EQ(run.repaints, 2); // after the request and after the answer
        EXPECT_FALSE(TimerActive(run.socket));
    }
}

TEST(VersionSocket, OnlyTheFirstPieceOfASplitAnswerIsRead) {
    struct Row {
        const char* name;
        std::vector<QByteArray> pieces;
        std::string newer;
    };
    const std::vector<Row> rows = {
        {"key split across pieces", {Headers + "vorniagenerator", "version=1.7"}, ""},
        {"version in the second piece", {Headers + "vorniageneratorversion=", "1.7"}, ""},
        {"key in the first piece", {Headers + "vorniageneratorversion=1.7", "\r\n"}, "1.7"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TVersionServer server(row.pieces, 300);
        TCheckRun run(server.Port(), 10000);
        run.check.StartVersionCheck();
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.ClientHungUp(); }, WaitLimitMs));
        QTest::qWait(400); // past the second piece
        EXPECT_EQ(server.Request().toStdString(), VersionRequest("127.0.0.1"));
        EXPECT_EQ(run.check.NewerVersion(), row.newer);
        EXPECT_EQ(run.check.NewerVersionFound(), !row.newer.empty());
    }
}

TEST(VersionSocket, NoAnswerIsEndedByTheTimeOut) {
    TVersionServer server({}); // reads the request, never answers
    TCheckRun run(server.Port(), 300);
    QElapsedTimer clock;
    clock.start();
    run.check.StartVersionCheck();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.ClientHungUp(); }, WaitLimitMs));
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_EQ(server.Request().toStdString(), VersionRequest("127.0.0.1"));
    EXPECT_FALSE(run.socket.IsConnectionOpen());
    EXPECT_FALSE(TimerActive(run.socket));
    EXPECT_FALSE(run.check.NewerVersionFound());
    EXPECT_EQ(run.repaints, 1); // after the request only
}

TEST(VersionSocket, RefusedConnectionShowsNothing) {
    int port = 0;
    {
        QTcpServer closed;
        ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
        port = closed.serverPort();
    }
    TCheckRun run(port, 300);
    run.check.StartVersionCheck();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !TimerActive(run.socket); }, WaitLimitMs));
    EXPECT_FALSE(run.socket.IsConnectionOpen());
    EXPECT_FALSE(run.check.NewerVersionFound());
    EXPECT_EQ(run.repaints, 0);
    EXPECT_TRUE(run.reported.empty());
}

TEST(VersionSocket, KeyBeyondTheReadLimitOfAHugeAnswerIsNotSeen) {
    const QByteArray padding(4 * static_cast<int>(MaxVersionAnswerBytes), 'x');
    TVersionServer server({Headers + padding + "vorniageneratorversion=1.7"});
    TCheckRun run(server.Port(), 10000);
    run.check.StartVersionCheck();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.ClientHungUp(); }, WaitLimitMs));
    EXPECT_FALSE(run.check.NewerVersionFound());
}

TEST(VersionSocket, BuffersNoMoreThanTheReadLimit) {
    const QByteArray flood(16 * static_cast<int>(MaxVersionAnswerBytes), 'x');
    TVersionServer server({flood}, 0, true);
    TVersionSocket socket; // no check attached: nothing reads the data
    socket.OpenConnection("127.0.0.1", server.Port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.Connected(); }, WaitLimitMs));
    QTest::qWait(500);
    const std::string received = socket.ReceivedText(flood.size());
    EXPECT_GT(received.size(), 0u);
    EXPECT_LE(received.size(), MaxVersionAnswerBytes);
}

TEST(VersionSocket, DestroyingTheSocketClosesTheConnection) {
    TVersionServer server({});
    auto run = std::make_unique<TCheckRun>(server.Port(), 10000);
    run->check.StartVersionCheck();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.Request().isEmpty(); }, WaitLimitMs));
    EXPECT_TRUE(run->socket.IsConnectionOpen());
    run.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.ClientHungUp(); }, WaitLimitMs));
}

} // namespace
} // namespace vornia
