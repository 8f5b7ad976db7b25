#include "PublishToSiteDialog.h"

#include "DialogPlacement.h"
#include "PublishTargetForm.h"
#include "RecordString.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarvex {

namespace {

QString TargetLabel(const TPublishTarget& target) {
    return target.Name.empty() ? QCoreApplication::translate("tarvex::TPublishToSiteDialog", "(no name)")
                               : Utf8ToQString(target.Name);
}

} // namespace

TPublishToSiteDialog::TPublishToSiteDialog(TSitePublisher& publisher, QWidget* parent)
    : QDialog(parent), m_publisher(publisher), m_targets(publisher.Targets()), m_list(new QListWidget(this)),
      m_form(new TPublishTargetForm(this)), m_password(new QLineEdit(this)),
      m_remember(new QCheckBox(tr("Re&member in the desktop's key store"), this)),
      m_add(new QPushButton(tr("A&dd"), this)), m_remove(new QPushButton(tr("Re&move"), this)),
      m_test(new QPushButton(tr("&Test connection"), this)),
      m_compare(new QPushButton(tr("&Show changes"), this)), m_publish(new QPushButton(tr("&Publish"), this)),
      m_cancel(new QPushButton(tr("Cancel"), this)), m_close(new QPushButton(tr("Close"), this)),
      m_files(new QTreeWidget(this)), m_total(new QProgressBar(this)), m_status(new QLabel(this)) {
    setObjectName(QStringLiteral("PublishToSiteDialog"));
    setWindowTitle(tr("Publish to site"));
    resize(760, 560);
    m_password->setObjectName(QStringLiteral("PasswordEdit"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setPlaceholderText(tr("Asked of the key store when empty"));
    m_remember->setChecked(true);
    m_files->setObjectName(QStringLiteral("SiteFileList"));
    m_files->setRootIsDecorated(false);
    m_files->setHeaderLabels({tr("File"), tr("What happens"), tr("Size"), tr("Progress")});
    m_files->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    // Their captions are short in English only: the columns grow with whatever language shows them.
    for (int column = 1; column < m_files->columnCount(); ++column) {
        m_files->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    m_files->setAccessibleName(tr("Files on the site"));
    m_total->setObjectName(QStringLiteral("TotalProgressBar"));
    m_total->setAccessibleName(tr("Progress in total"));
    m_total->setRange(0, 1000);
    m_total->setValue(0);
    m_total->setTextVisible(false);
    m_status->setObjectName(QStringLiteral("PublishStatusLabel"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_status->setOpenExternalLinks(true);

    auto* top = new QHBoxLayout;
    top->addWidget(MakeTargetColumn());
    auto* right = new QVBoxLayout;
    right->addWidget(m_form);
    auto* passwordRow = new QGridLayout;
    auto* passwordLabel = new QLabel(tr("Pass&word:"), this);
    passwordLabel->setBuddy(m_password);
    passwordRow->addWidget(passwordLabel, 0, 0);
    passwordRow->addWidget(m_password, 0, 1);
    passwordRow->addWidget(m_remember, 1, 1);
    right->addLayout(passwordRow);
    top->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(MakeActionRow());
    layout->addWidget(m_files, 1);
    layout->addWidget(m_total);
    layout->addWidget(m_status);
    auto* bottom = new QDialogButtonBox(this);
    bottom->addButton(m_publish, QDialogButtonBox::ActionRole);
    bottom->addButton(m_cancel, QDialogButtonBox::ActionRole);
    bottom->addButton(m_close, QDialogButtonBox::RejectRole);
    layout->addWidget(bottom);

    connect(m_list, &QListWidget::currentRowChanged, this, &TPublishToSiteDialog::ChooseTarget);
    connect(m_form, &TPublishTargetForm::Edited, this, &TPublishToSiteDialog::TargetEdited);
    connect(m_password, &QLineEdit::textEdited, this, [this] {
        m_plan.reset();
        UpdateButtons();
    });
    connect(m_add, &QPushButton::clicked, this, &TPublishToSiteDialog::AddTarget);
    connect(m_remove, &QPushButton::clicked, this, &TPublishToSiteDialog::RemoveTarget);
    connect(m_test, &QPushButton::clicked, this, &TPublishToSiteDialog::TestConnection);
    connect(m_compare, &QPushButton::clicked, this, &TPublishToSiteDialog::Compare);
    connect(m_publish, &QPushButton::clicked, this, &TPublishToSiteDialog::Publish);
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    FillTargetList(m_targets.empty() ? -1 : 0);
    if (m_targets.empty()) {
        ShowStatus(tr("This project names no server yet: Add one, with the address of the folder the "
                      "menu's files go to."));
    }
}

QWidget* TPublishToSiteDialog::MakeTargetColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("Ser&vers:"), column);
    label->setBuddy(m_list);
    m_list->setObjectName(QStringLiteral("TargetList"));
    m_list->setAccessibleName(tr("Servers"));
    m_list->setMaximumWidth(220);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    layout->addLayout(buttons);
    return column;
}

QWidget* TPublishToSiteDialog::MakeActionRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_test);
    layout->addWidget(m_compare);
    layout->addStretch(1);
    return row;
}

TPublishToSiteDialog::~TPublishToSiteDialog() = default;

void TPublishToSiteDialog::done(int result) {
    if (m_busy) {
        // Closing now would leave the site's temporaries behind: Cancel ends the transfer first.
        m_cancelled = true;
        return;
    }
    KeepTargets();
    QDialog::done(result);
}

void TPublishToSiteDialog::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        m_cancelled = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TPublishToSiteDialog::FillTargetList(int select) {
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const TPublishTarget& target : m_targets) {
            m_list->addItem(TargetLabel(target));
        }
    }
    m_current = -1;
    m_list->setCurrentRow(select);
    ChooseTarget(select);
}

void TPublishToSiteDialog::ChooseTarget(int row) {
    m_current = row >= 0 && row < static_cast<int>(m_targets.size()) ? row : -1;
    m_form->Show(m_current >= 0 ? m_targets[static_cast<std::size_t>(m_current)] : TPublishTarget{});
    m_form->setEnabled(m_current >= 0);
    m_password->clear();
    m_keptPassword.reset();
    m_plan.reset();
    m_files->clear();
    m_total->setValue(0);
    UpdateButtons();
}

void TPublishToSiteDialog::TargetEdited() {
    if (m_current < 0) {
        return;
    }
    m_targets[static_cast<std::size_t>(m_current)] = m_form->Target();
    m_list->item(m_current)->setText(TargetLabel(m_targets[static_cast<std::size_t>(m_current)]));
    // Another address or user is another entry of the key store.
    m_keptPassword.reset();
    m_plan.reset();
    UpdateButtons();
}

void TPublishToSiteDialog::AddTarget() {
    TPublishTarget target;
    target.Name = "Site " + std::to_string(m_targets.size() + 1);
    m_targets.push_back(target);
    FillTargetList(static_cast<int>(m_targets.size()) - 1);
    ShowStatus(tr("Enter the address of the folder on the server, such as "
                  "sftp://user@example.com/var/www/menu."));
    m_form->AddressEdit()->setFocus();
}

void TPublishToSiteDialog::RemoveTarget() {
    if (m_current < 0) {
        return;
    }
    m_targets.erase(m_targets.begin() + m_current);
    FillTargetList(std::min(m_current, static_cast<int>(m_targets.size()) - 1));
}

void TPublishToSiteDialog::KeepTargets() {
    // A target without an address leads nowhere; its name alone is not worth a changed project.
    TPublishTargets kept;
    for (const TPublishTarget& target : m_targets) {
        if (!target.Address.empty()) {
            kept.push_back(target);
        }
    }
    m_publisher.SetTargets(std::move(kept));
}

void TPublishToSiteDialog::SetBusy(bool busy) {
    m_busy = busy;
    m_cancelled = false;
    m_list->setEnabled(!busy);
    m_form->setEnabled(!busy && m_current >= 0);
    m_password->setEnabled(!busy);
    m_remember->setEnabled(!busy);
    m_add->setEnabled(!busy);
    UpdateButtons();
}

void TPublishToSiteDialog::UpdateButtons() {
    const bool chosen = m_current >= 0 && !m_busy;
    m_remove->setEnabled(chosen);
    m_test->setEnabled(chosen);
    m_compare->setEnabled(chosen);
    m_publish->setEnabled(chosen && m_plan && !m_plan->NothingToSend());
    m_cancel->setEnabled(m_busy);
    m_close->setEnabled(!m_busy);
}

void TPublishToSiteDialog::ShowStatus(const QString& text, bool failure) {
    m_status->setTextFormat(Qt::PlainText);
    m_status->setText(text);
    m_status->setStyleSheet(failure ? QStringLiteral("color: #b00020;") : QString());
}

} // namespace tarvex
