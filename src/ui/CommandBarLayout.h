#pragma once
// The command bars as the layout file keeps them: the window's menus and toolbars described for
// the file, and what the file held applied back to them. The file's own rules live in
// editor/CommandBarLayoutFile.

#include "CustomizeDialog.h"
#include "editor/CommandBarLayoutFile.h"

#include <QString>

class QMainWindow;

namespace tarvex {

struct TMainWidgets;

class TCommandBarLayout {
public:
    // `window` and `widgets` outlive this object; `path` is the layout file.
    TCommandBarLayout(QMainWindow& window, TMainWidgets& widgets, const QString& path);

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
    // Shows "Unable to save settings" and returns false when the file cannot be written.
    bool Save(const TCommandBarOptions& options);

private:
    TCommandBarLayoutUnits CurrentUnits(const TCommandBarOptions& options) const;
    void ApplyMenu(const TCommandBarLayoutUnit& unit);
    void ApplyToolBar(const TCommandBarLayoutUnit& unit);

    QMainWindow& m_window;
    TMainWidgets& m_widgets;
    TCommandBarLayoutFile m_file;
};

} // namespace tarvex
