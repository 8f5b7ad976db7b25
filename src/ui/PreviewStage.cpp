#include "PreviewStage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <algorithm>
#include <iterator>

namespace tarvex {

TPreviewStage::TPreviewStage(QWebEngineView* view, QWidget* parent)
    : QWidget(parent), m_view(view), m_choice(new QComboBox), m_area(new QWidget),
      m_note(new QLabel(m_area)) {
    m_choice->addItems({QCoreApplication::translate("tarvex::TPreviewStage", "Desktop"),
                        QCoreApplication::translate("tarvex::TPreviewStage", "Tablet (768 px)"),
                        QCoreApplication::translate("tarvex::TPreviewStage", "Phone (375 px)")});
    m_choice->setObjectName(QStringLiteral("PreviewScreenBox"));
    m_choice->setAccessibleName(QCoreApplication::translate("tarvex::TPreviewStage", "Preview screen size"));
    auto* label = new QLabel(QCoreApplication::translate("tarvex::TPreviewStage", "&Screen:"));
    label->setBuddy(m_choice);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    bar->addWidget(label);
    bar->addWidget(m_choice);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(m_area, 1);
    // The view is placed by hand inside the area: centred at its screen's width, or scaled.
    m_view->setParent(m_area);
    m_note->setObjectName(QStringLiteral("PreviewNote"));
    m_note->setWordWrap(true);
    m_note->setMargin(10);
    m_note->setAutoFillBackground(true);
    m_note->setFrameShape(QFrame::StyledPanel);
    m_note->hide();
    m_area->installEventFilter(this);
    connect(m_choice, &QComboBox::currentIndexChanged, this, [this](int index) { SetScreen(index); });
}

void TPreviewStage::SetScreen(int screen) {
    m_screen = screen >= 0 && screen < static_cast<int>(std::size(ScreenWidths)) ? screen : 0;
    if (m_choice->currentIndex() != m_screen) {
        m_choice->setCurrentIndex(m_screen);
    }
    PlaceView();
}

bool TPreviewStage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_area && event->type() == QEvent::Resize) {
        PlaceView();
    }
    return QWidget::eventFilter(watched, event);
}

void TPreviewStage::SetNote(const QString& note) {
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
    PlaceView();
}

void TPreviewStage::PlaceView() {
    const QRect area(QPoint(0, 0), m_area->size());
    const int target = ScreenWidths[m_screen];
    if (target == 0 || target <= area.width()) {
        const int width = target == 0 ? area.width() : target;
        m_view->setGeometry((area.width() - width) / 2, 0, width, area.height());
        m_view->setZoomFactor(1.0);
    } else {
        // A page laid out `target` pixels wide, drawn smaller: the page sees its screen's width.
        m_view->setGeometry(area);
        m_view->setZoomFactor(std::max(0.25, static_cast<double>(area.width()) / target));
    }
    if (!m_note->isHidden()) {
        const QRect page = m_view->geometry();
        m_note->setGeometry(page.x(), page.y(), page.width(), m_note->heightForWidth(page.width()));
        m_note->raise();
    }
}

} // namespace tarvex
