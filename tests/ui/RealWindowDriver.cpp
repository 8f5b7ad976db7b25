// Driving the real window: starting and closing it, xdotool input, and the stored options.

#include "RealWindowDriver.h"

#include "UiTestSupport.h"

#include "ui/StyleTemplateUnit.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace tarvex::realwindow {

TRun Start() {
    TRun run;
    run.Folder = test::MakeAppFolder();
    run.Form = std::make_unique<TTarvexForm>(run.Folder->path());
    run.Form->CreateSecondaryForms();
    TStyleTemplateForm* dialog = run.Form->Widgets().StyleTemplateForm;
    test::OnNextModal([dialog](QWidget*) { dialog->InsertButton()->click(); });
    run.Form->show();
    return run;
}

// A copy of the sample project in a folder of its own, opened from the command line: no start-up
// dialog comes before it.
TRun StartWithProject(QString& project) {
    TRun run;
    run.Folder = test::MakeAppFolder();
    project = run.Folder->filePath("site.xml");
    QFile::copy(QStringLiteral(TARVEX_APP_DIR) + "/samples/sample.xml", project);
    QFile::setPermissions(project, QFile::ReadOwner | QFile::WriteOwner);
    run.Form = std::make_unique<TTarvexForm>(run.Folder->path());
    run.Form->SetStartupFile(project);
    run.Form->show();
    return run;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the saved project lists the caption `first` before `second`.
bool SavedBefore(const QString& path, const char* first, const char* second) {
    const QByteArray bytes = ReadAll(path);
    const qsizetype a = bytes.indexOf(QByteArray("<Caption>") + first + "</Caption>");
    const qsizetype b = bytes.indexOf(QByteArray("<Caption>") + second + "</Caption>");
    return a >= 0 && b >= 0 && a < b;
}

// Closes as a person does; the save question a changed design asks is answered No.
void Close(TRun& run) {
    if (run.Form->Editor().Modified()) {
        test::OnNextModal([](QWidget* w) {
            if (QAbstractButton* no = test::ButtonWithText(w, "&No")) {
                no->click();
            }
        });
    }
    run.Form->close();
}

void XdoTool(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), args);
    QVERIFY2(tool.waitForFinished(20000) && tool.exitCode() == 0, qPrintable(args.join(' ')));
}

QString XdoToolOutput(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), args);
    tool.waitForFinished(60000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// The first shown window whose title matches `pattern` (a regular expression), waited for.
QString WindowNamed(const QString& pattern) {
    QString found;
    const bool shown = QTest::qWaitFor(
        [&] {
            QProcess search;
            search.start(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", pattern});
            search.waitForFinished(10000);
            found = QString::fromLatin1(search.readAllStandardOutput())
                        .section(QLatin1Char('\n'), 0, 0)
                        .trimmed();
            return !found.isEmpty();
        },
        60000);
    return shown ? found : QString();
}

// Brings the window titled after `pattern` to the front and presses `keys` in it.
void PressIn(const QString& pattern, const QStringList& keys) {
    const QString window = WindowNamed(pattern);
    QVERIFY2(!window.isEmpty(), qPrintable("no window " + pattern));
    XdoTool(QStringList{"windowactivate", "--sync", window, "key"} + keys);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QSettings Settings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Korvane", "Tarvex");
}

void Store(const std::map<QString, int>& values) {
    QSettings settings = Settings();
    settings.clear();
    for (const auto& [name, value] : values) {
        settings.setValue("Option/" + name, QString::number(value));
    }
    settings.sync();
}

int Stored(const char* name) {
    return Settings().value(QStringLiteral("Option/") + name).toString().toInt();
}

} // namespace tarvex::realwindow
