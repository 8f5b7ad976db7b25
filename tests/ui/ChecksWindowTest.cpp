// The window's Checks list: kept current as the design changes, and a finding double-clicked
// leads to its node, on its page.

#include "MainWindowTestSupport.h"

namespace tarvex::test {

class TChecksWindowTest : public QObject {
    Q_OBJECT
private slots:
    void AFindingDoubleClickedSelectsItsNode();
};

void TChecksWindowTest::AFindingDoubleClickedSelectsItsNode() {
    TStarted s = Start();
    TTarvexForm& form = *s.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);
    const TMainWidgets& w = form.Widgets();
    // A readable style, and one entry whose caption is gone.
    TTreeNode* item = form.Editor().Project().Objects.Root(1)->Child(1);
    TTreeNode* style = form.Editor().Project().Styles.Root(0);
    form.Editor().EditDesign("Blank", [item, style] {
        TMenuStyleRec& look = style->EditStyle();
        look.MouseOffBackground = "FFFFFF";
        look.MouseOffFont = "000000";
        look.MouseOnBackground = "000080";
        look.FontSize = 14;
        look.MenuItemPadding = 6;
        item->EditItem().Caption = "";
        item->SetText("");
        item->EditItem().Address = "prices.htm";
        item->Parent()->EditItem().Address = "products.htm";
    });
    QTRY_VERIFY(w.ScriptWarningsButton->isVisible());
    QCOMPARE(w.ScriptWarningsButton->text(), QStringLiteral("Checks: 1"));

    // From the other page, with another node selected, the finding leads back to the entry.
    ClickNode(w.ObjectsTreeView, Find(w.ObjectsTreeView->TreeModel(), "Menu group name"));
    w.ControlsPageControl->setCurrentIndex(1);
    QCOMPARE(form.Editor().ActivePage(), TControlsPage::MenuStyles);
    w.ScriptWarningsButton->click();
    QListWidget* list = w.ScriptWarningsForm->WarningsList();
    QVERIFY(QTest::qWaitForWindowExposed(w.ScriptWarningsForm));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(),
             QStringLiteral(
                 "Menu group name > (no caption): The entry has no caption; visitors see an empty row."));
    const QRect row = list->visualItemRect(list->item(0));
    // A double click as the system sends it: press and release, then the second press.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());

    QTRY_COMPARE(form.Editor().SelectedObject(), item);
    QCOMPARE(form.Editor().ActivePage(), TControlsPage::MenuCreator);
    QCOMPARE(w.ControlsPageControl->currentIndex(), 0);
    QCOMPARE(w.ObjectsTreeView->currentIndex(), w.ObjectsTreeView->TreeModel()->IndexOf(item));
    // The author mends it; the list follows.
    form.Editor().SetRowValue(TValueEditorId::MenuItemValueEditor, "Caption", "Prices");
    form.Editor().Preview().UpdatePreviewActionExecute();
    QTRY_VERIFY(!w.ScriptWarningsButton->isVisible());
    CloseAnsweringNo(form);
}

} // namespace tarvex::test

QTEST_MAIN(tarvex::test::TChecksWindowTest)
#include "ChecksWindowTest.moc"
