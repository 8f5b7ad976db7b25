#pragma once
// The review before an import adds anything: the tree to be added, with check boxes to leave
// branches out, and for a page with several navigations the choice between them.

#include "import/ImportTree.h"

#include <QDialog>

#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarvex {

class TImportReviewForm : public QDialog {
    Q_OBJECT
public:
    explicit TImportReviewForm(QWidget* parent = nullptr);

    // Modal. On OK the chosen tree's Included flags follow the check boxes and its index is
    // returned; Cancel changes nothing and returns nothing.
    std::optional<int> Execute(const QString& caption, std::vector<TImportChoice>& choices);

    QComboBox* ChoiceBox() const { return m_choice; }
    QTreeWidget* Tree() const { return m_tree; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

private:
    void ShowChoice(int index);
    void UpdateSummary();

    QComboBox* m_choice;
    QTreeWidget* m_tree;
    QLabel* m_summary;
    QDialogButtonBox* m_buttons;
    std::vector<TImportChoice>* m_choices = nullptr;
    // Each item of the shown tree and the entry it stands for.
    std::vector<std::pair<QTreeWidgetItem*, TImportEntry*>> m_items;
};

} // namespace tarvex
