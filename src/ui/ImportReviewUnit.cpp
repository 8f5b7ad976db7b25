#include "ImportReviewUnit.h"

#include "DialogPlacement.h"
#include "RecordString.h"
#include "ShownText.h"
#include "WindowLanguage.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarvex {

TImportReviewForm::TImportReviewForm(QWidget* parent)
    : QDialog(parent), m_choice(new QComboBox(this)), m_tree(new QTreeWidget(this)),
      m_summary(new QLabel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("ImportReviewForm"));
    SetFixedDialogFrame(this, Qt::WindowMaximizeButtonHint);
    resize(520, 420);
    m_choice->setObjectName(QStringLiteral("NavigationComboBox"));
    m_choice->setAccessibleName(tr("Navigation to import"));
    m_tree->setObjectName(QStringLiteral("ImportTreeView"));
    m_tree->setColumnCount(2);
    m_tree->setHeaderLabels({tr("Caption"), tr("Address")});
    m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_tree->setAccessibleName(tr("Entries to import; clear a check box to leave a branch out"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_choice);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_summary);
    layout->addWidget(m_buttons);
    connect(m_choice, &QComboBox::currentIndexChanged, this, &TImportReviewForm::ShowChoice);
    connect(m_tree, &QTreeWidget::itemChanged, this, &TImportReviewForm::UpdateSummary);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<int> TImportReviewForm::Execute(const QString& caption, std::vector<TImportChoice>& choices) {
    setWindowTitle(caption);
    m_choices = &choices;
    {
        const QSignalBlocker blocker(m_choice);
        m_choice->clear();
        for (const TImportChoice& choice : choices) {
            m_choice->addItem(Shown(choice.Description));
        }
    }
    m_choice->setVisible(choices.size() > 1);
    ShowChoice(0);
    CentreOverParent(this);
    const bool accepted = exec() == QDialog::Accepted;
    std::optional<int> chosen;
    if (accepted && m_choice->currentIndex() >= 0) {
        // Checked and partly checked groups stay; a cleared box leaves its whole branch out.
        for (const auto& [item, entry] : m_items) {
            entry->Included = item->checkState(0) != Qt::Unchecked;
        }
        chosen = m_choice->currentIndex();
    }
    m_tree->clear();
    m_items.clear();
    m_choices = nullptr;
    return chosen;
}

void TImportReviewForm::ShowChoice(int index) {
    const QSignalBlocker blocker(m_tree);
    m_tree->clear();
    m_items.clear();
    if (!m_choices || index < 0 || static_cast<std::size_t>(index) >= m_choices->size()) {
        return;
    }
    TImportEntry& root = (*m_choices)[static_cast<std::size_t>(index)].Tree;
    std::vector<QTreeWidgetItem*> parents;
    WalkDepthFirst(
        &root, ImportChildAt<TImportEntry>,
        [&](TImportEntry& entry) {
            auto* item = parents.empty() ? new QTreeWidgetItem(m_tree) : new QTreeWidgetItem(parents.back());
            item->setText(0, Utf8ToQString(entry.Caption));
            item->setText(1, Utf8ToQString(entry.Address));
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
            item->setCheckState(0, entry.Included ? Qt::Checked : Qt::Unchecked);
            m_items.emplace_back(item, &entry);
            parents.push_back(item);
        },
        [&](TImportEntry&) { parents.pop_back(); });
    if (QTreeWidgetItem* top = m_tree->topLevelItem(0)) {
        top->setExpanded(true);
        m_tree->setCurrentItem(top);
    }
    UpdateSummary();
}

void TImportReviewForm::UpdateSummary() {
    int count = 0;
    for (const auto& [item, entry] : m_items) {
        count += item->checkState(0) != Qt::Unchecked ? 1 : 0;
    }
    m_summary->setText(tr("%1 of %2 entries will be added.")
                           .arg(ShownCount(count), ShownCount(static_cast<qint64>(m_items.size()))));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(count > 0);
}

} // namespace tarvex
