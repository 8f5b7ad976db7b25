// The Edit menu on the trees: clipboard between windows, keyboard moves beside the drag rules, find.
#include "EditorFixture.h"

#include "model/Project.h"
#include "project/ProjectWriter.h"

namespace tarvex::test {
namespace {

class EditCommandsTest : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        Start();
        // The default design, a second group "B" with its first item, and an item "Top" on the main
        // menu: (0 options) (1 group: 0 options, 1 item) (2 B: 0 options, 1 item) (3 Top).
        AddGroup("B");
        Editor().SelectObjectNode(Node({2}));
        m_ui.AnswerInput("Top");
        Editor().Objects().NewMenuItemActionExecute();
        Editor().Objects().ObjectsTreeViewDragDrop(TDragSource::ObjectsTreeView, nullptr);
    }
    void AddGroup(const std::string& name) {
        m_ui.AnswerInput(name);
        Editor().Objects().NewGroupActionExecute();
    }
    std::vector<std::string> Captions(const TTreeNode* parent) {
        std::vector<std::string> texts;
        for (const TTreeNode& node : Project().Objects.Level(parent)) {
            texts.push_back(node.Text());
        }
        return texts;
    }
};

TEST_F(EditCommandsTest, KeyboardMovesFollowTheDragRulesAndAreOneStepEach) {
    ASSERT_EQ(Captions(nullptr), (std::vector<std::string>{"Menu Options", "Menu group name", "B", "Top"}));
    struct TCase {
        std::vector<int> Start;
        TMove Move;
        bool Allowed;
        std::vector<int> End;
    };
    const TCase cases[] = {
        {{3}, TMove::Up, true, {2}},     {{1}, TMove::Up, false, {}}, // never above Menu Options
        {{3}, TMove::Down, false, {}},   {{1}, TMove::Down, true, {2}},
        {{2, 1}, TMove::Out, true, {3}}, {{1}, TMove::Out, false, {}}, // already on the main menu
        {{3}, TMove::In, true, {2, 2}},  {{1}, TMove::In, false, {}},  // no group above it
        {{0}, TMove::Down, false, {}},   {{1, 0}, TMove::Out, false, {}},
    };
    for (const TCase& c : cases) {
        const std::vector<int>& s = c.Start;
        TTreeNode* node = s.size() == 1 ? Node({s[0]}) : Node({s[0], s[1]});
        Editor().SelectObjectNode(node);
        const std::string what = node->Text() + " move " + std::to_string(static_cast<int>(c.Move));
        EXPECT_EQ(Editor().Edit().CanMove(c.Move), c.Allowed) << what;
        // The drag rules refuse Menu Options the same way.
        if (node->IsOptions()) {
            EXPECT_FALSE(Editor().Objects().ObjectsTreeViewMayDrop(TDragSource::ObjectsTreeView, Node({1})));
        }
        const std::string before = Editor().UndoCaption();
        Editor().Execute(c.Move == TMove::Up     ? TActionId::MoveUpAction
                         : c.Move == TMove::Down ? TActionId::MoveDownAction
                         : c.Move == TMove::Out  ? TActionId::MoveOutAction
                                                 : TActionId::MoveInAction);
        if (!c.Allowed) {
            EXPECT_EQ(Editor().UndoCaption(), before) << what;
            continue;
        }
        const std::vector<int>& e = c.End;
        EXPECT_EQ(e.size() == 1 ? Node({e[0]}) : Node({e[0], e[1]}), node) << what;
        EXPECT_EQ(Editor().SelectedObject(), node) << what;
        Editor().UndoActionExecute();
        EXPECT_EQ(s.size() == 1 ? Node({s[0]}) : Node({s[0], s[1]}), node) << what;
    }
}

TEST_F(EditCommandsTest, AGroupCopiedInOneWindowIsPastedInAnotherWithItsStyle) {
    // The copied menus use a style the second window has under the same name, but another look.
    Editor().SelectObjectNode(Node({2}));
    Editor().Execute(TActionId::CopyAction);
    ASSERT_TRUE(m_ui.Clipboard.has_value());
    const std::string style = Node({2, 0})->Options().MenuStyle.str();

    // The other window has an application folder of its own, as a window of another user or
    // machine would: nothing this window keeps there reaches it other than through the clipboard.
    const std::filesystem::path otherApp = Work() / "other-app";
    std::filesystem::copy(App(), otherApp, std::filesystem::copy_options::recursive);
    TFakeUserInterface ui2;
    TTarvexEditor second(ui2, otherApp);
    ui2.AnswerStyle(0);
    second.FormShow();
    second.EditDesign("Restyle", [&] { second.Project().Styles.FirstRoot()->EditStyle().FontSize = 31; });
    ui2.ClipboardText = "plain words";
    second.Edit().ClipboardChanged();
    EXPECT_FALSE(second.ActionEnabled(TActionId::PasteAction));

    ui2.Clipboard = m_ui.Clipboard;
    second.Edit().ClipboardChanged();
    ASSERT_TRUE(second.ActionEnabled(TActionId::PasteAction));
    second.Execute(TActionId::PasteAction);
    const TTree& objects = second.Project().Objects;
    const TTreeNode* pasted = objects.Root(objects.RootCount() - 1);
    EXPECT_EQ(pasted->Text(), "B");
    ASSERT_EQ(pasted->ChildCount(), 2);
    EXPECT_TRUE(pasted->Child(0)->IsOptions());
    EXPECT_EQ(pasted->Child(1)->Text(), "Menu item name");
    EXPECT_EQ(pasted->Child(0)->Options().MenuStyle.str(), style + " 2");
    EXPECT_EQ(second.Project().Styles.Root(1)->Text(), style + " 2");
    EXPECT_EQ(second.SelectedObject(), pasted);
    EXPECT_EQ(second.UndoCaption(), "Undo Paste");
    second.UndoActionExecute();
    EXPECT_EQ(second.Project().Styles.RootCount(), 1);
    EXPECT_EQ(objects.RootCount(), 2);

    // Within one window the style is the same one, so no copy of it is made; Duplicate and Cut
    // are one step each.
    const int styles = Project().Styles.RootCount();
    Editor().Execute(TActionId::DuplicateAction);
    EXPECT_EQ(Project().Styles.RootCount(), styles);
    EXPECT_EQ(Captions(nullptr),
              (std::vector<std::string>{"Menu Options", "Menu group name", "B", "B", "Top"}));
    Editor().Execute(TActionId::CutAction);
    EXPECT_EQ(Captions(nullptr).size(), 4u);
    EXPECT_EQ(Editor().UndoCaption(), "Undo Cut");
}

TEST_F(EditCommandsTest, APasteLandsRightAfterTheSelectedNodeInItsLevelAsOneStep) {
    Editor().SelectObjectNode(Node({3}));
    Editor().Execute(TActionId::CopyAction);
    Editor().SelectObjectNode(Node({1, 1}));
    Editor().Execute(TActionId::PasteAction);
    EXPECT_EQ(Captions(Node({1})), (std::vector<std::string>{"Menu Options", "Menu item name", "Top"}));
    EXPECT_EQ(Editor().SelectedObject(), Node({1, 2}));
    Editor().UndoActionExecute();
    EXPECT_EQ(Captions(Node({1})), (std::vector<std::string>{"Menu Options", "Menu item name"}));
    // After a group: beside it, ahead of the entries that follow it.
    Editor().SelectObjectNode(Node({1}));
    Editor().Execute(TActionId::PasteAction);
    EXPECT_EQ(Captions(nullptr),
              (std::vector<std::string>{"Menu Options", "Menu group name", "Top", "B", "Top"}));
}

// Every file Tarvex saves opens again: a paste that would make the design outgrow what the readers
// take is refused before it happens, and a clipboard above that size is never parsed.
TEST_F(EditCommandsTest, APasteThatWouldOutgrowTheProjectFileIsRefusedWithAMessage) {
    TProject clip;
    TMenuItemRec item;
    FillDefaultMenuItem(item);
    item.Caption = std::string(250, 'c');
    item.Address = std::string(255, 'a');
    item.Hint = std::string(250, 'h');
    item.Target = std::string(250, 't');
    // A little over half of what a project may hold.
    while (ProjectTextBound(clip) < ProjectFileCeiling * 11 / 20) {
        for (int i = 0; i < 1000; ++i) {
            AppendItemNode(clip, nullptr, TNodeKind::MenuItem, item);
        }
    }
    m_ui.Clipboard = WriteProjectText(clip);
    Editor().Edit().ClipboardChanged();
    ASSERT_TRUE(Editor().ActionEnabled(TActionId::PasteAction));
    const int roots = Project().Objects.RootCount();

    Editor().Execute(TActionId::PasteAction);
    ASSERT_EQ(Project().Objects.RootCount(), roots + clip.Objects.RootCount());
    EXPECT_LE(WriteProjectText(Project()).size(), ProjectFileCeiling);
    EXPECT_TRUE(m_ui.TextsOf("Message").empty());

    // Twice would be more than a project may hold: refused, the design as it was.
    Editor().Execute(TActionId::PasteAction);
    EXPECT_EQ(Project().Objects.RootCount(), roots + clip.Objects.RootCount());
    EXPECT_EQ(Editor().UndoCaption(), "Undo Paste");
    ASSERT_EQ(m_ui.TextsOf("Message").size(), 1u);
    EXPECT_NE(m_ui.TextsOf("Message")[0].find("larger than 64 MB"), std::string::npos);

    Editor().UndoActionExecute();
    m_ui.Clipboard = std::string(ProjectFileCeiling + 1, ' ');
    Editor().Execute(TActionId::PasteAction);
    EXPECT_EQ(Project().Objects.RootCount(), roots);
    ASSERT_EQ(m_ui.TextsOf("Message").size(), 2u);
    EXPECT_NE(m_ui.TextsOf("Message")[1].find("clipboard holds more than 64 MB"), std::string::npos);
}

TEST_F(EditCommandsTest, FindMatchesAnyLetterCaseInAnyScriptAndFindNextGoesRound) {
    Editor().SelectObjectNode(Node({3}));
    Editor().SetRowValue(TValueEditorId::MenuItemValueEditor, "Caption",
                         "\xD0\x9C\xD0\xB5\xD0\xBD\xD1\x8E"); // Меню
    Editor().SelectObjectNode(Node({1}));
    Editor().Execute(TActionId::FindAction);
    EXPECT_EQ(m_ui.TextsOf("Find").size(), 1u);
    Editor().Edit().SetFindText("\xD0\x9C\xD0\x95\xD0\x9D"); // МЕН
    ASSERT_EQ(Editor().Edit().FindMatches(), (std::vector<TTreeNode*>{Node({3})}));
    Editor().Edit().SetFindText("MENU ITEM");
    ASSERT_EQ(Editor().Edit().FindMatches(), (std::vector<TTreeNode*>{Node({1, 1}), Node({2, 1})}));
    Editor().Execute(TActionId::FindNextAction);
    EXPECT_EQ(Editor().SelectedObject(), Node({1, 1}));
    Editor().Execute(TActionId::FindNextAction);
    EXPECT_EQ(Editor().SelectedObject(), Node({2, 1}));
    Editor().Execute(TActionId::FindNextAction);
    EXPECT_EQ(Editor().SelectedObject(), Node({1, 1}));
}

} // namespace
} // namespace tarvex::test
