#pragma once
// A publish to a site: compare with what the site holds, send only what differs, each to a
// temporary name first, and put them in place only after every one arrived; the manifest last.

#include "publish/SiteConnection.h"
#include "publish/SitePlan.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarvex {

struct TSitePublishOptions {
    bool DryRun = false;
    bool Force = false; // replace files someone else changed on the server
    // Told after each file reached its temporary name on the site.
    std::function<void(const std::string& name)> AfterUpload;
    // Told while a file travels: bytes of it sent so far and its size. Answering false cancels.
    std::function<bool(const std::string& name, std::uint64_t sent, std::uint64_t size)> Progress;
};

enum class TSiteOutcome { Published, UpToDate, DryRun, Refused, Failed, Cancelled };

struct TSitePublishReport {
    TSiteOutcome Outcome = TSiteOutcome::Failed;
    TSitePlan Plan;
    TUiText Message; // empty after a publish or dry run that needs no words
};

TSitePublishReport PublishToSite(TSiteConnection& connection, const std::vector<TSiteFile>& files,
                                 const TSitePublishOptions& options);

// The temporary name a file is sent to before it replaces the live one.
std::string SiteUploadName(const std::string& name);

} // namespace tarvex
