#include "StyleTemplateUnit.h"

#include "DialogPlacement.h"
#include "RecordString.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

namespace tarvex {

TStyleTemplateForm::TStyleTemplateForm(QWidget* parent) : QDialog(parent) {
    SetUpFixedDialog(this, QStringLiteral("StyleTemplateForm"), tr("Style template"), ClientWidth,
                     ClientHeight);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(0, 0, ClientWidth, 241);

    auto* label1 = new QLabel(tr("Favorites styles"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->move(8, 8);
    auto* label2 = new QLabel(tr("Preview"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->move(184, 8);
    label1->adjustSize();
    label2->adjustSize();

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("StylesListBox"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setGeometry(8, 24, 169, 209);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int) { StylesListBoxClick(); });

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel->setGeometry(184, 24, 241, 209);

    // Unscaled from the top-left corner; the label clips whatever does not fit.
    m_preview = new QLabel(m_panel);
    m_preview->setObjectName(QStringLiteral("PreviewImage"));
    m_preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_preview->setScaledContents(false);
    const int frame = m_panel->frameWidth();
    m_preview->setGeometry(frame, frame, 241 - 2 * frame, 209 - 2 * frame);

    m_insert = new QPushButton(tr("Insert"), this);
    m_insert->setObjectName(QStringLiteral("Button1"));
    m_insert->setGeometry(264, 248, 75, 25);
    m_insert->setDefault(true);
    connect(m_insert, &QPushButton::clicked, this, &QDialog::accept);

    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Button2"));
    m_cancel->setGeometry(352, 248, 75, 25);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_showAtStartup = new QCheckBox(tr("Show at start-up"), this);
    m_showAtStartup->setObjectName(QStringLiteral("ShowAtStartupCheckBox"));
    m_showAtStartup->setChecked(true);
    m_showAtStartup->setGeometry(8, 248, 248, 25);
}

bool TStyleTemplateForm::ShowAtStartup() const {
    return m_showAtStartup->isChecked();
}

void TStyleTemplateForm::SetShowAtStartup(bool show) {
    m_showAtStartup->setChecked(show);
}

std::optional<int> TStyleTemplateForm::Execute(const std::vector<TStyleTemplateEntry>& entries) {
    m_entries = entries;
    m_list->clear();
    for (const TStyleTemplateEntry& entry : m_entries) {
        m_list->addItem(Utf8ToQString(entry.Name));
    }
    const bool inserted = exec() == QDialog::Accepted;
    const int row = m_list->currentRow();
    const bool selected = m_list->currentItem() && m_list->currentItem()->isSelected();
    m_entries.clear();
    if (!inserted || !selected || row < 0 || row >= static_cast<int>(entries.size())) {
        return std::nullopt;
    }
    return row;
}

void TStyleTemplateForm::showEvent(QShowEvent* event) {
    CentreOverParent(this);
    QDialog::showEvent(event);
    if (m_list->count() > 0) {
        m_list->setCurrentRow(0);
    }
    StylesListBoxClick();
}

void TStyleTemplateForm::StylesListBoxClick() {
    const int row = m_list->currentRow();
    QPixmap picture;
    if (row >= 0 && row < static_cast<int>(m_entries.size())) {
        const QString path = Utf8ToQString(m_entries[static_cast<std::size_t>(row)].PreviewPath);
        if (QFileInfo(path).isFile()) {
            picture.load(path);
        }
    }
    m_preview->setPixmap(picture);
}

} // namespace tarvex
