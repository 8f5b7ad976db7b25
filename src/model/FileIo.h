#pragma once
// Whole-file reading and the one way files are written: built in memory, then swapped in whole.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

enum class TWriteStatus { Written, CannotCreate };

// Writes `bytes` to a temporary file in the target's folder and renames it over the target, so
// a failure never leaves a half-written file. When the folder refuses new files but the target
// itself is writable, the target is rewritten in place instead.
TWriteStatus WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// An existing file that nobody may write to (the read-only attribute of the file dialogs'
// world). Checked on the permission bits, so it holds for root as well.
bool IsReadOnlyFile(const std::filesystem::path& path);

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Splits text into lines: CR LF, LF or a lone CR ends a line; a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
// Every line, the last included, followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

} // namespace tarvex
