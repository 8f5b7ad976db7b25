// The main window's settings: placement on the screens, panes, toolbars and their layout.

#include "MainUnit.h"

#include "AboutUnit.h"
#include "CustomizeDialog.h"
#include "DialogPlacement.h"
#include "EditorTreeView.h"
#include "FoldersScanResultUnit.h"
#include "MainUnitInternal.h"
#include "PreviewStage.h"
#include "PreviewWebPage.h"
#include "PropertyGrid.h"
#include "RecordString.h"
#include "ScriptWarningsUnit.h"
#include "StyleTemplateUnit.h"
#include "TarvexIcons.h"
#include "TreeModel.h"
#include "ValueEditorRows.h"
#include "base/DepthFirstWalk.h"
#include "base/FileIo.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <limits>

namespace tarvex {

using namespace mainunit_internal;

// ---- window settings ----

void TTarvexForm::LoadWindowSettings() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QLatin1String(TWindowSettingsStore::Organisation),
                       QLatin1String(TWindowSettingsStore::Application));
    ApplyWindowSettings(TWindowSettingsStore::Read(settings));
}

void TTarvexForm::SaveWindowSettings() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QLatin1String(TWindowSettingsStore::Organisation),
                       QLatin1String(TWindowSettingsStore::Application));
    const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    TWindowSettingsStore::Write(settings, CurrentWindowSettings(), normal);
}

QRect TTarvexForm::FitOnScreens(const QRect& bounds, const QMargins& frame) {
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

QMargins TTarvexForm::FrameMargins() const {
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const QMargins known(client.left() - frame.left(), client.top() - frame.top(),
                         frame.right() - client.right(), frame.bottom() - client.bottom());
    // Before the window manager has framed the window, room for a usual title bar and border.
    return known.isNull() ? QMargins(4, 30, 4, 4) : known;
}

void TTarvexForm::ApplyWindowSettings(const TWindowSettings& settings) {
    m_loadedSettings = settings;
    setWindowState(Qt::WindowNoState);
    // The bounds are the client area's: what the window manager adds around it is not ours to
    // store, so a restored window sits exactly where it was left.
    const QRect stored(settings.Left, settings.Top, std::max(settings.Width, 100),
                       std::max(settings.Heigth, 100));
    setGeometry(FitOnScreens(stored, FrameMargins()));
    PlaceToolBars(settings);
    SetFirstPaneSize(m_objectsSplitter, settings.ObjectsTree);
    SetFirstPaneSize(m_stylesSplitter, settings.MenuStyles);
    SetFirstPaneSize(m_mainSplitter, settings.LeftPanel);
    m_previewStage->SetScreen(settings.PreviewScreen);
    // Last, so that leaving the maximised or minimised state returns to the bounds above.
    const Qt::WindowState state = settings.ValidWinState() == 1   ? Qt::WindowMinimized
                                  : settings.ValidWinState() == 2 ? Qt::WindowMaximized
                                                                  : Qt::WindowNoState;
    setWindowState(state);
    ++m_stateRequest;
    if (state != Qt::WindowNoState) {
        RequestStateWhenMapped(state, 100);
    }
}

void TTarvexForm::RequestStateWhenMapped(Qt::WindowState state, int triesLeft) {
    // Asked again once the window manager shows the window: the state set before the window was
    // mapped gives way to the stored bounds under some window managers.
    const int request = m_stateRequest;
    QTimer::singleShot(20, this, [this, state, triesLeft, request] {
        // Not when newer settings were applied since, nor when the person chose another state.
        if (request != m_stateRequest || !isVisible() ||
            (windowState() != state && windowState() != Qt::WindowNoState)) {
            return;
        }
        if (!windowHandle() || !windowHandle()->isExposed()) {
            if (triesLeft > 0) {
                RequestStateWhenMapped(state, triesLeft - 1);
            }
            return;
        }
        setWindowState(Qt::WindowNoState);
        setWindowState(state);
    });
}

void TTarvexForm::PlaceToolBars(const TWindowSettings& settings) {
    struct TBar {
        QToolBar* Bar;
        int Left;
        int Top;
        bool Visible;
    };
    std::array<TBar, 2> bars = {{
        {m_fileToolBar, settings.FileToolBarLeft, settings.FileToolBarTop, settings.FileToolBarVisible != 0},
        {m_commandsToolBar, settings.CommandsToolBarLeft, settings.CommandsToolBarTop,
         settings.CommandsToolBarVisible != 0},
    }};
    auto row = [](int top) { return std::max(top, 0) / ToolBarRowHeight; };
    std::sort(bars.begin(), bars.end(), [&](const TBar& a, const TBar& b) {
        return row(a.Top) != row(b.Top) ? row(a.Top) < row(b.Top) : a.Left < b.Left;
    });
    for (const TBar& bar : bars) {
        removeToolBar(bar.Bar);
    }
    addToolBar(Qt::TopToolBarArea, bars[0].Bar);
    if (row(bars[0].Top) != row(bars[1].Top)) {
        addToolBarBreak(Qt::TopToolBarArea);
    }
    addToolBar(Qt::TopToolBarArea, bars[1].Bar);
    for (const TBar& bar : bars) {
        bar.Bar->setVisible(bar.Visible);
    }
}

TWindowSettings TTarvexForm::CurrentWindowSettings() const {
    TWindowSettings s = m_loadedSettings;
    // The normal (restored) client area, whatever state the window is in.
    const QRect bounds = isMaximized() || isMinimized() || isFullScreen() ? normalGeometry() : geometry();
    s.Width = bounds.width();
    s.Heigth = bounds.height();
    s.Left = bounds.x();
    s.Top = bounds.y();
    const int bandTop = menuBar()->isVisible() ? menuBar()->geometry().bottom() + 1 : 0;
    s.FileToolBarLeft = m_fileToolBar->x() + BandLeftOffset;
    s.FileToolBarTop = m_fileToolBar->y() - bandTop + BandTopOffset;
    s.FileToolBarVisible = m_fileToolBar->isVisibleTo(this) ? 1 : 0;
    s.CommandsToolBarLeft = m_commandsToolBar->x() + BandLeftOffset;
    s.CommandsToolBarTop = m_commandsToolBar->y() - bandTop + BandTopOffset;
    s.CommandsToolBarVisible = m_commandsToolBar->isVisibleTo(this) ? 1 : 0;
    s.ObjectsTree = FirstPaneSize(m_objectsSplitter, m_loadedSettings.ObjectsTree);
    s.MenuStyles = FirstPaneSize(m_stylesSplitter, m_loadedSettings.MenuStyles);
    s.LeftPanel = FirstPaneSize(m_mainSplitter, m_loadedSettings.LeftPanel);
    s.PreviewScreen = m_previewStage->Screen();
    const Qt::WindowStates state = windowState();
    s.WinState = state & Qt::WindowMinimized                            ? 1
                 : state & (Qt::WindowMaximized | Qt::WindowFullScreen) ? 2
                                                                        : 0;
    return s;
}

QString TTarvexForm::CommandBarLayoutText() const {
    // Our own format: one section per bar, one line per entry; never read back.
    QString text = QStringLiteral("[ActionMainMenuBar1]\r\n");
    // Each menu title, then its entries and their submenus' entries, indented by their depth.
    const auto entryAt = [](const QAction& entry, std::size_t i) -> const QAction* {
        const QMenu* menu = entry.menu();
        return menu && i < static_cast<std::size_t>(menu->actions().size())
                   ? menu->actions()[static_cast<int>(i)]
                   : nullptr;
    };
    for (const QAction* title : menuBar()->actions()) {
        int depth = 0;
        WalkDepthFirst(
            title, entryAt,
            [&](const QAction& entry) {
                if (depth == 0) {
                    text += QStringLiteral("Menu=") + entry.text() + QStringLiteral("\r\n");
                } else {
                    text += QString(depth * 2, QLatin1Char(' ')) +
                            (entry.isSeparator()
                                 ? QStringLiteral("-\r\n")
                                 : QStringLiteral("Item=") + entry.text() + QStringLiteral("\r\n"));
                }
                ++depth;
            },
            [&](const QAction&) { --depth; });
    }
    for (const QToolBar* bar : {m_fileToolBar, m_commandsToolBar}) {
        text += QStringLiteral("[") + bar->objectName() + QStringLiteral("]\r\n");
        text += QStringLiteral("Caption=") + bar->windowTitle() + QStringLiteral("\r\n");
        text += QStringLiteral("Visible=%1\r\n").arg(bar->isVisibleTo(this) ? 1 : 0);
        text += QStringLiteral("Position=%1,%2\r\n").arg(bar->x()).arg(bar->y());
        for (const QAction* a : bar->actions()) {
            text += a->isSeparator() ? QStringLiteral("-\r\n")
                                     : QStringLiteral("Item=") + a->objectName() + QStringLiteral("\r\n");
        }
    }
    return text;
}

bool TTarvexForm::SaveCommandBarLayout() {
    if (m_commandBarLayoutFile.isEmpty()) {
        m_commandBarLayoutFile = QDir(m_applicationFolder).filePath(QStringLiteral("Tarvex.dat"));
    }
    const QByteArray bytes = CommandBarLayoutText().toUtf8();
    if (WriteFileAtomically(ToPath(m_commandBarLayoutFile),
                            std::string_view(bytes.constData(), bytes.size())) == TWriteStatus::Written) {
        return true;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Korvane Tarvex"),
                    QStringLiteral("Unable to save settings"), QMessageBox::Ok, isVisible() ? this : nullptr);
    box.exec();
    return false;
}

} // namespace tarvex
