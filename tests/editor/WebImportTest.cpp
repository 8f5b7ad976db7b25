// The bookmark, site-map and navigation imports through their review, and the page of links.

#include "EditorFixture.h"

#include "import/WebImport.h"

namespace tarvex::test {
namespace {

class WebImportTest : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        Start();
        m_ui.ClearCalls();
    }
    std::size_t NodeCount() const { return m_editor->Project().Objects.NodeCount(); }
};

constexpr std::string_view Page =
    "<title>Shop</title><nav><ul><li><a href=\"/\">Home</a></li>"
    "<li><a href=\"/tools/\">Tools</a><ul><li><a href=\"/tools/saw\">Saw</a></li>"
    "</ul></li><li><a href=\"/plants/\">Plants</a></li></ul></nav>"
    "<ul class=\"footer\"><li><a href=\"/a\">A</a><li><a href=\"/b\">B</a></ul>";

TEST_F(WebImportTest, TheReviewedTreeLandsBesideTheSelectionWithoutTheBranchesLeftOut) {
    if (!WebImportAvailable()) {
        GTEST_SKIP() << "built without the HTML and XML parsers";
    }
    WriteText(Work() / "shop.html", std::string(Page));
    Editor().SelectObjectNode(Node({1, 1}));
    const std::size_t nodesBefore = NodeCount();
    m_ui.AnswerFile((Work() / "shop.html").string());
    m_ui.AnswerReview([](std::vector<TImportChoice>& choices) {
        EXPECT_EQ(choices.size(), 2u);
        choices[0].Tree.Children[1].Included = false;
        return std::optional<int>(0);
    });
    Editor().Execute(TActionId::ImportPageNavAction);

    TTreeNode* group = Node({1, 2});
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->Text(), "Shop");
    EXPECT_EQ(Editor().SelectedObject(), group);
    ASSERT_EQ(group->ChildCount(), 3);
    EXPECT_EQ(group->Child(1)->Text(), "Home");
    EXPECT_EQ(group->Child(2)->Text(), "Plants");
    EXPECT_EQ(m_ui.TextsOf("Review"), std::vector<std::string>{"Import page navigation"});
    EXPECT_FALSE(m_ui.CallsOf("Navigate").empty());

    // The whole import is one step: undo takes every imported node back at once.
    EXPECT_EQ(Editor().UndoCaption(), "Undo Import Menu");
    Editor().UndoActionExecute();
    EXPECT_EQ(NodeCount(), nodesBefore);
    EXPECT_EQ(Editor().SelectedObject(), Node({1, 1}));
}

// A dropped file goes where its content says: a review of its import, the project reader, or a refusal.
TEST_F(WebImportTest, ADroppedFileGoesToTheMatchingImportOrOpensOrIsRefused) {
    if (!WebImportAvailable()) {
        GTEST_SKIP() << "built without the HTML and XML parsers";
    }
    WriteText(Work() / "shop.html", std::string(Page));
    WriteText(Work() / "bookmarks.htm",
              "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p><DT><A HREF=\"https://a.example/\">A</A>\n</DL>");
    WriteText(Work() / "sitemap.xml", "<urlset><url><loc>https://a.example/b</loc></url></urlset>");
    WriteText(Work() / "notes.txt", "just words");
    WriteText(Work() / "other.xml", "<notaproject/>");
    struct TCase {
        const char* File;
        const char* Review;  // the review's caption, or empty
        const char* Message; // the start of a message box's text, or empty
    };
    const TCase cases[] = {
        {"shop.html", "Import page navigation", ""},
        {"bookmarks.htm", "Import bookmarks", ""},
        {"sitemap.xml", "Import site map", ""},
        {"notes.txt", "", "Tarvex cannot use notes.txt"},
        {"missing.xml", "", "Tarvex cannot use missing.xml"},
        {"", "", "Tarvex cannot use"},
    };
    for (const TCase& c : cases) {
        m_ui.ClearCalls();
        if (*c.Review) {
            m_ui.AnswerReview([](std::vector<TImportChoice>&) { return std::optional<int>(); });
        }
        Editor().OpenDroppedFile(*c.File ? (Work() / c.File).string() : Work().string());
        EXPECT_EQ(m_ui.TextsOf("Review"),
                  *c.Review ? std::vector<std::string>{c.Review} : std::vector<std::string>{})
            << c.File;
        const std::vector<std::string> messages = m_ui.TextsOf("Message");
        EXPECT_EQ(messages.empty() ? "" : messages.front().substr(0, std::string(c.Message).size()),
                  c.Message)
            << c.File;
        EXPECT_TRUE(m_ui.AllAnswersUsed()) << c.File;
    }
    // Another XML file is the project reader's to refuse; the design stays as it was.
    const std::size_t nodes = NodeCount();
    m_ui.ClearCalls();
    Editor().OpenDroppedFile((Work() / "other.xml").string());
    EXPECT_EQ(NodeCount(), nodes);
    EXPECT_TRUE(m_ui.CallsOf("Review").empty());
}

TEST_F(WebImportTest, CancelOrBadInputAddsNothing) {
    if (!WebImportAvailable()) {
        GTEST_SKIP() << "built without the HTML and XML parsers";
    }
    WriteText(Work() / "shop.html", std::string(Page));
    WriteText(Work() / "broken.xml", "<urlset><url>");
    const std::size_t before = NodeCount();

    m_ui.AnswerFile((Work() / "shop.html").string());
    m_ui.AnswerReview([](std::vector<TImportChoice>&) { return std::optional<int>(); });
    Editor().Execute(TActionId::ImportPageNavAction);
    m_ui.AnswerFile((Work() / "broken.xml").string());
    Editor().Execute(TActionId::ImportSitemapAction);
    m_ui.AnswerFile((Work() / "shop.html").string());
    Editor().Execute(TActionId::ImportBookmarksAction);

    EXPECT_EQ(NodeCount(), before);
    const std::vector<std::string> errors = MessagesWithCaption("Error");
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_NE(errors[0].find("not well-formed XML"), std::string::npos) << errors[0];
    EXPECT_EQ(errors[1], "The file holds no bookmarks.");
    EXPECT_TRUE(m_ui.AllAnswersUsed());
}

TEST_F(WebImportTest, ExportWritesThePageOfLinksAndReportsAFailedWrite) {
    const std::filesystem::path page = Work() / "links.htm";
    m_ui.AnswerFile(page.string());
    Editor().Execute(TActionId::ExportHtmlAction);
    EXPECT_NE(ReadText(page).find("<a href=\"" + std::string(KorvaneHomePage) + "\">Menu item name</a>"),
              std::string::npos);

    std::filesystem::create_directories(Work() / "taken.htm");
    m_ui.AnswerFile((Work() / "taken.htm").string());
    Editor().Execute(TActionId::ExportHtmlAction);
    EXPECT_EQ(m_ui.TextsOf("Error"),
              std::vector<std::string>{"Cannot create file " + (Work() / "taken.htm").string() + "."});
}

} // namespace
} // namespace tarvex::test
