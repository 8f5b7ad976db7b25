#pragma once
// The command bars' layout file (Tarvex.dat): the menus with their entries, the two toolbars and
// the Customize options, one line each. Read back at start-up, so that what the author customised
// stays; written while the program ends, merged with what other windows of the same person wrote
// meanwhile. The window only describes its bars in these terms and applies what was read.

#include "base/FileIo.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

// The Customize dialog's options.
struct TCommandBarOptions {
    bool ShowTips = true;
    bool ShortcutsInTips = false;
    bool LargeIcons = false;

    friend bool operator==(const TCommandBarOptions&, const TCommandBarOptions&) = default;
};

// What one window changes as a whole: a menu ("Menu=&File" and its entries), a toolbar
// ("[FileToolBar]" and its lines) or the options ("[Options]"). Lines holds the key line too.
struct TCommandBarLayoutUnit {
    std::string Key;
    std::vector<std::string> Lines;

    friend bool operator==(const TCommandBarLayoutUnit&, const TCommandBarLayoutUnit&) = default;
};
using TCommandBarLayoutUnits = std::vector<TCommandBarLayoutUnit>;

// Nothing when the bytes are no layout file of ours, or one cut short.
std::optional<TCommandBarLayoutUnits> ParseCommandBarLayout(std::string_view bytes);
std::string CommandBarLayoutBytes(const TCommandBarLayoutUnits& units);
// `disk` with this window's own changes since `base` taken from `mine`, unit by unit. What is not
// read back (toolbar positions, the recent files) travels with its unit.
TCommandBarLayoutUnits MergeCommandBarLayouts(const TCommandBarLayoutUnits& base,
                                              const TCommandBarLayoutUnits& mine,
                                              const TCommandBarLayoutUnits& disk);

// An entry of a menu as the window shows it: Depth 1 for the menu's own entries, one more for
// each submenu level (the recent files); a separator has no caption.
struct TMenuLayoutEntry {
    int Depth = 1;
    bool Separator = false;
    std::string Caption;
};
// One toolbar as the window shows it; an item is a command's name, nothing for a separator.
struct TToolBarLayout {
    std::string Name;
    std::string Caption;
    bool Visible = true;
    int X = 0;
    int Y = 0;
    std::vector<std::optional<std::string>> Items;
};
TCommandBarLayoutUnit MenuLayoutUnit(std::string_view title, const std::vector<TMenuLayoutEntry>& entries);
TCommandBarLayoutUnit ToolBarLayoutUnit(const TToolBarLayout& bar);
TCommandBarLayoutUnit OptionsLayoutUnit(const TCommandBarOptions& options);

// What a unit read back says. A menu's title is empty for a unit that is no menu; a toolbar's name
// ("FileToolBar") empty for one that is no toolbar.
std::string MenuTitleOf(const TCommandBarLayoutUnit& unit);
std::string ToolBarNameOf(const TCommandBarLayoutUnit& unit);
bool IsOptionsUnit(const TCommandBarLayoutUnit& unit);
// A menu's own entries (their captions) or a toolbar's items (command names); nothing for a
// separator.
std::vector<std::optional<std::string>> EntriesOf(const TCommandBarLayoutUnit& unit);
TCommandBarOptions OptionsOf(const TCommandBarLayoutUnit& unit);

class TCommandBarLayoutFile {
public:
    explicit TCommandBarLayoutFile(std::filesystem::path file);

    struct TRead {
        // Nothing when there is no file, or none that reads.
        std::optional<TCommandBarLayoutUnits> Units;
        // Where a damaged or foreign file was moved, so the author keeps it; empty when it stayed.
        std::optional<std::filesystem::path> SetAsideTo;
        bool SetAsideFailed = false;
    };
    TRead Read() const;
    // The bars as they are now become what this window's own changes count from.
    void KeepBase(const TCommandBarLayoutUnits& current);
    // Writes `current` merged with what other windows wrote since the base; what is written
    // becomes the new base.
    TWriteStatus Write(const TCommandBarLayoutUnits& current);

private:
    std::filesystem::path m_file;
    TCommandBarLayoutUnits m_base;
};

} // namespace tarvex
