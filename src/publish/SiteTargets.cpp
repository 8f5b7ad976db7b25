#include "publish/SiteTargets.h"

#include <cstdlib>

namespace tarvex {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
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
