#include "FileIo.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <system_error>

namespace tarvex {
namespace fs = std::filesystem;

namespace {

bool WriteAll(const fs::path& path, std::string_view bytes, std::ios::openmode mode) {
    std::ofstream out(path, mode);
    if (!out) {
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

fs::path TemporaryBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path temp = target;
    temp += ".tmp" + std::to_string(stamp % 1000000007) + "-" + std::to_string(counter++);
    return temp;
}

} // namespace

TWriteStatus WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    std::error_code ec;
    const bool targetExists = fs::exists(path, ec);
    if (targetExists && fs::is_directory(path, ec)) {
        return TWriteStatus::CannotCreate;
    }
    const fs::path temp = TemporaryBeside(path);
    if (WriteAll(temp, bytes, std::ios::binary | std::ios::trunc)) {
        if (targetExists) {
            // Keep the permission bits the person gave the file.
            const auto perms = fs::status(path, ec).permissions();
            if (!ec) {
                fs::permissions(temp, perms, ec);
            }
        }
        fs::rename(temp, path, ec);
        if (!ec) {
            return TWriteStatus::Written;
        }
    }
    fs::remove(temp, ec);
    // The folder may refuse new files while the file itself is writable: rewrite it in place.
    if (targetExists && WriteAll(path, bytes, std::ios::binary | std::ios::trunc)) {
        return TWriteStatus::Written;
    }
    return TWriteStatus::CannotCreate;
}

bool IsReadOnlyFile(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::is_regular_file(status)) {
        return false;
    }
    const auto writeBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & writeBits) == fs::perms::none;
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    std::string out;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

} // namespace tarvex
