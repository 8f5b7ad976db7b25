#include "PropertyGridDelegate.h"

#include "MenuIconSet.h"
#include "PropertyGridModel.h"
#include "RecordString.h"
#include "model/RecordFields.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace tarvex {

namespace {

// The value cell of a colour row while it is edited: the text plus a "..." button.
class TColorCellEditor : public QWidget {
public:
    explicit TColorCellEditor(QWidget* parent) : QWidget(parent) {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        m_edit = new QLineEdit(this);
        m_edit->setFrame(false);
        m_button = new QToolButton(this);
        m_button->setObjectName(QStringLiteral("EditButton"));
        m_button->setText(QStringLiteral("..."));
        m_button->setFocusPolicy(Qt::NoFocus);
        m_button->setFixedWidth(PropertyGridButtonWidth);
        layout->addWidget(m_edit, 1);
        layout->addWidget(m_button);
        setFocusProxy(m_edit);
        m_edit->installEventFilter(this);
    }
    QLineEdit* Edit() const { return m_edit; }
    QToolButton* Button() const { return m_button; }
    static constexpr int PropertyGridButtonWidth = 18;

protected:
    // The grid's delegate watches this cell, not the line edit inside it: the keys that end or
    // leave the edit are handed to the cell, where the delegate sees them.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_edit && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            switch (key->key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Escape:
            case Qt::Key_Return:
            case Qt::Key_Enter:
                QCoreApplication::sendEvent(this, event);
                return true;
            default:
                break;
            }
        }
        return QWidget::eventFilter(watched, event);
    }
    // The line edit leaves these keys to its holder.
    void keyPressEvent(QKeyEvent* event) override {
        if (IsChooserKey(event, false)) {
            m_button->click();
            return;
        }
        QWidget::keyPressEvent(event);
    }

private:
    QLineEdit* m_edit;
    QToolButton* m_button;
};

QLineEdit* LineEditOf(QWidget* editor) {
    if (auto* color = dynamic_cast<TColorCellEditor*>(editor)) {
        return color->Edit();
    }
    return qobject_cast<QLineEdit*>(editor);
}

} // namespace

bool IsChooserKey(const QKeyEvent* event, bool spaceToo) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_F4 && mods == Qt::NoModifier) ||
           (event->key() == Qt::Key_Down && mods == Qt::AltModifier) ||
           (spaceToo && event->key() == Qt::Key_Space && mods == Qt::NoModifier);
}

QWidget* TPropertyGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                             const QModelIndex& index) const {
    const auto* model = qobject_cast<const TPropertyGridModel*>(index.model());
    TPropertyRows* rows = model ? model->Rows() : nullptr;
    if (!rows) {
        return nullptr;
    }
    auto* self = const_cast<TPropertyGridDelegate*>(this);
    const int row = index.row();
    switch (rows->EditStyle(row)) {
    case TPropertyEditStyle::PickList: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setFrame(false);
        combo->setAccessibleName(index.sibling(row, 0).data().toString());
        // The Icon row shows each icon as the published menu draws it; a typed .svg file name
        // is taken as well.
        const std::string key = rows->Key(row);
        const bool icons = key == ItemField("Icon").Caption;
        const QColor ink = parent->palette().color(QPalette::Text);
        for (const std::string& entry : rows->PickList(row)) {
            combo->addItem(icons ? DrawnMenuIcon(entry, ink) : QIcon(),
                           TPropertyGridModel::ShownValue(key, entry));
        }
        if (icons) {
            combo->setToolTip(tr("An icon of the set, or the name of an .svg file beside the project"));
        }
        // A pick from the list is a choice made; typed text waits for the cell to be confirmed.
        connect(combo, &QComboBox::activated, self, [self, combo] { emit self->commitData(combo); });
        return combo;
    }
    case TPropertyEditStyle::Color: {
        auto* cell = new TColorCellEditor(parent);
        cell->Edit()->setAccessibleName(index.sibling(row, 0).data().toString());
        cell->Button()->setAccessibleName(tr("Choose colour"));
        connect(cell->Button(), &QToolButton::clicked, self,
                [self, row] { emit self->EditButtonClicked(row); });
        return cell;
    }
    case TPropertyEditStyle::Text:
        break;
    }
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setAccessibleName(index.sibling(row, 0).data().toString());
    return edit;
}

void TPropertyGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString value = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // Rewriting the same text would move the cursor under the user's fingers.
        if (combo->currentText() != value) {
            const QSignalBlocker block(combo);
            combo->setCurrentText(value);
        }
        return;
    }
    if (QLineEdit* edit = LineEditOf(editor)) {
        if (edit->text() != value) {
            edit->setText(value);
        }
    }
}

void TPropertyGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                         const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, combo->currentText(), Qt::EditRole);
    } else if (QLineEdit* edit = LineEditOf(editor)) {
        model->setData(index, edit->text(), Qt::EditRole);
    }
}

void TPropertyGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                 const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

} // namespace tarvex
