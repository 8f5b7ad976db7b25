#include "publish/SitePublish.h"

namespace tarvex {
namespace {

TUiText Verbatim(std::string_view text) {
    return TUiText::Verbatim(text);
}

TSitePublishReport Failure(TSiteOutcome outcome, TUiText message, TSitePlan plan = {}) {
    return {outcome, std::move(plan), std::move(message)};
}

// The files of the site as far as the plan needs them: those to publish and the manifest.
bool ReadSite(TSiteConnection& connection, const std::vector<TSiteFile>& files,
              std::map<std::string, std::string>& onServer, std::optional<TSiteManifest>& manifest,
              TUiText& error) {
    if (!connection.OpenFolder(error)) {
        return false;
    }
    std::optional<std::string> manifestText = connection.Download(std::string(SiteManifestName), error);
    if (!error.Empty()) {
        return false;
    }
    // An unreadable manifest vouches for nothing: every differing file counts as changed by someone.
    manifest = manifestText ? ReadSiteManifest(*manifestText) : std::nullopt;
    for (const TSiteFile& file : files) {
        std::optional<std::string> bytes = connection.Download(file.Name, error);
        if (!error.Empty()) {
            return false;
        }
        if (bytes) {
            onServer[file.Name] = std::move(*bytes);
        }
    }
    return true;
}

TUiText ChangedOnServerMessage(const TSitePlan& plan) {
    std::string names;
    for (const TPlanEntry& entry : plan.Entries) {
        if (entry.ChangedOnServer) {
            names += (names.empty() ? "" : ", ") + entry.Name;
        }
    }
    return PublishText(
        TARVEX_TRANSLATE_NOOP(
            "Publish", "Someone else changed %1 on the server since Tarvex last published there; nothing was "
                       "sent. Publish with --force to replace them. The site is unchanged."),
        {Verbatim(names)});
}

// Sends every file the plan adds or replaces, and the manifest when it changed, to temporary
// names; on a failure removes what was sent.
// `cancelled` is set once the author's answer to the progress asked for it.
bool SendTemporaries(TSiteConnection& connection, const std::vector<TSiteFile>& files, const TSitePlan& plan,
                     const TSitePublishOptions& options, std::vector<std::string>& sent, bool& cancelled,
                     TUiText& error) {
    std::string current;
    if (options.Progress) {
        connection.SetUploadProgress([&](std::uint64_t done, std::uint64_t size) {
            cancelled = cancelled || !options.Progress(current, done, size);
            return !cancelled;
        });
    }
    for (std::size_t i = 0; i < files.size() && !cancelled; ++i) {
        if (plan.Entries[i].Action == TSiteAction::Leave) {
            continue;
        }
        current = files[i].Name;
        sent.push_back(files[i].Name);
        if (!connection.Upload(SiteUploadName(files[i].Name), files[i].Bytes, error)) {
            error = PublishText(TARVEX_TRANSLATE_NOOP("Publish", "Sending %1 failed: %2"),
                                {Verbatim(files[i].Name), error});
            return false;
        }
        // The whole file, also where the library told no progress for one so small.
        const std::uint64_t size = files[i].Bytes.size();
        cancelled = cancelled || (options.Progress && !options.Progress(current, size, size));
        if (options.AfterUpload) {
            options.AfterUpload(files[i].Name);
        }
    }
    if (cancelled) {
        return false;
    }
    // The manifest is ours, not one of the author's files: it travels untold.
    connection.SetUploadProgress({});
    if (plan.ManifestChanged) {
        sent.emplace_back(SiteManifestName);
        if (!connection.Upload(SiteUploadName(sent.back()), WriteSiteManifest(plan.NewManifest), error)) {
            error = PublishText(TARVEX_TRANSLATE_NOOP("Publish", "Sending the publish manifest failed: %1"),
                                {error});
            return false;
        }
    }
    return true;
}

// A publish whose connection dropped leaves its temporaries behind. Those of the files sent now
// are replaced anyway; the others go, so that no stale copy lies beside the live files.
void RemoveStaleTemporaries(TSiteConnection& connection, const std::vector<TSiteFile>& files,
                            const TSitePlan& plan) {
    std::vector<std::string> stale;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (plan.Entries[i].Action == TSiteAction::Leave) {
            stale.push_back(SiteUploadName(files[i].Name));
        }
    }
    if (!plan.ManifestChanged) {
        stale.push_back(SiteUploadName(std::string(SiteManifestName)));
    }
    if (!stale.empty()) {
        connection.RemoveEach(stale);
    }
}

// Why nothing of the site changed when a file did not arrive.
TUiText NotSentMessage(bool cancelled, const TUiText& error) {
    return PublishText(
        TARVEX_TRANSLATE_NOOP(
            "Publish",
            "%1 The site is unchanged. Its temporary files are removed where the server allowed it."),
        {cancelled ? PublishText(TARVEX_TRANSLATE_NOOP(
                         "Publish", "Publishing was cancelled before any file was replaced."))
                   : error});
}

// Why `name` is not live, and which files already are.
TUiText NotPlacedMessage(const std::string& name, const TUiText& error,
                         const std::vector<std::string>& placed) {
    std::string done;
    for (const std::string& placedName : placed) {
        done += (done.empty() ? "" : ", ") + placedName;
    }
    if (done.empty()) {
        return PublishText(
            TARVEX_TRANSLATE_NOOP("Publish", "Putting %1 in place failed: %2 The site is unchanged."),
            {Verbatim(name), error});
    }
    return PublishText(TARVEX_TRANSLATE_NOOP("Publish",
                                             "Putting %1 in place failed: %2 Already replaced: %3. The "
                                             "site may be partly updated; publish again to complete it."),
                       {Verbatim(name), error, Verbatim(done)});
}

} // namespace

std::string SiteUploadName(const std::string& name) {
    return ".tarvex-upload-" + name;
}

TSitePublishReport PublishToSite(TSiteConnection& connection, const std::vector<TSiteFile>& files,
                                 const TSitePublishOptions& options) {
    std::map<std::string, std::string> onServer;
    std::optional<TSiteManifest> manifest;
    TUiText error;
    if (!ReadSite(connection, files, onServer, manifest, error)) {
        return Failure(TSiteOutcome::Failed,
                       PublishText(TARVEX_TRANSLATE_NOOP("Publish", "%1 The site is unchanged."), {error}));
    }
    TSitePlan plan = PlanSitePublish(files, onServer, manifest);
    if (plan.HasChangesOnServer() && !options.Force) {
        TUiText message = ChangedOnServerMessage(plan);
        return Failure(TSiteOutcome::Refused, std::move(message), std::move(plan));
    }
    if (options.DryRun) {
        return {TSiteOutcome::DryRun, std::move(plan), {}};
    }
    RemoveStaleTemporaries(connection, files, plan);
    if (plan.NothingToSend()) {
        return {TSiteOutcome::UpToDate, std::move(plan),
                PublishText(TARVEX_TRANSLATE_NOOP("Publish", "The site is up to date; nothing was sent."))};
    }

    std::vector<std::string> sent;
    bool cancelled = false;
    const bool allSent = SendTemporaries(connection, files, plan, options, sent, cancelled, error);
    // The progress told refers to locals of the sending.
    connection.SetUploadProgress({});
    if (!allSent) {
        for (const std::string& name : sent) {
            connection.Remove(SiteUploadName(name));
        }
        return Failure(cancelled ? TSiteOutcome::Cancelled : TSiteOutcome::Failed,
                       NotSentMessage(cancelled, error), std::move(plan));
    }
    // Every file arrived: only now does the live site change, the manifest last.
    std::vector<std::string> placed;
    for (const std::string& name : sent) {
        if (!connection.Rename(SiteUploadName(name), name, error)) {
            for (std::size_t i = placed.size() + 1; i < sent.size(); ++i) {
                connection.Remove(SiteUploadName(sent[i]));
            }
            return Failure(TSiteOutcome::Failed, NotPlacedMessage(name, error, placed), std::move(plan));
        }
        placed.push_back(name);
    }
    return {TSiteOutcome::Published, std::move(plan), {}};
}

} // namespace tarvex
