// The XML front end: a site map or site-map index from arbitrary bytes, with no local files.

#include "ImportChecks.h"
#include "import/WebImport.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const tarvex::TImportResult result =
        tarvex::ParseSitemap(std::string_view(reinterpret_cast<const char*>(data), size), {});
    if (result.Tree.has_value() == !result.Error.Empty() ||
        (result.Tree && !tarvex::fuzz::FitsTheRecords(*result.Tree))) {
        std::abort();
    }
    return 0;
}
