#include "ui/ShownText.h"

#include <QCoreApplication>

namespace tarvex {

namespace {

std::string ShownUtf8(const TUiText& text) {
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

} // namespace tarvex
