#include "MessageBoxButtons.h"

#include <QCoreApplication>

namespace tarvex {

TBoxButtons AddBoxButtons(QMessageBox& box, TMsgButtons buttons) {
    TBoxButtons added;
    QPushButton* cancel = nullptr;
    QPushButton* byDefault = nullptr;
    // The captions below are marked for translation where they stand and translated here.
    const auto add = [&box](const char* text, QMessageBox::ButtonRole role) {
        return box.addButton(QCoreApplication::translate("MessageBoxButtons", text), role);
    };
    // Every button has an access key, so a question is answered with Alt and one letter.
    switch (buttons) {
    case TMsgButtons::Ok:
        added.Ok = cancel = byDefault =
            add(QT_TRANSLATE_NOOP("MessageBoxButtons", "&OK"), QMessageBox::AcceptRole);
        break;
    case TMsgButtons::OkCancel:
    case TMsgButtons::OpenAnywayCancel:
        added.Ok =
            add(buttons == TMsgButtons::OkCancel ? QT_TRANSLATE_NOOP("MessageBoxButtons", "&OK")
                                                 : QT_TRANSLATE_NOOP("MessageBoxButtons", "Open &anyway"),
                QMessageBox::AcceptRole);
        cancel = add(QT_TRANSLATE_NOOP("MessageBoxButtons", "&Cancel"), QMessageBox::RejectRole);
        byDefault = buttons == TMsgButtons::OkCancel ? added.Ok : cancel;
        break;
    case TMsgButtons::YesNoCancel:
    case TMsgButtons::YesNo:
        added.Yes = byDefault = add(QT_TRANSLATE_NOOP("MessageBoxButtons", "&Yes"), QMessageBox::YesRole);
        added.No = add(QT_TRANSLATE_NOOP("MessageBoxButtons", "&No"), QMessageBox::NoRole);
        cancel = buttons == TMsgButtons::YesNo
                     ? added.No
                     : add(QT_TRANSLATE_NOOP("MessageBoxButtons", "&Cancel"), QMessageBox::RejectRole);
        break;
    case TMsgButtons::OverwriteSaveAsCancel:
        added.Yes = add(QT_TRANSLATE_NOOP("MessageBoxButtons", "&Overwrite"), QMessageBox::DestructiveRole);
        added.No = add(QT_TRANSLATE_NOOP("MessageBoxButtons", "&Save as\u2026"), QMessageBox::ActionRole);
        cancel = byDefault = add(QT_TRANSLATE_NOOP("MessageBoxButtons", "&Cancel"), QMessageBox::RejectRole);
        break;
    case TMsgButtons::RecoverDiscardLater:
        added.Yes = byDefault =
            add(QT_TRANSLATE_NOOP("MessageBoxButtons", "&Recover"), QMessageBox::AcceptRole);
        added.No = add(QT_TRANSLATE_NOOP("MessageBoxButtons", "&Discard"), QMessageBox::DestructiveRole);
        cancel = add(QT_TRANSLATE_NOOP("MessageBoxButtons", "&Later"), QMessageBox::RejectRole);
        break;
    }
    box.setEscapeButton(cancel);
    box.setDefaultButton(byDefault);
    return added;
}

} // namespace tarvex
