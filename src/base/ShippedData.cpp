#include "base/ShippedData.h"

#include <system_error>

namespace tarvex {

namespace {

bool HoldsData(const std::filesystem::path& folder) {
    std::error_code ec;
    return std::filesystem::is_directory(folder / "help", ec);
}

} // namespace

std::filesystem::path ShippedDataFolder(const std::filesystem::path& executableFolder) {
    if (HoldsData(executableFolder)) {
        return executableFolder.lexically_normal();
    }
    // Relative, so a package unpacked or installed under any prefix still finds its data.
    const std::filesystem::path installed =
        (executableFolder / TARVEX_INSTALLED_DATA_FROM_BIN).lexically_normal();
    return HoldsData(installed) ? installed : std::filesystem::path();
}

} // namespace tarvex
