#pragma once
// What the "Publish to site" dialog works with: the project's targets, and for one of them the
// files as the site gets them, ready to travel. The transfer itself runs on its own thread: a job
// holds everything it needs, so nothing of the design is read while the window goes on.

#include "EditorContext.h"

#include "publish/SiteConnection.h"
#include "publish/SitePublish.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tarvex {

// One transfer's inputs, copied out of the design on the window's thread.
struct TSiteJob {
    TSiteAddress Address;
    TSiteCredentials Credentials;
    std::vector<TSiteFile> Files;
};

// What a job came to. A connection test reports UpToDate when it reached the folder.
struct TSiteRun {
    TSitePublishReport Report;
    // The server offered a key no pin vouches for (never a changed one): the author may accept it.
    std::optional<THostKeyPin> UnknownKey;
};

// Blocking, and safe on any thread: each opens its own connection.
TSiteRun TestSiteJob(const TSiteJob& job);
TSiteRun RunSiteJob(const TSiteJob& job, const TSitePublishOptions& options);

class TSitePublisher {
public:
    explicit TSitePublisher(TEditorContext& context) : m_context(context) {}

    const TPublishTargets& Targets() const { return m_context.Project().Targets; }
    // Kept in the project: the design has changed.
    void SetTargets(TPublishTargets targets) { m_context.Document().SetPublishTargets(std::move(targets)); }

    // Nothing when the address reads; else the sentence that says what is wrong with it.
    static std::optional<TUiText> AddressError(const TPublishTarget& target);
    // Plain dav:// travels unencrypted: the author must say yes to it, each time.
    static bool NeedsPlainConsent(const TPublishTarget& target);
    // The job for `target`, with the files a publish sends now; the sentence that says why not
    // when the address is refused or the files cannot be made.
    std::variant<TSiteJob, TUiText> Prepare(const TPublishTarget& target, std::string password,
                                            bool plainConfirmed, bool withFiles = true) const;
    // The key store's name for a target's password: the same server and user share it.
    static std::string SecretKey(const TPublishTarget& target);
    // Where the window pins the keys it was told to trust.
    static std::string KnownHostsFile();
    // The full address of each file the plan puts on the site, as a receipt.
    static std::vector<std::string> PublishedAddresses(const TPublishTarget& target, const TSitePlan& plan);

private:
    TEditorContext& m_context;
};

} // namespace tarvex
