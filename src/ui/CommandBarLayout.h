#pragma once
// The command bars' layout file: the menus with their entries and the two toolbars, written once
// while the program ends.

#include <QString>

class QMainWindow;

namespace tarvex {

struct TMainWidgets;

QString CommandBarLayoutText(const QMainWindow& window, const TMainWidgets& widgets);

// Shows "Unable to save settings" and returns false when `path` cannot be written.
bool SaveCommandBarLayout(QMainWindow& window, const TMainWidgets& widgets, const QString& path);

} // namespace tarvex
