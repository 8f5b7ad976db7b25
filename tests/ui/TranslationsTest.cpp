// The window's translations as shipped: every .ts file current with the sources, no unfinished
// or obsolete entry in a language shipped complete, no access key a translation makes two
// entries of one menu or dialog share.

#include "TranslationAudit.h"

#include "editor/CommandTable.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvex::translation_audit;

namespace {

// Languages whose translation is finished; each must stay so.
const QStringList ShippedComplete{"ar", "de", "es", "fr", "ja", "pt_BR", "zh_CN"};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TsFiles() {
    const QDir folder(QStringLiteral(TARVEX_TS_DIR));
    QStringList paths;
    for (const QString& name : folder.entryList({QStringLiteral("tarvex_*.ts")}, QDir::Files, QDir::Name)) {
        paths << folder.filePath(name);
    }
    return paths;
}

QByteArray TsText(const QString& context, const QString& messages) {
    return (QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?><TS version=\"2.1\" language=\"de\">"
                           "<context><name>") +
            context + QStringLiteral("</name>") + messages + QStringLiteral("</context></TS>"))
        .toUtf8();
}

QString Message(const QString& source, const QString& translation, const QString& type = QString()) {
    const QString typed = type.isEmpty() ? QString() : QStringLiteral(" type=\"") + type + QLatin1Char('"');
    return QStringLiteral("<message><source>") + source + QStringLiteral("</source><translation") + typed +
           QLatin1Char('>') + translation + QStringLiteral("</translation></message>");
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The commands share one context but not one menu: each menu and context menu is a group of its
// own, and so is the menu bar's row of titles.
TKeyGroups CommandMenus() {
    QList<QStringList> menus;
    QStringList titles;
    for (const tarvex::TMenuBarMenu& menu : tarvex::MenuBarMenus()) {
        titles << FromView(menu.Title);
    }
    menus << titles;
    using tarvex::TCommandBar;
    for (const TCommandBar bar :
         {TCommandBar::FileMenu, TCommandBar::EditMenu, TCommandBar::MenuMenu, TCommandBar::StylesMenu,
          TCommandBar::PreviewMenu, TCommandBar::ToolsMenu, TCommandBar::HelpMenu,
          TCommandBar::ObjectsTreePopup, TCommandBar::StyleListPopup}) {
        QStringList captions;
        for (const tarvex::TBarEntry& entry : tarvex::BarEntries(bar)) {
            if (entry.Kind == tarvex::TBarEntry::TKind::Command) {
                captions << FromView(tarvex::Command(entry.Id).MenuCaption);
            } else if (entry.Kind == tarvex::TBarEntry::TKind::RecentFiles) {
                captions << FromView(tarvex::RecentFilesCaption);
            }
        }
        menus << captions;
    }
    return {{QStringLiteral("Command"), menus}};
}

} // namespace

class TTranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void AuditFindsFaults_data() {
        QTest::addColumn<QString>("messages");
        QTest::addColumn<int>("clashes");
        QTest::addColumn<int>("unfinished");
        QTest::addColumn<int>("obsolete");
        QTest::addColumn<QList<QStringList>>("menus");
        const QString open = Message(QStringLiteral("&amp;Open"), QStringLiteral("&amp;Öffnen"));
        QTest::newRow("distinct keys")
            << open + Message(QStringLiteral("&amp;Save"), QStringLiteral("&amp;Speichern")) << 0 << 0 << 0
            << QList<QStringList>();
        QTest::newRow("translation joins keys")
            << open + Message(QStringLiteral("&amp;Close"), QStringLiteral("&amp;öffentlich")) << 1 << 0 << 0
            << QList<QStringList>();
        QTest::newRow("English already shares the key")
            << open + Message(QStringLiteral("&amp;Outline"), QStringLiteral("&amp;Ölung")) << 0 << 0 << 0
            << QList<QStringList>();
        QTest::newRow("shown ampersand is no key")
            << open + Message(QStringLiteral("Save &amp;&amp; &amp;Close"), QStringLiteral("S &amp;&amp; O"))
            << 0 << 0 << 0 << QList<QStringList>();
        QTest::newRow("unfinished and obsolete")
            << open + Message(QStringLiteral("&amp;Edit"), QString(), QStringLiteral("unfinished")) +
                   Message(QStringLiteral("&amp;Gone"), QStringLiteral("&amp;Öde"),
                           QStringLiteral("vanished"))
            << 0 << 1 << 1 << QList<QStringList>();
        const QString close = Message(QStringLiteral("&amp;Close"), QStringLiteral("&amp;öffentlich"));
        QTest::newRow("joined keys in two menus")
            << open + close << 0 << 0 << 0 << QList<QStringList>{{"&Open"}, {"&Close"}};
        QTest::newRow("joined keys in one menu")
            << open + close << 1 << 0 << 0 << QList<QStringList>{{"&Open", "&Close"}, {"&Open"}};
    }

    void AuditFindsFaults() {
        QFETCH(QString, messages);
        QFETCH(int, clashes);
        QFETCH(int, unfinished);
        QFETCH(int, obsolete);
        QFETCH(QList<QStringList>, menus);
        const TKeyGroups groups =
            menus.isEmpty() ? TKeyGroups() : TKeyGroups{{QStringLiteral("Menu"), menus}};
        const TAudit audit = Audit(TsText(QStringLiteral("Menu"), messages), groups);
        QVERIFY2(audit.Error.isEmpty(), qPrintable(audit.Error));
        QCOMPARE(audit.AccessKeyClashes.size(), clashes);
        QCOMPARE(audit.Unfinished.size(), unfinished);
        QCOMPARE(audit.Obsolete.size(), obsolete);
    }

    // Only the key between two joined letters breaks the word; after a letter that never joins
    // the next one, or at a word's start, it stays whole.
    void AuditFindsSplitWords() {
        const TAudit audit =
            Audit(TsText(QStringLiteral("Stage"),
                         Message(QStringLiteral("&amp;Screen:"),
                                 QStringLiteral("\u0627\u0644&amp;\u0634\u0627\u0634\u0629:")) +
                             Message(QStringLiteral("&amp;Width:"),
                                     QStringLiteral("\u0627\u0644\u0634\u0627&amp;\u0634\u0629")) +
                             Message(QStringLiteral("&amp;Help"),
                                     QStringLiteral("&amp;\u0645\u0633\u0627\u0639\u062F\u0629"))));
        QCOMPARE(audit.SplitWords, QStringList{QStringLiteral("Stage: &Screen:")});
    }

    // Every fault of every file is listed at once, so one run shows a translator all there is to mend.
    void ShippedFilesAreSound() {
        const QStringList paths = TsFiles();
        QVERIFY(paths.size() >= 7);
        QStringList faults;
        for (const QString& path : paths) {
            const TAudit audit = Audit(ReadAll(path), CommandMenus());
            const QString file = QFileInfo(path).fileName() + QStringLiteral(": ");
            if (!audit.Error.isEmpty() || audit.Entries == 0) {
                faults << file + QStringLiteral("unreadable ") + audit.Error;
            }
            for (const QString& clash : audit.AccessKeyClashes) {
                faults << file + QStringLiteral("access key ") + clash;
            }
            for (const QString& split : audit.SplitWords) {
                faults << file + QStringLiteral("access key splits a word ") + split;
            }
            if (ShippedComplete.contains(audit.Language)) {
                for (const QString& open : audit.Unfinished + audit.Obsolete) {
                    faults << file + QStringLiteral("not finished ") + open;
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // lupdate, run as the update target runs it, must leave every .ts file as it is.
    void FilesAreCurrentWithSources() {
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        QStringList options = QString::fromUtf8(ReadAll(QStringLiteral(TARVEX_LUPDATE_OPTIONS)))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(!options.isEmpty());
        for (const QString& path : TsFiles()) {
            const QString copy = scratch.filePath(QFileInfo(path).fileName());
            QVERIFY(QFile::copy(path, copy));
            QProcess lupdate;
            lupdate.start(QStringLiteral(TARVEX_LUPDATE),
                          options + QStringList{QStringLiteral("@" TARVEX_LUPDATE_SOURCES),
                                                QStringLiteral("-ts"), copy});
            QVERIFY(lupdate.waitForFinished(120000));
            QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
            QVERIFY2(
                ReadAll(copy) == ReadAll(path),
                qPrintable(path + QStringLiteral(" is out of date: build the update_translations target")));
        }
    }
};

QTEST_GUILESS_MAIN(TTranslationsTest)
#include "TranslationsTest.moc"
