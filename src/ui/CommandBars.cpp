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
    for (const TMenuBarMenu& shown : MenuBarMenus()) {
        const QString title = Text(shown.Title);
        QMenu* menu = bar->addMenu(title);
        menu->setObjectName(QString(title).remove(QLatin1Char('&')) + QStringLiteral("Menu"));
        menu->setToolTipsVisible(false);
        for (const TBarEntry& entry : BarEntries(shown.Bar)) {
            if (entry.Kind == TBarEntry::TKind::RecentFiles) {
                // The caption is a literal, so its view ends in a terminating zero.
                widgets.RecentFilesMenu =
                    menu->addMenu(QCoreApplication::translate("Commands", RecentFilesCaption.data()));
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
    widgets.FileToolBar =
        CreateToolBar(window, QCoreApplication::translate("ToolBars", "File"), QStringLiteral("FileToolBar"));
    widgets.CommandsToolBar = CreateToolBar(window, QCoreApplication::translate("ToolBars", "Commands"),
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
