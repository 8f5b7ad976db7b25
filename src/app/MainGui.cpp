// The desktop program: answers --help and --version, resolves the application folder, creates the
// windows and runs the message loop; a project named on the command line opens after start-up.

#include "ui/ApplicationFolder.h"
#include "ui/MainUnit.h"
#include "ui/WindowLanguage.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* UsageText = "Usage: tarvex [PROJECT.xml]\n"
                                  "Design drop-down menus for web pages and publish their scripts.\n"
                                  "\n"
                                  "  PROJECT.xml  open this project once the program has started\n"
                                  "  --help       show this help and exit\n"
                                  "  --version    show the version and exit\n";

enum class TCommandLine { Run, Help, Version, Unknown };

// Read before any window or display exists, so that these answers need neither.
TCommandLine ReadCommandLine(int argc, char** argv, const char*& project) {
    project = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            return TCommandLine::Help;
        }
        if (std::strcmp(arg, "--version") == 0) {
            return TCommandLine::Version;
        }
        if (arg[0] == '-' && arg[1] == '-' && arg[2] == '\0') {
            // Whatever follows "--" is a file name, even one that begins with "-".
            project = i + 1 < argc ? argv[i + 1] : project;
            break;
        }
        if (arg[0] == '-') {
            // Toolkit options (-platform, -style, ...) are the toolkit's; a lone unknown one is not ours.
            continue;
        }
        project = arg;
    }
    return TCommandLine::Run;
}

} // namespace

int main(int argc, char** argv) {
    const char* project = nullptr;
    switch (ReadCommandLine(argc, argv, project)) {
    case TCommandLine::Help:
        std::fputs(UsageText, stdout);
        return 0;
    case TCommandLine::Version:
        std::printf("tarvex %s\n", TARVEX_VERSION);
        return 0;
    default:
        break;
    }

    // The embedded browsers share their graphics context with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Korvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarvex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVEX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvex"));
    {
        const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                                 QCoreApplication::organizationName(), QCoreApplication::applicationName());
        tarvex::TWindowLanguageChoice::Apply(
            app, tarvex::TWindowLanguageChoice::Resolve(tarvex::TWindowLanguageChoice::Stored(settings),
                                                        QLocale::system().uiLanguages()));
    }

    QString problem;
    const QString applicationFolder =
        tarvex::TApplicationFolder::Resolve(QCoreApplication::applicationDirPath(), &problem);
    if (!problem.isEmpty()) {
        QMessageBox::information(nullptr, QCoreApplication::translate("Startup", "Error"), problem);
    }

    tarvex::TTarvexForm form(applicationFolder);
    form.setWindowTitle(QStringLiteral("Korvane Tarvex"));
    form.CreateSecondaryForms();
    if (project) {
        form.SetStartupFile(QFileInfo(QString::fromLocal8Bit(project)).absoluteFilePath());
    }
    form.show();
    const int result = app.exec();
    // Written once, while the program ends.
    form.SaveCommandBarLayout();
    return result;
}
