#include "TarvexEditor.h"

#include "EditorInternal.h"
#include "base/FileIo.h"
#include "base/PathText.h"
#include "base/RecordText.h"
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
    m_favoritesState = read.State;
    m_favoriteStyles = std::move(read.Favorites);
    Notify([](TEditorListener& l) { l.FavoriteStylesChanged(); });
}

bool TTarvexEditor::SaveFavorites() {
    const std::filesystem::path file = m_appFolder / "favorites.dat";
    if (m_favoritesState == TFavoritesFileState::Damaged ||
        m_favoritesState == TFavoritesFileState::Unreadable) {
        // What this run could not read may still be worth something to the author: keep it.
        m_favoritesBackup = KeepFavoritesBackup(file);
        if (!m_favoritesBackup) {
            return false;
        }
        m_favoritesState = TFavoritesFileState::Missing;
    }
    return SaveFavoritesFile(file, m_favoriteStyles) == TWriteStatus::Written;
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
        if (root->Cut) {
            Message("The Favorites folder holds more than " + std::to_string(FavoritesEntryLimit) +
                        " entries; only the first " + std::to_string(FavoritesEntryLimit) + " are shown.",
                    "Warning", TMsgIcon::Information);
        }
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
    TEditStep step(*this, "Import Favorites", TCommitFirst::Yes);
    AddMenuGroup(EnteredText(entry.Text), " ");
    // Only the folder's own shortcuts become items; sub-folders carry no file to read.
    std::string unreadable;
    for (const TFavoriteEntry& child : entry.Children) {
        if (child.Kind != TFavoriteEntry::TKind::Shortcut) {
            continue;
        }
        const std::optional<std::string> address = ReadInternetShortcut(PathFromUtf8(child.Path));
        if (!address) {
            // One bad file costs its own item, not the rest of the folder.
            unreadable += "\n" + child.Path;
            continue;
        }
        AddMenuItem(EnteredText(child.Text), EnteredText(*address));
    }
    if (!unreadable.empty()) {
        Message("These shortcut files could not be read and were left out:" + unreadable, "Error",
                TMsgIcon::Error);
    }
    // The group's preview was drawn before its items came.
    RefreshPreview();
}

} // namespace tarvex
