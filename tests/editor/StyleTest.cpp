// The style list and editor, the colour button, and the favourite styles.

#include "EditorFixture.h"

#include "favorites/FavoritesStore.h"

namespace tarvex::test {
namespace {

constexpr TValueEditorId StyleRows = TValueEditorId::MenuStyleValueEditor;

class StyleTest : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        Start();
        Editor().SetActivePage(TControlsPage::MenuStyles);
        m_ui.ClearCalls();
    }
    void Type(const std::string& key, const std::string& value) {
        Editor().SetRowValue(StyleRows, key, value);
    }
    int RowOf(const std::string& key) { return Editor().Styles().MenuStyleValueEditor().FindRow(key); }
    void NewStyle(const std::string& name) {
        m_ui.AnswerInput(name);
        Editor().Styles().NewStyleActionExecute();
    }
};

TEST_F(StyleTest, RowsAreCommittedWhenTheSelectionMoves) {
    NewStyle("Second");
    Editor().SelectStyleNode(Style(0));
    EXPECT_TRUE(Editor().Styles().MenuStyleValueEditor().Enabled());
    EXPECT_EQ(Editor().Styles().MenuStyleValueEditor().Value("Mouse Off Background"), "0000FF");
    Type("Mouse On Font", "#FF0000");
    Type("Font Size", "12px");
    Type("Menu Item Padding", "-4");
    Type("Font Name", std::string(60, 'f'));
    Editor().SelectStyleNode(Style(1));

    const TMenuStyleRec& first = Style(0)->Style();
    EXPECT_EQ(first.MouseOnFont, "#FF000");
    EXPECT_EQ(first.FontSize, 0);
    EXPECT_EQ(first.MenuItemPadding, -4);
    EXPECT_EQ(first.FontName.size(), 50u);
    EXPECT_EQ(Editor().Styles().MenuStyleValueEditor().Value("Font Size"), "10");

    Type("Font Size", "12");
    Editor().Preview().UpdatePreviewActionExecute();
    EXPECT_EQ(Style(1)->Style().FontSize, 12);
}

TEST_F(StyleTest, TheColourButtonStoresTheChosenColourInItsRowOnly) {
    Editor().SelectStyleNode(Style(0));
    const int row = RowOf("Mouse On Font");
    const TMenuStyleRec before = Style(0)->Style();
    m_ui.AnswerColor(0x563412u); // red 0x12, green 0x34, blue 0x56
    Editor().Styles().MenuStyleValueEditorEditButtonClick(row);
    EXPECT_EQ(Editor().Styles().MenuStyleValueEditor().Value("Mouse On Font"), "123456");
    // A chosen colour is a confirmed value: stored at once, and nothing else with it.
    TMenuStyleRec expected = before;
    expected.MouseOnFont = "123456";
    EXPECT_TRUE(Style(0)->Style() == expected);
    EXPECT_EQ(Editor().UndoCaption(), "Undo Change Mouse On Font");

    m_ui.AnswerColor(std::nullopt);
    Editor().Styles().MenuStyleValueEditorEditButtonClick(row);
    EXPECT_EQ(Editor().Styles().MenuStyleValueEditor().Value("Mouse On Font"), "123456");

    // Rows without a button do not open the dialog.
    Editor().Styles().MenuStyleValueEditorEditButtonClick(RowOf("Font Size"));
    Editor().Styles().MenuStyleValueEditorEditButtonClick(99);
    EXPECT_EQ(m_ui.CallsOf("Color").size(), 2u);
}

TEST_F(StyleTest, ColorToHexReadsRedFirstAndLooksUpSystemColours) {
    EXPECT_EQ(Editor().Styles().ColorToHex(0x0000FFu), "FF0000");
    EXPECT_EQ(Editor().Styles().ColorToHex(0x563412u), "123456");
    EXPECT_EQ(Editor().Styles().ColorToHex(0xFFFFFFu), "FFFFFF");
    m_ui.SystemColors[15] = 0xC8D0D4u;
    EXPECT_EQ(Editor().Styles().ColorToHex(0x8000000Fu), "D4D0C8");
}

TEST_F(StyleTest, NewStyleAcceptsAnyNameAndShowsUpInTheMenuStyleListAtOnce) {
    NewStyle("Blue");
    NewStyle("");
    const auto prompt = m_ui.CallsOf("Input").at(0);
    EXPECT_EQ(prompt.Caption, "Create new style");
    EXPECT_EQ(prompt.Text, "Type new menu style name");
    EXPECT_EQ(prompt.Initial, "New style name");
    ASSERT_EQ(Project().Styles.RootCount(), 3);
    EXPECT_EQ(Style(1)->Style().FontName, "Verdana, Arial");
    // The new style is the one to edit next.
    EXPECT_EQ(Editor().SelectedStyle(), Style(2));
    EXPECT_TRUE(m_ui.CallsOf("Navigate").empty());

    // The options' drop-down follows the change of the style list, not the next page switch.
    const auto& rows = Editor().Objects().MenuValueList();
    EXPECT_EQ(rows.Row(rows.FindRow("Menu Style"))->PickList, (std::vector<std::string>{"Blue", "Blue", ""}));
    Editor().SetActivePage(TControlsPage::MenuCreator);
    EXPECT_EQ(rows.Row(rows.FindRow("Menu Style"))->PickList, (std::vector<std::string>{"Blue", "Blue", ""}));

    m_ui.AnswerInput(std::nullopt);
    Editor().Styles().NewStyleActionExecute();
    EXPECT_EQ(Project().Styles.RootCount(), 3);
}

TEST_F(StyleTest, DeletingTheOnlyStyleEmptiesAndDisablesTheEditor) {
    Editor().Styles().DelStyleActionExecute(); // nothing selected: nothing asked
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());

    Editor().SelectStyleNode(Style(0));
    Type("Font Size", "30");
    m_ui.AnswerMessage(TMsgResult::Cancel);
    Editor().Styles().DelStyleActionExecute();
    const auto question = m_ui.CallsOf("Message").at(0);
    EXPECT_EQ(question.Text, "Do you really want to delete \"Blue\" style?");
    EXPECT_EQ(question.Caption, "Warning");
    EXPECT_EQ(question.Buttons, TMsgButtons::OkCancel);
    EXPECT_EQ(Project().Styles.RootCount(), 1);

    m_ui.AnswerMessage(TMsgResult::Ok);
    Editor().Styles().DelStyleActionExecute();
    EXPECT_EQ(Project().Styles.RootCount(), 0);
    EXPECT_EQ(Editor().SelectedStyle(), nullptr);
    EXPECT_FALSE(Editor().Styles().MenuStyleValueEditor().Enabled());
    EXPECT_EQ(Editor().Styles().MenuStyleValueEditor().Value("Font Size"), "");
    EXPECT_FALSE(Editor().ActionEnabled(TActionId::DelStyleAction));
    EXPECT_FALSE(Editor().ActionEnabled(TActionId::AddToFavoritesAction));
    // Menus keep naming the deleted style.
    EXPECT_EQ(Node({0})->Options().MenuStyle, "Blue");
}

TEST_F(StyleTest, DeletingMovesTheEditorToTheStyleThatBecomesSelected) {
    NewStyle("Second");
    Editor().SelectStyleNode(Style(0));
    Type("Font Size", "30");
    m_ui.AnswerMessage(TMsgResult::Ok);
    Editor().Styles().DelStyleActionExecute();
    ASSERT_EQ(Editor().SelectedStyle(), Style(0));
    EXPECT_EQ(Style(0)->Text(), "Second");
    EXPECT_EQ(Style(0)->Style().FontSize, 10);
    EXPECT_EQ(Editor().Styles().MenuStyleValueEditor().Value("Font Size"), "10");
    EXPECT_TRUE(Editor().ActionEnabled(TActionId::DelStyleAction));
}

TEST_F(StyleTest, AddToFavouritesChecksTheSelectionAndTheName) {
    Editor().Favorites().AddToFavoritesActionExecute();
    const auto warning = m_ui.CallsOf("Message").at(0);
    EXPECT_EQ(warning.Text, "Select menu style which you want add to favorites");
    EXPECT_EQ(warning.Caption, "Warning");
    EXPECT_TRUE(m_ui.CallsOf("Input").empty());

    Editor().SelectStyleNode(Style(0));
    m_ui.ClearCalls();
    m_ui.AnswerInput("Blue");
    Editor().Favorites().AddToFavoritesActionExecute();
    const auto prompt = m_ui.CallsOf("Input").at(0);
    EXPECT_EQ(prompt.Caption, "Favotite style name");
    EXPECT_EQ(prompt.Text, "Type favorite name");
    EXPECT_EQ(prompt.Initial, "");
    const auto refusal = m_ui.CallsOf("Message").at(0);
    EXPECT_EQ(refusal.Text, "Style with this name already exist. Use another style name");
    EXPECT_EQ(refusal.Caption, "Error");
    EXPECT_EQ(refusal.Icon, TMsgIcon::Error);
    EXPECT_EQ(Editor().Favorites().FavoriteStyles().size(), 2u);

    m_ui.AnswerInput("blue");
    Editor().Favorites().AddToFavoritesActionExecute();
    m_ui.AnswerInput("Dark-Blue");
    Editor().Favorites().AddToFavoritesActionExecute();
    m_ui.AnswerInput(std::string(300, 'n'));
    Editor().Favorites().AddToFavoritesActionExecute();
    m_ui.AnswerInput(std::nullopt);
    Editor().Favorites().AddToFavoritesActionExecute();

    const auto& favourites = Editor().Favorites().FavoriteStyles();
    ASSERT_EQ(favourites.size(), 5u);
    EXPECT_EQ(favourites[2].Name, "blue");
    EXPECT_EQ(favourites[2].Style, Style(0)->Style());
    EXPECT_EQ(favourites[3].Name, "Dark-Blue");
    EXPECT_EQ(favourites[4].Name.size(), 255u);

    // Offered at once by the insert dialog; "-" disappears only through the file.
    m_ui.AnswerStyle(3);
    Editor().Favorites().StyleTemplateActionExecute();
    EXPECT_EQ(m_ui.CallsOf("Style").back().Entries.size(), 5u);
    EXPECT_EQ(Style(1)->Text(), "Dark-Blue");

    Editor().FormClose();
    EXPECT_EQ(std::filesystem::file_size(App() / "favorites.dat"), 4u + 976u * 5u);
    Restart();
    Start(std::nullopt);
    EXPECT_EQ(Editor().Favorites().FavoriteStyles()[3].Name, "DarkBlue");
}

TEST_F(StyleTest, FavouritesAskBeforeCharactersBecomeQuestionMarks) {
    const std::string cyrillic = "\xD0\x9C\xD0\xBE\xD0\xB9"; // its first letter is in the font name too
    Editor().SelectStyleNode(Style(0));
    Type("Font Name", "Caf\xC3\xA9 \xD0\x9C\xD0\x9C");
    const std::size_t before = Editor().Favorites().FavoriteStyles().size();
    for (const TMsgResult answer : {TMsgResult::Cancel, TMsgResult::Ok}) {
        m_ui.ClearCalls();
        m_ui.AnswerInput(cyrillic);
        m_ui.AnswerMessage(answer);
        Editor().Favorites().AddToFavoritesActionExecute();
        const auto asked = MessagesWithCaption("Confirm");
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_NE(asked[0].find(": " + cyrillic + "\n"), std::string::npos) << asked[0];
    }
    const auto& favourites = Editor().Favorites().FavoriteStyles();
    ASSERT_EQ(favourites.size(), before + 1);
    EXPECT_EQ(favourites.back().Name, "???");
    EXPECT_EQ(favourites.back().Style.FontName, "Caf\xC3\xA9 ??");
    EXPECT_EQ(Style(0)->Style().FontName, "Caf\xC3\xA9 \xD0\x9C\xD0\x9C");
}

TEST_F(StyleTest, TheFavouriteNameIsComparedAsTypedAndStoredCut) {
    Editor().SelectStyleNode(Style(0));
    const std::string stored(255, 'n');
    m_ui.AnswerInput(stored);
    Editor().Favorites().AddToFavoritesActionExecute();
    m_ui.AnswerInput(stored + "different tail");
    Editor().Favorites().AddToFavoritesActionExecute();
    EXPECT_TRUE(MessagesWithCaption("Error").empty());
    m_ui.AnswerInput(stored);
    Editor().Favorites().AddToFavoritesActionExecute();
    EXPECT_EQ(MessagesWithCaption("Error").size(), 1u);

    const auto& favourites = Editor().Favorites().FavoriteStyles();
    ASSERT_EQ(favourites.size(), 4u);
    EXPECT_EQ(favourites[2].Name.str(), stored);
    EXPECT_EQ(favourites[3].Name.str(), stored);
}

TEST_F(StyleTest, InsertingAFavouriteTwiceGivesTwoIndependentStyles) {
    m_ui.AnswerStyle(1);
    Editor().Favorites().StyleTemplateActionExecute();
    m_ui.AnswerStyle(1);
    Editor().Favorites().StyleTemplateActionExecute();
    ASSERT_EQ(Project().Styles.RootCount(), 3);
    EXPECT_EQ(Style(1)->Text(), "Grey");
    EXPECT_EQ(Style(2)->Text(), "Grey");
    EXPECT_EQ(Style(1)->Style().MouseOffBackground, "808080");
    Editor().EditDesign("Font Size", [this] { Style(1)->EditStyle().FontSize = 99; });
    EXPECT_EQ(Style(2)->Style().FontSize, 10);
    EXPECT_EQ(Editor().SelectedStyle(), nullptr);

    // Cancel, and positions the list never had, add nothing.
    m_ui.AnswerStyle(std::nullopt);
    Editor().Favorites().StyleTemplateActionExecute();
    m_ui.AnswerStyle(7);
    Editor().Favorites().StyleTemplateActionExecute();
    m_ui.AnswerStyle(-1);
    Editor().Favorites().StyleTemplateActionExecute();
    EXPECT_EQ(Project().Styles.RootCount(), 3);
}

TEST_F(StyleTest, AnEmptyOrMissingFavouritesFileGivesAnEmptyListAndIsWrittenBack) {
    WriteText(App() / "favorites.dat", std::string(4, '\0'));
    Restart();
    Start(std::nullopt);
    EXPECT_TRUE(Editor().Favorites().FavoriteStyles().empty());
    EXPECT_TRUE(m_ui.CallsOf("Style").back().Entries.empty());
    Editor().FormClose();
    EXPECT_EQ(ReadText(App() / "favorites.dat"), std::string(4, '\0'));

    std::filesystem::remove(App() / "favorites.dat");
    Restart();
    Start(std::nullopt);
    EXPECT_TRUE(Editor().Favorites().FavoriteStyles().empty());
}

} // namespace
} // namespace tarvex::test
