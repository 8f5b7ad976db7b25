#include "CliSupport.h"

#include "base/FileIo.h"
#include "base/FilePlatform.h"
#include "base/RecordText.h"
#include "base/VisibleText.h"
#include "project/ProjectReader.h"

#include <iostream>
#include <system_error>
#include <utility>

namespace tarvex::cli {
namespace fs = std::filesystem;

namespace {

std::string WithoutDashes(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != '-') {
            out += c;
        }
    }
    return out;
}

} // namespace

void PrintError(std::string_view message) {
    // Messages name captions, addresses and files from the project: each line is shown escaped, so
    // none of them can drive the terminal. The line breaks are the message's own.
    std::string shown;
    for (std::size_t start = 0;;) {
        const std::size_t end = message.find('\n', start);
        shown += VisibleText(message.substr(start, end - start), TShownAs::Terminal) + '\n';
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    std::cerr << shown;
}

bool LoadProjectFile(const std::string& path, TProject& project, std::string* bytes) {
    TProjectFileBytes read = ReadProjectFile(platform::PathFromUtf8(path), path);
    if (!read.Bytes) {
        PrintError(read.Error.English());
        return false;
    }
    ReadProjectText(*read.Bytes, project);
    if (bytes) {
        *bytes = std::move(*read.Bytes);
    }
    return true;
}

bool ReportSave(TSaveStatus status, const fs::path& path) {
    if (status == TSaveStatus::Written) {
        return true;
    }
    if (status == TSaveStatus::ReadOnly) {
        PrintError("Can't save read-only file " + platform::PathToUtf8(path) + "!");
        return false;
    }
    // The folder the file was to go into, which is what the person has to look at.
    std::error_code ec;
    const fs::path folder = fs::absolute(path, ec).lexically_normal().parent_path();
    std::string message = "Unable to save " + platform::PathToUtf8(path) + " in the folder " +
                          platform::PathToUtf8(folder) + "!";
    if (status == TSaveStatus::NoSpace) {
        message += WhyNotWritten(TWriteStatus::NoSpace);
    } else if (status == TSaveStatus::FolderRefusesNewFiles) {
        message += WhyNotWritten(TWriteStatus::FolderRefusesNewFiles);
    }
    PrintError(message);
    return false;
}

bool WriteOrReport(const fs::path& path, std::string_view bytes) {
    return ReportWrite(WriteFileAtomically(path, bytes), path);
}

bool ReportWrite(TWriteStatus status, const fs::path& path) {
    if (status == TWriteStatus::Written) {
        return true;
    }
    PrintError("Can't write file " + platform::PathToUtf8(path) + "!" + WhyNotWritten(status));
    return false;
}

bool PrintOrReport(std::string_view bytes) {
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
    if (!std::cout) {
        PrintError("Can't write to standard output!");
        return false;
    }
    return true;
}

bool ChooseFavoriteStyle(const fs::path& appFolder, const std::optional<std::string>& styleName, bool noStyle,
                         std::optional<TFavoriteStyleRec>& chosen) {
    const fs::path favoritesPath = appFolder / "favorites.dat";
    const std::vector<TFavoriteStyleRec> favorites =
        noStyle ? std::vector<TFavoriteStyleRec>{} : LoadFavoritesFile(favoritesPath);
    if (styleName) {
        // Listed names have lost their dashes, so a name typed with them still matches.
        const std::string wanted = WithoutDashes(CleanText(*styleName));
        for (const TFavoriteStyleRec& favorite : favorites) {
            if (favorite.Name.view() == wanted) {
                chosen = favorite;
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
            return false;
        }
    } else if (!noStyle) {
        if (favorites.empty()) {
            PrintError("No favourite styles in " + platform::PathToUtf8(favoritesPath) +
                       ": the project has no style, and build refuses it until one is added.");
        } else {
            chosen = favorites.front();
        }
    }

    return true;
}

} // namespace tarvex::cli
