// links: tarvex_editor
// One selection change in a design of about a thousand entries (the editor loads; the preview stays),
// and one confirmed cell there: the step, generate, check, write, navigate; the checks alone on 1,000
// entries, which every refresh runs; one undo or redo of a value commit
// and of a group deletion on 1,000 and 10,000 entries; and the recovery copy of a changed 10,000-entry
// design.

#include "checks/DesignChecks.h"
#include "editor/TarvexEditor.h"
#include "project/ProjectWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace tarvex {
namespace {

// Answers nothing and shows nothing: the measurement is the editor's own work.
class TSilentUserInterface : public TUserInterface {
public:
    TMsgResult ShowMessageBox(const TUiText&, const TUiText&, TMsgIcon, TMsgButtons) override {
        return TMsgResult::Ok;
    }
    std::optional<std::string> InputQuery(const TUiText&, const TUiText&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> OpenFileDialog(const TFileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> SaveFileDialog(const TFileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> ChooseFolder(const TUiText&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<TMenuOutput> ChoosePublishOutput(TMenuOutput suggested) override { return suggested; }
    void ShowPublishToSite(TSitePublisher&) override {}
    std::optional<uint32_t> ChooseColor() override { return std::nullopt; }
    uint32_t SystemColor(uint32_t) override { return 0; }
    std::optional<int> ChooseFavoriteStyle(const std::vector<TStyleTemplateEntry>&) override {
        return std::nullopt;
    }
    TFolderDialogResult ChooseFavoritesFolder(const TFavoriteEntry*) override { return {}; }
    std::optional<int> ReviewImport(const TUiText&, std::vector<TImportChoice>&) override { return {}; }
    void NavigatePreview(const std::string&) override {}
    void ShowQuickHelpPage(const std::string&) override {}
    void OpenWebAddress(const std::string&) override {}
    void ShowChecks(const std::vector<TCheckFinding>&) override {}
    bool ConfirmReplaceFile(const std::string&) override { return false; }
    void SetBusy(bool) override {}
    void ReportError(const TUiText&) override {}
    void CloseMainWindow() override {}
    void ShowCustomizeDialog() override {}
    void ShowAboutBox() override {}
    void SetClipboardProject(const std::string&) override {}
    bool ClipboardOffersProject() override { return false; }
    TClipboardText ClipboardProject(std::uint64_t) override { return {}; }
    void ShowFindField(const std::string&) override {}
};

enum class TLargeDesignEdit { SelectionChange, ConfirmedCell };

void EditInALargeDesign(benchmark::State& state, TLargeDesignEdit edit) {
    const std::filesystem::path app =
        std::filesystem::temp_directory_path() / ("tarvex-editor-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(app / "help" / "temp");
    {
        TSilentUserInterface ui;
        TTarvexEditor editor(ui, app);
        TProject& project = editor.Project();
        TMenuStyleRec style;
        FillDefaultStyle(style);
        AppendStyleNode(project, "Plain", style);
        TMenuOptionsRec options;
        FillDefaultMenuOptions(project, options, nullptr);
        AppendOptionsNode(project, nullptr, options);
        // 50 groups of 19 items: with their options nodes, 1,051 entries.
        for (int g = 0; g < 50; ++g) {
            TMenuItemRec group;
            FillDefaultMenuItem(group);
            group.Caption = "Group " + std::to_string(g);
            TTreeNode* groupNode = AppendItemNode(project, nullptr, TNodeKind::MenuGroup, group);
            TMenuOptionsRec submenu;
            FillDefaultMenuOptions(project, submenu, groupNode);
            AppendOptionsNode(project, groupNode, submenu);
            for (int i = 0; i < 19; ++i) {
                TMenuItemRec item;
                FillDefaultMenuItem(item);
                item.Caption = "Item " + std::to_string(g) + "." + std::to_string(i);
                AppendItemNode(project, groupNode, TNodeKind::MenuItem, item);
            }
        }
        TTreeNode* a = project.Objects.Root(0);
        TTreeNode* b = project.Objects.Root(25)->Child(7);
        bool toB = true;
        if (edit == TLargeDesignEdit::ConfirmedCell) {
            editor.SelectObjectNode(b);
        }
        for (auto _ : state) {
            if (edit == TLargeDesignEdit::SelectionChange) {
                editor.SelectObjectNode(toB ? b : a);
            } else {
                editor.SetRowValue(TValueEditorId::MenuItemValueEditor, "Caption", toB ? "Renamed" : "Item");
            }
            toB = !toB;
        }
        state.counters["nodes"] = static_cast<double>(project.Objects.NodeCount());
    }
    std::filesystem::remove_all(app);
}

BENCHMARK_CAPTURE(EditInALargeDesign, SelectionChange, TLargeDesignEdit::SelectionChange)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EditInALargeDesign, ConfirmedCell, TLargeDesignEdit::ConfirmedCell)
    ->Unit(benchmark::kMillisecond);

// Groups of nine items and a nested group, three deep, until `entries` groups and items exist.
void BuildDesign(TProject& project, int entries) {
    TMenuStyleRec style;
    FillDefaultStyle(style);
    AppendStyleNode(project, "Plain", style);
    BuildDefaultProject(project);
    int made = 2;
    while (made < entries) {
        TTreeNode* parent = nullptr;
        for (int depth = 0; depth < 3 && made < entries; ++depth) {
            TMenuItemRec group;
            FillDefaultMenuItem(group);
            group.Caption = "Group " + std::to_string(made++);
            TTreeNode* groupNode = AppendItemNode(project, parent, TNodeKind::MenuGroup, group);
            TMenuOptionsRec submenu;
            FillDefaultMenuOptions(project, submenu, groupNode);
            AppendOptionsNode(project, groupNode, submenu);
            for (int i = 0; i < 9 && made < entries; ++i) {
                TMenuItemRec item;
                FillDefaultMenuItem(item);
                item.Caption = "Item number " + std::to_string(made++);
                AppendItemNode(project, groupNode, TNodeKind::MenuItem, item);
            }
            parent = groupNode;
        }
    }
}

// What a refresh adds to the generator's work: the checks of a 1,000-entry design, given the
// script's warnings. Every item there shares its address with the others of its menu, so the list
// is long, as in a careless design.
void ChecksOfALargeDesign(benchmark::State& state) {
    TProject project;
    BuildDesign(project, static_cast<int>(state.range(0)));
    const TMenuScript script = GenerateMenuScript(project);
    std::size_t findings = 0;
    for (auto _ : state) {
        findings = CheckDesign(project, script.Warnings).size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
}

BENCHMARK(ChecksOfALargeDesign)->Arg(1000)->Unit(benchmark::kMillisecond);

enum class TUndoneChange { MenuLeft, GroupDeletion };

// Opens a design of `entries` entries as a file, makes one change, then alternates undo and redo:
// each iteration is one of them, with the selection, the editors and the preview brought back.
void UndoRedo(benchmark::State& state, TUndoneChange change) {
    const int entries = static_cast<int>(state.range(0));
    const std::filesystem::path app =
        std::filesystem::temp_directory_path() / ("tarvex-undo-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(app / "help" / "temp");
    {
        TProject design;
        BuildDesign(design, entries);
        const std::filesystem::path file = app / "design.xml";
        if (SaveProjectFile(design, file) != TSaveStatus::Written) {
            state.SkipWithError("cannot write the design");
            return;
        }
        TSilentUserInterface ui;
        TTarvexEditor editor(ui, app);
        editor.Files().OpenProjectFile(file.string(), false);
        TProject& project = editor.Project();
        if (change == TUndoneChange::MenuLeft) {
            // Every submenu of the design moves with the main menu.
            editor.SelectObjectNode(project.Objects.Root(0));
            editor.SetRowValue(TValueEditorId::MenuValueList, "Menu Left", "75");
            editor.SelectObjectNode(project.Objects.Root(1));
        } else {
            editor.SelectObjectNode(project.Objects.Root(project.Objects.RootCount() / 2));
            editor.Objects().DelGroupActionExecute();
        }
        bool undo = true;
        for (auto _ : state) {
            if (undo) {
                editor.UndoActionExecute();
            } else {
                editor.RedoActionExecute();
            }
            undo = !undo;
        }
        state.counters["nodes"] = static_cast<double>(project.Objects.NodeCount());
        state.counters["history_KiB"] = static_cast<double>(editor.History().ByteEstimate()) / 1024.0;
    }
    std::filesystem::remove_all(app);
}

BENCHMARK_CAPTURE(UndoRedo, ValueCommit, TUndoneChange::MenuLeft)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(UndoRedo, GroupDeletion, TUndoneChange::GroupDeletion)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

// The recovery copy of a changed design of 10,000 entries, written whole as the window's timer does.
void RecoveryCopyWrite(benchmark::State& state) {
    const std::filesystem::path app =
        std::filesystem::temp_directory_path() / ("tarvex-recovery-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(app / "help" / "temp");
    {
        TSilentUserInterface ui;
        TTarvexEditor editor(ui, app);
        BuildDesign(editor.Project(), static_cast<int>(state.range(0)));
        for (auto _ : state) {
            state.PauseTiming();
            editor.SelectObjectNode(editor.Project().Objects.Root(0));
            {
                // The copy alone is measured: the preview, and the script it writes, wait.
                TPreviewCommands::THold hold(editor.Preview());
                editor.SetRowValue(TValueEditorId::MenuValueList, "Menu Left",
                                   std::to_string(state.iterations() % 50));
            }
            if (!editor.Files().RecoveryCopyDue()) {
                state.SkipWithError("the change did not reach the design");
                break;
            }
            state.ResumeTiming();
            editor.Files().WriteRecoveryCopy();
        }
        state.counters["nodes"] = static_cast<double>(editor.Project().Objects.NodeCount());
    }
    std::filesystem::remove_all(app);
}

BENCHMARK(RecoveryCopyWrite)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvex

BENCHMARK_MAIN();
