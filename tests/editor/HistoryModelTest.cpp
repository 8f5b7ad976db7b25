// Random sequences of edits of every kind, undos, redos and saves, checked after every step against a
// plain record of the design as each step left it: the design, the changed state, the Undo and Redo
// captions and whether the two commands are on. A failing sequence is shrunk to its shortest and
// printed with its seed, so that it can be replayed by hand.

#include "EditorFixture.h"

#include "project/ProjectWriter.h"

#include <gtest/gtest-spi.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <sstream>

namespace tarvex::test {
namespace {

constexpr TValueEditorId Options = TValueEditorId::MenuValueList;
constexpr TValueEditorId Item = TValueEditorId::MenuItemValueEditor;
constexpr TValueEditorId StyleRows = TValueEditorId::MenuStyleValueEditor;

enum class TKind {
    Caption,
    Address,
    MenuWidth,
    FontName,
    AddGroup,
    AddItem,
    Delete,
    MoveUp,
    MoveDown,
    MoveOut,
    MoveIn,
    Cut,
    CopyPaste,
    Duplicate,
    NewStyle,
    DeleteStyle,
    FavoriteStyle,
    Import,
    Undo,
    Redo,
    Save,
    Count
};
constexpr const char* KindNames[] = {
    "Caption",  "Address",     "MenuWidth",     "FontName", "AddGroup", "AddItem",   "Delete",
    "MoveUp",   "MoveDown",    "MoveOut",       "MoveIn",   "Cut",      "CopyPaste", "Duplicate",
    "NewStyle", "DeleteStyle", "FavoriteStyle", "Import",   "Undo",     "Redo",      "Save"};

// One action of the author; Pick chooses the node and the value it takes.
struct TAction {
    TKind Kind;
    unsigned Pick;
};

std::string Describe(const std::vector<TAction>& actions) {
    std::ostringstream text;
    for (const TAction& a : actions) {
        text << "  " << KindNames[static_cast<int>(a.Kind)] << " " << a.Pick << "\n";
    }
    return text.str();
}

// The row a value step changed, which a later change of the same row of the same node joins.
using TRowKey = std::pair<const TTreeNode*, std::string>;

// What the history should be: the design as every step left it, and where undo stands.
struct TReference {
    std::vector<std::string> Designs; // [0] the design before the oldest step kept
    std::vector<std::string> Names;   // Names[i] led from Designs[i] to Designs[i + 1]
    std::size_t Done = 0;
    long Saved = 0; // index of the saved design; below 0 when no undo or redo reaches it
    TRowKey LastRow;
    std::size_t MaxSteps = 0;

    const std::string& Now() const { return Designs[Done]; }
    // `moved`: a node changed places, which may leave the text as it was (two equal siblings).
    void Edited(const std::string& design, const std::string& name, const TRowKey& row, bool moved) {
        if (design == Now() && !moved) {
            return;
        }
        if (!row.second.empty() && row == LastRow && Saved != static_cast<long>(Done)) {
            // The same row again joins the last step; typed back to what it was, no step is left.
            if (design == Designs[Done - 1] && row.second != "Caption") {
                Designs.pop_back();
                Names.pop_back();
                --Done;
                LastRow = {};
            } else {
                Designs[Done] = design;
            }
            return;
        }
        Designs.resize(Done + 1);
        Names.resize(Done);
        if (Saved > static_cast<long>(Done)) {
            Saved = -1;
        }
        Designs.push_back(design);
        Names.push_back(name);
        ++Done;
        LastRow = row;
        while (Names.size() > MaxSteps) {
            Designs.erase(Designs.begin());
            Names.erase(Names.begin());
            --Done;
            --Saved;
        }
    }
};

class HistoryModelTest : public TEditorTest {
protected:
    // Runs `actions` from a fresh window; the first difference from the reference, or nothing.
    std::optional<std::string> Run(const std::vector<TAction>& actions, std::size_t maxSteps);
    std::vector<TAction> Shrink(std::vector<TAction> actions, std::size_t maxSteps);

private:
    struct TStepDone {
        std::string Name;
        TRowKey Row;
        bool Moved = false;
    };
    // Carries out one action; the step it should have made, or nothing when it makes none.
    std::optional<TStepDone> Act(const TAction& action);
    std::optional<TStepDone> ActOnObjects(const TAction& action);
    // Selects a node and runs the command when it is on.
    std::optional<TStepDone> Command(TActionId id, const char* name, unsigned pick);
    std::optional<std::string> Check(const TReference& reference) const;
    std::vector<TTreeNode*> ObjectNodes(bool options) const;
    TTreeNode* PickObject(unsigned pick, bool options) const;

    TFakeUserInterface* m_runUi = nullptr;
    TTarvexEditor* m_run = nullptr;
    int m_saves = 0;
};

std::vector<TTreeNode*> HistoryModelTest::ObjectNodes(bool options) const {
    std::vector<TTreeNode*> nodes;
    const std::function<void(TNodeLevel<TTreeNode>)> walk = [&](TNodeLevel<TTreeNode> level) {
        for (TTreeNode& node : level) {
            if (node.IsOptions() == options) {
                nodes.push_back(&node);
            }
            walk(node.Children());
        }
    };
    walk(m_run->Project().Objects.Roots());
    return nodes;
}

TTreeNode* HistoryModelTest::PickObject(unsigned pick, bool options) const {
    const std::vector<TTreeNode*> nodes = ObjectNodes(options);
    return nodes.empty() ? nullptr : nodes[pick % nodes.size()];
}

std::optional<HistoryModelTest::TStepDone> HistoryModelTest::Act(const TAction& action) {
    TTarvexEditor& editor = *m_run;
    const unsigned pick = action.Pick;
    const bool onStyles = action.Kind == TKind::FontName || action.Kind == TKind::NewStyle ||
                          action.Kind == TKind::DeleteStyle || action.Kind == TKind::FavoriteStyle;
    editor.SetActivePage(onStyles ? TControlsPage::MenuStyles : TControlsPage::MenuCreator);
    const auto value = [&](TValueEditorId rows, const char* row, TTreeNode* node,
                           std::vector<std::string> values) -> std::optional<TStepDone> {
        if (!node) {
            return std::nullopt;
        }
        rows == StyleRows ? editor.SelectStyleNode(node) : editor.SelectObjectNode(node);
        editor.SetRowValue(rows, row, values[pick / 7 % values.size()]);
        return TStepDone{std::string("Change ") + row, {node, row}};
    };
    auto& styles = editor.Project().Styles;
    switch (action.Kind) {
    case TKind::Caption:
        return value(Item, "Caption", PickObject(pick, false), {"Alpha", "Beta", "Gamma"});
    case TKind::Address:
        return value(Item, "Address", PickObject(pick, false), {"a.htm", "b.htm", "c.htm"});
    case TKind::MenuWidth:
        return value(Options, "Menu Width", PickObject(pick, true), {"100", "150", "200"});
    case TKind::FontName:
        return value(StyleRows, "Font Name",
                     styles.Empty() ? nullptr : styles.Root(pick % styles.RootCount()),
                     {"Arial", "Georgia", "Verdana"});
    case TKind::NewStyle:
        m_runUi->AnswerInput("S" + std::to_string(pick % 3));
        editor.Styles().NewStyleActionExecute();
        return TStepDone{"New Style", {}};
    case TKind::DeleteStyle: {
        // Only a style no menu names: the menus of a deleted style are repaired in the step, but an
        // empty group's are not, and the preview repairs them after a later edit as a step of its own.
        TTreeNode* style = styles.Empty() ? nullptr : styles.Root(pick % styles.RootCount());
        for (const TTreeNode* options : ObjectNodes(true)) {
            style = style && options->Options().MenuStyle.view() != style->Text() ? style : nullptr;
        }
        if (!style) {
            return std::nullopt;
        }
        editor.SelectStyleNode(style);
        m_runUi->AnswerMessage(TMsgResult::Ok);
        editor.Styles().DelStyleActionExecute();
        return TStepDone{"Delete Style", {}};
    }
    case TKind::FavoriteStyle:
        m_runUi->AnswerStyle(pick % 2);
        editor.Favorites().StyleTemplateActionExecute();
        return TStepDone{"Insert Favorite Style", {}};
    default:
        return ActOnObjects(action);
    }
}

std::optional<HistoryModelTest::TStepDone> HistoryModelTest::Command(TActionId id, const char* name,
                                                                     unsigned pick) {
    m_run->SelectObjectNode(PickObject(pick, false));
    if (!m_run->ActionEnabled(id)) {
        return std::nullopt;
    }
    m_run->Execute(id);
    return TStepDone{name, {}, std::string_view(name).starts_with("Move")};
}

std::optional<HistoryModelTest::TStepDone> HistoryModelTest::ActOnObjects(const TAction& action) {
    TTarvexEditor& editor = *m_run;
    const unsigned pick = action.Pick;
    switch (action.Kind) {
    case TKind::AddGroup:
        editor.SelectObjectNode(PickObject(pick, false));
        m_runUi->AnswerInput("G" + std::to_string(pick % 5));
        editor.Objects().NewGroupActionExecute();
        return TStepDone{"Add Group", {}};
    case TKind::AddItem:
        editor.SelectObjectNode(PickObject(pick, pick % 2 == 0));
        m_runUi->AnswerInput("I" + std::to_string(pick % 5));
        editor.Objects().NewMenuItemActionExecute();
        return TStepDone{"Add Item", {}};
    case TKind::Delete: {
        // A group goes with everything under it.
        TTreeNode* node = PickObject(pick, false);
        if (!node) {
            return std::nullopt;
        }
        editor.SelectObjectNode(node);
        const bool group = node->IsGroup();
        m_runUi->AnswerMessage(TMsgResult::Ok);
        group ? editor.Objects().DelGroupActionExecute() : editor.Objects().DeleteMenuItemActionExecute();
        return TStepDone{group ? "Delete Group" : "Delete Item", {}};
    }
    case TKind::MoveUp:
        return Command(TActionId::MoveUpAction, "Move Up", pick);
    case TKind::MoveDown:
        return Command(TActionId::MoveDownAction, "Move Down", pick);
    case TKind::MoveOut:
        return Command(TActionId::MoveOutAction, "Move Out", pick);
    case TKind::MoveIn:
        return Command(TActionId::MoveInAction, "Move In", pick);
    case TKind::Cut:
        return Command(TActionId::CutAction, "Cut", pick);
    case TKind::Duplicate:
        return Command(TActionId::DuplicateAction, "Duplicate", pick);
    case TKind::CopyPaste:
        Command(TActionId::CopyAction, "", pick);
        return Command(TActionId::PasteAction, "Paste", pick / 3);
    case TKind::Import: {
        editor.SelectObjectNode(PickObject(pick, false));
        TFavoriteEntry folder{TFavoriteEntry::TKind::Folder, "Links", "", {}};
        folder.Children.push_back({TFavoriteEntry::TKind::Shortcut, "A", (Work() / "a.url").string(), {}});
        editor.Imports().ImportFavoritesFolder(folder);
        return TStepDone{"Import Favorites", {}};
    }
    default:
        return std::nullopt;
    }
}

std::optional<std::string> HistoryModelTest::Check(const TReference& reference) const {
    const TTarvexEditor& editor = *m_run;
    const auto caption = [](const char* command, const std::string& name) {
        return name.empty() ? std::string(command) : std::string(command) + " " + name;
    };
    const std::size_t done = reference.Done;
    const std::string undo = caption("Undo", done > 0 ? reference.Names[done - 1] : "");
    const std::string redo = caption("Redo", done < reference.Names.size() ? reference.Names[done] : "");
    std::ostringstream out;
    if (WriteProjectText(editor.Project()) != reference.Now()) {
        out << "the design is not the one the step left\n";
    }
    if (editor.Modified() != (reference.Saved != static_cast<long>(done))) {
        out << "changed state " << editor.Modified() << ", expected " << !editor.Modified() << "\n";
    }
    if (editor.UndoCaption() != undo || editor.RedoCaption() != redo) {
        out << "captions \"" << editor.UndoCaption() << "\", \"" << editor.RedoCaption() << "\"; expected \""
            << undo << "\", \"" << redo << "\"\n";
    }
    if (editor.ActionEnabled(TActionId::UndoAction) != (done > 0) ||
        editor.ActionEnabled(TActionId::RedoAction) != (done < reference.Names.size())) {
        out << "Undo or Redo is on when it should be off, or off when it should be on\n";
    }
    return out.str().empty() ? std::nullopt : std::optional(out.str());
}

std::optional<std::string> HistoryModelTest::Run(const std::vector<TAction>& actions, std::size_t maxSteps) {
    // A surprise dialog fails this run, not the test: the shrinking replays shorter runs.
    ::testing::TestPartResultArray surprises;
    const ::testing::ScopedFakeTestPartResultReporter catcher(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &surprises);
    TFakeUserInterface ui;
    TTarvexEditor editor(ui, App());
    m_runUi = &ui;
    m_run = &editor;
    ui.AnswerStyle(0);
    editor.FormShow();
    editor.Document().History().SetLimits(TDesignHistory::DefaultMaxBytes, maxSteps);
    TReference reference;
    reference.MaxSteps = maxSteps;
    reference.Designs.push_back(WriteProjectText(editor.Project()));
    std::optional<std::string> failure = Check(reference);
    for (std::size_t i = 0; i < actions.size() && !failure && surprises.size() == 0; ++i) {
        const TAction& action = actions[i];
        if (action.Kind == TKind::Undo || action.Kind == TKind::Redo) {
            const bool undo = action.Kind == TKind::Undo;
            undo ? editor.UndoActionExecute() : editor.RedoActionExecute();
            if (undo && reference.Done > 0) {
                --reference.Done;
            } else if (!undo && reference.Done < reference.Names.size()) {
                ++reference.Done;
            }
            reference.LastRow = {};
        } else if (action.Kind == TKind::Save) {
            if (editor.ProjectFileName().empty()) {
                ui.AnswerFile((Work() / ("saved" + std::to_string(++m_saves) + ".xml")).string());
            }
            editor.Files().SaveActionExecute();
            reference.Saved = static_cast<long>(reference.Done);
            reference.LastRow = {};
        } else if (const std::optional<TStepDone> step = Act(action)) {
            reference.Edited(WriteProjectText(editor.Project()), step->Name, step->Row, step->Moved);
        }
        failure = Check(reference);
        if (failure || !ui.AllAnswersUsed()) {
            failure =
                "after action " + std::to_string(i + 1) + ": " + failure.value_or("an answer left over");
        }
    }
    for (int i = 0; i < surprises.size(); ++i) {
        failure = failure.value_or("") + surprises.GetTestPartResult(i).message();
    }
    m_run = nullptr;
    m_runUi = nullptr;
    return failure;
}

// Drops chunks of the sequence, halving their size, while it still fails; then single actions.
std::vector<TAction> HistoryModelTest::Shrink(std::vector<TAction> actions, std::size_t maxSteps) {
    for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t at = 0; at + chunk <= actions.size();) {
            std::vector<TAction> fewer = actions;
            fewer.erase(fewer.begin() + static_cast<long>(at), fewer.begin() + static_cast<long>(at + chunk));
            if (Run(fewer, maxSteps)) {
                actions = std::move(fewer);
            } else {
                at += chunk;
            }
        }
    }
    return actions;
}

TEST_F(HistoryModelTest, RandomEditsUndosAndRedosKeepTheHistoryTrueToEveryStep) {
    WriteText(Work() / "a.url", "[InternetShortcut]\r\nURL=http://a.example/\r\n");
#ifdef TARVEX_SANITIZED
    // Every access is checked there: fewer sequences keep the suite within its time.
    constexpr unsigned Seeds = 40;
#else
    constexpr unsigned Seeds = 200;
#endif
    constexpr std::size_t Length = 40;
    const auto started = std::chrono::steady_clock::now();
    for (unsigned seed = 1; seed <= Seeds; ++seed) {
        std::mt19937 random(seed);
        // Every third run keeps few steps, so that the oldest are dropped as it goes.
        const std::size_t maxSteps = seed % 3 == 0 ? 2 : TDesignHistory::DefaultMaxSteps;
        std::vector<TAction> actions;
        for (std::size_t i = 0; i < Length; ++i) {
            // Undo and redo come as often as all edits together, so runs go deep into the history.
            const unsigned roll = random() % 40;
            const TKind kind = roll < 10   ? TKind::Undo
                               : roll < 16 ? TKind::Redo
                               : roll < 18
                                   ? TKind::Save
                                   : static_cast<TKind>(random() % static_cast<unsigned>(TKind::Undo));
            actions.push_back({kind, static_cast<unsigned>(random() % 1000)});
        }
        if (const std::optional<std::string> failure = Run(actions, maxSteps)) {
            const std::vector<TAction> shortest = Shrink(actions, maxSteps);
            ADD_FAILURE() << "seed " << seed << ", history of " << maxSteps
                          << " steps at most: " << Run(shortest, maxSteps).value_or(*failure)
                          << "shortest sequence:\n"
                          << Describe(shortest);
            return;
        }
    }
    const auto took =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    RecordProperty("seeds", static_cast<int>(Seeds));
    std::printf("%u seeds of %zu actions in %lld ms\n", Seeds, Length, static_cast<long long>(took.count()));
}

} // namespace
} // namespace tarvex::test
