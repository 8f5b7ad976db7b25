#pragma once
// The Checks list: what the published menu's visitors would meet, opened from the status bar and
// left open while the author works on; a finding double-clicked leads to its node or style.

#include "checks/DesignChecks.h"

#include <QDialog>

#include <vector>

class QListWidget;

namespace tarvex {

class TScriptWarningsForm : public QDialog {
    Q_OBJECT
public:
    explicit TScriptWarningsForm(QWidget* parent);

    void SetFindings(const std::vector<TCheckFinding>& findings);
    QListWidget* WarningsList() const { return m_list; }

signals:
    // The author chose the finding in this row (a double click, or Enter).
    void FindingActivated(int row);

private:
    QListWidget* m_list;
};

} // namespace tarvex
