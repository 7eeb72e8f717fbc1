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
    : socket_(socket), listener_(listener), host_(std::move(host)), portNumber_(portNumber), timeoutMs_(timeoutMs)
{}

TVersionCheck::~TVersionCheck() {
    FormDestroy();
}

void TVersionCheck::StartVersionCheck() {
    if (socket_.IsConnectionOpen())
        socket_.CloseConnection();
    answerExamined_ = false;
    socket_.OpenConnection(host_, portNumber_);
    socket_.StartTimer(timeoutMs_);
}

void TVersionCheck::sokVersionWrite() {
    try {
        socket_.SendText(VersionRequest(host_)); // a failed send is ignored
    } catch (const std::exception&) {
    }
    listener_.RepaintStatusBar();
}

void TVersionCheck::sokVersionRead() {
    if (!answerExamined_) {
        answerExamined_ = true;
        try {
            const std::string piece = socket_.ReceivedText(MaxVersionAnswerBytes);
            if (socket_.IsConnectionOpen())
                socket_.CloseConnection();
            socket_.StopTimer();
            const std::optional<std::string> found = FoundVersion(piece);
            if (found && IsNewerVersion(*found)) {
                newerVersionFound_ = true;
                newerVersion_ = *found;
                listener_.ReportNewerVersion(newerVersion_);
            }
        } catch (const std::exception&) {
        }
    }
    listener_.RepaintStatusBar();
}

void TVersionCheck::timVersionCheckTimer() {
    socket_.StopTimer();
    if (socket_.IsConnectionOpen())
        socket_.CloseConnection();
}

void TVersionCheck::FormDestroy() {
    socket_.StopTimer();
    if (socket_.IsConnectionOpen())
        socket_.CloseConnection();
}

} // namespace vornia
