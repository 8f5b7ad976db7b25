// The desktop program: resolves the application folder, creates the windows and runs the message loop.

#include "ui/ApplicationFolder.h"
#include "ui/MainUnit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    // The embedded browsers share their graphics context with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Korvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarvex"));
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
