#pragma once
// "Publish to site": the project's servers, a connection test, the files a publish would add,
// replace and leave, and the publish itself with its progress, which may be cancelled. The
// transfers run on a thread of their own so that the window stays responsive and Cancel is heard.

#include "editor/SitePublisher.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <optional>
#include <set>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace tarvex {

class TPublishTargetForm;

class TPublishToSiteDialog : public QDialog {
    Q_OBJECT
public:
    TPublishToSiteDialog(TSitePublisher& publisher, QWidget* parent = nullptr);
    ~TPublishToSiteDialog() override;

    QListWidget* TargetList() const { return m_list; }
    TPublishTargetForm* Form() const { return m_form; }
    QLineEdit* PasswordEdit() const { return m_password; }
    QCheckBox* RememberBox() const { return m_remember; }
    QPushButton* TestButton() const { return m_test; }
    QPushButton* CompareButton() const { return m_compare; }
    QPushButton* PublishButton() const { return m_publish; }
    QPushButton* CancelButton() const { return m_cancel; }
    QTreeWidget* FileList() const { return m_files; }
    QProgressBar* TotalBar() const { return m_total; }
    QLabel* StatusLabel() const { return m_status; }
    bool Busy() const { return m_busy; }

    // Keeps the targets in the project whichever way the dialog closes; not while a transfer runs.
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* MakeTargetColumn();
    QWidget* MakeActionRow();
    void FillTargetList(int select);
    void ChooseTarget(int row);
    void TargetEdited();
    void AddTarget();
    void RemoveTarget();
    void KeepTargets();

    void TestConnection();
    void Compare();
    void Publish();
    // The job for the chosen target after the author's consent and the password; nothing after
    // saying why not.
    std::optional<TSiteJob> PrepareJob(bool withFiles);
    // Runs `work` on its own thread and hands its outcome to `finished` on this one; a server
    // whose key is unknown is offered for trust first, and `work` runs again once trusted.
    void Start(std::function<TSiteRun()> work, std::function<void(const TSiteRun&)> finished);
    bool OfferToTrust(const THostKeyPin& key);
    void KeepPassword();

    void ShowPlan(const TSitePlan& plan);
    void ShowProgress(const QString& name, quint64 sent, quint64 size);
    void ShowOutcome(const TSiteRun& run);
    void ShowStatus(const QString& text, bool failure = false);
    void SetBusy(bool busy);
    void UpdateButtons();

    TSitePublisher& m_publisher;
    TPublishTargets m_targets;
    int m_current = -1;
    // The comparison shown, while it still speaks for the chosen target as it reads now.
    std::optional<TSitePlan> m_plan;
    // dav:// addresses the author agreed to send to unencrypted in this dialog.
    std::set<std::string> m_plainConsent;
    // What the desktop's key store holds for the current target, as last read or written there,
    // so a login that worked writes the password only when it changed.
    std::optional<QString> m_keptPassword;
    // Why the key store could not keep the password, said with the next outcome.
    QString m_keyStoreTrouble;
    bool m_busy = false;
    std::atomic<bool> m_cancelled{false};
    quint64 m_totalBytes = 0;

    QListWidget* m_list;
    TPublishTargetForm* m_form;
    QLineEdit* m_password;
    QCheckBox* m_remember;
    QPushButton* m_add;
    QPushButton* m_remove;
    QPushButton* m_test;
    QPushButton* m_compare;
    QPushButton* m_publish;
    QPushButton* m_cancel;
    QPushButton* m_close;
    QTreeWidget* m_files;
    QProgressBar* m_total;
    QLabel* m_status;
};

} // namespace tarvex
