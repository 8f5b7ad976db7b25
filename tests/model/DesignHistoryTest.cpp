#include "model/DesignHistory.h"
#include "model/SubmenuLayout.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>

using namespace tarvex;

namespace {

// Everything a design holds, in tree order: depth, kind, text and record of every node.
using TFlat = std::vector<std::tuple<int, TNodeKind, std::string, TTreeNode::TRecord>>;

TFlat Flatten(const TProject& project) {
    TFlat flat;
    for (const TTree* tree : {&project.Objects, &project.Styles}) {
        tree->ForEach([&](const TTreeNode& node) {
            flat.emplace_back(node.Level(), node.Kind(), node.Text(), node.Record());
        });
    }
    return flat;
}

TMenuItemRec Entry(const char* caption) {
    TMenuItemRec item;
    item.Caption = caption;
    return item;
}

// A style, the main menu's options, and two groups with an item each.
void BuildSmallDesign(TProject& project) {
    TMenuStyleRec style;
    FillDefaultStyle(style);
    AppendStyleNode(project, "Plain", style);
    BuildDefaultProject(project);
    TTreeNode* second = AppendItemNode(project, nullptr, TNodeKind::MenuGroup, Entry("Second"));
    TMenuOptionsRec options;
    FillDefaultMenuOptions(project, options, second);
    AppendOptionsNode(project, second, options);
    AppendItemNode(project, second, TNodeKind::MenuItem, Entry("Inner"));
}

TDesignHistory::TSelection NoSelection() {
    return {};
}

} // namespace

// Each kind of change is taken back to the design before it and brought again to the one after.
TEST(DesignHistory, UndoAndRedoRestoreEveryKindOfChange) {
    const std::vector<std::pair<const char*, std::function<void(TProject&)>>> changes = {
        {"insert",
         [](TProject& p) { AppendItemNode(p, p.Objects.Root(1), TNodeKind::MenuItem, Entry("New")); }},
        {"remove subtree", [](TProject& p) { p.Objects.Remove(p.Objects.Root(1)); }},
        {"move to end", [](TProject& p) { p.Objects.MoveToEnd(p.Objects.Root(1)->Child(1), nullptr); }},
        {"move within level", [](TProject& p) { p.Objects.MoveTo(p.Objects.Root(2), nullptr, 1); }},
        {"text", [](TProject& p) { p.Objects.Root(1)->SetText("Renamed"); }},
        {"records", [](TProject& p) { ShiftSubmenusLeft(p.Objects.Root(1), -30); }},
        {"style", [](TProject& p) { p.Styles.Root(0)->EditStyle().FontName = "Georgia"; }},
        {"remove then insert at the front",
         [](TProject& p) {
             p.Objects.Remove(p.Objects.Root(0));
             p.Objects.Insert(nullptr, 0, TNodeKind::MenuOptions, "Menu Options");
         }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        TProject project;
        BuildSmallDesign(project);
        TDesignHistory history(project);
        TTreeNode* group = project.Objects.Root(1);
        const TFlat before = Flatten(project);

        history.BeginStep({group, nullptr});
        change(project);
        ASSERT_TRUE(history.EndStep(name, NoSelection()));
        const TFlat after = Flatten(project);
        ASSERT_NE(before, after);

        const auto selection = history.Undo();
        ASSERT_TRUE(selection);
        EXPECT_EQ(Flatten(project), before);
        // The very node objects come back, so a pointer to one stays good for selecting it.
        EXPECT_EQ(selection->Object, group);
        EXPECT_EQ(project.Objects.Root(1), group);
        ASSERT_TRUE(history.Redo());
        EXPECT_EQ(Flatten(project), after);
        ASSERT_TRUE(history.Undo());
        EXPECT_EQ(Flatten(project), before);
    }
}

TEST(DesignHistory, ModifiedFollowsTheSavedPoint) {
    TProject project;
    BuildSmallDesign(project);
    TDesignHistory history(project);
    const auto step = [&](const char* text) {
        history.BeginStep(NoSelection());
        project.Objects.Root(1)->SetText(text);
        history.EndStep(text, NoSelection());
    };
    step("A");
    EXPECT_TRUE(history.Modified());
    history.Undo();
    EXPECT_FALSE(history.Modified()) << "back at the opened state";
    history.Redo();
    history.MarkSaved();
    EXPECT_FALSE(history.Modified());
    history.Undo();
    EXPECT_TRUE(history.Modified());
    // A new step drops the saved one from the redo list: no state is the saved one any more.
    step("B");
    history.Undo();
    EXPECT_TRUE(history.Modified());
    EXPECT_EQ(history.RedoName(), "B");
    history.Clear();
    EXPECT_FALSE(history.Modified());
    EXPECT_FALSE(history.CanUndo());
}

// A change outside any step is a programming error the handler hears of; the history keeps it all
// the same, as a step of its own, so that it can still be taken back.
TEST(DesignHistory, ChangesOutsideAStepAreReportedAndStillRecorded) {
    TProject project;
    BuildSmallDesign(project);
    TDesignHistory history(project);
    const TFlat before = Flatten(project);
    static int reported;
    reported = 0;
    const auto previous = TDesignHistory::SetUnsteppedChangeHandler([] { ++reported; });
    project.Objects.Root(0)->EditOptions().MenuLeft = 7;
    project.Objects.Root(1)->SetText("Renamed");
    TDesignHistory::SetUnsteppedChangeHandler(previous);
    EXPECT_EQ(reported, 1);
    EXPECT_EQ(history.UndoName(), TDesignHistory::UnnamedStepName);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(Flatten(project), before);
}

TEST(DesignHistory, OldestStepsGiveWayToTheByteBudget) {
    TProject project;
    BuildSmallDesign(project);
    TDesignHistory history(project);
    for (int i = 0; i < 20; ++i) {
        history.BeginStep(NoSelection());
        project.Objects.Root(1)->EditItem().Hint = std::string(200, static_cast<char>('a' + i));
        history.EndStep("Change Hint", NoSelection());
    }
    const std::size_t perStep = history.ByteEstimate() / 20;
    ASSERT_GT(perStep, 200u) << "the long text counts";
    history.SetLimits(perStep * 5, TDesignHistory::DefaultMaxSteps);
    EXPECT_LE(history.ByteEstimate(), perStep * 5);
    EXPECT_GE(history.StepCount(), 4);
    int undone = 0;
    while (history.Undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, history.StepCount());
    EXPECT_TRUE(history.Modified()) << "the opened state can no longer be reached";
    EXPECT_EQ(std::as_const(*project.Objects.Root(1)).Item().Hint.str(),
              std::string(200, static_cast<char>('a' + 20 - undone - 1)));
}
