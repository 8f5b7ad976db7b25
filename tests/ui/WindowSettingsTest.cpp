// The window's stored settings: names, defaults, round trip, bad values, and bounds kept on screen.

#include "IntegerTextCases.h"

#include "ui/WindowSettings.h"
#include "ui/WindowSettingsAdapter.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvex;

class TWindowSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void SettingsDefaultsAndNames();
    void SettingsRoundTripAndBadValues();
    void SettingsWrittenBoundsFirstThenState();
    void SettingsBoundsOnlyInNormalState();
    void WindowBoundsAreBroughtOntoTheScreen();
};

void TWindowSettingsTest::SettingsDefaultsAndNames() {
    // The names are the stored ones, misspelling included, in reading order with WinState last.
    const QStringList expected = {"Width",
                                  "Heigth",
                                  "Left",
                                  "Top",
                                  "FileToolBarLeft",
                                  "FileToolBarTop",
                                  "FileToolBarVisible",
                                  "CommandsToolBarLeft",
                                  "CommandsToolBarTop",
                                  "CommandsToolBarVisible",
                                  "ObjectsTree",
                                  "MenuStyles",
                                  "LeftPanel",
                                  "PreviewScreen",
                                  "ShowStyleTemplate",
                                  "PublishOutput",
                                  "WinState"};
    QStringList names;
    for (const TWindowSettingEntry& entry : WindowSettingTable) {
        names << QString::fromLatin1(entry.Name);
    }
    QCOMPARE(names, expected);

    const TWindowSettings d = TWindowSettings::Defaults();
    QCOMPARE(d.Width, 600);
    QCOMPARE(d.Heigth, 400);
    QCOMPARE(d.Left, 10);
    QCOMPARE(d.Top, 10);
    QCOMPARE(d.FileToolBarLeft, 11);
    QCOMPARE(d.FileToolBarTop, 2);
    QCOMPARE(d.FileToolBarVisible, 1);
    QCOMPARE(d.CommandsToolBarLeft, 11);
    QCOMPARE(d.CommandsToolBarTop, 32);
    QCOMPARE(d.CommandsToolBarVisible, 1);
    QCOMPARE(d.ObjectsTree, 120);
    QCOMPARE(d.MenuStyles, 120);
    QCOMPARE(d.LeftPanel, 300);
    QCOMPARE(d.ShowStyleTemplate, 1);
    QCOMPARE(d.WinState, 2);

    QTemporaryDir dir;
    QSettings empty(dir.filePath("empty.ini"), QSettings::IniFormat);
    QCOMPARE(TWindowSettingsStore::Read(empty), d);
}

void TWindowSettingsTest::SettingsRoundTripAndBadValues() {
    QTemporaryDir dir;
    const QString file = dir.filePath("tarvex.ini");
    TWindowSettings values = TWindowSettings::Defaults();
    values.Width = 812;
    values.Left = -20;
    values.FileToolBarVisible = 0;
    values.LeftPanel = 333;
    values.WinState = 0;
    {
        QSettings settings(file, QSettings::IniFormat);
        TWindowSettingsStore::Write(settings, values, true);
    }
    {
        QSettings settings(file, QSettings::IniFormat);
        QCOMPARE(TWindowSettingsStore::Read(settings), values);
        // Every value is a decimal string under the "Option" group.
        QCOMPARE(settings.value("Option/Left").typeId(), int(QMetaType::QString));
        QCOMPARE(settings.value("Option/Left").toString(), QString("-20"));
        QCOMPARE(settings.value("Option/Heigth").toString(), QString("400"));
    }
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue("Option/Width", "8x0");
        settings.setValue("Option/Heigth", "");
        settings.setValue("Option/Top", "99999999999");
        settings.setValue("Option/WinState", "7");
        settings.setValue("Option/Left", QStringList{"1", "2"});
    }
    QSettings settings(file, QSettings::IniFormat);
    const TWindowSettings read = TWindowSettingsStore::Read(settings);
    QCOMPARE(read.Width, 600);
    QCOMPARE(read.Heigth, 400);
    QCOMPARE(read.Top, 10);
    QCOMPARE(read.Left, 10);
    QCOMPARE(read.WinState, 7);
    QCOMPARE(read.ValidWinState(), 0);
    QCOMPARE(read.LeftPanel, 333);

    for (const test::TIntegerTextCase& c : test::IntegerTextCases) {
        int v = -1;
        const QString text = QString::fromUtf8(c.Text.data(), static_cast<qsizetype>(c.Text.size()));
        const bool parsed = TWindowSettingsStore::ParseDecimal(text, v);
        QVERIFY2(parsed == c.MinusOnly.has_value() && (!parsed || v == *c.MinusOnly), c.Text.data());
    }
}

void TWindowSettingsTest::SettingsWrittenBoundsFirstThenState() {
    auto names = [](bool normal) {
        QStringList list;
        for (const TWindowSettingEntry* entry : TWindowSettingsStore::WriteOrder(normal)) {
            list << entry->Name;
        }
        return list;
    };
    const QStringList rest = {"WinState",
                              "FileToolBarLeft",
                              "FileToolBarTop",
                              "FileToolBarVisible",
                              "CommandsToolBarLeft",
                              "CommandsToolBarTop",
                              "CommandsToolBarVisible",
                              "ObjectsTree",
                              "MenuStyles",
                              "LeftPanel",
                              "PreviewScreen",
                              "ShowStyleTemplate",
                              "PublishOutput"};
    QCOMPARE(names(true), QStringList({"Width", "Heigth", "Left", "Top"}) + rest);
    QCOMPARE(names(false), rest);
}

void TWindowSettingsTest::SettingsBoundsOnlyInNormalState() {
    QTemporaryDir dir;
    const QString file = dir.filePath("tarvex.ini");
    TWindowSettings first = TWindowSettings::Defaults();
    first.Width = 700;
    first.WinState = 0;
    {
        QSettings settings(file, QSettings::IniFormat);
        TWindowSettingsStore::Write(settings, first, true);
    }
    TWindowSettings maximised = first;
    maximised.Width = 1920;
    maximised.WinState = 2;
    maximised.ObjectsTree = 222;
    {
        QSettings settings(file, QSettings::IniFormat);
        TWindowSettingsStore::Write(settings, maximised, false);
    }
    QSettings settings(file, QSettings::IniFormat);
    const TWindowSettings read = TWindowSettingsStore::Read(settings);
    QCOMPARE(read.Width, 700);
    QCOMPARE(read.WinState, 2);
    QCOMPARE(read.ObjectsTree, 222);
}

void TWindowSettingsTest::WindowBoundsAreBroughtOntoTheScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QMargins frame(4, 30, 4, 4);
    const QRect inner = screen.marginsRemoved(frame);
    const QRect fits(inner.left() + 20, inner.top() + 20, inner.width() / 2, inner.height() / 2);
    struct TCase {
        const char* Name;
        QRect Stored;
        QRect Expected;
    };
    const TCase cases[] = {
        {"fits: unchanged", fits, fits},
        {"on a monitor that is gone", fits.translated(5000, 3000),
         QRect(inner.right() - fits.width() + 1, inner.bottom() - fits.height() + 1, fits.width(),
               fits.height())},
        {"title bar above the screen", QRect(fits.left(), screen.top() - 200, fits.width(), fits.height()),
         QRect(fits.left(), inner.top(), fits.width(), fits.height())},
        {"larger than the screen", QRect(-50, -50, screen.width() * 3, screen.height() * 2), inner},
    };
    for (const TCase& c : cases) {
        QCOMPARE(TWindowSettingsAdapter::FitOnScreens(c.Stored, frame), c.Expected);
    }
}

QTEST_MAIN(TWindowSettingsTest)
#include "WindowSettingsTest.moc"
