#include "Project.h"

#include "RecordFields.h"
#include "SubmenuLayout.h"
#include "base/RecordText.h"

#include <utility>

namespace tarvex {

void FillDefaultStyle(TMenuStyleRec& style) {
    FillFieldDefaults(style);
}

void FillDefaultMenuItem(TMenuItemRec& item) {
    FillFieldDefaults(item);
}

namespace {

void FillMainMenuOptions(const TProject& project, TMenuOptionsRec& options) {
    FillFieldDefaults(options);
    if (const TTreeNode* first = project.Styles.FirstRoot()) {
        options.MenuStyle = first->Text();
    }
}

} // namespace

void FillDefaultMenuOptions(const TProject& project, TMenuOptionsRec& options, const TTreeNode* group) {
    FillMainMenuOptions(project, options);
    if (!group) {
        return;
    }
    options.Orientation = "Vertical";

    TMenuOptionsRec holderDefaults;
    const TMenuOptionsRec* holder = &holderDefaults;
    if (const TTreeNode* optionsNode = FindMenuOptionsNode(project.Objects, group)) {
        holder = &optionsNode->Options();
    } else {
        FillMainMenuOptions(project, holderDefaults);
    }
    // A main-menu entry opens its submenu beside a vertical main menu; every other submenu is
    // placed by the horizontal rule, whatever its menu's orientation.
    const int depth = group->Level();
    const bool vertical = depth == 0 && holder->Orientation == "Vertical";
    PlaceSubmenu(*holder, group->Index(), depth, vertical ? TSubmenuRule::Vertical : TSubmenuRule::Horizontal,
                 options);
}

const TTreeNode* FindMenuOptionsNodeOfLevel(const TTree& tree, const TTreeNode* parent) {
    for (const TTreeNode& node : tree.Level(parent)) {
        if (node.IsOptions()) {
            return &node;
        }
    }
    return nullptr;
}

TTreeNode* FindMenuOptionsNodeOfLevel(TTree& tree, const TTreeNode* parent) {
    return const_cast<TTreeNode*>(FindMenuOptionsNodeOfLevel(std::as_const(tree), parent));
}

const TTreeNode* FindMenuOptionsNode(const TTree& tree, const TTreeNode* node) {
    return node ? FindMenuOptionsNodeOfLevel(tree, node->Parent()) : nullptr;
}

TTreeNode* FindMenuOptionsNode(TTree& tree, const TTreeNode* node) {
    return node ? FindMenuOptionsNodeOfLevel(tree, node->Parent()) : nullptr;
}

bool StyleExists(const TProject& project, std::string_view name) {
    for (const TTreeNode& node : project.Styles.Roots()) {
        if (node.Text() == name) {
            return true;
        }
    }
    return false;
}

TTreeNode* AppendStyleNode(TProject& project, std::string name, TMenuStyleRec style) {
    // A menu names its style in a 255-character field: a longer name could never be found again.
    name.resize(Utf8PrefixSize(name, StyleNameCapacity));
    TTreeNode* node = project.Styles.Append(nullptr, TNodeKind::Style, std::move(name));
    node->EditStyle() = std::move(style);
    return node;
}

TTreeNode* AppendItemNode(TProject& project, TTreeNode* parent, TNodeKind kind, TMenuItemRec item) {
    TTreeNode* node = project.Objects.Append(parent, kind, item.Caption.str());
    node->EditItem() = std::move(item);
    return node;
}

TTreeNode* AppendOptionsNode(TProject& project, TTreeNode* parent, TMenuOptionsRec options) {
    TTreeNode* node = project.Objects.Append(parent, TNodeKind::MenuOptions, std::string(MenuOptionsText));
    node->EditOptions() = std::move(options);
    return node;
}

void BuildDefaultProject(TProject& project) {
    TMenuOptionsRec options;
    FillDefaultMenuOptions(project, options, nullptr);
    // A new design keeps its first entries on a bar that has too little room and gathers the rest
    // under "More"; a file that never chose keeps the menu button.
    options.WhenNoRoom = "More";
    AppendOptionsNode(project, nullptr, options);

    TMenuItemRec group;
    FillDefaultMenuItem(group);
    group.Caption = "Menu group name";
    TTreeNode* groupNode = AppendItemNode(project, nullptr, TNodeKind::MenuGroup, group);

    TMenuOptionsRec submenu;
    FillDefaultMenuOptions(project, submenu, groupNode);
    AppendOptionsNode(project, groupNode, submenu);

    TMenuItemRec item;
    FillDefaultMenuItem(item);
    item.Caption = "Menu item name";
    AppendItemNode(project, groupNode, TNodeKind::MenuItem, item);
}

} // namespace tarvex
