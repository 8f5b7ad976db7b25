// Undo and redo of every kind of change, the selection they bring back, and the changed state.

#include "EditorFixture.h"

#include "base/PathText.h"
#include "project/ProjectWriter.h"

#include <functional>

namespace tarvex::test {
namespace {

constexpr TValueEditorId Options = TValueEditorId::MenuValueList;
constexpr TValueEditorId Item = TValueEditorId::MenuItemValueEditor;
constexpr TValueEditorId StyleRows = TValueEditorId::MenuStyleValueEditor;

class UndoTest : public TEditorTest {
protected:
    void AddGroup(const std::string& name) {
        m_ui.AnswerInput(name);
        Editor().Objects().NewGroupActionExecute();
    }
    void OnStylesPage(TTreeNode* style) {
        Editor().SetActivePage(TControlsPage::MenuStyles);
        Editor().SelectStyleNode(style);
    }
    std::string Design() const { return WriteProjectText(m_editor->Project()); }
};

struct TUndoCase {
    std::string StepName;
    // Brings the design to where the change starts; not part of the step.
    std::function<void()> Prepare;
    std::function<void()> Change;
};

TEST_F(UndoTest, EveryKindOfChangeIsUndoneAndRedoneWhole) {
    TFavoriteEntry folder{TFavoriteEntry::TKind::Folder, "Links", "", {}};
    const std::filesystem::path shortcut = Work() / "a.url";
    WriteText(shortcut, "[InternetShortcut]\r\nURL=http://a.example/\r\n");
    folder.Children.push_back({TFavoriteEntry::TKind::Shortcut, "A", shortcut.string(), {}});

    const auto select = [this](std::initializer_list<int> path) { Editor().SelectObjectNode(Node(path)); };
    const std::vector<TUndoCase> cases = {
        {"Add Group",
         [&] {
             select({1, 1});
         },
         [&] { AddGroup("Extra"); }},
        {"Delete Group", [&] { select({1}); },
         [&] {
             m_ui.AnswerMessage(TMsgResult::Ok);
             Editor().Objects().DelGroupActionExecute();
         }},
        {"Add Item", [&] { select({1}); },
         [&] {
             m_ui.AnswerInput("Extra item");
             Editor().Objects().NewMenuItemActionExecute();
         }},
        {"Delete Item",
         [&] {
             select({1, 1});
         },
         [&] {
             m_ui.AnswerMessage(TMsgResult::Ok);
             Editor().Objects().DeleteMenuItemActionExecute();
         }},
        {"Move Item",
         [&] {
             select({1, 1});
         },
         [&] { Editor().Objects().ObjectsTreeViewDragDrop(TDragSource::ObjectsTreeView, Node({0})); }},
        {"Move Group",
         [&] {
             AddGroup("Second");
             select({1});
         },
         [&] { Editor().Objects().ObjectsTreeViewDragDrop(TDragSource::ObjectsTreeView, Node({0})); }},
        {"Change Caption", [&] { select({1}); },
         [&] {
             Editor().SetRowValue(Item, "Caption", "Products");
             select({0});
         }},
        // The submenus move with their menu, and move back with the undo.
        {"Change Menu Left", [&] { select({0}); },
         [&] {
             Editor().SetRowValue(Options, "Menu Left", "70");
             select({1});
         }},
        {"Change Orientation", [&] { select({0}); },
         [&] {
             Editor().SetRowValue(Options, "Orientation", "Vertical");
             Editor().Preview().UpdatePreviewActionExecute();
         }},
        // Two confirmed changes of one row are one step: one undo takes both back.
        {"Change Font Name", [&] { OnStylesPage(Style(0)); },
         [&] {
             Editor().SetRowValue(StyleRows, "Font Name", "Georgia");
             Editor().SetRowValue(StyleRows, "Font Name", "Verdana");
         }},
        {"New Style", [&] { OnStylesPage(Style(0)); },
         [&] {
             m_ui.AnswerInput("Fresh");
             Editor().Styles().NewStyleActionExecute();
         }},
        // The menus that named the deleted style are pointed at the one left, inside the step.
        {"Delete Style",
         [&] {
             Editor().SetActivePage(TControlsPage::MenuStyles);
             m_ui.AnswerStyle(1);
             Editor().Favorites().StyleTemplateActionExecute();
             Editor().SelectStyleNode(Style(0));
         },
         [&] {
             m_ui.AnswerMessage(TMsgResult::Ok);
             Editor().Styles().DelStyleActionExecute();
         }},
        {"Insert Favorite Style", [&] { Editor().SetActivePage(TControlsPage::MenuStyles); },
         [&] {
             m_ui.AnswerStyle(1);
             Editor().Favorites().StyleTemplateActionExecute();
         }},
        {"Import Favorites",
         [&] {
             select({1, 1});
         },
         [&] { Editor().Imports().ImportFavoritesFolder(folder); }},
    };
    for (const TUndoCase& c : cases) {
        SCOPED_TRACE(c.StepName);
        Restart();
        Start();
        c.Prepare();
        TTreeNode* selectedObject = Editor().SelectedObject();
        TTreeNode* selectedStyle = Editor().SelectedStyle();
        const std::string before = Design();

        c.Change();
        const std::string after = Design();
        ASSERT_NE(after, before);
        EXPECT_EQ(Editor().UndoCaption(), "Undo " + c.StepName);

        Editor().UndoActionExecute();
        EXPECT_EQ(Design(), before);
        EXPECT_EQ(Editor().RedoCaption(), "Redo " + c.StepName);
        // The selection of before the change, with its editor showing the record as it is now.
        EXPECT_EQ(Editor().SelectedObject(), selectedObject);
        EXPECT_EQ(Editor().SelectedStyle(), selectedStyle);
        if (selectedObject && !selectedObject->IsOptions()) {
            EXPECT_EQ(Row(Item, "Caption"), selectedObject->Item().Caption.str());
        } else if (selectedObject) {
            EXPECT_EQ(Row(Options, "Menu Left"), std::to_string(selectedObject->Options().MenuLeft));
        }
        if (selectedStyle) {
            EXPECT_EQ(Row(StyleRows, "Font Name"), selectedStyle->Style().FontName.str());
        }
        std::vector<std::string> styleNames;
        for (const TTreeNode& style : Editor().Project().Styles.Roots()) {
            styleNames.push_back(style.Text());
        }
        const TValueEditor& options = Editor().Objects().MenuValueList();
        EXPECT_EQ(options.Row(options.FindRow("Menu Style"))->PickList, styleNames);

        Editor().RedoActionExecute();
        EXPECT_EQ(Design(), after);
        Editor().UndoActionExecute();
        EXPECT_EQ(Design(), before);
    }
}

TEST_F(UndoTest, TypedValuesAreAStepOfTheirOwnAndUnchangedCommitsMakeNone) {
    Start();
    Editor().SelectObjectNode(Node({1}));
    Editor().SetRowValue(Item, "Caption", "Menu group name");
    Editor().SelectObjectNode(Node({0}));
    EXPECT_FALSE(Editor().ActionEnabled(TActionId::UndoAction));
    EXPECT_EQ(Editor().UndoCaption(), "Undo");

    // Undo right after a confirmed value takes back that value, not the step before it.
    Editor().SetRowValue(Options, "Menu Width", "180");
    Editor().UndoActionExecute();
    EXPECT_EQ(Node({0})->Options().MenuWidth, 150);
    EXPECT_EQ(Row(Options, "Menu Width"), "150");
    EXPECT_EQ(Editor().RedoCaption(), "Redo Change Menu Width");
    EXPECT_TRUE(Editor().ActionEnabled(TActionId::RedoAction));
}

// Only the same row of the same node, confirmed again with nothing in between, joins the last step.
TEST_F(UndoTest, AConfirmedRowJoinsTheLastStepOnlyWhenItChangedTheSameRowOfTheSameNode) {
    const auto first = [this] { return Node({1, 1}); };
    const auto second = [this] { return Node({1}); };
    const auto saveAs = [this](const std::string& name) {
        m_ui.AnswerFile((Work() / name).string());
        Editor().Files().SaveAsActionExecute();
    };
    struct TRun {
        const char* What;
        std::function<void()> Between;
        std::string Row;
        std::function<TTreeNode*()> Target;
        int Steps;
        bool Modified;
    };
    const TRun runs[] = {
        {"the same row again", [] {}, "Address", first, 1, true},
        {"another row", [] {}, "Hint", first, 2, true},
        {"the same row of another node", [] {}, "Address", second, 2, true},
        {"a save in between", [&] { saveAs("saved.xml"); }, "Address", first, 2, true},
        {"typed back to what it was", [] {}, "", first, 0, false},
    };
    for (const TRun& run : runs) {
        SCOPED_TRACE(run.What);
        Restart();
        Start();
        saveAs("start.xml");
        const std::string before = Node({1, 1})->Item().Address.str();
        const int steps = Editor().History().UndoCount();
        Editor().SelectObjectNode(first());
        Editor().SetRowValue(Item, "Address", "http://one.example/");
        run.Between();
        if (run.Row.empty()) {
            Editor().SetRowValue(Item, "Address", before);
        } else {
            Editor().SelectObjectNode(run.Target());
            Editor().SetRowValue(Item, run.Row, "http://two.example/");
        }
        EXPECT_EQ(Editor().History().UndoCount() - steps, run.Steps);
        EXPECT_EQ(Editor().Modified(), run.Modified);
    }
}

TEST_F(UndoTest, HistorySurvivesSaveAndEndsWithNewAndOpen) {
    Start();
    AddGroup("Extra");
    m_ui.AnswerFile((Work() / "site.xml").string());
    Editor().Files().SaveAsActionExecute();
    EXPECT_FALSE(Editor().Modified());
    EXPECT_EQ(Editor().WindowTitle().English(), "site.xml \u2014 Korvane Tarvex");
    EXPECT_EQ(Editor().UndoCaption(), "Undo Add Group");

    Editor().UndoActionExecute();
    EXPECT_TRUE(Editor().Modified());
    EXPECT_EQ(Editor().WindowTitle().English(), "site.xml* \u2014 Korvane Tarvex");
    // Back at the saved design: unchanged, and closing asks nothing.
    Editor().RedoActionExecute();
    EXPECT_FALSE(Editor().Modified());
    EXPECT_TRUE(Editor().FormCloseQuery());

    m_ui.AnswerStyle(0);
    Editor().Files().NewActionExecute();
    EXPECT_FALSE(Editor().ActionEnabled(TActionId::UndoAction));
    EXPECT_EQ(Editor().WindowTitle().English(), "Untitled \u2014 Korvane Tarvex");
    AddGroup("Other");
    m_ui.AnswerFile((Work() / "site.xml").string());
    m_ui.AnswerMessage(TMsgResult::No);
    Editor().Files().OpenActionExecute();
    EXPECT_FALSE(Editor().ActionEnabled(TActionId::UndoAction));
    EXPECT_FALSE(Editor().Modified());
    EXPECT_EQ(m_ui.TextsOf("Message").size(), 1u) << "asked once, for the changed new design";
}

// Undo and redo move the objects selection back, but on the "Menu styles" page its commands stay
// off and the help pane keeps the styles page.
TEST_F(UndoTest, UndoAndRedoOnTheStylesPageKeepThePageRules) {
    Start();
    Editor().SelectObjectNode(Node({1}));
    OnStylesPage(Style(0));
    m_ui.AnswerInput("Extra");
    Editor().Styles().NewStyleActionExecute();
    for (const bool undo : {true, false}) {
        undo ? Editor().UndoActionExecute() : Editor().RedoActionExecute();
        EXPECT_FALSE(Editor().ActionEnabled(TActionId::NewMenuItemAction)) << undo;
        EXPECT_FALSE(Editor().ActionEnabled(TActionId::NewGroupAction)) << undo;
        EXPECT_TRUE(Editor().ActionEnabled(TActionId::NewStyleAction)) << undo;
        EXPECT_EQ(PathFromUtf8(m_ui.TextsOf("Help").back()).filename(), "style.htm") << undo;
    }
}

// The generator only reads; the editor stores the fallback style as a step of its own, and the
// refresh after undoing that step neither repairs again nor asks again.
TEST_F(UndoTest, AStyleRepairIsANamedStepThatUndoLeavesUndone) {
    Start(std::nullopt);
    Editor().SetActivePage(TControlsPage::MenuStyles);
    m_ui.AnswerInput("A");
    Editor().Styles().NewStyleActionExecute();
    Editor().SetActivePage(TControlsPage::MenuCreator);
    Editor().Preview().UpdatePreviewActionExecute();
    EXPECT_EQ(Editor().UndoCaption(), "Undo Repair menu style");
    EXPECT_EQ(Node({0})->Options().MenuStyle, "A");

    Editor().UndoActionExecute();
    EXPECT_EQ(Editor().UndoCaption(), "Undo New Style");
    EXPECT_EQ(Editor().RedoCaption(), "Redo Repair menu style");
    EXPECT_EQ(Node({0})->Options().MenuStyle, "");
    Editor().UndoActionExecute();
    EXPECT_TRUE(Project().Styles.Empty());
    Editor().RedoActionExecute();
    EXPECT_EQ(Style(0)->Text(), "A");
    EXPECT_EQ(Editor().RedoCaption(), "Redo Repair menu style");

    std::vector<std::string> notFound;
    for (const std::string& text : MessagesWithCaption("Warning!")) {
        if (text.find("not found") != std::string::npos) {
            notFound.push_back(text);
        }
    }
    EXPECT_EQ(notFound,
              (std::vector<std::string>{
                  R"(Menu style in "Main menu options" object not found. Used first found menu style)",
                  R"(Menu style in "Menu group name" object not found. Used first found menu style)"}));
}

// Re-laying out every submenu of a large design is the heaviest step a commit makes.
TEST_F(UndoTest, ALargeDesignKeepsAHundredStepsWithinTheBudget) {
    // 1,000 groups of nine items, 10,000 entries, opened as a file.
    {
        TProject project;
        TMenuStyleRec style;
        FillDefaultStyle(style);
        AppendStyleNode(project, "Plain", style);
        TMenuOptionsRec main;
        FillDefaultMenuOptions(project, main, nullptr);
        AppendOptionsNode(project, nullptr, main);
        TMenuItemRec entry;
        FillDefaultMenuItem(entry);
        entry.Caption = "An entry with a longer caption";
        for (int g = 0; g < 1000; ++g) {
            TTreeNode* group = AppendItemNode(project, nullptr, TNodeKind::MenuGroup, entry);
            TMenuOptionsRec options;
            FillDefaultMenuOptions(project, options, group);
            AppendOptionsNode(project, group, options);
            for (int i = 0; i < 9; ++i) {
                AppendItemNode(project, group, TNodeKind::MenuItem, entry);
            }
        }
        ASSERT_EQ(SaveProjectFile(project, Work() / "large.xml"), TSaveStatus::Written);
    }
    Start();
    ASSERT_TRUE(Editor().Files().LoadProject((Work() / "large.xml").string()));
    Editor().SelectObjectNode(Node({0}));
    // Another row between, so that the turns do not join into one step. Each step refreshes the
    // preview of all 10,000 entries, which the sanitizers make slow: there, just past a hundred.
#ifdef TARVEX_SANITIZED
    constexpr int Turns = 55;
#else
    constexpr int Turns = 150;
#endif
    for (int step = 0; step < Turns; ++step) {
        Editor().SetRowValue(Options, "Menu Width", std::to_string(100 + step));
        Editor().SetRowValue(Options, "Orientation", step % 2 ? "Horizontal" : "Vertical");
    }
    EXPECT_LT(Editor().History().ByteEstimate(), TDesignHistory::DefaultMaxBytes);
    EXPECT_GE(Editor().History().UndoCount(), 100);
    EXPECT_EQ(Editor().UndoCaption(), "Undo Change Orientation");
}

} // namespace
} // namespace tarvex::test
