#pragma once
// The command table: for each of the main window's commands its name, category, captions, hint,
// keys, icon, handler and enabling rule. Menus, toolbars, Customize, shortcuts and dispatch read it.

#include "ActionId.h"
#include "TarvexEditor.h"

#include <span>
#include <string_view>

namespace tarvex {

struct TCommand {
    TActionId Id;
    std::string_view Name;
    std::string_view Category;
    // The command's own caption, as Customize and the context menus' hints name it.
    std::string_view Caption;
    // As the menus show it, "&" before the access key's letter.
    std::string_view MenuCaption;
    std::string_view Hint;
    // In the "Ctrl+N" form, empty for none; AlternateShortcut is a second key for the same command.
    std::string_view Shortcut;
    std::string_view AlternateShortcut;
    // The icon's file name without ".svg"; commands may share a picture.
    std::string_view Icon;
    // Null for a command that is only shown.
    void (*Handler)(TTarvexEditor&);
    bool (*Enabled)(const TTarvexEditor&, TActionId);
};

// In the order of TActionId.
std::span<const TCommand> Commands();
const TCommand& Command(TActionId id);
// Whether the command is switched on and off by the events that concern it rather than derived
// from the state.
bool IsSwitchedCommand(TActionId id);

} // namespace tarvex
