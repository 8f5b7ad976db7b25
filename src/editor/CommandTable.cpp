#include "CommandTable.h"

#include <array>
#include <cassert>

namespace tarvex {

// The enabling rules. Most follow from the page, the selection and the history; the rest are
// switched on and off by the events that concern them (the first New, a selection change, a page
// switch).
struct TCommandRules {
    using E = const TTarvexEditor&;
    static bool Always(E, TActionId) { return true; }
    static bool Never(E, TActionId) { return false; }
    static bool CanUndo(E e, TActionId) { return e.m_history.CanUndo(); }
    static bool CanRedo(E e, TActionId) { return e.m_history.CanRedo(); }
    static bool OnMenuCreatorPage(E e, TActionId) { return e.m_activePage == TControlsPage::MenuCreator; }
    static bool OnMenuStylesPage(E e, TActionId) { return e.m_activePage == TControlsPage::MenuStyles; }
    static bool GroupSelectedOnMenuCreatorPage(E e, TActionId id) {
        return OnMenuCreatorPage(e, id) && e.m_selectedObject && e.m_selectedObject->IsGroup();
    }
    static bool ItemSelectedOnMenuCreatorPage(E e, TActionId id) {
        return OnMenuCreatorPage(e, id) && e.m_selectedObject && e.m_selectedObject->IsItem();
    }
    static bool SwitchedOn(E e, TActionId id) { return e.m_switchedOn[static_cast<std::size_t>(id)]; }
};

namespace {

constexpr std::array<TCommand, ActionCount> Table = {{
#define TARVEX_COMMAND(id, category, caption, menuCaption, hint, shortcut, alternate, icon, handler, rule)   \
    {TActionId::id, #id,       category, caption, menuCaption,         hint,                                 \
     shortcut,      alternate, icon,     handler, &TCommandRules::rule},
#include "CommandTable.inc"
#undef TARVEX_COMMAND
}};

} // namespace

std::span<const TCommand> Commands() {
    return Table;
}

const TCommand& Command(TActionId id) {
    return Table[static_cast<std::size_t>(id)];
}

bool TTarvexEditor::ActionEnabled(TActionId id) const {
    return Command(id).Enabled(*this, id);
}

void TTarvexEditor::SetActionEnabled(TActionId id, bool enabled) {
    assert(Command(id).Enabled == &TCommandRules::SwitchedOn && "the other rules follow from the state");
    m_switchedOn[static_cast<std::size_t>(id)] = enabled;
    CommandStatesMaybeChanged();
}

void TTarvexEditor::CommandStatesMaybeChanged() {
    bool changed = false;
    for (std::size_t i = 0; i < m_notifiedEnabled.size(); ++i) {
        const bool enabled = ActionEnabled(static_cast<TActionId>(i));
        changed = changed || enabled != m_notifiedEnabled[i];
        m_notifiedEnabled[i] = enabled;
    }
    if (changed) {
        Notify([](TEditorListener& l) { l.ActionsChanged(); });
    }
}

void TTarvexEditor::Execute(TActionId id) {
    if (const auto handler = Command(id).Handler) {
        (this->*handler)();
    }
}

} // namespace tarvex
