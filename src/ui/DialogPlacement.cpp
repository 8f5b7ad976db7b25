#include "DialogPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace tarvex {

void CentreOverParent(QWidget* dialog) {
    const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible()) {
        return;
    }
    // With its frame, once the window manager has put one around it.
    const QSize size = dialog->frameGeometry().size();
    QPoint topLeft = owner->frameGeometry().center() - QPoint(size.width() / 2, size.height() / 2);
    if (const QScreen* screen = owner->screen()) {
        const QRect available = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), available.left(),
                                std::max(available.left(), available.right() - size.width())));
        topLeft.setY(std::clamp(topLeft.y(), available.top(),
                                std::max(available.top(), available.bottom() - size.height())));
    }
    dialog->move(topLeft);
}

TDialogCentring::TDialogCentring(QWidget& window) : QObject(&window), m_window(window) {
    qApp->installEventFilter(this);
}

bool TDialogCentring::OwnedByWindow(const QWidget* dialog) const {
    for (const QWidget* up = dialog->parentWidget(); up; up = up->parentWidget()) {
        if (up == &m_window) {
            return true;
        }
    }
    return false;
}

bool TDialogCentring::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Show) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow() && OwnedByWindow(dialog)) {
            CentreOverParent(dialog);
            // Once more when the dialog has laid itself out: a message box sizes itself as it shows.
            QTimer::singleShot(0, dialog, [guarded = QPointer<QDialog>(dialog)] {
                if (guarded && guarded->isVisible()) {
                    CentreOverParent(guarded);
                }
            });
        }
    } else if (watched == &m_window && (type == QEvent::Resize || type == QEvent::Move)) {
        for (QDialog* dialog : m_window.findChildren<QDialog*>()) {
            if (dialog->isWindow() && dialog->isVisible() && dialog->windowModality() != Qt::NonModal) {
                CentreOverParent(dialog);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarvex
