#include "FoldersScanResultUnit.h"

#include "DialogPlacement.h"

#include "import/FavoritesFolder.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

namespace tarvex {

namespace {

QString PlatformText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TFoldersScanResultForm::TFoldersScanResultForm(QWidget* parent) : QDialog(parent) {
    SetUpFixedDialog(this, QStringLiteral("FoldersScanResultForm"), tr("Select Favorities Folder"),
                     ClientWidth, ClientHeight);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 0, ClientWidth, 233);

    m_tree = new QTreeWidget(panel);
    m_tree->setObjectName(QStringLiteral("ResultListView"));
    m_tree->setGeometry(0, 0, ClientWidth, 233);
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setIconSize(QSize(16, 16));
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setGeometry(240, 240, 75, 25);
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Button2"));
    m_cancel->setGeometry(328, 240, 75, 25);
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFoldersScanResultForm::Fill(const TFavoriteEntry* root) {
    m_tree->clear();
    if (!root) {
        return;
    }
    m_tree->setUpdatesEnabled(false);
    auto* rootItem = new QTreeWidgetItem(m_tree, QStringList(PlatformText(root->Text)));
    rootItem->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(root)));
    AddChildren(rootItem, *root);
    rootItem->setExpanded(true);
    m_tree->setUpdatesEnabled(true);
}

void TFoldersScanResultForm::AddChildren(QTreeWidgetItem* parent, const TFavoriteEntry& entry) {
    static const QFileIconProvider icons;
    for (const TFavoriteEntry& child : entry.Children) {
        auto* item = new QTreeWidgetItem(parent, QStringList(PlatformText(child.Text)));
        item->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&child)));
        if (!child.Path.empty()) {
            item->setIcon(0, icons.icon(QFileInfo(PlatformText(child.Path))));
        } else if (child.Kind == TFavoriteEntry::TKind::Folder) {
            item->setIcon(0, icons.icon(QFileIconProvider::Folder));
        }
        AddChildren(item, child);
    }
}

bool TFoldersScanResultForm::Execute() {
    m_tree->setFocus();
    return exec() == QDialog::Accepted;
}

const TFavoriteEntry* TFoldersScanResultForm::SelectedEntry() const {
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    if (selected.isEmpty()) {
        return nullptr;
    }
    return reinterpret_cast<const TFavoriteEntry*>(selected.front()->data(0, Qt::UserRole).value<quintptr>());
}

void TFoldersScanResultForm::showEvent(QShowEvent* event) {
    CentreOverParent(this);
    QDialog::showEvent(event);
}

} // namespace tarvex
