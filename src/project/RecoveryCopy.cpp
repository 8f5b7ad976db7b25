#include "RecoveryCopy.h"

#include "base/FileIo.h"
#include "base/FilePlatform.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <map>

namespace tarvex {

namespace {

constexpr std::string_view Signature = "Tarvex recovery copy";
constexpr std::uint64_t RecoveryCeiling = ProjectFileCeiling + (1u << 20);

template <typename T> std::optional<T> Number(std::string_view text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string RecoveryCopyText(const TRecoveryCopy& copy) {
    std::vector<std::string> lines = {std::string(Signature),
                                      "File=" + copy.OriginalFile,
                                      "Time=" + std::to_string(copy.Time),
                                      "Host=" + copy.Owner.Host,
                                      "Process=" + std::to_string(copy.Owner.ProcessId),
                                      "User=" + copy.Owner.User,
                                      "Window=" + std::to_string(copy.Owner.Window),
                                      "Started=" + copy.Owner.Started,
                                      "Token=" + copy.Owner.Token};
    if (copy.Identity) {
        lines.push_back("Size=" + std::to_string(copy.Identity->Size));
        lines.push_back("Modified=" + std::to_string(copy.Identity->Modified));
        lines.push_back("Hash=" + std::to_string(copy.Identity->ContentHash));
    }
    lines.emplace_back();
    return JoinLinesCrLf(lines) + copy.ProjectText;
}

std::optional<TRecoveryCopy> ParseRecoveryCopy(std::string_view bytes) {
    const std::size_t end = bytes.find("\r\n\r\n");
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    const std::vector<std::string> lines = SplitLines(bytes.substr(0, end));
    if (lines.empty() || lines[0] != Signature) {
        return std::nullopt;
    }
    std::map<std::string, std::string, std::less<>> fields;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t equals = lines[i].find('=');
        if (equals != std::string::npos) {
            fields[lines[i].substr(0, equals)] = lines[i].substr(equals + 1);
        }
    }
    TRecoveryCopy copy;
    copy.OriginalFile = fields["File"];
    copy.Owner.Host = fields["Host"];
    copy.Owner.User = fields["User"];
    // Copies of older versions name no start and no token: their owner is judged by its number.
    copy.Owner.Started = fields["Started"];
    copy.Owner.Token = fields["Token"];
    const auto time = Number<std::int64_t>(fields["Time"]);
    const auto process = Number<std::int64_t>(fields["Process"]);
    const auto window = Number<std::uint64_t>(fields["Window"]);
    if (!time || !process || !window) {
        return std::nullopt;
    }
    copy.Time = *time;
    copy.Owner.ProcessId = *process;
    copy.Owner.Window = *window;
    const auto size = Number<std::uint64_t>(fields["Size"]);
    const auto modified = Number<std::int64_t>(fields["Modified"]);
    const auto hash = Number<std::uint64_t>(fields["Hash"]);
    if (size && modified && hash) {
        copy.Identity = TFileIdentity{*size, *modified, *hash};
    }
    copy.ProjectText = std::string(bytes.substr(end + 4));
    return copy;
}

std::filesystem::path RecoveryCopyPath(const std::filesystem::path& folder, const TLockOwner& owner) {
    // The token makes the name the window's own: a new window that got a crashed one's process
    // number never writes over the crashed one's copy.
    std::string name = std::to_string(owner.ProcessId) + "-" + std::to_string(owner.Window) + "-";
    for (const char c : owner.Token) {
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            name += c;
        }
    }
    return folder / platform::PathFromUtf8(name + ".recovery");
}

std::vector<TRecoveryCopy> OrphanedRecoveryCopies(const std::filesystem::path& folder) {
    std::vector<TRecoveryCopy> copies;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() != ".recovery") {
            continue;
        }
        const std::optional<std::string> bytes = ReadWholeFile(entry.path(), RecoveryCeiling);
        std::optional<TRecoveryCopy> copy = bytes ? ParseRecoveryCopy(*bytes) : std::nullopt;
        // A window still running keeps its copy up to date itself. The folder is this person's
        // own on this machine, so a machine name that changed since does not make it another's.
        if (copy && OwnerGone(copy->Owner, TOwnerPlace::LocalFolder)) {
            copy->Path = entry.path();
            copies.push_back(std::move(*copy));
        }
    }
    std::sort(copies.begin(), copies.end(),
              [](const TRecoveryCopy& a, const TRecoveryCopy& b) { return a.Time > b.Time; });
    return copies;
}

std::string RecoveryTimeText(std::int64_t time) {
    const std::time_t at = static_cast<std::time_t>(time);
    const std::tm* local = std::localtime(&at);
    char text[32] = {};
    if (local == nullptr || std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", local) == 0) {
        return std::to_string(time);
    }
    return text;
}

} // namespace tarvex
