#include "PublishTargetForm.h"

#include "RecordString.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace tarvex {

TPublishTargetForm::TPublishTargetForm(QWidget* parent)
    : QWidget(parent), m_name(AddLine(QStringLiteral("TargetNameEdit"), tr("My site"))),
      m_address(
          AddLine(QStringLiteral("TargetAddressEdit"), QStringLiteral("sftp://user@example.com/var/www"))),
      m_user(AddLine(QStringLiteral("TargetUserEdit"), tr("When the address names none"))),
      m_kind(new QComboBox(this)), m_identity(AddLine(QStringLiteral("TargetKeyFileEdit"),
                                                      tr("SFTP: empty uses the SSH agent or the password"))),
      m_caFile(AddLine(QStringLiteral("TargetCaFileEdit"), tr("Only for a company's own authority"))),
      m_siteAddress(
          AddLine(QStringLiteral("TargetSiteAddressEdit"), QStringLiteral("https://example.com/"))) {
    m_kind->setObjectName(QStringLiteral("TargetKindBox"));
    m_kind->addItem(tr("Menu script and engine (three files)"));
    m_kind->addItem(tr("Module (tarvex-menu.js and tarvex-menu.css)"));
    connect(m_kind, &QComboBox::activated, this, &TPublishTargetForm::Edited);

    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("&Name:"), m_name);
    form->addRow(tr("&Address:"), m_address);
    form->addRow(tr("&User:"), m_user);
    form->addRow(tr("&Files:"), m_kind);
    form->addRow(tr("&Key file:"), WithBrowseButton(m_identity, tr("Private key"), tr("All files (*)")));
    form->addRow(tr("C&A file:"), WithBrowseButton(m_caFile, tr("Certificate authority"),
                                                   tr("Certificates (*.pem *.crt);;All files (*)")));
    form->addRow(tr("Site add&ress:"), m_siteAddress);
}

QLineEdit* TPublishTargetForm::AddLine(const QString& objectName, const QString& placeholder) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setPlaceholderText(placeholder);
    connect(edit, &QLineEdit::textEdited, this, &TPublishTargetForm::Edited);
    return edit;
}

QWidget* TPublishTargetForm::WithBrowseButton(QLineEdit* edit, const QString& caption,
                                              const QString& filter) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit, 1);
    auto* browse = new QPushButton(tr("Browse\u2026"), row);
    browse->setAccessibleName(caption + QStringLiteral(": browse"));
    layout->addWidget(browse);
    connect(browse, &QPushButton::clicked, this, [this, edit, caption, filter] {
        const QString file = QFileDialog::getOpenFileName(this, caption, edit->text(), filter);
        if (!file.isEmpty()) {
            edit->setText(file);
            emit Edited();
        }
    });
    return row;
}

void TPublishTargetForm::Show(const TPublishTarget& target) {
    const QSignalBlocker blocker(this);
    m_name->setText(Utf8ToQString(target.Name));
    m_address->setText(Utf8ToQString(target.Address));
    m_user->setText(Utf8ToQString(target.User));
    m_kind->setCurrentIndex(target.Kind == TPublishKind::Module ? 1 : 0);
    m_identity->setText(Utf8ToQString(target.IdentityFile));
    m_caFile->setText(Utf8ToQString(target.CaFile));
    m_siteAddress->setText(Utf8ToQString(target.SiteAddress));
}

TPublishTarget TPublishTargetForm::Target() const {
    TPublishTarget target;
    target.Name = QStringToUtf8(m_name->text().trimmed());
    target.Address = QStringToUtf8(m_address->text().trimmed());
    target.User = QStringToUtf8(m_user->text().trimmed());
    target.Kind = m_kind->currentIndex() == 1 ? TPublishKind::Module : TPublishKind::Classic;
    target.IdentityFile = QStringToUtf8(m_identity->text().trimmed());
    target.CaFile = QStringToUtf8(m_caFile->text().trimmed());
    target.SiteAddress = QStringToUtf8(m_siteAddress->text().trimmed());
    return target;
}

} // namespace tarvex
