#include "ScriptWarningsUnit.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace tarvex {

TScriptWarningsForm::TScriptWarningsForm(QWidget* parent) : QDialog(parent), m_list(new QListWidget) {
    setObjectName(QStringLiteral("ScriptWarningsForm"));
    setWindowTitle(QStringLiteral("Menu script warnings"));
    setModal(false);
    m_list->setObjectName(QStringLiteral("ScriptWarningsList"));
    m_list->setWordWrap(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* note = new QLabel(QStringLiteral("The last menu script was written with these changes:"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(520, 240);
}

void TScriptWarningsForm::SetWarnings(const QStringList& warnings) {
    m_list->clear();
    m_list->addItems(warnings);
}

} // namespace tarvex
