#pragma once
// The secondary windows' shared frame: fixed size with system menu and minimise button, centred
// over the window that owns them.

#include <QDialog>
#include <QString>
#include <QWidget>

namespace tarvex {

// The frame of a dialog that is not resized: title, system menu and close button, and no
// maximise button (which the window manager would offer unless told the buttons one by one).
inline void SetFixedDialogFrame(QWidget* dialog, Qt::WindowFlags extra = {}) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | extra);
}

inline void SetUpFixedDialog(QDialog* dialog, const QString& objectName, const QString& caption,
                             int clientWidth, int clientHeight) {
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(caption);
    SetFixedDialogFrame(dialog, Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint);
    dialog->setFixedSize(clientWidth, clientHeight);
}

inline void CentreOverParent(QWidget* dialog) {
    const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible()) {
        return;
    }
    const QRect area = owner->frameGeometry();
    dialog->move(area.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
}

} // namespace tarvex
