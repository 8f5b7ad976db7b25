#include "ActionId.h"

#include <array>

namespace tarvex {

namespace {

// In the order of TActionId.
constexpr std::array<TActionInfo, ActionCount> Actions = {{
    {"NewAction", "File", "New", "Create new project", "Ctrl+N"},
    {"OpenAction", "File", "Open", "Open existing project", "Ctrl+O"},
    {"SaveAction", "File", "Save", "Save current project", "Ctrl+S"},
    {"SaveAsAction", "File", "Save as ...", "Save project as", ""},
    {"PublishAction", "File", "Publish menu", "Create necessary files to publish menu", "Ctrl+W"},
    {"ExitAction", "File", "Exit", "Exit", "Alt+F4"},
    {"ExportHtmlAction", "File", "Export menu as HTML", "Write the menu as a plain HTML list of links", ""},
    {"UndoAction", "Edit", "Undo", "Undo the last change", "Ctrl+Z"},
    {"RedoAction", "Edit", "Redo", "Redo the last change undone", "Ctrl+Shift+Z", "Ctrl+Y"},
    {"NewGroupAction", "Menu", "New menu group", "Create new menu group", "Ctrl+G"},
    {"DelGroupAction", "Menu", "Delete menu group", "Delete selected menu group", ""},
    {"acHelpGroup", "Menu", "How to use groups", "How to use groups", ""},
    {"NewMenuItemAction", "Menu", "New menu item", "Create new menu item", "Ctrl+I"},
    {"DeleteMenuItemAction", "Menu", "Delete menu item", "Delete selected menu item", ""},
    {"acHelpMenu", "Menu", "How to use menu item", "How to use menu options", ""},
    {"NewStyleAction", "Styles", "New style", "Create new menu item style", "Ctrl+J"},
    {"StyleTemplateAction", "Styles", "Insert favorete style", "Insert favorete style", ""},
    {"DelStyleAction", "Styles", "Delete style", "Delete selected style", ""},
    {"AddToFavoritesAction", "Styles", "Add to favorites", "Add current style to favorites", ""},
    {"acHelpStyles", "Styles", "How to use styles", "How to use styles", ""},
    {"UpdatePreviewAction", "Preview", "Update Preview", "Update preview window", "F5"},
    {"OpenPreviewAction", "Preview", "Open HTML to preview", "Open HTML to preview", ""},
    {"DefaultPreviewAction", "Preview", "Use default preview", "Use default HTML page to preview", "Ctrl+D"},
    {"ImportWinFavoritAction", "Import", "From windows favorities", "Import menu from windows favorities",
     ""},
    {"ImportBookmarksAction", "Import", "From bookmarks file", "Import menu from a browser's bookmarks file",
     ""},
    {"ImportSitemapAction", "Import", "From site map", "Import menu from a site map (sitemap.xml)", ""},
    {"ImportPageNavAction", "Import", "From page navigation",
     "Import menu from the navigation of an HTML page", ""},
    {"CustomizeActionBars1", "Tools", "&Customize", "Customize toolbar", ""},
    {"HelpHowUseAction", "Help", "How to use program", "How to use program", "F1"},
    {"HomePageAction", "Help", "Home page", "Korvane home page", ""},
    {"EMailToUsAction", "Help", "E-Mail to us", "E-Mail to us", ""},
    {"AboutAction", "Help", "About program", "About program", "Ctrl+F1"},
}};

} // namespace

const TActionInfo& ActionInfo(TActionId id) {
    return Actions[static_cast<std::size_t>(id)];
}

} // namespace tarvex
