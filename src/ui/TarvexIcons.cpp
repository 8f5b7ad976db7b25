#include "TarvexIcons.h"

#include <QFile>
#include <array>

static void InitialiseTarvexIconResource() {
    Q_INIT_RESOURCE(TarvexIcons);
}

namespace tarvex {

namespace {

// SVG through QIcon's icon engine renders crisply at any size and device pixel ratio.
QIcon LoadSvg(const QString& file) {
    const QString path = QStringLiteral(":/icons/") + file + QStringLiteral(".svg");
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

} // namespace

void TTarvexIcons::Initialise() {
    static const bool done = [] {
        InitialiseTarvexIconResource();
        return true;
    }();
    (void)done;
}

QIcon TTarvexIcons::Command(const QString& name) {
    Initialise();
    return LoadSvg(name);
}

namespace {

QString TreeImagePath(int index) {
    static const std::array<const char*, TTarvexIcons::TreeImageCount> files = {
        "tree-group",   "tree-group-selected", "tree-item",          "tree-item-selected",
        "tree-options", "tree-style",          "tree-style-selected"};
    if (index < 0 || index >= TTarvexIcons::TreeImageCount) {
        return QString();
    }
    return QStringLiteral(":/icons/") + QLatin1String(files[static_cast<std::size_t>(index)]) +
           QStringLiteral(".svg");
}

} // namespace

QIcon TTarvexIcons::TreeImage(int index) {
    Initialise();
    const QString path = TreeImagePath(index);
    return path.isEmpty() ? QIcon() : QIcon(path);
}

QIcon TTarvexIcons::NodeIcon(int normal, int selected) {
    Initialise();
    QIcon icon;
    const QString normalPath = TreeImagePath(normal);
    const QString selectedPath = TreeImagePath(selected);
    if (normalPath.isEmpty()) {
        return icon;
    }
    icon.addFile(normalPath, QSize(), QIcon::Normal);
    icon.addFile(selectedPath.isEmpty() ? normalPath : selectedPath, QSize(), QIcon::Selected);
    return icon;
}

QIcon TTarvexIcons::Program() {
    Initialise();
    return LoadSvg(QStringLiteral("tarvex"));
}

} // namespace tarvex
