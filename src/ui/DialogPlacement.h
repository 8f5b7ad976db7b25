#pragma once
// The secondary windows' shared frame: fixed size with system menu and minimise button, centred
// over the window that owns them.

#include <QDialog>
#include <QString>
#include <QWidget>

namespace tarvex {

inline void SetUpFixedDialog(QDialog* dialog, const QString& objectName, const QString& caption,
                             int clientWidth, int clientHeight) {
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
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
