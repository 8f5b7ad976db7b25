// tarvex-cli publish: the published files sent straight to a site's server, only what changed,
// never leaving the live site half-updated.

#include "CliSupport.h"

#include "base/FilePlatform.h"
#include "base/PathText.h"
#include "preview/PublishFiles.h"
#include "publish/SiteAddress.h"
#include "publish/SitePublish.h"
#include "script/MenuModule.h"

#include <cstdlib>
#include <iostream>

namespace tarvex::cli {
namespace fs = std::filesystem;

#if TARVEX_PUBLISH_SENDS
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The pins of servers the author accepted earlier, beside the program's other settings.
std::string OwnKnownHostsFile() {
    std::string config = Environment("XDG_CONFIG_HOME");
    if (config.empty()) {
        const std::string home = Environment("HOME");
        config = home.empty() ? Environment("APPDATA") : home + "/.config";
    }
    return config.empty() ? std::string() : config + "/tarvex/known_hosts";
}

// The files a build would write, as the site gets them; nothing after the message that says
// which could not be made.
std::optional<std::vector<TSiteFile>> SiteFiles(const fs::path& appFolder, const TProject& project,
                                                const fs::path& projectFolder, bool module) {
    const TMenuScript script = GenerateMenuScript(project, projectFolder);
    if (script.Refused) {
        PrintError(NoStylesMessage);
        return std::nullopt;
    }
    for (const TScriptWarning& warning : script.Warnings) {
        PrintError(std::string(ScriptWarningCaption) + " " + warning.Text);
    }
    const fs::path engineFolder = appFolder / "help" / "temp";
    const std::vector<TPublishFile> read =
        module ? ReadModulePublishFiles(engineFolder, fs::path(), project, script)
               : ReadPublishFiles(engineFolder, fs::path("menu.js"), JoinLinesCrLf(script.Lines));
    std::vector<TSiteFile> files;
    for (const TPublishFile& file : read) {
        if (!file.Bytes) {
            PrintError(file.Error);
            return std::nullopt;
        }
        files.push_back({PathText(file.Target.filename()), *file.Bytes});
    }
    return files;
}

TSiteCredentials Credentials(const TSiteAddress& address, const TArguments& parsed) {
    TSiteCredentials credentials;
    credentials.User = address.User;
    if (credentials.User.empty()) {
        credentials.User = Environment("USER");
    }
    if (credentials.User.empty()) {
        credentials.User = Environment("USERNAME");
    }
    // Never an argument: other users of the machine can read every process's command line.
    credentials.Password = Environment("TARVEX_PASSWORD");
    credentials.IdentityFile = parsed.Value("--identity").value_or("");
    credentials.KnownHostsFile = parsed.Value("--known-hosts").value_or(OwnKnownHostsFile());
    credentials.CaFile = parsed.Value("--ca-file").value_or("");
    credentials.PlainConfirmed = parsed.Flag("--allow-plain-dav");
    return credentials;
}

int Report(const TSitePublishReport& report, const std::string& target) {
    switch (report.Outcome) {
    case TSiteOutcome::DryRun:
        std::cout << DescribeSitePlan(report.Plan);
        return ExitOk;
    case TSiteOutcome::UpToDate:
        std::cout << DescribeSitePlan(report.Plan) << report.Message << '\n';
        return ExitOk;
    case TSiteOutcome::Published:
        std::cout << DescribeSitePlan(report.Plan) << "Published to " << target << ".\n";
        return ExitOk;
    case TSiteOutcome::Refused:
        std::cout << DescribeSitePlan(report.Plan);
        break;
    case TSiteOutcome::Failed:
        break;
    }
    PrintError(report.Message);
    return ExitError;
}

} // namespace
#endif

int Publish(const fs::path& appFolder, const std::vector<std::string>& args) {
    const TArguments parsed(args, {"--identity", "--known-hosts", "--ca-file"},
                            {"--dry-run", "--force", "--module", "--allow-plain-dav"});
    const std::vector<std::string>& plain = parsed.Plain(2, "project file or target");
    const std::string& target = plain[1];
    if (target.find("://") == std::string::npos) {
        throw TUsageError{"TARGET must be an address such as sftp://user@host/folder; targets named in the "
                          "project are not supported yet"};
    }
    const TSiteAddressResult address = ParseSiteAddress(target);
    if (!address.Address) {
        PrintError(address.Error);
        return ExitError;
    }
    if (address.Address->Protocol == TSiteProtocol::Dav && !parsed.Flag("--allow-plain-dav")) {
        PrintError(std::string(PlainDavUnconfirmed));
        return ExitError;
    }
    TProject project;
    if (!LoadProjectFile(plain[0], project)) {
        return ExitError;
    }
#if TARVEX_PUBLISH_SENDS
    const std::optional<std::vector<TSiteFile>> files =
        SiteFiles(appFolder, project, ProjectFolderOf(plain[0]), parsed.Flag("--module"));
    if (!files) {
        return ExitError;
    }
    std::string error;
    const std::unique_ptr<TSiteConnection> connection =
        OpenSiteConnection(*address.Address, Credentials(*address.Address, parsed), error);
    if (!connection) {
        PrintError(error);
        return ExitError;
    }
    TSitePublishOptions options;
    options.DryRun = parsed.Flag("--dry-run");
    options.Force = parsed.Flag("--force");
    return Report(PublishToSite(*connection, *files, options), target);
#else
    static_cast<void>(appFolder);
    PrintError(std::string(SitePublishUnavailable));
    return ExitError;
#endif
}

} // namespace tarvex::cli
