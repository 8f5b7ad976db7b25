#include "FindField.h"

#include <QKeyEvent>

namespace tarvex {

TFindField::TFindField(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("FindField"));
    setPlaceholderText(tr("Find captions, addresses or style names"));
    setClearButtonEnabled(true);
    setAccessibleName(tr("Find"));
    hide();
}

void TFindField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit Closed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace tarvex
