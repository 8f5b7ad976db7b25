#pragma once
// The main window's settings (bounds, state, toolbar placement, tree and panel sizes) and their one table.

#include <QString>
#include <array>
#include <vector>

class QSettings;

namespace tarvex {

struct TWindowSettings {
    int Width = 0;
    int Heigth = 0;
    int Left = 0;
    int Top = 0;
    int FileToolBarLeft = 0;
    int FileToolBarTop = 0;
    int FileToolBarVisible = 0;
    int CommandsToolBarLeft = 0;
    int CommandsToolBarTop = 0;
    int CommandsToolBarVisible = 0;
    int ObjectsTree = 0;
    int MenuStyles = 0;
    int LeftPanel = 0;
    int PreviewScreen = 0;
    int ShowStyleTemplate = 0;
    // 1: Publish offers the module output, 0: the classic files.
    int PublishOutput = 0;
    int WinState = 0;

    // Every field at the default of the table.
    static TWindowSettings Defaults();
    // 0 normal, 1 minimised, 2 maximised; anything else is treated as normal.
    int ValidWinState() const { return WinState >= 0 && WinState <= 2 ? WinState : 0; }

    bool operator==(const TWindowSettings&) const = default;
};

struct TWindowSettingEntry {
    const char* Name;
    int Default;
    int TWindowSettings::*Field;
    // Bounds are written only while the window is in the normal state.
    bool NormalBounds;
};

// Both reading and writing walk this table, in its order; "WinState" is last so that it is
// applied after the bounds.
extern const std::array<TWindowSettingEntry, 17> WindowSettingTable;

// The settings' home: QSettings with organisation "Korvane", application "Tarvex", group "Option"
// (HKEY_CURRENT_USER\Software\Korvane\Tarvex\Option on Windows). Every value is a decimal string.
class TWindowSettingsStore {
public:
    static constexpr const char* Organisation = "Korvane";
    static constexpr const char* Application = "Tarvex";
    static constexpr const char* Group = "Option";

    // Absent values, values that are not a decimal integer and values stored as another type
    // all give the default.
    static TWindowSettings Read(QSettings& settings);
    // `normalState`: whether the window is neither maximised nor minimised.
    static void Write(QSettings& settings, const TWindowSettings& values, bool normalState);
    // The entries Write stores, in the order it stores them: the bounds (only in the normal state),
    // then "WinState", then the toolbars, trees and panel.
    static std::vector<const TWindowSettingEntry*> WriteOrder(bool normalState);

    // Strict decimal: optional "-", digits only, within 32 bits.
    static bool ParseDecimal(const QString& text, int& value);
};

} // namespace tarvex
