#include "TranslationAudit.h"

#include <QXmlStreamReader>

#include <vector>

namespace tarvex::translation_audit {

namespace {

struct TEntry {
    QString Source;
    QString Translation;
    QString Type;
};

void CheckKeys(const QString& context, const std::vector<const TEntry*>& entries, TAudit& audit) {
    // English may already give two entries of a context one key (they sit in different menus);
    // a translation clashes only where it joins texts whose English keys differ.
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            const QChar key = AccessKey(entries[i]->Translation);
            if (key.isNull() || key != AccessKey(entries[j]->Translation) ||
                AccessKey(entries[i]->Source) == AccessKey(entries[j]->Source)) {
                continue;
            }
            audit.AccessKeyClashes << context + QStringLiteral(": ") + key + QStringLiteral(": ") +
                                          entries[i]->Source + QStringLiteral(" / ") + entries[j]->Source;
        }
    }
}

// Reads one <message>; the reader stands on its start element.
TEntry ReadMessage(QXmlStreamReader& reader) {
    TEntry entry;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("source")) {
            entry.Source = reader.readElementText();
        } else if (reader.name() == QLatin1String("translation")) {
            entry.Type = reader.attributes().value(QLatin1String("type")).toString();
            // Plural forms: every form carries the same key, the first stands for them.
            entry.Translation = reader.readElementText(QXmlStreamReader::IncludeChildElements);
        } else {
            reader.skipCurrentElement();
        }
    }
    return entry;
}

// Whether the key's underline falls between two joined letters of a cursive script: the window
// then draws the word in broken pieces. After a letter that never joins the next one (alef, dal,
// ra, waw and their kin) or at a word's start, the word stays whole.
bool SplitsJoinedLetters(const QString& text) {
    static const QString nonJoining =
        QStringLiteral("\u0622\u0623\u0625\u0627\u062F\u0630\u0631\u0632\u0648\u0624\u0629\u0621");
    const auto arabicLetter = [](QChar c) { return c.unicode() >= 0x0620 && c.unicode() <= 0x064A; };
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && text[i + 1] != QLatin1Char('&') && arabicLetter(text[i - 1]) &&
            !nonJoining.contains(text[i - 1]) && arabicLetter(text[i + 1])) {
            return true;
        }
    }
    return false;
}

void ReadContext(QXmlStreamReader& reader, const TKeyGroups& groups, TAudit& audit) {
    QString name;
    std::vector<TEntry> entries;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("name")) {
            name = reader.readElementText();
        } else if (reader.name() == QLatin1String("message")) {
            TEntry entry = ReadMessage(reader);
            ++audit.Entries;
            const QString where = name + QStringLiteral(": ") + entry.Source;
            if (SplitsJoinedLetters(entry.Translation)) {
                audit.SplitWords << where;
            }
            if (entry.Type == QLatin1String("unfinished")) {
                audit.Unfinished << where;
            } else if (entry.Type == QLatin1String("obsolete") || entry.Type == QLatin1String("vanished")) {
                audit.Obsolete << where;
                continue;
            }
            entries.push_back(std::move(entry));
        } else {
            reader.skipCurrentElement();
        }
    }
    const auto grouped = groups.find(name);
    if (grouped == groups.end()) {
        std::vector<const TEntry*> all;
        for (const TEntry& entry : entries) {
            all.push_back(&entry);
        }
        CheckKeys(name, all, audit);
        return;
    }
    for (const QStringList& group : *grouped) {
        std::vector<const TEntry*> members;
        for (const TEntry& entry : entries) {
            if (group.contains(entry.Source)) {
                members.push_back(&entry);
            }
        }
        CheckKeys(name, members, audit);
    }
}

} // namespace

QChar AccessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            continue;
        }
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

TAudit Audit(const QByteArray& tsText, const TKeyGroups& groups) {
    TAudit audit;
    QXmlStreamReader reader(tsText);
    if (reader.readNextStartElement() && reader.name() == QLatin1String("TS")) {
        audit.Language = reader.attributes().value(QLatin1String("language")).toString();
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("context")) {
                ReadContext(reader, groups, audit);
            } else {
                reader.skipCurrentElement();
            }
        }
    } else if (!reader.hasError()) {
        audit.Error = QStringLiteral("no <TS> element");
    }
    if (reader.hasError()) {
        audit.Error = reader.errorString();
    }
    return audit;
}

} // namespace tarvex::translation_audit
