#pragma once
// The file-system calls that differ between operating systems, behind portable functions.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvex::platform {

// Why a write did not complete.
enum class TIoError { None, NoSpace, Denied, Other };

// An open file; only the functions below look inside.
using TFileHandle = std::intptr_t;
inline constexpr TFileHandle NoFile = -1;

// Creates a file that must not exist yet, with the permissions new files get.
TFileHandle CreateNewFile(const std::filesystem::path& path, TIoError& error);
// Opens an existing regular file for writing without changing it.
TFileHandle OpenForRewrite(const std::filesystem::path& path);
// Writes at most `bytes.size()` bytes at the current position; how many went through.
std::size_t WriteSome(TFileHandle file, std::string_view bytes, TIoError& error);
// Makes room for `size` bytes, so later writes up to that size cannot run out of space.
bool Reserve(TFileHandle file, std::uint64_t size);
bool Truncate(TFileHandle file, std::uint64_t size);
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

// The running program's own file, when the system tells it.
std::optional<std::filesystem::path> RunningExecutable();

enum class TReadStatus { Read, CannotRead, TooLarge };
struct TReadResult {
    TReadStatus Status = TReadStatus::CannotRead;
    std::string Bytes;
};
// Reads a regular file (or what a link points to) of at most `ceiling` bytes. A FIFO, a device
// or a folder is refused at once, without waiting for a writer or reading without end.
TReadResult ReadRegularFile(const std::filesystem::path& path, std::uint64_t ceiling);

} // namespace tarvex::platform
