#pragma once
// The window's commands as Qt shows them, built from the command table: one action per command,
// the menu bar, the two toolbars and the trees' context menus.

#include "editor/ActionId.h"

#include <functional>

class QMainWindow;

namespace tarvex {

struct TMainWidgets;

// Fills `widgets` with the actions, the recent-files menu, the toolbars and the context menus, all
// owned by `window`. An action, however it is triggered, runs `execute` with its command's id.
void CreateCommandBars(QMainWindow& window, TMainWidgets& widgets,
                       const std::function<void(TActionId)>& execute);

} // namespace tarvex
