#include "MenuIconSet.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <algorithm>
#include <array>

namespace tarvex {

namespace {

constexpr TMenuIconPath Paths[] = {
#include "MenuIconPaths.inc"
};

} // namespace

std::span<const TMenuIconPath> MenuIconPaths() {
    return Paths;
}

QIcon DrawnMenuIcon(std::string_view name, const QColor& colour) {
    const auto* found = std::find_if(std::begin(Paths), std::end(Paths),
                                     [name](const TMenuIconPath& icon) { return icon.Name == name; });
    if (found == std::end(Paths)) {
        return {};
    }
    const QString svg =
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\" fill=\"none\" "
                       "stroke=\"%1\" stroke-width=\"2\" stroke-linecap=\"round\" "
                       "stroke-linejoin=\"round\"><path d=\"%2\"/></svg>")
            .arg(colour.name(), QString::fromUtf8(found->Path.data(), qsizetype(found->Path.size())));
    QSvgRenderer renderer(svg.toUtf8());
    QIcon icon;
    // Drawn at each size a pick list asks for, so it stays sharp on any screen.
    for (const int side : {16, 24, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace tarvex
