#include "ui/ShownText.h"

#include "ui/RecordString.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

namespace tarvex {

namespace {

std::string ShownUtf8(const TUiText& text) {
    // The English window keeps the form it has always shown; another language writes the moment
    // its own way.
    if (text.Seconds && QLocale().language() != QLocale::English) {
        return QLocale()
            .toString(QDateTime::fromSecsSinceEpoch(*text.Seconds), QLocale::ShortFormat)
            .toStdString();
    }
    if (text.Context == nullptr) {
        return text.Source;
    }
    std::vector<std::string> args;
    args.reserve(text.Args.size());
    for (const TUiText& arg : text.Args) {
        args.push_back(ShownUtf8(arg));
    }
    const QString pattern = QCoreApplication::translate(text.Context, text.Source.c_str());
    return PutArguments(pattern.toStdString(), args);
}

} // namespace

QString Shown(const TUiText& text) {
    return QString::fromStdString(ShownUtf8(text));
}

QString ShownVisible(const TUiText& text) {
    return ShownText(ShownUtf8(text));
}

} // namespace tarvex
