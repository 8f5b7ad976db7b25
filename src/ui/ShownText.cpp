#include "ui/ShownText.h"

#include "ui/RecordString.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

namespace tarvex {

namespace {

// `visible`: the verbatim parts (captions, file names, what the system said) have their direction
// controls shown, not obeyed; the translated patterns and the locale's own dates keep theirs,
// which right-to-left languages need.
std::string ShownUtf8(const TUiText& text, bool visible) {
    // The English window keeps the form it has always shown; another language writes the moment
    // its own way.
    if (text.Seconds && QLocale().language() != QLocale::English) {
        return QLocale()
            .toString(QDateTime::fromSecsSinceEpoch(*text.Seconds), QLocale::ShortFormat)
            .toStdString();
    }
    if (text.Context == nullptr) {
        return visible ? VisibleText(text.Source, TShownAs::Window) : text.Source;
    }
    std::vector<std::string> args;
    args.reserve(text.Args.size());
    for (const TUiText& arg : text.Args) {
        args.push_back(ShownUtf8(arg, visible));
    }
    const QString pattern = QCoreApplication::translate(text.Context, text.Source.c_str());
    return PutArguments(pattern.toStdString(), args);
}

} // namespace

QString Shown(const TUiText& text) {
    return Utf8ToQString(ShownUtf8(text, false));
}

QString ShownVisible(const TUiText& text) {
    return Utf8ToQString(ShownUtf8(text, true));
}

} // namespace tarvex
