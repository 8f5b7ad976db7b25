#include "DesignDocument.h"

#include "base/PathText.h"

#include <algorithm>

namespace tarvex {

TDesignDocument::TDesignDocument() = default;

void TDesignDocument::AddListener(TDocumentListener* listener) {
    if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end()) {
        m_listeners.push_back(listener);
    }
}

void TDesignDocument::RemoveListener(TDocumentListener* listener) {
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

void TDesignDocument::Changed(const TDesignChange& change) {
    // A listener may add or remove listeners while it hears of the change.
    const std::vector<TDocumentListener*> listeners = m_listeners;
    for (TDocumentListener* l : listeners) {
        l->DesignChanged(change);
    }
}

void TDesignDocument::StateChanged() {
    const std::vector<TDocumentListener*> listeners = m_listeners;
    for (TDocumentListener* l : listeners) {
        l->DocumentStateChanged();
    }
}

bool TDesignChange::Touches(const TTreeNode* node) const {
    return node && (Kind != TKind::Edited || std::find(Nodes.begin(), Nodes.end(), node) != Nodes.end());
}

// ---- steps ----

void TDesignDocument::BeginStep(std::string_view name, TSelection before) {
    if (m_depth == 0) {
        m_stepName = name;
        m_changedRows.clear();
        m_stepRow = {};
    } else if (m_stepName.empty()) {
        m_stepName = name;
    }
    ++m_depth;
    m_history.BeginStep(before);
}

void TDesignDocument::MergeWithSameRow(const TTreeNode* node, std::string_view row) {
    m_stepRow = {node, std::string(row)};
}

// A named step's name is marked for translation where the step is begun.
TUiText TDesignDocument::StepText() const {
    const std::size_t rows = m_changedRows.size();
    if (!m_stepName.empty()) {
        return TUiText("Document", m_stepName);
    }
    if (rows == 1) {
        return TUiText("Document", TARVEX_TRANSLATE_NOOP("Document", "Change %1"),
                       {TUiText("Rows", m_changedRows.front())});
    }
    if (rows > 1) {
        return TUiText("Document", TARVEX_TRANSLATE_NOOP("Document", "Change %1 values"),
                       {TUiText::Verbatim(std::to_string(rows))});
    }
    return TUiText("Document", TARVEX_TRANSLATE_NOOP("Document", "Change"));
}

bool TDesignDocument::EndStep(TSelection after) {
    const TUiText text = StepText();
    const std::string name = text.English();
    m_stepTexts.insert_or_assign(name, text);
    const bool outermost = m_depth == 1;
    const bool merge = outermost && m_stepRow.first && m_stepRow == m_lastRow;
    const int steps = m_history.StepCount();
    const bool kept = m_history.EndStep(name, after, merge);
    // A row typed back to what it was before the joined step: the design changed, and no step is left.
    const bool typedBack = merge && m_history.StepCount() < steps;
    if (--m_depth > 0) {
        return false;
    }
    if (kept || typedBack) {
        m_lastRow = kept ? m_stepRow : std::pair<const TTreeNode*, std::string>{};
        TDesignChange change = ChangeOfLastStep(TDesignChange::TKind::Edited, after);
        change.Fields = m_changedRows;
        Changed(change);
    }
    StateChanged();
    return true;
}

TDesignChange TDesignDocument::ChangeOfLastStep(TDesignChange::TKind kind, TSelection selection) const {
    const TDesignHistory::TExtent& extent = m_history.LastExtent();
    TDesignChange change;
    change.Kind = kind;
    change.Selection = selection;
    change.Nodes = extent.Nodes;
    change.Structure = extent.Structure;
    change.Styles = extent.Styles;
    return change;
}

bool TDesignDocument::Undo() {
    const std::optional<TSelection> selection = m_history.Undo();
    m_lastRow = {};
    if (selection) {
        Changed(ChangeOfLastStep(TDesignChange::TKind::Undone, *selection));
    }
    StateChanged();
    return selection.has_value();
}

bool TDesignDocument::Redo() {
    const std::optional<TSelection> selection = m_history.Redo();
    m_lastRow = {};
    if (selection) {
        Changed(ChangeOfLastStep(TDesignChange::TKind::Redone, *selection));
    }
    StateChanged();
    return selection.has_value();
}

TUiText TDesignDocument::ShownStepName(const std::string& name) const {
    const auto known = m_stepTexts.find(name);
    return known != m_stepTexts.end() ? known->second : TUiText("Document", name);
}

TUiText TDesignDocument::UndoText() const {
    const std::string name = m_history.UndoName();
    return name.empty()
               ? TUiText("Document", TARVEX_TRANSLATE_NOOP("Document", "Undo"))
               : TUiText("Document", TARVEX_TRANSLATE_NOOP("Document", "Undo %1"), {ShownStepName(name)});
}

TUiText TDesignDocument::RedoText() const {
    const std::string name = m_history.RedoName();
    return name.empty()
               ? TUiText("Document", TARVEX_TRANSLATE_NOOP("Document", "Redo"))
               : TUiText("Document", TARVEX_TRANSLATE_NOOP("Document", "Redo %1"), {ShownStepName(name)});
}

void TDesignDocument::Replace(const std::function<void(TProject&)>& build, bool saved) {
    {
        TDesignHistory::TPause pause(m_history);
        m_project.Objects.Clear();
        m_project.Styles.Clear();
        m_project.Targets.clear();
        build(m_project);
        // Listeners hear of the new design with its own history in place: a box one of them shows
        // must not have the window call an untouched design changed.
        m_lastRow = {};
        m_history.Clear();
        if (!saved) {
            m_history.MarkUnsaved();
        }
        m_recoveryDue = !saved;
        TDesignChange change;
        change.Kind = TDesignChange::TKind::Replaced;
        change.Structure = true;
        change.Styles = true;
        Changed(change);
    }
    StateChanged();
}

void TDesignDocument::SetPublishTargets(TPublishTargets targets) {
    if (targets == m_project.Targets) {
        return;
    }
    m_project.Targets = std::move(targets);
    m_history.MarkUnsaved();
    m_recoveryDue = true;
    StateChanged();
}

// ---- file ----

void TDesignDocument::MarkSaved() {
    m_lastRow = {};
    m_history.MarkSaved();
    StateChanged();
}

void TDesignDocument::SetFileName(std::string fileName) {
    m_fileName = std::move(fileName);
    StateChanged();
}

TUiText TDesignDocument::Title() const {
    TUiText file = m_fileName.empty() ? TARVEX_TEXT("Document", "Untitled")
                                      : TUiText::Verbatim(PathText(PathFromUtf8(m_fileName).filename()));
    // The product's name and the mark of a change read the same in every language.
    return TUiText("", "%1%2 \u2014 Korvane Tarvex",
                   {std::move(file), TUiText::Verbatim(Modified() ? "*" : "")});
}

void TDesignDocument::KeepFileIdentity(std::optional<TFileIdentity> identity) {
    m_fileIdentity = identity;
    m_identityFileName = identity ? m_fileName : std::string();
    m_reloadDeclined.reset();
}

const TFileIdentity* TDesignDocument::FileIdentity() const {
    return m_fileIdentity && m_identityFileName == m_fileName ? &*m_fileIdentity : nullptr;
}

} // namespace tarvex
