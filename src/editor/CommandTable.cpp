#include "CommandTable.h"

#include <algorithm>
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

constexpr TCommandPlace Place(TCommandBar bar, int order) {
    return {bar, order};
}

#define TARVEX_HANDLER(group, method) [](TTarvexEditor& e) { group(e).method(); }
#define TARVEX_PLACES(...) TCommandPlaces({__VA_ARGS__})
#define On(bar, order) Place(TCommandBar::bar, order)
constexpr std::array<TCommand, ActionCount> Table = {{
#define TARVEX_COMMAND(id, category, caption, menuCaption, hint, shortcut, alternate, icon, places, handler, \
                       rule)                                                                                 \
    {TActionId::id, #id,       category, caption, menuCaption, hint,                                         \
     shortcut,      alternate, icon,     places,  handler,     &TCommandRules::rule},
#include "CommandTable.inc"
#undef TARVEX_COMMAND
#undef On
#undef TARVEX_PLACES
#undef TARVEX_HANDLER
}};

constexpr std::array<TMenuBarMenu, 7> MenuBar = {{
    {TCommandBar::FileMenu, TARVEX_TRANSLATE_NOOP("Command", "&File")},
    {TCommandBar::EditMenu, TARVEX_TRANSLATE_NOOP("Command", "&Edit")},
    {TCommandBar::MenuMenu, TARVEX_TRANSLATE_NOOP("Command", "&Menu")},
    {TCommandBar::StylesMenu, TARVEX_TRANSLATE_NOOP("Command", "&Styles")},
    {TCommandBar::PreviewMenu, TARVEX_TRANSLATE_NOOP("Command", "&Preview")},
    {TCommandBar::ToolsMenu, TARVEX_TRANSLATE_NOOP("Command", "&Tools")},
    {TCommandBar::HelpMenu, TARVEX_TRANSLATE_NOOP("Command", "&Help")},
}};

// Two entries with one order on one bar would show in an order nobody chose.
constexpr bool OrdersAreUnique() {
    for (int bar = 0; bar < CommandBarCount; ++bar) {
        std::array<bool, 100> taken{};
        if (RecentFilesPlace.Bar == static_cast<TCommandBar>(bar)) {
            taken[static_cast<std::size_t>(RecentFilesPlace.Order)] = true;
        }
        for (const TCommand& command : Table) {
            for (const TCommandPlace& place : command.Places.View()) {
                if (place.Bar != static_cast<TCommandBar>(bar)) {
                    continue;
                }
                if (place.Order < 10 || place.Order > 99 || taken[static_cast<std::size_t>(place.Order)]) {
                    return false;
                }
                taken[static_cast<std::size_t>(place.Order)] = true;
            }
        }
    }
    return true;
}
static_assert(OrdersAreUnique(), "each bar's orders are two-digit and unique");

} // namespace

std::span<const TCommand> Commands() {
    return Table;
}

const TCommand& Command(TActionId id) {
    return Table[static_cast<std::size_t>(id)];
}

std::span<const TMenuBarMenu> MenuBarMenus() {
    return MenuBar;
}

std::vector<TBarEntry> BarEntries(TCommandBar bar) {
    std::vector<std::pair<int, TBarEntry>> placed;
    if (RecentFilesPlace.Bar == bar) {
        placed.push_back({RecentFilesPlace.Order, {TBarEntry::TKind::RecentFiles, {}}});
    }
    for (const TCommand& command : Table) {
        for (const TCommandPlace& place : command.Places.View()) {
            if (place.Bar == bar) {
                placed.push_back({place.Order, {TBarEntry::TKind::Command, command.Id}});
            }
        }
    }
    std::sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<TBarEntry> entries;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (i > 0 && placed[i].first / 10 != placed[i - 1].first / 10) {
            entries.push_back({});
        }
        entries.push_back(placed[i].second);
    }
    return entries;
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
