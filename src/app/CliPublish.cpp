// tarvex-cli publish: the published files sent straight to a site's server, only what changed,
// never leaving the live site half-updated.

#include "CliSupport.h"

#include "preview/SiteFiles.h"
#include "publish/SiteAddress.h"
#include "publish/SitePublish.h"
#include "script/MenuScript.h"

#include <cstdlib>
#include <iostream>

namespace tarvex::cli {
namespace fs = std::filesystem;

namespace {

std::string UnknownTargetMessage(const TProject& project, const std::string& name) {
    if (project.Targets.empty()) {
        return "the project names no publish targets, so '" + name +
               "' is none of them; give an address such as sftp://user@host/folder";
    }
    std::string names;
    for (const TPublishTarget& target : project.Targets) {
        names += (names.empty() ? "'" : ", '") + target.Name + "'";
    }
    return "the project names no target '" + name + "'; its targets are " + names;
}

// The address that the target's text, or the named target, gives; nothing after saying why not.
std::optional<TSiteAddress> CheckedAddress(const std::string& text, const TArguments& parsed) {
    const TSiteAddressResult address = ParseSiteAddress(text);
    if (!address.Address) {
        PrintError(address.Error.English());
        return std::nullopt;
    }
    if (address.Address->Protocol == TSiteProtocol::Dav && !parsed.Flag("--allow-plain-dav")) {
        PrintError(PlainDavUnconfirmed);
        return std::nullopt;
    }
    return address.Address;
}

#if TARVEX_PUBLISH_SENDS
// The target's credentials, with what the command line names winning.
TSiteCredentials Credentials(const TSiteAddress& address, const TPublishTarget& target,
                             const TArguments& parsed) {
    TSiteCredentials credentials = CredentialsFor(address, target);
    // Never an argument: other users of the machine can read every process's command line.
    const char* password = std::getenv("TARVEX_PASSWORD");
    credentials.Password = password ? password : "";
    credentials.IdentityFile = parsed.Value("--identity").value_or(credentials.IdentityFile);
    credentials.KnownHostsFile = parsed.Value("--known-hosts").value_or(credentials.KnownHostsFile);
    credentials.CaFile = parsed.Value("--ca-file").value_or(credentials.CaFile);
    credentials.PlainConfirmed = parsed.Flag("--allow-plain-dav");
    return credentials;
}

int Report(const TSitePublishReport& report, const std::string& target) {
    switch (report.Outcome) {
    case TSiteOutcome::DryRun:
        std::cout << DescribeSitePlan(report.Plan);
        return ExitOk;
    case TSiteOutcome::UpToDate:
        std::cout << DescribeSitePlan(report.Plan) << report.Message.English() << '\n';
        return ExitOk;
    case TSiteOutcome::Published:
        std::cout << DescribeSitePlan(report.Plan) << "Published to " << target << ".\n";
        return ExitOk;
    case TSiteOutcome::Refused:
        std::cout << DescribeSitePlan(report.Plan);
        break;
    case TSiteOutcome::Failed:
    case TSiteOutcome::Cancelled:
        break;
    }
    PrintError(report.Message.English());
    return ExitError;
}

int Send(const fs::path& appFolder, const std::string& projectPath, const TProject& project,
         const TSiteAddress& address, const TPublishTarget& target, const TArguments& parsed) {
    std::vector<std::string> warnings;
    const TSiteFilesResult files =
        SiteFilesFor(appFolder, project, ProjectFolderOf(projectPath), target.Kind, &warnings);
    for (const std::string& warning : warnings) {
        PrintError(std::string(ScriptWarningCaption) + " " + warning);
    }
    if (!files.Files) {
        PrintError(files.Error.English());
        return ExitError;
    }
    TUiText error;
    const std::unique_ptr<TSiteConnection> connection =
        OpenSiteConnection(address, Credentials(address, target, parsed), error);
    if (!connection) {
        PrintError(error.English());
        return ExitError;
    }
    TSitePublishOptions options;
    options.DryRun = parsed.Flag("--dry-run");
    options.Force = parsed.Flag("--force");
    return Report(PublishToSite(*connection, *files.Files, options), target.Address);
}
#endif

} // namespace

int Publish(const fs::path& appFolder, const std::vector<std::string>& args) {
    const TArguments parsed(args, {"--identity", "--known-hosts", "--ca-file"},
                            {"--dry-run", "--force", "--module", "--allow-plain-dav"});
    const std::vector<std::string>& plain = parsed.Plain(2, "project file or target");
    const std::string& targetText = plain[1];
    // An address is checked before the project is read: a refused one needs no project.
    const bool named = targetText.find("://") == std::string::npos;
    std::optional<TSiteAddress> address;
    if (!named && !(address = CheckedAddress(targetText, parsed))) {
        return ExitError;
    }
    TProject project;
    if (!LoadProjectFile(plain[0], project)) {
        return ExitError;
    }
    TPublishTarget target;
    target.Address = targetText;
    if (named) {
        const TPublishTarget* found = FindPublishTarget(project, targetText);
        if (!found) {
            throw TUsageError{UnknownTargetMessage(project, targetText)};
        }
        target = *found;
        if (!(address = CheckedAddress(target.Address, parsed))) {
            return ExitError;
        }
    }
    if (parsed.Flag("--module")) {
        target.Kind = TPublishKind::Module;
    }
#if TARVEX_PUBLISH_SENDS
    return Send(appFolder, plain[0], project, *address, target, parsed);
#else
    static_cast<void>(appFolder);
    PrintError(std::string(SitePublishUnavailable));
    return ExitError;
#endif
}

} // namespace tarvex::cli
