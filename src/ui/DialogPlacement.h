#pragma once
// The secondary windows' shared frame: fixed size with system menu and minimise button, centred
// over the window that owns them.

#include <QDialog>
#include <QObject>
#include <QPointer>
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

// Centres `dialog` over the window that owns it, whole on that window's screen.
void CentreOverParent(QWidget* dialog);

// Every dialog of `window` (message boxes, prompts, file and colour dialogs, the forms) opens
// centred over it, and a modal one stays centred while the window moves or changes size under it: at
// the first start the window manager maximises the window only after the first dialog is shown.
class TDialogCentring final : public QObject {
public:
    // Watches the whole application for dialogs; `window` outlives this object.
    explicit TDialogCentring(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OwnedByWindow(const QWidget* dialog) const;

    QWidget& m_window;
};

} // namespace tarvex
