#include "MenuIconSet.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace tarvex {

QIcon DrawnMenuIcon(std::string_view name, const QColor& colour) {
    const std::string_view path = MenuIconPath(name);
    if (path.empty()) {
        return {};
    }
    const QString svg =
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\" fill=\"none\" "
                       "stroke=\"%1\" stroke-width=\"2\" stroke-linecap=\"round\" "
                       "stroke-linejoin=\"round\"><path d=\"%2\"/></svg>")
            .arg(colour.name(), QString::fromUtf8(path.data(), qsizetype(path.size())));
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
