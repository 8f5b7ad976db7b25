#pragma once
// The window's settings between the window and the settings store: its place on the screens, its
// state, the panes' sizes, the toolbars and the preview's screen size.

#include "WindowSettings.h"

#include <QMargins>
#include <QObject>
#include <QRect>

#include <string>
#include <vector>

class QMainWindow;

namespace tarvex {

struct TMainWidgets;

class TWindowSettingsAdapter final : public QObject {
public:
    // Both outlive this object.
    TWindowSettingsAdapter(QMainWindow& window, TMainWidgets& widgets);

    // From and to the settings store of the person's account.
    void Load();
    void Save();
    void Apply(const TWindowSettings& settings);
    TWindowSettings Current() const;
    // The settings applied last.
    const TWindowSettings& Loaded() const { return m_loaded; }
    // The panes' sizes of the settings applied last, again: a splitter knows its real size only
    // once the window is shown.
    void RestorePaneSizes();
    // Publish's choices of output travel with the window's settings, though the editor keeps
    // them: the choice for a design without a file, and the project files published as the
    // module (kept apart from the window's own values, one path each).
    bool PublishModule() const { return m_loaded.PublishOutput == 1; }
    void SetPublishModule(bool module) { m_loaded.PublishOutput = module ? 1 : 0; }
    static std::vector<std::string> LoadModuleProjects();
    static void SaveModuleProjects(const std::vector<std::string>& files);

    // `bounds` (a client area) moved and, if need be, shrunk onto the available screen it overlaps
    // most, or the nearest one, with room for the window frame `frame` around it.
    static QRect FitOnScreens(const QRect& bounds, const QMargins& frame);

private:
    QMargins FrameMargins() const;
    void RequestStateWhenMapped(Qt::WindowState state, int triesLeft);
    void PlaceToolBars(const TWindowSettings& settings);

    QMainWindow& m_window;
    TMainWidgets& m_widgets;
    TWindowSettings m_loaded = TWindowSettings::Defaults();
    int m_stateRequest = 0;
    // No pane sizes were stored yet: the trees take half of their column, whatever its height.
    bool m_halfTrees = false;
};

} // namespace tarvex
