// The HTML front ends: bookmark files and page navigation from arbitrary bytes. Either a tree or a
// message, never both, never neither.

#include "ImportChecks.h"
#include "import/WebImport.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tarvex::TImportResult bookmarks = tarvex::ParseBookmarks(bytes);
    if (bookmarks.Tree.has_value() == !bookmarks.Error.Empty() ||
        (bookmarks.Tree && !tarvex::fuzz::FitsTheRecords(*bookmarks.Tree))) {
        std::abort();
    }
    const tarvex::TImportChoices navigation = tarvex::FindPageNavigations(bytes, "page");
    if (navigation.Choices.empty() == navigation.Error.Empty()) {
        std::abort();
    }
    for (const tarvex::TImportChoice& choice : navigation.Choices) {
        if (choice.Tree.Children.empty() || !tarvex::fuzz::FitsTheRecords(choice.Tree)) {
            std::abort();
        }
    }
    return 0;
}
