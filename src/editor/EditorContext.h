#pragma once
// What the handler groups share, handed to each through its constructor: the document, the door to
// the person, the listeners, the selection of both trees, the page, the commands switched on and
// off by events, and the tree-update guard.

#include "ActionId.h"
#include "EditorListener.h"
#include "UserInterface.h"

#include "document/DesignDocument.h"

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

class TEditorContext {
public:
    // `appFolder` holds favorites.dat, menutarvex.dat, help/temp/ and help/online/.
    TEditorContext(TUserInterface& ui, TDesignDocument& document, std::filesystem::path appFolder);
    TEditorContext(const TEditorContext&) = delete;
    TEditorContext& operator=(const TEditorContext&) = delete;

    TDesignDocument& Document() { return m_document; }
    const TDesignDocument& Document() const { return m_document; }
    TProject& Project() { return m_document.Project(); }
    const TProject& Project() const { return m_document.Project(); }
    TUserInterface& Ui() { return m_ui; }
    const std::filesystem::path& AppFolder() const { return m_appFolder; }
    // Where the open project's file lies, in which its icon files are looked for; empty until saved.
    std::filesystem::path ProjectFolder() const;

    // ---- the listeners ----
    void AddListener(TEditorListener* listener);
    void RemoveListener(TEditorListener* listener);
    template <typename F> void Notify(F&& f) {
        for (TEditorListener* l : m_listeners) {
            f(*l);
        }
    }
    void NotifyEditor(TValueEditorId id);

    // ---- the selection of both trees ----
    TTreeNode* SelectedObject() const { return m_selectedObject; }
    TTreeNode* SelectedStyle() const { return m_selectedStyle; }
    // Moves a selection and tells the views; the handler groups run around it.
    void SetObjectSelection(TTreeNode* node);
    void SetStyleSelection(TTreeNode* node);

    // ---- the page and the commands ----
    TControlsPage ActivePage() const { return m_activePage; }
    void SetActivePage(TControlsPage page) { m_activePage = page; }
    // Set by the commands that restructure the trees in a batch: the trees' own selection
    // notifications neither commit nor load meanwhile.
    bool TreeUpdateGuard() const { return m_treeUpdateGuard; }
    void SetTreeUpdateGuard(bool on) { m_treeUpdateGuard = on; }
    // For the commands whose rule is SwitchedOn: the events that concern them switch them.
    bool SwitchedOn(TActionId id) const { return m_switchedOn[static_cast<std::size_t>(id)]; }
    void SetActionEnabled(TActionId id, bool enabled);
    // What the command table's rules say of every command now, given by the coordinator.
    void SetEnablingRule(std::function<bool(TActionId)> enabled);
    // Tells the listeners when a command's enabled state differs from what they were last told.
    void CommandStatesMaybeChanged();

    // ---- the person ----
    TMsgResult Message(const TUiText& text, const TUiText& caption, TMsgIcon icon,
                       TMsgButtons buttons = TMsgButtons::Ok);
    // Each file dialog offers the name chosen in it last during this run.
    std::optional<std::string> RunFileDialog(bool save, TFileDialogRequest request);
    void ShowQuickHelp(const std::string& page);
    std::filesystem::path HelpPagePath(const std::string& page) const;

private:
    TUserInterface& m_ui;
    TDesignDocument& m_document;
    std::filesystem::path m_appFolder;
    std::vector<TEditorListener*> m_listeners;
    TTreeNode* m_selectedObject = nullptr;
    TTreeNode* m_selectedStyle = nullptr;
    TControlsPage m_activePage = TControlsPage::MenuCreator;
    bool m_treeUpdateGuard = false;
    std::array<bool, ActionCount> m_switchedOn{};
    std::array<bool, ActionCount> m_notifiedEnabled{};
    std::function<bool(TActionId)> m_enabled;
    std::map<std::string, std::string> m_lastDialogNames;
};

// One undo step around a change of the design, for as long as it lives. Steps nest: the outermost
// one is the step; the views and the preview follow once it ends. Import, paste and the delete of a
// branch are each one of these, however many nodes they touch.
class TEditStep {
public:
    TEditStep(TEditorContext& context, std::string_view name) : m_context(context) {
        context.Document().BeginStep(name, {context.SelectedObject(), context.SelectedStyle()});
    }
    TEditStep(const TEditStep&) = delete;
    TEditStep& operator=(const TEditStep&) = delete;
    ~TEditStep() { m_context.Document().EndStep({m_context.SelectedObject(), m_context.SelectedStyle()}); }

private:
    TEditorContext& m_context;
};

} // namespace tarvex
