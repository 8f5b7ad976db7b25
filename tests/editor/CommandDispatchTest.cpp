// Every command id handed to Execute reaches its own command, without a window.

#include "EditorFixture.h"

#include "editor/CommandTable.h"
#include "model/Records.h"

#include <functional>

namespace tarvex::test {
namespace {

using A = TActionId;

struct TDispatchCase {
    TActionId Id;
    // Selects what the command works on and scripts the answers that end it early.
    std::function<void()> Prepare;
    // The call that shows the command ran: its kind and text ("" for none; a trailing '*' matches
    // any text that begins so).
    std::string Kind;
    std::string Text;
};

bool Matches(const TUiCall& call, const TDispatchCase& c) {
    if (call.Kind != c.Kind) {
        return false;
    }
    if (!c.Text.empty() && c.Text.back() == '*') {
        return call.Text.rfind(c.Text.substr(0, c.Text.size() - 1), 0) == 0;
    }
    return call.Text == c.Text;
}

class CommandDispatchTest : public TEditorTest {};

TEST_F(CommandDispatchTest, EveryCommandIdReachesItsCommand) {
    const std::string web(KorvaneWebAddress);
    const std::string project = (Work() / "site.xml").string();
    auto cancel = [this] { m_ui.AnswerMessage(TMsgResult::Cancel); };
    auto noText = [this] { m_ui.AnswerInput(std::nullopt); };
    auto noFile = [this] { m_ui.AnswerFile(std::nullopt); };
    auto addGroup = [this] {
        m_ui.AnswerInput("Extra");
        Editor().Objects().NewGroupActionExecute();
    };
    const std::string preview = Editor().Preview().PreviewPagePath().string();
    const std::vector<TDispatchCase> cases = {
        {A::NewAction,
         [&] {
             addGroup();
             cancel();
         },
         "Message", "Project has changed. Do you want to save changes?"},
        {A::OpenAction, noFile, "Open", "OpenProjectDialog"},
        // Save with a file name writes without a dialog; a folder in the file's place makes it speak.
        {A::SaveAction,
         [&] {
             m_ui.AnswerFile(project);
             Editor().Files().SaveAsActionExecute();
             std::filesystem::remove(project);
             std::filesystem::create_directory(project);
         },
         "Message", "Unable to save " + project + "*"},
        {A::SaveAsAction, noFile, "Save", "SaveProjectDialog"},
        // The fixture's style fails the checks: the author publishes anyway.
        {A::PublishAction,
         [&] {
             m_ui.AnswerMessage(TMsgResult::Yes);
             noFile();
         },
         "Save", "PublishDialog"},
        {A::PublishToSiteAction, [&] { m_ui.AnswerMessage(TMsgResult::Yes); }, "PublishToSite", "0"},
        {A::ExitAction, nullptr, "Close", ""},
        {A::ExportHtmlAction, noFile, "Save", "ExportHtmlDialog"},
        // Undo and redo show the design they return to.
        {A::UndoAction, addGroup, "Navigate", preview},
        {A::RedoAction,
         [&] {
             addGroup();
             Editor().UndoActionExecute();
         },
         "Navigate", preview},
        {A::CutAction, [&] { Editor().SelectObjectNode(Node({1})); }, "Clipboard", "*"},
        {A::CopyAction, [&] { Editor().SelectObjectNode(Node({1})); }, "Clipboard", "*"},
        {A::PasteAction,
         [&] {
             Editor().SelectObjectNode(Node({1}));
             Editor().Edit().CopyActionExecute();
             m_ui.ClearCalls();
         },
         "Navigate", preview},
        {A::DuplicateAction,
         [&] {
             Editor().SelectObjectNode(Node({1, 1}));
         },
         "Navigate", preview},
        // Each move has the place it needs: a group below the default one, an item inside it.
        {A::MoveUpAction,
         [&] {
             addGroup();
             m_ui.ClearCalls();
         },
         "Navigate", preview},
        {A::MoveDownAction,
         [&] {
             addGroup();
             Editor().SelectObjectNode(Node({1}));
             m_ui.ClearCalls();
         },
         "Navigate", preview},
        {A::MoveOutAction,
         [&] {
             Editor().SelectObjectNode(Node({1, 1}));
         },
         "Navigate", preview},
        {A::MoveInAction,
         [&] {
             addGroup();
             m_ui.ClearCalls();
         },
         "Navigate", preview},
        // "Extra" joins the main menu after "Menu group name": sorting moves it, the preview follows.
        {A::SortByCaptionAction,
         [&] {
             addGroup();
             Editor().SelectObjectNode(Node({0}));
             m_ui.ClearCalls();
         },
         "Navigate", preview},
        {A::FindAction, nullptr, "Find", ""},
        // The match is selected, with its page of quick help; the design, and so the preview, stay.
        {A::FindNextAction, [&] { Editor().Edit().SetFindText("menu item"); }, "Help",
         (App() / "help" / "online" / "menu.htm").string()},
        {A::NewGroupAction, noText, "Input", "Type new group name"},
        {A::DelGroupAction,
         [&] {
             Editor().SelectObjectNode(Node({1}));
             cancel();
         },
         "Message", "Do you really want to delete \"Menu group name\" menu group?"},
        // Listed for its place in the Menu menu only: there is nothing to run.
        {A::acHelpGroup, nullptr, "", ""},
        {A::NewMenuItemAction, noText, "Input", "Type new menu item name"},
        {A::DeleteMenuItemAction,
         [&] {
             Editor().SelectObjectNode(Node({1, 1}));
             cancel();
         },
         "Message", "Do you really want to delete \"Menu item name\" menu item?"},
        {A::acHelpMenu, nullptr, "Web", web + "/products.php?helpid=38&product=6"},
        {A::NewStyleAction, noText, "Input", "Type new menu style name"},
        {A::StyleTemplateAction, [this] { m_ui.AnswerStyle(std::nullopt); }, "Style", ""},
        {A::DelStyleAction,
         [&] {
             Editor().SelectStyleNode(Style(0));
             cancel();
         },
         "Message", "Do you really want to delete \"Blue\" style?"},
        {A::AddToFavoritesAction,
         [&] {
             Editor().SelectStyleNode(Style(0));
             noText();
         },
         "Input", "Type favorite name"},
        {A::acHelpStyles, nullptr, "Web", web + "/products.php?helpid=39&product=6"},
        {A::UpdatePreviewAction, nullptr, "Navigate", preview},
        {A::OpenPreviewAction, noFile, "Open", "OpenHTMLDialog"},
        // Without its page the default preview reports the page by name.
        {A::DefaultPreviewAction, [&] { std::filesystem::remove(Temp() / "default.htm"); }, "Error",
         "Cannot open file " + (Temp() / "default.htm").string() + "."},
        {A::ImportWinFavoritAction,
         [&] {
             Editor().Imports().SetFavoritesFolderFinder(
                 [] { return std::optional<std::filesystem::path>(); });
             m_ui.AnswerFolder([](const TFavoriteEntry*) { return TFolderDialogResult{}; });
         },
         "Folder", ""},
        {A::ImportBookmarksAction, noFile, "Open", "OpenBookmarksDialog"},
        {A::ImportSitemapAction, noFile, "Open", "OpenSitemapDialog"},
        {A::ImportPageNavAction, noFile, "Open", "OpenNavigationDialog"},
        {A::CustomizeActionBars1, nullptr, "Customize", ""},
        {A::HelpHowUseAction, nullptr, "Web", web + "/products.php?product=6"},
        {A::HomePageAction, nullptr, "Web", std::string(KorvaneHomePage)},
        {A::EMailToUsAction, nullptr, "Web", web + "/feedback.php"},
        {A::AboutAction, nullptr, "About", ""},
    };
    ASSERT_EQ(cases.size(), static_cast<std::size_t>(ActionCount));

    for (std::size_t i = 0; i < cases.size(); ++i) {
        const TDispatchCase& c = cases[i];
        SCOPED_TRACE(std::string(Command(c.Id).Name));
        ASSERT_EQ(static_cast<std::size_t>(c.Id), i) << "the table follows the command order";
        std::filesystem::remove_all(project);
        WriteText(Temp() / "default.htm", "<html><body>default</body></html>\r\n");
        Restart();
        Start();
        if (c.Prepare) {
            c.Prepare();
        }
        m_ui.ClearCalls();

        Editor().Execute(c.Id);

        EXPECT_TRUE(m_ui.AllAnswersUsed());
        if (c.Kind.empty()) {
            EXPECT_TRUE(m_ui.Calls.empty());
            continue;
        }
        const bool reached = std::any_of(m_ui.Calls.begin(), m_ui.Calls.end(),
                                         [&c](const TUiCall& call) { return Matches(call, c); });
        EXPECT_TRUE(reached) << "no " << c.Kind << " \"" << c.Text << "\"";
    }
}

} // namespace
} // namespace tarvex::test
