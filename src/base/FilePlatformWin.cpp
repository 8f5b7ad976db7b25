#include "FilePlatform.h"
#include "FilePlatformRead.h"

// The Windows side of the file-system interface: wide-character calls only, so every name the
// file system holds can be reached whatever the ANSI code page is.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <stdio.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace tarvex::platform {

namespace {

HANDLE Handle(TFileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

TFileHandle FromHandle(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? NoFile : reinterpret_cast<TFileHandle>(handle);
}

TIoError FromLastError(DWORD code) {
    switch (code) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE:
        return TIoError::NoSpace;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
        return TIoError::Denied;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return TIoError::Exists;
    default:
        return TIoError::Other;
    }
}

// Only files on a disk count: a console, a pipe or a device must never be read or rewritten.
bool IsDiskFile(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    return ::GetFileType(handle) == FILE_TYPE_DISK && ::GetFileInformationByHandle(handle, &info) &&
           (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Invalid sequences (a lone surrogate in a file name) become U+FFFD instead of an exception.
std::string Utf8FromWide(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string out(static_cast<std::size_t>(std::max(size, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                          nullptr);
    return out;
}

std::wstring WideFromUtf8(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

} // namespace

TFileHandle CreateNewFile(const std::filesystem::path& path, TIoError& error) {
    const HANDLE handle =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    error = handle == INVALID_HANDLE_VALUE ? FromLastError(::GetLastError()) : TIoError::None;
    return FromHandle(handle);
}

std::size_t WriteSome(TFileHandle file, std::string_view bytes, TIoError& error) {
    std::size_t done = 0;
    error = TIoError::None;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(Handle(file), bytes.data() + done, chunk, &written, nullptr)) {
            error = FromLastError(::GetLastError());
            break;
        }
        if (written == 0) {
            error = TIoError::Other;
            break;
        }
        done += written;
    }
    return done;
}

bool SyncFile(TFileHandle file) {
    return ::FlushFileBuffers(Handle(file)) != 0;
}

bool CloseFile(TFileHandle file) {
    return ::CloseHandle(Handle(file)) != 0;
}

void SyncFolder(const std::filesystem::path&) {
    // A folder cannot be flushed on its own here: the file system journals the replacement.
}

bool CopyPermissions(TFileHandle, const std::filesystem::path&) {
    // The target's attributes and security pass to the new content in ReplaceByTemporary.
    return true;
}

bool UserMayWrite(const std::filesystem::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

std::size_t FileNameLimit(const std::filesystem::path&) {
    // Every Windows file system takes 255 UTF-16 units, never fewer than the name's UTF-8 bytes.
    return 255;
}

bool ReplaceByTemporary(const std::filesystem::path& temp, const std::filesystem::path& target) {
    // Replacing keeps the target's security and creation time, and its hidden and system
    // attributes, which a plain rename would take from the temporary file instead. They are set
    // again afterwards too, since not every implementation of the call carries them over.
    constexpr DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD before = ::GetFileAttributesW(target.c_str());
    if (before == INVALID_FILE_ATTRIBUTES) {
        return ::MoveFileExW(temp.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    if (!::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                        nullptr) &&
        !::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return false;
    }
    const DWORD after = ::GetFileAttributesW(target.c_str());
    if (after != INVALID_FILE_ATTRIBUTES && (after & kept) != (before & kept)) {
        ::SetFileAttributesW(target.c_str(), (after & ~kept) | (before & kept));
    }
    return true;
}

std::optional<std::filesystem::path> RunningExecutable() {
    // Not argv[0]: a program started by bare name from PATH sees only that name there.
    std::vector<wchar_t> buffer(MAX_PATH);
    while (buffer.size() <= 32768) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return std::nullopt;
        }
        if (length < buffer.size()) {
            return std::filesystem::path(std::wstring(buffer.data(), length));
        }
        buffer.resize(buffer.size() * 2);
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> HomeFolder() {
    const wchar_t* home = ::_wgetenv(L"USERPROFILE");
    if (home == nullptr || *home == L'\0') {
        return std::nullopt;
    }
    return std::filesystem::path(home);
}

std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(WideFromUtf8(text));
}

std::string PathToUtf8(const std::filesystem::path& path) {
    return Utf8FromWide(path.native());
}

std::vector<std::string> CommandLineArguments(int, char**) {
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        return args;
    }
    for (int i = 0; i < count; ++i) {
        args.push_back(Utf8FromWide(wide[i]));
    }
    ::LocalFree(wide);
    return args;
}

void UseBinaryStandardStreams() {
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    ::SetConsoleOutputCP(CP_UTF8);
}

std::int64_t CurrentProcessId() {
    return static_cast<std::int64_t>(::GetCurrentProcessId());
}

TProcessInfo ProcessInfo(std::int64_t processId) {
    if (processId <= 0 || processId > 0xFFFFFFFFll) {
        return {TProcessState::Gone, {}};
    }
    const DWORD id = static_cast<DWORD>(processId);
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, id);
    const bool mayWait = process != nullptr;
    if (process == nullptr) {
        process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    }
    if (process == nullptr) {
        // Access denied: it runs, under someone else.
        return {::GetLastError() == ERROR_ACCESS_DENIED ? TProcessState::Unknown : TProcessState::Gone, {}};
    }
    // A process that has ended lives on as long as someone keeps a handle to it.
    DWORD exitCode = 0;
    const bool ended = mayWait ? ::WaitForSingleObject(process, 0) != WAIT_TIMEOUT
                               : ::GetExitCodeProcess(process, &exitCode) && exitCode != STILL_ACTIVE;
    FILETIME created{}, exited{}, kernel{}, user{};
    TProcessInfo info{ended ? TProcessState::Gone : TProcessState::Running, {}};
    if (!ended && ::GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        info.Started = std::to_string((static_cast<std::uint64_t>(created.dwHighDateTime) << 32) |
                                      created.dwLowDateTime);
    }
    ::CloseHandle(process);
    return info;
}

std::string HostName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    return ::GetComputerNameW(name, &size) ? Utf8FromWide(std::wstring_view(name, size)) : std::string();
}

std::string MachineId() {
    wchar_t guid[128] = {};
    DWORD size = sizeof guid;
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Cryptography", L"MachineGuid",
                       RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY, nullptr, guid, &size) != ERROR_SUCCESS) {
        return {};
    }
    return detail::CleanMachineId(Utf8FromWide(guid));
}

std::string UserName() {
    const wchar_t* user = ::_wgetenv(L"USERNAME");
    return user != nullptr ? Utf8FromWide(user) : std::string();
}

TReadResult ReadRegularFile(const std::filesystem::path& path, std::uint64_t ceiling) {
    const HANDLE handle =
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return {};
    }
    LARGE_INTEGER size{};
    if (!IsDiskFile(handle) || !::GetFileSizeEx(handle, &size) || size.QuadPart < 0) {
        ::CloseHandle(handle);
        return {};
    }
    TReadResult result = detail::ReadWithCeiling(
        static_cast<std::uint64_t>(size.QuadPart), ceiling, [handle](char* into, std::size_t n) -> long long {
            DWORD got = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(n, 1u << 30));
            return ::ReadFile(handle, into, chunk, &got, nullptr) ? static_cast<long long>(got) : -1;
        });
    ::CloseHandle(handle);
    return result;
}

TPlaceResult PlaceWithoutReplacing(const std::filesystem::path& temp, const std::filesystem::path& target) {
    // A move without MOVEFILE_REPLACE_EXISTING never replaces.
    if (::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
        return TPlaceResult::Placed;
    }
    const DWORD error = ::GetLastError();
    ::DeleteFileW(temp.c_str());
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? TPlaceResult::Exists
                                                                       : TPlaceResult::Failed;
}

TFileHandle OpenAndHold(const std::filesystem::path& path, bool& busy) {
    busy = false;
    // Shared in every way, so other windows still read the file and it can be renamed while open.
    constexpr DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_ACCESS_DENIED) {
        handle = ::CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        busy = error == ERROR_FILE_NOT_FOUND;
        return NoFile;
    }
    if (!IsDiskFile(handle)) {
        ::CloseHandle(handle);
        return NoFile;
    }
    // A byte far past the end: a lock on the content would stop other windows reading it.
    OVERLAPPED at{};
    at.Offset = 0xFFFFFFFEu;
    at.OffsetHigh = 0x7FFFFFFFu;
    if (!::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) &&
        ::GetLastError() == ERROR_LOCK_VIOLATION) {
        busy = true;
        ::CloseHandle(handle);
        return NoFile;
    }
    return FromHandle(handle);
}

bool SameFile(TFileHandle file, const std::filesystem::path& path) {
    const HANDLE named = ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (named == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    const bool same = ::GetFileInformationByHandle(Handle(file), &a) &&
                      ::GetFileInformationByHandle(named, &b) &&
                      a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
                      a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
    ::CloseHandle(named);
    return same;
}

std::optional<std::string> ReadFromStart(TFileHandle file, std::size_t limit) {
    std::string bytes(limit, '\0');
    std::size_t done = 0;
    while (done < limit) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(done);
        DWORD got = 0;
        if (!::ReadFile(Handle(file), bytes.data() + done, static_cast<DWORD>(limit - done), &got, &at)) {
            if (::GetLastError() == ERROR_HANDLE_EOF) {
                break;
            }
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

} // namespace tarvex::platform
