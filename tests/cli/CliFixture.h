#pragma once
// The test fixture of tarvex-cli: a copy of the built tool in a throw-away application folder.

#include "base/FileIo.h"
#include "base/FilePlatform.h"
#include "favorites/FavoritesStore.h"

#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <sys/wait.h>
#endif

namespace tarvex::clitest {

namespace fs = std::filesystem;

inline const fs::path DataDir = fs::path(TARVEX_TEST_DATA) / "cli";
// The sample project the program ships, whose design passes every check.
// Whole, with its drive on Windows: the program runs in a work folder that may be on another drive.
inline const fs::path SampleProject = fs::absolute(
    (fs::path(TARVEX_TEST_DATA) / ".." / ".." / "data" / "samples" / "sample.xml").lexically_normal());
inline const fs::path ScriptGolden = fs::path(TARVEX_TEST_DATA) / "script" / "products-menu.js";

inline constexpr std::string_view OneJs = "// stand-in for one.js\r\n";
inline constexpr std::string_view MainJs = "// stand-in for main.js\n";

struct TRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

inline std::string Read(const fs::path& path) {
    auto bytes = ReadWholeFile(path);
    EXPECT_TRUE(bytes.has_value()) << "cannot read " << path;
    return bytes.value_or("");
}

using platform::PathFromUtf8;
using platform::PathToUtf8;

#ifdef _WIN32
// One argument as the C runtime's command-line parser reads it back.
inline std::wstring WindowsQuote(const std::wstring& text) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : text) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

// Runs `program` in `folder`, its output in two files; `argv0` is the name the program is told.
inline int RunProcess(const fs::path& program, const std::wstring& argv0,
                      const std::vector<std::string>& args, const fs::path& folder, const fs::path& out,
                      const fs::path& err, bool withinASecond) {
    std::wstring command = WindowsQuote(argv0);
    for (const std::string& arg : args) {
        command += L" " + WindowsQuote(PathFromUtf8(arg).native());
    }
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const HANDLE outFile = ::CreateFileW(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
    const HANDLE errFile = ::CreateFileW(err.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outFile;
    startup.hStdError = errFile;
    PROCESS_INFORMATION process{};
    const bool started = ::CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                          folder.c_str(), &startup, &process);
    ::CloseHandle(outFile);
    ::CloseHandle(errFile);
    if (!started) {
        return -1;
    }
    int code = -1;
    // A process start under wine alone may take a second: "at once" gets more room here.
    if (::WaitForSingleObject(process.hProcess, withinASecond ? 20000 : INFINITE) == WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        ::GetExitCodeProcess(process.hProcess, &exitCode);
        code = static_cast<int>(exitCode);
    } else {
        ::TerminateProcess(process.hProcess, 137);
        ::WaitForSingleObject(process.hProcess, INFINITE);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return code;
}
#endif

#ifndef _WIN32
inline std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}
#endif

inline std::vector<std::string> FilesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(PathToUtf8(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline TFavoriteStyleRec Favorite(std::string_view name, std::string_view offFont) {
    TFavoriteStyleRec favorite;
    favorite.Name = name;
    favorite.Style.MouseOffFont = offFont;
    favorite.Style.FontSize = 12;
    favorite.Style.FontName = "Georgia";
    return favorite;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::temp_directory_path() /
                 ("tarvex-cli-" + std::to_string(test::ProcessId()) + "-" + std::string(info->name()));
        test::RemoveTree(m_root);
        fs::create_directories(AppDir() / "help" / "temp");
        fs::create_directories(WorkDir());
        // The executable is copied away from the build folder: its data must be found beside the copy.
        fs::copy_file(TARVEX_CLI, AppDir() / fs::path(TARVEX_CLI).filename());
        ASSERT_EQ(WriteFileAtomically(AppDir() / "help" / "temp" / "one.js", OneJs), TWriteStatus::Written);
        ASSERT_EQ(WriteFileAtomically(AppDir() / "help" / "temp" / "main.js", MainJs), TWriteStatus::Written);
    }
    void TearDown() override { test::RemoveTree(m_root); }

    fs::path AppDir() const { return m_root / "app"; }
    fs::path WorkDir() const { return m_root / "work"; }

    // Runs the copied executable with WorkDir() as its current folder.
    // With `withinASecond`, a run that has not ended after one second is killed (exit code -1 or 137).
    // With `byName`, it is started by its bare name, as a tool found on PATH is.
    TRun Run(const std::vector<std::string>& args, bool withinASecond = false, bool byName = false) const {
        const fs::path out = m_root / "stdout";
        const fs::path err = m_root / "stderr";
        TRun run;
#ifdef _WIN32
        const fs::path program = AppDir() / fs::path(TARVEX_CLI).filename();
        run.ExitCode = RunProcess(program, byName ? std::wstring(L"tarvex-cli") : program.native(), args,
                                  WorkDir(), out, err, withinASecond);
#else
        std::string command = "cd " + ShellQuote(WorkDir().string()) + " && " +
                              (byName ? "PATH=" + ShellQuote(AppDir().string()) + ":\"$PATH\" " : "") +
                              (withinASecond ? "timeout -s KILL 1 " : "") +
                              (byName ? "tarvex-cli" : ShellQuote((AppDir() / "tarvex-cli").string()));
        for (const std::string& arg : args) {
            command += " " + ShellQuote(arg);
        }
        command += " >" + ShellQuote(out.string()) + " 2>" + ShellQuote(err.string());
        const int status = std::system(command.c_str());
        run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        run.Out = Read(out);
        run.Err = Read(err);
        return run;
    }

    fs::path m_root;
};

} // namespace tarvex::clitest
