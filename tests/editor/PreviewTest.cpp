// The preview page commands: the page shown, its refreshes and the Checks list.

#include "EditorFixture.h"

#include "project/ProjectWriter.h"

#include <algorithm>
#include <functional>

namespace tarvex::test {
namespace {

const std::string ScriptLines = "<SCRIPT language=JavaScript src=\"one.js\"></SCRIPT>\r\n"
                                "<SCRIPT language=JavaScript src=\"menu.js\"></SCRIPT>\r\n"
                                "<SCRIPT language=JavaScript src=\"main.js\"></SCRIPT>\r\n";

class PreviewTest : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        Start();
        m_ui.ClearCalls();
    }
    std::filesystem::path Preview() const { return Temp() / "preview.htm"; }
    void OpenPage(const std::filesystem::path& page) {
        m_ui.AnswerFile(page.string());
        Editor().Preview().OpenPreviewActionExecute();
    }
};

TEST_F(PreviewTest, AUsersPageGetsTheThreeScriptLinesAfterItsLastLine) {
    const std::filesystem::path page = Work() / "page.htm";
    WriteText(page, "<html>\n<body>\r\nhi</body></html>");
    OpenPage(page);
    const auto dialog = m_ui.CallsOf("Open").at(0).Request;
    EXPECT_EQ(dialog.DialogName, "OpenHTMLDialog");
    EXPECT_EQ(dialog.Filter, "HTML files|*.htm;*.html|All files|*.*");
    EXPECT_EQ(dialog.DefaultExt, "htm");
    EXPECT_EQ(dialog.InitialName, "");
    EXPECT_EQ(ReadText(Preview()), "<html>\r\n<body>\r\nhi</body></html>\r\n" + ScriptLines);
    EXPECT_EQ(m_ui.TextsOf("Navigate"), std::vector<std::string>{Preview().string()});

    // An empty page gives exactly the three lines; the dialog offers the page chosen last.
    const std::filesystem::path empty = Work() / "empty.htm";
    WriteText(empty, "");
    OpenPage(empty);
    EXPECT_EQ(m_ui.CallsOf("Open").at(1).Request.InitialName, page.string());
    EXPECT_EQ(ReadText(Preview()), ScriptLines);
}

TEST_F(PreviewTest, RefreshesKeepTheUsersPageUntilTheDefaultIsChosen) {
    const std::filesystem::path page = Work() / "mine.htm";
    WriteText(page, "mine\r\n");
    OpenPage(page);
    const std::string preview = ReadText(Preview());
    Editor().SelectObjectNode(Node({1}));
    Editor().Preview().UpdatePreviewActionExecute();
    EXPECT_EQ(ReadText(Preview()), preview);
    Restart();
    Start();
    EXPECT_EQ(ReadText(Preview()), preview);
    EXPECT_EQ(Editor().Preview().PreviewSite().AuthorPage(), std::filesystem::canonical(page))
        << "its folder stays readable";

    m_ui.ClearCalls();
    Editor().Preview().DefaultPreviewActionExecute();
    EXPECT_EQ(ReadText(Preview()), ReadText(Temp() / "default.htm"));
    EXPECT_FALSE(Editor().Preview().PreviewSite().HasAuthorPage());
    EXPECT_EQ(m_ui.TextsOf("Navigate"), std::vector<std::string>{Preview().string()});
}

// A page that refers above its folder asks for the site folder, which must hold the page.
TEST_F(PreviewTest, APageReferringUpwardsReadsFromTheSiteFolderTheAuthorChooses) {
    const std::filesystem::path page = Work() / "site" / "pages" / "page.htm";
    std::filesystem::create_directories(page.parent_path());
    WriteText(page, "<img src=\"../img/logo.png\">");
    struct TCase {
        TMsgResult Answer;
        std::optional<std::filesystem::path> Chosen;
        std::filesystem::path Site; // empty: nothing shown
    };
    const TCase cases[] = {
        {TMsgResult::Cancel, std::nullopt, {}},
        {TMsgResult::No, std::nullopt, page.parent_path()},
        {TMsgResult::Yes, Work() / "site", Work() / "site"},
        {TMsgResult::Yes, Work() / "elsewhere", page.parent_path()},
    };
    std::filesystem::create_directories(Work() / "elsewhere");
    for (const TCase& c : cases) {
        Editor().Preview().DefaultPreviewActionExecute();
        m_ui.ClearCalls();
        m_ui.AnswerFile(page.string());
        m_ui.AnswerMessage(c.Answer);
        if (c.Answer == TMsgResult::Yes) {
            m_ui.AnswerFile(c.Chosen->string());
        }
        Editor().Preview().OpenPreviewActionExecute();
        EXPECT_TRUE(m_ui.AllAnswersUsed());
        if (c.Site.empty()) {
            EXPECT_FALSE(Editor().Preview().PreviewSite().HasAuthorPage());
            EXPECT_TRUE(m_ui.CallsOf("Navigate").empty());
        } else {
            EXPECT_EQ(Editor().Preview().PreviewSite().SiteFolder(), std::filesystem::canonical(c.Site));
            EXPECT_EQ(m_ui.CallsOf("Navigate").size(), 1u);
        }
    }
    EXPECT_EQ(m_ui.CallsOf("ChooseFolder").at(0).Text, (Work() / "site").string());
}

TEST_F(PreviewTest, UnreadablePagesReachTheErrorReportAndNothingIsShown) {
    WriteText(Preview(), "before\r\n");
    OpenPage(Work() / "missing.htm");
    EXPECT_EQ(m_ui.CallsOf("Error").size(), 1u);
    std::filesystem::remove(Temp() / "default.htm");
    Editor().Preview().DefaultPreviewActionExecute();
    EXPECT_EQ(m_ui.CallsOf("Error").size(), 2u);
    EXPECT_TRUE(m_ui.CallsOf("Navigate").empty());
    EXPECT_EQ(ReadText(Preview()), "before\r\n");

    m_ui.AnswerFile(std::nullopt);
    Editor().Preview().OpenPreviewActionExecute();
    EXPECT_EQ(ReadText(Preview()), "before\r\n");
}

// The checks, the script's warnings among them, go to the window's list without a box, once per
// change; a finding chosen there selects its node on its page; a clean design empties the list.
TEST_F(PreviewTest, ChecksAreListedWithoutABoxAndLeadToTheirNodes) {
    Editor().EditDesign("Rename", [this] {
        Style(0)->SetText("3D look");
        Node({0})->EditOptions().MenuStyle = "3D look";
        Node({1, 0})->EditOptions().MenuStyle = "3D look";
        Node({1, 1})->EditItem().Caption = " ";
        Node({1})->EditItem().Address = "products.htm";
        Node({1, 1})->EditItem().Address = "prices.htm";
        TMenuStyleRec& style = Style(0)->EditStyle();
        style.MouseOffBackground = "FFFFFF";
        style.MouseOnBackground = "000080";
        style.FontSize = 14;
        style.MenuItemPadding = 6;
    });
    Editor().Preview().UpdatePreviewActionExecute();
    const std::size_t listed = m_ui.TextsOf("Checks").size();
    Editor().Preview().UpdatePreviewActionExecute();
    ASSERT_EQ(m_ui.TextsOf("Checks").size(), listed);
    const std::string shown = m_ui.TextsOf("Checks").back();
    EXPECT_NE(shown.find("error: Menu group name > Menu item name: The entry has no caption"),
              std::string::npos)
        << shown;
    EXPECT_NE(shown.find(R"(warning: Style "3D look": Style name "3D look" can not be used as a script )"
                         R"(variable; menu.js calls it tvxStyle_3Dlook)"),
              std::string::npos)
        << shown;
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());

    const auto& findings = Editor().Preview().Findings();
    const auto indexOf = [&](bool inStyles) {
        return static_cast<std::size_t>(
            std::find_if(findings.begin(), findings.end(),
                         [&](const TCheckFinding& f) { return f.Place.InStyles == inStyles; }) -
            findings.begin());
    };
    Editor().ShowFinding(indexOf(true));
    EXPECT_EQ(Editor().ActivePage(), TControlsPage::MenuStyles);
    EXPECT_EQ(Editor().SelectedStyle(), Style(0));
    Editor().ShowFinding(indexOf(false));
    EXPECT_EQ(Editor().ActivePage(), TControlsPage::MenuCreator);
    EXPECT_EQ(Editor().SelectedObject(), Node({1, 1}));

    // Mended as the author does it: the caption typed into its row, the style renamed.
    Editor().SetRowValue(TValueEditorId::MenuItemValueEditor, "Caption", "Menu item name");
    Editor().EditDesign("Rename", [this] {
        Style(0)->SetText("Look");
        Node({0})->EditOptions().MenuStyle = "Look";
        Node({1, 0})->EditOptions().MenuStyle = "Look";
    });
    Editor().Preview().UpdatePreviewActionExecute();
    EXPECT_EQ(m_ui.TextsOf("Checks").back(), "");
}

// The preview follows the document alone: a confirmed cell, a step however big and an undo each
// generate the script once and load the page once; moving the selection does neither.
TEST_F(PreviewTest, EveryChangeGeneratesAndLoadsOnceAndNothingElseDoes) {
    TProject clip;
    BuildDefaultProject(clip);
    TMenuItemRec item;
    FillDefaultMenuItem(item);
    for (int i = 0; i < 50; ++i) {
        item.Caption = "Pasted " + std::to_string(i);
        AppendItemNode(clip, nullptr, TNodeKind::MenuItem, item);
    }
    const std::string pasted = WriteProjectText(clip);
    struct TCase {
        const char* What;
        std::function<void()> Run;
        std::size_t Times;
    };
    const TCase cases[] = {
        {"a confirmed cell",
         [&] { Editor().SetRowValue(TValueEditorId::MenuValueList, "Menu Width", "180"); }, 1},
        {"the click that follows it", [&] { Editor().SelectObjectNode(Node({1})); }, 0},
        {"a cell confirmed unchanged",
         [&] { Editor().SetRowValue(TValueEditorId::MenuItemValueEditor, "Caption", "Menu group name"); }, 0},
        {"a paste of 50 entries",
         [&] {
             m_ui.Clipboard = pasted;
             Editor().Edit().PasteActionExecute();
         },
         1},
        {"the undo of that paste", [&] { Editor().UndoActionExecute(); }, 1},
        {"a page switch", [&] { Editor().SetActivePage(TControlsPage::MenuStyles); }, 0},
    };
    Editor().SelectObjectNode(Node({0}));
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        const std::size_t generated = Editor().Preview().ScriptsGenerated();
        const std::size_t loads = Editor().Preview().PageLoads();
        m_ui.ClearCalls();
        c.Run();
        EXPECT_EQ(Editor().Preview().ScriptsGenerated() - generated, c.Times);
        EXPECT_EQ(Editor().Preview().PageLoads() - loads, c.Times);
        EXPECT_EQ(m_ui.CallsOf("Navigate").size(), c.Times);
    }
    EXPECT_EQ(Node({0})->Options().MenuWidth, 180);
}

TEST_F(PreviewTest, AMenuScriptThatCannotBeWrittenStopsTheRefresh) {
    std::filesystem::rename(Temp() / "menu.js", Work() / "saved.js");
    std::filesystem::create_directory(Temp() / "menu.js");
    Editor().SelectObjectNode(Node({1}));
    Editor().SetRowValue(TValueEditorId::MenuItemValueEditor, "Caption", "Products");
    EXPECT_EQ(m_ui.CallsOf("Error").size(), 1u);
    EXPECT_TRUE(m_ui.CallsOf("Navigate").empty());
}

TEST_F(PreviewTest, AnUnwritableScriptEndsUpdatePreviewAndNewAfterTheFirstReport) {
    std::filesystem::remove(Temp() / "menu.js");
    std::filesystem::create_directory(Temp() / "menu.js");
    Editor().SelectObjectNode(Node({1}));
    Editor().SetActivePage(TControlsPage::MenuStyles);
    Editor().SelectStyleNode(Style(0));
    Editor().SetRowValue(TValueEditorId::MenuStyleValueEditor, "Font Name", "Verdana");
    m_ui.ClearCalls();

    Editor().Preview().UpdatePreviewActionExecute();
    EXPECT_EQ(m_ui.CallsOf("Error").size(), 1u);
    EXPECT_TRUE(m_ui.CallsOf("Navigate").empty());
    // The typed value is committed all the same: a script that cannot be written costs no edit.
    EXPECT_EQ(Style(0)->Style().FontName, "Verdana");

    m_ui.ClearCalls();
    m_ui.AnswerMessage(TMsgResult::No);
    m_ui.AnswerStyle(0);
    Editor().Files().NewActionExecute();
    EXPECT_EQ(m_ui.CallsOf("Error").size(), 1u);
    EXPECT_TRUE(m_ui.CallsOf("Navigate").empty());
}

} // namespace
} // namespace tarvex::test
