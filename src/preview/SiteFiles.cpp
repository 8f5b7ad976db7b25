#include "preview/SiteFiles.h"

#include "base/FileIo.h"
#include "base/PathText.h"
#include "preview/PublishFiles.h"
#include "script/MenuScript.h"

namespace tarvex {
namespace fs = std::filesystem;

TSiteFilesResult SiteFilesFor(const fs::path& appFolder, const TProject& project,
                              const fs::path& projectFolder, TPublishKind kind,
                              std::vector<std::string>* warnings) {
    const TMenuScript script = GenerateMenuScript(project, projectFolder);
    if (script.Refused) {
        return {std::nullopt, TUiText("Script", NoStylesMessage)};
    }
    if (warnings) {
        for (const TScriptWarning& warning : script.Warnings) {
            warnings->push_back(warning.Text.English());
        }
    }
    const fs::path engineFolder = appFolder / "help" / "temp";
    const std::vector<TPublishFile> read =
        kind == TPublishKind::Module
            ? ReadModulePublishFiles(engineFolder, fs::path(), project, script)
            : ReadPublishFiles(engineFolder, fs::path("menu.js"), JoinLinesCrLf(script.Lines));
    std::vector<TSiteFile> files;
    for (const TPublishFile& file : read) {
        if (!file.Bytes) {
            return {std::nullopt, file.Error};
        }
        files.push_back({PathText(file.Target.filename()), *file.Bytes});
    }
    return {std::move(files), {}};
}

} // namespace tarvex
