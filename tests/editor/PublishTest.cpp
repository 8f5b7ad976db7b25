// Publishing the menu: the three files or the module, into a folder the author picks.

#include "EditorFixture.h"

#include "editor/SitePublisher.h"
#include "project/ProjectWriter.h"

#include <algorithm>
#include <functional>

namespace tarvex::test {
namespace {

const std::string ScriptLines = "<SCRIPT language=JavaScript src=\"one.js\"></SCRIPT>\r\n"
                                "<SCRIPT language=JavaScript src=\"menu.js\"></SCRIPT>\r\n"
                                "<SCRIPT language=JavaScript src=\"main.js\"></SCRIPT>\r\n";

std::string Closing(const std::string& name) {
    return "Files: one, main.js and " + name +
           " was saved. Go to help file to lern more about adding menu to your HTML files";
}

class PublishTest : public TEditorTest {
protected:
    std::filesystem::path Site() const { return Work() / "site"; }
    void SetUp() override {
        TEditorTest::SetUp();
        Start();
        m_ui.ClearCalls();
        std::filesystem::create_directories(Site());
        // A design visitors can use, so publishing asks nothing before the file dialog.
        Editor().EditDesign("Readable", [this] {
            TMenuStyleRec& style = Style(0)->EditStyle();
            style.MouseOffBackground = "FFFFFF";
            style.MouseOnBackground = "000080";
            style.FontSize = 14;
            style.MenuItemPadding = 6;
            Node({1})->EditItem().Address = "products.htm";
            Node({1, 1})->EditItem().Address = "prices.htm";
        });
        Editor().Preview().UpdatePreviewActionExecute();
        ASSERT_EQ(CountErrors(Editor().Preview().Findings()), 0) << m_ui.TextsOf("Checks").back();
    }
    // `replaces` answers the replace questions, in the order they come.
    void Publish(const std::string& name, std::initializer_list<bool> replaces = {}) {
        m_ui.AnswerFile((Site() / name).string());
        for (bool replace : replaces) {
            m_ui.AnswerReplace(replace);
        }
        Editor().Preview().PublishActionExecute();
    }
    std::vector<std::string> SiteFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Site())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(PublishTest, AnEmptyFolderGetsTheEngineAndTheScriptUnderItsName) {
    Editor().SelectObjectNode(Node({1, 1}));
    Editor().SetRowValue(TValueEditorId::MenuItemValueEditor, "Caption", "Fresh");
    m_ui.ClearCalls();
    Publish("mymenu.js");

    const auto dialog = m_ui.CallsOf("Save").at(0).Request;
    EXPECT_EQ(dialog.DialogName, "PublishDialog");
    EXPECT_EQ(dialog.Title.English(), "Publish menu");
    EXPECT_EQ(dialog.Filter, "JavaScript files (js)|*.js|All files|*.*");
    EXPECT_EQ(m_ui.TextsOf("Output"), std::vector<std::string>{"classic"});
    EXPECT_EQ(dialog.DefaultExt, "js");
    EXPECT_EQ(SiteFiles(), (std::vector<std::string>{"main.js", "mymenu.js", "one.js"}));
    // Publishing commits the pending edit first, and shows the preview once.
    EXPECT_NE(ReadText(Site() / "mymenu.js").find("Fresh"), std::string::npos);
    EXPECT_EQ(m_ui.CallsOf("Navigate").size(), 1u);
    EXPECT_EQ(ReadText(Site() / "mymenu.js"), ReadText(Temp() / "menu.js"));
    EXPECT_EQ(ReadText(Site() / "one.js"), "// one\r\n");
    const auto closing = m_ui.CallsOf("Message").back();
    EXPECT_EQ(closing.Text, Closing("mymenu.js"));
    EXPECT_EQ(closing.Caption, "Warning");
    EXPECT_EQ(closing.Icon, TMsgIcon::Information);
    EXPECT_EQ(m_ui.TextsOf("Busy"), (std::vector<std::string>{"on", "off"}));
    EXPECT_TRUE(m_ui.CallsOf("Replace").empty());
}

// The module is chosen plainly, goes into a folder the author picks, and is what this project is
// offered next time; another project is offered the classic files.
TEST_F(PublishTest, TheModuleIsAChoiceKeptWithTheProject) {
    m_ui.AnswerFile((Work() / "shop.xml").string());
    Editor().Files().SaveAsActionExecute();
    m_ui.AnswerOutput(TMenuOutput::Module);
    m_ui.AnswerFile(Site().string());
    Editor().Preview().PublishActionExecute();
    EXPECT_EQ(m_ui.CallsOf("ChooseFolder").at(0).Text, Work().string());
    EXPECT_EQ(m_ui.CallsOf("Save").size(), 1u); // the Save as alone
    EXPECT_EQ(SiteFiles(), (std::vector<std::string>{"tarvex-menu.css", "tarvex-menu.js"}));
    EXPECT_EQ(Editor().Preview().PublishOutputOf((Work() / "shop.xml").string()), TMenuOutput::Module);
    EXPECT_EQ(Editor().Preview().PublishOutputOf((Work() / "other.xml").string()), TMenuOutput::Classic);
    m_ui.AnswerOutput(std::nullopt);
    Editor().Preview().PublishActionExecute();
    EXPECT_EQ(m_ui.TextsOf("Output"), (std::vector<std::string>{"classic", "module"}));
    const std::string module = ReadText(Site() / "tarvex-menu.js");
    EXPECT_NE(module.find("// one\r\n"), std::string::npos);
    EXPECT_NE(module.find("addmenu(menu=[\"mainmenu\""), std::string::npos);
    EXPECT_EQ(m_ui.CallsOf("Message").back().Text.find("Files: tarvex-menu.js and tarvex-menu.css was saved"),
              0u);
}

TEST_F(PublishTest, ExistingFilesAreReplacedOnlyWhenConfirmed) {
    WriteText(Site() / "one.js", "old one");
    WriteText(Site() / "main.js", "old main");
    WriteText(Site() / "menu.js", "someone else's menu");
    WriteText(Site() / "mymenu.js", "old script");

    Publish("mymenu.js", {false, true, false});
    EXPECT_EQ(m_ui.TextsOf("Replace"),
              (std::vector<std::string>{(Site() / "one.js").string(), (Site() / "main.js").string(),
                                        (Site() / "mymenu.js").string()}));
    EXPECT_EQ(ReadText(Site() / "one.js"), "old one");
    EXPECT_EQ(ReadText(Site() / "main.js"), "// main\r\n");
    EXPECT_EQ(ReadText(Site() / "mymenu.js"), "old script");
    // A menu.js nobody chose is neither asked about nor touched.
    EXPECT_EQ(ReadText(Site() / "menu.js"), "someone else's menu");
    // Not "was saved": the report says which files are new and which were kept.
    EXPECT_EQ(m_ui.TextsOf("Message").back(), "Not all files were published to the folder " +
                                                  Site().string() +
                                                  ".\nWritten: main.js.\nKept as they were, as you chose: "
                                                  "one.js, mymenu.js.");
    EXPECT_EQ(m_ui.CallsOf("Message").back().Caption, "Warning");

    Publish("mymenu.js", {true, true, true});
    EXPECT_EQ(ReadText(Site() / "mymenu.js"), ReadText(Temp() / "menu.js"));
    EXPECT_EQ(ReadText(Site() / "one.js"), "// one\r\n");
    // The dialog offers the name chosen last.
    EXPECT_EQ(m_ui.CallsOf("Save").at(1).Request.InitialName, (Site() / "mymenu.js").string());
}

TEST_F(PublishTest, TheNameMenuJsOrAnEngineFileNameIsAskedAboutOnce) {
    Publish("menu.js");
    EXPECT_EQ(SiteFiles(), (std::vector<std::string>{"main.js", "menu.js", "one.js"}));
    EXPECT_EQ(m_ui.TextsOf("Message").back(), Closing("menu.js"));

    m_ui.ClearCalls();
    Publish("one.js", {true, true});
    EXPECT_EQ(m_ui.TextsOf("Replace"),
              (std::vector<std::string>{(Site() / "main.js").string(), (Site() / "one.js").string()}));
    EXPECT_EQ(ReadText(Site() / "one.js"), ReadText(Temp() / "menu.js"));
    EXPECT_EQ(m_ui.TextsOf("Message").back(), Closing("one.js"));

    Publish("main.js", {false, false});
    EXPECT_EQ(ReadText(Site() / "main.js"), "// main\r\n");
    EXPECT_NE(m_ui.TextsOf("Message").back(), Closing("main.js"));
}

TEST_F(PublishTest, ADesignWithErrorsIsPublishedOnlyWhenTheAuthorSaysSoOnce) {
    Editor().EditDesign("Pale", [this] { Style(0)->EditStyle().MouseOffFont = "EEEEEE"; });
    m_ui.ClearCalls();
    m_ui.AnswerMessage(TMsgResult::No);
    Editor().Preview().PublishActionExecute();
    ASSERT_EQ(m_ui.CallsOf("Message").size(), 1u);
    const auto question = m_ui.CallsOf("Message").front();
    EXPECT_EQ(question.Buttons, TMsgButtons::YesNo);
    EXPECT_EQ(question.Text.find("The menu has 1 problem that visitors will meet:\nStyle \""), 0u)
        << question.Text;
    EXPECT_TRUE(question.Text.ends_with("\n\nPublish anyway?"));
    EXPECT_TRUE(m_ui.CallsOf("Save").empty());
    EXPECT_TRUE(SiteFiles().empty());

    m_ui.AnswerMessage(TMsgResult::Yes);
    Publish("mymenu.js");
    EXPECT_EQ(SiteFiles(), (std::vector<std::string>{"main.js", "mymenu.js", "one.js"}));
    EXPECT_EQ(m_ui.TextsOf("Message").back(), Closing("mymenu.js"));
}

TEST_F(PublishTest, ANameWithoutExtensionGetsJsAndCancelStopsAfterTheRefresh) {
    Publish("mymenu");
    EXPECT_EQ(SiteFiles(), (std::vector<std::string>{"main.js", "mymenu.js", "one.js"}));
    EXPECT_EQ(m_ui.TextsOf("Message").back(), Closing("mymenu.js"));

    m_ui.ClearCalls();
    m_ui.AnswerFile(std::nullopt);
    Editor().Preview().PublishActionExecute();
    EXPECT_EQ(m_ui.CallsOf("Navigate").size(), 1u);
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());
}

TEST_F(PublishTest, ACopyFailureIsReportedInsteadOfTheClosingMessage) {
    std::filesystem::remove(Temp() / "main.js");
    Publish("mymenu.js");
    EXPECT_EQ(SiteFiles(), (std::vector<std::string>{"mymenu.js", "one.js"}));
    const auto report = m_ui.CallsOf("Message").back();
    EXPECT_EQ(report.Caption, "Error");
    EXPECT_EQ(report.Text, "Not all files were published to the folder " + Site().string() +
                               ".\nWritten: one.js, mymenu.js.\nCannot read file " +
                               (Temp() / "main.js").string() + ".");
}

TEST_F(PublishTest, ADesignTheGeneratorRefusesPublishesNothing) {
    // menu.js of an earlier design is still in the temp folder: it must not go out.
    Editor().SetActivePage(TControlsPage::MenuStyles);
    Editor().SelectStyleNode(Style(0));
    m_ui.AnswerMessage(TMsgResult::Ok);
    Editor().Styles().DelStyleActionExecute();
    ASSERT_EQ(Project().Styles.RootCount(), 0);
    m_ui.ClearCalls();

    Editor().Preview().PublishActionExecute();
    EXPECT_TRUE(m_ui.CallsOf("Save").empty());
    EXPECT_TRUE(SiteFiles().empty());
}

TEST_F(PublishTest, AScriptThatCannotBeWrittenEndsPublishBeforeTheDialog) {
    std::filesystem::remove(Temp() / "menu.js");
    std::filesystem::create_directory(Temp() / "menu.js");
    Editor().Preview().PublishActionExecute();
    EXPECT_EQ(m_ui.CallsOf("Error").size(), 1u);
    EXPECT_TRUE(m_ui.CallsOf("Save").empty());
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());
    EXPECT_TRUE(SiteFiles().empty());
}

TEST_F(PublishTest, ServersNamedForTheSiteAreKeptWithTheProjectOutsideTheUndoHistory) {
    const TPublishTarget live{"Live", "sftp://author@example.com/var/www", "", TPublishKind::Module, "", "",
                              ""};
    std::vector<std::string> sent;
    m_ui.OnPublishToSite = [&](TSitePublisher& publisher) {
        publisher.SetTargets({live});
        std::variant<TSiteJob, TUiText> job = publisher.Prepare(live, "", false);
        ASSERT_TRUE(std::holds_alternative<TSiteJob>(job)) << std::get<TUiText>(job).English();
        for (const TSiteFile& file : std::get<TSiteJob>(job).Files) {
            sent.push_back(file.Name);
        }
    };
    Editor().Preview().PublishToSiteActionExecute();
    EXPECT_EQ(sent, (std::vector<std::string>{"tarvex-menu.js", "tarvex-menu.css"}));
    EXPECT_TRUE(Editor().Document().Modified());
    // Undo takes back the last edit of the menu, not where the menu goes.
    EXPECT_TRUE(Editor().Document().Undo());
    EXPECT_EQ(Editor().Project().Targets, TPublishTargets{live});
    EXPECT_TRUE(Editor().Document().Modified());

    m_ui.AnswerFile((Work() / "site.xml").string());
    ASSERT_TRUE(Editor().Files().SaveAsActionExecute());
    m_ui.AnswerStyle(0);
    Editor().Files().NewActionExecute();
    EXPECT_TRUE(Editor().Project().Targets.empty());
    Editor().Files().OpenProjectFile((Work() / "site.xml").string(), false);
    EXPECT_EQ(Editor().Project().Targets, TPublishTargets{live});
}

} // namespace
} // namespace tarvex::test
