#include "CommandBars.h"

#include "MainUnitInternal.h"
#include "MainWidgets.h"
#include "TarvexIcons.h"
#include "WindowLanguage.h"
#include "editor/CommandTable.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace tarvex {

using namespace mainunit_internal;

namespace {

// The table's texts are plain English literals; the window shows them in the user's language.
// What the command-bar layout file names an entry by stays English, in the "menuCaption" property.
QString CommandText(std::string_view source) {
    return QCoreApplication::translate("Command", std::string(source).c_str());
}

void CreateActions(QMainWindow& window, TMainWidgets& widgets,
                   const std::function<void(TActionId)>& execute) {
    // One QAction per command: the menus, toolbars and context menus show it, and it alone owns
    // the command's keys.
    widgets.Actions.assign(ActionCount, nullptr);
    for (const TCommand& command : Commands()) {
        const TActionId id = command.Id;
        auto* action =
            new QAction(TTarvexIcons::Command(Text(command.Icon)), CommandText(command.MenuCaption), &window);
        action->setObjectName(Text(command.Name));
        action->setProperty("category", CommandText(command.Category));
        // What names the command in a menu for good; Undo's and Redo's shown text follows the history.
        action->setProperty("menuCaption", Text(command.MenuCaption));
        action->setIconText(CommandText(command.Caption));
        action->setToolTip(CommandText(command.Hint));
        action->setStatusTip(CommandText(command.Hint));
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
    for (const TMenuBarMenu& shown : MenuBarMenus()) {
        const QString title = Text(shown.Title);
        QMenu* menu = bar->addMenu(CommandText(shown.Title));
        menu->menuAction()->setProperty("menuCaption", title);
        menu->setObjectName(QString(title).remove(QLatin1Char('&')) + QStringLiteral("Menu"));
        menu->setToolTipsVisible(false);
        for (const TBarEntry& entry : BarEntries(shown.Bar)) {
            if (entry.Kind == TBarEntry::TKind::RecentFiles) {
                widgets.RecentFilesMenu = menu->addMenu(CommandText(RecentFilesCaption));
                widgets.RecentFilesMenu->menuAction()->setProperty("menuCaption", Text(RecentFilesCaption));
                widgets.RecentFilesMenu->setObjectName(QStringLiteral("RecentFilesItem"));
            } else if (entry.Kind == TBarEntry::TKind::Separator) {
                menu->addSeparator();
            } else {
                menu->addAction(widgets.Action(entry.Id));
            }
        }
        if (shown.Bar == TCommandBar::ToolsMenu) {
            menu->addSeparator();
            AddLanguageMenu(*menu, window);
        }
    }
}

// `bar` is a QToolBar or a QMenu; only menu-bar menus hold the recent files.
template <class TBar> void Fill(TBar* bar, const TMainWidgets& widgets, TCommandBar shown) {
    for (const TBarEntry& entry : BarEntries(shown)) {
        if (entry.Kind == TBarEntry::TKind::Command) {
            bar->addAction(widgets.Action(entry.Id));
        } else if (entry.Kind == TBarEntry::TKind::Separator) {
            bar->addSeparator();
        }
    }
}

QToolBar* CreateToolBar(QMainWindow& window, std::string_view title, const QString& name) {
    auto* bar = new QToolBar(CommandText(title), &window);
    bar->setObjectName(name);
    bar->setProperty("caption", Text(title));
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
    widgets.FileToolBar =
        CreateToolBar(window, TARVEX_TRANSLATE_NOOP("Command", "File"), QStringLiteral("FileToolBar"));
    widgets.CommandsToolBar = CreateToolBar(window, TARVEX_TRANSLATE_NOOP("Command", "Commands"),
                                            QStringLiteral("CommandsToolBar"));
    Fill(widgets.FileToolBar, widgets, TCommandBar::FileToolBar);
    Fill(widgets.CommandsToolBar, widgets, TCommandBar::CommandsToolBar);
    window.addToolBar(Qt::TopToolBarArea, widgets.FileToolBar);
    window.addToolBarBreak(Qt::TopToolBarArea);
    window.addToolBar(Qt::TopToolBarArea, widgets.CommandsToolBar);

    auto popup = [&](const char* name, TCommandBar shown) {
        auto* menu = new QMenu(&window);
        menu->setObjectName(QString::fromLatin1(name));
        Fill(menu, widgets, shown);
        return menu;
    };
    widgets.MenuCreatorPopup = popup("pabMenuCreator", TCommandBar::ObjectsTreePopup);
    widgets.MenuStylePopup = popup("pabMenuStyle", TCommandBar::StyleListPopup);
}

} // namespace

void CreateCommandBars(QMainWindow& window, TMainWidgets& widgets,
                       const std::function<void(TActionId)>& execute) {
    CreateActions(window, widgets, execute);
    CreateMenus(window, widgets);
    CreateToolBars(window, widgets);
}

} // namespace tarvex
