#include "publish/SitePlan.h"

#include "publish/Sha256.h"
#include "publish/SiteAddress.h"

namespace tarvex {
namespace {

constexpr std::string_view ManifestHeader = "tarvex-publish 1";

bool IsHexDigest(std::string_view text) {
    if (text.size() != 64) {
        return false;
    }
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return false;
        }
    }
    return true;
}

std::optional<std::uint64_t> SizeNumber(std::string_view text) {
    if (text.empty() || text.size() > 18) {
        return std::nullopt;
    }
    std::uint64_t size = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        size = size * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return size;
}

std::string_view ActionName(TSiteAction action) {
    switch (action) {
    case TSiteAction::Add:
        return "add";
    case TSiteAction::Replace:
        return "replace";
    case TSiteAction::Leave:
        return "leave";
    }
    return "";
}

} // namespace

std::string WriteSiteManifest(const TSiteManifest& manifest) {
    std::string text(ManifestHeader);
    text += '\n';
    for (const auto& [name, entry] : manifest) {
        text += entry.Sha256 + ' ' + std::to_string(entry.Size) + ' ' + name + '\n';
    }
    return text;
}

std::optional<TSiteManifest> ReadSiteManifest(std::string_view text) {
    if (!text.starts_with(ManifestHeader) || text.size() <= ManifestHeader.size() ||
        text[ManifestHeader.size()] != '\n') {
        return std::nullopt;
    }
    text.remove_prefix(ManifestHeader.size() + 1);
    TSiteManifest manifest;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        const std::size_t sizeEnd = line.find(' ', 65);
        if (line.size() < 68 || line[64] != ' ' || sizeEnd == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view digest = line.substr(0, 64);
        const std::optional<std::uint64_t> size = SizeNumber(line.substr(65, sizeEnd - 65));
        const std::string name(line.substr(sizeEnd + 1));
        if (!IsHexDigest(digest) || !size || !IsPlainSiteName(name) || manifest.contains(name)) {
            return std::nullopt;
        }
        manifest[name] = {std::string(digest), *size};
    }
    return manifest;
}

bool TSitePlan::NothingToSend() const {
    for (const TPlanEntry& entry : Entries) {
        if (entry.Action != TSiteAction::Leave) {
            return false;
        }
    }
    return !ManifestChanged;
}

bool TSitePlan::HasChangesOnServer() const {
    for (const TPlanEntry& entry : Entries) {
        if (entry.ChangedOnServer) {
            return true;
        }
    }
    return false;
}

TSitePlan PlanSitePublish(const std::vector<TSiteFile>& files,
                          const std::map<std::string, std::string>& onServer,
                          const std::optional<TSiteManifest>& manifest) {
    TSitePlan plan;
    if (manifest) {
        plan.NewManifest = *manifest;
    }
    for (const TSiteFile& file : files) {
        const std::string digest = Sha256Hex(file.Bytes);
        TPlanEntry entry{file.Name, file.Bytes.size(), TSiteAction::Add, false};
        if (const auto found = onServer.find(file.Name); found != onServer.end()) {
            const std::string serverDigest = Sha256Hex(found->second);
            if (serverDigest == digest) {
                entry.Action = TSiteAction::Leave;
            } else {
                entry.Action = TSiteAction::Replace;
                const auto known = manifest ? manifest->find(file.Name) : TSiteManifest::const_iterator();
                entry.ChangedOnServer = !manifest || known == manifest->end() ||
                                        known->second.Sha256 != serverDigest ||
                                        known->second.Size != found->second.size();
            }
        }
        plan.NewManifest[file.Name] = {digest, file.Bytes.size()};
        plan.Entries.push_back(std::move(entry));
    }
    plan.ManifestChanged = !manifest || plan.NewManifest.size() != manifest->size() ||
                           WriteSiteManifest(plan.NewManifest) != WriteSiteManifest(*manifest);
    return plan;
}

std::string DescribeSitePlan(const TSitePlan& plan) {
    std::string text;
    for (const TPlanEntry& entry : plan.Entries) {
        std::string action(ActionName(entry.Action));
        action.resize(8, ' ');
        text += action + entry.Name + " (" + std::to_string(entry.Size) + " bytes)";
        if (entry.ChangedOnServer) {
            text += " - changed on the server by someone else";
        }
        text += '\n';
    }
    return text;
}

} // namespace tarvex
