#include "CommandBarLayoutFile.h"

#include "base/RecordText.h"
#include "base/SharedFileWrite.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace tarvex {

namespace {

// A layout file is a few kilobytes; anything near this is no layout file of ours.
constexpr std::uint64_t LayoutFileCeiling = 1ull << 20;

constexpr std::string_view MenuBarSection = "[ActionMainMenuBar1]";
constexpr std::string_view FileToolBarSection = "[FileToolBar]";
constexpr std::string_view CommandsToolBarSection = "[CommandsToolBar]";
constexpr std::string_view OptionsSection = "[Options]";
constexpr std::string_view MenuKey = "Menu=";
constexpr std::string_view ItemKey = "Item=";
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

// One line per entry: a caption or a name with a line break in it must not split its line.
std::string SingleLine(std::string_view text) {
    std::string line(text);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

const TCommandBarLayoutUnit* Find(const TCommandBarLayoutUnits& units, std::string_view key) {
    const auto found = std::find_if(units.begin(), units.end(),
                                    [&](const TCommandBarLayoutUnit& u) { return u.Key == key; });
    return found == units.end() ? nullptr : &*found;
}

bool IsMenu(const TCommandBarLayoutUnit& unit) {
    return StartsWith(unit.Key, MenuKey);
}

int Depth(std::string_view line) {
    const std::size_t spaces = std::min(line.find_first_not_of(' '), line.size());
    return static_cast<int>(spaces / 2);
}

// A menu's own entries are one level in; deeper lines are a submenu's (the recent files).
bool IsMenuEntry(std::string_view line) {
    return StartsWith(line, "  ") && line.size() > 2 && line[2] != ' ';
}

// The part of a unit that is read back, and so the part whose change is this window's own.
std::vector<std::string> ReadBackLines(const TCommandBarLayoutUnit& unit) {
    if (unit.Key == OptionsSection) {
        return unit.Lines;
    }
    std::vector<std::string> lines;
    for (const std::string& line : unit.Lines) {
        if (IsMenu(unit) ? IsMenuEntry(line) : line == "-" || StartsWith(line, ItemKey)) {
            lines.push_back(line);
        }
    }
    return lines;
}

// An optional minus and one to nine digits.
bool IsSmallInteger(std::string_view text) {
    if (StartsWith(text, "-")) {
        text.remove_prefix(1);
    }
    return !text.empty() && text.size() <= 9 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsSwitch(std::string_view line, std::string_view name) {
    return line.size() == name.size() + 2 && StartsWith(line, name) && line[name.size()] == '=' &&
           (line.back() == '0' || line.back() == '1');
}

bool IsToolBarLine(std::string_view line) {
    if (line == "-" || StartsWith(line, "Caption=")) {
        return true;
    }
    if (StartsWith(line, ItemKey)) {
        return line.size() > ItemKey.size();
    }
    if (StartsWith(line, "Position=")) {
        const std::string_view xy = line.substr(9);
        const std::size_t comma = xy.find(',');
        return comma != std::string_view::npos && IsSmallInteger(xy.substr(0, comma)) &&
               IsSmallInteger(xy.substr(comma + 1));
    }
    return IsSwitch(line, "Visible");
}

// Whether `line` may follow what `unit` holds so far.
bool Fits(const TCommandBarLayoutUnit& unit, std::string_view line) {
    if (IsMenu(unit)) {
        const int depth = Depth(line);
        const std::string_view entry = line.substr(static_cast<std::size_t>(depth) * 2);
        return depth > 0 && (entry == "-" || StartsWith(entry, ItemKey)) &&
               depth <= Depth(unit.Lines.back()) + 1;
    }
    if (unit.Key == OptionsSection) {
        return IsSwitch(line, "ShowTips") || IsSwitch(line, "ShortcutsInTips") ||
               IsSwitch(line, "LargeIcons");
    }
    return IsToolBarLine(line);
}

// The file's lines without their ends; nothing when it is not whole UTF-8 text ending in a line end.
std::optional<std::vector<std::string>> TextLines(std::string_view bytes) {
    if (StartsWith(bytes, Utf8Bom)) {
        bytes.remove_prefix(Utf8Bom.size());
    }
    if (!IsValidUtf8(bytes) || bytes.find('\0') != std::string_view::npos || !bytes.ends_with('\n')) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end = bytes.find('\n'); end != std::string_view::npos; end = bytes.find('\n', from)) {
        std::string_view line = bytes.substr(from, end - from);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        from = end + 1;
    }
    return lines;
}

bool IsKnownSection(std::string_view line) {
    return line == FileToolBarSection || line == CommandsToolBarSection || line == OptionsSection;
}

} // namespace

std::optional<TCommandBarLayoutUnits> ParseCommandBarLayout(std::string_view bytes) {
    const std::optional<std::vector<std::string>> lines = TextLines(bytes);
    if (!lines || lines->empty() || lines->front() != MenuBarSection) {
        return std::nullopt;
    }
    TCommandBarLayoutUnits units;
    for (std::size_t i = 1; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        const bool section = StartsWith(line, "[");
        if (section || StartsWith(line, MenuKey)) {
            // The menus come before the other sections.
            const bool known = section ? IsKnownSection(line) : units.empty() || IsMenu(units.back());
            if (!known || Find(units, line)) {
                return std::nullopt;
            }
            units.push_back({line, {line}});
        } else if (units.empty() || !Fits(units.back(), line)) {
            return std::nullopt;
        } else {
            units.back().Lines.push_back(line);
        }
    }
    if (!Find(units, FileToolBarSection) || !Find(units, CommandsToolBarSection)) {
        return std::nullopt;
    }
    return units;
}

std::string CommandBarLayoutBytes(const TCommandBarLayoutUnits& units) {
    std::string text = std::string(MenuBarSection) + "\r\n";
    for (const TCommandBarLayoutUnit& unit : units) {
        for (const std::string& line : unit.Lines) {
            text += line + "\r\n";
        }
    }
    return text;
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

TCommandBarLayoutUnit MenuLayoutUnit(std::string_view title, const std::vector<TMenuLayoutEntry>& entries) {
    TCommandBarLayoutUnit unit;
    unit.Key = std::string(MenuKey) + SingleLine(title);
    unit.Lines.push_back(unit.Key);
    for (const TMenuLayoutEntry& entry : entries) {
        unit.Lines.push_back(
            std::string(static_cast<std::size_t>(std::max(entry.Depth, 1)) * 2, ' ') +
            (entry.Separator ? std::string("-") : std::string(ItemKey) + SingleLine(entry.Caption)));
    }
    return unit;
}

TCommandBarLayoutUnit ToolBarLayoutUnit(const TToolBarLayout& bar) {
    TCommandBarLayoutUnit unit;
    unit.Key = "[" + SingleLine(bar.Name) + "]";
    unit.Lines = {unit.Key, "Caption=" + SingleLine(bar.Caption), bar.Visible ? "Visible=1" : "Visible=0",
                  "Position=" + std::to_string(bar.X) + "," + std::to_string(bar.Y)};
    for (const std::optional<std::string>& item : bar.Items) {
        unit.Lines.push_back(item ? std::string(ItemKey) + SingleLine(*item) : std::string("-"));
    }
    return unit;
}

TCommandBarLayoutUnit OptionsLayoutUnit(const TCommandBarOptions& options) {
    const auto bit = [](bool on) { return on ? "1" : "0"; };
    return {std::string(OptionsSection),
            {std::string(OptionsSection), std::string("ShowTips=") + bit(options.ShowTips),
             std::string("ShortcutsInTips=") + bit(options.ShortcutsInTips),
             std::string("LargeIcons=") + bit(options.LargeIcons)}};
}

std::string MenuTitleOf(const TCommandBarLayoutUnit& unit) {
    return IsMenu(unit) ? unit.Key.substr(MenuKey.size()) : std::string();
}

std::string ToolBarNameOf(const TCommandBarLayoutUnit& unit) {
    const bool toolBar = unit.Key == FileToolBarSection || unit.Key == CommandsToolBarSection;
    return toolBar ? unit.Key.substr(1, unit.Key.size() - 2) : std::string();
}

bool IsOptionsUnit(const TCommandBarLayoutUnit& unit) {
    return unit.Key == OptionsSection;
}

std::vector<std::optional<std::string>> EntriesOf(const TCommandBarLayoutUnit& unit) {
    std::vector<std::optional<std::string>> entries;
    for (const std::string& line : ReadBackLines(unit)) {
        const std::string_view entry =
            IsMenu(unit) ? std::string_view(line).substr(2) : std::string_view(line);
        if (entry == "-") {
            entries.push_back(std::nullopt);
        } else if (StartsWith(entry, ItemKey)) {
            entries.push_back(std::string(entry.substr(ItemKey.size())));
        }
    }
    return entries;
}

TCommandBarOptions OptionsOf(const TCommandBarLayoutUnit& unit) {
    TCommandBarOptions options;
    for (const std::string& line : unit.Lines) {
        const bool on = line.ends_with("=1");
        if (StartsWith(line, "ShowTips=")) {
            options.ShowTips = on;
        } else if (StartsWith(line, "ShortcutsInTips=")) {
            options.ShortcutsInTips = on;
        } else if (StartsWith(line, "LargeIcons=")) {
            options.LargeIcons = on;
        }
    }
    return options;
}

TCommandBarLayoutFile::TCommandBarLayoutFile(std::filesystem::path file) : m_file(std::move(file)) {}

TCommandBarLayoutFile::TRead TCommandBarLayoutFile::Read() const {
    TRead read;
    std::error_code error;
    if (std::filesystem::symlink_status(m_file, error).type() == std::filesystem::file_type::not_found) {
        return read;
    }
    const std::optional<std::string> bytes = ReadWholeFile(m_file, LayoutFileCeiling);
    read.Units = bytes ? ParseCommandBarLayout(*bytes) : std::nullopt;
    if (!read.Units) {
        // The built-in layout stays; what the file held is kept for the author, never overwritten.
        read.SetAsideTo = KeepAsBackup(m_file);
        read.SetAsideFailed = !read.SetAsideTo;
    }
    return read;
}

void TCommandBarLayoutFile::KeepBase(const TCommandBarLayoutUnits& current) {
    m_base = ParseCommandBarLayout(CommandBarLayoutBytes(current)).value_or(TCommandBarLayoutUnits{});
}

TWriteStatus TCommandBarLayoutFile::Write(const TCommandBarLayoutUnits& current) {
    const std::string ownBytes = CommandBarLayoutBytes(current);
    const std::optional<TCommandBarLayoutUnits> mine = ParseCommandBarLayout(ownBytes);
    const TWriteStatus status =
        WriteSharedFile(m_file, LayoutFileCeiling, [&](const std::optional<std::string>& now) {
            const std::optional<TCommandBarLayoutUnits> disk =
                now ? ParseCommandBarLayout(*now) : std::nullopt;
            std::error_code error;
            if (!disk && std::filesystem::symlink_status(m_file, error).type() !=
                             std::filesystem::file_type::not_found) {
                // Another window's file that does not read: kept aside, as at start-up.
                KeepAsBackup(m_file);
            }
            if (!mine || !disk) {
                return ownBytes;
            }
            return CommandBarLayoutBytes(MergeCommandBarLayouts(m_base, *mine, *disk));
        });
    if (status == TWriteStatus::Written) {
        // What this window wrote is what its next changes count from.
        m_base = mine.value_or(TCommandBarLayoutUnits{});
    }
    return status;
}

} // namespace tarvex
