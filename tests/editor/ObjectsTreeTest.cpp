// Editing the objects tree: commit and load across selection changes, and the commands.

#include "IntegerTextCases.h"
#include "ObjectsTreeFixture.h"

#include "editor/CommandTable.h"
#include "model/Records.h"

#include <climits>

namespace tarvex::test {
namespace {

TEST_F(ObjectsTreeTest, IntegerRowsTakeWholeDecimalNumbersOrTheRowDefault) {
    for (const TIntegerTextCase& c : IntegerTextCases) {
        Select(Node({0}));
        Type(Options, "Menu Width", std::string(c.Text));
        Select(Node({1}));
        EXPECT_EQ(Node({0})->Options().MenuWidth, c.PlusAllowed.value_or(100)) << '"' << c.Text << '"';
    }
    Select(Node({0}));
    Type(Options, "Menu Border", "");
    Type(Options, "Remain Visible", "x");
    Type(Options, "Menu Width", "abc");
    Select(Node({1}));
    EXPECT_EQ(Node({0})->Options().MenuBorder, 1);
    EXPECT_EQ(Node({0})->Options().RemainVisible, 100);
    Select(Node({0}));
    EXPECT_EQ(Row(Options, "Menu Width"), "100");
    EXPECT_EQ(Row(Options, "Menu Border"), "1");
}

TEST_F(ObjectsTreeTest, TextRowsAreCutToTheirFieldsWhileTheCaptionSetsTheWholeNodeText) {
    Select(Node({1, 1}));
    const std::string caption(300, 'c');
    Type(Item, "Caption", caption);
    Type(Item, "Hint", std::string(260, 'h'));
    Type(Item, "Address", std::string(300, 'a'));
    Type(Item, "Target", "_blank");
    Select(Node({1}));

    const TTreeNode* item = Node({1, 1});
    EXPECT_EQ(item->Text(), caption);
    EXPECT_EQ(item->Item().Caption.size(), 250u);
    EXPECT_EQ(item->Item().Hint.size(), 250u);
    EXPECT_EQ(item->Item().Address.size(), 255u);
    EXPECT_EQ(item->Item().Target, "_blank");

    Select(Node({0}));
    Type(Options, "Screen Position", std::string(60, 's'));
    Type(Options, "Menu opening", "on mouse click and then some");
    Select(Node({1}));
    EXPECT_EQ(Node({0})->Options().ScreenPosition.size(), 50u);
    EXPECT_EQ(Node({0})->Options().MenuOpening, "on mouse click and t");
}

// Typed into the caption row or the name prompt, an empty caption is refused with a message; the
// other rows typed with it are still taken.
TEST_F(ObjectsTreeTest, AnEmptyCaptionIsRefusedWhereItIsEntered) {
    Select(Node({1, 1}));
    Type(Item, "Caption", "   ");
    Type(Item, "Target", "_top");
    Select(Node({1}));
    EXPECT_EQ(Node({1, 1})->Text(), "Menu item name");
    EXPECT_EQ(Node({1, 1})->Item().Target, "_top");
    m_ui.AnswerInput(" ");
    Editor().Objects().NewGroupActionExecute();
    EXPECT_EQ(Project().Objects.RootCount(), 2);
    const auto messages = m_ui.CallsOf("Message");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].Text, "A menu entry needs a caption");
    EXPECT_EQ(messages[1].Caption, "Error");
}

TEST_F(ObjectsTreeTest, AConfirmedValueIsInTheRecordAndTheScriptAtOnce) {
    Select(Node({1, 1}));
    Type(Item, "Caption", "Renamed");
    EXPECT_EQ(Node({1, 1})->Item().Caption, "Renamed");
    EXPECT_NE(ReadText(Temp() / "menu.js").find("Renamed"), std::string::npos);

    // Cut at the capacity, and the editor shows what is stored.
    Type(Item, "Caption", std::string(260, 'r'));
    EXPECT_EQ(Node({1, 1})->Item().Caption.size(), 250u);
    EXPECT_EQ(Row(Item, "Caption"), std::string(250, 'r'));
    EXPECT_NE(ReadText(Temp() / "menu.js").find(std::string(250, 'r')), std::string::npos);
    EXPECT_EQ(Editor().SelectedObject(), Node({1, 1}));
}

TEST_F(ObjectsTreeTest, MovingAMenuMovesItsSubmenusByTheSameAmount) {
    // An invalid "Menu Left" counts as 100: the main menu moves from 40 by 60.
    Select(Node({0}));
    Type(Options, "Menu Left", "left");
    Select(Node({1}));
    EXPECT_EQ(Node({0})->Options().MenuLeft, 100);
    EXPECT_EQ(Node({1, 0})->Options().MenuLeft, 100);

    // A group inside the submenu: moving the submenu moves it, and nothing above.
    Select(Node({1, 1}));
    TTreeNode* inner = AddGroup("Inner");
    ASSERT_EQ(inner, Node({1, 2}));
    const int32_t innerLeft = Node({1, 2, 0})->Options().MenuLeft;
    const int32_t innerTop = Node({1, 2, 0})->Options().MenuTop;
    Select(Node({1, 0}));
    Type(Options, "Menu Left", std::to_string(Node({1, 0})->Options().MenuLeft + 50));
    Type(Options, "Menu Top", std::to_string(Node({1, 0})->Options().MenuTop - 5));
    Select(Node({0}));
    EXPECT_EQ(Node({1, 2, 0})->Options().MenuLeft, innerLeft + 50);
    EXPECT_EQ(Node({1, 2, 0})->Options().MenuTop, innerTop - 5);
    EXPECT_EQ(Node({0})->Options().MenuLeft, 100);
}

TEST_F(ObjectsTreeTest, OnlyTheMainMenusOrientationReLaysOutTheSubmenus) {
    TTreeNode* mainOptions = Node({0});
    Select(mainOptions);
    Type(Options, "Orientation", "Vertical");
    Select(Node({1}));
    EXPECT_EQ(Node({1, 0})->Options().MenuLeft, 190);
    EXPECT_EQ(Node({1, 0})->Options().MenuTop, 140);

    Select(mainOptions);
    Type(Options, "Orientation", "Horizontal");
    Select(Node({1}));
    EXPECT_EQ(Node({1, 0})->Options().MenuLeft, 40);
    EXPECT_EQ(Node({1, 0})->Options().MenuTop, 161);

    // Only the exact word selects the horizontal rule.
    Select(mainOptions);
    Type(Options, "Orientation", "vertical");
    Select(Node({1}));
    EXPECT_EQ(Node({1, 0})->Options().MenuLeft, 190);
    EXPECT_EQ(mainOptions->Options().Orientation, "vertical");

    // Re-selecting the same orientation keeps a hand-typed position.
    Select(Node({1, 0}));
    Type(Options, "Menu Left", "777");
    Select(mainOptions);
    Select(Node({1}));
    EXPECT_EQ(Node({1, 0})->Options().MenuLeft, 777);

    // A submenu's orientation moves nothing.
    Select(Node({1, 0}));
    Type(Options, "Orientation", "Horizontal");
    Select(Node({1}));
    EXPECT_EQ(Node({1, 0})->Options().MenuLeft, 777);
    EXPECT_EQ(Node({1, 0})->Options().Orientation, "Horizontal");
}

TEST_F(ObjectsTreeTest, AnOverLongOrientationCountsAsAChangeEvenWhenItsStoredPartIsUnchanged) {
    TTreeNode* mainOptions = Node({0});
    const std::string twenty = "Vertical layout here";
    ASSERT_EQ(twenty.size(), 20u);
    Select(mainOptions);
    Type(Options, "Orientation", twenty);
    Select(Node({1}));
    ASSERT_EQ(mainOptions->Options().Orientation.str(), twenty);
    ASSERT_EQ(Node({1, 0})->Options().MenuLeft, 190);

    Select(Node({1, 0}));
    Type(Options, "Menu Left", "777");
    Select(mainOptions);
    Type(Options, "Orientation", twenty + "!");
    Select(Node({1}));
    EXPECT_EQ(mainOptions->Options().Orientation.str(), twenty);
    EXPECT_EQ(Node({1, 0})->Options().MenuLeft, 190);
}

TEST_F(ObjectsTreeTest, NewMenuGroupGoesBesideTheSelectionAndIsSelected) {
    TRecordingListener listener;
    Editor().AddListener(&listener);
    Select(Node({1}));
    Type(Item, "Caption", "First group");
    TTreeNode* group = AddGroup("Caf\xC3\xA9");

    const auto prompts = m_ui.CallsOf("Input");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].Caption, "Create new group");
    EXPECT_EQ(prompts[0].Text, "Type new group name");
    EXPECT_EQ(prompts[0].Initial, "New group name");

    ASSERT_EQ(group, Node({2}));
    EXPECT_EQ(group->Text(), "Caf\xC3\xA9");
    EXPECT_EQ(group->Item().Caption, "Caf\xC3\xA9");
    EXPECT_TRUE(group->Item().Address.empty());
    ASSERT_EQ(group->ChildCount(), 2);
    EXPECT_TRUE(Node({2, 0})->IsOptions());
    EXPECT_EQ(Node({2, 0})->Options().MenuLeft, 191);
    EXPECT_EQ(Node({2, 0})->Options().MenuTop, 161);
    EXPECT_EQ(Node({2, 1})->Text(), "Menu item name");
    // The pending caption went into the group that was left; the new group is loaded.
    EXPECT_EQ(Node({1})->Text(), "First group");
    EXPECT_EQ(Row(Item, "Caption"), "Caf\xC3\xA9");
    EXPECT_EQ(listener.Selections.back(), group);
    EXPECT_FALSE(Editor().TreeUpdateGuard());
    EXPECT_TRUE(Editor().ActionEnabled(TActionId::DelGroupAction));

    m_ui.AnswerInput(std::nullopt);
    Editor().Objects().NewGroupActionExecute();
    EXPECT_EQ(Project().Objects.RootCount(), 3);
    Editor().RemoveListener(&listener);
}

TEST_F(ObjectsTreeTest, NewMenuItemGoesIntoTheSelectedGroupOrBesideAnythingElse) {
    Select(Node({1}));
    m_ui.AnswerInput("Inside");
    Editor().Objects().NewMenuItemActionExecute();
    const auto prompt = m_ui.CallsOf("Input").at(0);
    EXPECT_EQ(prompt.Caption, "Create new menu item");
    EXPECT_EQ(prompt.Text, "Type new menu item name");
    EXPECT_EQ(prompt.Initial, "New menu item name");
    ASSERT_EQ(Node({1})->ChildCount(), 3);
    EXPECT_EQ(Node({1, 2})->Text(), "Inside");
    EXPECT_EQ(Node({1, 2})->Item().Address, KorvaneHomePage);
    // The new item is selected, so the person goes on with it, and the preview shows it.
    EXPECT_EQ(Editor().SelectedObject(), Node({1, 2}));
    EXPECT_EQ(Row(Item, "Caption"), "Inside");

    Select(Node({0}));
    m_ui.AnswerInput("Main");
    Editor().Objects().NewMenuItemActionExecute();
    EXPECT_EQ(Node({2})->Text(), "Main");
    EXPECT_TRUE(Node({2})->IsItem());

    m_ui.AnswerInput(std::nullopt);
    Editor().Objects().NewMenuItemActionExecute();
    EXPECT_EQ(Project().Objects.RootCount(), 3);
}

TEST_F(ObjectsTreeTest, AGroupOnALevelWithoutMenuOptionsIsPlacedFromTheMainMenuDefaults) {
    // A hand-edited file without options and without styles: the generator repairs nothing.
    const std::filesystem::path file = Work() / "bare.xml";
    WriteText(file, "<MENU_ITEM>\r\n<Caption>Lonely</Caption>\r\n</MENU_ITEM>\r\n");
    m_ui.AnswerFile(file.string());
    Editor().Files().OpenActionExecute();
    ASSERT_EQ(Project().Objects.RootCount(), 1);

    ASSERT_EQ(FindMenuOptionsNodeOfLevel(Project().Objects, nullptr), nullptr);

    Select(Node({0}));
    AddGroup("A");
    TTreeNode* group = AddGroup("B");
    ASSERT_EQ(group, Node({2}));
    EXPECT_EQ(Node({1, 0})->Options().MenuLeft, 40);
    EXPECT_EQ(Node({2, 0})->Options().MenuLeft, 40 + 150 + 1);
    EXPECT_EQ(Node({2, 0})->Options().MenuTop, 140 + 1 + 20);
}

TEST_F(ObjectsTreeTest, DeletingAsksFirstAndNeverTouchesMenuOptions) {
    Select(Node({1, 1}));
    m_ui.AnswerMessage(TMsgResult::Cancel);
    Editor().Objects().DeleteMenuItemActionExecute();
    const auto question = m_ui.CallsOf("Message").at(0);
    EXPECT_EQ(question.Text, "Do you really want to delete \"Menu item name\" menu item?");
    EXPECT_EQ(question.Caption, "Warning");
    EXPECT_EQ(question.Icon, TMsgIcon::Information);
    EXPECT_EQ(question.Buttons, TMsgButtons::OkCancel);
    EXPECT_EQ(Node({1})->ChildCount(), 2);

    m_ui.AnswerMessage(TMsgResult::Ok);
    Editor().Objects().DeleteMenuItemActionExecute();
    EXPECT_EQ(Node({1})->ChildCount(), 1);
    // The selection falls back to a neighbour, which is loaded.
    EXPECT_EQ(Editor().SelectedObject(), Node({1, 0}));
    EXPECT_TRUE(Editor().Objects().MenuValueList().Enabled());

    // A Menu Options node cannot be deleted by either command.
    m_ui.ClearCalls();
    Editor().Objects().DeleteMenuItemActionExecute();
    Editor().Objects().DelGroupActionExecute();
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());

    Select(Node({1}));
    m_ui.AnswerMessage(TMsgResult::Ok);
    Editor().Objects().DelGroupActionExecute();
    EXPECT_EQ(m_ui.TextsOf("Message").back(), "Do you really want to delete \"Menu group name\" menu group?");
    EXPECT_EQ(Project().Objects.RootCount(), 1);
    EXPECT_EQ(Editor().SelectedObject(), Node({0}));
}

TEST_F(ObjectsTreeTest, TheDeleteKeyAndTheViewCannotLoseTheSelection) {
    // The key asks the command of the selected kind, with its question.
    Select(Node({1, 1}));
    m_ui.AnswerMessage(TMsgResult::Ok);
    Editor().Objects().DeleteSelectedObjectExecute();
    EXPECT_EQ(m_ui.TextsOf("Message").back(), "Do you really want to delete \"Menu item name\" menu item?");
    EXPECT_EQ(Node({1})->ChildCount(), 1);
    Select(Node({1}));
    m_ui.AnswerMessage(TMsgResult::Cancel);
    Editor().Objects().DeleteSelectedObjectExecute();
    EXPECT_EQ(m_ui.TextsOf("Message").back(), "Do you really want to delete \"Menu group name\" menu group?");
    EXPECT_EQ(Project().Objects.RootCount(), 2);
    m_ui.ClearCalls();
    Select(Node({0}));
    Editor().Objects().DeleteSelectedObjectExecute();
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());

    // A click on empty space or a Ctrl+click keeps the selection, and the view is told to show it.
    TRecordingListener listener;
    Editor().AddListener(&listener);
    Editor().SelectObjectNode(nullptr);
    EXPECT_EQ(Editor().SelectedObject(), Node({0}));
    ASSERT_FALSE(listener.Selections.empty());
    EXPECT_EQ(listener.Selections.back(), Node({0}));
    Editor().RemoveListener(&listener);

    // Drops the view refuses up front: a Menu Options node, a node onto itself or into its submenu.
    EXPECT_FALSE(Editor().Objects().ObjectsTreeViewMayDrop(TDragSource::ObjectsTreeView, Node({1})));
    Select(Node({1}));
    EXPECT_FALSE(Editor().Objects().ObjectsTreeViewMayDrop(TDragSource::ObjectsTreeView, Node({1})));
    EXPECT_FALSE(Editor().Objects().ObjectsTreeViewMayDrop(TDragSource::ObjectsTreeView, Node({1, 0})));
    EXPECT_FALSE(Editor().Objects().ObjectsTreeViewMayDrop(TDragSource::Other, Node({0})));
    EXPECT_TRUE(Editor().Objects().ObjectsTreeViewMayDrop(TDragSource::ObjectsTreeView, Node({0})));
    EXPECT_TRUE(Editor().Objects().ObjectsTreeViewMayDrop(TDragSource::ObjectsTreeView, nullptr));
}

TEST_F(ObjectsTreeTest, EnablingFollowsTheSelectionAndThePage) {
    EXPECT_FALSE(Editor().ActionEnabled(TActionId::NewMenuItemAction));
    Select(Node({1}));
    EXPECT_TRUE(Editor().ActionEnabled(TActionId::NewMenuItemAction));
    EXPECT_TRUE(Editor().ActionEnabled(TActionId::DelGroupAction));
    EXPECT_FALSE(Editor().ActionEnabled(TActionId::DeleteMenuItemAction));
    Select(Node({1, 1}));
    EXPECT_FALSE(Editor().ActionEnabled(TActionId::DelGroupAction));
    EXPECT_TRUE(Editor().ActionEnabled(TActionId::DeleteMenuItemAction));

    Editor().SetActivePage(TControlsPage::MenuStyles);
    for (TActionId off :
         {TActionId::NewGroupAction, TActionId::NewMenuItemAction, TActionId::ImportWinFavoritAction,
          TActionId::DeleteMenuItemAction, TActionId::DelGroupAction}) {
        EXPECT_FALSE(Editor().ActionEnabled(off)) << Command(off).Name;
    }
    for (TActionId on : {TActionId::NewStyleAction, TActionId::StyleTemplateAction, TActionId::DelStyleAction,
                         TActionId::AddToFavoritesAction}) {
        EXPECT_TRUE(Editor().ActionEnabled(on)) << Command(on).Name;
    }
    EXPECT_EQ(m_ui.TextsOf("Help").back(), (App() / "help" / "online" / "style.htm").string());

    Editor().SetActivePage(TControlsPage::MenuCreator);
    EXPECT_TRUE(Editor().ActionEnabled(TActionId::DeleteMenuItemAction));
    EXPECT_FALSE(Editor().ActionEnabled(TActionId::DelStyleAction));
    EXPECT_EQ(m_ui.TextsOf("Help").back(), (App() / "help" / "online" / "menu.htm").string());
}

TEST_F(ObjectsTreeTest, TheSelectedKindPicksTheEditorAndTheHelpPage) {
    Select(Node({0}));
    EXPECT_TRUE(Editor().Objects().MenuValueList().Visible());
    EXPECT_FALSE(Editor().Objects().MenuItemValueEditor().Visible());
    EXPECT_EQ(Row(Options, "Menu Left"), "40");
    Select(Node({1, 1}));
    EXPECT_FALSE(Editor().Objects().MenuValueList().Visible());
    EXPECT_TRUE(Editor().Objects().MenuItemValueEditor().Visible());
    const std::filesystem::path online = App() / "help" / "online";
    EXPECT_EQ(m_ui.TextsOf("Help"),
              (std::vector<std::string>{(online / "webmenu.htm").string(), (online / "menu.htm").string()}));
    // A selection change alone leaves the preview as it is: the design did not change.
    EXPECT_TRUE(m_ui.TextsOf("Navigate").empty());

    // New drops the confirmed values with the old project and leaves both editors empty and off.
    Type(Item, "Caption", "Lost");
    m_ui.AnswerMessage(TMsgResult::No);
    m_ui.AnswerStyle(0);
    Editor().Files().NewActionExecute();
    EXPECT_FALSE(Editor().Objects().MenuValueList().Enabled());
    EXPECT_FALSE(Editor().Objects().MenuItemValueEditor().Enabled());
    EXPECT_EQ(Row(Item, "Caption"), "");
    EXPECT_EQ(Node({1, 1})->Text(), "Menu item name");
}

TEST_F(ObjectsTreeTest, AStaleStyleNameInTheOptionsEditorFollowsTheGeneratorsRepair) {
    m_ui.AnswerInput("Red");
    Editor().Styles().NewStyleActionExecute();
    Select(Node({0}));
    Type(Options, "Menu Style", "Red");
    Editor().Preview().UpdatePreviewActionExecute();
    ASSERT_EQ(Node({0})->Options().MenuStyle, "Red");
    ASSERT_EQ(Row(Options, "Menu Style"), "Red");

    // Red goes while the options editor shows it; the refresh after the deletion repairs the
    // record, and the editor must not hand "Red" back at the next commit.
    Editor().SetActivePage(TControlsPage::MenuStyles);
    Editor().SelectStyleNode(Style(1));
    m_ui.ClearCalls();
    m_ui.AnswerMessage(TMsgResult::Ok);
    Editor().Styles().DelStyleActionExecute();
    EXPECT_EQ(MessagesWithCaption("Warning!"),
              std::vector<std::string>{
                  "Menu style in \"Main menu options\" object not found. Used first found menu style"});
    EXPECT_EQ(Node({0})->Options().MenuStyle, "Blue");
    EXPECT_EQ(Row(Options, "Menu Style"), "Blue");

    Editor().SetActivePage(TControlsPage::MenuCreator);
    Select(Node({1}));
    EXPECT_EQ(Node({0})->Options().MenuStyle, "Blue");
    EXPECT_EQ(MessagesWithCaption("Warning!").size(), 1u);
}

} // namespace
} // namespace tarvex::test
