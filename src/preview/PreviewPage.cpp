#include "PreviewPage.h"

#include "base/FileIo.h"

namespace tarvex {

std::string NormalizePageLines(std::string_view page) {
    return JoinLinesCrLf(SplitLines(page));
}

std::string BuildPreviewPage(std::string_view userPage) {
    std::vector<std::string> lines = SplitLines(userPage);
    for (std::string_view line : PreviewScriptLines) {
        lines.emplace_back(line);
    }
    return JoinLinesCrLf(lines);
}

namespace {

TPreviewStatus WritePage(const std::filesystem::path& from, const std::filesystem::path& to,
                         std::string (*build)(std::string_view)) {
    const std::optional<std::string> page = ReadWholeFile(from);
    if (!page) {
        return TPreviewStatus::CannotRead;
    }
    if (WriteFileAtomically(to, build(*page)) != TWriteStatus::Written) {
        return TPreviewStatus::CannotWrite;
    }
    return TPreviewStatus::Written;
}

} // namespace

TPreviewStatus WritePreviewFromUserPage(const std::filesystem::path& userPage,
                                        const std::filesystem::path& previewPage) {
    return WritePage(userPage, previewPage, &BuildPreviewPage);
}

TPreviewStatus CopyDefaultPreviewPage(const std::filesystem::path& defaultPage,
                                      const std::filesystem::path& previewPage) {
    return WritePage(defaultPage, previewPage, &NormalizePageLines);
}

} // namespace tarvex
