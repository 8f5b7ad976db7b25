#include "EditorContext.h"

#include "CommandTable.h"
#include "base/PathText.h"

#include <algorithm>
#include <cassert>
#include <system_error>
#include <utility>

namespace tarvex {

TEditorContext::TEditorContext(TUserInterface& ui, TDesignDocument& document, std::filesystem::path appFolder)
    : m_ui(ui), m_document(document), m_appFolder(std::move(appFolder)) {}

void TEditorContext::AddListener(TEditorListener* listener) {
    if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end()) {
        m_listeners.push_back(listener);
    }
}

void TEditorContext::RemoveListener(TEditorListener* listener) {
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

void TEditorContext::NotifyEditor(TValueEditorId id) {
    Notify([id](TEditorListener& l) { l.ValueEditorChanged(id); });
}

void TEditorContext::SetObjectSelection(TTreeNode* node) {
    m_selectedObject = node;
    Notify([node](TEditorListener& l) { l.ObjectSelectionChanged(node); });
    CommandStatesMaybeChanged();
}

void TEditorContext::SetStyleSelection(TTreeNode* node) {
    m_selectedStyle = node;
    Notify([node](TEditorListener& l) { l.StyleSelectionChanged(node); });
    CommandStatesMaybeChanged();
}

void TEditorContext::SetActionEnabled(TActionId id, bool enabled) {
    assert(IsSwitchedCommand(id) && "the other rules follow from the state");
    m_switchedOn[static_cast<std::size_t>(id)] = enabled;
    CommandStatesMaybeChanged();
}

void TEditorContext::SetEnablingRule(std::function<bool(TActionId)> enabled) {
    m_enabled = std::move(enabled);
    for (std::size_t i = 0; i < m_notifiedEnabled.size(); ++i) {
        m_notifiedEnabled[i] = m_enabled(static_cast<TActionId>(i));
    }
}

void TEditorContext::CommandStatesMaybeChanged() {
    if (!m_enabled) {
        return;
    }
    bool changed = false;
    for (std::size_t i = 0; i < m_notifiedEnabled.size(); ++i) {
        const bool enabled = m_enabled(static_cast<TActionId>(i));
        changed = changed || enabled != m_notifiedEnabled[i];
        m_notifiedEnabled[i] = enabled;
    }
    if (changed) {
        Notify([](TEditorListener& l) { l.ActionsChanged(); });
    }
}

TMsgResult TEditorContext::Message(const TUiText& text, const TUiText& caption, TMsgIcon icon,
                                   TMsgButtons buttons) {
    return m_ui.ShowMessageBox(text, caption, icon, buttons);
}

std::optional<std::string> TEditorContext::RunFileDialog(bool save, TFileDialogRequest request) {
    // A name chosen earlier in this run beats the one the command suggests.
    if (const auto last = m_lastDialogNames.find(request.DialogName); last != m_lastDialogNames.end()) {
        request.InitialName = last->second;
    } else if (!m_document.FileName().empty()) {
        request.InitialFolder = PathText(PathFromUtf8(m_document.FileName()).parent_path());
    }
    std::optional<std::string> path = save ? m_ui.SaveFileDialog(request) : m_ui.OpenFileDialog(request);
    if (path) {
        m_lastDialogNames[request.DialogName] = *path;
    }
    return path;
}

void TEditorContext::ShowQuickHelp(const std::string& page) {
    m_ui.ShowQuickHelpPage(PathText(HelpPagePath(page)));
}

std::filesystem::path TEditorContext::ProjectFolder() const {
    if (m_document.FileName().empty()) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path file = std::filesystem::absolute(PathFromUtf8(m_document.FileName()), error);
    return error ? std::filesystem::path() : file.parent_path();
}

std::filesystem::path TEditorContext::HelpPagePath(const std::string& page) const {
    return m_appFolder / "help" / "online" / page;
}

} // namespace tarvex
