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
#include <cerrno>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

// A child process that runs until End() and then stays a zombie (ended, not yet collected by its
// parent) until this object goes, where the platform has such processes.
class TZombie {
public:
    TZombie() {
#ifndef _WIN32
        int ready[2] = {-1, -1};
        if (::pipe(ready) != 0) {
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            // Only calls that are safe in the child of a threaded program.
            ::close(ready[1]);
            char byte = 0;
            while (::read(ready[0], &byte, 1) != 0 && errno == EINTR) {
            }
            ::_exit(0);
        }
        ::close(ready[0]);
        m_release = ready[1];
#endif
    }
    TZombie(const TZombie&) = delete;
    TZombie& operator=(const TZombie&) = delete;
    ~TZombie() {
#ifndef _WIN32
        End();
        if (m_pid > 0) {
            ::waitpid(m_pid, nullptr, 0);
        }
#endif
    }

    // 0 where the platform makes none.
    long long Pid() const {
        return m_pid > 0 ? m_pid : 0;
    }
    void End() {
#ifndef _WIN32
        if (m_release >= 0) {
            ::close(m_release);
            m_release = -1;
        }
#endif
    }
    // Whether the process number is still taken (by the zombie).
    bool NumberTaken() const {
#ifndef _WIN32
        return m_pid > 0 && ::kill(m_pid, 0) == 0;
#else
        return false;
#endif
    }

private:
#ifndef _WIN32
    pid_t m_pid = -1;
    int m_release = -1;
#else
    int m_pid = -1;
#endif
};

} // namespace tarvex::test
