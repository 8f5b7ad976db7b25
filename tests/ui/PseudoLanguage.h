#pragma once
// A made-up language for the window tests: every text accented, bracketed and about 40 % longer,
// so that a text the window still shows in plain English, or cuts off, stands out.

#include <QSet>
#include <QStringList>
#include <QTranslator>

class QWidget;

namespace tarvex::test {

// Letters accented, "[…]" around, padding inside; %1, %n, "&" keys, tags, entities and line
// breaks stay as they are, so the text still works where the source did.
QString PseudoText(const QString& source);
bool HasPseudoMark(const QString& text);

class TPseudoTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};

struct TTextFindings {
    // "where: text" for each text still in plain source English.
    QStringList Unmarked;
    // "where: text" for each text its widget has no room for.
    QStringList CutOff;
};

// Which widgets show what: the program's texts are checked, the author's and names are not.
struct TRoles {
    // Item views (by object name) whose rows are the program's own texts; the others list what
    // the author typed or chose.
    QSet<QString> OwnLists;
    // "window/widget" object names of widgets whose text is no language: the product's name, an
    // example address.
    QSet<QString> Verbatim;
};

// Looks at what `root` shows: its own texts and every visible child's, every menu's entries.
// What the author typed or chose (design captions, addresses, file names, values in the grids'
// value column) is the author's and is left alone.
void Inspect(QWidget* root, const TRoles& roles, TTextFindings& findings);

} // namespace tarvex::test
