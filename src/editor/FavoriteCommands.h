#pragma once
// The favourite styles: favorites.dat as this window read it, Add to favorites and the Style
// template.

#include "EditorContext.h"

#include "favorites/FavoritesStore.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace tarvex {

class TFavoriteCommands {
public:
    explicit TFavoriteCommands(TEditorContext& context) : m_context(context) {}

    const std::vector<TFavoriteStyleRec>& FavoriteStyles() const { return m_favoriteStyles; }
    void AddToFavoritesActionExecute();
    void StyleTemplateActionExecute();
    // The Style template's choice, asked without touching the design; nothing when cancelled.
    std::optional<int> ChooseFromStyleTemplate();
    // Appends a copy of the favourite at `index` to the style list; nothing for a position
    // outside the list.
    void InsertFavoriteStyle(int index);
    void LoadFavorites();
    // False when favorites.dat could not be written.
    bool SaveFavorites();
    // Where an unreadable favorites.dat was kept at start-up; said once at the close.
    const std::optional<std::filesystem::path>& Backup() const { return m_favoritesBackup; }
    void ForgetBackup() { m_favoritesBackup.reset(); }
    void Clear() { m_favoriteStyles.clear(); }

private:
    TEditorContext& m_context;
    std::vector<TFavoriteStyleRec> m_favoriteStyles;
    // favorites.dat as this window last read or wrote it: what its own changes are measured from.
    std::vector<TFavoriteStyleRec> m_favoritesBase;
    TFavoritesFileState m_favoritesState = TFavoritesFileState::Missing;
    std::optional<std::filesystem::path> m_favoritesBackup;
};

} // namespace tarvex
