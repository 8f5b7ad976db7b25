#include "PublishFiles.h"

#include "base/FileIo.h"
#include "base/PathText.h"
#include "script/MenuModule.h"

#include <system_error>

namespace tarvex {

namespace {

TPublishFile ReadPublishFile(const std::filesystem::path& source, const std::filesystem::path& target) {
    TPublishFile file{target, ReadWholeFile(source), {}};
    if (!file.Bytes) {
        file.Error = TARVEX_TEXT("Publish", "Cannot read file %1.").Arg(PathText(source));
    }
    return file;
}

} // namespace

std::vector<TPublishFile> ReadPublishFiles(const std::filesystem::path& engineFolder,
                                           const std::filesystem::path& target,
                                           const std::optional<std::string>& script) {
    const std::filesystem::path folder = target.parent_path();
    const std::filesystem::path name = target.filename();
    std::vector<TPublishFile> files;
    for (const char* engine : {"one.js", "main.js"}) {
        if (name != engine) {
            files.push_back(ReadPublishFile(engineFolder / engine, folder / engine));
        }
    }
    // The script is written straight under its chosen name, never by way of a menu.js in the
    // target folder: a menu.js already there belongs to the author and was not chosen.
    files.push_back(script ? TPublishFile{target, script, {}}
                           : ReadPublishFile(engineFolder / "menu.js", target));
    return files;
}

std::vector<TPublishFile> ReadModulePublishFiles(const std::filesystem::path& engineFolder,
                                                 const std::filesystem::path& folder, const TProject& project,
                                                 const TMenuScript& script) {
    TPublishFile engine = ReadPublishFile(engineFolder / "one.js", folder / ModuleScriptName);
    if (engine.Bytes) {
        engine.Bytes = MenuModuleText(*engine.Bytes, project, script);
    }
    return {std::move(engine),
            TPublishFile{folder / ModuleStyleSheetName, MenuModuleStyleSheet(project), {}}};
}

TPublishResult WritePublishFiles(const std::vector<TPublishFile>& files,
                                 const std::function<bool(const std::filesystem::path&)>& confirmReplace) {
    TPublishResult result;
    for (const TPublishFile& file : files) {
        if (!file.Bytes) {
            result.Errors.push_back(file.Error);
            continue;
        }
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(file.Target, error)) &&
            !confirmReplace(file.Target)) {
            result.Declined.push_back(file.Target);
            continue;
        }
        if (const TWriteStatus status = WriteFileAtomically(file.Target, *file.Bytes);
            status != TWriteStatus::Written) {
            result.Errors.push_back(TARVEX_TEXT("Editor", "Cannot create file %1.%2")
                                        .Arg(PathText(file.Target))
                                        .Arg(WhyNotWrittenText(status)));
            continue;
        }
        result.Written.push_back(file.Target);
    }
    return result;
}

TPublishResult PublishMenuFiles(const std::filesystem::path& tempFolder, const std::filesystem::path& target,
                                const std::function<bool(const std::filesystem::path&)>& confirmReplace) {
    return WritePublishFiles(ReadPublishFiles(tempFolder, target), confirmReplace);
}

TUiText PublishReport(const std::filesystem::path& target, const TPublishResult& result) {
    const auto names = [](const std::vector<std::filesystem::path>& files) {
        std::string text;
        for (const std::filesystem::path& file : files) {
            text += (text.empty() ? "" : ", ") + PathText(file.filename());
        }
        return text;
    };
    std::vector<TUiText> lines{TARVEX_TEXT("Publish", "Not all files were published to the folder %1.")
                                   .Arg(PathText(target.parent_path()))};
    if (!result.Written.empty()) {
        lines.push_back(TARVEX_TEXT("Publish", "Written: %1.").Arg(names(result.Written)));
    }
    if (!result.Declined.empty()) {
        lines.push_back(
            TARVEX_TEXT("Publish", "Kept as they were, as you chose: %1.").Arg(names(result.Declined)));
    }
    lines.insert(lines.end(), result.Errors.begin(), result.Errors.end());
    return TUiText::Joined(std::move(lines), "\n");
}

} // namespace tarvex
