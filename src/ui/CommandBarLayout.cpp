#include "CommandBarLayout.h"

#include "MainUnitInternal.h"
#include "MainWidgets.h"
#include "base/DepthFirstWalk.h"
#include "base/FileIo.h"
#include "base/PathText.h"
#include "base/SharedFileWrite.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QToolBar>

#include <algorithm>
#include <system_error>
#include <utility>

namespace tarvex {

using namespace mainunit_internal;

namespace {

// A layout file is a few kilobytes; anything near this is no layout file of ours.
constexpr std::uint64_t LayoutFileCeiling = 1ull << 20;

const QString MenuBarSection = QStringLiteral("[ActionMainMenuBar1]");
const QString FileToolBarSection = QStringLiteral("[FileToolBar]");
const QString CommandsToolBarSection = QStringLiteral("[CommandsToolBar]");
const QString OptionsSection = QStringLiteral("[Options]");
const QString MenuKey = QStringLiteral("Menu=");
const QString ItemKey = QStringLiteral("Item=");

// One line per entry: a caption or a path with a line break in it must not split its line.
QString OneLine(QString text) {
    return text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// A menu entry's name in the file: a command's own menu caption, whatever it shows for now.
QString EntryCaption(const QAction& entry) {
    const QString caption = entry.property("menuCaption").toString();
    return caption.isEmpty() ? entry.text() : caption;
}

const TCommandBarLayoutUnit* Find(const TCommandBarLayoutUnits& units, const QString& key) {
    const auto found = std::find_if(units.begin(), units.end(),
                                    [&](const TCommandBarLayoutUnit& u) { return u.Key == key; });
    return found == units.end() ? nullptr : &*found;
}

bool IsMenu(const TCommandBarLayoutUnit& unit) {
    return unit.Key.startsWith(MenuKey);
}

// A menu's own entries are one level in; deeper lines are a submenu's (the recent files).
bool IsMenuEntry(const QString& line) {
    return line.startsWith(QLatin1String("  ")) && line.size() > 2 && line[2] != QLatin1Char(' ');
}

// The part of a unit that is read back, and so the part whose change is this window's own.
QStringList ReadBackLines(const TCommandBarLayoutUnit& unit) {
    if (unit.Key == OptionsSection) {
        return unit.Lines;
    }
    QStringList lines;
    for (const QString& line : unit.Lines) {
        if (IsMenu(unit) ? IsMenuEntry(line) : line == QLatin1String("-") || line.startsWith(ItemKey)) {
            lines << line;
        }
    }
    return lines;
}

int Depth(const QString& line) {
    const auto spaces = std::find_if(line.begin(), line.end(), [](QChar c) { return c != QLatin1Char(' '); });
    return static_cast<int>(spaces - line.begin()) / 2;
}

// Whether `line` may follow what `unit` holds so far.
bool Fits(const TCommandBarLayoutUnit& unit, const QString& line) {
    static const QRegularExpression menuEntry(QStringLiteral("^(  )+(-|Item=.*)$"));
    static const QRegularExpression toolBarLine(
        QStringLiteral("^(Caption=.*|Visible=[01]|Position=-?\\d{1,9},-?\\d{1,9}|Item=.+|-)$"));
    static const QRegularExpression optionLine(
        QStringLiteral("^(ShowTips|ShortcutsInTips|LargeIcons)=[01]$"));
    if (IsMenu(unit)) {
        return menuEntry.match(line).hasMatch() && Depth(line) <= Depth(unit.Lines.back()) + 1;
    }
    return (unit.Key == OptionsSection ? optionLine : toolBarLine).match(line).hasMatch();
}

TCommandBarOptions OptionsOf(const TCommandBarLayoutUnit& unit) {
    TCommandBarOptions options;
    for (const QString& line : unit.Lines) {
        const bool on = line.endsWith(QLatin1String("=1"));
        if (line.startsWith(QLatin1String("ShowTips="))) {
            options.ShowTips = on;
        } else if (line.startsWith(QLatin1String("ShortcutsInTips="))) {
            options.ShortcutsInTips = on;
        } else if (line.startsWith(QLatin1String("LargeIcons="))) {
            options.LargeIcons = on;
        }
    }
    return options;
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

} // namespace

std::optional<TCommandBarLayoutUnits> ParseCommandBarLayout(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError() || text.contains(QChar(0)) || !text.endsWith(QLatin1Char('\n'))) {
        return std::nullopt;
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    if (lines.isEmpty() || lines.front() != MenuBarSection) {
        return std::nullopt;
    }
    TCommandBarLayoutUnits units;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const bool section = line.startsWith(QLatin1Char('['));
        if (section || line.startsWith(MenuKey)) {
            const bool known = section ? line == FileToolBarSection || line == CommandsToolBarSection ||
                                             line == OptionsSection
                                       // The menus come before the other sections.
                                       : units.empty() || IsMenu(units.back());
            if (!known || Find(units, line)) {
                return std::nullopt;
            }
            units.push_back({line, {line}});
        } else if (units.empty() || !Fits(units.back(), line)) {
            return std::nullopt;
        } else {
            units.back().Lines << line;
        }
    }
    if (!Find(units, FileToolBarSection) || !Find(units, CommandsToolBarSection)) {
        return std::nullopt;
    }
    return units;
}

QByteArray CommandBarLayoutBytes(const TCommandBarLayoutUnits& units) {
    QString text = MenuBarSection + QStringLiteral("\r\n");
    for (const TCommandBarLayoutUnit& unit : units) {
        for (const QString& line : unit.Lines) {
            text += line + QStringLiteral("\r\n");
        }
    }
    return text.toUtf8();
}

TCommandBarLayoutUnits MergeCommandBarLayouts(const TCommandBarLayoutUnits& base,
                                              const TCommandBarLayoutUnits& mine,
                                              const TCommandBarLayoutUnits& disk) {
    TCommandBarLayoutUnits merged;
    for (const TCommandBarLayoutUnit& own : mine) {
        const TCommandBarLayoutUnit* before = Find(base, own.Key);
        const TCommandBarLayoutUnit* now = Find(disk, own.Key);
        const bool changedHere = !before || ReadBackLines(*before) != ReadBackLines(own);
        merged.push_back(now && !changedHere ? *now : own);
    }
    return merged;
}

TCommandBarLayout::TCommandBarLayout(QMainWindow& window, TMainWidgets& widgets, QString path)
    : m_window(window), m_widgets(widgets), m_path(std::move(path)) {}

QString TCommandBarLayout::LayoutText(const TCommandBarOptions& options) const {
    // Our own format: one section per bar, one line per entry.
    QString text = MenuBarSection + QStringLiteral("\r\n");
    // Each menu title, then its entries and their submenus' entries, indented by their depth.
    const auto entryAt = [](const QAction& entry, std::size_t i) -> const QAction* {
        const QMenu* menu = entry.menu();
        return menu && i < static_cast<std::size_t>(menu->actions().size())
                   ? menu->actions()[static_cast<int>(i)]
                   : nullptr;
    };
    for (const QAction* title : m_window.menuBar()->actions()) {
        int depth = 0;
        WalkDepthFirst(
            title, entryAt,
            [&](const QAction& entry) {
                if (depth == 0) {
                    text += MenuKey + OneLine(entry.text()) + QStringLiteral("\r\n");
                } else {
                    text += QString(depth * 2, QLatin1Char(' ')) +
                            (entry.isSeparator()
                                 ? QStringLiteral("-\r\n")
                                 : ItemKey + OneLine(EntryCaption(entry)) + QStringLiteral("\r\n"));
                }
                ++depth;
            },
            [&](const QAction&) { --depth; });
    }
    for (const QToolBar* bar : {m_widgets.FileToolBar, m_widgets.CommandsToolBar}) {
        text += QStringLiteral("[") + bar->objectName() + QStringLiteral("]\r\n");
        text += QStringLiteral("Caption=") + OneLine(bar->windowTitle()) + QStringLiteral("\r\n");
        text += QStringLiteral("Visible=%1\r\n").arg(bar->isVisibleTo(&m_window) ? 1 : 0);
        text += QStringLiteral("Position=%1,%2\r\n").arg(bar->x()).arg(bar->y());
        for (const QAction* a : bar->actions()) {
            text += a->isSeparator() ? QStringLiteral("-\r\n")
                                     : ItemKey + a->objectName() + QStringLiteral("\r\n");
        }
    }
    text += OptionsSection + QStringLiteral("\r\nShowTips=%1\r\nShortcutsInTips=%2\r\nLargeIcons=%3\r\n")
                                 .arg(options.ShowTips ? 1 : 0)
                                 .arg(options.ShortcutsInTips ? 1 : 0)
                                 .arg(options.LargeIcons ? 1 : 0);
    return text;
}

TCommandBarLayout::TLoaded TCommandBarLayout::Load() {
    TLoaded loaded;
    const std::filesystem::path file = ToPath(m_path);
    std::error_code error;
    if (std::filesystem::symlink_status(file, error).type() == std::filesystem::file_type::not_found) {
        return loaded;
    }
    const std::optional<std::string> bytes = ReadWholeFile(file, LayoutFileCeiling);
    const std::optional<TCommandBarLayoutUnits> units =
        bytes ? ParseCommandBarLayout(QByteArray::fromStdString(*bytes)) : std::nullopt;
    if (!units) {
        // The built-in layout stays; what the file held is kept for the author, never overwritten.
        const std::optional<std::filesystem::path> backup = KeepAsBackup(file);
        loaded.SetAsideTo = backup ? mainunit_internal::Text(PathText(*backup)) : QString();
        loaded.SetAsideFailed = !backup;
        return loaded;
    }
    for (const TCommandBarLayoutUnit& unit : *units) {
        if (IsMenu(unit)) {
            ApplyMenu(unit);
        } else if (unit.Key == OptionsSection) {
            loaded.Options = OptionsOf(unit);
        } else {
            ApplyToolBar(unit);
        }
    }
    return loaded;
}

void TCommandBarLayout::ApplyMenu(const TCommandBarLayoutUnit& unit) {
    const QString title = unit.Key.mid(MenuKey.size());
    const QList<QAction*> titles = m_window.menuBar()->actions();
    const auto found = std::find_if(titles.begin(), titles.end(),
                                    [&](const QAction* a) { return a->menu() && a->text() == title; });
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
    for (const QString& line : unit.Lines) {
        if (!IsMenuEntry(line)) {
            continue;
        }
        const QString entry = line.mid(2);
        if (entry == QLatin1String("-")) {
            menu->addSeparator();
        } else if (QAction* action = named(entry.mid(ItemKey.size()));
                   action && !menu->actions().contains(action)) {
            menu->addAction(action);
        }
    }
    AddMissing(menu, builtIn);
}

void TCommandBarLayout::ApplyToolBar(const TCommandBarLayoutUnit& unit) {
    QToolBar* bar = unit.Key == FileToolBarSection       ? m_widgets.FileToolBar
                    : unit.Key == CommandsToolBarSection ? m_widgets.CommandsToolBar
                                                         : nullptr;
    if (!bar) {
        return;
    }
    const QList<QAction*> builtIn = TakeEntries(bar);
    for (const QString& line : unit.Lines) {
        if (line == QLatin1String("-")) {
            bar->addSeparator();
            continue;
        }
        if (!line.startsWith(ItemKey)) {
            continue;
        }
        const QString name = line.mid(ItemKey.size());
        const auto command = std::find_if(m_widgets.Actions.begin(), m_widgets.Actions.end(),
                                          [&](const QAction* a) { return a->objectName() == name; });
        if (command != m_widgets.Actions.end() && !bar->actions().contains(*command)) {
            bar->addAction(*command);
        }
    }
    AddMissing(bar, builtIn);
}

void TCommandBarLayout::KeepBase(const TCommandBarOptions& options) {
    m_base = ParseCommandBarLayout(LayoutText(options).toUtf8()).value_or(TCommandBarLayoutUnits{});
}

bool TCommandBarLayout::Save(const TCommandBarOptions& options) {
    const QByteArray ownBytes = LayoutText(options).toUtf8();
    const std::optional<TCommandBarLayoutUnits> mine = ParseCommandBarLayout(ownBytes);
    const std::filesystem::path file = ToPath(m_path);
    const TWriteStatus status =
        WriteSharedFile(file, LayoutFileCeiling, [&](const std::optional<std::string>& current) {
            const std::optional<TCommandBarLayoutUnits> disk =
                current ? ParseCommandBarLayout(QByteArray::fromStdString(*current)) : std::nullopt;
            std::error_code error;
            if (!disk && std::filesystem::symlink_status(file, error).type() !=
                             std::filesystem::file_type::not_found) {
                // Another window's file that does not read: kept aside, as at start-up.
                KeepAsBackup(file);
            }
            if (!mine || !disk) {
                return ownBytes.toStdString();
            }
            return CommandBarLayoutBytes(MergeCommandBarLayouts(m_base, *mine, *disk)).toStdString();
        });
    if (status == TWriteStatus::Written) {
        // What this window wrote is what its next changes count from.
        m_base = mine.value_or(TCommandBarLayoutUnits{});
        return true;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Korvane Tarvex"),
                    QStringLiteral("Unable to save settings"), QMessageBox::Ok,
                    m_window.isVisible() ? &m_window : nullptr);
    box.exec();
    return false;
}

} // namespace tarvex
