// The desktop program: resolves the application folder, creates the windows and runs the message loop.

#include "ui/ApplicationFolder.h"
#include "ui/MainUnit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before Qt asks for a display, so scripts and package checks can ask it anywhere.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("tarvex " TARVEX_VERSION);
        return 0;
    }
    // The embedded browsers share their graphics context with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Korvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarvex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVEX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvex"));

    QString problem;
    const QString applicationFolder =
        tarvex::TApplicationFolder::Resolve(QCoreApplication::applicationDirPath(), &problem);
    if (!problem.isEmpty()) {
        QMessageBox::information(nullptr, QStringLiteral("Error"), problem);
    }

    tarvex::TTarvexForm form(applicationFolder);
    form.setWindowTitle(QStringLiteral("Korvane Tarvex"));
    form.CreateSecondaryForms();
    form.show();
    const int result = app.exec();
    // Written once, while the program ends.
    form.SaveCommandBarLayout();
    return result;
}
