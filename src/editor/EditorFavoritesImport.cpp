#include "TarvexEditor.h"

#include "EditorInternal.h"
#include "base/FileIo.h"
#include "base/PathText.h"
#include "base/RecordText.h"
#include "favorites/FavoritesMerge.h"
#include "model/SubmenuLayout.h"
#include "preview/PreviewPage.h"
#include "preview/PublishFiles.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "script/MenuScript.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace tarvex {

using namespace editor_internal;

// ---- favourites ----

void TTarvexEditor::AddToFavoritesActionExecute() {
    if (!m_selectedStyle) {
        Message("Select menu style which you want add to favorites", "Warning", TMsgIcon::Information);
        return;
    }
    // The favourite takes the style as the editor shows it, typed values included.
    CommitValueEditors();
    const std::optional<std::string> typed = m_ui.InputQuery("Favotite style name", "Type favorite name", "");
    if (!typed) {
        return;
    }
    const std::string name = EnteredText(*typed);
    const TFavoriteStyleRec wanted{ShortString<255>(name), m_selectedStyle->Style()};
    // The list shows the favourite as the file will hold it; the name is compared as typed.
    TFavoriteStyleRec favorite = DecodeFavoriteRecord(EncodeFavoriteRecord(wanted));
    const std::string nameAsStored = Windows1252ToUtf8(Utf8ToWindows1252(name));
    for (const TFavoriteStyleRec& other : m_favoriteStyles) {
        if (other.Name.view() == nameAsStored) {
            Message("Style with this name already exist. Use another style name", "Error", TMsgIcon::Error);
            return;
        }
    }
    const std::string lost = FavoriteCharactersLost(wanted);
    if (!lost.empty() &&
        Message("The favorites file cannot hold these characters, so they become \"?\" in the favorite "
                "(the project keeps them): " +
                    lost + "\n\nAdd to favorites anyway?",
                "Confirm", TMsgIcon::Question, TMsgButtons::OkCancel) != TMsgResult::Ok) {
        return;
    }
    m_favoriteStyles.push_back(std::move(favorite));
    Notify([](TEditorListener& l) { l.FavoriteStylesChanged(); });
}

void TTarvexEditor::StyleTemplateActionExecute() {
    std::vector<TStyleTemplateEntry> entries;
    entries.reserve(m_favoriteStyles.size());
    for (const TFavoriteStyleRec& favorite : m_favoriteStyles) {
        const std::string& name = favorite.Name.str();
        entries.push_back({name, PathText(m_appFolder / "Favorites" / PathFromUtf8(name + ".bmp"))});
    }
    const std::optional<int> chosen = m_ui.ChooseFavoriteStyle(entries);
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(m_favoriteStyles.size())) {
        return;
    }
    const TFavoriteStyleRec& favorite = m_favoriteStyles[static_cast<std::size_t>(*chosen)];
    TEditStep step(*this, "Insert Favorite Style");
    TMenuStyleRec style;
    FillDefaultStyle(style);
    style = favorite.Style;
    AppendStyleNode(m_project, favorite.Name.str(), style);
}

void TTarvexEditor::LoadFavorites() {
    TFavoritesFile read = ReadFavoritesFileState(m_appFolder / "favorites.dat");
    m_favoriteStyles = std::move(read.Favorites);
    m_favoritesBase = m_favoriteStyles;
    m_favoritesState = read.State;
    Notify([](TEditorListener& l) { l.FavoriteStylesChanged(); });
}

bool TTarvexEditor::SaveFavorites() {
    // Other windows may have written the file since: only this window's own changes go in.
    TFavoritesSave saved = SaveFavoritesMerged(m_appFolder / "favorites.dat", m_favoritesBase,
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

// ---- import ----

void TTarvexEditor::SetFavoritesFolderFinder(std::function<std::optional<std::filesystem::path>()> finder) {
    m_findFavoritesFolder = std::move(finder);
}

void TTarvexEditor::ImportWinFavoritActionExecute() {
    std::optional<TFavoriteEntry> root;
    const std::optional<std::filesystem::path> folder =
        m_findFavoritesFolder ? m_findFavoritesFolder() : std::optional<std::filesystem::path>();
    if (folder) {
        root = ScanFavoritesFolder(*folder);
    } else {
        Message("Can't find favirities directory.", "Error", TMsgIcon::Information);
    }
    const TFolderDialogResult result = m_ui.ChooseFavoritesFolder(root ? &*root : nullptr);
    switch (result.Outcome) {
    case TFolderDialogResult::TOutcome::Cancel:
        return;
    case TFolderDialogResult::TOutcome::OkWithoutSelection:
        Message("You have not selected folder.", "Error", TMsgIcon::Information);
        return;
    case TFolderDialogResult::TOutcome::OkSelected:
        if (result.Entry) {
            ImportFavoritesFolder(*result.Entry);
        } else {
            Message("You have not selected folder.", "Error", TMsgIcon::Information);
        }
        return;
    }
}

void TTarvexEditor::ImportFavoritesFolder(const TFavoriteEntry& entry) {
    if (entry.Kind == TFavoriteEntry::TKind::Shortcut) {
        Message("You have not selected folder.", "Error", TMsgIcon::Information);
        return;
    }
    // Only the folder's own shortcuts become items; sub-folders carry no file to read.
    const TImportResult read = ReadFavoritesFolder(entry, false, EnteredText);
    TEditStep step(*this, "Import Favorites", TCommitFirst::Yes);
    AddMenuGroup(read.Tree->Caption, " ");
    for (const TImportEntry& item : read.Tree->Children) {
        AddMenuItem(item.Caption, item.Address);
    }
    if (!read.Error.empty()) {
        Message(read.Error, "Error", TMsgIcon::Error);
    }
    // The group's preview was drawn before its items came.
    RefreshPreview();
}

} // namespace tarvex
