#pragma once
// The fields of one publish target, as the "Publish to site" dialog shows them for editing.

#include "model/PublishTarget.h"

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace tarvex {

class TPublishTargetForm : public QWidget {
    Q_OBJECT
public:
    explicit TPublishTargetForm(QWidget* parent = nullptr);

    void Show(const TPublishTarget& target);
    TPublishTarget Target() const;

    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* AddressEdit() const { return m_address; }
    QLineEdit* UserEdit() const { return m_user; }
    QComboBox* KindBox() const { return m_kind; }
    QLineEdit* IdentityEdit() const { return m_identity; }
    QLineEdit* CaFileEdit() const { return m_caFile; }
    QLineEdit* SiteAddressEdit() const { return m_siteAddress; }

signals:
    // A field changed by the author's hand.
    void Edited();

private:
    QLineEdit* AddLine(const QString& objectName, const QString& placeholder);
    QWidget* WithBrowseButton(QLineEdit* edit, const QString& caption, const QString& filter);

    QLineEdit* m_name;
    QLineEdit* m_address;
    QLineEdit* m_user;
    QComboBox* m_kind;
    QLineEdit* m_identity;
    QLineEdit* m_caFile;
    QLineEdit* m_siteAddress;
};

} // namespace tarvex
