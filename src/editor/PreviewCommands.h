#pragma once
// The preview, publishing, and the help and web pages: the menu script generated from the const
// design, the preview page and the files the author's page may use.

#include "EditorContext.h"
#include "UserInterface.h"

#include "document/DesignDocument.h"

#include "preview/PreviewPage.h"
#include "preview/PreviewSite.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarvex {

// Where a finding of the checks is: the page and the node to select there.
struct TFindingPlace {
    TControlsPage Page = TControlsPage::MenuCreator;
    TTreeNode* Node = nullptr;
};

// The preview follows the document alone: every change it hears of (a step, undo, redo, a new
// design) generates the script once and reloads the page once, however much the step held. The
// coordinator makes it hear the document after the views.
class TPreviewCommands : public TDocumentListener {
public:
    static constexpr const char* RepairMenuStyleStep = TARVEX_TRANSLATE_NOOP("Document", "Repair menu style");
    // Shown in the preview while the design has no style, so there is no menu to show.
    static constexpr const char* NoStyleNote = TARVEX_TRANSLATE_NOOP(
        "Editor", "No style yet: add one on the Menu styles page, or Insert favourite style");

    explicit TPreviewCommands(TEditorContext& context);
    TPreviewCommands(const TPreviewCommands&) = delete;
    TPreviewCommands& operator=(const TPreviewCommands&) = delete;

    std::filesystem::path TempFolder() const;
    std::filesystem::path PreviewPagePath() const;
    // Which files the preview may read and hand to the system.
    const TPreviewSite& PreviewSite() const { return m_previewSite; }
    std::filesystem::path HelpPagePath(const std::string& page) const;

    // How often this run generated the menu script and asked the page to reload, for the bench
    // and the tests that hold an edit to one of each.
    std::size_t ScriptsGenerated() const { return m_scriptsGenerated; }
    std::size_t PageLoads() const { return m_pageLoads; }
    // The author's own request: the script again, and the page reloaded.
    void UpdatePreviewActionExecute();
    void OpenPreviewActionExecute();
    void DefaultPreviewActionExecute();
    void PublishActionExecute();
    // The same files, sent to one of the project's servers.
    void PublishToSiteActionExecute();
    // What the checks found in the design the preview shows, as the window lists it.
    const std::vector<TCheckFinding>& Findings() const { return m_findings; }
    // The node or style of the finding at `index` of Findings(); nothing when the list is older
    // than the design and the place is gone.
    std::optional<TFindingPlace> FindingPlace(std::size_t index) const;
    // What Publish suggests for a project: the module output (tarvex-menu.js and tarvex-menu.css)
    // for the project files last published as the module, the classic three files for any other.
    // A design without a file keeps the choice made for one last. The window keeps both across runs.
    TMenuOutput PublishOutputOf(const std::string& projectFile) const;
    const std::vector<std::string>& ModuleProjects() const { return m_moduleProjects; }
    void SetModuleProjects(std::vector<std::string> files) { m_moduleProjects = std::move(files); }
    bool UntitledModule() const { return m_untitledModule; }
    void SetUntitledModule(bool module) { m_untitledModule = module; }
    // Points every written menu whose style is gone at the first style, as one step of its own,
    // with the generator's box for each; the script would use that style anyway.
    void RepairMenuStyles();

    // While a hold lives, the design's changes do not refresh the preview.
    class THold {
    public:
        explicit THold(TPreviewCommands& preview) : m_preview(preview) { ++m_preview.m_held; }
        THold(const THold&) = delete;
        THold& operator=(const THold&) = delete;
        ~THold() { --m_preview.m_held; }

    private:
        TPreviewCommands& m_preview;
    };
    bool Held() const { return m_held > 0; }

    void OpenWebPage(const std::string& address);
    void HomePageActionExecute();
    void EMailToUsActionExecute();
    void HelpHowUseActionExecute();
    void acHelpMenuExecute();
    void acHelpStylesExecute();

    // TDocumentListener
    void DesignChanged(const TDesignChange& change) override;

private:
    // Where the chosen output goes: the classic menu script's file, or the module's in the
    // chosen folder; nothing when the author cancels.
    std::optional<std::filesystem::path> ChoosePublishTarget(TMenuOutput output);
    void RememberPublishOutput(const std::string& projectFile, TMenuOutput output);
    enum class TScriptOutcome { Written, Refused, NotWritten };
    TScriptOutcome WriteScript();
    // Repairs what the script needs (not while history is replayed), generates and reloads.
    void Refresh();
    // Tells the page to reload what was written.
    void LoadPage();
    // Reports a failed preview-page write, or shows the page that was written.
    void ShowWrittenPreview(TPreviewStatus status, const std::string& sourceText);
    // Lists the findings when they differ from those listed.
    void ListFindings(std::vector<TCheckFinding> findings);
    // The checks look for icon files beside the saved project.
    TCheckSettings CheckSettings() const;
    // Publishing a design with errors is asked once; false when the author declines.
    bool PublishDespiteErrors();
    // The folder whose files the author's page may use: its own, or one above it the author
    // picks when the page refers upwards. Nothing when the author cancels.
    std::optional<std::filesystem::path> ChoosePreviewSiteFolder(const std::filesystem::path& page);
    void KeepPreviewSite();

    TEditorContext& m_context;
    int m_held = 0;
    std::size_t m_scriptsGenerated = 0;
    std::size_t m_pageLoads = 0;
    // Project files last published as the module, the latest last; a bounded list.
    std::vector<std::string> m_moduleProjects;
    bool m_untitledModule = false;
    // The folder the module was published into last in this run.
    std::string m_lastModuleFolder;
    // A refresh is running: a change its repair makes is in the script it writes next.
    bool m_refreshing = false;
    // Undo or redo is showing the design a step left; no repair may take that step's place.
    bool m_replayingHistory = false;
    // The last refresh could not write menu.js; the commands that called it stop there.
    bool m_scriptNotWritten = false;
    // The last refresh's generator refused (no style): there is no script to publish.
    bool m_scriptRefused = false;
    // The author has been told the design cannot be compiled.
    bool m_refusalSaid = false;
    // The note the preview shows now instead of a menu.
    TUiText m_note;
    // The findings the window lists now, so it is told only when they change.
    std::vector<TCheckFinding> m_findings;
    TPreviewSite m_previewSite;
};

} // namespace tarvex
