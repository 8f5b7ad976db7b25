// tarvex-cli: builds, creates and normalises menu projects without the window.

#include "base/FileIo.h"
#include "base/FilePlatform.h"
#include "base/RecordText.h"
#include "base/ShippedData.h"
#include "favorites/FavoritesStore.h"
#include "model/Project.h"
#include "preview/PublishFiles.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "script/MenuModule.h"
#include "script/MenuScript.h"

#include "CliSupport.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace tarvex {
namespace {

namespace fs = std::filesystem;
using namespace cli;

constexpr std::string_view Version = TARVEX_VERSION;

constexpr std::string_view UsageText = R"(Usage: tarvex-cli COMMAND ARGUMENTS...

Commands:
  build PROJECT.xml [-o DIR] [-n NAME | --module] [--strict]
      Generate the menu script of a project and publish it: NAME (default
      menu.js) is written into DIR (default the current folder, created when
      missing) together with the menu engine files one.js and main.js, copied
      from help/temp/ of the shipped data. NAME is a plain file name and may
      not be one.js or main.js. With --module, DIR gets tarvex-menu.js, one
      ES module holding the engine and the menus that adds no global, and
      tarvex-menu.css, the design's style sheet; a page loads them with a
      link and a module script and gives the menu an element with the id
      tarvex-menu. A project without styles is refused. Warnings
      about the design (a missing style, a renamed style variable or menu, a
      dropped image position, a javascript: address) go to standard error;
      with --strict any such warning, or an error of check, is an error and
      nothing is written.

  check PROJECT.xml [--site DIR] [--strict] [--format text|json]
      Check the design for what its visitors would meet: text and background
      pairs below 4.5:1 contrast (3:1 for large text), entries under 24 px
      high, empty captions, javascript: addresses, addresses still the new
      entry's placeholder https://www.korvane.example and groups without
      entries are errors; long captions, items without an address, an address met
      twice in one menu, menus nested deeper than four levels, styles no menu
      uses and the warnings of build are warnings. With --site, a relative
      address that names no file under DIR is a warning. Prints one line per
      finding, "LEVEL: PLACE: TEXT", or with --format json an object holding
      the findings and each style's entry height. Exit status 1 when there is
      an error (with --strict, any finding), else 0.

  new PROJECT.xml [--style NAME | --no-style] [--force]
      Write the default project (one group holding one item). Its one style is
      the favourite style NAME from the shipped favorites.dat; without
      --style it is the first favourite there, the one the New command offers
      first. --no-style writes a project without any style, which build
      refuses until a style is added. An existing file is replaced only with
      --force.

  format IN.xml [-o OUT.xml]
      Read a project file and write it back in canonical form, to OUT.xml or
      to standard output.

  import SOURCE -o PROJECT.xml [--style NAME | --no-style] [--force]
      Make a project whose main menu is read from SOURCE, told apart by what
      it holds: a folder of internet shortcuts (.url files; sub-folders become
      groups), a bookmarks file exported as HTML by a web browser (folders
      become groups), a site map or site-map index (sitemap.xml; pages grouped
      by their path; an index's site maps and the pages' local copies are read
      from the folder of SOURCE, never from the network), or any other HTML
      page (its first nav, or its first list of links). The style is chosen
      as for new. An existing PROJECT.xml is replaced only with --force.

  html PROJECT.xml [-o FILE] [--current URL] [--module]
      Write the menu as a plain HTML page: a nested list of links inside a
      nav, in the element with the id tarvex-menu, followed by the script
      elements that load the menu. Without script the list is shown, styled
      as a bar by the design's style sheet tarvex-menu.css, which the page
      links (written beside FILE); with it the menu engine replaces the list
      by the menu. With --module the page loads tarvex-menu.js (see build,
      which writes both files). To FILE or to standard output. With --current, the link to the page at URL (an absolute
      address; links are resolved against it, its fragment, the host's
      letter case and a trailing index.html, index.htm, default.htm or "/"
      do not count) is marked as the current page.

  publish PROJECT.xml TARGET [--dry-run] [--force] [--identity KEYFILE]
          [--known-hosts FILE] [--ca-file FILE] [--module] [--allow-plain-dav]
      Send what build writes (with --module, the module's two files) to a
      web server. TARGET is the name of one of the project's publish targets
      (its address, user, kind, key and CA file are used; options given
      here win) or an address sftp://[user@]host[:port]/folder (an
      absolute folder, or ~/folder under the user's home), ftps://... (FTP
      with explicit TLS, the folder alike) or davs://[user@]host[:port]/path
      (WebDAV over HTTPS). Plain ftp:// is refused; dav:// (WebDAV without
      TLS) only on a loopback or private address and with --allow-plain-dav,
      which confirms that password and files travel unencrypted. Only files
      that differ are sent, each to a temporary name; the live files are
      replaced after every one arrived, and the manifest .tarvex-publish
      goes last. A file someone else changed on the server is
      replaced only with --force. --dry-run lists the files to add, replace
      and leave and sends nothing. The password or the key's pass phrase is
      read from the environment variable TARVEX_PASSWORD, never from an
      argument; without --identity the SSH agent is asked. The server's key
      must be in --known-hosts FILE (OpenSSH format) or in
      ~/.config/tarvex/known_hosts; an unknown or changed key is refused.
      --ca-file names certificates trusted for TLS besides the system's;
      certificates are always verified. An address publishes the classic
      files unless --module is given.
      Exit status 0 when published or nothing needed sending, 1 when refused
      or failed (the site is then unchanged), 2 on bad usage (also a TARGET
      name the project does not hold).

Options:
  --help      Show this help and exit.
  --version   Show the version and exit.
  --          End the options: every later argument is a file name, also
              one that begins with "-".

The shipped data lies beside this program, or in ../share/tarvex from it.
Exit status: 0 on success, 1 on an error, 2 on bad usage.
)";

// The folder that holds the running executable: its data files lie beside it, wherever it was copied.
fs::path ApplicationFolder(const char* argv0) {
    if (const std::optional<fs::path> self = platform::RunningExecutable()) {
        return self->parent_path();
    }
    std::error_code ec;
    const fs::path fromArgs = fs::weakly_canonical(fs::absolute(argv0 ? argv0 : "", ec), ec);
    return fromArgs.parent_path();
}

// A name that stays inside the output folder on every system: no folder part, no drive, none of
// the characters or device names Windows reserves, no trailing dot or space it would drop.
bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == ".." || name.back() == '.' || name.back() == ' ') {
        return false;
    }
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
            return false;
        }
    }
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') {
        stem.pop_back();
    }
    for (char& c : stem) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    for (const std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
        if (stem == device) {
            return false;
        }
    }
    return !(stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
             stem[3] <= '9');
}

// Says which files could not be read; false when any could not.
bool AllReadable(const std::vector<TPublishFile>& files) {
    bool readable = true;
    for (const TPublishFile& file : files) {
        if (!file.Bytes) {
            PrintError(file.Error.English());
            readable = false;
        }
    }
    return readable;
}

int Build(const fs::path& appFolder, const std::vector<std::string>& args) {
    const TArguments parsed(args, {"-o", "-n"}, {"--strict", "--module"});
    const std::string& projectPath = parsed.Single("project file");
    const fs::path outFolder = platform::PathFromUtf8(parsed.Value("-o").value_or("."));
    const std::string name = parsed.Value("-n").value_or("menu.js");
    if (!IsPlainFileName(name)) {
        throw TUsageError{"-n takes a plain file name, not '" + name + "'"};
    }
    // Either would replace a file of the engine by the menu script and leave a page with no engine.
    if (name == "one.js" || name == "main.js") {
        throw TUsageError{"-n may not name the engine file " + name};
    }
    const bool module = parsed.Flag("--module");
    if (module && parsed.Value("-n")) {
        throw TUsageError{"--module writes tarvex-menu.js and tarvex-menu.css; -n does not apply"};
    }

    TProject project;
    if (!LoadProjectFile(projectPath, project)) {
        return ExitError;
    }
    const fs::path projectFolder = ProjectFolderOf(projectPath);
    const TMenuScript script = GenerateMenuScript(project, projectFolder);
    if (script.Refused) {
        PrintError(NoStylesMessage);
        return ExitError;
    }
    for (const TScriptWarning& warning : script.Warnings) {
        PrintError(std::string(ScriptWarningCaption) + " " + warning.Text.English());
    }
    // A site's build pipeline asks for this: a design that needed any repair, or that visitors would
    // meet a problem in, publishes nothing.
    if (parsed.Flag("--strict") &&
        (!ChecksAllowStrictBuild(project, script, projectFolder) || !script.Warnings.empty())) {
        return ExitError;
    }

    // Everything is read before anything is written, so a missing engine leaves the folder alone.
    const fs::path engineFolder = appFolder / "help" / "temp";
    const fs::path target = outFolder / (module ? fs::path(ModuleScriptName) : platform::PathFromUtf8(name));
    const std::vector<TPublishFile> files =
        module ? ReadModulePublishFiles(engineFolder, outFolder, project, script)
               : ReadPublishFiles(engineFolder, target, JoinLinesCrLf(script.Lines));
    if (!AllReadable(files)) {
        return ExitError;
    }

    std::error_code ec;
    fs::create_directories(outFolder, ec);
    if (ec || !fs::is_directory(outFolder, ec)) {
        PrintError("Can't create folder " + platform::PathToUtf8(outFolder) + "!");
        return ExitError;
    }
    // The tool's caller asked for these files: existing ones are replaced.
    const TPublishResult result = WritePublishFiles(files, [](const fs::path&) { return true; });
    if (!result.Errors.empty()) {
        PrintError(PublishReport(target, result).English());
        return ExitError;
    }
    return ExitOk;
}

int New(const fs::path& appFolder, const std::vector<std::string>& args) {
    const TArguments parsed(args, {"--style"}, {"--no-style", "--force"});
    const fs::path projectPath = platform::PathFromUtf8(parsed.Single("project file"));
    const std::optional<std::string> styleName = parsed.Value("--style");
    const bool noStyle = parsed.Flag("--no-style");
    if (styleName && noStyle) {
        throw TUsageError{"--style and --no-style exclude each other"};
    }

    std::error_code ec;
    if (fs::exists(projectPath, ec) && !parsed.Flag("--force")) {
        PrintError(platform::PathToUtf8(projectPath) + " already exists; use --force to replace it.");
        return ExitError;
    }

    std::optional<TFavoriteStyleRec> chosen;
    if (!ChooseFavoriteStyle(appFolder, styleName, noStyle, chosen)) {
        return ExitError;
    }

    TProject project;
    if (chosen) {
        // As the insert-favourite dialog adds it: all seventeen fields of the favourite, so none
        // of the defaults the dialog starts from survives.
        AppendStyleNode(project, chosen->Name.str(), chosen->Style);
    }
    // After the style, so both Menu Options records name it.
    BuildDefaultProject(project);
    return ReportSave(SaveProjectFile(project, projectPath), projectPath) ? ExitOk : ExitError;
}

int Format(const std::vector<std::string>& args) {
    const TArguments parsed(args, {"-o"}, {});
    const std::string& inPath = parsed.Single("project file");
    const std::optional<std::string> outPath = parsed.Value("-o");

    TProject project;
    std::string bytes;
    if (!LoadProjectFile(inPath, project, &bytes)) {
        return ExitError;
    }
    // The file read is about the size of the file written: its memory takes the new text.
    if (outPath) {
        const fs::path out = platform::PathFromUtf8(*outPath);
        return ReportSave(SaveProjectFile(project, out, std::move(bytes)), out) ? ExitOk : ExitError;
    }
    return PrintOrReport(WriteProjectText(project, std::move(bytes))) ? ExitOk : ExitError;
}

int Run(int argc, char** argv) {
    platform::UseBinaryStandardStreams();
    std::vector<std::string> args = platform::CommandLineArguments(argc, argv);
    if (!args.empty()) {
        args.erase(args.begin());
    }
    if (args.empty()) {
        std::cerr << UsageText;
        return ExitUsage;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    const auto optionsEnd = std::find(args.begin(), args.end(), "--");
    if (command == "--help" || command == "-h" ||
        std::find(args.begin(), optionsEnd, "--help") != optionsEnd) {
        std::cout << UsageText;
        return ExitOk;
    }
    if (command == "--version") {
        std::cout << "tarvex-cli " << Version << '\n';
        return ExitOk;
    }
    try {
        const fs::path executableFolder = ApplicationFolder(argc > 0 ? argv[0] : nullptr);
        const fs::path shipped = ShippedDataFolder(executableFolder);
        // Without data anywhere, the messages name the files missing beside the program.
        const fs::path appFolder = shipped.empty() ? executableFolder : shipped;
        if (command == "build") {
            return Build(appFolder, args);
        }
        if (command == "new") {
            return New(appFolder, args);
        }
        if (command == "format") {
            return Format(args);
        }
        if (command == "import") {
            return Import(appFolder, args);
        }
        if (command == "html") {
            return Html(args);
        }
        if (command == "check") {
            return Check(args);
        }
        if (command == "publish") {
            return Publish(appFolder, args);
        }
        throw TUsageError{"unknown command '" + command + "'"};
    } catch (const TUsageError& error) {
        PrintError("tarvex-cli: " + error.Message + "\nTry 'tarvex-cli --help'.");
        return ExitUsage;
    }
}

} // namespace
} // namespace tarvex

int main(int argc, char** argv) {
    try {
        return tarvex::Run(argc, argv);
    } catch (const std::exception& error) {
        // Out of memory or a file-system failure no branch expected: say so rather than abort.
        std::cerr << "tarvex-cli: " << error.what() << '\n';
        return tarvex::ExitError;
    }
}
