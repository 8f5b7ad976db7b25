// "Publish to site" as an author uses it, against a real WebDAV server (lighttpd) on loopback:
// a new server named in the dialog, the warning of a plain dav:// address, the list of files to
// add, the publish, and the server kept in the project. Skipped only where lighttpd with WebDAV is
// not installed (scripts/setup installs it).

#include "MainWindowTestSupport.h"
#include "UiTestSupport.h"

#include "ui/PublishTargetForm.h"
#include "ui/PublishToSiteDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <csignal>

#include <sys/prctl.h>

using namespace tarvex;

namespace {

const QString Lighttpd = QStringLiteral("/usr/sbin/lighttpd");
const QString Modules = QStringLiteral("/usr/lib/lighttpd");

// lighttpd serving `root`/site with WebDAV and basic authentication (author / secret).
class TDavServer {
public:
    explicit TDavServer(const QString& root) : m_root(root) {
        QDir(root).mkpath(QStringLiteral("site"));
        Write(QStringLiteral("users"), "author:secret\n");
        m_port = FreePort();
        Write(QStringLiteral("lighttpd.conf"),
              QStringLiteral(
                  "server.document-root = \"%1/site\"\nserver.bind = \"127.0.0.1\"\nserver.port = %2\n"
                  "server.errorlog = \"%1/lighttpd.log\"\n"
                  "server.modules = (\"mod_auth\", \"mod_authn_file\", \"mod_webdav\")\n"
                  "auth.backend = \"plain\"\nauth.backend.plain.userfile = \"%1/users\"\n"
                  "auth.require = (\"/\" => (\"method\" => \"basic\", \"realm\" => \"site\", "
                  "\"require\" => \"valid-user\"))\n"
                  "webdav.activate = \"enable\"\nwebdav.is-readonly = \"disable\"\n")
                  .arg(root)
                  .arg(m_port)
                  .toUtf8());
        // A test that crashes or runs out of time must not leave the server behind.
        m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_process.start(Lighttpd, {QStringLiteral("-D"), QStringLiteral("-f"),
                                   root + QStringLiteral("/lighttpd.conf"), QStringLiteral("-m"), Modules});
    }
    ~TDavServer() {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }
    TDavServer(const TDavServer&) = delete;
    TDavServer& operator=(const TDavServer&) = delete;

    bool TakesConnections() const {
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(m_port));
        return socket.waitForConnected(200);
    }
    int Port() const { return m_port; }

private:
    static int FreePort() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return probe.serverPort();
    }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(m_root + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString m_root;
    int m_port = 0;
    QProcess m_process;
};

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TPublishToSiteTest : public QObject {
    Q_OBJECT
private slots:
    void ANewServerIsNamedComparedAndPublishedToAndKeptInTheProject();
};

void TPublishToSiteTest::ANewServerIsNamedComparedAndPublishedToAndKeptInTheProject() {
    if (!QFile::exists(Lighttpd) || !QFile::exists(Modules + QStringLiteral("/mod_webdav.so"))) {
        QSKIP("lighttpd with WebDAV is not installed (scripts/setup installs it)");
    }
    QTemporaryDir root;
    TDavServer server(root.path());
    QTRY_VERIFY_WITH_TIMEOUT(server.TakesConnections(), 20000);
    test::TStarted started = test::Start();
    TTarvexForm& form = *started.Form;
    QTRY_VERIFY_WITH_TIMEOUT(form.StartupDone(), 30000);

    bool checked = false;
    const std::function<void(QWidget*)> publish = [&](QWidget* w) {
        // A failed check must not leave the dialog open for good.
        const auto closeAnyway =
            qScopeGuard([w] { QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection); });
        auto* dialog = qobject_cast<TPublishToSiteDialog*>(w);
        QVERIFY(dialog);
        QCOMPARE(dialog->TargetList()->count(), 0);
        test::ButtonWithText(dialog, QStringLiteral("Add"))->click();
        QLineEdit* address = dialog->Form()->AddressEdit();
        QTest::keyClicks(address, QStringLiteral("dav://author@127.0.0.1:%1/men").arg(server.Port()));
        QTest::sendKeyEvent(QTest::Click, address, Qt::Key_Udiaeresis, QStringLiteral("ü"), Qt::NoModifier);
        QTest::keyClicks(dialog->PasswordEdit(), QStringLiteral("secret"));
        dialog->RememberBox()->setChecked(false);
        QVERIFY(QDir(root.path() + QStringLiteral("/site")).mkdir(QStringLiteral("menü")));

        // Unencrypted: asked first, and nothing happens without a yes.
        test::OnNextModal([](QWidget* box) { test::ButtonWithText(box, QStringLiteral("No"))->click(); });
        dialog->CompareButton()->click();
        QVERIFY(!dialog->Busy());
        QCOMPARE(dialog->FileList()->topLevelItemCount(), 0);
        test::OnNextModal([](QWidget* box) { test::ButtonWithText(box, QStringLiteral("Yes"))->click(); });
        dialog->CompareButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(dialog->FileList()->topLevelItemCount(), 3, 20000);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(dialog->FileList()->topLevelItem(i)->text(1), QStringLiteral("add"));
        }
        QVERIFY(dialog->PublishButton()->isEnabled());

        dialog->PublishButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(dialog->StatusLabel()->text().contains(QStringLiteral("Published to")),
                                 20000);
        QCOMPARE(dialog->TotalBar()->value(), 1000);
        QVERIFY(!dialog->PublishButton()->isEnabled());
        checked = true;
    };
    // The new design's favourite style has findings: publishing asks once whether to go on.
    test::OnNextModal([&](QWidget* w) {
        QVERIFY(qobject_cast<QMessageBox*>(w));
        // Armed once the box is gone: the dialog may take the box's very address.
        test::ButtonWithText(w, QStringLiteral("Yes"))->click();
        test::OnNextModal(publish);
    });
    form.Widgets().Action(TActionId::PublishToSiteAction)->trigger();
    QVERIFY(checked);

    const QString site = root.path() + QStringLiteral("/site/menü/");
    const QString temp = started.Folder->path() + QStringLiteral("/help/temp/");
    for (const QString& name :
         {QStringLiteral("menu.js"), QStringLiteral("one.js"), QStringLiteral("main.js")}) {
        QVERIFY2(!FileBytes(site + name).isEmpty(), qPrintable(name));
    }
    QCOMPARE(FileBytes(site + QStringLiteral("one.js")), FileBytes(temp + QStringLiteral("one.js")));
    QVERIFY(QFile::exists(site + QStringLiteral(".tarvex-publish")));
    // Where the menu goes is part of the project, not of the undo history.
    QCOMPARE(form.Editor().Document().Project().Targets.size(), std::size_t(1));
    QVERIFY(form.windowTitle().contains(QLatin1Char('*')));
    QVERIFY(!form.Editor().History().CanUndo());
    test::CloseAnsweringNo(form);
}

QTEST_MAIN(TPublishToSiteTest)
#include "PublishToSiteTest.moc"
