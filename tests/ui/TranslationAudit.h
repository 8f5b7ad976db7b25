#pragma once
// Reads a translation source (.ts) and finds what keeps it from shipping: unfinished and obsolete
// entries, and access keys that a translation makes two entries of one menu or dialog share.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tarvex::translation_audit {

struct TAudit {
    QString Language;
    QString Error;
    int Entries = 0;
    QStringList Unfinished;
    QStringList Obsolete;
    // "context: key: first source / second source" for each clash.
    QStringList AccessKeyClashes;
    // Access keys that split a word's joined letters (the window draws the word broken).
    QStringList SplitWords;
};

// A context whose texts sit in several menus (the commands') lists each menu's sources; keys are
// compared within each of them. Any other context is one dialog, compared whole.
using TKeyGroups = QHash<QString, QList<QStringList>>;

TAudit Audit(const QByteArray& tsText, const TKeyGroups& groups = {});

// The key that "&" gives the text, lower-cased; none for "&&" (a shown ampersand) or no "&".
QChar AccessKey(const QString& text);

} // namespace tarvex::translation_audit
