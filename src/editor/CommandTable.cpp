#include "CommandTable.h"

#include <array>

namespace tarvex {

namespace {

// The enabling rules. Most follow from the page, the selection and the history; the rest are
// switched on and off by the events that concern them (the first New, a selection change, a page
// switch).
struct TCommandRules {
    using E = const TTarvexEditor&;
    static bool Always(E, TActionId) { return true; }
    static bool Never(E, TActionId) { return false; }
    static bool CanUndo(E e, TActionId) { return e.History().CanUndo(); }
    static bool CanRedo(E e, TActionId) { return e.History().CanRedo(); }
    static bool OnMenuCreatorPage(E e, TActionId) { return e.ActivePage() == TControlsPage::MenuCreator; }
    static bool OnMenuStylesPage(E e, TActionId) { return e.ActivePage() == TControlsPage::MenuStyles; }
    static bool GroupSelectedOnMenuCreatorPage(E e, TActionId id) {
        return OnMenuCreatorPage(e, id) && e.SelectedObject() && e.SelectedObject()->IsGroup();
    }
    static bool ItemSelectedOnMenuCreatorPage(E e, TActionId id) {
        return OnMenuCreatorPage(e, id) && e.SelectedObject() && e.SelectedObject()->IsItem();
    }
    static bool CanCopy(E e, TActionId) { return e.Edit().CanCopy(); }
    static bool CanPaste(E e, TActionId) { return e.Edit().CanPaste(); }
    static bool CanMoveUp(E e, TActionId) { return e.Edit().CanMove(TMove::Up); }
    static bool CanMoveDown(E e, TActionId) { return e.Edit().CanMove(TMove::Down); }
    static bool CanMoveOut(E e, TActionId) { return e.Edit().CanMove(TMove::Out); }
    static bool CanMoveIn(E e, TActionId) { return e.Edit().CanMove(TMove::In); }
    static bool SwitchedOn(E e, TActionId id) { return e.SwitchedOn(id); }
};

// The handler groups as the table's rows name them; Window is the coordinator itself.
TTarvexEditor& Window(TTarvexEditor& e) {
    return e;
}
TFileCommands& Files(TTarvexEditor& e) {
    return e.Files();
}
TObjectsTreeCommands& Objects(TTarvexEditor& e) {
    return e.Objects();
}
TStyleCommands& Styles(TTarvexEditor& e) {
    return e.Styles();
}
TFavoriteCommands& Favorites(TTarvexEditor& e) {
    return e.Favorites();
}
TImportCommands& Imports(TTarvexEditor& e) {
    return e.Imports();
}
TPreviewCommands& Preview(TTarvexEditor& e) {
    return e.Preview();
}
TEditCommands& Edit(TTarvexEditor& e) {
    return e.Edit();
}

#define TARVEX_HANDLER(group, method) [](TTarvexEditor& e) { group(e).method(); }
constexpr std::array<TCommand, ActionCount> Table = {{
#define TARVEX_COMMAND(id, category, caption, menuCaption, hint, shortcut, alternate, icon, handler, rule)   \
    {TActionId::id, #id,       category, caption, menuCaption,         hint,                                 \
     shortcut,      alternate, icon,     handler, &TCommandRules::rule},
#include "CommandTable.inc"
#undef TARVEX_COMMAND
#undef TARVEX_HANDLER
}};

} // namespace

std::span<const TCommand> Commands() {
    return Table;
}

const TCommand& Command(TActionId id) {
    return Table[static_cast<std::size_t>(id)];
}

bool IsSwitchedCommand(TActionId id) {
    return Command(id).Enabled == &TCommandRules::SwitchedOn;
}

bool TTarvexEditor::ActionEnabled(TActionId id) const {
    return Command(id).Enabled(*this, id);
}

void TTarvexEditor::Execute(TActionId id) {
    if (const auto handler = Command(id).Handler) {
        handler(*this);
    }
}

} // namespace tarvex
