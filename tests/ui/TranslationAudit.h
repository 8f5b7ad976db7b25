#pragma once
// Reads a translation source (.ts) and finds what keeps it from shipping: unfinished and obsolete
// entries, and access keys that a translation makes two entries of one context share.

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
};

TAudit Audit(const QByteArray& tsText);

// The key that "&" gives the text, lower-cased; none for "&&" (a shown ampersand) or no "&".
QChar AccessKey(const QString& text);

} // namespace tarvex::translation_audit
