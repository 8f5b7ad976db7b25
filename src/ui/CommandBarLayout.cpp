#include "CommandBarLayout.h"

#include "MainUnitInternal.h"
#include "MainWidgets.h"
#include "base/DepthFirstWalk.h"
#include "base/FileIo.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>

namespace tarvex {

using namespace mainunit_internal;

QString CommandBarLayoutText(const QMainWindow& window, const TMainWidgets& widgets) {
    // Our own format: one section per bar, one line per entry; never read back.
    QString text = QStringLiteral("[ActionMainMenuBar1]\r\n");
    // Each menu title, then its entries and their submenus' entries, indented by their depth.
    const auto entryAt = [](const QAction& entry, std::size_t i) -> const QAction* {
        const QMenu* menu = entry.menu();
        return menu && i < static_cast<std::size_t>(menu->actions().size())
                   ? menu->actions()[static_cast<int>(i)]
                   : nullptr;
    };
    for (const QAction* title : window.menuBar()->actions()) {
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
    for (const QToolBar* bar : {widgets.FileToolBar, widgets.CommandsToolBar}) {
        text += QStringLiteral("[") + bar->objectName() + QStringLiteral("]\r\n");
        text += QStringLiteral("Caption=") + bar->windowTitle() + QStringLiteral("\r\n");
        text += QStringLiteral("Visible=%1\r\n").arg(bar->isVisibleTo(&window) ? 1 : 0);
        text += QStringLiteral("Position=%1,%2\r\n").arg(bar->x()).arg(bar->y());
        for (const QAction* a : bar->actions()) {
            text += a->isSeparator() ? QStringLiteral("-\r\n")
                                     : QStringLiteral("Item=") + a->objectName() + QStringLiteral("\r\n");
        }
    }
    return text;
}

bool SaveCommandBarLayout(QMainWindow& window, const TMainWidgets& widgets, const QString& path) {
    const QByteArray bytes = CommandBarLayoutText(window, widgets).toUtf8();
    if (WriteFileAtomically(ToPath(path), std::string_view(bytes.constData(), bytes.size())) ==
        TWriteStatus::Written) {
        return true;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Korvane Tarvex"),
                    QStringLiteral("Unable to save settings"), QMessageBox::Ok,
                    window.isVisible() ? &window : nullptr);
    box.exec();
    return false;
}

} // namespace tarvex
