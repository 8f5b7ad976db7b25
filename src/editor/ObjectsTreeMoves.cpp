// Moves of whole entries within the tree: dragging one and sorting a level by caption.
#include "ObjectsTreeCommands.h"

#include "EditorInternal.h"
#include "base/CaptionOrder.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace tarvex {

using namespace editor_internal;

bool TObjectsTreeCommands::ObjectsTreeViewDragOver(TDragSource source) const {
    return source == TDragSource::ObjectsTreeView;
}

void TObjectsTreeCommands::ObjectsTreeViewDragDrop(TDragSource source, TTreeNode* target, TDropPlace place) {
    TTreeNode* dragged = SelectedObject();
    if (source != TDragSource::ObjectsTreeView || !dragged) {
        return;
    }
    if (dragged->IsOptions()) {
        m_context.Message(TARVEX_TEXT("Editor", "You can't drag&drop Menu Options"), ErrorCaption(),
                          TMsgIcon::Error);
        return;
    }
    if (target && target->Tree() != &m_context.Project().Objects) {
        return;
    }
    if (target && (target == dragged || dragged->IsAncestorOf(target))) {
        return;
    }
    TTreeNode* newParent = target ? target->Parent() : nullptr;
    int index = std::numeric_limits<int>::max();
    if (target && place != TDropPlace::OnNode) {
        index = target->Index() + (place == TDropPlace::After ? 1 : 0);
        // The place counts the level without the dragged node.
        if (dragged->Parent() == newParent && dragged->Index() < index) {
            --index;
        }
        const auto& level = m_context.Project().Objects.Level(newParent);
        if (index == 0 && !level.empty() && level.front().IsOptions()) {
            index = 1;
        }
    }
    TEditStep step(m_context, dragged->IsGroup() ? TARVEX_TRANSLATE_NOOP("Document", "Move Group")
                                                 : TARVEX_TRANSLATE_NOOP("Document", "Move Item"));
    if (!m_context.Project().Objects.MoveTo(dragged, newParent, index)) {
        return;
    }
    if (newParent) {
        m_context.Notify([newParent](TEditorListener& l) { l.ExpandNodeRequested(newParent); });
    }
}

bool TObjectsTreeCommands::ObjectsTreeViewMayDrop(TDragSource source, const TTreeNode* target) const {
    const TTreeNode* dragged = SelectedObject();
    if (!ObjectsTreeViewDragOver(source) || !dragged || dragged->IsOptions()) {
        return false;
    }
    return !target || (target->Tree() == &m_context.Project().Objects && target != dragged &&
                       !dragged->IsAncestorOf(target));
}

void TObjectsTreeCommands::SortByCaptionActionExecute() {
    TEditStep step(m_context, TARVEX_TRANSLATE_NOOP("Document", "Sort by Caption"));
    TTreeNode* selected = SelectedObject();
    TTreeNode* parent = selected && !selected->IsGroup() ? selected->Parent() : selected;
    TTree& objects = m_context.Project().Objects;
    const TCaptionOrder order;
    std::vector<TTreeNode*> sorted;
    std::vector<std::pair<std::string, TTreeNode*>> entries;
    for (TTreeNode& child : objects.Level(parent)) {
        if (child.IsOptions()) {
            sorted.push_back(&child);
        } else {
            entries.emplace_back(order.SortKey(child.Item().Caption.view()), &child);
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : entries) {
        sorted.push_back(entry.second);
    }
    // Only what moves is recorded: a level already in order makes no step at all.
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (&objects.Level(parent)[i] != sorted[i]) {
            objects.MoveTo(sorted[i], parent, static_cast<int>(i));
        }
    }
}

} // namespace tarvex
