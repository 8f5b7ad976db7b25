#pragma once
// The window's language: the languages it ships, the choice kept in the window settings, the
// desktop's preference, and the catalogues that make the window (and Qt's own dialogs) speak it.

#include <QString>
#include <QStringList>

#include <span>

class QCoreApplication;
class QMenu;
class QSettings;
class QWidget;

namespace tarvex {

struct TWindowLanguage {
    // As in the catalogue names: tarvex_<Code>.qm, qtbase_<Code>.qm.
    const char* Code;
    // How the language names itself, so that a reader finds it whatever the window speaks.
    const char* OwnName;
};

// English first: the source language, which needs no catalogue.
std::span<const TWindowLanguage> WindowLanguages();

class TWindowLanguageChoice {
public:
    // Beside the other window settings, group "Option"; empty or absent: follow the desktop.
    static constexpr const char* Key = "Language";

    static QString Stored(const QSettings& settings);
    static void Store(QSettings& settings, const QString& code);

    // The stored choice when it names a shipped language, else the first of the desktop's
    // languages (most wanted first, e.g. QLocale::system().uiLanguages()) that is shipped,
    // else English.
    static QString Resolve(const QString& stored, const QStringList& desktopLanguages);

    // Installs the window's and Qt's catalogues for `code` and makes it the default locale, so
    // numbers, sizes and dates follow. A missing or empty catalogue leaves its texts English.
    static void Apply(QCoreApplication& application, const QString& code);
    // Takes back what Apply installed: English texts, the default locale, the layout direction
    // the catalogues give (none left: left to right).
    static void Reset(QCoreApplication& application);
};

// A count as the window shows it: in the chosen language's digits and grouping, and as it always
// was in English.
QString ShownCount(qint64 count);

// Tools → Language: each language by its own name and "Desktop language"; a choice is kept in
// the window settings and takes effect at the next start.
void AddLanguageMenu(QMenu& tools, QWidget& parent);

} // namespace tarvex
