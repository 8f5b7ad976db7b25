#pragma once
// The imports (a Favorites folder, a bookmarks file, a site map, a page's navigation) and the
// export of the menu as a page of links.

#include "EditorContext.h"

#include "import/FavoritesFolder.h"
#include "import/WebImport.h"

#include "model/Tree.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tarvex {

class TFileCommands;
class TObjectsTreeCommands;

class TImportCommands {
public:
    // The imports add their trees beside the selection of `objects`; a dropped project opens
    // through `files`.
    TImportCommands(TEditorContext& context, TObjectsTreeCommands& objects, TFileCommands& files);

    void ImportWinFavoritActionExecute();
    void ImportFavoritesFolder(const TFavoriteEntry& entry);
    void ImportBookmarksActionExecute();
    void ImportSitemapActionExecute();
    void ImportPageNavActionExecute();
    // Adds the included part of an imported tree beside the selected node, as the folder import
    // adds its group, selects it and refreshes the preview. The one way an imported tree enters the
    // design. Returns the new group.
    TTreeNode* InsertImportedTree(const TImportEntry& tree);
    void ExportHtmlActionExecute();
    // A file dropped on the window: a project opens, a bookmarks file, site map or page goes to
    // its import; anything else is refused with a message.
    void OpenDroppedFile(const std::string& path);
    // Where the import looks for the Favorites folder (FindFavoritesFolder unless replaced).
    void SetFavoritesFolderFinder(std::function<std::optional<std::filesystem::path>()> finder);

    using TImportReader = TImportChoices (*)(const std::filesystem::path&);
    // Reads `file`, lets the author review its tree and adds what was kept as one step.
    void ReviewImport(const std::filesystem::path& file, const TUiText& caption, TImportReader read);

private:
    void RunWebImport(const std::string& dialogName, const std::string& filter, const std::string& defaultExt,
                      const TUiText& caption, TImportReader read);

    TEditorContext& m_context;
    TObjectsTreeCommands& m_objects;
    TFileCommands& m_files;
    std::function<std::optional<std::filesystem::path>()> m_findFavoritesFolder;
};

} // namespace tarvex
