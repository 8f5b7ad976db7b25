#include "ScriptWarningsUnit.h"

#include "RecordString.h"
#include "ShownText.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace tarvex {

TScriptWarningsForm::TScriptWarningsForm(QWidget* parent) : QDialog(parent), m_list(new QListWidget) {
    setObjectName(QStringLiteral("ScriptWarningsForm"));
    setWindowTitle(tr("Checks"));
    setModal(false);
    m_list->setObjectName(QStringLiteral("ScriptWarningsList"));
    m_list->setWordWrap(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* note = new QLabel(tr("What visitors of the published menu would meet. Double-click one to "
                               "go to it:"));
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit FindingActivated(m_list->row(item)); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(620, 280);
}

void TScriptWarningsForm::SetFindings(const std::vector<TCheckFinding>& findings) {
    m_list->clear();
    const QIcon error = QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const TCheckFinding& finding : findings) {
        auto* item = new QListWidgetItem(
            finding.Level == TCheckLevel::Error ? error : warning,
            ShownText(QStringToUtf8(tr("%1: %2").arg(Shown(finding.Place.Text), Shown(finding.Text)))),
            m_list);
        item->setToolTip(finding.Level == TCheckLevel::Error ? tr("error") : tr("warning"));
    }
}

} // namespace tarvex
