#include "PropertyGrid.h"

#include "RecordString.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <QToolTip>

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

public:
    static bool IsChooserKey(const QKeyEvent* event, bool spaceToo) {
        const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
        return (event->key() == Qt::Key_F4 && mods == Qt::NoModifier) ||
               (event->key() == Qt::Key_Down && mods == Qt::AltModifier) ||
               (spaceToo && event->key() == Qt::Key_Space && mods == Qt::NoModifier);
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

void TPropertyGridModel::SetRows(TPropertyRows* rows) {
    beginResetModel();
    m_rows = rows;
    m_rowCount = rows ? rows->RowCount() : 0;
    endResetModel();
}

void TPropertyGridModel::RowsChanged() {
    const int count = m_rows ? m_rows->RowCount() : 0;
    if (count != m_rowCount) {
        SetRows(m_rows);
        return;
    }
    // One cell at a time, so that an open cell editor is refreshed by the view as well.
    for (int row = 0; row < count; ++row) {
        const QModelIndex cell = index(row, 1);
        emit dataChanged(cell, cell);
    }
}

int TPropertyGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rowCount;
}

int TPropertyGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QColor TPropertyGridModel::HexColor(const QString& text) {
    if (text.size() != 6) {
        return QColor();
    }
    for (const QChar c : text) {
        if (!c.isDigit() && !(c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'))) {
            return QColor();
        }
    }
    return QColor(QLatin1Char('#') + text);
}

QVariant TPropertyGridModel::data(const QModelIndex& index, int role) const {
    if (!m_rows || !index.isValid() || index.row() >= m_rowCount) {
        return QVariant();
    }
    const int row = index.row();
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::ToolTipRole) {
        return Utf8ToQString(index.column() == 0 ? m_rows->Key(row) : m_rows->Value(row));
    }
    if (role == Qt::DecorationRole && index.column() == 1 &&
        m_rows->EditStyle(row) == TPropertyEditStyle::Color) {
        const QColor color = HexColor(Utf8ToQString(m_rows->Value(row)));
        if (!color.isValid()) {
            return QVariant();
        }
        // Framed, so that white shows on a white cell as well.
        QPixmap swatch(12, 12);
        swatch.fill(color);
        QPainter painter(&swatch);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(0, 0, 11, 11);
        return swatch;
    }
    return QVariant();
}

bool TPropertyGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!m_rows || role != Qt::EditRole || index.column() != 1 || index.row() >= m_rowCount) {
        return false;
    }
    const std::string text = QStringToUtf8(value.toString());
    if (m_rows->Value(index.row()) == text) {
        return true;
    }
    m_rows->SetValue(index.row(), text);
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TPropertyGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (index.column() == 0) {
        return Qt::ItemIsEnabled;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_rows && m_rows->Enabled()) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

QVariant TPropertyGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return section == 0 ? QStringLiteral("Properties") : QStringLiteral("Value");
    }
    return QVariant();
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
        for (const std::string& entry : rows->PickList(row)) {
            combo->addItem(Utf8ToQString(entry));
        }
        connect(combo, &QComboBox::currentTextChanged, self, [self, combo] { emit self->commitData(combo); });
        return combo;
    }
    case TPropertyEditStyle::Color: {
        auto* cell = new TColorCellEditor(parent);
        cell->Edit()->setAccessibleName(index.sibling(row, 0).data().toString());
        cell->Button()->setAccessibleName(QStringLiteral("Choose colour"));
        connect(cell->Edit(), &QLineEdit::textEdited, self, [self, cell] { emit self->commitData(cell); });
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
    connect(edit, &QLineEdit::textEdited, self, [self, edit] { emit self->commitData(edit); });
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

TPropertyGrid::TPropertyGrid(int valueColumnWidth, QWidget* parent) : QTableView(parent) {
    m_model = new TPropertyGridModel(this);
    m_delegate = new TPropertyGridDelegate(this);
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // A click on the current cell opens its editor at once (mousePressEvent), not after the
    // double-click interval, so keys typed straight after the click reach the editor.
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setIconSize(QSize(12, 12));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setMinimumSectionSize(RowHeight);
    // Keys and values share the pane's width; the starting widths only size the first layout.
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(40);
    setColumnWidth(0, KeyColumnWidth);
    setColumnWidth(1, valueColumnWidth);

    connect(m_delegate, &TPropertyGridDelegate::EditButtonClicked, this, [this](int row) {
        if (OnEditButtonClick) {
            OnEditButtonClick(row);
        }
    });
}

void TPropertyGrid::SetRows(TPropertyRows* rows) {
    m_model->SetRows(rows);
    setEnabled(rows && rows->Enabled());
}

void TPropertyGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (current.isValid() && current.column() == 0) {
        setCurrentIndex(current.sibling(current.row(), 1));
        return;
    }
    QTableView::currentChanged(current, previous);
}

void TPropertyGrid::EditRow(int row) {
    if (row < 0 || row >= m_model->rowCount() || !isEnabled()) {
        return;
    }
    setFocus(Qt::OtherFocusReason);
    const QModelIndex cell = m_model->index(row, 1);
    if (currentIndex() != cell) {
        setCurrentIndex(cell);
    }
    edit(cell);
    for (QLineEdit* line : viewport()->findChildren<QLineEdit*>()) {
        if (line->isVisible() && line->hasFocus()) {
            line->selectAll();
        }
    }
}

bool TPropertyGrid::LeavesGrid(int row, bool forward) const {
    return forward ? row >= m_model->rowCount() - 1 : row <= 0;
}

bool TPropertyGrid::OpenChooser(int row) {
    TPropertyRows* rows = m_model->Rows();
    if (!rows || row < 0 || row >= m_model->rowCount() || !rows->Enabled()) {
        return false;
    }
    switch (rows->EditStyle(row)) {
    case TPropertyEditStyle::Color:
        if (OnEditButtonClick) {
            OnEditButtonClick(row);
        }
        return true;
    case TPropertyEditStyle::PickList: {
        const QModelIndex cell = m_model->index(row, 1);
        edit(cell);
        for (QComboBox* combo : viewport()->findChildren<QComboBox*>()) {
            if (combo->isVisible()) {
                combo->showPopup();
            }
        }
        return true;
    }
    case TPropertyEditStyle::Text:
        break;
    }
    return false;
}

bool TPropertyGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // Taken before a typed key reaches the editor, which writes every key into the row.
    const QString before = index.data(Qt::EditRole).toString();
    const bool editing = QTableView::edit(index, trigger, event);
    if (editing && state() == EditingState && m_editIndex != index) {
        m_editIndex = index;
        m_editStartValue = before;
    }
    return editing;
}

void TPropertyGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const QPersistentModelIndex edited = m_editIndex;
    m_editIndex = QPersistentModelIndex();
    if (hint == QAbstractItemDelegate::RevertModelCache && edited.isValid()) {
        // Escape: the value the edit started from comes back, into the row as well.
        m_model->setData(edited, m_editStartValue, Qt::EditRole);
    }
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    if ((forward || hint == QAbstractItemDelegate::EditPreviousItem) &&
        LeavesGrid(currentIndex().row(), forward)) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        QWidget::focusNextPrevChild(forward);
        return;
    }
    QTableView::closeEditor(editor, hint);
}

void TPropertyGrid::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (mods & Qt::ControlModifier)) {
        // Ctrl+Tab is never the grid's: it goes on to the page holding the grid, which turns the page.
        event->ignore();
        return;
    }
    if (tab) {
        const bool forward = event->key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier);
        if (LeavesGrid(currentIndex().row(), forward)) {
            // Ignored: focusNextPrevChild then passes the focus on to the next control.
            event->ignore();
            return;
        }
    }
    if (state() != EditingState && currentIndex().isValid() && TColorCellEditor::IsChooserKey(event, true) &&
        OpenChooser(currentIndex().row())) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TPropertyGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex before = currentIndex();
    QTableView::mousePressEvent(event);
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && at.isValid() && at.column() == 1 && at == before &&
        state() != EditingState) {
        edit(at);
    }
}

bool TPropertyGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // Only a text the cell cuts gets a tooltip: the whole text.
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex at = indexAt(help->pos());
        const QString text = at.data(Qt::DisplayRole).toString();
        const int room =
            visualRect(at).width() - 8 - (at.data(Qt::DecorationRole).isValid() ? iconSize().width() + 4 : 0);
        if (!at.isValid() || text.isEmpty() || fontMetrics().horizontalAdvance(text) <= room) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
    }
    return QTableView::viewportEvent(event);
}

void TPropertyGrid::Reload() {
    m_model->RowsChanged();
    TPropertyRows* rows = m_model->Rows();
    setEnabled(rows && rows->Enabled());
}

void TPropertyGrid::CommitOpenEditor() {
    const QModelIndex index = currentIndex();
    if (state() != QAbstractItemView::EditingState || !index.isValid()) {
        return;
    }
    if (QWidget* editor = indexWidget(index)) {
        m_delegate->setModelData(editor, m_model, index);
    }
}

} // namespace tarvex
