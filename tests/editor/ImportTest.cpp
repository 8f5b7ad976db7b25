// Building a menu group from a folder of the browser Favorites.

#include "EditorFixture.h"

namespace tarvex::test {
namespace {

class ImportTest : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        m_favorites = Work() / "Favorites";
        std::filesystem::create_directories(m_favorites / "Links" / "Sub");
        std::filesystem::create_directories(m_favorites / "Empty");
        WriteText(m_favorites / "Links" / "a.URL", "[InternetShortcut]\r\nURL=http://a.example/\r\n");
        WriteText(m_favorites / "Links" / "b.url",
                  "[DEFAULT]\r\nBASEURL=http://base.example/\r\n[InternetShortcut]\r\nurl=http://"
                  "second.example/\r\n");
        WriteText(m_favorites / "Links" / "c.URL", "[InternetShortcut]\r\nIconIndex=0\r\n");
        WriteText(m_favorites / "Links" / "notes.txt", "URL=http://not-a-shortcut/\r\n");
        WriteText(m_favorites / "Links" / "Sub" / "d.URL", "URL=http://d.example/\r\n");
        WriteText(m_favorites / "top.URL", "URL=http://top.example/\r\n");
        Editor().SetFavoritesFolderFinder(
            [this] { return std::optional<std::filesystem::path>(m_favorites); });
        Start();
        m_ui.ClearCalls();
    }

    // Answers the folder dialog with the root's child called `name` (the root itself for "").
    void Choose(const std::string& name) {
        m_ui.AnswerFolder([name](const TFavoriteEntry* root) {
            TFolderDialogResult result;
            if (!root) {
                ADD_FAILURE() << "the dialog got no tree";
                return result;
            }
            result.Outcome = TFolderDialogResult::TOutcome::OkSelected;
            result.Entry = root;
            for (const TFavoriteEntry& child : root->Children) {
                if (child.Text == name) {
                    result.Entry = &child;
                }
            }
            return result;
        });
    }

    std::filesystem::path m_favorites;
};

TEST_F(ImportTest, AFolderBecomesAGroupOfItsOwnShortcutsBesideTheSelection) {
    Editor().SelectObjectNode(Node({1, 1}));
    Choose("Links");
    Editor().ImportWinFavoritActionExecute();

    TTreeNode* group = Node({1, 2});
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->IsGroup());
    EXPECT_EQ(group->Text(), "Links");
    EXPECT_EQ(group->Item().Address, " ");
    EXPECT_EQ(Editor().SelectedObject(), group);
    ASSERT_EQ(group->ChildCount(), 4);
    EXPECT_TRUE(group->Child(0)->IsOptions());
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"a", "http://a.example/"}, {"b", "http://second.example/"}, {"c", ""}};
    for (int i = 0; i < 3; ++i) {
        const TTreeNode* item = group->Child(i + 1);
        EXPECT_TRUE(item->IsItem());
        EXPECT_EQ(item->Text(), expected[static_cast<std::size_t>(i)].first);
        EXPECT_EQ(item->Item().Caption.str(), expected[static_cast<std::size_t>(i)].first);
        EXPECT_EQ(item->Item().Address.str(), expected[static_cast<std::size_t>(i)].second);
    }
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());
}

TEST_F(ImportTest, TheRootAnEmptyFolderAndAShortcutNode) {
    Choose("");
    Editor().ImportWinFavoritActionExecute();
    ASSERT_EQ(Node({2})->Text(), "Favorities");
    EXPECT_EQ(Node({2})->ChildCount(), 2);
    EXPECT_EQ(Node({2, 1})->Item().Address, "http://top.example/");

    Choose("Empty");
    Editor().ImportWinFavoritActionExecute();
    ASSERT_EQ(Node({3})->Text(), "Empty");
    EXPECT_EQ(Node({3})->ChildCount(), 1);

    Choose("top");
    Editor().ImportWinFavoritActionExecute();
    EXPECT_EQ(Project().Objects.RootCount(), 4);
    const auto message = m_ui.CallsOf("Message").at(0);
    EXPECT_EQ(message.Text, "You have not selected folder.");
    EXPECT_EQ(message.Caption, "Error");
}

TEST_F(ImportTest, AnUnreadableShortcutIsSkippedAndNamedAfterTheImport) {
    TFavoriteEntry folder;
    folder.Kind = TFavoriteEntry::TKind::Folder;
    folder.Text = "Broken";
    for (const char* name : {"a.URL", "gone.URL", "c.URL"}) {
        TFavoriteEntry shortcut;
        shortcut.Kind = TFavoriteEntry::TKind::Shortcut;
        shortcut.Text = std::filesystem::path(name).stem().string();
        shortcut.Path = (m_favorites / "Links" / name).string();
        folder.Children.push_back(shortcut);
    }
    Editor().ImportFavoritesFolder(folder);

    ASSERT_EQ(Node({2})->Text(), "Broken");
    ASSERT_EQ(Node({2})->ChildCount(), 3);
    EXPECT_EQ(Node({2, 1})->Text(), "a");
    EXPECT_EQ(Node({2, 2})->Text(), "c");
    const auto error = m_ui.CallsOf("Message").at(0);
    EXPECT_EQ(error.Text, "These shortcut files could not be read and were left out:\n" +
                              (m_favorites / "Links" / "gone.URL").string());
    EXPECT_EQ(error.Caption, "Error");
}

TEST_F(ImportTest, NoFavoritesFolderNoSelectionAndCancel) {
    Editor().SetFavoritesFolderFinder([] { return std::optional<std::filesystem::path>(); });
    m_ui.AnswerFolder([](const TFavoriteEntry* root) {
        EXPECT_EQ(root, nullptr);
        return TFolderDialogResult{TFolderDialogResult::TOutcome::OkWithoutSelection, nullptr};
    });
    Editor().ImportWinFavoritActionExecute();
    EXPECT_EQ(m_ui.TextsOf("Message"), (std::vector<std::string>{"Can't find favirities directory.",
                                                                 "You have not selected folder."}));

    m_ui.ClearCalls();
    m_ui.AnswerFolder([](const TFavoriteEntry*) { return TFolderDialogResult{}; });
    Editor().ImportWinFavoritActionExecute();
    EXPECT_EQ(m_ui.TextsOf("Message"), std::vector<std::string>{"Can't find favirities directory."});
    EXPECT_EQ(Project().Objects.RootCount(), 2);
}

} // namespace
} // namespace tarvex::test
