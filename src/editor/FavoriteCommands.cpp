#include "FavoriteCommands.h"

#include "EditorInternal.h"
#include "base/PathText.h"
#include "base/RecordText.h"
#include "favorites/FavoritesMerge.h"

namespace tarvex {

using namespace editor_internal;

void TFavoriteCommands::AddToFavoritesActionExecute() {
    if (!m_context.SelectedStyle()) {
        m_context.Message(TARVEX_TEXT("Editor", "Select menu style which you want add to favorites"),
                          WarningCaption(), TMsgIcon::Information);
        return;
    }
    const std::optional<std::string> typed = m_context.Ui().InputQuery(
        TARVEX_TEXT("Editor", "Favotite style name"), TARVEX_TEXT("Editor", "Type favorite name"), "");
    if (!typed) {
        return;
    }
    const std::string name = EnteredText(*typed);
    const TFavoriteStyleRec wanted{ShortString<255>(name), m_context.SelectedStyle()->Style()};
    // The list shows the favourite as the file will hold it; the name is compared as typed.
    TFavoriteStyleRec favorite = DecodeFavoriteRecord(EncodeFavoriteRecord(wanted));
    const std::string nameAsStored = Windows1252ToUtf8(Utf8ToWindows1252(name));
    for (const TFavoriteStyleRec& other : m_favoriteStyles) {
        if (other.Name.view() == nameAsStored) {
            m_context.Message(
                TARVEX_TEXT("Editor", "Style with this name already exist. Use another style name"),
                ErrorCaption(), TMsgIcon::Error);
            return;
        }
    }
    const std::string lost = FavoriteCharactersLost(wanted);
    if (!lost.empty() &&
        m_context.Message(
            TARVEX_TEXT("Editor",
                        "The favorites file cannot hold these characters, so they become \"?\" in the "
                        "favorite (the project keeps them): %1\n\nAdd to favorites anyway?")
                .Arg(lost),
            ConfirmCaption(), TMsgIcon::Question, TMsgButtons::OkCancel) != TMsgResult::Ok) {
        return;
    }
    m_favoriteStyles.push_back(std::move(favorite));
    m_context.Notify([](TEditorListener& l) { l.FavoriteStylesChanged(); });
}

void TFavoriteCommands::StyleTemplateActionExecute() {
    if (const std::optional<int> chosen = ChooseFromStyleTemplate()) {
        InsertFavoriteStyle(*chosen);
    }
}

std::optional<int> TFavoriteCommands::ChooseFromStyleTemplate() {
    std::vector<TStyleTemplateEntry> entries;
    entries.reserve(m_favoriteStyles.size());
    for (const TFavoriteStyleRec& favorite : m_favoriteStyles) {
        const std::string& name = favorite.Name.str();
        entries.push_back(
            {name, PathText(m_context.AppFolder() / "Favorites" / PathFromUtf8(name + ".bmp"))});
    }
    return m_context.Ui().ChooseFavoriteStyle(entries);
}

void TFavoriteCommands::InsertFavoriteStyle(int index) {
    if (index < 0 || index >= static_cast<int>(m_favoriteStyles.size())) {
        return;
    }
    const TFavoriteStyleRec& favorite = m_favoriteStyles[static_cast<std::size_t>(index)];
    TEditStep step(m_context, TARVEX_TRANSLATE_NOOP("Document", "Insert Favorite Style"));
    TMenuStyleRec style;
    FillDefaultStyle(style);
    style = favorite.Style;
    AppendStyleNode(m_context.Project(), favorite.Name.str(), style);
}

void TFavoriteCommands::LoadFavorites() {
    TFavoritesFile read = ReadFavoritesFileState(m_context.AppFolder() / "favorites.dat");
    m_favoriteStyles = std::move(read.Favorites);
    m_favoritesBase = m_favoriteStyles;
    m_favoritesState = read.State;
    m_context.Notify([](TEditorListener& l) { l.FavoriteStylesChanged(); });
}

bool TFavoriteCommands::SaveFavorites() {
    // Other windows may have written the file since: only this window's own changes go in.
    TFavoritesSave saved = SaveFavoritesMerged(m_context.AppFolder() / "favorites.dat", m_favoritesBase,
                                               m_favoritesState, m_favoriteStyles);
    if (saved.Backup) {
        m_favoritesBackup = saved.Backup;
    }
    if (saved.Status != TWriteStatus::Written) {
        return false;
    }
    m_favoritesBase = std::move(saved.Written);
    m_favoritesState = TFavoritesFileState::Clean;
    return true;
}

} // namespace tarvex
