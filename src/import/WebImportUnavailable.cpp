// Builds without the HTML and XML parsers (the Windows cross build) keep the same functions, each
// answering that the import is not part of this build.

#include "WebImport.h"

namespace tarvex {

namespace {

TUiText NotAvailable() {
    return ImportText(
        TARVEX_TRANSLATE_NOOP("Import", "This kind of import is not available in this build of Tarvex."));
}

} // namespace

bool WebImportAvailable() {
    return false;
}

TImportResult ParseBookmarks(std::string_view) {
    return {std::nullopt, NotAvailable()};
}

TImportChoices FindPageNavigations(std::string_view, std::string_view) {
    return {{}, NotAvailable()};
}

std::optional<std::string> ReadPageTitle(std::string_view) {
    return std::nullopt;
}

TImportResult ParseSitemapFile(const std::filesystem::path&) {
    return {std::nullopt, NotAvailable()};
}

TImportResult ParseSitemap(std::string_view, const std::filesystem::path&) {
    return {std::nullopt, NotAvailable()};
}

} // namespace tarvex
