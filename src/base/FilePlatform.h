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

enum class TProcessState {
    // No process has the number, or the one that had it has ended (a zombie not yet reaped).
    Gone,
    Running,
    // It runs, but the system does not tell more (another user's process, a hidden one).
    Unknown,
};
// What the system tells of a process number now. `Started` names when the process started, as a
// text no other process of this machine will have (empty when not told): process numbers come
// back, start times do not.
struct TProcessInfo {
    TProcessState State = TProcessState::Unknown;
    std::string Started;
};
TProcessInfo ProcessInfo(std::int64_t processId);
// The machine's name and the logged-in user's, as UTF-8; empty when the system does not say.
std::string HostName();
std::string UserName();
// An identity of this installation of the system that stays when the machine is renamed; empty
// when the system keeps none.
std::string MachineId();

// Puts the finished file `temp` at `target` only when nothing is there yet, in one step, so the
// target is never seen empty or half written and of any number of callers one alone succeeds.
// `temp` is gone afterwards unless the result is Unsupported.
enum class TPlaceResult { Placed, Exists, Unsupported, Failed };
TPlaceResult PlaceWithoutReplacing(const std::filesystem::path& temp, const std::filesystem::path& target);

// Opens an existing file and takes the system's exclusive lock between processes on it, without
// waiting; CloseFile (or the end of the process) lets it go. `busy` tells that another is at the
// file this moment: it holds it, or the file was gone when opened (another just took it away; a new
// one may already stand at the path). Where the file system keeps no such locks the file is opened
// all the same.
TFileHandle OpenAndHold(const std::filesystem::path& path, bool& busy);
// Whether `path` names the very file `file` is open on.
bool SameFile(TFileHandle file, const std::filesystem::path& path);
// The first bytes of an open file, at most `limit` of them; nothing when it cannot be read.
std::optional<std::string> ReadFromStart(TFileHandle file, std::size_t limit);

enum class TReadStatus { Read, CannotRead, TooLarge };
struct TReadResult {
    TReadStatus Status = TReadStatus::CannotRead;
    std::string Bytes;
};
// Reads a regular file (or what a link points to) of at most `ceiling` bytes. A FIFO, a device
// or a folder is refused at once, without waiting for a writer or reading without end.
TReadResult ReadRegularFile(const std::filesystem::path& path, std::uint64_t ceiling);

} // namespace tarvex::platform
