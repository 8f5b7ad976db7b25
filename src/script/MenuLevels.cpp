#include "MenuLevels.h"

#include <algorithm>

namespace tarvex {

namespace {

bool HasEntries(const std::vector<std::unique_ptr<TTreeNode>>& level) {
    return std::any_of(level.begin(), level.end(), [](const auto& node) { return !node->IsOptions(); });
}

} // namespace

void ForEachMenu(const TTree& objects, const std::function<void(TTreeNode* group)>& visit) {
    if (HasEntries(objects.Level(nullptr))) {
        visit(nullptr);
    }
    // Collected first: a visitor may give a level its options node.
    std::vector<TTreeNode*> groups;
    objects.Walk(
        [&](TTreeNode& node) {
            if (!node.IsOptions() && HasEntries(node.Children())) {
                groups.push_back(&node);
            }
        },
        [](const TTreeNode&) {});
    for (TTreeNode* group : groups) {
        visit(group);
    }
}

std::vector<TTreeNode*> OptionsNamingMissingStyles(const TProject& project) {
    std::vector<TTreeNode*> found;
    if (project.Styles.Empty()) {
        return found;
    }
    ForEachMenu(project.Objects, [&](const TTreeNode* group) {
        TTreeNode* options = FindMenuOptionsNodeOfLevel(project.Objects, group);
        if (options && !StyleExists(project, options->Options().MenuStyle)) {
            found.push_back(options);
        }
    });
    return found;
}

} // namespace tarvex
