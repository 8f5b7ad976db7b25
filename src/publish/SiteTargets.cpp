#include "publish/SiteTargets.h"

#include "base/FileIo.h"
#include "base/FilePlatform.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace tarvex {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// Nothing a known-hosts line would split or end at, nor its markers for patterns and comments.
bool IsPlainField(std::string_view text) {
    return !text.empty() && std::none_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '#' || c == '*' || c == '?' ||
               c == '!' || c == '|' || static_cast<unsigned char>(c) == 0x7F;
    });
}

} // namespace

std::string OwnKnownHostsFile() {
    std::string config = Environment("XDG_CONFIG_HOME");
    if (config.empty()) {
        const std::string home = Environment("HOME");
        config = home.empty() ? Environment("APPDATA") : home + "/.config";
    }
    return config.empty() ? std::string() : config + "/tarvex/known_hosts";
}

const TPublishTarget* FindPublishTarget(const TProject& project, std::string_view name) {
    for (const TPublishTarget& target : project.Targets) {
        if (target.Name == name) {
            return &target;
        }
    }
    return nullptr;
}

TSiteCredentials CredentialsFor(const TSiteAddress& address, const TPublishTarget& target) {
    TSiteCredentials credentials;
    credentials.User = !address.User.empty() ? address.User : target.User;
    if (credentials.User.empty()) {
        credentials.User = Environment("USER");
    }
    if (credentials.User.empty()) {
        credentials.User = Environment("USERNAME");
    }
    credentials.IdentityFile = target.IdentityFile;
    credentials.CaFile = target.CaFile;
    credentials.KnownHostsFile = OwnKnownHostsFile();
    return credentials;
}

} // namespace tarvex

namespace tarvex {

bool PinHostKey(const std::string& knownHostsFile, const THostKeyPin& key, TUiText& error) {
    namespace fs = std::filesystem;
    if (!IsPlainField(key.Host) || !IsPlainField(key.KeyType) || !IsPlainField(key.KeyBase64) ||
        key.Host.find_first_of("[]") != std::string::npos || key.Port < 1 || key.Port > 65535) {
        error = PublishText(
            TARVEX_TRANSLATE_NOOP("Publish", "The server's key cannot be written to a known-hosts file."));
        return false;
    }
    if (knownHostsFile.empty()) {
        error = PublishText(TARVEX_TRANSLATE_NOOP(
            "Publish", "There is no folder for the known-hosts file of Tarvex (HOME is not set)."));
        return false;
    }
    const std::string host = key.Port == 22 ? key.Host : "[" + key.Host + "]:" + std::to_string(key.Port);
    const fs::path file = platform::PathFromUtf8(knownHostsFile);
    std::error_code ec;
    if (file.has_parent_path() && !fs::is_directory(file.parent_path(), ec)) {
        fs::create_directories(file.parent_path(), ec);
        // The pins decide which servers are trusted: nobody else may add one.
        fs::permissions(file.parent_path(), fs::perms::owner_all, fs::perm_options::replace, ec);
    }
    std::optional<std::string> text = ReadWholeFile(file);
    if (!text && fs::exists(file, ec)) {
        // Written over, the pins it holds would be lost.
        error = PublishText(
            TARVEX_TRANSLATE_NOOP("Publish",
                                  "The known-hosts file %1 could not be read, so no key was added to it."),
            {TUiText::Verbatim(knownHostsFile)});
        return false;
    }
    text = text.value_or(std::string());
    if (!text->empty() && text->back() != '\n') {
        *text += '\n';
    }
    *text += host + " " + key.KeyType + " " + key.KeyBase64 + "\n";
    const TWriteStatus status = WriteFileAtomically(file, *text);
    if (status != TWriteStatus::Written) {
        // The reason is the one every save gives.
        error = PublishText(TARVEX_TRANSLATE_NOOP("Publish", "The server's key could not be kept in %1.%2"),
                            {TUiText::Verbatim(knownHostsFile), WhyNotWrittenText(status)});
        return false;
    }
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace, ec);
    return true;
}

} // namespace tarvex
