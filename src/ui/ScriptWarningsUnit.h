#pragma once
// The list of the menu script's warnings, opened from the status bar and left open while the
// author works on.

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace tarvex {

class TScriptWarningsForm : public QDialog {
    Q_OBJECT
public:
    explicit TScriptWarningsForm(QWidget* parent);

    void SetWarnings(const QStringList& warnings);
    QListWidget* WarningsList() const { return m_list; }

private:
    QListWidget* m_list;
};

} // namespace tarvex
