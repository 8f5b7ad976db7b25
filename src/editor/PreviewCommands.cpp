#include "PreviewCommands.h"

#include "EditorInternal.h"
#include "SitePublisher.h"
#include "base/FileIo.h"
#include "base/PathText.h"
#include "base/RecordText.h"
#include "preview/PublishFiles.h"
#include "script/MenuModule.h"
#include "script/MenuScript.h"

#include <algorithm>
#include <system_error>

namespace tarvex {

using namespace editor_internal;

namespace {

TUiText OpenPreviewCaption() {
    return TARVEX_TEXT("Editor", "Open HTML to preview");
}

} // namespace

void TPreviewCommands::PublishToSiteActionExecute() {
    UpdatePreviewActionExecute();
    if (m_scriptNotWritten || m_scriptRefused || !PublishDespiteErrors()) {
        return;
    }
    TSitePublisher publisher(m_context);
    m_context.Ui().ShowPublishToSite(publisher);
}

void TPreviewCommands::PublishActionExecute() {
    UpdatePreviewActionExecute();
    // Publishing now would hand out an older design's menu.js under the new name, or none at all.
    if (m_scriptNotWritten || m_scriptRefused || !PublishDespiteErrors()) {
        return;
    }
    const std::string project = m_context.Document().FileName();
    const std::optional<TMenuOutput> output = m_context.Ui().ChoosePublishOutput(PublishOutputOf(project));
    if (!output) {
        return;
    }
    const std::optional<std::filesystem::path> target = ChoosePublishTarget(*output);
    if (!target) {
        return;
    }
    RememberPublishOutput(project, *output);
    const bool module = *output == TMenuOutput::Module;
    const auto confirm = [this](const std::filesystem::path& file) {
        return m_context.Ui().ConfirmReplaceFile(PathText(file));
    };
    const TProject& design = m_context.Project();
    m_context.Ui().SetBusy(true);
    const TPublishResult result =
        module ? WritePublishFiles(
                     ReadModulePublishFiles(TempFolder(), target->parent_path(), design,
                                            tarvex::GenerateMenuScript(design, m_context.ProjectFolder())),
                     confirm)
               : PublishMenuFiles(TempFolder(), *target, confirm);
    m_context.Ui().SetBusy(false);
    if (result.Errors.empty() && result.Declined.empty()) {
        const TUiText files =
            module ? TARVEX_TEXT("Editor", "%1 and %2").Arg(ModuleScriptName).Arg(ModuleStyleSheetName)
                   : TARVEX_TEXT("Editor", "one, main.js and %1").Arg(PathText(target->filename()));
        m_context.Message(
            TARVEX_TEXT("Editor",
                        "Files: %1 was saved. Go to help file to lern more about adding menu to your "
                        "HTML files")
                .Arg(files),
            WarningCaption(), TMsgIcon::Information);
        return;
    }
    m_context.Message(PublishReport(*target, result),
                      result.Errors.empty() ? WarningCaption() : ErrorCaption(), TMsgIcon::Information);
}

std::optional<std::filesystem::path> TPreviewCommands::ChoosePublishTarget(TMenuOutput output) {
    if (output == TMenuOutput::Classic) {
        TFileDialogRequest request =
            DialogRequest("PublishDialog",
                          TARVEX_TRANSLATE_NOOP("Editor", "JavaScript files (js)|*.js|All files|*.*"), "js");
        request.Title = TARVEX_TEXT("Editor", "Publish menu");
        const std::optional<std::string> path = m_context.RunFileDialog(true, request);
        if (!path || path->empty()) {
            return std::nullopt;
        }
        return PathFromUtf8(*path);
    }
    // The module's names are its own: the author picks the folder alone.
    std::string initial = m_lastModuleFolder;
    if (initial.empty() && !m_context.Document().FileName().empty()) {
        initial = PathText(PathFromUtf8(m_context.Document().FileName()).parent_path());
    }
    const std::optional<std::string> folder =
        m_context.Ui().ChooseFolder(TARVEX_TEXT("Editor", "Publish menu module: the folder for %1 and %2")
                                        .Arg(ModuleScriptName)
                                        .Arg(ModuleStyleSheetName),
                                    initial);
    if (!folder || folder->empty()) {
        return std::nullopt;
    }
    m_lastModuleFolder = *folder;
    return PathFromUtf8(*folder) / ModuleScriptName;
}

TMenuOutput TPreviewCommands::PublishOutputOf(const std::string& projectFile) const {
    const bool module = projectFile.empty() ? m_untitledModule
                                            : std::find(m_moduleProjects.begin(), m_moduleProjects.end(),
                                                        projectFile) != m_moduleProjects.end();
    return module ? TMenuOutput::Module : TMenuOutput::Classic;
}

void TPreviewCommands::RememberPublishOutput(const std::string& projectFile, TMenuOutput output) {
    const bool module = output == TMenuOutput::Module;
    if (projectFile.empty()) {
        m_untitledModule = module;
        return;
    }
    std::erase(m_moduleProjects, projectFile);
    if (module) {
        m_moduleProjects.push_back(projectFile);
    }
    // The oldest choices go first; such a project is offered the classic files again.
    constexpr std::size_t Kept = 100;
    if (m_moduleProjects.size() > Kept) {
        m_moduleProjects.erase(m_moduleProjects.begin(),
                               m_moduleProjects.end() - static_cast<std::ptrdiff_t>(Kept));
    }
}

bool TPreviewCommands::PublishDespiteErrors() {
    const int errors = CountErrors(m_findings);
    if (errors == 0) {
        return true;
    }
    // The first few are enough to decide on; the Checks list holds them all.
    constexpr int Shown = 5;
    std::vector<TUiText> lines;
    for (int i = 0; i < std::min(errors, Shown); ++i) {
        const TCheckFinding& finding = m_findings[static_cast<std::size_t>(i)];
        lines.push_back(TUiText("", "%1: %2", {finding.Place.Text, finding.Text}));
    }
    if (errors > Shown) {
        lines.push_back(TARVEX_TEXT("Editor", "… and %1 more.").Arg(std::to_string(errors - Shown)));
    }
    const TUiText text =
        (errors == 1
             ? TARVEX_TEXT("Editor", "The menu has 1 problem that visitors will meet:\n%2\n\nPublish anyway?")
             : TARVEX_TEXT("Editor",
                           "The menu has %1 problems that visitors will meet:\n%2\n\nPublish anyway?"))
            .Arg(std::to_string(errors))
            .Arg(TUiText::Joined(std::move(lines), "\n"));
    return m_context.Message(text, WarningCaption(), TMsgIcon::Warning, TMsgButtons::YesNo) ==
           TMsgResult::Yes;
}

void TPreviewCommands::ListFindings(std::vector<TCheckFinding> findings) {
    if (findings != m_findings) {
        m_findings = std::move(findings);
        m_context.Ui().ShowChecks(m_findings);
    }
}

TCheckSettings TPreviewCommands::CheckSettings() const {
    TCheckSettings settings;
    settings.ProjectFolder = m_context.ProjectFolder();
    return settings;
}

std::optional<TFindingPlace> TPreviewCommands::FindingPlace(std::size_t index) const {
    if (index >= m_findings.size() || m_findings[index].Place.Path.empty()) {
        return std::nullopt;
    }
    const TCheckPlace& place = m_findings[index].Place;
    // Writable: the place found is what the window selects.
    TTree& tree = place.InStyles ? m_context.Project().Styles : m_context.Project().Objects;
    // The list may be older than the design: a path that leads nowhere now selects nothing.
    TTreeNode* node = nullptr;
    for (const int at : place.Path) {
        node = at < 0 ? nullptr : tree.Level(node).At(static_cast<std::size_t>(at));
        if (!node) {
            return std::nullopt;
        }
    }
    return TFindingPlace{place.InStyles ? TControlsPage::MenuStyles : TControlsPage::MenuCreator, node};
}

void TPreviewCommands::RepairMenuStyles() {
    const std::vector<TTreeNode*> broken = OptionsNamingMissingStyles(m_context.Project());
    if (broken.empty()) {
        return;
    }
    const std::string first = m_context.Project().Styles.FirstRoot()->Text();
    {
        TEditStep step(m_context, RepairMenuStyleStep);
        for (TTreeNode* options : broken) {
            options->EditOptions().MenuStyle = first;
        }
    }
    for (const TTreeNode* options : broken) {
        m_context.Message(MissingStyleWarning(MenuObjectText(options->Parent())),
                          TUiText("Script", ScriptWarningCaption), TMsgIcon::Information);
    }
}

TPreviewCommands::TScriptOutcome TPreviewCommands::WriteScript() {
    ++m_scriptsGenerated;
    const TMenuScript script = tarvex::GenerateMenuScript(m_context.Project(), m_context.ProjectFolder());
    if (script.Refused) {
        // Said once until the design can be compiled again, or the author asks for the preview:
        // a box at every click would stop the author, who knows by now.
        if (!m_refusalSaid) {
            m_context.Message(TUiText("Script", NoStylesMessage), TUiText("Script", ScriptWarningCaption),
                              TMsgIcon::Information);
            m_refusalSaid = true;
        }
        // The preview shows this design, which has no menu, never one an earlier design left.
        std::error_code error;
        std::filesystem::remove(TempFolder() / "menu.js", error);
        ListFindings(CheckDesign(m_context.Project(), std::vector<TScriptWarning>(), CheckSettings()));
        return TScriptOutcome::Refused;
    }
    m_refusalSaid = false;
    // A repair shows its box when the editor makes it; what the script merely works around, and
    // what visitors would meet, waits in a list, since a box for each at every refresh would stop
    // the author at every click.
    ListFindings(CheckDesign(m_context.Project(), script.Warnings, CheckSettings()));
    const std::filesystem::path file = TempFolder() / "menu.js";
    if (const TWriteStatus status = WriteMenuScript(script, file); status != TWriteStatus::Written) {
        m_context.Ui().ReportError(CannotCreateFileText(PathText(file), status));
        return TScriptOutcome::NotWritten;
    }
    return TScriptOutcome::Written;
}

TPreviewCommands::TPreviewCommands(TEditorContext& context)
    : m_context(context), m_previewSite(TempFolder()) {
    if (const std::optional<std::string> site = ReadWholeFile(TempFolder() / PreviewSiteFileName)) {
        m_previewSite.Restore(*site);
    }
}

void TPreviewCommands::DesignChanged(const TDesignChange& change) {
    // The script a running refresh writes already holds what its repair changed; a hold keeps the
    // preview as it is.
    if (m_refreshing || Held()) {
        return;
    }
    if (change.Kind == TDesignChange::TKind::Replaced) {
        // A new design: its refusal is said again.
        m_refusalSaid = false;
    }
    // Undo and redo show a design as it was; repairing it there would take the step's place.
    m_replayingHistory =
        change.Kind == TDesignChange::TKind::Undone || change.Kind == TDesignChange::TKind::Redone;
    Refresh();
    m_replayingHistory = false;
}

void TPreviewCommands::Refresh() {
    m_refreshing = true;
    if (!m_replayingHistory) {
        RepairMenuStyles();
    }
    const TScriptOutcome outcome = WriteScript();
    m_refreshing = false;
    m_scriptNotWritten = outcome == TScriptOutcome::NotWritten;
    m_scriptRefused = outcome == TScriptOutcome::Refused;
    if (const TUiText note = m_scriptRefused ? TUiText("Editor", NoStyleNote) : TUiText(); note != m_note) {
        m_note = note;
        m_context.Notify([&note](TEditorListener& l) { l.PreviewNoteChanged(note); });
    }
    // After a refusal the page still shows, without a menu.
    if (!m_scriptNotWritten) {
        LoadPage();
    }
}

void TPreviewCommands::LoadPage() {
    ++m_pageLoads;
    m_context.Ui().NavigatePreview(PathText(PreviewPagePath()));
}

void TPreviewCommands::UpdatePreviewActionExecute() {
    m_refusalSaid = false;
    Refresh();
}

void TPreviewCommands::OpenPreviewActionExecute() {
    const std::optional<std::string> path = m_context.RunFileDialog(
        false,
        DialogRequest("OpenHTMLDialog",
                      TARVEX_TRANSLATE_NOOP("Editor", "HTML files|*.htm;*.html|All files|*.*"), "htm"));
    if (!path) {
        return;
    }
    const std::filesystem::path page = PathFromUtf8(*path);
    const std::optional<std::filesystem::path> siteFolder = ChoosePreviewSiteFolder(page);
    if (!siteFolder) {
        return;
    }
    const TPreviewStatus status = WritePreviewFromUserPage(page, PreviewPagePath());
    if (status == TPreviewStatus::Written) {
        m_previewSite.UsePage(page, *siteFolder);
        KeepPreviewSite();
    }
    ShowWrittenPreview(status, *path);
}

void TPreviewCommands::KeepPreviewSite() {
    const std::filesystem::path file = TempFolder() / PreviewSiteFileName;
    // The choice only saves asking again after a restart; a temp folder that refuses it costs nothing else.
    WriteFileAtomically(file, m_previewSite.Describe());
}

void TPreviewCommands::ShowWrittenPreview(TPreviewStatus status, const std::string& sourceText) {
    switch (status) {
    case TPreviewStatus::CannotRead:
        m_context.Ui().ReportError(TARVEX_TEXT("Editor", "Cannot open file %1.").Arg(sourceText));
        return;
    case TPreviewStatus::CannotWrite:
        m_context.Ui().ReportError(
            CannotCreateFileText(PathText(PreviewPagePath()), TWriteStatus::CannotCreate));
        return;
    case TPreviewStatus::Written:
        LoadPage();
        return;
    }
}

void TPreviewCommands::DefaultPreviewActionExecute() {
    const std::filesystem::path defaultPage = TempFolder() / "default.htm";
    const TPreviewStatus status = CopyDefaultPreviewPage(defaultPage, PreviewPagePath());
    if (status == TPreviewStatus::Written) {
        m_previewSite.UseDefaultPage();
        KeepPreviewSite();
    }
    ShowWrittenPreview(status, PathText(defaultPage));
}

void TPreviewCommands::OpenWebPage(const std::string& address) {
    m_context.Ui().OpenWebAddress(address);
}

void TPreviewCommands::HomePageActionExecute() {
    OpenWebPage(std::string(KorvaneHomePage));
}

void TPreviewCommands::EMailToUsActionExecute() {
    OpenWebPage(std::string(KorvaneWebAddress) + "/feedback.php");
}

void TPreviewCommands::HelpHowUseActionExecute() {
    OpenWebPage(std::string(KorvaneWebAddress) + "/products.php?product=6");
}

void TPreviewCommands::acHelpMenuExecute() {
    OpenWebPage(std::string(KorvaneWebAddress) + "/products.php?helpid=38&product=6");
}

void TPreviewCommands::acHelpStylesExecute() {
    OpenWebPage(std::string(KorvaneWebAddress) + "/products.php?helpid=39&product=6");
}

std::filesystem::path TPreviewCommands::TempFolder() const {
    return m_context.AppFolder() / "help" / "temp";
}

std::filesystem::path TPreviewCommands::PreviewPagePath() const {
    return TempFolder() / "preview.htm";
}

std::filesystem::path TPreviewCommands::HelpPagePath(const std::string& page) const {
    return m_context.HelpPagePath(page);
}

std::optional<std::filesystem::path>
TPreviewCommands::ChoosePreviewSiteFolder(const std::filesystem::path& page) {
    const std::filesystem::path pageFolder = page.parent_path();
    const std::optional<std::string> text = ReadWholeFile(page);
    if (!text || text->find("../") == std::string::npos) {
        return pageFolder;
    }
    const TMsgResult answer = m_context.Message(
        TARVEX_TEXT("Editor",
                    "The page refers to files above its own folder. Choose the folder of your site, so "
                    "that the preview shows them too?"),
        OpenPreviewCaption(), TMsgIcon::Question, TMsgButtons::YesNoCancel);
    if (answer == TMsgResult::Cancel) {
        return std::nullopt;
    }
    if (answer == TMsgResult::No) {
        return pageFolder;
    }
    const std::optional<std::string> chosen =
        m_context.Ui().ChooseFolder(TARVEX_TEXT("Editor", "Site folder of %1").Arg(PathText(page.filename())),
                                    PathText(pageFolder.parent_path()));
    if (!chosen) {
        return std::nullopt;
    }
    TPreviewSite trial(TempFolder());
    if (!trial.UsePage(page, PathFromUtf8(*chosen))) {
        m_context.Message(
            TARVEX_TEXT("Editor",
                        "The folder %1 does not hold the page; the preview reads from the page's own folder.")
                .Arg(*chosen),
            OpenPreviewCaption(), TMsgIcon::Warning);
        return pageFolder;
    }
    return PathFromUtf8(*chosen);
}

} // namespace tarvex
