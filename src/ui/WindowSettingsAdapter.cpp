#include "WindowSettingsAdapter.h"

#include "MainUnitInternal.h"
#include "MainWidgets.h"
#include "PreviewStage.h"
#include "StyleTemplateUnit.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <algorithm>
#include <array>
#include <limits>

namespace tarvex {

using namespace mainunit_internal;

TWindowSettingsAdapter::TWindowSettingsAdapter(QMainWindow& window, TMainWidgets& widgets)
    : m_window(window), m_widgets(widgets) {}

void TWindowSettingsAdapter::Load() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QLatin1String(TWindowSettingsStore::Organisation),
                       QLatin1String(TWindowSettingsStore::Application));
    const bool firstStart =
        !settings.contains(QLatin1String(TWindowSettingsStore::Group) + QStringLiteral("/ObjectsTree"));
    Apply(TWindowSettingsStore::Read(settings));
    m_halfTrees = firstStart;
    RestorePaneSizes();
}

void TWindowSettingsAdapter::Save() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QLatin1String(TWindowSettingsStore::Organisation),
                       QLatin1String(TWindowSettingsStore::Application));
    const bool normal =
        !(m_window.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    TWindowSettingsStore::Write(settings, Current(), normal);
}

namespace {

constexpr const char* ModuleProjectsKey = "Publish/ModuleProjects";

} // namespace

std::vector<std::string> TWindowSettingsAdapter::LoadModuleProjects() {
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             QLatin1String(TWindowSettingsStore::Organisation),
                             QLatin1String(TWindowSettingsStore::Application));
    std::vector<std::string> files;
    for (const QString& file : settings.value(QLatin1String(ModuleProjectsKey)).toStringList()) {
        if (!file.isEmpty()) {
            files.push_back(file.toStdString());
        }
    }
    return files;
}

void TWindowSettingsAdapter::SaveModuleProjects(const std::vector<std::string>& files) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QLatin1String(TWindowSettingsStore::Organisation),
                       QLatin1String(TWindowSettingsStore::Application));
    QStringList list;
    for (const std::string& file : files) {
        list << QString::fromStdString(file);
    }
    if (list.isEmpty()) {
        settings.remove(QLatin1String(ModuleProjectsKey));
    } else {
        settings.setValue(QLatin1String(ModuleProjectsKey), list);
    }
}

QRect TWindowSettingsAdapter::FitOnScreens(const QRect& bounds, const QMargins& frame) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) {
        return bounds;
    }
    // The screen the window overlaps most, else the one nearest to it (a monitor that is gone).
    const QRect outer = bounds.marginsAdded(frame);
    QScreen* best = nullptr;
    long long bestOverlap = 0;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (QScreen* screen : screens) {
        const QRect area = screen->availableGeometry();
        const QRect overlap = area.intersected(outer);
        const long long size =
            overlap.isEmpty() ? 0 : static_cast<long long>(overlap.width()) * overlap.height();
        const QPoint d = area.center() - outer.center();
        const long long distance =
            static_cast<long long>(d.x()) * d.x() + static_cast<long long>(d.y()) * d.y();
        if (size > bestOverlap || (bestOverlap == 0 && size == 0 && distance < bestDistance)) {
            best = screen;
            bestOverlap = size;
            bestDistance = distance;
        }
    }
    const QRect area = best->availableGeometry().marginsRemoved(frame);
    QRect fitted = bounds;
    fitted.setWidth(std::min(bounds.width(), area.width()));
    fitted.setHeight(std::min(bounds.height(), area.height()));
    fitted.moveLeft(std::clamp(bounds.left(), area.left(), area.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(bounds.top(), area.top(), area.bottom() - fitted.height() + 1));
    return fitted;
}

QMargins TWindowSettingsAdapter::FrameMargins() const {
    const QRect frame = m_window.frameGeometry();
    const QRect client = m_window.geometry();
    const QMargins known(client.left() - frame.left(), client.top() - frame.top(),
                         frame.right() - client.right(), frame.bottom() - client.bottom());
    // Before the window manager has framed the window, room for a usual title bar and border.
    return known.isNull() ? QMargins(4, 30, 4, 4) : known;
}

void TWindowSettingsAdapter::Apply(const TWindowSettings& settings) {
    m_loaded = settings;
    m_halfTrees = false;
    m_window.setWindowState(Qt::WindowNoState);
    // The bounds are the client area's: what the window manager adds around it is not ours to
    // store, so a restored window sits exactly where it was left.
    const QRect stored(settings.Left, settings.Top, std::max(settings.Width, 100),
                       std::max(settings.Heigth, 100));
    m_window.setGeometry(FitOnScreens(stored, FrameMargins()));
    PlaceToolBars(settings);
    RestorePaneSizes();
    m_widgets.PreviewStage->SetScreen(settings.PreviewScreen);
    if (m_widgets.StyleTemplateForm) {
        m_widgets.StyleTemplateForm->SetShowAtStartup(settings.ShowStyleTemplate != 0);
    }
    // Last, so that leaving the maximised or minimised state returns to the bounds above.
    const Qt::WindowState state = settings.ValidWinState() == 1   ? Qt::WindowMinimized
                                  : settings.ValidWinState() == 2 ? Qt::WindowMaximized
                                                                  : Qt::WindowNoState;
    m_window.setWindowState(state);
    ++m_stateRequest;
    if (state != Qt::WindowNoState) {
        RequestStateWhenMapped(state, 100);
    }
}

void TWindowSettingsAdapter::RequestStateWhenMapped(Qt::WindowState state, int triesLeft) {
    // Asked again once the window manager shows the window: the state set before the window was
    // mapped gives way to the stored bounds under some window managers.
    const int request = m_stateRequest;
    QTimer::singleShot(20, this, [this, state, triesLeft, request] {
        // Not when newer settings were applied since, nor when the person chose another state.
        if (request != m_stateRequest || !m_window.isVisible() ||
            (m_window.windowState() != state && m_window.windowState() != Qt::WindowNoState)) {
            return;
        }
        if (!m_window.windowHandle() || !m_window.windowHandle()->isExposed()) {
            if (triesLeft > 0) {
                RequestStateWhenMapped(state, triesLeft - 1);
            }
            return;
        }
        m_window.setWindowState(Qt::WindowNoState);
        m_window.setWindowState(state);
    });
}

void TWindowSettingsAdapter::PlaceToolBars(const TWindowSettings& settings) {
    struct TBar {
        QToolBar* Bar;
        int Left;
        int Top;
        bool Visible;
    };
    std::array<TBar, 2> bars = {{
        {m_widgets.FileToolBar, settings.FileToolBarLeft, settings.FileToolBarTop,
         settings.FileToolBarVisible != 0},
        {m_widgets.CommandsToolBar, settings.CommandsToolBarLeft, settings.CommandsToolBarTop,
         settings.CommandsToolBarVisible != 0},
    }};
    auto row = [](int top) { return std::max(top, 0) / ToolBarRowHeight; };
    std::sort(bars.begin(), bars.end(), [&](const TBar& a, const TBar& b) {
        return row(a.Top) != row(b.Top) ? row(a.Top) < row(b.Top) : a.Left < b.Left;
    });
    for (const TBar& bar : bars) {
        m_window.removeToolBar(bar.Bar);
    }
    m_window.addToolBar(Qt::TopToolBarArea, bars[0].Bar);
    if (row(bars[0].Top) != row(bars[1].Top)) {
        m_window.addToolBarBreak(Qt::TopToolBarArea);
    }
    m_window.addToolBar(Qt::TopToolBarArea, bars[1].Bar);
    for (const TBar& bar : bars) {
        bar.Bar->setVisible(bar.Visible);
    }
}

TWindowSettings TWindowSettingsAdapter::Current() const {
    TWindowSettings s = m_loaded;
    // The normal (restored) client area, whatever state the window is in.
    const QRect bounds = m_window.isMaximized() || m_window.isMinimized() || m_window.isFullScreen()
                             ? m_window.normalGeometry()
                             : m_window.geometry();
    s.Width = bounds.width();
    s.Heigth = bounds.height();
    s.Left = bounds.x();
    s.Top = bounds.y();
    const QMenuBar* menuBar = m_window.menuBar();
    const int bandTop = menuBar->isVisible() ? menuBar->geometry().bottom() + 1 : 0;
    s.FileToolBarLeft = m_widgets.FileToolBar->x() + BandLeftOffset;
    s.FileToolBarTop = m_widgets.FileToolBar->y() - bandTop + BandTopOffset;
    s.FileToolBarVisible = m_widgets.FileToolBar->isVisibleTo(&m_window) ? 1 : 0;
    s.CommandsToolBarLeft = m_widgets.CommandsToolBar->x() + BandLeftOffset;
    s.CommandsToolBarTop = m_widgets.CommandsToolBar->y() - bandTop + BandTopOffset;
    s.CommandsToolBarVisible = m_widgets.CommandsToolBar->isVisibleTo(&m_window) ? 1 : 0;
    s.ObjectsTree = FirstPaneSize(m_widgets.ObjectsSplitter, m_loaded.ObjectsTree);
    s.MenuStyles = FirstPaneSize(m_widgets.StylesSplitter, m_loaded.MenuStyles);
    s.LeftPanel = FirstPaneSize(m_widgets.MainSplitter, m_loaded.LeftPanel);
    s.PreviewScreen = m_widgets.PreviewStage->Screen();
    if (m_widgets.StyleTemplateForm) {
        s.ShowStyleTemplate = m_widgets.StyleTemplateForm->ShowAtStartup() ? 1 : 0;
    }
    const Qt::WindowStates state = m_window.windowState();
    s.WinState = state & Qt::WindowMinimized                            ? 1
                 : state & (Qt::WindowMaximized | Qt::WindowFullScreen) ? 2
                                                                        : 0;
    return s;
}

void TWindowSettingsAdapter::RestorePaneSizes() {
    if (m_halfTrees) {
        // Equal stretch keeps the halves when the window manager maximises the window later.
        for (QSplitter* splitter : {m_widgets.ObjectsSplitter, m_widgets.StylesSplitter}) {
            const int half = (splitter->height() - splitter->handleWidth() + 1) / 2;
            SetFirstPaneSize(splitter, std::max(half, m_loaded.ObjectsTree));
        }
    } else {
        SetFirstPaneSize(m_widgets.ObjectsSplitter, m_loaded.ObjectsTree);
        SetFirstPaneSize(m_widgets.StylesSplitter, m_loaded.MenuStyles);
    }
    SetFirstPaneSize(m_widgets.MainSplitter, m_loaded.LeftPanel);
}

} // namespace tarvex
