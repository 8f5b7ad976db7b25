#include "MessageBoxButtons.h"

namespace tarvex {

TBoxButtons AddBoxButtons(QMessageBox& box, TMsgButtons buttons) {
    TBoxButtons added;
    QPushButton* cancel = nullptr;
    QPushButton* byDefault = nullptr;
    const auto add = [&box](const char* text, QMessageBox::ButtonRole role) {
        return box.addButton(QString::fromUtf8(text), role);
    };
    // Every button has an access key, so a question is answered with Alt and one letter.
    switch (buttons) {
    case TMsgButtons::Ok:
        added.Ok = cancel = byDefault = add("&OK", QMessageBox::AcceptRole);
        break;
    case TMsgButtons::OkCancel:
    case TMsgButtons::OpenAnywayCancel:
        added.Ok = add(buttons == TMsgButtons::OkCancel ? "&OK" : "Open &anyway", QMessageBox::AcceptRole);
        cancel = add("&Cancel", QMessageBox::RejectRole);
        byDefault = buttons == TMsgButtons::OkCancel ? added.Ok : cancel;
        break;
    case TMsgButtons::YesNoCancel:
    case TMsgButtons::YesNo:
        added.Yes = byDefault = add("&Yes", QMessageBox::YesRole);
        added.No = add("&No", QMessageBox::NoRole);
        cancel = buttons == TMsgButtons::YesNo ? added.No : add("&Cancel", QMessageBox::RejectRole);
        break;
    case TMsgButtons::OverwriteSaveAsCancel:
        added.Yes = add("&Overwrite", QMessageBox::DestructiveRole);
        added.No = add("&Save as\u2026", QMessageBox::ActionRole);
        cancel = byDefault = add("&Cancel", QMessageBox::RejectRole);
        break;
    case TMsgButtons::RecoverDiscardLater:
        added.Yes = byDefault = add("&Recover", QMessageBox::AcceptRole);
        added.No = add("&Discard", QMessageBox::DestructiveRole);
        cancel = add("&Later", QMessageBox::RejectRole);
        break;
    }
    box.setEscapeButton(cancel);
    box.setDefaultButton(byDefault);
    return added;
}

} // namespace tarvex
