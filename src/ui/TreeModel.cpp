#include "TreeModel.h"

#include "RecordString.h"
#include "TarvexIcons.h"
#include "model/Project.h"

#include <QCoreApplication>
#include <QFont>
#include <QMimeData>

namespace tarvex {

const char* const TTreeModel::DragMimeType = "application/x-tarvex-tree-node";

TTreeModel::TTreeModel(TTree& tree, bool dragEnabled, QObject* parent)
    : QAbstractItemModel(parent), m_tree(tree), m_dragEnabled(dragEnabled) {
    for (TNodeKind kind :
         {TNodeKind::MenuGroup, TNodeKind::MenuItem, TNodeKind::MenuOptions, TNodeKind::Style}) {
        m_icons[static_cast<std::size_t>(kind)] =
            TTarvexIcons::NodeIcon(NodeImageIndex(kind), NodeSelectedIndex(kind));
    }
    m_tree.AddObserver(this);
}

TTreeModel::~TTreeModel() {
    m_tree.RemoveObserver(this);
}

TTreeNode* TTreeModel::NodeOf(const QModelIndex& index) {
    return index.isValid() ? static_cast<TTreeNode*>(index.internalPointer()) : nullptr;
}

void TTreeModel::SetMarked(const std::vector<TTreeNode*>& nodes) {
    emit layoutAboutToBeChanged();
    m_marked = std::unordered_set<const TTreeNode*>(nodes.begin(), nodes.end());
    emit layoutChanged();
}

QModelIndex TTreeModel::IndexOf(const TTreeNode* node) const {
    if (!node) {
        return QModelIndex();
    }
    return createIndex(node->Index(), 0, const_cast<TTreeNode*>(node));
}

QModelIndex TTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) {
        return QModelIndex();
    }
    TTreeNode* node = m_tree.Level(NodeOf(parent)).At(static_cast<std::size_t>(row));
    return node ? createIndex(row, 0, node) : QModelIndex();
}

QModelIndex TTreeModel::parent(const QModelIndex& child) const {
    const TTreeNode* node = NodeOf(child);
    return node ? IndexOf(node->Parent()) : QModelIndex();
}

int TTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) {
        return 0;
    }
    return static_cast<int>(m_tree.Level(NodeOf(parent)).size());
}

int TTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TTreeModel::data(const QModelIndex& index, int role) const {
    const TTreeNode* node = NodeOf(index);
    if (!node) {
        return QVariant();
    }
    switch (role) {
    case Qt::DisplayRole:
        // The options node's fixed text is stored and matched in English; only the tree translates it.
        if (node->Kind() == TNodeKind::MenuOptions && node->Text() == MenuOptionsText) {
            return QCoreApplication::translate("Rows", MenuOptionsText.data());
        }
        return Utf8ToQString(node->Text());
    case Qt::DecorationRole:
        return m_icons[static_cast<std::size_t>(node->Kind())];
    case Qt::FontRole:
        if (m_marked.count(node) > 0) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

Qt::ItemFlags TTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return m_dragEnabled ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_dragEnabled) {
        flags |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    }
    return flags;
}

Qt::DropActions TTreeModel::supportedDropActions() const {
    return m_dragEnabled ? Qt::MoveAction : Qt::IgnoreAction;
}

Qt::DropActions TTreeModel::supportedDragActions() const {
    return m_dragEnabled ? Qt::MoveAction : Qt::IgnoreAction;
}

QStringList TTreeModel::mimeTypes() const {
    return {QLatin1String(DragMimeType)};
}

QMimeData* TTreeModel::mimeData(const QModelIndexList&) const {
    // The dragged node is always the selected one; the payload only tells where the drag began.
    auto* data = new QMimeData;
    data->setData(QLatin1String(DragMimeType), QByteArray::number(reinterpret_cast<quintptr>(this), 16));
    return data;
}

bool TTreeModel::IsOwnDrag(const QMimeData* data) const {
    return data && data->hasFormat(QLatin1String(DragMimeType)) &&
           data->data(QLatin1String(DragMimeType)) ==
               QByteArray::number(reinterpret_cast<quintptr>(this), 16);
}

void TTreeModel::NodeAboutToBeInserted(const TTreeNode* parent, int index) {
    ++m_changing;
    beginInsertRows(IndexOf(parent), index, index);
}

void TTreeModel::NodeInserted(TTreeNode*) {
    endInsertRows();
    --m_changing;
}

void TTreeModel::NodeAboutToBeRemoved(TTreeNode* node) {
    m_marked.clear();
    ++m_changing;
    const int row = node->Index();
    beginRemoveRows(IndexOf(node->Parent()), row, row);
}

void TTreeModel::NodeRemoved(const TTreeNode*, int) {
    endRemoveRows();
    --m_changing;
}

void TTreeModel::NodeAboutToBeMoved(TTreeNode* node, const TTreeNode* newParent, int newIndex) {
    ++m_changing;
    const int row = node->Index();
    const QModelIndex from = IndexOf(node->Parent());
    if (beginMoveRows(from, row, row, IndexOf(newParent), newIndex)) {
        m_move = TMove::Rows;
    } else {
        beginResetModel();
        m_move = TMove::Reset;
    }
}

void TTreeModel::NodeMoved(TTreeNode*) {
    if (m_move == TMove::Rows) {
        endMoveRows();
    } else if (m_move == TMove::Reset) {
        endResetModel();
    }
    m_move = TMove::None;
    --m_changing;
}

void TTreeModel::NodeTextChanged(TTreeNode* node) {
    const QModelIndex cell = IndexOf(node);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void TTreeModel::TreeAboutToBeReset() {
    m_marked.clear();
    ++m_changing;
    beginResetModel();
}

void TTreeModel::TreeReset() {
    endResetModel();
    --m_changing;
}

} // namespace tarvex
