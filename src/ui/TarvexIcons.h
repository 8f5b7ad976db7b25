#pragma once
// Access to the program's own SVG icons: command icons, the seven tree images and the program icon.

#include <QIcon>
#include <QString>

namespace tarvex {

class TTarvexIcons {
public:
    // Registers the resource file; a static library's resources are not found otherwise.
    static void Initialise();
    // A command icon by its file name without ".svg" ("new", "open", ...).
    static QIcon Command(const QString& name);
    // The tree image list: 0/1 group, 2/3 item, 4 Menu Options, 5/6 style.
    static QIcon TreeImage(int index);
    // One icon for a node: `normal` in the Normal mode, `selected` in the Selected mode that item
    // views use for a selected row.
    static QIcon NodeIcon(int normal, int selected);
    static QIcon Program();
    static constexpr int TreeImageCount = 7;
};

} // namespace tarvex
