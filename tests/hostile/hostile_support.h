// Helpers of the hostile-input tests: a private temporary folder, whole-file
// reads and writes, a recording message sink, a stopwatch and child
// processes that can be waited for with a deadline or killed.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/message_sink.h"
#include "tests/files/test_files.h"

namespace vornia::hostile {

using test::TTempFolder;

inline std::string ReadFileText(const std::string& path) { return test::ReadText(path); }

inline void WriteFileText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush())
        throw std::runtime_error("could not write " + path);
}

using test::TRecordingSink;

// Seconds taken by the call.
template <typename F>
double SecondsFor(F&& call)
{
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A child process running a program with its output sent to files.
class TChild {
public:
    TChild(const std::vector<std::string>& argv, const std::string& outPath, const std::string& errPath)
    {
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        Pid = ::fork();
        if (Pid < 0)
            throw std::runtime_error("fork failed");
        if (Pid == 0) {
            const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0)
                ::_exit(126);
            ::execv(args[0], args.data());
            ::_exit(127);
        }
    }
    ~TChild()
    {
        if (Pid > 0 && !Reaped) {
            ::kill(Pid, SIGKILL);
            ::waitpid(Pid, nullptr, 0);
        }
    }
    TChild(const TChild&) = delete;
    TChild& operator=(const TChild&) = delete;

    void Kill()
    {
        if (!Reaped)
            ::kill(Pid, SIGKILL);
    }
    // The wait status, or -1 when the child is still running at the deadline
    // (it is then killed).
    int Wait(double seconds)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        for (;;) {
            int status = 0;
            const pid_t done = ::waitpid(Pid, &status, WNOHANG);
            if (done == Pid) {
                Reaped = true;
                return status;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                ::kill(Pid, SIGKILL);
                ::waitpid(Pid, nullptr, 0);
                Reaped = true;
                return -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

private:
    pid_t Pid = -1;
    bool Reaped = false;
};

struct TRunResult {
    int ExitCode = -1; // -1: killed, hung or not started
    std::string Out;
    std::string Err;
};

// Runs a program to its end (at most timeout seconds) in the folder's files.
inline TRunResult RunProgram(const std::vector<std::string>& argv, const TTempFolder& folder,
                             double timeoutSeconds = 60)
{
    const std::string out = folder.File(".run.out"), err = folder.File(".run.err");
    TChild child(argv, out, err);
    const int status = child.Wait(timeoutSeconds);
    TRunResult result;
    if (status >= 0 && WIFEXITED(status))
        result.ExitCode = WEXITSTATUS(status);
    result.Out = ReadFileText(out);
    result.Err = ReadFileText(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
}

} // namespace vornia::hostile
