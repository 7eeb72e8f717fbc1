#include "file_utils.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "board/translate.h"

namespace vornia {

namespace fs = std::filesystem;

namespace {

void SetError(std::string* error, std::string text)
{
    if (error != nullptr)
        *error = std::move(text);
}

std::string ErrnoText(int code)
{
    return std::generic_category().message(code);
}

// Closes a descriptor when it goes out of scope unless released first.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : Fd(fd) {}
    ~TFileDescriptor()
    {
        if (Fd >= 0)
            ::close(Fd);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int Get() const { return Fd; }
    // Closes now and reports whether the close succeeded.
    bool Close()
    {
        const int fd = Fd;
        Fd = -1;
        return ::close(fd) == 0;
    }

private:
    int Fd;
};

std::string LastComponent(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// The path with "." + extension appended when its last component has no ".".
std::string WithDefaultExtension(const std::string& path, const std::string& extension)
{
    if (extension.empty() || LastComponent(path).find('.') != std::string::npos)
        return path;
    return path + "." + extension;
}

std::unique_ptr<TIniFile> ReadIniFile(const std::string& path)
{
    std::string contents;
    if (!ReadWholeFile(path, contents))
        return nullptr;
    return std::make_unique<TIniFile>(TIniFile::FromText(contents, FullPath(path)));
}

bool WriteAll(int fd, std::string_view contents, std::string* error)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            const int code = errno;
            if (code == EINTR)
                continue;
            SetError(error, "could not write: " + ErrnoText(code));
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a new file beside the target under a name no other writer uses.
int CreateTemporaryFile(const std::string& target, std::string& tempPath, std::string* error)
{
    static std::atomic<unsigned> counter{0};
    const std::string folder = FolderOf(target);
    const std::string base = LastComponent(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = (folder == "/" ? "" : folder) + "/." + base + "." + std::to_string(::getpid()) + "." +
                   std::to_string(counter.fetch_add(1)) + ".tmp";
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        const int code = errno;
        if (code != EEXIST) {
            SetError(error, "could not create a temporary file in " + folder + ": " + ErrnoText(code));
            return -1;
        }
    }
    SetError(error, "could not create a temporary file in " + folder);
    return -1;
}

} // namespace

bool CheckFileExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::exists(fs::path(path), ec);
}

bool CreateEmptyFile(const std::string& path, const std::string& defaultExtension, std::string* createdPath)
{
    if (path.empty())
        return false;
    const std::string target = WithDefaultExtension(path, defaultExtension);
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    ::close(fd);
    if (createdPath != nullptr)
        *createdPath = target;
    return true;
}

std::unique_ptr<TIniFile> OpenOrCreateIniFile(const std::string& fileName, const std::string& folder,
                                              const std::string& extension, TMessageSink& messages)
{
    std::string base = folder;
    if (base.empty()) {
        std::error_code ec;
        base = fs::current_path(ec).string();
    }
    std::string path = fileName;
    if (!base.empty())
        path = base + (base.back() == '/' ? "" : "/") + fileName;
    const std::string ext = extension.empty() ? std::string("ini") : extension;

    if (!CheckFileExists(path)) {
        // A name without extension is created with the extension appended:
        // that file is the one to open, on this start and on every later one.
        const std::string extended = WithDefaultExtension(path, ext);
        if (extended != path && CheckFileExists(extended)) {
            path = extended;
        } else {
            std::string created;
            if (!CreateEmptyFile(path, ext, &created)) {
                messages.ShowMessage(TrFormat(VORNIA_TR_NOOP("Window", "Could not create %1"), {path}));
                return nullptr;
            }
            path = created;
        }
    }
    auto ini = ReadIniFile(path);
    if (!ini)
        messages.ShowMessage(TrFormat(CouldNotOpenText, {path}));
    return ini;
}

std::unique_ptr<TIniFile> OpenIniFile(const std::string& path, TMessageSink& messages)
{
    if (!CheckFileExists(path)) {
        messages.ShowMessage(TrFormat(VORNIA_TR_NOOP("Window", "Could not find %1"), {path}));
        return nullptr;
    }
    auto ini = ReadIniFile(path);
    if (!ini)
        messages.ShowMessage(TrFormat(CouldNotOpenText, {path}));
    return ini;
}

bool ReadWholeFile(const std::string& path, std::string& contents, std::string* error, std::size_t maxBytes)
{
    // Non-blocking, so that opening a pipe cannot hang; regular files ignore it.
    TFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0) {
        const int code = errno;
        SetError(error, ErrnoText(code));
        return false;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        const int code = errno;
        SetError(error, "could not examine it: " + ErrnoText(code));
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        SetError(error, "it is a folder");
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        SetError(error, "it is not a regular file");
        return false;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        SetError(error, "it is larger than " + std::to_string(maxBytes) + " bytes");
        return false;
    }

    // The file may grow while it is read: never take more than maxBytes.
    std::string text;
    text.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
        if (got < 0) {
            const int code = errno;
            if (code == EINTR)
                continue;
            SetError(error, ErrnoText(code));
            return false;
        }
        if (got == 0)
            break;
        if (text.size() + static_cast<std::size_t>(got) > maxBytes) {
            SetError(error, "it is larger than " + std::to_string(maxBytes) + " bytes");
            return false;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    contents = std::move(text);
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string* error)
{
    if (path.empty()) {
        SetError(error, "no file name");
        return false;
    }
    // A link stays a link: the file it names gets the new contents.
    std::string target = path;
    std::error_code ec;
    if (fs::is_symlink(fs::path(path), ec)) {
        const fs::path resolved = fs::canonical(fs::path(path), ec);
        if (!ec)
            target = resolved.string();
    }

    std::string tempPath;
    TFileDescriptor fd(CreateTemporaryFile(target, tempPath, error));
    if (fd.Get() < 0)
        return false;

    bool ok = true;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd.Get(), old.st_mode & 07777); // keep the permissions of the file replaced
    if (!WriteAll(fd.Get(), contents, error)) {
        ok = false;
    } else if (::fsync(fd.Get()) != 0) {
        const int code = errno;
        SetError(error, "could not flush " + tempPath + ": " + ErrnoText(code));
        ok = false;
    }
    if (!fd.Close() && ok) {
        const int code = errno;
        SetError(error, "could not close " + tempPath + ": " + ErrnoText(code));
        ok = false;
    }
    if (ok && ::rename(tempPath.c_str(), target.c_str()) != 0) {
        const int code = errno;
        // The caller names path; a link's target is named here.
        SetError(error, "could not replace " + (target == path ? std::string("it") : target) + ": " + ErrnoText(code));
        ok = false;
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }

    // Make the rename itself durable; a failure here leaves a complete file.
    const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

std::string FullPath(const std::string& path)
{
    std::error_code ec;
    const fs::path full = fs::absolute(fs::path(path), ec);
    if (ec)
        return path;
    return full.lexically_normal().string();
}

} // namespace vornia
