// The check for a newer version of the program: one HTTP request to the
// maker's web server, whose first piece of answer is searched for the
// version key. Plain logic; the socket and the timer are behind a port.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "program_version.h"

namespace vornia {

inline constexpr std::string_view VersionFilePath = "/vorniagenerator.txt";
inline constexpr std::string_view VersionFileKey = "vorniageneratorversion=";
// A found version is at most this many characters, taken as they are.
constexpr std::size_t FoundVersionLength = 4;
// A check that has no answer after this long is ended.
constexpr int VersionCheckTimeoutMs = 30000;
// However much the server sends, no more than this of the first piece is
// read and examined.
constexpr std::size_t MaxVersionAnswerBytes = 64 * 1024;

// "GET /vorniagenerator.txt HTTP/1.1" CR LF "Host: " host CR LF CR LF:
// the request line and a single Host header, nothing else.
std::string VersionRequest(std::string_view host);

// The (up to) four characters after the first occurrence of the version key,
// line-end characters included; nullopt when the key is missing or nothing
// follows it.
std::optional<std::string> FoundVersion(std::string_view firstPiece);

// found > ProgramVersion, comparing character by character by character code;
// a text that begins another is the greater of the two (with version "1.5":
// "1.5\r" > "1.5", "1.10" < "1.5").
bool IsNewerVersion(std::string_view found);

// The socket and the time-out the check drives. TVersionSocket implements it
// on Qt; the tests implement it with fakes.
class TVersionSocketPort {
public:
    virtual ~TVersionSocketPort() = default;

    // Starts a non-blocking connection; readiness for writing and arriving
    // data come back as sokVersionWrite and sokVersionRead. Failures are
    // silent: the connection simply never becomes ready.
    virtual void OpenConnection(const std::string& host, int port) = 0;
    // Queues text on the open connection; false when it could not be sent.
    virtual bool SendText(const std::string& text) = 0;
    // All text received so far, at most maxBytes of it.
    virtual std::string ReceivedText(std::size_t maxBytes) = 0;
    virtual void CloseConnection() = 0;
    // True while connecting or connected.
    virtual bool IsConnectionOpen() const = 0;

    // One-shot time-out: timVersionCheckTimer after intervalMs.
    virtual void StartTimer(int intervalMs) = 0;
    virtual void StopTimer() = 0;
};

// Who hears how the check goes: the window.
class TVersionCheckListener {
public:
    virtual ~TVersionCheckListener() = default;

    virtual void RepaintStatusBar() = 0;
    // A version newer than ours was found: the window refills status panel 4
    // with its VersionText (the check's NewerVersionFound is already set).
    virtual void ReportNewerVersion(const std::string& version) = 0;
};

// One version check at a time, driven by the socket's and the timer's events.
// The socket and the listener must outlive the check.
class TVersionCheck {
public:
    TVersionCheck(TVersionSocketPort& socket, TVersionCheckListener& listener, std::string host, int portNumber,
                  int timeoutMs = VersionCheckTimeoutMs);
    // Closes a connection that is still open (the window being destroyed).
    ~TVersionCheck();

    TVersionCheck(const TVersionCheck&) = delete;
    TVersionCheck& operator=(const TVersionCheck&) = delete;

    // Connects to the host and starts the time-out. A check still running is
    // dropped first and starts over.
    void StartVersionCheck();
    // The connection is ready for writing: send the request.
    void sokVersionWrite();
    // Data has arrived: examine the first piece only and close.
    void sokVersionRead();
    // No answer in time: close. A result already found stays.
    void timVersionCheckTimer();
    // Closes the connection when it is open.
    void FormDestroy();

    bool NewerVersionFound() const { return FoundNewer; }
    const std::string& NewerVersion() const { return NewerVersionText; }

private:
    TVersionSocketPort& Socket;
    TVersionCheckListener& Listener;
    std::string Host;
    int PortNumber;
    int TimeoutMs;
    bool FoundNewer = false;
    std::string NewerVersionText;
    // Set once the first piece of the current answer has been examined; a
    // late read event of the same check is not looked at.
    bool AnswerExamined = false;
};

} // namespace vornia
