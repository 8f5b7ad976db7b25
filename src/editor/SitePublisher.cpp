#include "SitePublisher.h"

#include "preview/SiteFiles.h"
#include "publish/SiteAddress.h"
#include "publish/SiteTargets.h"

namespace tarvex {

#if TARVEX_PUBLISH_SENDS

namespace {

// Opens the connection and its folder; nothing after filling `run` with why not.
std::unique_ptr<TSiteConnection> OpenJob(const TSiteJob& job, TSiteRun& run) {
    TUiText error;
    std::unique_ptr<TSiteConnection> connection = OpenSiteConnection(job.Address, job.Credentials, error);
    if (connection && connection->OpenFolder(error)) {
        return connection;
    }
    run.Report.Outcome = TSiteOutcome::Failed;
    run.Report.Message = error;
    if (connection) {
        run.UnknownKey = connection->UnknownHostKey();
    }
    return nullptr;
}

} // namespace

TSiteRun TestSiteJob(const TSiteJob& job) {
    TSiteRun run;
    if (OpenJob(job, run)) {
        run.Report.Outcome = TSiteOutcome::UpToDate;
        run.Report.Message = PublishText(
            TARVEX_TRANSLATE_NOOP("Publish", "Connected to %1; the folder is there and Tarvex may log in."),
            {TUiText::Verbatim(job.Address.Host)});
    }
    return run;
}

TSiteRun RunSiteJob(const TSiteJob& job, const TSitePublishOptions& options) {
    TSiteRun run;
    if (const std::unique_ptr<TSiteConnection> connection = OpenJob(job, run)) {
        run.Report = PublishToSite(*connection, job.Files, options);
    }
    return run;
}

#else

namespace {

TSiteRun Unavailable() {
    TSiteRun run;
    run.Report.Outcome = TSiteOutcome::Failed;
    run.Report.Message = PublishText(SitePublishUnavailable);
    return run;
}

} // namespace

TSiteRun TestSiteJob(const TSiteJob&) {
    return Unavailable();
}

TSiteRun RunSiteJob(const TSiteJob&, const TSitePublishOptions&) {
    return Unavailable();
}

#endif

std::optional<TUiText> TSitePublisher::AddressError(const TPublishTarget& target) {
    const TSiteAddressResult address = ParseSiteAddress(target.Address);
    if (address.Address) {
        return std::nullopt;
    }
    return address.Error;
}

bool TSitePublisher::NeedsPlainConsent(const TPublishTarget& target) {
    const TSiteAddressResult address = ParseSiteAddress(target.Address);
    return address.Address && address.Address->Protocol == TSiteProtocol::Dav;
}

std::variant<TSiteJob, TUiText> TSitePublisher::Prepare(const TPublishTarget& target, std::string password,
                                                        bool plainConfirmed, bool withFiles) const {
    const TSiteAddressResult address = ParseSiteAddress(target.Address);
    if (!address.Address) {
        return address.Error;
    }
    if (address.Address->Protocol == TSiteProtocol::Dav && !plainConfirmed) {
        return PublishText(PlainDavUnconfirmed);
    }
    TSiteJob job;
    job.Address = *address.Address;
    job.Credentials = CredentialsFor(job.Address, target);
    job.Credentials.Password = std::move(password);
    job.Credentials.PlainConfirmed = plainConfirmed;
    if (withFiles) {
        TSiteFilesResult files =
            SiteFilesFor(m_context.AppFolder(), m_context.Project(), m_context.ProjectFolder(), target.Kind);
        if (!files.Files) {
            return files.Error;
        }
        job.Files = std::move(*files.Files);
    }
    return job;
}

std::string TSitePublisher::SecretKey(const TPublishTarget& target) {
    const TSiteAddressResult address = ParseSiteAddress(target.Address);
    if (!address.Address) {
        return target.Address;
    }
    const TSiteAddress& a = *address.Address;
    const std::string user = a.User.empty() ? target.User : a.User;
    return std::string(ProtocolScheme(a.Protocol)) + "://" + user + "@" + a.Host +
           (a.Port != 0 ? ":" + std::to_string(a.Port) : std::string());
}

std::string TSitePublisher::KnownHostsFile() {
    return OwnKnownHostsFile();
}

std::vector<std::string> TSitePublisher::PublishedAddresses(const TPublishTarget& target,
                                                            const TSitePlan& plan) {
    std::string base = target.Address;
    if (!base.empty() && base.back() != '/') {
        base += '/';
    }
    std::vector<std::string> addresses;
    for (const TPlanEntry& entry : plan.Entries) {
        addresses.push_back(base + entry.Name);
    }
    return addresses;
}

} // namespace tarvex
