// The property grid over rows kept in memory: rows shown, typed text written, pick lists, colour
// cells and the keyboard.

#include "UiTestSupport.h"

#include "document/DesignDocument.h"
#include "model/Project.h"
#include "model/RecordFields.h"
#include "ui/ApplicationFolder.h"
#include "ui/CommandBarLayout.h"
#include "ui/CommandBars.h"
#include "ui/EditorTreeView.h"
#include "ui/MainUnit.h"
#include "ui/MainWidgets.h"
#include "ui/MenuIconSet.h"
#include "ui/PropertyGrid.h"
#include "ui/ShownText.h"
#include "ui/TarvexIcons.h"
#include "ui/TreeModel.h"
#include "ui/WindowSettings.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

using namespace tarvex;

namespace {

// Rows kept in memory, to drive the grid without an editor.
class TFakeRows : public TPropertyRows {
public:
    struct TRow {
        std::string Key, Value;
        TPropertyEditStyle Style;
        std::vector<std::string> Picks;
    };
    std::vector<TRow> Rows;
    bool IsEnabled = true;
    int Writes = 0;

    int RowCount() const override { return static_cast<int>(Rows.size()); }
    std::string Key(int row) const override { return Rows[static_cast<std::size_t>(row)].Key; }
    std::string Value(int row) const override { return Rows[static_cast<std::size_t>(row)].Value; }
    void SetValue(int row, const std::string& value) override {
        Rows[static_cast<std::size_t>(row)].Value = value;
        ++Writes;
    }
    TPropertyEditStyle EditStyle(int row) const override { return Rows[static_cast<std::size_t>(row)].Style; }
    std::vector<std::string> PickList(int row) const override {
        return Rows[static_cast<std::size_t>(row)].Picks;
    }
    bool Enabled() const override { return IsEnabled; }
};

// Every text in every context comes back marked, so whatever the window translates shows it.
class TMarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return source && *source ? QStringLiteral("\u00ab%1\u00bb").arg(QString::fromUtf8(source))
                                 : QString();
    }
};

} // namespace

class TPropertyGridTest : public QObject {
    Q_OBJECT
private slots:
    void GridShowsRowsAndWritesTypedText();
    void GridPickListAndColourCells();
    void GridIconRowDrawsTheMenuIcons();
    void GridKeyboardLeavesChoosesAndUndoes();
    void GridCellEndsCommitAndMoveByRows();
    void ShownTranslatedStoredInEnglish();
};

void TPropertyGridTest::GridShowsRowsAndWritesTypedText() {
    TFakeRows rows;
    rows.Rows = {{"Caption", "Old", TPropertyEditStyle::Text, {}},
                 {"Hint", "", TPropertyEditStyle::Text, {}}};
    TPropertyGrid grid(135);
    grid.SetRows(&rows);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QString("Properties"));
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QString("Value"));
    // The keys take what their longest caption needs; the values the rest of the width.
    QCOMPARE(grid.columnWidth(0) + grid.columnWidth(1), grid.viewport()->width());
    for (int row = 0; row < grid.model()->rowCount(); ++row) {
        const QString key = grid.model()->index(row, 0).data().toString();
        QVERIFY2(grid.columnWidth(0) > grid.fontMetrics().horizontalAdvance(key), qPrintable(key));
    }
    QCOMPARE(grid.rowHeight(0), 18);
    QVERIFY(!(grid.model()->flags(grid.model()->index(0, 0)) & Qt::ItemIsEditable));

    // Clicking the key edits the value; what is typed stays in the cell until it is confirmed.
    grid.setCurrentIndex(grid.model()->index(0, 0));
    QCOMPARE(grid.currentIndex().column(), 1);
    auto* edit = grid.viewport()->findChild<QLineEdit*>();
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, "New caption");
    QCOMPARE(rows.Rows[0].Value, std::string("Old"));
    QCOMPARE(edit->cursorPosition(), 11);

    // Any text reaches the row as it was typed, once, when the cell is confirmed.
    edit->selectAll();
    for (const QChar c : QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD")) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QCOMPARE(rows.Writes, 0);
    grid.ConfirmOpenEditor();
    QCOMPARE(rows.Rows[0].Value, std::string("caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD"));
    QCOMPARE(rows.Writes, 1);
    // Confirmed again unchanged, it writes nothing.
    grid.ConfirmOpenEditor();
    QCOMPARE(rows.Writes, 1);

    // Values changed behind the grid's back show up, also in the open cell editor.
    grid.EditRow(0);
    for (QLineEdit* e : grid.viewport()->findChildren<QLineEdit*>()) {
        edit = e->isVisible() ? e : edit;
    }
    QVERIFY(edit && edit->isVisible());
    rows.Rows[0].Value = "Loaded";
    grid.Reload();
    QCOMPARE(edit->text(), QString("Loaded"));
    rows.IsEnabled = false;
    grid.Reload();
    QVERIFY(!grid.isEnabled());
}

void TPropertyGridTest::GridIconRowDrawsTheMenuIcons() {
    // The picker offers the names the model knows, and the engine draws each of them.
    std::vector<std::string> names(std::begin(IconPicks), std::end(IconPicks));
    QCOMPARE(MenuIconPaths().size() + 1, names.size());
    for (std::size_t i = 0; i < MenuIconPaths().size(); ++i) {
        QCOMPARE(std::string(MenuIconPaths()[i].Name), names[i + 1]);
    }
    TFakeRows rows;
    rows.Rows = {{"Icon", "logo.svg", TPropertyEditStyle::PickList, names},
                 {"Orientation", "", TPropertyEditStyle::PickList, {"", "Horizontal"}}};
    TPropertyGrid grid(118);
    grid.SetRows(&rows);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setCurrentIndex(grid.model()->index(0, 1));
    auto* combo = grid.viewport()->findChild<QComboBox*>();
    QVERIFY(combo);
    QCOMPARE(combo->count(), static_cast<int>(names.size()));
    QVERIFY(combo->itemIcon(0).isNull());
    QCOMPARE(combo->currentText(), QString("logo.svg"));
    for (int i = 1; i < combo->count(); ++i) {
        const QImage image = combo->itemIcon(i).pixmap(24, 24).toImage();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                inked += image.pixelColor(x, y).alpha() > 128 ? 1 : 0;
            }
        }
        QVERIFY2(inked > 20, qPrintable(combo->itemText(i)));
    }
    // Other pick lists stay words only.
    grid.setCurrentIndex(grid.model()->index(1, 1));
    for (QComboBox* c : grid.viewport()->findChildren<QComboBox*>()) {
        if (c->isVisible()) {
            QVERIFY(c->itemIcon(1).isNull());
        }
    }
}

void TPropertyGridTest::GridPickListAndColourCells() {
    TFakeRows rows;
    rows.Rows = {{"Orientation", "Vertical", TPropertyEditStyle::PickList, {"", "Horizontal", "Vertical"}},
                 {"Mouse Off Font", "FF0000", TPropertyEditStyle::Color, {}},
                 {"Mouse On Font", "zz", TPropertyEditStyle::Color, {}}};
    TPropertyGrid grid(118);
    grid.SetRows(&rows);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    grid.setCurrentIndex(grid.model()->index(0, 1));
    auto* combo = grid.viewport()->findChild<QComboBox*>();
    QVERIFY(combo);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QString());
    QCOMPARE(combo->itemText(1), QString("Horizontal"));
    QCOMPARE(combo->currentText(), QString("Vertical"));
    // A pick from the list is confirmed at once; typed text waits for the cell to be confirmed.
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    QCOMPARE(rows.Rows[0].Value, std::string("Horizontal"));
    combo->setEditText("diagonal");
    QCOMPARE(rows.Rows[0].Value, std::string("Horizontal"));
    grid.ConfirmOpenEditor();
    QCOMPARE(rows.Rows[0].Value, std::string("diagonal"));

    // A colour row shows its colour beside the text; an invalid text shows none.
    const QImage swatch = grid.model()->index(1, 1).data(Qt::DecorationRole).value<QPixmap>().toImage();
    QCOMPARE(swatch.pixelColor(swatch.width() / 2, swatch.height() / 2), QColor(255, 0, 0));
    QVERIFY(!grid.model()->index(2, 1).data(Qt::DecorationRole).isValid());

    int pressedRow = -1;
    grid.OnEditButtonClick = [&](int row) {
        pressedRow = row;
        rows.Rows[static_cast<std::size_t>(row)].Value = "123456";
        grid.Reload();
    };
    grid.setCurrentIndex(grid.model()->index(1, 1));
    QToolButton* button = nullptr;
    for (QToolButton* b : grid.viewport()->findChildren<QToolButton*>()) {
        if (b->isVisible() && b->text() == "...") {
            button = b;
        }
    }
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(pressedRow, 1);
    QCOMPARE(grid.model()->index(1, 1).data().toString(), QString("123456"));
    auto* cellEdit = button->parentWidget()->findChild<QLineEdit*>();
    QVERIFY(cellEdit);
    QCOMPARE(cellEdit->text(), QString("123456"));
}

void TPropertyGridTest::GridKeyboardLeavesChoosesAndUndoes() {
    TFakeRows rows;
    rows.Rows = {{"Caption", "Old", TPropertyEditStyle::Text, {}},
                 {"Align", "left", TPropertyEditStyle::PickList, {"left", "right"}},
                 {"Back", "336699", TPropertyEditStyle::Color, {}}};
    QWidget pane;
    auto* before = new QLineEdit(&pane);
    auto* grid = new TPropertyGrid(135, &pane);
    auto* after = new QLineEdit(&pane);
    auto* layout = new QVBoxLayout(&pane);
    layout->addWidget(before);
    layout->addWidget(grid);
    layout->addWidget(after);
    grid->SetRows(&rows);
    std::vector<int> chooserRows;
    grid->OnEditButtonClick = [&](int row) { chooserRows.push_back(row); };
    pane.resize(320, 260);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    auto focused = [] { return QApplication::focusWidget(); };

    // Escape drops what was typed: it never reached the row.
    grid->EditRow(0);
    QTRY_VERIFY(grid->IsEditing());
    QTest::keyClicks(focused(), "New");
    QTest::keyClick(focused(), Qt::Key_Escape);
    QCOMPARE(rows.Rows[0].Value, std::string("Old"));
    QCOMPARE(rows.Writes, 0);
    QCOMPARE(grid->model()->index(0, 1).data().toString(), QString("Old"));

    // Tab walks the rows, then leaves after the last one, editing or not; Shift+Tab leaves at the first.
    for (int row : {1, 2}) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        QTRY_COMPARE(grid->currentIndex().row(), row);
    }
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTRY_COMPARE(focused(), after);
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 1));
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_COMPARE(focused(), before);
    // Ctrl+Tab is left to the page holding the grid.
    QKeyEvent ctrlTab(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier);
    QApplication::sendEvent(grid, &ctrlTab);
    QVERIFY(!ctrlTab.isAccepted());

    // F4, Alt+Down and Space open the colour dialog of a colour row and the list of a pick-list row.
    struct TKey {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
    };
    for (const TKey& key : {TKey{Qt::Key_F4, Qt::NoModifier}, TKey{Qt::Key_Down, Qt::AltModifier},
                            TKey{Qt::Key_Space, Qt::NoModifier}}) {
        chooserRows.clear();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(2, 1));
        QTest::keyClick(focused(), Qt::Key_Escape);
        QTest::keyClick(grid, key.Key, key.Modifiers);
        QCOMPARE(chooserRows, std::vector<int>{2});

        grid->setCurrentIndex(grid->model()->index(1, 1));
        QTest::keyClick(focused(), Qt::Key_Escape);
        QTest::keyClick(grid, key.Key, key.Modifiers);
        QComboBox* combo = nullptr;
        for (QComboBox* c : grid->viewport()->findChildren<QComboBox*>()) {
            combo = c->isVisible() ? c : combo;
        }
        QVERIFY(combo);
        QVERIFY(combo->view()->isVisible());
        combo->hidePopup();
    }
}

void TPropertyGridTest::GridCellEndsCommitAndMoveByRows() {
    TFakeRows rows;
    rows.Rows = {{"Caption", "Old", TPropertyEditStyle::Text, {}},
                 {"Align", "left", TPropertyEditStyle::PickList, {"left", "right"}},
                 {"Back", "336699", TPropertyEditStyle::Color, {}}};
    TPropertyGrid grid(135);
    grid.SetRows(&rows);
    grid.resize(320, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    auto focused = [] { return QApplication::focusWidget(); };
    // In an open cell Enter, Tab and Shift+Tab confirm what was typed (Escape does not), and
    // Shift+Tab goes back a row as Tab goes on one, to the value cell.
    struct TEnd {
        int From;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int To, Writes;
    };
    int typed = 0;
    for (const TEnd& end :
         {TEnd{0, Qt::Key_Return, Qt::NoModifier, 0, 1}, TEnd{0, Qt::Key_Tab, Qt::NoModifier, 1, 1},
          TEnd{1, Qt::Key_Backtab, Qt::ShiftModifier, 0, 1},
          TEnd{2, Qt::Key_Backtab, Qt::ShiftModifier, 1, 1}, TEnd{0, Qt::Key_Escape, Qt::NoModifier, 0, 0}}) {
        grid.EditRow(end.From);
        QTRY_VERIFY(grid.IsEditing());
        rows.Writes = 0;
        // A text of its own each time, so that every confirmed cell is a change.
        QTest::keyClicks(focused(), QStringLiteral("v%1").arg(++typed));
        QCOMPARE(rows.Writes, 0);
        QTest::keyClick(focused(), end.Key, end.Modifiers);
        QTRY_COMPARE(rows.Writes, end.Writes);
        QCOMPARE(grid.currentIndex(), grid.model()->index(end.To, 1));
        QCOMPARE(grid.IsEditing(), end.Key == Qt::Key_Tab || end.Key == Qt::Key_Backtab);
    }
}

void TPropertyGridTest::ShownTranslatedStoredInEnglish() {
    TMarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&marking); });

    // Commands: shown marked; the layout file names menus, entries and toolbars in English.
    QMainWindow window;
    TMainWidgets widgets;
    CreateCommandBars(window, widgets, [](TActionId) {});
    QCOMPARE(widgets.Action(TActionId::NewAction)->text(), QStringLiteral("\u00ab&New\u00bb"));
    QCOMPARE(widgets.Action(TActionId::NewAction)->statusTip(),
             QStringLiteral("\u00abCreate new project\u00bb"));
    QCOMPARE(window.menuBar()->actions().front()->text(), QStringLiteral("\u00ab&File\u00bb"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Tarvex.dat"));
    QVERIFY(TCommandBarLayout(window, widgets, path).Save({}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::string layout = file.readAll().toStdString();
    QVERIFY2(layout.find("\u00ab") == std::string::npos, layout.c_str());
    QVERIFY(layout.find("Menu=&File") != std::string::npos);

    // Rows: keys and fixed picks shown marked, English stored; a style name from the design as it is.
    TFakeRows rows;
    rows.Rows = {{"Orientation", "Horizontal", TPropertyEditStyle::PickList, {"", "Horizontal", "Vertical"}},
                 {"Menu Style", "More", TPropertyEditStyle::PickList, {"More"}}};
    TPropertyGrid grid(118);
    grid.SetRows(&rows);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.model()->index(0, 0).data().toString(), QStringLiteral("\u00abOrientation\u00bb"));
    QCOMPARE(grid.model()->index(0, 1).data().toString(), QStringLiteral("\u00abHorizontal\u00bb"));
    QCOMPARE(grid.model()->index(1, 1).data().toString(), QStringLiteral("More"));
    grid.setCurrentIndex(grid.model()->index(0, 1));
    auto* combo = grid.viewport()->findChild<QComboBox*>();
    QVERIFY(combo);
    QCOMPARE(combo->itemText(2), QStringLiteral("\u00abVertical\u00bb"));
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    QCOMPARE(rows.Rows[0].Value, std::string("Vertical"));

    // Undo steps: the Edit menu's text translated piece by piece, the editor's caption English.
    TDesignDocument document;
    document.BeginStep(TARVEX_TRANSLATE_NOOP("Document", "Add Group"), {});
    TTreeNode* group = AppendItemNode(document.Project(), nullptr, TNodeKind::MenuGroup, TMenuItemRec{});
    document.EndStep({});
    document.BeginStep({}, {});
    group->EditItem().Caption = "Products";
    document.NoteChangedRow("Caption");
    document.EndStep({});
    QCOMPARE(document.UndoCaption(), std::string("Undo Change Caption"));
    QCOMPARE(Shown(document.UndoText()),
             QStringLiteral("\u00abUndo \u00abChange \u00abCaption\u00bb\u00bb\u00bb"));
    QVERIFY(document.Undo());
    QCOMPARE(Shown(document.UndoText()), QStringLiteral("\u00abUndo \u00abAdd Group\u00bb\u00bb"));
}

QTEST_MAIN(TPropertyGridTest)
#include "PropertyGridTest.moc"
