// Work that must not slip away: the save question, files other windows share, the disk.

#include "EditorFixture.h"

#include "PlatformTestSupport.h"

#include "base/FilePlatform.h"
#include "base/LockFile.h"
#include "favorites/FavoritesStore.h"
#include "project/RecoveryCopy.h"

#include <functional>

namespace tarvex::test {
namespace {

class KeepingWorkTest : public TEditorTest {
protected:
    void SaveAs(TTarvexEditor& editor, TFakeUserInterface& ui, const std::filesystem::path& path) {
        ui.AnswerFile(path.string());
        editor.Files().SaveAsActionExecute();
    }
    void SaveAs(const std::filesystem::path& path) { SaveAs(Editor(), m_ui, path); }
    void AddGroup(const std::string& name) {
        m_ui.AnswerInput(name);
        Editor().Objects().NewGroupActionExecute();
    }
    void AddFavorite(TTarvexEditor& editor, TFakeUserInterface& ui, const std::string& name) {
        editor.SetActivePage(TControlsPage::MenuStyles);
        editor.SelectStyleNode(editor.Project().Styles.Root(0));
        ui.AnswerInput(name);
        editor.Favorites().AddToFavoritesActionExecute();
    }
    bool HasRoot(const std::string& text) const {
        for (const TTreeNode& node : m_editor->Project().Objects.Roots()) {
            if (node.Text() == text) {
                return true;
            }
        }
        return false;
    }
    // A second window of the same user, over the same application folder.
    std::unique_ptr<TTarvexEditor> StartSecond() {
        auto second = std::make_unique<TTarvexEditor>(m_ui2, App());
        m_ui2.AnswerStyle(0);
        second->FormShow();
        return second;
    }

    TFakeUserInterface m_ui2;
};

TEST_F(KeepingWorkTest, AYesWhoseSaveDidNotHappenStopsTheCommandThatAsked) {
    const std::string other = (Work() / "other.xml").string();
    struct TCommand {
        std::string Name;
        std::function<void()> AnswersBeforeQuestion;
        std::function<bool()> Run; // false: the window would stay
    };
    const std::vector<TCommand> commands = {
        {"New", [] {}, [&] { return (Editor().Files().NewActionExecute(), true); }},
        {"Open", [&] { m_ui.AnswerFile(other); },
         [&] { return (Editor().Files().OpenActionExecute(), true); }},
        {"Reopen", [] {}, [&] { return (Editor().Files().ReopenActionExecute(0), true); }},
        {"Close", [] {}, [&] { return Editor().FormCloseQuery(); }},
    };
    for (const bool cancelSaveAs : {true, false}) {
        for (const TCommand& command : commands) {
            const std::string label = command.Name + (cancelSaveAs ? ", Save as cancelled" : ", save failed");
            Restart();
            Start();
            SaveAs(Work() / "other.xml");
            if (cancelSaveAs) {
                m_ui.AnswerStyle(0);
                Editor().Files().NewActionExecute();
            } else {
                const std::filesystem::path readOnly = Work() / "ro.xml";
                // Windows refuses to remove a read-only file: the last round's is made writable first.
                std::error_code ignored;
                std::filesystem::permissions(readOnly, std::filesystem::perms::owner_all, ignored);
                std::filesystem::remove(readOnly, ignored);
                SaveAs(readOnly);
                std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
            }
            const std::string fileName = Editor().ProjectFileName();
            AddGroup("Kept");
            m_ui.ClearCalls();

            command.AnswersBeforeQuestion();
            m_ui.AnswerMessage(TMsgResult::Yes);
            if (cancelSaveAs) {
                m_ui.AnswerFile(std::nullopt);
            }
            const bool closes = command.Run();

            EXPECT_FALSE(command.Name == "Close" && closes) << label;
            EXPECT_TRUE(HasRoot("Kept")) << label;
            EXPECT_EQ(Editor().ProjectFileName(), fileName) << label;
            EXPECT_TRUE(Editor().Modified()) << label;
            EXPECT_EQ(Editor().UndoCaption(), "Undo Add Group") << label;
            EXPECT_TRUE(m_ui.CallsOf("Style").empty()) << label;
            EXPECT_FALSE(Editor().TreeUpdateGuard()) << label;
            EXPECT_EQ(m_ui.CallsOf("Save").size(), cancelSaveAs ? 1u : 0u) << label;
            EXPECT_EQ(MessagesWithCaption("Error").size(), cancelSaveAs ? 0u : 1u) << label;
        }
    }
    std::error_code ignored;
    std::filesystem::permissions(Work() / "ro.xml", std::filesystem::perms::owner_all, ignored);
}

TEST_F(KeepingWorkTest, TwoWindowsKeepEachOthersFavouritesAndRecentFiles) {
    Start();
    std::unique_ptr<TTarvexEditor> second = StartSecond();
    AddFavorite(Editor(), m_ui, "From first");
    AddFavorite(*second, m_ui2, "From second");
    SaveAs(Work() / "first.xml");
    SaveAs(*second, m_ui2, Work() / "second.xml");

    Editor().FormClose();
    second->FormClose();

    std::vector<std::string> names;
    for (const TFavoriteStyleRec& favorite : LoadFavoritesFile(App() / "favorites.dat")) {
        names.push_back(favorite.Name.str());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Blue", "Grey", "From first", "From second"}));
    EXPECT_EQ(ReadText(App() / "menutarvex.dat"),
              (Work() / "second.xml").string() + "\r\n" + (Work() / "first.xml").string() + "\r\n");
    EXPECT_FALSE(std::filesystem::exists(App() / ".favorites.dat.lock"));
    EXPECT_TRUE(m_ui2.AllAnswersUsed());
}

TEST_F(KeepingWorkTest, ASaveOverAFileAnotherProgramChangedAsksFirst) {
    const std::filesystem::path file = Work() / "a.xml";
    const std::string theirs = "changed by another program\r\n";
    struct TCase {
        std::string Command;
        TMsgResult Answer; // Yes: Overwrite, No: Save as..., Cancel
    };
    const std::vector<TCase> cases = {{"Save", TMsgResult::Cancel},      {"Save", TMsgResult::Yes},
                                      {"Save", TMsgResult::No},          {"Yes at close", TMsgResult::Cancel},
                                      {"Yes at close", TMsgResult::Yes}, {"Yes at close", TMsgResult::No}};
    for (const TCase& c : cases) {
        const std::string label = c.Command + " " + std::to_string(static_cast<int>(c.Answer));
        Restart();
        Start();
        SaveAs(file);
        AddGroup("Mine");
        WriteText(file, theirs);
        m_ui.ClearCalls();

        if (c.Command != "Save") {
            m_ui.AnswerMessage(TMsgResult::Yes);
        }
        m_ui.AnswerMessage(c.Answer);
        if (c.Answer == TMsgResult::No) {
            m_ui.AnswerFile((Work() / "b.xml").string());
        }
        const bool closes =
            c.Command == "Save" ? (Editor().Files().SaveActionExecute(), false) : Editor().FormCloseQuery();

        const auto asked = m_ui.CallsOf("Message").back();
        EXPECT_EQ(asked.Text, "The file a.xml was changed by another program since you opened it.") << label;
        EXPECT_EQ(asked.Buttons, TMsgButtons::OverwriteSaveAsCancel) << label;
        EXPECT_EQ(ReadText(file) == theirs, c.Answer != TMsgResult::Yes) << label;
        EXPECT_EQ(std::filesystem::exists(Work() / "b.xml"), c.Answer == TMsgResult::No) << label;
        EXPECT_EQ(Editor().Modified(), c.Answer == TMsgResult::Cancel) << label;
        EXPECT_EQ(closes, c.Command != "Save" && c.Answer != TMsgResult::Cancel) << label;
        std::filesystem::remove(Work() / "b.xml");
    }

    // A file that was deleted is written again without a word.
    SaveAs(file);
    AddGroup("Again");
    std::filesystem::remove(file);
    m_ui.ClearCalls();
    Editor().Files().SaveActionExecute();
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());
    EXPECT_NE(ReadText(file).find("Again"), std::string::npos);
}

TEST_F(KeepingWorkTest, ComingBackToTheWindowOffersToReloadAnUnchangedDesign) {
    Start();
    const std::filesystem::path file = Work() / "a.xml";
    SaveAs(file);
    Editor().Files().WindowActivated();
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());

    std::string theirs = ReadText(file);
    theirs.replace(theirs.find("Menu group name"), 15, "From disk");
    WriteText(file, theirs);
    m_ui.AnswerMessage(TMsgResult::No);
    Editor().Files().WindowActivated();
    // Declined once, that version is not offered again.
    Editor().Files().WindowActivated();
    EXPECT_EQ(
        m_ui.TextsOf("Message"),
        std::vector<std::string>{"The file a.xml was changed by another program. Do you want to reload it?"});
    EXPECT_FALSE(HasRoot("From disk"));

    theirs.replace(theirs.find("From disk"), 9, "From disk 2");
    WriteText(file, theirs);
    m_ui.AnswerMessage(TMsgResult::Yes);
    Editor().Files().WindowActivated();
    EXPECT_TRUE(HasRoot("From disk 2"));
    EXPECT_FALSE(Editor().Modified());

    // With unsaved changes nothing is offered: Save asks instead.
    AddGroup("Mine");
    WriteText(file, ReadText(file) + "\r\n");
    m_ui.ClearCalls();
    Editor().Files().WindowActivated();
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());
}

TEST_F(KeepingWorkTest, AProjectOpenInAnotherWindowIsOpenedOnlyWhenTheAuthorSaysSo) {
    Start();
    const std::filesystem::path file = Work() / "p.xml";
    SaveAs(file);
    std::unique_ptr<TTarvexEditor> second = StartSecond();
    const std::string question = "p.xml is open in another Tarvex window.";

    m_ui2.AnswerMessage(TMsgResult::Cancel);
    second->Files().OpenProjectFile(file.string());
    EXPECT_TRUE(second->ProjectFileName().empty());
    m_ui2.AnswerMessage(TMsgResult::Ok);
    second->Files().OpenProjectFile(file.string());
    EXPECT_EQ(second->ProjectFileName(), file.string());
    EXPECT_EQ(m_ui2.TextsOf("Message"), (std::vector<std::string>{question, question}));
    EXPECT_EQ(m_ui2.CallsOf("Message").back().Buttons, TMsgButtons::OpenAnywayCancel);
    second.reset();
    EXPECT_FALSE(std::filesystem::exists(LockPathFor(file)));

    // A lock left by a process that is gone from this machine is taken over without a word.
    const std::filesystem::path stale = Work() / "stale.xml";
    std::filesystem::copy_file(file, stale);
    WriteText(LockPathFor(stale), platform::HostName() + "\r\n99999999\r\nsomeone\r\n1\r\n");
    m_ui.ClearCalls();
    Editor().Files().OpenProjectFile(stale.string());
    EXPECT_EQ(Editor().ProjectFileName(), stale.string());
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());
    ASSERT_TRUE(TLockFile::ReadOwner(LockPathFor(stale)));
    EXPECT_EQ(TLockFile::ReadOwner(LockPathFor(stale))->ProcessId, platform::CurrentProcessId());

    // A folder where no lock can be made opens all the same.
    if (RunsAsSuperuser()) {
        return;
    }
    const std::filesystem::path shelf = Work() / "shelf";
    std::filesystem::create_directory(shelf);
    std::filesystem::copy_file(file, shelf / "p.xml");
    std::filesystem::permissions(shelf,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    Editor().Files().OpenProjectFile((shelf / "p.xml").string());
    std::filesystem::permissions(shelf, std::filesystem::perms::owner_all);
    EXPECT_EQ(Editor().ProjectFileName(), (shelf / "p.xml").string());
    EXPECT_TRUE(m_ui.CallsOf("Message").empty());
}

TEST_F(KeepingWorkTest, StartUpAsksForAStyleOnlyWhenWantedAndNoNamedProjectFollows) {
    struct TCase {
        bool Wanted, Named, Asked;
    };
    for (const TCase& c : {TCase{true, false, true}, TCase{false, false, false}, TCase{true, true, false}}) {
        Restart();
        m_ui.ClearCalls();
        if (c.Asked) {
            m_ui.AnswerStyle(1);
        }
        Editor().FormShow({c.Wanted, c.Named});
        EXPECT_EQ(m_ui.CallsOf("Style").size(), c.Asked ? 1u : 0u);
        // Unasked, the first favourite is the design's style, so the preview still has a menu.
        ASSERT_EQ(Project().Styles.RootCount(), 1);
        EXPECT_EQ(Style(0)->Text(), c.Asked ? "Grey" : "Blue");
        EXPECT_TRUE(m_ui.CallsOf("Message").empty());
    }
}

TEST_F(KeepingWorkTest, ACopyLeftByAWindowThatIsGoneIsOfferedAtTheNextStart) {
    const std::filesystem::path file = Work() / "site.xml";
    for (const TMsgResult answer : {TMsgResult::Cancel, TMsgResult::No, TMsgResult::Yes}) {
        std::filesystem::remove_all(App() / "recovery");
        Restart();
        Start();
        SaveAs(file);
        AddGroup("Unsaved");
        ASSERT_TRUE(Editor().Files().RecoveryCopyDue());
        Editor().Files().WriteRecoveryCopy();
        EXPECT_FALSE(Editor().Files().RecoveryCopyDue());
        // The window dies: its copy now names a process that is gone.
        const auto copies = [&] {
            std::vector<std::filesystem::path> found;
            for (const auto& entry : std::filesystem::directory_iterator(Editor().Files().RecoveryFolder())) {
                found.push_back(entry.path());
            }
            return found;
        };
        ASSERT_EQ(copies().size(), 1u);
        std::optional<TRecoveryCopy> copy = ParseRecoveryCopy(ReadText(copies()[0]));
        ASSERT_TRUE(copy);
        copy->Owner.ProcessId = 99999999;
        WriteText(copies()[0], RecoveryCopyText(*copy));
        m_editor.reset();
        const std::string saved = ReadText(file);

        Restart();
        m_ui.ClearCalls();
        m_ui.AnswerMessage(answer);
        Editor().FormShow();
        // A design to recover comes first: no favourite style is asked for.
        EXPECT_TRUE(m_ui.CallsOf("Style").empty());
        const auto asked = m_ui.CallsOf("Message");
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_NE(asked[0].Text.find("\nsite.xml, " + RecoveryTimeText(copy->Time)), std::string::npos);
        EXPECT_EQ(asked[0].Buttons, TMsgButtons::RecoverDiscardLater);
        EXPECT_EQ(HasRoot("Unsaved"), answer == TMsgResult::Yes);
        EXPECT_EQ(ReadText(file), saved) << "a copy never replaces the project file by itself";
        // Later keeps the old copy; Recover replaces it by this window's own.
        EXPECT_EQ(copies().size(), answer == TMsgResult::No ? 0u : 1u);
        if (answer != TMsgResult::Yes) {
            continue;
        }
        EXPECT_EQ(Editor().ProjectFileName(), file.string());
        EXPECT_TRUE(Editor().Modified());
        Editor().Files().SaveActionExecute();
        EXPECT_NE(ReadText(file).find("Unsaved"), std::string::npos);
        EXPECT_TRUE(copies().empty());
    }
}

TEST_F(KeepingWorkTest, AValueTypedIntoACellIsInTheRecoveryCopy) {
    Start();
    SaveAs(Work() / "typed.xml");
    Editor().SelectObjectNode(Node({1}));
    // Confirmed while the author stays on the node: the design holds it at once.
    Editor().SetRowValue(TValueEditorId::MenuItemValueEditor, "Caption", "Typed, never left");
    ASSERT_TRUE(Editor().Files().RecoveryCopyDue());
    Editor().Files().WriteRecoveryCopy();
    EXPECT_FALSE(Editor().Files().RecoveryCopyDue());
    std::filesystem::directory_iterator copies(Editor().Files().RecoveryFolder());
    ASSERT_NE(copies, std::filesystem::directory_iterator());
    const std::optional<TRecoveryCopy> copy = ParseRecoveryCopy(ReadText(copies->path()));
    ASSERT_TRUE(copy);
    EXPECT_NE(copy->ProjectText.find("Typed, never left"), std::string::npos);
}

} // namespace
} // namespace tarvex::test
