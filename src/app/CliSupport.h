#pragma once
// What the commands of tarvex-cli share: exit codes, the argument parser, error output, project
// loading and saving with their messages, and the choice of a favourite style.

#include "base/FileIo.h"
#include "favorites/FavoritesStore.h"
#include "model/Project.h"
#include "project/ProjectWriter.h"
#include "script/MenuScript.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex::cli {

inline constexpr int ExitOk = 0;
inline constexpr int ExitError = 1;
inline constexpr int ExitUsage = 2;

// Thrown for a command line that does not fit; main turns it into exit status 2.
struct TUsageError {
    std::string Message;
};

void PrintError(std::string_view message);

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

    // The plain arguments of a command that takes exactly `count` of them.
    const std::vector<std::string>& Plain(std::size_t count, std::string_view what) const {
        if (m_plain.size() < count) {
            throw TUsageError{"missing " + std::string(what)};
        }
        if (m_plain.size() > count) {
            throw TUsageError{"unexpected argument '" + m_plain[count] + "'"};
        }
        return m_plain;
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

// False after the message saying why the file gave no project. The file's bytes are handed to
// `bytes` when it is given, for their memory to serve again.
bool LoadProjectFile(const std::string& path, TProject& project, std::string* bytes = nullptr);
bool ReportSave(TSaveStatus status, const std::filesystem::path& path);
bool WriteOrReport(const std::filesystem::path& path, std::string_view bytes);
bool ReportWrite(TWriteStatus status, const std::filesystem::path& path);
// Writes `bytes` to standard output; false after the message when that failed (a closed pipe,
// a full disk behind a redirection).
bool PrintOrReport(std::string_view bytes);

// The style a new project starts with: the favourite `styleName` from the shipped favorites.dat,
// else the first favourite there, or none with `noStyle`. False after an error message.
bool ChooseFavoriteStyle(const std::filesystem::path& appFolder, const std::optional<std::string>& styleName,
                         bool noStyle, std::optional<TFavoriteStyleRec>& chosen);

// The commands that make a project from another program's files and a page from a project.
int Import(const std::filesystem::path& appFolder, const std::vector<std::string>& args);
int Html(const std::vector<std::string>& args);

// Sends the published files to a site's server; exit status 1 when refused or failed.
int Publish(const std::filesystem::path& appFolder, const std::vector<std::string>& args);

// The checks of a design before its visitors meet it; exit status 1 on an error (--strict: on any finding).
int Check(const std::vector<std::string>& args);
// Before a strict build writes: prints the checks' errors; false when there is any.
bool ChecksAllowStrictBuild(const TProject& project, const TMenuScript& script,
                            const std::filesystem::path& projectFolder);
// The folder of a project file named on the command line, where its icon files lie.
std::filesystem::path ProjectFolderOf(const std::string& projectPath);

} // namespace tarvex::cli
