// tarvex-cli: builds, creates and normalises menu projects without the window.

#include "favorites/FavoritesStore.h"
#include "model/FileIo.h"
#include "model/FilePlatform.h"
#include "model/Project.h"
#include "model/RecordText.h"
#include "model/ShippedData.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "script/MenuScript.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tarvex {
namespace {

namespace fs = std::filesystem;

constexpr int ExitOk = 0;
constexpr int ExitError = 1;
constexpr int ExitUsage = 2;

constexpr std::string_view Version = TARVEX_VERSION;

constexpr std::string_view UsageText = R"(Usage: tarvex-cli COMMAND ARGUMENTS...

Commands:
  build PROJECT.xml [-o DIR] [-n NAME] [--strict]
      Generate the menu script of a project and publish it: NAME (default
      menu.js) is written into DIR (default the current folder, created when
      missing) together with the menu engine files one.js and main.js, copied
      from help/temp/ of the shipped data. NAME is a plain file name and may
      not be one.js or main.js. A project without styles is refused. Warnings
      about the design (a missing style, a renamed style variable or menu, a
      dropped image position, a javascript: address) go to standard error;
      with --strict any warning is an error and nothing is written.

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

Options:
  --help      Show this help and exit.
  --version   Show the version and exit.
  --          End the options: every later argument is a file name, also
              one that begins with "-".

The shipped data lies beside this program, or in ../share/tarvex from it.
Exit status: 0 on success, 1 on an error, 2 on bad usage.
)";

// Thrown for a command line that does not fit; main turns it into exit status 2.
struct TUsageError {
    std::string Message;
};

void PrintError(std::string_view message) {
    std::cerr << message << '\n';
}

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

// Arguments after the command name, split into plain arguments and the options the command knows.
class TArguments {
public:
    TArguments(std::vector<std::string> args, std::vector<std::string_view> valueOptions,
               std::vector<std::string_view> flags) {
        bool optionsEnded = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            // After "--" every argument is a name, also one that begins with "-".
            if (!optionsEnded && arg == "--") {
                optionsEnded = true;
                continue;
            }
            if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
                if (Contains(flags, arg)) {
                    m_flags.push_back(arg);
                    continue;
                }
                if (!Contains(valueOptions, arg)) {
                    throw TUsageError{"unknown option '" + arg + "'"};
                }
                if (i + 1 >= args.size()) {
                    throw TUsageError{"option '" + arg + "' needs a value"};
                }
                m_values.emplace_back(arg, args[++i]);
                continue;
            }
            m_plain.push_back(arg);
        }
    }

    // The one plain argument the command takes.
    const std::string& Single(std::string_view what) const {
        if (m_plain.empty()) {
            throw TUsageError{"missing " + std::string(what)};
        }
        if (m_plain.size() > 1) {
            throw TUsageError{"unexpected argument '" + m_plain[1] + "'"};
        }
        return m_plain.front();
    }

    std::optional<std::string> Value(std::string_view option) const {
        std::optional<std::string> found;
        for (const auto& [name, value] : m_values) {
            if (name == option) {
                if (found) {
                    throw TUsageError{"option '" + name + "' given twice"};
                }
                found = value;
            }
        }
        return found;
    }

    bool Flag(std::string_view flag) const { return Contains(m_flags, flag); }

private:
    template <typename List> static bool Contains(const List& list, std::string_view item) {
        for (const auto& entry : list) {
            if (entry == item) {
                return true;
            }
        }
        return false;
    }

    std::vector<std::string> m_plain;
    std::vector<std::pair<std::string, std::string>> m_values;
    std::vector<std::string> m_flags;
};

bool LoadProjectFile(const std::string& path, TProject& project) {
    const std::optional<std::string> bytes = ReadWholeFile(platform::PathFromUtf8(path), ProjectFileCeiling);
    if (!bytes) {
        PrintError("Can't read file " + path + "!");
        return false;
    }
    if (!HoldsProject(*bytes)) {
        PrintError("The file " + path + " is not a Tarvex project!");
        return false;
    }
    ReadProjectText(*bytes, project);
    return true;
}

bool ReportSave(TSaveStatus status, const fs::path& path) {
    switch (status) {
    case TSaveStatus::Written:
        return true;
    case TSaveStatus::ReadOnly:
        PrintError("Can't save read-only file " + platform::PathToUtf8(path) + "!");
        return false;
    case TSaveStatus::CannotCreate: {
        // The folder the file was to go into, which is what the person has to look at.
        std::error_code ec;
        const fs::path folder = fs::absolute(path, ec).lexically_normal().parent_path();
        PrintError("Unable to save " + platform::PathToUtf8(path) + " in the folder " +
                   platform::PathToUtf8(folder) + "!");
        return false;
    }
    }
    return false;
}

bool WriteOrReport(const fs::path& path, std::string_view bytes) {
    if (WriteFileAtomically(path, bytes) == TWriteStatus::Written) {
        return true;
    }
    PrintError("Can't write file " + platform::PathToUtf8(path) + "!");
    return false;
}

int Build(const fs::path& appFolder, const std::vector<std::string>& args) {
    const TArguments parsed(args, {"-o", "-n"}, {"--strict"});
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

    TProject project;
    if (!LoadProjectFile(projectPath, project)) {
        return ExitError;
    }
    const TMenuScript script = GenerateMenuScript(project);
    if (script.Refused) {
        PrintError(NoStylesMessage);
        return ExitError;
    }
    for (const TScriptWarning& warning : script.Warnings) {
        PrintError(std::string(ScriptWarningCaption) + " " + warning.Text);
    }
    // A site's build pipeline asks for this: a design that needed any repair publishes nothing.
    if (parsed.Flag("--strict") && !script.Warnings.empty()) {
        return ExitError;
    }

    // Everything is read before anything is written, so a missing engine leaves the folder alone.
    const fs::path engineFolder = appFolder / "help" / "temp";
    std::vector<std::pair<std::string, std::string>> engine;
    for (const char* file : {"one.js", "main.js"}) {
        const std::optional<std::string> bytes = ReadWholeFile(engineFolder / file);
        if (!bytes) {
            PrintError("Menu engine file " + platform::PathToUtf8(engineFolder / file) +
                       " is missing or unreadable.");
            return ExitError;
        }
        engine.emplace_back(file, *bytes);
    }

    std::error_code ec;
    fs::create_directories(outFolder, ec);
    if (ec || !fs::is_directory(outFolder, ec)) {
        PrintError("Can't create folder " + platform::PathToUtf8(outFolder) + "!");
        return ExitError;
    }
    for (const auto& [file, bytes] : engine) {
        if (!WriteOrReport(outFolder / file, bytes)) {
            return ExitError;
        }
    }
    const fs::path target = outFolder / platform::PathFromUtf8(name);
    if (WriteMenuScript(script, target) != TWriteStatus::Written) {
        PrintError("Can't write file " + platform::PathToUtf8(target) + "!");
        return ExitError;
    }
    return ExitOk;
}

std::string WithoutDashes(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != '-') {
            out += c;
        }
    }
    return out;
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

    const fs::path favoritesPath = appFolder / "favorites.dat";
    const std::vector<TFavoriteStyleRec> favorites =
        noStyle ? std::vector<TFavoriteStyleRec>{} : LoadFavoritesFile(favoritesPath);
    const TFavoriteStyleRec* chosen = nullptr;
    if (styleName) {
        // Listed names have lost their dashes, so a name typed with them still matches.
        const std::string wanted = WithoutDashes(CleanText(*styleName));
        for (const TFavoriteStyleRec& favorite : favorites) {
            if (favorite.Name.view() == wanted) {
                chosen = &favorite;
                break;
            }
        }
        if (!chosen) {
            PrintError("No favourite style named \"" + *styleName + "\" in " +
                       platform::PathToUtf8(favoritesPath) + ".");
            if (favorites.empty()) {
                PrintError("There are no favourite styles there.");
            } else {
                PrintError("Favourite styles there:");
                for (const TFavoriteStyleRec& favorite : favorites) {
                    PrintError("  " + favorite.Name.str());
                }
            }
            return ExitError;
        }
    } else if (!noStyle) {
        if (favorites.empty()) {
            PrintError("No favourite styles in " + platform::PathToUtf8(favoritesPath) +
                       ": the project has no style, and build refuses it until one is added.");
        } else {
            chosen = &favorites.front();
        }
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
    if (!LoadProjectFile(inPath, project)) {
        return ExitError;
    }
    if (outPath) {
        const fs::path out = platform::PathFromUtf8(*outPath);
        return ReportSave(SaveProjectFile(project, out), out) ? ExitOk : ExitError;
    }
    const std::string text = WriteProjectText(project);
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    std::cout.flush();
    if (!std::cout) {
        PrintError("Can't write to standard output!");
        return ExitError;
    }
    return ExitOk;
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
        throw TUsageError{"unknown command '" + command + "'"};
    } catch (const TUsageError& error) {
        std::cerr << "tarvex-cli: " << error.Message << "\nTry 'tarvex-cli --help'.\n";
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
