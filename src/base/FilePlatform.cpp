#include "FilePlatform.h"
#include "FilePlatformRead.h"

// Everything POSIX-only lives here; FilePlatformWin.cpp is the Windows side of the same interface.

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
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

// The boot this process runs in: start times count from it.
const std::string& BootId() {
    static const std::string id = [] {
        const TReadResult read = ReadRegularFile("/proc/sys/kernel/random/boot_id", 4096);
        return read.Status == TReadStatus::Read ? detail::CleanMachineId(read.Bytes) : std::string();
    }();
    return id;
}

// "PID (NAME) STATE ..." where the name may hold blanks and parentheses: the fields are counted
// from the last ")". The 22nd field is the start time in clock ticks since the boot.
TProcessInfo ParseProcessStat(const std::string& stat) {
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) {
        return {TProcessState::Unknown, {}};
    }
    std::vector<std::string> fields;
    std::size_t at = close + 1;
    while (fields.size() < 20 && at < stat.size()) {
        const std::size_t begin = stat.find_first_not_of(' ', at);
        if (begin == std::string::npos) {
            break;
        }
        const std::size_t end = std::min(stat.find(' ', begin), stat.size());
        fields.push_back(stat.substr(begin, end - begin));
        at = end;
    }
    if (fields.empty()) {
        return {TProcessState::Unknown, {}};
    }
    // A zombie has ended; only its parent has not yet collected it.
    if (fields[0] == "Z" || fields[0] == "X" || fields[0] == "x") {
        return {TProcessState::Gone, {}};
    }
    if (fields.size() < 20) {
        return {TProcessState::Running, {}};
    }
    return {TProcessState::Running, BootId() + "/" + fields[19]};
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

TProcessInfo ProcessInfo(std::int64_t processId) {
    if (processId <= 0 || processId > std::numeric_limits<pid_t>::max()) {
        return {TProcessState::Gone, {}};
    }
    const TReadResult stat = ReadRegularFile("/proc/" + std::to_string(processId) + "/stat", 4096);
    if (stat.Status == TReadStatus::Read) {
        return ParseProcessStat(stat.Bytes);
    }
    // Without a /proc entry to read, only the signal tells whether the number is taken. Signal 0
    // only asks; EPERM means it runs under another user.
    if (::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH) {
        return {TProcessState::Gone, {}};
    }
    return {TProcessState::Unknown, {}};
}

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) {
        return {};
    }
    return name;
}

std::string MachineId() {
    for (const char* file : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
        const TReadResult read = ReadRegularFile(file, 4096);
        if (read.Status != TReadStatus::Read) {
            continue;
        }
        if (std::string id = detail::CleanMachineId(read.Bytes); !id.empty()) {
            return id;
        }
    }
    return {};
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

TPlaceResult PlaceWithoutReplacing(const std::filesystem::path& temp, const std::filesystem::path& target) {
    // A hard link never replaces; the temporary name goes once the target holds the file.
    if (::link(temp.c_str(), target.c_str()) == 0) {
        ::unlink(temp.c_str());
        return TPlaceResult::Placed;
    }
    int error = errno;
    if (error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK) {
        // File systems without hard links (FAT, some network shares) may still rename without
        // replacing.
#ifdef RENAME_NOREPLACE
        if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
            return TPlaceResult::Placed;
        }
        error = errno;
        if (error != EEXIST) {
            return TPlaceResult::Unsupported;
        }
#else
        return TPlaceResult::Unsupported;
#endif
    }
    ::unlink(temp.c_str());
    return error == EEXIST ? TPlaceResult::Exists : TPlaceResult::Failed;
}

TFileHandle OpenAndHold(const std::filesystem::path& path, bool& busy) {
    busy = false;
    // Non-blocking, so a FIFO in the lock's place does not wait for a writer; some systems take a
    // lock between machines only on a file open for writing.
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    }
    if (fd < 0) {
        busy = errno == ENOENT;
        return NoFile;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return NoFile;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        busy = true;
        ::close(fd);
        return NoFile;
    }
    return fd;
}

bool SameFile(TFileHandle file, const std::filesystem::path& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(Fd(file), &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

std::optional<std::string> ReadFromStart(TFileHandle file, std::size_t limit) {
    std::string bytes(limit, '\0');
    std::size_t done = 0;
    while (done < limit) {
        const ssize_t got = ::pread(Fd(file), bytes.data() + done, limit - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

} // namespace tarvex::platform
