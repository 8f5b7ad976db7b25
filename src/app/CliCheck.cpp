// tarvex-cli check, and the checks a strict build runs before it writes.

#include "base/FilePlatform.h"
#include "base/VisibleText.h"
#include "checks/DesignChecks.h"
#include "checks/StyleChecks.h"
#include "model/Project.h"
#include "script/MenuScript.h"

#include "CliSupport.h"

#include <filesystem>
#include <iomanip>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace tarvex::cli {

namespace {

namespace fs = std::filesystem;

std::string JsonString(std::string_view text) {
    return "\"" + VisibleText(text, TShownAs::Json) + "\"";
}

std::string JsonNumber(double value) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::setprecision(6) << value;
    return text.str();
}

std::string FindingJson(const TCheckFinding& finding) {
    std::string path;
    for (const int index : finding.Place.Path) {
        path += (path.empty() ? "" : ",") + std::to_string(index);
    }
    return "{\"level\":" + JsonString(LevelText(finding.Level)) +
           ",\"place\":" + JsonString(finding.Place.Text.English()) +
           ",\"tree\":" + JsonString(finding.Place.InStyles ? "styles" : "objects") + ",\"path\":[" + path +
           "],\"text\":" + JsonString(finding.Text.English()) + "}";
}

// The findings, and for each style the height of its entries as the checks compute it, which
// the engine's tests hold against the height a browser draws.
std::string ChecksJson(const TProject& project, const std::vector<TCheckFinding>& findings) {
    std::string json = "{\"errors\":" + std::to_string(CountErrors(findings)) +
                       ",\"warnings\":" + std::to_string(findings.size() - CountErrors(findings)) +
                       ",\"findings\":[";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        json += (i ? ",\n  " : "\n  ") + FindingJson(findings[i]);
    }
    json += "],\"styles\":[";
    bool first = true;
    for (const TTreeNode& style : project.Styles.Roots()) {
        json += (first ? "\n  " : ",\n  ");
        json += "{\"name\":" + JsonString(style.Text()) +
                ",\"entryHeight\":" + JsonNumber(EntryHeight(style.Style())) + "}";
        first = false;
    }
    return json + "]}\n";
}

} // namespace

int Check(const std::vector<std::string>& args) {
    const TArguments parsed(args, {"--site", "--format"}, {"--strict"});
    const std::string& projectPath = parsed.Single("project file");
    const std::string format = parsed.Value("--format").value_or("text");
    if (format != "text" && format != "json") {
        throw TUsageError{"--format takes text or json, not '" + format + "'"};
    }
    TCheckSettings settings;
    settings.ProjectFolder = ProjectFolderOf(projectPath);
    if (const std::optional<std::string> site = parsed.Value("--site")) {
        settings.Site = platform::PathFromUtf8(*site);
        std::error_code error;
        if (!fs::is_directory(settings.Site, error)) {
            throw TUsageError{"--site takes a folder; '" + *site + "' is none"};
        }
    }

    TProject project;
    if (!LoadProjectFile(projectPath, project)) {
        return ExitError;
    }
    const std::vector<TCheckFinding> findings = CheckDesign(project, settings);
    std::string out;
    if (format == "json") {
        out = ChecksJson(project, findings);
    } else {
        for (const TCheckFinding& finding : findings) {
            out += VisibleText(FindingLine(finding), TShownAs::Terminal) + "\n";
        }
    }
    if (!PrintOrReport(out)) {
        return ExitError;
    }
    const bool failed = CountErrors(findings) > 0 || (parsed.Flag("--strict") && !findings.empty());
    return failed ? ExitError : ExitOk;
}

std::filesystem::path ProjectFolderOf(const std::string& projectPath) {
    std::error_code error;
    const fs::path file = fs::absolute(platform::PathFromUtf8(projectPath), error);
    return error ? fs::path() : file.parent_path();
}

bool ChecksAllowStrictBuild(const TProject& project, const TMenuScript& script,
                            const fs::path& projectFolder) {
    TCheckSettings settings;
    settings.ProjectFolder = projectFolder;
    const std::vector<TCheckFinding> findings = CheckDesign(project, script.Warnings, settings);
    for (const TCheckFinding& finding : findings) {
        if (finding.Level == TCheckLevel::Error) {
            PrintError(FindingLine(finding));
        }
    }
    return CountErrors(findings) == 0;
}

} // namespace tarvex::cli
