#include "CustomizeDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDrag>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace tarvex {

const char* const TCustomizeDialog::ActionMimeType = "application/x-tarvex-action";

namespace {

// The command list: dragging an entry carries the command's object name.
class TCommandListWidget : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QStringList mimeTypes() const override { return {QLatin1String(TCustomizeDialog::ActionMimeType)}; }
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override {
        auto* data = new QMimeData;
        if (!items.isEmpty()) {
            data->setData(QLatin1String(TCustomizeDialog::ActionMimeType),
                          items.front()->data(Qt::UserRole).toString().toUtf8());
        }
        return data;
    }
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
};

QString CategoryOf(const QAction* action) {
    return action->property("category").toString();
}

} // namespace

TCustomizeDialog::TCustomizeDialog(const std::vector<QAction*>& actions,
                                   const std::vector<QToolBar*>& toolBars, QMenuBar* menuBar, QWidget* parent)
    : QDialog(parent), m_actions(actions), m_toolBars(toolBars), m_menuBar(menuBar) {
    setObjectName(QStringLiteral("CustomizeDlg"));
    setWindowTitle(tr("Customize"));
    resize(420, 330);

    auto* tabs = new QTabWidget(this);
    tabs->addTab(CreateToolBarsPage(), tr("Toolbars"));
    tabs->addTab(CreateCommandsPage(), tr("Commands"));
    tabs->addTab(CreateOptionsPage(), tr("Options"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    for (QToolBar* bar : m_toolBars) {
        bar->setAcceptDrops(true);
        bar->installEventFilter(this);
    }
    if (m_menuBar) {
        m_menuBar->setAcceptDrops(true);
        m_menuBar->installEventFilter(this);
    }
    m_categoryList->setCurrentRow(0);
}

QWidget* TCustomizeDialog::CreateToolBarsPage() {
    // Toolbars: a check mark per bar shows or hides it.
    auto* barsPage = new QWidget;
    auto* barsLayout = new QVBoxLayout(barsPage);
    barsLayout->addWidget(new QLabel(tr("Toolbars:")));
    m_toolBarList = new QListWidget;
    m_toolBarList->setObjectName(QStringLiteral("ToolbarsList"));
    for (QToolBar* bar : m_toolBars) {
        auto* item = new QListWidgetItem(bar->windowTitle(), m_toolBarList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(bar->isVisibleTo(bar->parentWidget()) ? Qt::Checked : Qt::Unchecked);
        connect(bar, &QToolBar::visibilityChanged, this,
                [item](bool visible) { item->setCheckState(visible ? Qt::Checked : Qt::Unchecked); });
    }
    connect(m_toolBarList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int row = m_toolBarList->row(item);
        if (row >= 0 && row < static_cast<int>(m_toolBars.size())) {
            m_toolBars[static_cast<std::size_t>(row)]->setVisible(item->checkState() == Qt::Checked);
        }
    });
    barsLayout->addWidget(m_toolBarList);
    return barsPage;
}

QWidget* TCustomizeDialog::CreateCommandsPage() {
    // Commands by category, to be dragged onto a toolbar or a menu title.
    auto* commandsPage = new QWidget;
    auto* commandsLayout = new QVBoxLayout(commandsPage);
    commandsLayout->addWidget(new QLabel(
        tr("To add a command to a toolbar or a menu, drag it onto a toolbar or onto a menu title.")));
    auto* lists = new QHBoxLayout;
    m_categoryList = new QListWidget;
    m_categoryList->setObjectName(QStringLiteral("CategoriesList"));
    m_commandList = new TCommandListWidget;
    m_commandList->setObjectName(QStringLiteral("ActionsList"));
    m_commandList->setDragEnabled(true);
    m_commandList->setDragDropMode(QAbstractItemView::DragOnly);
    m_commandList->setDefaultDropAction(Qt::CopyAction);
    for (QAction* action : m_actions) {
        const QString category = CategoryOf(action);
        if (m_categoryList->findItems(category, Qt::MatchExactly).isEmpty()) {
            m_categoryList->addItem(category);
        }
    }
    connect(m_categoryList, &QListWidget::currentRowChanged, this, &TCustomizeDialog::ShowCategory);
    lists->addWidget(m_categoryList, 2);
    lists->addWidget(m_commandList, 3);
    commandsLayout->addLayout(lists);
    return commandsPage;
}

QWidget* TCustomizeDialog::CreateOptionsPage() {
    // Options of the menus and toolbars.
    auto* optionsPage = new QWidget;
    auto* optionsLayout = new QVBoxLayout(optionsPage);
    m_showTips = new QCheckBox(tr("Show tips on toolbars"));
    m_showTips->setChecked(true);
    m_shortcutsInTips = new QCheckBox(tr("Show shortcut keys in tips"));
    m_largeIcons = new QCheckBox(tr("Large icons"));
    optionsLayout->addWidget(m_showTips);
    optionsLayout->addWidget(m_shortcutsInTips);
    optionsLayout->addWidget(m_largeIcons);
    optionsLayout->addStretch();
    connect(m_showTips, &QCheckBox::toggled, this, &TCustomizeDialog::ApplyTips);
    connect(m_shortcutsInTips, &QCheckBox::toggled, this, &TCustomizeDialog::ApplyTips);
    connect(m_largeIcons, &QCheckBox::toggled, this, [this](bool large) {
        for (QToolBar* bar : m_toolBars) {
            bar->setIconSize(large ? QSize(24, 24) : QSize(16, 16));
        }
    });
    return optionsPage;
}

TCommandBarOptions TCustomizeDialog::Options() const {
    return {m_showTips->isChecked(), m_shortcutsInTips->isChecked(), m_largeIcons->isChecked()};
}

void TCustomizeDialog::SetOptions(const TCommandBarOptions& options) {
    m_showTips->setChecked(options.ShowTips);
    m_shortcutsInTips->setChecked(options.ShortcutsInTips);
    m_largeIcons->setChecked(options.LargeIcons);
}

void TCustomizeDialog::ShowCategory(int row) {
    m_commandList->clear();
    const QListWidgetItem* categoryItem = m_categoryList->item(row);
    if (!categoryItem) {
        return;
    }
    for (QAction* action : m_actions) {
        if (CategoryOf(action) == categoryItem->text()) {
            auto* item = new QListWidgetItem(action->icon(), action->iconText(), m_commandList);
            item->setData(Qt::UserRole, action->objectName());
            item->setToolTip(action->statusTip());
        }
    }
}

void TCustomizeDialog::ApplyTips() {
    for (QAction* action : m_actions) {
        QString tip = action->statusTip();
        if (m_shortcutsInTips->isChecked() && !action->shortcut().isEmpty()) {
            tip += QStringLiteral(" (") + action->shortcut().toString(QKeySequence::NativeText) +
                   QLatin1Char(')');
        }
        action->setToolTip(tip);
    }
}

QAction* TCustomizeDialog::ActionNamed(const QString& name) const {
    for (QAction* action : m_actions) {
        if (action->objectName() == name) {
            return action;
        }
    }
    return nullptr;
}

void TCustomizeDialog::InsertIntoToolBar(QToolBar* toolBar, QAction* action, QAction* before) {
    if (!toolBar || !action || before == action) {
        return;
    }
    toolBar->removeAction(action);
    if (before) {
        toolBar->insertAction(before, action);
    } else {
        toolBar->addAction(action);
    }
}

void TCustomizeDialog::AppendToMenu(QMenuBar* menuBar, QAction* title, QAction* action) {
    if (!menuBar || !title || !title->menu() || !action) {
        return;
    }
    title->menu()->addAction(action);
}

bool TCustomizeDialog::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ToolTip && !m_showTips->isChecked()) {
        for (QToolBar* bar : m_toolBars) {
            if (watched == bar) {
                return true;
            }
        }
    }
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return QDialog::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasFormat(QLatin1String(ActionMimeType))) {
        return QDialog::eventFilter(watched, event);
    }
    QAction* action = ActionNamed(QString::fromUtf8(drop->mimeData()->data(QLatin1String(ActionMimeType))));
    if (!action) {
        return QDialog::eventFilter(watched, event);
    }
    const QPoint at = drop->position().toPoint();
    if (auto* bar = qobject_cast<QToolBar*>(watched)) {
        if (type == QEvent::Drop) {
            InsertIntoToolBar(bar, action, bar->actionAt(at));
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        return true;
    }
    if (watched == m_menuBar) {
        QAction* title = m_menuBar->actionAt(at);
        if (!title || !title->menu()) {
            // Entering between titles still lets the drag reach a title further on.
            if (type == QEvent::DragEnter) {
                drop->accept();
            } else {
                drop->ignore();
            }
            return true;
        }
        if (type == QEvent::Drop) {
            AppendToMenu(m_menuBar, title, action);
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tarvex
