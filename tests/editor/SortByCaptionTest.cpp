// Sort by caption: the level it sorts, the Menu Options node, one step that undo takes back.

#include "EditorFixture.h"

#include "editor/CommandTable.h"

namespace tarvex::test {
namespace {

class SortByCaptionTest : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        Start();
    }
    TTreeNode* Add(bool group, const std::string& caption) {
        m_ui.AnswerInput(caption);
        if (group) {
            Editor().Objects().NewGroupActionExecute();
        } else {
            Editor().Objects().NewMenuItemActionExecute();
        }
        return Editor().SelectedObject();
    }
    std::vector<std::string> Captions(const TTreeNode* parent) {
        std::vector<std::string> captions;
        for (const TTreeNode& node : Project().Objects.Level(parent)) {
            captions.push_back(node.IsOptions() ? "(options)" : node.Item().Caption.str());
        }
        return captions;
    }
};

TEST_F(SortByCaptionTest, SortsTheSelectedGroupOrTheMainMenuInOneStep) {
    TTreeNode* group = Node({1});
    Editor().SelectObjectNode(group);
    Add(false, "Zeta");
    Add(false, "alpha");
    // Main-menu entries of both kinds; "Menu Options" sorted as a caption would land mid-list.
    Editor().SelectObjectNode(Node({0}));
    Add(true, "banana");
    Add(true, "Apple");
    Editor().SelectObjectNode(Node({0}));
    TTreeNode* cherry = Add(false, "cherry");
    const std::vector<std::string> mainBefore = Captions(nullptr);
    ASSERT_EQ(mainBefore,
              (std::vector<std::string>{"(options)", "Menu group name", "banana", "Apple", "cherry"}));

    struct TCase {
        const char* Name;
        TTreeNode* Selected;
        const TTreeNode* Sorted;
        std::vector<std::string> Expected;
    };
    const std::vector<TCase> cases = {
        {"a group selected: its entries", group, group, {"(options)", "alpha", "Menu item name", "Zeta"}},
        {"a main-menu item selected: the main menu",
         cherry,
         nullptr,
         {"(options)", "Apple", "banana", "cherry", "Menu group name"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Editor().SelectObjectNode(c.Selected);
        const std::vector<std::string> before = Captions(c.Sorted);
        const std::vector<std::string> otherLevel = Captions(c.Sorted ? nullptr : group);
        ASSERT_TRUE(Editor().ActionEnabled(TActionId::SortByCaptionAction));
        m_ui.ClearCalls();

        Editor().Execute(TActionId::SortByCaptionAction);

        EXPECT_EQ(Captions(c.Sorted), c.Expected);
        EXPECT_EQ(Captions(c.Sorted ? nullptr : group), otherLevel);
        EXPECT_EQ(Editor().SelectedObject(), c.Selected);
        EXPECT_EQ(m_ui.CallsOf("Navigate").size(), 1u) << "the preview follows once";
        EXPECT_EQ(Editor().UndoCaption(), "Undo Sort by Caption");

        Editor().UndoActionExecute();
        EXPECT_EQ(Captions(c.Sorted), before);
    }
}

} // namespace
} // namespace tarvex::test
