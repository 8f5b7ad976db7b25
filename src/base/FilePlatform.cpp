#include "FilePlatform.h"
#include "FilePlatformRead.h"

// Everything POSIX-only lives here; FilePlatformWin.cpp is the Windows side of the same interface.

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvex::platform {

namespace {

int Fd(TFileHandle file) {
    return static_cast<int>(file);
}

TIoError FromErrno(int code) {
    switch (code) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return TIoError::NoSpace;
    case EACCES:
    case EPERM:
    case EROFS:
        return TIoError::Denied;
    case EEXIST:
        return TIoError::Exists;
    default:
        return TIoError::Other;
    }
}

} // namespace

TFileHandle CreateNewFile(const std::filesystem::path& path, TIoError& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    error = fd < 0 ? FromErrno(errno) : TIoError::None;
    return fd < 0 ? NoFile : fd;
}

std::size_t WriteSome(TFileHandle file, std::string_view bytes, TIoError& error) {
    std::size_t done = 0;
    error = TIoError::None;
    while (done < bytes.size()) {
        const ssize_t n = ::write(Fd(file), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = FromErrno(errno);
            break;
        }
        if (n == 0) {
            error = TIoError::Other;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool SyncFile(TFileHandle file) {
    return ::fsync(Fd(file)) == 0;
}

bool CloseFile(TFileHandle file) {
    return ::close(Fd(file)) == 0;
}

void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool CopyPermissions(TFileHandle file, const std::filesystem::path& model) {
    struct stat info {};
    if (::stat(model.c_str(), &info) != 0) {
        return false;
    }
    return ::fchmod(Fd(file), info.st_mode & 07777) == 0;
}

bool UserMayWrite(const std::filesystem::path& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

std::size_t FileNameLimit(const std::filesystem::path& folder) {
    const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

bool ReplaceByTemporary(const std::filesystem::path& temp, const std::filesystem::path& target) {
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    return !ec;
}

std::optional<std::filesystem::path> HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return std::nullopt;
    }
    return std::filesystem::path(home);
}

std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(text);
}

std::string PathToUtf8(const std::filesystem::path& path) {
    return path.string();
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + std::max(argc, 0));
}

void UseBinaryStandardStreams() {
    // Streams carry bytes here already.
}

std::optional<std::filesystem::path> RunningExecutable() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || self.empty()) {
        return std::nullopt;
    }
    return self;
}

std::int64_t CurrentProcessId() {
    return static_cast<std::int64_t>(::getpid());
}

bool ProcessRunning(std::int64_t processId) {
    if (processId <= 0 || processId > std::numeric_limits<pid_t>::max()) {
        return false;
    }
    // Signal 0 only asks: EPERM means it runs under another user.
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno != ESRCH;
}

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) {
        return {};
    }
    return name;
}

std::string UserName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry != nullptr && entry->pw_name != nullptr) {
        return entry->pw_name;
    }
    const char* user = std::getenv("USER");
    return user != nullptr ? user : "";
}

TReadResult ReadRegularFile(const std::filesystem::path& path, std::uint64_t ceiling) {
    // Non-blocking, so opening a FIFO without a writer returns instead of waiting for one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return {};
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {};
    }
    TReadResult result = detail::ReadWithCeiling(static_cast<std::uint64_t>(info.st_size), ceiling,
                                                 [fd](char* into, std::size_t n) {
                                                     ssize_t got = 0;
                                                     do {
                                                         got = ::read(fd, into, n);
                                                     } while (got < 0 && errno == EINTR);
                                                     return got;
                                                 });
    ::close(fd);
    return result;
}

} // namespace tarvex::platform
