#include "version_check.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace vornia {

std::string VersionRequest(std::string_view host) {
    std::string request = "GET ";
    request += VersionFilePath;
    request += " HTTP/1.1\r\nHost: ";
    request += host;
    request += "\r\n\r\n";
    return request;
}

std::optional<std::string> FoundVersion(std::string_view firstPiece) {
    const std::size_t key = firstPiece.find(VersionFileKey);
    if (key == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = firstPiece.substr(key + VersionFileKey.size());
    if (rest.empty())
        return std::nullopt;
    return std::string(rest.substr(0, FoundVersionLength));
}

bool IsNewerVersion(std::string_view found) {
    const std::string_view ours = ProgramVersion;
    const std::size_t common = std::min(found.size(), ours.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto a = static_cast<unsigned char>(found[i]);
        const auto b = static_cast<unsigned char>(ours[i]);
        if (a != b)
            return a > b;
    }
    return found.size() > ours.size();
}

TVersionCheck::TVersionCheck(TVersionSocketPort& socket, TVersionCheckListener& listener, std::string host,
                             int portNumber, int timeoutMs)
    : Socket(socket), Listener(listener), Host(std::move(host)), PortNumber(portNumber), TimeoutMs(timeoutMs)
{}

TVersionCheck::~TVersionCheck() {
    FormDestroy();
}

void TVersionCheck::StartVersionCheck() {
    if (Socket.IsConnectionOpen())
        Socket.CloseConnection();
    AnswerExamined = false;
    Socket.OpenConnection(Host, PortNumber);
    Socket.StartTimer(TimeoutMs);
}

void TVersionCheck::sokVersionWrite() {
    try {
        Socket.SendText(VersionRequest(Host)); // a failed send is ignored
    } catch (const std::exception&) {
    }
    Listener.RepaintStatusBar();
}

void TVersionCheck::sokVersionRead() {
    if (!AnswerExamined) {
        AnswerExamined = true;
        try {
            const std::string piece = Socket.ReceivedText(MaxVersionAnswerBytes);
            if (Socket.IsConnectionOpen())
                Socket.CloseConnection();
            Socket.StopTimer();
            const std::optional<std::string> found = FoundVersion(piece);
            if (found && IsNewerVersion(*found)) {
                FoundNewer = true;
                NewerVersionText = *found;
                Listener.ReportNewerVersion(NewerVersionText);
            }
        } catch (const std::exception&) {
        }
    }
    Listener.RepaintStatusBar();
}

void TVersionCheck::timVersionCheckTimer() {
    Socket.StopTimer();
    if (Socket.IsConnectionOpen())
        Socket.CloseConnection();
}

void TVersionCheck::FormDestroy() {
    Socket.StopTimer();
    if (Socket.IsConnectionOpen())
        Socket.CloseConnection();
}

} // namespace vornia
