// Start-up, New, Open, Save and the close question, driven through the editor.

#include "LifecycleFixture.h"

#include "project/ProjectWriter.h"

#include <functional>

namespace tarvex::test {
namespace {

TEST_F(LifecycleTest, StartUpOffersTheFavouritesAndBuildsTheDefaultProject) {
    Start(0);

    const auto dialogs = m_ui.CallsOf("Style");
    ASSERT_EQ(dialogs.size(), 1u);
    ASSERT_EQ(dialogs[0].Entries.size(), 2u);
    EXPECT_EQ(dialogs[0].Entries[0].Name, "Blue");
    EXPECT_EQ(dialogs[0].Entries[1].PreviewPath, (App() / "Favorites" / "Grey.bmp").string());

    ASSERT_EQ(Project().Styles.RootCount(), 1);
    EXPECT_EQ(Style(0)->Text(), "Blue");
    EXPECT_EQ(Style(0)->Style().MouseOffBackground, "0000FF");
    ASSERT_NE(Node({1, 0}), nullptr);
    EXPECT_EQ(Node({0})->Options().MenuStyle, "Blue");
    EXPECT_EQ(Node({1, 0})->Options().MenuStyle, "Blue");
    EXPECT_EQ(Node({1})->Text(), "Menu group name");
    EXPECT_EQ(Node({1, 1})->Text(), "Menu item name");

    EXPECT_TRUE(Editor().ActionEnabled(TActionId::SaveAction));
    EXPECT_FALSE(Editor().ActionEnabled(TActionId::NewMenuItemAction));
    EXPECT_FALSE(Editor().ActionEnabled(TActionId::acHelpGroup));
    EXPECT_TRUE(Editor().ActionEnabled(TActionId::NewGroupAction));
    EXPECT_FALSE(Editor().ActionEnabled(TActionId::DelStyleAction));
    EXPECT_FALSE(Editor().TreeUpdateGuard());
    EXPECT_EQ(Editor().SelectedObject(), nullptr);
    EXPECT_TRUE(Editor().ProjectFileName().empty());

    EXPECT_NE(ReadText(Temp() / "menu.js").find("dumpmenus()"), std::string::npos);
    const auto navigations = m_ui.TextsOf("Navigate");
    ASSERT_GE(navigations.size(), 2u);
    EXPECT_EQ(navigations.front(), (Temp() / "preview.htm").string());
    EXPECT_EQ(m_ui.TextsOf("Help").back(), (App() / "help" / "online" / "menu.htm").string());
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());
}

TEST_F(LifecycleTest, StartUpWithoutAFavouriteSaysSoOnceAndShowsNoEarlierMenu) {
    // What an earlier run left behind must not pass for this design's menu.
    WriteText(Temp() / "menu.js", "// earlier run\r\ndumpmenus()\r\n");
    Start(std::nullopt);

    EXPECT_EQ(Project().Styles.RootCount(), 0);
    EXPECT_TRUE(Node({0})->Options().MenuStyle.empty());
    EXPECT_TRUE(Node({1, 0})->Options().MenuStyle.empty());
    EXPECT_EQ(MessagesWithCaption("Warning!"),
              std::vector<std::string>{"Project can not be compiled. You don't have menu styles"});
    EXPECT_FALSE(std::filesystem::exists(Temp() / "menu.js"));
    EXPECT_FALSE(m_ui.TextsOf("Navigate").empty());

    // Moving about the design repeats nothing; asking for the preview does.
    Editor().SelectObjectNode(Node({1}));
    Editor().SelectObjectNode(Node({0}));
    EXPECT_EQ(MessagesWithCaption("Warning!").size(), 1u);
    Editor().Preview().UpdatePreviewActionExecute();
    EXPECT_EQ(MessagesWithCaption("Warning!").size(), 2u);
}

// After Cancel at the Style template the preview says where styles are made, and making one
// works from the page the author is on.
TEST_F(LifecycleTest, AfterCancelThePreviewSaysHowToGetAStyleAndNewStyleWorksFromEitherPage) {
    struct TNotes : TEditorListener {
        std::vector<std::string> Shown;
        void PreviewNoteChanged(const TUiText& note) override { Shown.push_back(note.English()); }
    } notes;
    Editor().AddListener(&notes);
    Start(std::nullopt);
    EXPECT_EQ(notes.Shown, std::vector<std::string>{TPreviewCommands::NoStyleNote});
    ASSERT_EQ(Editor().ActivePage(), TControlsPage::MenuCreator);
    EXPECT_TRUE(Editor().ActionEnabled(TActionId::StyleTemplateAction));
    ASSERT_TRUE(Editor().ActionEnabled(TActionId::NewStyleAction));

    m_ui.AnswerInput("Mine");
    Editor().Execute(TActionId::NewStyleAction);
    EXPECT_EQ(Editor().ActivePage(), TControlsPage::MenuStyles);
    ASSERT_EQ(Project().Styles.RootCount(), 1);
    EXPECT_EQ(Editor().SelectedStyle(), Style(0));
    // The first style is every menu's at once: the preview shows the menu, and the note goes.
    EXPECT_EQ(notes.Shown.back(), "");
    EXPECT_EQ(Node({0})->Options().MenuStyle, "Mine");
    EXPECT_TRUE(std::filesystem::exists(Temp() / "menu.js"));
    Editor().RemoveListener(&notes);
}

TEST_F(LifecycleTest, NewAsksOnlyAfterAChangeAndCancelKeepsTheProject) {
    Start();
    AddGroup("Extra");
    ASSERT_TRUE(HasRoot("Extra"));
    m_ui.ClearCalls();

    m_ui.AnswerMessage(TMsgResult::Cancel);
    Editor().Files().NewActionExecute();
    const auto questions = m_ui.CallsOf("Message");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].Text, SaveQuestion);
    EXPECT_EQ(questions[0].Caption, "Confirm");
    EXPECT_EQ(questions[0].Icon, TMsgIcon::Question);
    EXPECT_EQ(questions[0].Buttons, TMsgButtons::YesNoCancel);
    EXPECT_TRUE(HasRoot("Extra"));
    EXPECT_TRUE(m_ui.CallsOf("Style").empty());

    m_ui.AnswerMessage(TMsgResult::No);
    m_ui.AnswerStyle(1);
    Editor().Files().NewActionExecute();
    EXPECT_FALSE(HasRoot("Extra"));
    EXPECT_EQ(Style(0)->Text(), "Grey");

    // Nothing was edited since: no question. A change undone is no change either.
    m_ui.ClearCalls();
    m_ui.AnswerStyle(0);
    Editor().Files().NewActionExecute();
    AddGroup("Undone");
    Editor().UndoActionExecute();
    m_ui.AnswerStyle(0);
    Editor().Files().NewActionExecute();
    EXPECT_TRUE(m_ui.TextsOf("Message").empty());

    // Behind the Style template the design stays as it was, whatever the answer, and behind no box
    // of New (the note of a design without styles after Cancel) does an untouched design show "*".
    for (const std::optional<int> answer : {std::optional<int>(0), std::optional<int>()}) {
        const TTreeNode* before = Style(0);
        m_ui.ClearCalls();
        m_ui.WhileShown = [&] {
            EXPECT_EQ(Editor().WindowTitle().English().find('*'), std::string::npos)
                << Editor().WindowTitle().English();
            if (m_ui.Calls.back().Kind == "Style") {
                EXPECT_EQ(Style(0), before);
            }
        };
        m_ui.AnswerStyle(answer);
        Editor().Files().NewActionExecute();
        m_ui.WhileShown = nullptr;
        EXPECT_EQ(m_ui.TextsOf("Message").size(), answer ? 0u : 1u);
        EXPECT_EQ(Editor().WindowTitle().English().find('*'), std::string::npos) << answer.has_value();
    }
}

TEST_F(LifecycleTest, YesAtOpenSavesTheCurrentProjectToItsOwnFileNotTheOneBeingOpened) {
    Start();
    SaveAs(Work() / "a");
    const std::filesystem::path a = Work() / "a.xml";
    ASSERT_EQ(Editor().ProjectFileName(), a.string());
    const std::string savedA = ReadText(a);
    AddGroup("Second");
    SaveAs(Work() / "b.xml");
    AddGroup("Third");

    m_ui.AnswerFile(a.string());
    m_ui.AnswerMessage(TMsgResult::Yes);
    Editor().Files().OpenActionExecute();

    EXPECT_NE(ReadText(Work() / "b.xml").find("Third"), std::string::npos);
    EXPECT_EQ(ReadText(a), savedA);
    EXPECT_EQ(Editor().ProjectFileName(), a.string());
    EXPECT_FALSE(HasRoot("Second"));
    EXPECT_EQ(Project().Styles.RootCount(), 1);
    // a.xml was listed already, so it keeps its place below b.xml.
    const std::vector<std::string> recent = {(Work() / "b.xml").string(), a.string()};
    EXPECT_EQ(Editor().Files().RecentFiles().Paths(), recent);
    // The loaded project's "Menu Style" choices come from its own style list.
    const TValueRow* styleRow =
        Editor().Objects().MenuValueList().Row(Editor().Objects().MenuValueList().FindRow("Menu Style"));
    EXPECT_EQ(styleRow->PickList, std::vector<std::string>{"Blue"});
}

TEST_F(LifecycleTest, OpenOfAnUnreadableFileOrACancelledQuestionChangesNothing) {
    Start();
    SaveAs(Work() / "a.xml");
    AddGroup("Extra");

    const std::string missing = (Work() / "missing.xml").string();
    m_ui.AnswerFile(missing);
    Editor().Files().OpenActionExecute();
    const auto errors = m_ui.CallsOf("Message");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].Text, "Can't read file " + missing + "!");
    EXPECT_EQ(errors[0].Caption, "Error");

    m_ui.AnswerFile((Work() / "a.xml").string());
    m_ui.AnswerMessage(TMsgResult::Cancel);
    Editor().Files().OpenActionExecute();

    EXPECT_TRUE(HasRoot("Extra"));
    EXPECT_EQ(Editor().ProjectFileName(), (Work() / "a.xml").string());
    EXPECT_EQ(Editor().Files().RecentFiles().Paths().size(), 1u);
    EXPECT_FALSE(Editor().TreeUpdateGuard());
}

TEST_F(LifecycleTest, AFileThatHoldsNoProjectIsNotOpenedAndALoneCrProjectIs) {
    Start();
    SaveAs(Work() / "a.xml");
    AddGroup("Extra");
    const std::string notes = "Dear diary,\r\n<p>not a menu</p>\r\n";
    WriteText(Work() / "notes.txt", notes);

    m_ui.AnswerFile((Work() / "notes.txt").string());
    Editor().Files().OpenActionExecute();
    EXPECT_EQ(MessagesWithCaption("Error"),
              std::vector<std::string>{"The file " + (Work() / "notes.txt").string() +
                                       " is not a Tarvex project!"});
    EXPECT_TRUE(HasRoot("Extra"));
    EXPECT_EQ(Editor().ProjectFileName(), (Work() / "a.xml").string());
    EXPECT_EQ(Editor().Files().RecentFiles().Paths().size(), 1u);
    EXPECT_EQ(ReadText(Work() / "notes.txt"), notes);

    // A project whose lines end with a lone CR opens with its content.
    Editor().Files().SaveActionExecute();
    std::string crOnly = ReadText(Work() / "a.xml");
    std::erase(crOnly, '\n');
    WriteText(Work() / "cr.xml", crOnly);
    m_ui.AnswerFile((Work() / "cr.xml").string());
    Editor().Files().OpenActionExecute();
    EXPECT_TRUE(HasRoot("Extra"));
    EXPECT_EQ(Editor().ProjectFileName(), (Work() / "cr.xml").string());
}

TEST_F(LifecycleTest, EveryCommandThatWritesTheDesignFirstCommitsWhatIsTyped) {
    const std::filesystem::path file = Work() / "typed.xml";
    const std::vector<std::pair<std::string, std::function<void()>>> commands = {
        {"Save", [&] { Editor().Files().SaveActionExecute(); }},
        {"Save as", [&] { SaveAs(file); }},
        {"Yes at New",
         [&] {
             m_ui.AnswerMessage(TMsgResult::Yes);
             m_ui.AnswerStyle(std::nullopt);
             Editor().Files().NewActionExecute();
         }},
        {"Yes at Open",
         [&] {
             m_ui.AnswerFile((Work() / "other.xml").string());
             m_ui.AnswerMessage(TMsgResult::Yes);
             Editor().Files().OpenActionExecute();
         }},
        {"Yes at close",
         [&] {
             m_ui.AnswerMessage(TMsgResult::Yes);
             Editor().FormCloseQuery();
         }},
    };
    for (const auto& [name, run] : commands) {
        Restart();
        Start();
        SaveAs(Work() / "other.xml");
        SaveAs(file);
        // Typed into both editors, a cell still open in each: nothing has left the nodes yet.
        Editor().SelectObjectNode(Node({1}));
        Editor().SetRowValue(TValueEditorId::MenuItemValueEditor, "Caption", "Typed\r\ncaption");
        Editor().SetRowValue(TValueEditorId::MenuItemValueEditor, "Address", "http://typed.example/");
        Editor().SetActivePage(TControlsPage::MenuStyles);
        Editor().SelectStyleNode(Style(0));
        Editor().SetRowValue(TValueEditorId::MenuStyleValueEditor, "Font Name", "Typed font");
        TTreeNode* selected = Editor().SelectedObject();
        m_ui.ClearCalls();

        run();
        const std::string saved = ReadText(file);
        EXPECT_NE(
            saved.find(
                "<Caption>Typed caption</Caption>\r\n<Image></Image>\r\n<Address>http://typed.example/"),
            std::string::npos)
            << name;
        EXPECT_NE(saved.find("<FontName>Typed font</FontName>"), std::string::npos) << name;
        if (name == "Save" || name == "Save as" || name == "Yes at close") {
            EXPECT_EQ(Editor().SelectedObject(), selected) << name;
            EXPECT_TRUE(m_ui.CallsOf("Navigate").empty()) << name;
        }
    }
}

TEST_F(LifecycleTest, LineBreaksInNamesBecomeSpacesAndLongStyleNamesAreCut) {
    Start();
    AddGroup("Two\nlines");
    EXPECT_TRUE(HasRoot("Two lines"));
    Editor().SetActivePage(TControlsPage::MenuStyles);
    const std::string longName(300, 'S');
    m_ui.AnswerInput(longName);
    Editor().Styles().NewStyleActionExecute();
    ASSERT_EQ(Project().Styles.RootCount(), 2);
    EXPECT_EQ(Style(1)->Text(), longName.substr(0, 255));

    // A menu that names the long style finds it: no warning on every selection change.
    Editor().SetActivePage(TControlsPage::MenuCreator);
    Editor().SelectObjectNode(Node({0}));
    Editor().SetRowValue(TValueEditorId::MenuValueList, "Menu Style", longName);
    m_ui.ClearCalls();
    Editor().SelectObjectNode(Node({1}));
    Editor().SelectObjectNode(Node({0}));
    EXPECT_TRUE(MessagesWithCaption("Warning!").empty());
    EXPECT_EQ(Node({0})->Options().MenuStyle.str(), longName.substr(0, 255));

    Editor().SetActivePage(TControlsPage::MenuStyles);
    Editor().SelectStyleNode(Style(0));
    m_ui.AnswerInput("Fav\r\nourite");
    Editor().Favorites().AddToFavoritesActionExecute();
    EXPECT_EQ(Editor().Favorites().FavoriteStyles().back().Name, "Fav ourite");
}

TEST_F(LifecycleTest, CloseQueryAnswers) {
    Start();
    // Nothing changed since the start: no question.
    EXPECT_TRUE(Editor().FormCloseQuery());
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());
    AddGroup("Extra");
    m_ui.AnswerMessage(TMsgResult::Cancel);
    EXPECT_FALSE(Editor().FormCloseQuery());
    m_ui.AnswerMessage(TMsgResult::No);
    EXPECT_TRUE(Editor().FormCloseQuery());
    m_ui.AnswerMessage(TMsgResult::Yes);
    m_ui.AnswerFile((Work() / "closed.xml").string());
    EXPECT_TRUE(Editor().FormCloseQuery());
    EXPECT_TRUE(std::filesystem::exists(Work() / "closed.xml"));
    EXPECT_EQ(m_ui.TextsOf("Message").size(), 3u);

    Editor().Files().ExitActionExecute();
    EXPECT_EQ(m_ui.CallsOf("Close").size(), 1u);
}

TEST_F(LifecycleTest, SaveFailuresAreReportedAndSaveAsKeepsTheName) {
    Start();
    const std::filesystem::path readOnly = Work() / "ro.xml";
    WriteText(readOnly, "old");
    std::filesystem::permissions(readOnly,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read);

    SaveAs(readOnly);
    EXPECT_EQ(MessagesWithCaption("Error"),
              std::vector<std::string>{"Can't save read-only file " + readOnly.string() + "!"});
    EXPECT_EQ(ReadText(readOnly), "old");
    EXPECT_EQ(Editor().ProjectFileName(), readOnly.string());
    EXPECT_TRUE(Editor().Files().RecentFiles().Paths().empty());

    m_ui.ClearCalls();
    const std::filesystem::path nowhere = Work() / "no-such-folder" / "p.xml";
    SaveAs(nowhere);
    const std::string expected =
        "Unable to save " + nowhere.string() + " in the folder " + nowhere.parent_path().string() + "!";
    EXPECT_EQ(MessagesWithCaption("Error"), std::vector<std::string>{expected});
    EXPECT_EQ(Editor().ProjectFileName(), nowhere.string());

    // Save goes to the current name without a dialog once there is one.
    m_ui.ClearCalls();
    const std::filesystem::path good = Work() / "good.xml";
    SaveAs(good);
    Editor().Files().SaveActionExecute();
    EXPECT_EQ(m_ui.CallsOf("Save").size(), 1u);
    EXPECT_EQ(ReadText(good), WriteProjectText(Project()));
    EXPECT_EQ(Editor().Files().RecentFiles().Paths(), std::vector<std::string>{good.string()});
}

} // namespace
} // namespace tarvex::test
