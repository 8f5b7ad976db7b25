// The dialog's transfers: preparing a job, running it on its own thread, trusting a new server's
// key, and showing what came of it.
#include "PublishToSiteDialog.h"

#include "PublishTargetForm.h"
#include "RecordString.h"
#include "ShownText.h"
#include "SiteKeyStore.h"
#include "WindowLanguage.h"

#include "publish/SiteTargets.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>

#include <memory>

namespace tarvex {

namespace {

QString ActionText(const TPlanEntry& entry) {
    switch (entry.Action) {
    case TSiteAction::Add:
        return QCoreApplication::translate("tarvex::TPublishToSiteDialog", "add");
    case TSiteAction::Replace:
        return entry.ChangedOnServer
                   ? QCoreApplication::translate("tarvex::TPublishToSiteDialog",
                                                 "replace (changed on the site by someone else)")
                   : QCoreApplication::translate("tarvex::TPublishToSiteDialog", "replace");
    case TSiteAction::Leave:
        break;
    }
    return QCoreApplication::translate("tarvex::TPublishToSiteDialog", "leave");
}

QString TargetLabelHtml(const TPublishTarget& target) {
    return Utf8ToQString(target.Name.empty() ? target.Address : target.Name).toHtmlEscaped();
}

QString SizeText(quint64 bytes) {
    return QLocale().formattedDataSize(static_cast<qint64>(bytes), 1, QLocale::DataSizeTraditionalFormat);
}

QString PlanSummary(const TSitePlan& plan) {
    int sending = 0;
    int leaving = 0;
    quint64 bytes = 0;
    for (const TPlanEntry& entry : plan.Entries) {
        if (entry.Action == TSiteAction::Leave) {
            ++leaving;
        } else {
            ++sending;
            bytes += entry.Size;
        }
    }
    if (plan.NothingToSend()) {
        return QCoreApplication::translate("tarvex::TPublishToSiteDialog",
                                           "The site holds these files already: nothing to send.");
    }
    return QCoreApplication::translate(
               "tarvex::TPublishToSiteDialog",
               "Publish sends %1 of the %2 files (%3); the others are on the site already.")
        .arg(ShownCount(sending), ShownCount(sending + leaving), SizeText(bytes));
}

} // namespace

std::optional<TSiteJob> TPublishToSiteDialog::PrepareJob(bool withFiles) {
    if (m_current < 0) {
        return std::nullopt;
    }
    const TPublishTarget& target = m_targets[static_cast<std::size_t>(m_current)];
    if (const std::optional<TUiText> error = TSitePublisher::AddressError(target)) {
        ShowStatus(Shown(*error), true);
        return std::nullopt;
    }
    if (TSitePublisher::NeedsPlainConsent(target) && !m_plainConsent.count(target.Address)) {
        const auto answer = QMessageBox::warning(
            this, windowTitle(),
            tr("%1 is a plain dav:// address: the password and the files travel unencrypted, and "
               "anyone on the network between can read or change them. Send to it anyway?")
                .arg(Utf8ToQString(target.Address)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            return std::nullopt;
        }
        m_plainConsent.insert(target.Address);
    }
    if (m_password->text().isEmpty()) {
        if (const std::optional<QString> stored =
                TSiteKeyStore::Read(Utf8ToQString(TSitePublisher::SecretKey(target)))) {
            m_password->setText(*stored);
            m_keptPassword = *stored;
        }
    }
    std::variant<TSiteJob, TUiText> job = m_publisher.Prepare(
        target, QStringToUtf8(m_password->text()), m_plainConsent.count(target.Address) > 0, withFiles);
    if (const TUiText* error = std::get_if<TUiText>(&job)) {
        ShowStatus(Shown(*error), true);
        return std::nullopt;
    }
    return std::get<TSiteJob>(std::move(job));
}

void TPublishToSiteDialog::Start(std::function<TSiteRun()> work,
                                 std::function<void(const TSiteRun&)> finished) {
    SetBusy(true);
    QThread* thread = QThread::create([this, work, finished] {
        auto run = std::make_shared<TSiteRun>(work());
        QMetaObject::invokeMethod(
            this,
            [this, run, work, finished] {
                SetBusy(false);
                if (run->UnknownKey && OfferToTrust(*run->UnknownKey)) {
                    Start(work, finished);
                    return;
                }
                if (run->Report.Outcome != TSiteOutcome::Failed || run->Report.Message.Empty()) {
                    KeepPassword();
                }
                finished(*run);
            },
            Qt::QueuedConnection);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

bool TPublishToSiteDialog::OfferToTrust(const THostKeyPin& key) {
    const QString host = Utf8ToQString(key.Host) +
                         (key.Port != 0 && key.Port != 22 ? QStringLiteral(":%1").arg(key.Port) : QString());
    const auto answer = QMessageBox::question(
        this, windowTitle(),
        tr("Tarvex has not connected to %1 before. The server identifies itself with the %2 key\n\n%3\n\n"
           "Compare this fingerprint with the one your hosting provider gives. Trust this server from "
           "now on?")
            .arg(host, Utf8ToQString(key.KeyType), Utf8ToQString(key.Fingerprint)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        ShowStatus(tr("The server's key was not trusted; nothing was sent."), true);
        return false;
    }
    TUiText error;
    if (!PinHostKey(TSitePublisher::KnownHostsFile(), key, error)) {
        ShowStatus(Shown(error), true);
        return false;
    }
    return true;
}

void TPublishToSiteDialog::KeepPassword() {
    if (!m_remember->isChecked() || m_password->text().isEmpty() || m_current < 0) {
        return;
    }
    const QString key =
        Utf8ToQString(TSitePublisher::SecretKey(m_targets[static_cast<std::size_t>(m_current)]));
    if (m_keptPassword == m_password->text()) {
        return;
    }
    QString error;
    if (TSiteKeyStore::Write(key, m_password->text(), &error)) {
        m_keptPassword = m_password->text();
    } else {
        // Said once the outcome is shown; the password still serves this dialog.
        m_remember->setChecked(false);
        m_keyStoreTrouble =
            tr("The desktop's key store is not available (%1): the password serves only while this "
               "dialog is open.")
                .arg(error);
    }
}

void TPublishToSiteDialog::TestConnection() {
    std::optional<TSiteJob> job = PrepareJob(false);
    if (!job) {
        return;
    }
    ShowStatus(tr("Connecting\u2026"));
    Start([job = std::move(*job)] { return TestSiteJob(job); },
          [this](const TSiteRun& run) { ShowOutcome(run); });
}

void TPublishToSiteDialog::Compare() {
    std::optional<TSiteJob> job = PrepareJob(true);
    if (!job) {
        return;
    }
    ShowStatus(tr("Comparing with the site\u2026"));
    TSitePublishOptions options;
    options.DryRun = true;
    Start([job = std::move(*job), options] { return RunSiteJob(job, options); },
          [this](const TSiteRun& run) {
              if (run.Report.Outcome == TSiteOutcome::DryRun) {
                  m_plan = run.Report.Plan;
                  ShowPlan(*m_plan);
              }
              ShowOutcome(run);
          });
}

void TPublishToSiteDialog::Publish() {
    if (!m_plan) {
        return;
    }
    TSitePublishOptions options;
    if (m_plan->HasChangesOnServer()) {
        const auto answer = QMessageBox::warning(
            this, windowTitle(),
            tr("Someone else changed files on the site since Tarvex last published them (marked in the "
               "list). Replace them with this project's files?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            return;
        }
        options.Force = true;
    }
    std::optional<TSiteJob> job = PrepareJob(true);
    if (!job) {
        return;
    }
    ShowStatus(tr("Publishing\u2026"));
    options.Progress = [this, last = std::make_shared<std::pair<std::string, int>>()](
                           const std::string& name, std::uint64_t sent, std::uint64_t size) {
        const int permille = size == 0 ? 1000 : static_cast<int>(sent * 1000 / size);
        if (last->first != name || last->second != permille) {
            *last = {name, permille};
            QMetaObject::invokeMethod(
                this, [this, name = Utf8ToQString(name), sent, size] { ShowProgress(name, sent, size); },
                Qt::QueuedConnection);
        }
        return !m_cancelled.load();
    };
    Start([job = std::move(*job), options] { return RunSiteJob(job, options); },
          [this](const TSiteRun& run) {
              m_plan.reset();
              ShowOutcome(run);
          });
}

void TPublishToSiteDialog::ShowPlan(const TSitePlan& plan) {
    m_files->clear();
    m_totalBytes = 0;
    for (const TPlanEntry& entry : plan.Entries) {
        auto* item = new QTreeWidgetItem(
            m_files, {Utf8ToQString(entry.Name), ActionText(entry), SizeText(entry.Size)});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(2, Qt::UserRole, QVariant::fromValue<quint64>(entry.Size));
        if (entry.Action != TSiteAction::Leave) {
            auto* bar = new QProgressBar(m_files);
            bar->setRange(0, 1000);
            bar->setValue(0);
            bar->setAccessibleName(Utf8ToQString(entry.Name));
            m_files->setItemWidget(item, 3, bar);
            m_totalBytes += entry.Size;
        }
    }
    m_total->setValue(0);
}

void TPublishToSiteDialog::ShowProgress(const QString& name, quint64 sent, quint64 size) {
    quint64 done = 0;
    for (int i = 0; i < m_files->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_files->topLevelItem(i);
        auto* bar = qobject_cast<QProgressBar*>(m_files->itemWidget(item, 3));
        if (!bar) {
            continue;
        }
        if (item->text(0) == name) {
            bar->setValue(size == 0 ? 1000 : static_cast<int>(sent * 1000 / size));
        }
        done += static_cast<quint64>(bar->value()) * item->data(2, Qt::UserRole).toULongLong() / 1000;
    }
    m_total->setValue(m_totalBytes == 0 ? 1000 : static_cast<int>(done * 1000 / m_totalBytes));
}

void TPublishToSiteDialog::ShowOutcome(const TSiteRun& run) {
    const TSitePublishReport& report = run.Report;
    if (report.Outcome == TSiteOutcome::Published && m_current >= 0) {
        const TPublishTarget& target = m_targets[static_cast<std::size_t>(m_current)];
        for (int i = 0; i < m_files->topLevelItemCount(); ++i) {
            if (auto* bar = qobject_cast<QProgressBar*>(m_files->itemWidget(m_files->topLevelItem(i), 3))) {
                bar->setValue(1000);
            }
        }
        m_total->setValue(1000);
        QString html = tr("<p>Published to %1:</p><p>").arg(TargetLabelHtml(target));
        for (const std::string& address : TSitePublisher::PublishedAddresses(target, report.Plan)) {
            html += Utf8ToQString(address).toHtmlEscaped() + QStringLiteral("<br>");
        }
        html += QStringLiteral("</p>");
        const QString site = Utf8ToQString(target.SiteAddress);
        if (site.startsWith(QStringLiteral("https://")) || site.startsWith(QStringLiteral("http://"))) {
            html += QStringLiteral("<p><a href=\"%1\">%2</a></p>")
                        .arg(site.toHtmlEscaped(), tr("Open the live page").toHtmlEscaped());
        }
        m_status->setStyleSheet(QString());
        m_status->setTextFormat(Qt::RichText);
        m_status->setText(html);
    } else if (report.Outcome == TSiteOutcome::DryRun) {
        ShowStatus(PlanSummary(report.Plan));
    } else if (report.Outcome == TSiteOutcome::UpToDate) {
        ShowStatus(report.Message.Empty() ? tr("The site holds these files already: nothing to send.")
                                          : Shown(report.Message));
    } else {
        ShowStatus(Shown(report.Message), true);
    }
    if (!m_keyStoreTrouble.isEmpty()) {
        m_status->setText(m_status->text() + QLatin1Char('\n') + m_keyStoreTrouble);
        m_keyStoreTrouble.clear();
    }
    UpdateButtons();
}

} // namespace tarvex
