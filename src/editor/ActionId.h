#pragma once
// The main window's commands: their ids, and the caption, hint, shortcut and category of each.

#include <string_view>

namespace tarvex {

// The names are the commands' own; the order is the order of the command table. Stored toolbar
// and shortcut settings name the commands, so the order may grow in the middle.
enum class TActionId {
    NewAction,
    OpenAction,
    SaveAction,
    SaveAsAction,
    PublishAction,
    ExitAction,
    ExportHtmlAction,
    UndoAction,
    RedoAction,
    NewGroupAction,
    DelGroupAction,
    acHelpGroup,
    NewMenuItemAction,
    DeleteMenuItemAction,
    acHelpMenu,
    NewStyleAction,
    StyleTemplateAction,
    DelStyleAction,
    AddToFavoritesAction,
    acHelpStyles,
    UpdatePreviewAction,
    OpenPreviewAction,
    DefaultPreviewAction,
    ImportWinFavoritAction,
    ImportBookmarksAction,
    ImportSitemapAction,
    ImportPageNavAction,
    CustomizeActionBars1,
    HelpHowUseAction,
    HomePageAction,
    EMailToUsAction,
    AboutAction,
};

inline constexpr int ActionCount = static_cast<int>(TActionId::AboutAction) + 1;

// What the window shows for a command. Shortcut is in the "Ctrl+N" form, empty for none.
struct TActionInfo {
    std::string_view Name;
    std::string_view Category;
    std::string_view Caption;
    std::string_view Hint;
    std::string_view Shortcut;
    // A second key for the same command, empty for none.
    std::string_view AlternateShortcut = {};
};

const TActionInfo& ActionInfo(TActionId id);

} // namespace tarvex
