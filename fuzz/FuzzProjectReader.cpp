// Any bytes read as a project must write a file that reads back into the same design: writing
// the re-read project has to give the very same bytes.
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tarvex::TProject first;
    tarvex::ReadProjectText(std::string_view(reinterpret_cast<const char*>(data), size), first);
    const std::string written = tarvex::WriteProjectText(first);

    tarvex::TProject second;
    tarvex::ReadProjectText(written, second);
    // Whatever was read, what is written is a project that Open accepts again.
    if (!tarvex::HoldsProject(written)) {
        std::fprintf(stderr, "a written project is not recognised as one\n");
        std::abort();
    }
    if (tarvex::WriteProjectText(second) != written) {
        std::fprintf(stderr, "project file does not survive a save and load\n");
        std::abort();
    }
    return 0;
}
