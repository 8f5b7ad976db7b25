#pragma once
// Finds the data that ships with the programs (help/, favorites.dat), wherever they were installed.

#include <filesystem>

namespace tarvex {

// The folder holding the shipped data for an executable in `executableFolder`: the executable's
// own folder when it holds help/ (a build tree, a copied folder), else the installed data folder
// relative to it (../share/tarvex under the default layout). Empty when neither holds the data.
std::filesystem::path ShippedDataFolder(const std::filesystem::path& executableFolder);

} // namespace tarvex
