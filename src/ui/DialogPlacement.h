#pragma once
// Places a secondary window centred over the window that owns it.

#include <QWidget>

namespace tarvex {

inline void CentreOverParent(QWidget* dialog) {
    const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible()) {
        return;
    }
    const QRect area = owner->frameGeometry();
    dialog->move(area.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
}

} // namespace tarvex
