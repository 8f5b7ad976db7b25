#pragma once
// What a publish to a site sends: the manifest the site keeps of what Tarvex put there
// (.tarvex-publish), and the comparison of the files to publish with what the site holds.
//
// The manifest is UTF-8 text with LF line ends: the line "tarvex-publish 1", then one line per
// file, sorted by name: 64 lower-case hexadecimal digits of the file's SHA-256, a space, its size
// in bytes, a space, and its name (which may hold spaces, never a line end).

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

inline constexpr std::string_view SiteManifestName = ".tarvex-publish";

struct TManifestEntry {
    std::string Sha256; // hexadecimal
    std::uint64_t Size = 0;
    bool operator==(const TManifestEntry&) const = default;
};
using TSiteManifest = std::map<std::string, TManifestEntry>;

std::string WriteSiteManifest(const TSiteManifest& manifest);
// Nothing for text that is not a manifest of this form.
std::optional<TSiteManifest> ReadSiteManifest(std::string_view text);

struct TSiteFile {
    std::string Name; // a plain name in the target folder
    std::string Bytes;
};

enum class TSiteAction { Add, Replace, Leave };

struct TPlanEntry {
    std::string Name;
    std::uint64_t Size = 0;
    TSiteAction Action = TSiteAction::Add;
    // The site's file is neither ours nor what the manifest says was published: someone else
    // changed or put it there.
    bool ChangedOnServer = false;
};

struct TSitePlan {
    std::vector<TPlanEntry> Entries; // in the order of the files to publish
    TSiteManifest NewManifest;
    bool ManifestChanged = false;

    bool NothingToSend() const;
    bool HasChangesOnServer() const;
};

// `onServer` holds the bytes the site has under each name to publish (no entry: no such file);
// `manifest` is the site's manifest when it had a readable one. Entries of the old manifest for
// files not published now are kept, so a later publish still knows them.
TSitePlan PlanSitePublish(const std::vector<TSiteFile>& files,
                          const std::map<std::string, std::string>& onServer,
                          const std::optional<TSiteManifest>& manifest);

// One line per file: "add", "replace" or "leave", the name and the size, and a note for a file
// changed on the server.
std::string DescribeSitePlan(const TSitePlan& plan);

} // namespace tarvex
