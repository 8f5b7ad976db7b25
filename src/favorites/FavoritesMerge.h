#pragma once
// favorites.dat as every window of one user shares it: each writes only its own changes.

#include "FavoritesStore.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace tarvex {

// `disk` with this window's changes since `base` (what it read) applied, by name: a favourite
// `mine` no longer holds is removed, one it added or changed is put in (replacing one of the same
// name, else at the end); favourites other windows added stay.
std::vector<TFavoriteStyleRec> MergeFavorites(const std::vector<TFavoriteStyleRec>& base,
                                              const std::vector<TFavoriteStyleRec>& mine,
                                              const std::vector<TFavoriteStyleRec>& disk);

struct TFavoritesSave {
    TWriteStatus Status = TWriteStatus::CannotCreate;
    // What the file holds now, when written: the next save's base.
    std::vector<TFavoriteStyleRec> Written;
    // Where a file that did not read cleanly was moved before the new one was written.
    std::optional<std::filesystem::path> Backup;
};

// Under a short-lived lock: reads favorites.dat as it is now, merges and writes it through the
// atomic writer. A file that does not read cleanly is moved aside first; one that cannot be read
// at all only when it could not be read when `base` was taken either (`baseState`), else it is
// left alone and nothing is written. A missing file is written whole: deleting it was nobody's
// way of removing favourites. Nothing is written without the lock (HeldByOtherWindow).
TFavoritesSave SaveFavoritesMerged(const std::filesystem::path& file,
                                   const std::vector<TFavoriteStyleRec>& base, TFavoritesFileState baseState,
                                   const std::vector<TFavoriteStyleRec>& mine);

} // namespace tarvex
