#pragma once
// The preview page in the temp folder: built from a page of the user's, or copied from the default page.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvex {

// Appended after the last line of a user's page, in this order: the engine, the menu, the engine's main part.
inline constexpr std::array<std::string_view, 3> PreviewScriptLines = {
    R"(<SCRIPT language=JavaScript src="one.js"></SCRIPT>)",
    R"(<SCRIPT language=JavaScript src="menu.js"></SCRIPT>)",
    R"(<SCRIPT language=JavaScript src="main.js"></SCRIPT>)",
};

enum class TPreviewStatus { Written, CannotRead, CannotWrite };

// The page's lines followed by the three script lines, CR LF after every line.
std::string BuildPreviewPage(std::string_view userPage);
// The page's lines unchanged, CR LF after every line.
std::string NormalizePageLines(std::string_view page);

// Reads `userPage` and writes it, with the script lines, over `previewPage`.
TPreviewStatus WritePreviewFromUserPage(const std::filesystem::path& userPage,
                                        const std::filesystem::path& previewPage);
// Reads the default page and writes its lines over `previewPage`.
TPreviewStatus CopyDefaultPreviewPage(const std::filesystem::path& defaultPage,
                                      const std::filesystem::path& previewPage);

} // namespace tarvex
