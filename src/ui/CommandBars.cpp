#include "CommandBars.h"

#include "MainUnitInternal.h"
#include "MainWidgets.h"
#include "TarvexIcons.h"
#include "editor/CommandTable.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <optional>
#include <utility>
#include <vector>

namespace tarvex {

using namespace mainunit_internal;

namespace {

// A menu-bar entry: a command (shown with its menu caption), a separator (Id unset, no text), or
// the recent-files submenu.
struct TMenuEntry {
    std::optional<TActionId> Id;
    const char* Text = nullptr;
};

constexpr const char* RecentFilesCaption = "Recent files...";
constexpr TMenuEntry Separator{};

using A = TActionId;

std::vector<TMenuEntry> EditMenuLayout() {
    return {{A::UndoAction},    {A::RedoAction},      Separator, {A::CutAction},    {A::CopyAction},
            {A::PasteAction},   {A::DuplicateAction}, Separator, {A::MoveUpAction}, {A::MoveDownAction},
            {A::MoveOutAction}, {A::MoveInAction},    Separator, {A::FindAction},   {A::FindNextAction}};
}

const std::vector<std::pair<const char*, std::vector<TMenuEntry>>>& MenuBarLayout() {
    static const std::vector<std::pair<const char*, std::vector<TMenuEntry>>> layout = {
        {"&File",
         {{A::NewAction},
          {A::OpenAction},
          {A::SaveAction},
          {A::SaveAsAction},
          Separator,
          {A::PublishAction},
          {A::ExportHtmlAction},
          Separator,
          {std::nullopt, RecentFilesCaption},
          Separator,
          {A::ExitAction}}},
        {"&Edit", EditMenuLayout()},
        {"&Menu",
         {{A::NewGroupAction},
          {A::DelGroupAction},
          {A::acHelpGroup},
          Separator,
          {A::NewMenuItemAction},
          {A::DeleteMenuItemAction},
          {A::acHelpMenu}}},
        {"&Styles",
         {{A::NewStyleAction},
          {A::DelStyleAction},
          {A::acHelpStyles},
          Separator,
          {A::StyleTemplateAction},
          {A::AddToFavoritesAction}}},
        {"&Preview",
         {{A::UpdatePreviewAction}, Separator, {A::OpenPreviewAction}, {A::DefaultPreviewAction}}},
        {"&Tools",
         {{A::CustomizeActionBars1},
          Separator,
          {A::ImportBookmarksAction},
          {A::ImportSitemapAction},
          {A::ImportPageNavAction}}},
        {"&Help",
         {{A::HelpHowUseAction},
          Separator,
          {A::HomePageAction},
          {A::EMailToUsAction},
          Separator,
          {A::AboutAction}}},
    };
    return layout;
}

// Toolbars and context menus: a command, or a separator.
const std::vector<std::optional<TActionId>> FileToolBarLayout = {
    A::NewAction,      A::OpenAction,           A::SaveAction, std::nullopt,
    A::UndoAction,     A::RedoAction,           std::nullopt,  A::PublishAction,
    std::nullopt,      A::CustomizeActionBars1, std::nullopt,  A::HelpHowUseAction,
    A::HomePageAction, A::EMailToUsAction,      std::nullopt,  A::ExitAction};

const std::vector<std::optional<TActionId>> CommandsToolBarLayout = {
    A::UpdatePreviewAction,  std::nullopt,      A::NewGroupAction,
    A::DelGroupAction,       std::nullopt,      A::NewMenuItemAction,
    A::DeleteMenuItemAction, std::nullopt,      A::NewStyleAction,
    A::StyleTemplateAction,  A::DelStyleAction, std::nullopt,
    A::AddToFavoritesAction, std::nullopt,      A::OpenPreviewAction,
    A::DefaultPreviewAction};

const std::vector<std::optional<TActionId>> MenuCreatorPopupLayout = {
    A::UpdatePreviewAction, std::nullopt,         A::NewGroupAction,       A::DelGroupAction,
    std::nullopt,           A::NewMenuItemAction, A::DeleteMenuItemAction, std::nullopt,
    A::CutAction,           A::CopyAction,        A::PasteAction,          A::DuplicateAction,
    std::nullopt,           A::MoveUpAction,      A::MoveDownAction,       A::MoveOutAction,
    A::MoveInAction};

const std::vector<std::optional<TActionId>> MenuStylePopupLayout = {
    A::UpdatePreviewAction, std::nullopt,  A::NewStyleAction,       A::StyleTemplateAction,
    A::DelStyleAction,      std::nullopt,  A::AddToFavoritesAction, std::nullopt,
    A::CutAction,           A::CopyAction, A::PasteAction,          A::DuplicateAction};

void CreateActions(QMainWindow& window, TMainWidgets& widgets,
                   const std::function<void(TActionId)>& execute) {
    // One QAction per command: the menus, toolbars and context menus show it, and it alone owns
    // the command's keys.
    widgets.Actions.assign(ActionCount, nullptr);
    for (const TCommand& command : Commands()) {
        const TActionId id = command.Id;
        auto* action =
            new QAction(TTarvexIcons::Command(Text(command.Icon)), Text(command.MenuCaption), &window);
        action->setObjectName(Text(command.Name));
        action->setProperty("category", Text(command.Category));
        // What names the command in a menu for good; Undo's and Redo's shown text follows the history.
        action->setProperty("menuCaption", Text(command.MenuCaption));
        action->setIconText(Text(command.Caption));
        action->setToolTip(Text(command.Hint));
        action->setStatusTip(Text(command.Hint));
        QList<QKeySequence> keys;
        for (const std::string_view key : {command.Shortcut, command.AlternateShortcut}) {
            if (!key.empty()) {
                keys << QKeySequence(Text(key), QKeySequence::PortableText);
            }
        }
        action->setShortcuts(keys);
        QObject::connect(action, &QAction::triggered, &window, [execute, id] { execute(id); });
        window.addAction(action);
        widgets.Actions[static_cast<std::size_t>(id)] = action;
    }
}

void CreateMenus(QMainWindow& window, TMainWidgets& widgets) {
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("ActionMainMenuBar1"));
    if (HasFontFamily(QStringLiteral("Tahoma"))) {
        QFont tahoma(QStringLiteral("Tahoma"));
        tahoma.setPointSize(window.font().pointSize() > 0 ? window.font().pointSize() : 8);
        bar->setFont(tahoma);
    }
    bar->setMinimumHeight(24);
    for (const auto& [title, entries] : MenuBarLayout()) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(title));
        menu->setObjectName(QString::fromLatin1(title).remove(QLatin1Char('&')) + QStringLiteral("Menu"));
        menu->setToolTipsVisible(false);
        for (const TMenuEntry& entry : entries) {
            if (!entry.Id) {
                if (!entry.Text) {
                    menu->addSeparator();
                } else {
                    widgets.RecentFilesMenu = menu->addMenu(QString::fromLatin1(entry.Text));
                    widgets.RecentFilesMenu->setObjectName(QStringLiteral("RecentFilesItem"));
                }
                continue;
            }
            menu->addAction(widgets.Action(*entry.Id));
        }
    }
}

// `bar` is a QToolBar or a QMenu.
template <class TBar>
void Fill(TBar* bar, const TMainWidgets& widgets, const std::vector<std::optional<TActionId>>& layout) {
    for (const auto& id : layout) {
        if (id) {
            bar->addAction(widgets.Action(*id));
        } else {
            bar->addSeparator();
        }
    }
}

QToolBar* CreateToolBar(QMainWindow& window, const QString& title, const QString& name) {
    auto* bar = new QToolBar(title, &window);
    bar->setObjectName(name);
    bar->setMovable(true);
    // The bars move within the band across the top; the stored positions are band positions.
    bar->setAllowedAreas(Qt::TopToolBarArea);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setIconSize(QSize(16, 16));
    bar->setFixedHeight(ToolBarRowHeight);
    return bar;
}

void CreateToolBars(QMainWindow& window, TMainWidgets& widgets) {
    widgets.FileToolBar = CreateToolBar(window, QStringLiteral("File"), QStringLiteral("FileToolBar"));
    widgets.CommandsToolBar =
        CreateToolBar(window, QStringLiteral("Commands"), QStringLiteral("CommandsToolBar"));
    Fill(widgets.FileToolBar, widgets, FileToolBarLayout);
    Fill(widgets.CommandsToolBar, widgets, CommandsToolBarLayout);
    window.addToolBar(Qt::TopToolBarArea, widgets.FileToolBar);
    window.addToolBarBreak(Qt::TopToolBarArea);
    window.addToolBar(Qt::TopToolBarArea, widgets.CommandsToolBar);

    auto popup = [&](const char* name, const std::vector<std::optional<TActionId>>& layout) {
        auto* menu = new QMenu(&window);
        menu->setObjectName(QString::fromLatin1(name));
        Fill(menu, widgets, layout);
        return menu;
    };
    widgets.MenuCreatorPopup = popup("pabMenuCreator", MenuCreatorPopupLayout);
    widgets.MenuStylePopup = popup("pabMenuStyle", MenuStylePopupLayout);
}

} // namespace

void CreateCommandBars(QMainWindow& window, TMainWidgets& widgets,
                       const std::function<void(TActionId)>& execute) {
    CreateActions(window, widgets, execute);
    CreateMenus(window, widgets);
    CreateToolBars(window, widgets);
}

} // namespace tarvex
