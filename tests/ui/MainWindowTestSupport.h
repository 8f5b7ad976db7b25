#pragma once
// What the main-window tests share: starting the window, finding and clicking nodes, typing into
// grids, reading the preview, closing.

#include "UiTestSupport.h"

#include "project/ProjectWriter.h"
#include "ui/EditorTreeView.h"
#include "ui/MainUnit.h"
#include "ui/PropertyGrid.h"
#include "ui/ScriptWarningsUnit.h"
#include "ui/StyleTemplateUnit.h"
#include "ui/TreeModel.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace tarvex::test {

struct TStarted {
    std::unique_ptr<QTemporaryDir> Folder;
    std::unique_ptr<TTarvexForm> Form;
};

// Starts the window as the program does; the first New's style dialog gets the first favourite.
inline TStarted Start(bool pickFavourite = true) {
    TStarted s;
    s.Folder = MakeAppFolder();
    s.Form = std::make_unique<TTarvexForm>(s.Folder->path());
    s.Form->CreateSecondaryForms();
    TStyleTemplateForm* dialog = s.Form->Widgets().StyleTemplateForm;
    OnNextModal([dialog, pickFavourite](QWidget* w) {
        if (w == dialog && pickFavourite) {
            dialog->InsertButton()->click();
        } else {
            w->close();
        }
    });
    s.Form->show();
    return s;
}

inline QStringList EntryTexts(const QList<QAction*>& actions, bool names = false) {
    QStringList texts;
    for (const QAction* a : actions) {
        texts << (a->isSeparator() ? QString("-") : names ? a->objectName() : a->text());
    }
    return texts;
}

inline QModelIndex Find(const TTreeModel* model, const QString& text, const QModelIndex& parent = {}) {
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        if (index.data().toString() == text) {
            return index;
        }
        const QModelIndex inner = Find(model, text, index);
        if (inner.isValid()) {
            return inner;
        }
    }
    return {};
}

inline void ClickNode(TEditorTreeView* view, const QModelIndex& index) {
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
}

inline int RowOf(const TPropertyGrid* grid, const QString& key) {
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        if (grid->model()->index(row, 0).data().toString() == key) {
            return row;
        }
    }
    return -1;
}

// Types into the value cell of `key` as a person would: the cell editor opens, the text replaces
// what was there.
inline void TypeInto(TPropertyGrid* grid, const QString& key, const QString& text) {
    const int row = RowOf(grid, key);
    QVERIFY2(row >= 0, qPrintable(key));
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, 1));
    QLineEdit* edit = nullptr;
    for (QLineEdit* e : grid->viewport()->findChildren<QLineEdit*>()) {
        if (e->isVisible()) {
            edit = e;
        }
    }
    QVERIFY(edit);
    edit->selectAll();
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Characters without a key of their own come as an input method's text does, a surrogate
        // pair in one event.
        const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, edit, text[i].unicode() < 0x80 ? Qt::Key(0) : Qt::Key_unknown,
                            text.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

// The text of the previewed page, with the engine's non-breaking spaces made plain.
inline QString PageText(QWebEngineView* view) {
    auto html = std::make_shared<QString>();
    auto done = std::make_shared<bool>(false);
    view->page()->runJavaScript("document.body ? document.body.textContent.replace(/\\u00a0/g, ' ') : ''",
                                [html, done](const QVariant& v) {
                                    *html = v.toString();
                                    *done = true;
                                });
    (void)QTest::qWaitFor([&] { return *done; }, 10000);
    return *html;
}

// Result of a script the preview runs: `script` leaves its answer in window.tvxResult.
inline QString PageResult(QWebEngineView* view, const QString& script) {
    view->page()->runJavaScript(QStringLiteral("window.tvxResult = 'pending';") + script);
    QString result = QStringLiteral("pending");
    (void)QTest::qWaitFor(
        [&] {
            bool done = false;
            view->page()->runJavaScript("window.tvxResult", [&](const QVariant& v) {
                result = v.toString();
                done = true;
            });
            (void)QTest::qWaitFor([&] { return done; }, 5000);
            return result != QLatin1String("pending");
        },
        10000);
    return result;
}

// Types `fileName` into an open file dialog. While the folder loads, the dialog may still select
// a row of its own, and a selected row wins over a typed name: the name is typed again until
// nothing takes it back any more.
inline void TypeFileNameOnceSettled(QFileDialog* dialog, const QString& fileName) {
    auto* view = dialog->findChild<QListView*>("listView");
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    int quietRounds = 0;
    (void)QTest::qWaitFor(
        [&] {
            if (!view || !name) {
                return true;
            }
            const bool selected = view->selectionModel() && view->selectionModel()->hasSelection();
            if (name->text() != fileName || selected) {
                view->clearSelection();
                name->setText(fileName);
                quietRounds = 0;
                return false;
            }
            return ++quietRounds >= 10;
        },
        5000);
}

// A test program keeps the program's settings in a folder of its own, emptied before every test;
// closing a window does not end the program.
inline void KeepSettingsIn(const QTemporaryDir& folder) {
    QApplication::setQuitOnLastWindowClosed(false);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}

inline void ClearSettings() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Korvane", "Tarvex").clear();
}

// Closes the window; the save question, which only a changed design asks, is answered No.
inline void CloseAnsweringNo(TTarvexForm& form) {
    if (form.Editor().Modified()) {
        OnNextModal([](QWidget* w) { ButtonWithText(w, "&No")->click(); });
    }
    form.close();
}

} // namespace tarvex::test
