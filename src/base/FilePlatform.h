#pragma once
// The file-system calls that differ between operating systems, behind portable functions.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex::platform {

// Why a write did not complete.
enum class TIoError { None, NoSpace, Denied, Exists, Other };

// An open file; only the functions below look inside.
using TFileHandle = std::intptr_t;
inline constexpr TFileHandle NoFile = -1;

// Creates a file that must not exist yet, with the permissions new files get.
TFileHandle CreateNewFile(const std::filesystem::path& path, TIoError& error);
// Writes at most `bytes.size()` bytes at the current position; how many went through.
std::size_t WriteSome(TFileHandle file, std::string_view bytes, TIoError& error);
// Flushes the file's content to the device.
bool SyncFile(TFileHandle file);
bool CloseFile(TFileHandle file);
// Flushes the folder's entries (a rename inside it) to the device; best effort.
void SyncFolder(const std::filesystem::path& folder);
// Gives the file the permission bits of `model`; false when they could not be read or set.
bool CopyPermissions(TFileHandle file, const std::filesystem::path& model);
// Whether the running user may write to this existing file.
bool UserMayWrite(const std::filesystem::path& path);
// The longest file name, in bytes, that the folder's file system accepts.
std::size_t FileNameLimit(const std::filesystem::path& folder);

// Replaces `target` (or creates it) by the finished temporary file `temp` in the same folder, in one
// step. Where the system keeps a file's attributes apart from its content, the target's survive.
bool ReplaceByTemporary(const std::filesystem::path& temp, const std::filesystem::path& target);

// The running program's own file, when the system tells it.
std::optional<std::filesystem::path> RunningExecutable();
// The person's home folder (profile folder on Windows), when the environment names one.
std::optional<std::filesystem::path> HomeFolder();

// Paths cross this program as UTF-8 text. A path built straight from a narrow string is read in
// the ANSI code page on Windows, which mangles or refuses every other character.
std::filesystem::path PathFromUtf8(std::string_view text);
std::string PathToUtf8(const std::filesystem::path& path);

// The program's arguments as UTF-8, the program name first. Windows hands `main` only what the
// ANSI code page can hold, so there they are read again from the wide command line.
std::vector<std::string> CommandLineArguments(int argc, char** argv);
// Standard output and error pass bytes unchanged (no LF to CR LF on Windows) and a console shows
// them as UTF-8.
void UseBinaryStandardStreams();

// Who and where this process is, for the lock files that tell one window's work from another's.
std::int64_t CurrentProcessId();
// Whether a process with this id runs on this machine now. An id the system cannot answer for
// counts as running: a lock is only ever taken over when its owner is surely gone.
bool ProcessRunning(std::int64_t processId);
// The machine's name and the logged-in user's, as UTF-8; empty when the system does not say.
std::string HostName();
std::string UserName();

enum class TReadStatus { Read, CannotRead, TooLarge };
struct TReadResult {
    TReadStatus Status = TReadStatus::CannotRead;
    std::string Bytes;
};
// Reads a regular file (or what a link points to) of at most `ceiling` bytes. A FIFO, a device
// or a folder is refused at once, without waiting for a writer or reading without end.
TReadResult ReadRegularFile(const std::filesystem::path& path, std::uint64_t ceiling);

} // namespace tarvex::platform
