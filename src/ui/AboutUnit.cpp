#include "AboutUnit.h"

#include "DialogPlacement.h"

#include "TarvexIcons.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace tarvex {

namespace {

const char* const MakerNote = QT_TRANSLATE_NOOP(
    "tarvex::TAboutForm",
    "Korvane Tarvex designs drop-down menus for your web pages without a line of script "
    "written by hand: build the menu tree, pick the styles, watch the preview and publish.\n"
    "\n"
    "We are glad to hear from you: questions, ideas and bug reports are all welcome.\n"
    "\n"
    "Web: https://www.korvane.example\n"
    "Feedback: https://www.korvane.example/feedback.php\n"
    "E-mail: support@korvane.example\n"
    "Sales: sales@korvane.example\n"
    "\n"
    "Copyright (c) Korvane. All rights reserved.");

} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    SetUpFixedDialog(this, QStringLiteral("AboutForm"), tr("About Korvane Product"), ClientWidth,
                     ClientHeight);

    auto* whiteArea = new QWidget(this);
    whiteArea->setObjectName(QStringLiteral("Panel1"));
    whiteArea->setGeometry(0, 0, ClientWidth, 217);
    whiteArea->setAutoFillBackground(true);
    QPalette white = whiteArea->palette();
    white.setColor(QPalette::Window, Qt::white);
    whiteArea->setPalette(white);

    auto* icon = new QLabel(whiteArea);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setGeometry(8, 8, 32, 32);
    icon->setPixmap(TTarvexIcons::Program().pixmap(32, 32));

    m_title = new QLabel(QStringLiteral("Korvane Tarvex " TARVEX_VERSION), whiteArea);
    m_title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont(QStringLiteral("Times New Roman"));
    titleFont.setPixelSize(19);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    m_title->setFont(titleFont);
    // The closest thing to the active caption colour a portable toolkit offers.
    QPalette titlePalette = m_title->palette();
    titlePalette.setColor(QPalette::WindowText, palette().color(QPalette::Active, QPalette::Highlight));
    m_title->setPalette(titlePalette);
    m_title->setGeometry(48, 12, ClientWidth - 56, 26);

    m_note = new QPlainTextEdit(whiteArea);
    m_note->setObjectName(QStringLiteral("Memo1"));
    m_note->setReadOnly(true);
    m_note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_note->setPlainText(tr(MakerNote));
    m_note->setGeometry(8, 48, ClientWidth - 16, 161);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setGeometry(ClientWidth - 83, 224, 75, 25);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutForm::showEvent(QShowEvent* event) {
    CentreOverParent(this);
    QDialog::showEvent(event);
}

} // namespace tarvex
