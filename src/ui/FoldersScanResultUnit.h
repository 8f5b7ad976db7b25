#pragma once
// The "Select Favorities Folder" dialog: the Favorites folder's folders and shortcuts as a tree to pick from.

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;

namespace tarvex {

struct TFavoriteEntry;

class TFoldersScanResultForm : public QDialog {
    Q_OBJECT
public:
    explicit TFoldersScanResultForm(QWidget* parent = nullptr);

    // Rebuilds the tree from a scan (nullptr: the Favorites folder was not found, the tree stays
    // empty). The entries must outlive the dialog's next Execute.
    void Fill(const TFavoriteEntry* root);
    // Modal; true when closed with OK. SelectedEntry() then tells which node was chosen, if any.
    bool Execute();
    const TFavoriteEntry* SelectedEntry() const;

    QTreeWidget* ResultListView() const { return m_tree; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    static constexpr int ClientWidth = 409;
    static constexpr int ClientHeight = 271;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AddChildren(QTreeWidgetItem* parent, const TFavoriteEntry& entry);

    QTreeWidget* m_tree;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace tarvex
