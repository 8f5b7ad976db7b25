#include "CommandBarLayout.h"

#include "MainUnitInternal.h"
#include "MainWidgets.h"
#include "base/DepthFirstWalk.h"
#include "base/PathText.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>

#include <algorithm>

namespace tarvex {

using namespace mainunit_internal;

namespace {

// A menu entry's or menu title's name in the file: its English caption, whatever it shows for now
// and in whichever language.
QString EntryCaption(const QAction& entry) {
    const QString caption = entry.property("menuCaption").toString();
    return caption.isEmpty() ? entry.text() : caption;
}

// Takes the bar's entries out, separators deleted, and hands back the commands it held.
template <class TBar> QList<QAction*> TakeEntries(TBar* bar) {
    QList<QAction*> commands;
    for (QAction* action : bar->actions()) {
        bar->removeAction(action);
        if (action->isSeparator()) {
            delete action;
        } else {
            commands << action;
        }
    }
    return commands;
}

// Puts back whatever `builtIn` held that the file did not place, so a command never goes missing.
template <class TBar> void AddMissing(TBar* bar, const QList<QAction*>& builtIn) {
    for (QAction* action : builtIn) {
        if (!bar->actions().contains(action)) {
            bar->addAction(action);
        }
    }
}

// Each menu title, then its entries and their submenus' entries by depth.
TCommandBarLayoutUnit MenuUnit(const QAction& title) {
    std::vector<TMenuLayoutEntry> entries;
    const auto entryAt = [](const QAction& entry, std::size_t i) -> const QAction* {
        const QMenu* menu = entry.menu();
        return menu && i < static_cast<std::size_t>(menu->actions().size())
                   ? menu->actions()[static_cast<int>(i)]
                   : nullptr;
    };
    int depth = 0;
    WalkDepthFirst(
        &title, entryAt,
        [&](const QAction& entry) {
            if (depth > 0) {
                entries.push_back({depth, entry.isSeparator(), QStringToUtf8(EntryCaption(entry))});
            }
            ++depth;
        },
        [&](const QAction&) { --depth; });
    return MenuLayoutUnit(QStringToUtf8(EntryCaption(title)), entries);
}

} // namespace

TCommandBarLayout::TCommandBarLayout(QMainWindow& window, TMainWidgets& widgets, const QString& path)
    : m_window(window), m_widgets(widgets), m_file(ToPath(path)) {}

TCommandBarLayoutUnits TCommandBarLayout::CurrentUnits(const TCommandBarOptions& options) const {
    TCommandBarLayoutUnits units;
    for (const QAction* title : m_window.menuBar()->actions()) {
        units.push_back(MenuUnit(*title));
    }
    for (const QToolBar* bar : {m_widgets.FileToolBar, m_widgets.CommandsToolBar}) {
        TToolBarLayout shown{QStringToUtf8(bar->objectName()),
                             QStringToUtf8(bar->property("caption").toString()),
                             bar->isVisibleTo(&m_window),
                             bar->x(),
                             bar->y(),
                             {}};
        for (const QAction* a : bar->actions()) {
            shown.Items.push_back(
                a->isSeparator() ? std::nullopt : std::optional<std::string>(QStringToUtf8(a->objectName())));
        }
        units.push_back(ToolBarLayoutUnit(shown));
    }
    units.push_back(OptionsLayoutUnit(options));
    return units;
}

TCommandBarLayout::TLoaded TCommandBarLayout::Load() {
    TLoaded loaded;
    const TCommandBarLayoutFile::TRead read = m_file.Read();
    if (!read.Units) {
        loaded.SetAsideTo = read.SetAsideTo ? Text(PathText(*read.SetAsideTo)) : QString();
        loaded.SetAsideFailed = read.SetAsideFailed;
        return loaded;
    }
    for (const TCommandBarLayoutUnit& unit : *read.Units) {
        if (!MenuTitleOf(unit).empty()) {
            ApplyMenu(unit);
        } else if (IsOptionsUnit(unit)) {
            loaded.Options = OptionsOf(unit);
        } else {
            ApplyToolBar(unit);
        }
    }
    return loaded;
}

void TCommandBarLayout::ApplyMenu(const TCommandBarLayoutUnit& unit) {
    const QString title = Text(MenuTitleOf(unit));
    const QList<QAction*> titles = m_window.menuBar()->actions();
    const auto found = std::find_if(titles.begin(), titles.end(),
                                    [&](const QAction* a) { return a->menu() && EntryCaption(*a) == title; });
    if (found == titles.end()) {
        return;
    }
    QMenu* menu = (*found)->menu();
    const QList<QAction*> builtIn = TakeEntries(menu);
    // Entries are named by their captions: the menu's own first (the recent-files submenu among
    // them), then every command's.
    const auto named = [&](const QString& caption) -> QAction* {
        if (caption.isEmpty()) {
            return nullptr;
        }
        for (const QList<QAction*>& list :
             {builtIn, QList<QAction*>(m_widgets.Actions.begin(), m_widgets.Actions.end())}) {
            for (QAction* action : list) {
                if (EntryCaption(*action) == caption) {
                    return action;
                }
            }
        }
        return nullptr;
    };
    for (const std::optional<std::string>& entry : EntriesOf(unit)) {
        if (!entry) {
            menu->addSeparator();
        } else if (QAction* action = named(Text(*entry)); action && !menu->actions().contains(action)) {
            menu->addAction(action);
        }
    }
    AddMissing(menu, builtIn);
}

void TCommandBarLayout::ApplyToolBar(const TCommandBarLayoutUnit& unit) {
    const QString name = Text(ToolBarNameOf(unit));
    QToolBar* bar = nullptr;
    for (QToolBar* candidate : {m_widgets.FileToolBar, m_widgets.CommandsToolBar}) {
        bar = !name.isEmpty() && candidate->objectName() == name ? candidate : bar;
    }
    if (!bar) {
        return;
    }
    const QList<QAction*> builtIn = TakeEntries(bar);
    for (const std::optional<std::string>& item : EntriesOf(unit)) {
        if (!item) {
            bar->addSeparator();
            continue;
        }
        const QString command = Text(*item);
        const auto found = std::find_if(m_widgets.Actions.begin(), m_widgets.Actions.end(),
                                        [&](const QAction* a) { return a->objectName() == command; });
        if (found != m_widgets.Actions.end() && !bar->actions().contains(*found)) {
            bar->addAction(*found);
        }
    }
    AddMissing(bar, builtIn);
}

void TCommandBarLayout::KeepBase(const TCommandBarOptions& options) {
    m_file.KeepBase(CurrentUnits(options));
}

bool TCommandBarLayout::Save(const TCommandBarOptions& options) {
    if (m_file.Write(CurrentUnits(options)) == TWriteStatus::Written) {
        return true;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Korvane Tarvex"),
                    QCoreApplication::translate("tarvex::TCommandBarLayout", "Unable to save settings"),
                    QMessageBox::Ok, m_window.isVisible() ? &m_window : nullptr);
    box.exec();
    return false;
}

} // namespace tarvex
