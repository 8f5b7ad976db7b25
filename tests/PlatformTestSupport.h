#pragma once
// What the tests need from the system that differs between Linux and Windows. A test that needs a
// feature the platform lacks skips with the reason instead of failing.

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#include <stdlib.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvex::test {

// The variable that names the person's home (profile) folder.
#ifdef _WIN32
inline constexpr const char* HomeVariable = "USERPROFILE";
#else
inline constexpr const char* HomeVariable = "HOME";
#endif

// Permission bits do not bind the superuser; Windows has no such user.
inline bool RunsAsSuperuser() {
#ifdef _WIN32
    return false;
#else
    return ::geteuid() == 0;
#endif
}

inline int ProcessId() {
#ifdef _WIN32
    return ::_getpid();
#else
    return static_cast<int>(::getpid());
#endif
}

inline void SetEnvironment(const char* name, const std::optional<std::string>& value) {
#ifdef _WIN32
    ::_putenv_s(name, value ? value->c_str() : "");
#else
    if (value) {
        ::setenv(name, value->c_str(), 1);
    } else {
        ::unsetenv(name);
    }
#endif
}

// A named pipe in the file system, where the platform has them.
inline bool MakeFifo(const std::filesystem::path& path) {
#ifdef _WIN32
    (void)path;
    return false;
#else
    return ::mkfifo(path.c_str(), 0600) == 0;
#endif
}

// A symbolic link, where the platform lets an ordinary user make one.
inline bool MakeSymlink(const std::filesystem::path& to, const std::filesystem::path& link,
                        bool folder = false) {
    std::error_code ec;
    if (folder) {
        std::filesystem::create_directory_symlink(to, link, ec);
    } else {
        std::filesystem::create_symlink(to, link, ec);
    }
    return !ec;
}

// Removes a test's folder whatever it holds. Write permission is given back first: on Windows a
// read-only file cannot be removed, and its folder would be in the way of the next run.
inline void RemoveTree(const std::filesystem::path& root) {
    std::error_code ec;
    std::filesystem::permissions(root, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ec);
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::remove_all(root, ec);
}

} // namespace tarvex::test
