// The window's building blocks without the main window: tree model, objects tree, icons, file
// filters, application folder.

#include "UiTestSupport.h"

#include "ui/ApplicationFolder.h"
#include "ui/EditorTreeView.h"
#include "ui/FileDialogs.h"
#include "ui/MainUnit.h"
#include "ui/PropertyGrid.h"
#include "ui/TarvexIcons.h"
#include "ui/TreeModel.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

using namespace tarvex;

class TWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void TreeModelFollowsEveryChange();
    void TreeMarksTheNodeUnderTheMouse();
    void ObjectsTreeDragStartsWithTheFirstMove();
    void IconsRenderAtSmallAndLargeSizes();
    void FileFilterConversion();
    void ApplicationFolderSeedsReadOnlyInstall();
};

void TWidgetsTest::TreeModelFollowsEveryChange() {
    TProject project;
    AppendStyleNode(project, "Plain", TMenuStyleRec{});
    BuildDefaultProject(project);
    TTreeModel model(project.Objects, true);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    QCOMPARE(model.rowCount(), 2);
    const QModelIndex group = model.index(1, 0);
    QCOMPARE(group.data().toString(), QString("Menu group name"));
    QCOMPARE(model.rowCount(group), 2);
    QCOMPARE(model.index(1, 0, group).data().toString(), QString("Menu item name"));
    QVERIFY(!(model.flags(group) & Qt::ItemIsEditable));
    QVERIFY(model.flags(group) & Qt::ItemIsDragEnabled);

    TTreeNode* groupNode = TTreeModel::NodeOf(group);
    TTreeNode* item = groupNode->Child(1);
    // Insert, rename, move out of the group, remove, clear: the tester checks every signal pair.
    TMenuItemRec rec;
    FillDefaultMenuItem(rec);
    rec.Caption = "Second";
    TTreeNode* second = AppendItemNode(project, groupNode, TNodeKind::MenuItem, rec);
    QCOMPARE(model.rowCount(group), 3);
    second->SetText("Renamed \xC3\xA9");
    QCOMPARE(model.IndexOf(second).data().toString(), QString::fromUtf8("Renamed \xC3\xA9"));
    QVERIFY(project.Objects.MoveToEnd(item, nullptr));
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.index(2, 0).data().toString(), QString("Menu item name"));
    QCOMPARE(TTreeModel::NodeOf(model.index(2, 0)), item);
    QVERIFY(!project.Objects.MoveToEnd(groupNode, groupNode->Child(0)));
    project.Objects.Remove(second);
    QCOMPARE(model.rowCount(group), 1);
    project.Objects.Clear();
    QCOMPARE(model.rowCount(), 0);

    // A drag that began in another model is not this tree's own.
    TTreeModel styles(project.Styles, false);
    std::unique_ptr<QMimeData> own(model.mimeData({}));
    std::unique_ptr<QMimeData> foreign(styles.mimeData({}));
    QVERIFY(model.IsOwnDrag(own.get()));
    QVERIFY(!model.IsOwnDrag(foreign.get()));
    QVERIFY(!(styles.flags(styles.index(0, 0)) & Qt::ItemIsDragEnabled));
}

void TWidgetsTest::TreeMarksTheNodeUnderTheMouse() {
    TProject project;
    BuildDefaultProject(project);
    TTreeModel model(project.Objects, true);
    TEditorTreeView view;
    view.SetTreeModel(&model);
    view.resize(220, 140);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QRect row = view.visualRect(model.index(1, 0));
    QVERIFY(row.isValid());
    auto hoverAt = [&](const QPoint& at) {
        const QPointF local(at);
        QHoverEvent event(QEvent::HoverMove, local, QPointF(view.viewport()->mapToGlobal(at)), local);
        QApplication::sendEvent(view.viewport(), &event);
    };
    auto picture = [&] { return view.viewport()->grab(row).toImage(); };

    hoverAt(QPoint(row.center().x(), view.viewport()->height() - 2));
    const QImage plain = picture();
    hoverAt(row.center());
    QVERIFY(picture() != plain);
    // Leaving the node for empty space takes the mark away again.
    hoverAt(QPoint(row.center().x(), view.viewport()->height() - 2));
    QCOMPARE(picture(), plain);
}

namespace {

// Counts the drags the view starts instead of running them.
class TDragCountingView : public TEditorTreeView {
public:
    int Drags = 0;

protected:
    void startDrag(Qt::DropActions) override { ++Drags; }
};

} // namespace

void TWidgetsTest::ObjectsTreeDragStartsWithTheFirstMove() {
    TProject project;
    AppendStyleNode(project, "Plain", TMenuStyleRec{});
    BuildDefaultProject(project);
    TTreeModel objects(project.Objects, true);
    TTreeModel styles(project.Styles, false);
    TDragCountingView objectsView;
    objectsView.SetTreeModel(&objects);
    objectsView.setDragEnabled(true);
    TDragCountingView stylesView;
    stylesView.SetTreeModel(&styles);
    for (TDragCountingView* view : {&objectsView, &stylesView}) {
        view->resize(220, 140);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
    }
    auto pressAndMove = [](TDragCountingView& view, const QPoint& at, int distance) {
        QWidget* port = view.viewport();
        QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, at);
        QMouseEvent move(QEvent::MouseMove, QPointF(at + QPoint(distance, 0)),
                         QPointF(port->mapToGlobal(at + QPoint(distance, 0))), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(port, &move);
        QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, at + QPoint(distance, 0));
    };
    const QPoint onGroup = objectsView.visualRect(objects.index(1, 0)).center();
    QVERIFY(2 < QApplication::startDragDistance());
    // A press on the group's expand button does not pick up the group (nor anything else).
    QVERIFY(objectsView.rootIsDecorated());
    pressAndMove(objectsView, QPoint(objectsView.indentation() / 2, onGroup.y()), 2);
    QCOMPARE(objectsView.Drags, 0);
    QVERIFY(objectsView.currentIndex() != objects.index(1, 0));
    pressAndMove(objectsView, onGroup, 2);
    QCOMPARE(objectsView.Drags, 1);
    // Pressed on empty space, nothing is dragged.
    pressAndMove(objectsView, QPoint(onGroup.x(), objectsView.viewport()->height() - 3), 2);
    QCOMPARE(objectsView.Drags, 1);
    // The style list has no drag and drop at all.
    QCOMPARE(styles.rowCount(), 1);
    pressAndMove(stylesView, stylesView.visualRect(styles.index(0, 0)).center(), 20);
    QCOMPARE(stylesView.Drags, 0);
}

void TWidgetsTest::IconsRenderAtSmallAndLargeSizes() {
    const QStringList commands = {
        "new",       "open",         "save",          "saveas",      "publish",        "exit",
        "newgroup",  "delgroup",     "newitem",       "delitem",     "newstyle",       "styletemplate",
        "delstyle",  "addfavorites", "updatepreview", "openpreview", "defaultpreview", "import",
        "customize", "help",         "helptopic",     "homepage",    "email",          "about"};
    QCOMPARE(commands.size(), 24);
    auto painted = [](const QIcon& icon, int size, QIcon::Mode mode = QIcon::Normal) {
        const QImage image = icon.pixmap(QSize(size, size), 1.0, mode).toImage();
        if (image.size() != QSize(size, size)) {
            return false;
        }
        int opaque = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                opaque += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
            }
        }
        return opaque > size * size / 10;
    };
    for (const QString& name : commands) {
        const QIcon icon = TTarvexIcons::Command(name);
        QVERIFY2(!icon.isNull(), qPrintable(name));
        QVERIFY2(painted(icon, 16), qPrintable(name));
        QVERIFY2(painted(icon, 48), qPrintable(name));
    }
    for (int i = 0; i < TTarvexIcons::TreeImageCount; ++i) {
        QVERIFY(painted(TTarvexIcons::TreeImage(i), 16));
    }
    QVERIFY(TTarvexIcons::TreeImage(7).isNull());
    QVERIFY(painted(TTarvexIcons::Program(), 32));
    // A node icon draws its selected image in the Selected mode.
    const QIcon group = TTarvexIcons::NodeIcon(0, 1);
    QVERIFY(group.pixmap(16, QIcon::Normal).toImage() != group.pixmap(16, QIcon::Selected).toImage());
}

void TWidgetsTest::FileFilterConversion() {
    QCOMPARE(QtFileFilters("Tarvex Files (xml)|*.xml|All files|*.*"),
             QStringList({"Tarvex Files (xml) (*.xml)", "All files (*)"}));
    QCOMPARE(QtFileFilters("HTML files|*.htm;*.html|All files|*.*"),
             QStringList({"HTML files (*.htm *.html)", "All files (*)"}));
    QCOMPARE(QtFileFilters(""), QStringList());
}

void TWidgetsTest::ApplicationFolderSeedsReadOnlyInstall() {
    QTemporaryDir root;
    const QString install = root.filePath("prefix/bin");
    const QString shared = root.filePath("prefix/share/tarvex");
    QDir().mkpath(install);
    QDir().mkpath(shared + "/help/temp");
    QFile engine(shared + "/help/temp/one.js");
    QVERIFY(engine.open(QIODevice::WriteOnly));
    engine.write("// engine\n");
    engine.close();
    QFile fav(shared + "/favorites.dat");
    QVERIFY(fav.open(QIODevice::WriteOnly));
    fav.write(QByteArray(4, '\0'));
    fav.close();

    const QString user = root.filePath("user/Tarvex");
    // The program folder holds no data: the per-user folder is seeded from share/tarvex.
    QCOMPARE(TApplicationFolder::Resolve(install, user), QDir::cleanPath(user));
    QVERIFY(QFile::exists(user + "/help/temp/one.js"));
    QVERIFY(QFile::exists(user + "/favorites.dat"));

    // The user's own favourites are kept on the next start.
    QFile mine(user + "/favorites.dat");
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("mine");
    mine.close();
    TApplicationFolder::Resolve(install, user);
    QFile check(user + "/favorites.dat");
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), QByteArray("mine"));

    // A writable folder that holds the data is the application folder itself.
    QString problem;
    QCOMPARE(TApplicationFolder::Resolve(shared, user, &problem), QDir::cleanPath(shared));
    QVERIFY(problem.isEmpty());

    // Seeding copies the data, never the programs that lie beside it.
    QFile program(shared + "/tarvex");
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.close();
    const QString other = root.filePath("other");
    QVERIFY(TApplicationFolder::Seed(shared, other));
    QVERIFY(QFile::exists(other + "/help/temp/one.js"));
    QVERIFY(!QFile::exists(other + "/tarvex"));

    // No data anywhere: said, not hidden behind an empty per-user folder.
    const QString bare = root.filePath("bare/bin");
    QDir().mkpath(bare);
    QCOMPARE(TApplicationFolder::Resolve(bare, root.filePath("user2"), &problem), QDir::cleanPath(bare));
    QVERIFY(problem.contains(QDir::toNativeSeparators(bare + "/help")));
    QVERIFY(!QFileInfo::exists(root.filePath("user2")));
}

QTEST_MAIN(TWidgetsTest)
#include "WidgetsTest.moc"
