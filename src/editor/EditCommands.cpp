#include "EditCommands.h"

#include "DesignCeiling.h"
#include "ObjectsTreeCommands.h"
#include "StyleCommands.h"
#include "base/FileIo.h"
#include "base/RecordText.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <type_traits>
#include <unordered_set>

namespace tarvex {

namespace {

// Copies `source` with everything below it into `into`, at `index` of `parent`'s level; the copy.
TTreeNode* CopySubtree(const TTreeNode& source, TTree& into, TTreeNode* parent, int index) {
    std::vector<TTreeNode*> made;
    TTreeNode* top = nullptr;
    WalkDepthFirst(
        &source, TreeChildAt,
        [&](const TTreeNode& node) {
            TTreeNode* copy = made.empty() ? into.Insert(parent, index, node.Kind(), node.Text())
                                           : into.Append(made.back(), node.Kind(), node.Text());
            std::visit(
                [copy](const auto& record) { copy->EditRecord<std::decay_t<decltype(record)>>() = record; },
                node.Record());
            made.push_back(copy);
            top = top ? top : copy;
        },
        [&](const TTreeNode&) { made.pop_back(); });
    return top;
}

// The style names the Menu Options below `node` (and `node` itself) use.
std::set<std::string> StylesUsedBelow(const TTreeNode& node) {
    std::set<std::string> names;
    WalkDepthFirst(&node, TreeChildAt, [&](const TTreeNode& n) {
        if (n.IsOptions()) {
            names.emplace(n.Options().MenuStyle.view());
        }
    });
    return names;
}

const TTreeNode* FindStyle(const TTree& styles, const std::string& name) {
    for (const TTreeNode& style : styles.Roots()) {
        if (style.Text() == name) {
            return &style;
        }
    }
    return nullptr;
}

// "Ocean", then "Ocean 2", "Ocean 3" ...: the first name no style of `styles` has.
std::string FreeStyleName(const TTree& styles, const std::string& name) {
    if (!FindStyle(styles, name)) {
        return name;
    }
    for (int n = 2;; ++n) {
        std::string candidate = name + " " + std::to_string(n);
        if (!FindStyle(styles, candidate)) {
            return candidate;
        }
    }
}

// A clipboard text the reader takes as a project, read; nothing for any other text.
std::unique_ptr<TProject> ReadClip(const std::string& text) {
    if (!HoldsProject(text) || ExceedsProjectBlockLimit(text)) {
        return nullptr;
    }
    auto clip = std::make_unique<TProject>();
    ReadProjectText(text, *clip);
    return clip;
}

} // namespace

bool TEditCommands::OnStylesPage() const {
    return m_context.ActivePage() == TControlsPage::MenuStyles;
}

TTreeNode* TEditCommands::Selected() const {
    return OnStylesPage() ? m_context.SelectedStyle() : m_context.SelectedObject();
}

bool TEditCommands::CanCopy() const {
    const TTreeNode* node = Selected();
    return node && !node->IsOptions();
}

bool TEditCommands::CanPaste() const {
    return m_clipboardHasProject;
}

void TEditCommands::ClipboardChanged() {
    // Another program may have copied a gigabyte: only the types it offers are looked at here.
    m_clipboardHasProject = m_context.Ui().ClipboardOffersProject();
    m_context.CommandStatesMaybeChanged();
}

std::string TEditCommands::SelectionText() const {
    TProject clip;
    const TTreeNode* node = Selected();
    if (node->IsStyle()) {
        AppendStyleNode(clip, node->Text(), node->Style());
        return WriteProjectText(clip);
    }
    // The styles go along, so that the menus look the same in another window.
    for (const std::string& name : StylesUsedBelow(*node)) {
        if (const TTreeNode* style = FindStyle(m_context.Project().Styles, name)) {
            AppendStyleNode(clip, style->Text(), style->Style());
        }
    }
    CopySubtree(*node, clip.Objects, nullptr, 0);
    return WriteProjectText(clip);
}

void TEditCommands::CopyActionExecute() {
    if (!CanCopy()) {
        return;
    }
    m_context.Ui().SetClipboardProject(SelectionText());
    ClipboardChanged();
}

void TEditCommands::CutActionExecute() {
    if (!CanCopy()) {
        return;
    }
    TEditStep step(m_context, TARVEX_TRANSLATE_NOOP("Document", "Cut"));
    m_context.Ui().SetClipboardProject(SelectionText());
    ClipboardChanged();
    if (OnStylesPage()) {
        m_styles.DeleteSelectedStyle();
    } else {
        m_objects.DeleteSelectedObject();
    }
}

void TEditCommands::PasteActionExecute() {
    const TUserInterface::TClipboardText clip = m_context.Ui().ClipboardProject(ProjectFileCeiling);
    if (clip.TooLarge) {
        ReportClipboardTooLarge(m_context.Ui());
    } else if (clip.Text) {
        PasteText(*clip.Text, TARVEX_TRANSLATE_NOOP("Document", "Paste"));
    }
}

void TEditCommands::DuplicateActionExecute() {
    if (CanCopy()) {
        PasteText(SelectionText(), TARVEX_TRANSLATE_NOOP("Document", "Duplicate"));
    }
}

bool TEditCommands::PasteText(const std::string& text, std::string_view stepName) {
    const std::unique_ptr<TProject> clip = ReadClip(text);
    const bool styles = OnStylesPage();
    if (!clip || (styles ? clip->Styles.Empty() : clip->Objects.Empty()) ||
        !AllowGrowth(m_context.Ui(), m_context.Project(), *clip, TARVEX_TEXT("Editor", "Pasting this"))) {
        return false;
    }
    TEditStep step(m_context, stepName);
    TProject& design = m_context.Project();
    // A style of the same name and look is the one the menus meant; any other gets a free name,
    // and the pasted menus follow it.
    std::map<std::string, std::string> renamed;
    TTreeNode* last = nullptr;
    for (const TTreeNode& style : clip->Styles.Roots()) {
        const TTreeNode* same = FindStyle(design.Styles, style.Text());
        if (!styles && same && same->Style() == style.Style()) {
            continue;
        }
        const std::string name = FreeStyleName(design.Styles, style.Text());
        renamed[style.Text()] = name;
        last = AppendStyleNode(design, name, style.Style());
    }
    if (styles) {
        m_styles.Select(last);
        return true;
    }
    // Right after the selection, in its level; with nothing selected, at the end of the main menu.
    TTreeNode* selected = m_context.SelectedObject();
    TTreeNode* parent = selected ? selected->Parent() : nullptr;
    int at = selected ? selected->Index() + 1 : static_cast<int>(design.Objects.Level(parent).size());
    TTreeNode* first = nullptr;
    for (const TTreeNode& root : clip->Objects.Roots()) {
        TTreeNode* copy = CopySubtree(root, design.Objects, parent, at++);
        WalkDepthFirst(copy, TreeChildAt, [&](TTreeNode& node) {
            if (node.IsOptions()) {
                if (const auto to = renamed.find(std::string(node.Options().MenuStyle.view()));
                    to != renamed.end()) {
                    node.EditOptions().MenuStyle = to->second;
                }
            }
        });
        first = first ? first : copy;
    }
    if (parent) {
        m_context.Notify([parent](TEditorListener& l) { l.ExpandNodeRequested(parent); });
    }
    m_objects.Select(first);
    return true;
}

std::optional<TEditCommands::TPlace> TEditCommands::MovePlace(TMove move) const {
    TTreeNode* node = OnStylesPage() ? nullptr : m_context.SelectedObject();
    // Menu Options stay where they are, as they do for a drag.
    if (!node || node->IsOptions()) {
        return std::nullopt;
    }
    TTreeNode* parent = node->Parent();
    TTreeNode* before = node->PrevSibling();
    switch (move) {
    case TMove::Up:
        // A group's Menu Options node stays its first entry.
        if (!before || before->IsOptions()) {
            return std::nullopt;
        }
        return TPlace{parent, node->Index() - 1};
    case TMove::Down:
        if (!node->NextSibling()) {
            return std::nullopt;
        }
        return TPlace{parent, node->Index() + 1};
    case TMove::Out:
        if (!parent) {
            return std::nullopt;
        }
        return TPlace{parent->Parent(), parent->Index() + 1};
    case TMove::In:
        if (!before || !before->IsGroup()) {
            return std::nullopt;
        }
        return TPlace{before, before->ChildCount()};
    }
    return std::nullopt;
}

bool TEditCommands::CanMove(TMove move) const {
    return MovePlace(move).has_value();
}

void TEditCommands::Move(TMove move) {
    const std::optional<TPlace> place = MovePlace(move);
    if (!place) {
        return;
    }
    static constexpr const char* Names[] = {
        TARVEX_TRANSLATE_NOOP("Document", "Move Up"), TARVEX_TRANSLATE_NOOP("Document", "Move Down"),
        TARVEX_TRANSLATE_NOOP("Document", "Move Out"), TARVEX_TRANSLATE_NOOP("Document", "Move In")};
    TTreeNode* node = m_context.SelectedObject();
    TEditStep step(m_context, Names[static_cast<int>(move)]);
    if (!m_context.Project().Objects.MoveTo(node, place->Parent, place->Index)) {
        return;
    }
    if (TTreeNode* parent = place->Parent) {
        m_context.Notify([parent](TEditorListener& l) { l.ExpandNodeRequested(parent); });
    }
    m_context.Notify([node](TEditorListener& l) { l.ObjectSelectionChanged(node); });
}

// ---- find ----

void TEditCommands::FindActionExecute() {
    m_context.Ui().ShowFindField(m_findText);
}

void TEditCommands::SetFindText(const std::string& text) {
    m_findText = EnteredText(text);
    m_context.Notify([](TEditorListener& l) { l.FindMatchesChanged(); });
}

std::vector<TTreeNode*> TEditCommands::FindMatches() const {
    std::vector<TTreeNode*> found;
    const std::string wanted = FoldCase(m_findText);
    if (wanted.empty()) {
        return found;
    }
    const bool styles = OnStylesPage();
    // Writable: a match is what the window selects next.
    TTree& tree = styles ? m_context.Project().Styles : m_context.Project().Objects;
    tree.ForEach([&](TTreeNode& node) {
        if (node.IsOptions()) {
            return;
        }
        const bool match =
            FoldCase(node.Text()).find(wanted) != std::string::npos ||
            (!styles && FoldCase(node.Item().Address.view()).find(wanted) != std::string::npos);
        if (match) {
            found.push_back(&node);
        }
    });
    return found;
}

void TEditCommands::FindNextActionExecute() {
    const std::vector<TTreeNode*> found = FindMatches();
    if (found.empty()) {
        return;
    }
    TTreeNode* selected = Selected();
    // The first match after the selection in tree order, round to the first.
    auto next = found.begin();
    if (selected) {
        bool passed = false;
        const TTree& tree = *selected->Tree();
        const TTreeNode* after = nullptr;
        // A set, so stepping through a large design with many matches stays linear.
        const std::unordered_set<const TTreeNode*> matches(found.begin(), found.end());
        tree.ForEach([&](const TTreeNode& node) {
            if (&node == selected) {
                passed = true;
            } else if (passed && !after && matches.count(&node) != 0) {
                after = &node;
            }
        });
        if (after) {
            next = std::find(found.begin(), found.end(), after);
        }
    }
    for (TTreeNode* up = (*next)->Parent(); up; up = up->Parent()) {
        m_context.Notify([up](TEditorListener& l) { l.ExpandNodeRequested(up); });
    }
    if (OnStylesPage()) {
        m_styles.Select(*next);
    } else {
        m_objects.Select(*next);
    }
}

} // namespace tarvex
