#include "net/version_check.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_version.h"

namespace vornia {
namespace {

// The rows around the program's own version take it to lie between 1.59 and 1.7.
const std::string Ours(ProgramVersion);

TEST(VersionRequest, IsRequestLineAndHostHeaderOnly) {
    EXPECT_EQ(VersionRequest("www.vornia.example"),
              "GET /vorniagenerator.txt HTTP/1.1\r\nHost: www.vornia.example\r\n\r\n");
}

struct AnswerRow {
    const char* name;
    std::string answer;
    std::optional<std::string> version;
    bool newer;
};

TEST(FoundVersion, TakesUpToFourCharactersAfterTheFirstKey) {
    const std::string headers = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n";
    const std::vector<AnswerRow> rows = {
        {"1.7 at the very end", headers + "vorniageneratorversion=1.7", "1.7", true},
        {"ours at the very end", headers + "vorniageneratorversion=" + Ours, Ours, false},
        {"1.10 is smaller as text", headers + "vorniageneratorversion=1.10", "1.10", false},
        {"2.0", headers + "vorniageneratorversion=2.0", "2.0", true},
        {"ours and a line end", headers + "vorniageneratorversion=" + Ours + "\r\n", Ours + "\r", true},
        {"1.5 and a line end", headers + "vorniageneratorversion=1.5\n", "1.5\n", false},
        {"more text is cut", headers + "vorniageneratorversion=" + Ours + ".1 beta", Ours + ".", true},
        {"first key wins", "vorniageneratorversion=1.5 vorniageneratorversion=9.9", "1.5 ", false},
        {"key in a header", "X-Info: vorniageneratorversion=1.9\r\n\r\n", "1.9\r", true},
        {"one character", headers + "vorniageneratorversion=2", "2", true},
        {"nothing after the key", headers + "vorniageneratorversion=", std::nullopt, false},
        {"no key", headers + "version=2.0", std::nullopt, false},
        {"key in other case", headers + "VorniaGeneratorVersion=2.0", std::nullopt, false},
        {"empty answer", "", std::nullopt, false},
        {"bytes above 127 compare greater", headers + "vorniageneratorversion=\xC3\xA9", "\xC3\xA9", true},
    };
    for (const AnswerRow& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<std::string> found = FoundVersion(row.answer);
        EXPECT_EQ(found, row.version);
        EXPECT_EQ(found && IsNewerVersion(*found), row.newer);
    }
}

TEST(IsNewerVersion, ComparesByCharacterCodeWithPrefixSmaller) {
    EXPECT_TRUE(IsNewerVersion("1.7"));
    EXPECT_TRUE(IsNewerVersion(Ours + "0"));
    EXPECT_TRUE(IsNewerVersion("10"));
    EXPECT_FALSE(IsNewerVersion(Ours));
    EXPECT_FALSE(IsNewerVersion("1."));
    EXPECT_FALSE(IsNewerVersion(""));
    EXPECT_FALSE(IsNewerVersion("0.9"));
    EXPECT_FALSE(IsNewerVersion("1.59"));
}

// Records what the check asks of the socket, the timer and the window.
class TFakePort : public TVersionSocketPort, public TVersionCheckListener {
public:
    std::vector<std::string> calls;
    std::string answer;
    bool open = false;
    bool sendSucceeds = true;
    std::size_t askedMaxBytes = 0;
    std::vector<std::string> reported;
    int repaints = 0;
    bool timerRunning = false;
    int timerInterval = 0;

    void OpenConnection(const std::string& host, int port) override {
        calls.push_back("open " + host + ":" + std::to_string(port));
        open = true;
    }
    bool SendText(const std::string& text) override {
        calls.push_back("send " + text);
        return sendSucceeds;
    }
    std::string ReceivedText(std::size_t maxBytes) override {
        askedMaxBytes = maxBytes;
        std::string piece = answer.substr(0, maxBytes);
        answer.erase(0, piece.size());
        return piece;
    }
    void CloseConnection() override {
        calls.push_back("close");
        open = false;
    }
    bool IsConnectionOpen() const override { return open; }
    void StartTimer(int intervalMs) override {
        timerRunning = true;
        timerInterval = intervalMs;
    }
    void StopTimer() override { timerRunning = false; }
    void RepaintStatusBar() override { ++repaints; }
    void ReportNewerVersion(const std::string& version) override {
        reported.push_back(version);
    }
};

TEST(VersionCheck, StartConnectsAndStartsTheTimeOut) {
    TFakePort port;
    TVersionCheck check(port, port, "www.vornia.example", 80);
    check.StartVersionCheck();
    EXPECT_EQ(port.calls, std::vector<std::string>{"open www.vornia.example:80"});
    EXPECT_TRUE(port.timerRunning);
    EXPECT_EQ(port.timerInterval, 30000);

    TVersionCheck quick(port, port, "localhost", 8080, 250);
    quick.StartVersionCheck();
    EXPECT_EQ(port.timerInterval, 250);
}

TEST(VersionCheck, WriteSendsTheRequestAndRepaintsEvenWhenSendingFails) {
    for (const bool succeeds : {true, false}) {
        SCOPED_TRACE(succeeds ? "send succeeds" : "send fails");
        TFakePort port;
        port.sendSucceeds = succeeds;
        TVersionCheck check(port, port, "h.example", 80);
        check.StartVersionCheck();
        check.sokVersionWrite();
        ASSERT_EQ(port.calls.size(), 2u);
        EXPECT_EQ(port.calls[1], "send " + VersionRequest("h.example"));
        EXPECT_EQ(port.repaints, 1);
        EXPECT_TRUE(port.open);
    }
}

TEST(VersionCheck, ReadExaminesTheFirstPieceClosesAndRepaints) {
    struct Row {
        const char* name;
        std::string answer;
        bool found;
    };
    const std::vector<Row> rows = {
        {"newer", "HTTP/1.1 200 OK\r\n\r\nvorniageneratorversion=1.7", true},
        {"same", "HTTP/1.1 200 OK\r\n\r\nvorniageneratorversion=" + Ours, false},
        {"no key", "HTTP/1.1 404 Not Found\r\n\r\n", false},
        {"nothing", "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TFakePort port;
        TVersionCheck check(port, port, "h.example", 80);
        check.StartVersionCheck();
        check.sokVersionWrite();
        port.answer = row.answer;
        check.sokVersionRead();
        EXPECT_FALSE(port.open);
        EXPECT_FALSE(port.timerRunning);
        EXPECT_EQ(port.repaints, 2);
        EXPECT_EQ(port.askedMaxBytes, MaxVersionAnswerBytes);
        EXPECT_EQ(check.NewerVersionFound(), row.found);
        EXPECT_EQ(check.NewerVersion(), row.found ? "1.7" : "");
        EXPECT_EQ(port.reported,
                  row.found ? std::vector<std::string>{"1.7"} : std::vector<std::string>{});
    }
}

TEST(VersionCheck, KeySplitAcrossTwoPiecesIsNotFound) {
    TFakePort port;
    TVersionCheck check(port, port, "h.example", 80);
    check.StartVersionCheck();
    check.sokVersionWrite();
    port.answer = "HTTP/1.1 200 OK\r\n\r\nvorniagenerator";
    check.sokVersionRead();
    port.answer = "version=1.7";
    check.sokVersionRead(); // a late event of the same answer
    EXPECT_FALSE(check.NewerVersionFound());
    EXPECT_TRUE(port.reported.empty());
    EXPECT_EQ(port.answer, "version=1.7"); // never read
    EXPECT_EQ(port.repaints, 3);
}

TEST(VersionCheck, OnlyTheBoundedStartOfAHugeAnswerIsExamined) {
    TFakePort port;
    TVersionCheck check(port, port, "h.example", 80);
    check.StartVersionCheck();
    port.answer = std::string(MaxVersionAnswerBytes, 'x') + "vorniageneratorversion=1.7";
    check.sokVersionRead();
    EXPECT_FALSE(check.NewerVersionFound());

    check.StartVersionCheck();
    port.answer = std::string(MaxVersionAnswerBytes - 27, 'x') + "vorniageneratorversion=1.7";
    check.sokVersionRead();
    EXPECT_TRUE(check.NewerVersionFound());
}

TEST(VersionCheck, TimeOutClosesAnOpenConnectionAndKeepsAFoundResult) {
    TFakePort port;
    TVersionCheck check(port, port, "h.example", 80);
    check.StartVersionCheck();
    port.answer = "vorniageneratorversion=2.0";
    check.sokVersionRead();
    ASSERT_TRUE(check.NewerVersionFound());

    check.StartVersionCheck(); // second check: no answer
    port.calls.clear();
    check.timVersionCheckTimer();
    EXPECT_EQ(port.calls, std::vector<std::string>{"close"});
    EXPECT_FALSE(port.timerRunning);
    EXPECT_TRUE(check.NewerVersionFound());
    EXPECT_EQ(check.NewerVersion(), "2.0");

    port.calls.clear();
    check.timVersionCheckTimer(); // already closed: nothing to close
    EXPECT_TRUE(port.calls.empty());
}

TEST(VersionCheck, LaterCheckWithOlderVersionKeepsTheNewerOne) {
    TFakePort port;
    TVersionCheck check(port, port, "h.example", 80);
    check.StartVersionCheck();
    port.answer = "vorniageneratorversion=1.8";
    check.sokVersionRead();
    check.StartVersionCheck();
    port.answer = "vorniageneratorversion=" + Ours;
    check.sokVersionRead();
    EXPECT_EQ(check.NewerVersion(), "1.8");
    EXPECT_EQ(port.reported, std::vector<std::string>{"1.8"});
}

TEST(VersionCheck, RestartWhileRunningDropsTheOldConnectionFirst) {
    TFakePort port;
    TVersionCheck check(port, port, "h.example", 80);
    check.StartVersionCheck();
    check.StartVersionCheck();
    EXPECT_EQ(port.calls,
              (std::vector<std::string>{"open h.example:80", "close", "open h.example:80"}));
    port.answer = "vorniageneratorversion=1.7";
    check.sokVersionRead();
    EXPECT_TRUE(check.NewerVersionFound());
}

TEST(VersionCheck, DestroyingClosesOnlyAnOpenConnection) {
    TFakePort port;
    {
        TVersionCheck check(port, port, "h.example", 80);
        check.StartVersionCheck();
    }
    EXPECT_EQ(port.calls, (std::vector<std::string>{"open h.example:80", "close"}));
    EXPECT_FALSE(port.timerRunning);

    port.calls.clear();
    {
        TVersionCheck idle(port, port, "h.example", 80);
    }
    EXPECT_TRUE(port.calls.empty());
}

} // namespace
} // namespace vornia
