#include "MenuLevels.h"

#include <algorithm>

namespace tarvex {

namespace {

bool HasEntries(TNodeLevel<const TTreeNode> level) {
    return std::any_of(level.begin(), level.end(), [](const TTreeNode& node) { return !node.IsOptions(); });
}

// Written once for both trees: a const tree hands its visitor const groups.
template <typename TTreeRef, typename TNode>
void VisitMenus(TTreeRef& objects, const std::function<void(TNode* group)>& visit) {
    if (HasEntries(objects.Level(nullptr))) {
        visit(nullptr);
    }
    // Collected first: a visitor may give a level its options node.
    std::vector<TNode*> groups;
    objects.Walk(
        [&](TNode& node) {
            if (!node.IsOptions() && HasEntries(node.Children())) {
                groups.push_back(&node);
            }
        },
        [](const TTreeNode&) {});
    for (TNode* group : groups) {
        visit(group);
    }
}

template <typename TProjectRef, typename TNode> std::vector<TNode*> MissingStyles(TProjectRef& project) {
    std::vector<TNode*> found;
    if (project.Styles.Empty()) {
        return found;
    }
    const std::function<void(TNode*)> check = [&](const TTreeNode* group) {
        TNode* options = FindMenuOptionsNodeOfLevel(project.Objects, group);
        if (options && !StyleExists(project, options->Options().MenuStyle)) {
            found.push_back(options);
        }
    };
    VisitMenus(project.Objects, check);
    return found;
}

} // namespace

void ForEachMenu(const TTree& objects, const std::function<void(const TTreeNode* group)>& visit) {
    VisitMenus(objects, visit);
}

void ForEachMenu(TTree& objects, const std::function<void(TTreeNode* group)>& visit) {
    VisitMenus(objects, visit);
}

std::vector<const TTreeNode*> OptionsNamingMissingStyles(const TProject& project) {
    return MissingStyles<const TProject, const TTreeNode>(project);
}

std::vector<TTreeNode*> OptionsNamingMissingStyles(TProject& project) {
    return MissingStyles<TProject, TTreeNode>(project);
}

} // namespace tarvex
