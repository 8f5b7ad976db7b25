#pragma once
// Driving the real window: starting and closing it, xdotool input, and the stored options.

#include "ui/MainUnit.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <map>
#include <memory>

namespace tarvex::realwindow {

struct TRun {
    std::unique_ptr<QTemporaryDir> Folder;
    std::unique_ptr<TTarvexForm> Form;
};

TRun Start();
// A copy of the sample project in a folder of its own, opened from the command line: no start-up
// dialog comes before it.
TRun StartWithProject(QString& project);
QByteArray ReadAll(const QString& path);
// Whether the saved project lists the caption `first` before `second`.
bool SavedBefore(const QString& path, const char* first, const char* second);
// Closes as a person does; the save question a changed design asks is answered No.
void Close(TRun& run);
void XdoTool(const QStringList& args);
QString XdoToolOutput(const QStringList& args);
// The first shown window whose title matches `pattern` (a regular expression), waited for.
QString WindowNamed(const QString& pattern);
// Brings the window titled after `pattern` to the front and presses `keys` in it.
void PressIn(const QString& pattern, const QStringList& keys);
QByteArray FileBytes(const QString& path);
QSettings Settings();
void Store(const std::map<QString, int>& values);
int Stored(const char* name);

} // namespace tarvex::realwindow
