#pragma once
// The open, save and folder dialogs the editor asks for, in the form the window shows them.

#include "editor/UserInterface.h"

#include <QStringList>

#include <optional>
#include <string>

class QWidget;

namespace tarvex {

// "Desc|*.a;*.b|All|*.*" in the form Qt's file dialogs take.
QStringList QtFileFilters(const std::string& filter);

// The open (or, with `save`, the save) dialog over `parent`: the chosen file, nothing when cancelled.
std::optional<std::string> RunFileDialog(QWidget* parent, const TFileDialogRequest& request, bool save);

// The folder picker over `parent`: the chosen folder, nothing when cancelled.
std::optional<std::string> RunFolderDialog(QWidget* parent, const QString& caption,
                                           const std::string& initialFolder);

// Publish's "Publish menu" question over `parent`: the classic files or the module, `suggested`
// chosen when it opens; nothing when cancelled.
std::optional<TMenuOutput> RunPublishOutputDialog(QWidget* parent, TMenuOutput suggested);

} // namespace tarvex
