#include "WindowLanguage.h"

#include "WindowSettings.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTranslator>

#include <array>

namespace tarvex {

namespace {

constexpr std::array<TWindowLanguage, 8> Languages{{
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Français"},
    {"es", "Español"},
    {"pt_BR", "Português (Brasil)"},
    {"ja", "日本語"},
    {"zh_CN", "简体中文"},
    {"ar", "العربية"},
}};

// Qt turns the whole window right to left when this entry translates to "RTL" (Arabic); Qt's own
// catalogue says so too, ours keeps it when that one is missing.
[[maybe_unused]] constexpr const char* LayoutDirection =
    //: "RTL" for a language written right to left, "LTR" otherwise.
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// Apply's catalogues carry this name, so that Reset removes them and no other.
constexpr const char* InstalledName = "TarvexWindowLanguage";

QString Keyed() {
    return QLatin1String(TWindowSettingsStore::Group) + QLatin1Char('/') +
           QLatin1String(TWindowLanguageChoice::Key);
}

bool IsShipped(const QString& code) {
    for (const TWindowLanguage& language : Languages) {
        if (code == QLatin1String(language.Code)) {
            return true;
        }
    }
    return false;
}

// A desktop language matches a shipped one by language; Chinese also by script, so that a reader
// of Traditional Chinese is not handed Simplified.
bool Matches(const QLocale& wanted, const QLocale& shipped) {
    if (wanted.language() != shipped.language()) {
        return false;
    }
    return wanted.language() != QLocale::Chinese || wanted.script() == shipped.script();
}

QSettings OpenSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QLatin1String(TWindowSettingsStore::Organisation),
                     QLatin1String(TWindowSettingsStore::Application));
}

} // namespace

std::span<const TWindowLanguage> WindowLanguages() {
    return Languages;
}

QString TWindowLanguageChoice::Stored(const QSettings& settings) {
    return settings.value(Keyed()).toString();
}

void TWindowLanguageChoice::Store(QSettings& settings, const QString& code) {
    settings.setValue(Keyed(), code);
}

QString TWindowLanguageChoice::Resolve(const QString& stored, const QStringList& desktopLanguages) {
    if (IsShipped(stored)) {
        return stored;
    }
    for (const QString& name : desktopLanguages) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::C) {
            continue;
        }
        for (const TWindowLanguage& language : Languages) {
            if (Matches(wanted, QLocale(QLatin1String(language.Code)))) {
                return QLatin1String(language.Code);
            }
        }
    }
    return QStringLiteral("en");
}

void TWindowLanguageChoice::Apply(QCoreApplication& application, const QString& code) {
    QLocale::setDefault(QLocale(code));
    if (code == QLatin1String("en")) {
        return;
    }
    auto* own = new QTranslator(&application);
    own->setObjectName(QLatin1String(InstalledName));
    if (own->load(QStringLiteral(":/i18n/tarvex_") + code)) {
        QCoreApplication::installTranslator(own);
    }
    auto* qt = new QTranslator(&application);
    qt->setObjectName(QLatin1String(InstalledName));
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
}

void TWindowLanguageChoice::Reset(QCoreApplication& application) {
    for (QTranslator* installed :
         application.findChildren<QTranslator*>(QLatin1String(InstalledName), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    QLocale::setDefault(QLocale(QStringLiteral("en")));
}

QString ShownCount(qint64 count) {
    const QLocale locale;
    // English kept its plain digits before the window had languages; grouping them now would
    // change what an English reader has always seen.
    return locale.language() == QLocale::English || locale.language() == QLocale::C ? QString::number(count)
                                                                                    : locale.toString(count);
}

void AddLanguageMenu(QMenu& tools, QWidget& parent) {
    QMenu* menu = tools.addMenu(QCoreApplication::translate("Language", "&Language"));
    menu->menuAction()->setProperty("menuCaption", QStringLiteral("&Language"));
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu);
    const QString stored = TWindowLanguageChoice::Stored(OpenSettings());
    auto add = [&](const QString& caption, const QString& code) {
        QAction* entry = menu->addAction(caption);
        entry->setCheckable(true);
        entry->setChecked(code == stored || (code.isEmpty() && !IsShipped(stored)));
        entry->setData(code);
        group->addAction(entry);
        QObject::connect(entry, &QAction::triggered, &parent, [&parent, code] {
            QSettings settings = OpenSettings();
            TWindowLanguageChoice::Store(settings, code);
            QMessageBox::information(
                &parent, QCoreApplication::translate("Language", "Language"),
                QCoreApplication::translate("Language", "The new language takes effect at the next start."));
        });
    };
    add(QCoreApplication::translate("Language", "Desktop language"), QString());
    // The command-bar layout file names entries in English, whatever the window shows.
    menu->actions().constLast()->setProperty("menuCaption", QStringLiteral("Desktop language"));
    menu->addSeparator();
    for (const TWindowLanguage& language : Languages) {
        add(QString::fromUtf8(language.OwnName), QLatin1String(language.Code));
    }
}

} // namespace tarvex
