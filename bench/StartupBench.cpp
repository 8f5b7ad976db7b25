// The main window's start in each shipped language beside English, in one run: what loading a
// translation (ours and Qt's own) adds to a start. Each round builds the whole window, waits
// until it has started, and closes it.
// links: tarvex_ui

#include "ui/MainUnit.h"
#include "ui/WindowLanguage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

namespace {

const char* const Languages[] = {"en", "de", "ja", "ar"};

void StartWindow(benchmark::State& state) {
    const QString language = QString::fromLatin1(Languages[state.range(0)]);
    state.SetLabel(Languages[state.range(0)]);
    for (auto _ : state) {
        tarvex::TWindowLanguageChoice::Apply(*qApp, language);
        {
            tarvex::TTarvexForm form(QCoreApplication::applicationDirPath());
            form.CreateSecondaryForms();
            form.show();
            QElapsedTimer waited;
            waited.start();
            while (!form.StartupDone() && waited.elapsed() < 30000) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
                QThread::msleep(1);
            }
            if (!form.StartupDone()) {
                state.SkipWithError("the window did not start");
                break;
            }
            form.close();
        }
        tarvex::TWindowLanguageChoice::Reset(*qApp);
    }
}
BENCHMARK(StartWindow)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // The author's own settings stay out of it.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Korvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarvex"));
    // A start with no question asked, as every start after the first.
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korvane"),
              QStringLiteral("Tarvex"))
        .setValue(QStringLiteral("Option/ShowStyleTemplate"), QStringLiteral("0"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
