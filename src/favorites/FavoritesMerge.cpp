#include "FavoritesMerge.h"

#include "base/LockFile.h"
#include "base/SharedFileWrite.h"

#include <algorithm>

namespace tarvex {

namespace {

const TFavoriteStyleRec* Named(const std::vector<TFavoriteStyleRec>& list, const TFavoriteStyleRec& like) {
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&](const TFavoriteStyleRec& f) { return f.Name == like.Name; });
    return found == list.end() ? nullptr : &*found;
}

} // namespace

std::vector<TFavoriteStyleRec> MergeFavorites(const std::vector<TFavoriteStyleRec>& base,
                                              const std::vector<TFavoriteStyleRec>& mine,
                                              const std::vector<TFavoriteStyleRec>& disk) {
    std::vector<TFavoriteStyleRec> merged;
    for (const TFavoriteStyleRec& favorite : disk) {
        const bool removedHere = Named(base, favorite) && !Named(mine, favorite);
        if (!removedHere) {
            merged.push_back(favorite);
        }
    }
    for (const TFavoriteStyleRec& favorite : mine) {
        const TFavoriteStyleRec* before = Named(base, favorite);
        if (before && *before == favorite) {
            continue;
        }
        const auto same = std::find_if(merged.begin(), merged.end(),
                                       [&](const TFavoriteStyleRec& f) { return f.Name == favorite.Name; });
        if (same != merged.end()) {
            *same = favorite;
        } else {
            merged.push_back(favorite);
        }
    }
    return merged;
}

TFavoritesSave SaveFavoritesMerged(const std::filesystem::path& file,
                                   const std::vector<TFavoriteStyleRec>& base, TFavoritesFileState baseState,
                                   const std::vector<TFavoriteStyleRec>& mine) {
    TLockFile lock(LockPathFor(file));
    TFavoritesSave save;
    // Written without the lock, another window's favourites of this moment could be undone; the
    // caller keeps its own for the next save.
    if (lock.AcquireWithin(SharedFilePatience) == TLockResult::HeldByOther) {
        save.Status = TWriteStatus::HeldByOtherWindow;
        return save;
    }
    TFavoritesFile now = ReadFavoritesFileState(file);
    if (now.State == TFavoritesFileState::Missing) {
        now.Favorites = base;
    }
    const bool unreadableAtStart =
        baseState == TFavoritesFileState::Damaged || baseState == TFavoritesFileState::Unreadable;
    if (now.State == TFavoritesFileState::Unreadable && !unreadableAtStart) {
        return save;
    }
    if (now.State == TFavoritesFileState::Damaged || now.State == TFavoritesFileState::Unreadable) {
        // What cannot be read cleanly may still be worth something to the author: keep it.
        save.Backup = KeepAsBackup(file);
        if (!save.Backup) {
            return save;
        }
    }
    save.Written = MergeFavorites(base, mine, now.Favorites);
    save.Status = SaveFavoritesFile(file, save.Written);
    return save;
}

} // namespace tarvex
