#pragma once
// The command bars' layout file: the menus with their entries, the two toolbars and the Customize
// options. Read back at start-up, so that what the author customised stays; written while the
// program ends, merged with what other windows of the same person wrote meanwhile.

#include "CustomizeDialog.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QMainWindow;

namespace tarvex {

struct TMainWidgets;

// What one window changes as a whole: a menu ("Menu=&File" and its entries), a toolbar
// ("[FileToolBar]" and its lines) or the options ("[Options]").
struct TCommandBarLayoutUnit {
    QString Key;
    QStringList Lines;
};
using TCommandBarLayoutUnits = std::vector<TCommandBarLayoutUnit>;

// Nothing when the bytes are no layout file of ours, or one cut short.
std::optional<TCommandBarLayoutUnits> ParseCommandBarLayout(const QByteArray& bytes);
QByteArray CommandBarLayoutBytes(const TCommandBarLayoutUnits& units);
// `disk` with this window's own changes since `base` taken from `mine`, unit by unit. What is not
// read back (toolbar positions, the recent files) travels with its unit.
TCommandBarLayoutUnits MergeCommandBarLayouts(const TCommandBarLayoutUnits& base,
                                              const TCommandBarLayoutUnits& mine,
                                              const TCommandBarLayoutUnits& disk);

class TCommandBarLayout {
public:
    // `window` and `widgets` outlive this object; `path` is the layout file.
    TCommandBarLayout(QMainWindow& window, TMainWidgets& widgets, QString path);

    struct TLoaded {
        TCommandBarOptions Options;
        // Where a damaged or foreign file was moved before the built-in layout was kept.
        QString SetAsideTo;
        bool SetAsideFailed = false;
    };
    // Applies the file's menus and toolbars to the bars and hands back its options.
    TLoaded Load();
    // The bars and `options` as they are now become what this window's own changes count from.
    void KeepBase(const TCommandBarOptions& options);

    QString LayoutText(const TCommandBarOptions& options) const;
    // Shows "Unable to save settings" and returns false when the file cannot be written.
    bool Save(const TCommandBarOptions& options);

private:
    void ApplyMenu(const TCommandBarLayoutUnit& unit);
    void ApplyToolBar(const TCommandBarLayoutUnit& unit);

    QMainWindow& m_window;
    TMainWidgets& m_widgets;
    QString m_path;
    TCommandBarLayoutUnits m_base;
};

} // namespace tarvex
