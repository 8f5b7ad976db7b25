#include "PseudoLanguage.h"

#include "ui/PropertyGrid.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>

namespace tarvex::test {

namespace {

const QString Lower = QStringLiteral("áƀçďéƒĝĥíĵķĺṁñóþʠŕšţúṽŵẋýž");
const QString Upper = QStringLiteral("ÁƁÇĎÉƑĜĤÍĴĶĹṀÑÓÞǪŔŠŢÚṼŴẊÝŽ");
const QChar Padding(0x00B7);

// Length of what must pass untouched at `i`: a tag, an entity, a placeholder; 0 for a character.
qsizetype KeptRun(const QString& s, qsizetype i) {
    const auto at = [&s](qsizetype k) { return k < s.size() ? s[k] : QChar(); };
    if (s[i] == QLatin1Char('%')) {
        if (at(i + 1).isDigit() || at(i + 1) == QLatin1Char('n')) {
            return 2;
        }
        return at(i + 1) == QLatin1Char('L') && at(i + 2).isDigit() ? 3 : 0;
    }
    const bool tag = s[i] == QLatin1Char('<') && (at(i + 1).isLetter() || at(i + 1) == QLatin1Char('/'));
    const bool entity = s[i] == QLatin1Char('&') && (at(i + 1).isLetter() || at(i + 1) == QLatin1Char('#'));
    if (!tag && !entity) {
        return 0;
    }
    const QChar end = tag ? QLatin1Char('>') : QLatin1Char(';');
    for (qsizetype k = i + 1; k < s.size(); ++k) {
        if (s[k] == end) {
            return k - i + 1;
        }
        // "&Save" is an access key, not an entity.
        if (entity && !s[k].isLetterOrNumber()) {
            return 0;
        }
    }
    return 0;
}

QString Where(const QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
}

// The program's own text: a letter and no mark means nobody translated it.
void Check(const QString& where, const QString& text, TTextFindings& findings) {
    const bool letters = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    if (letters && !HasPseudoMark(text)) {
        findings.Unmarked << where + QStringLiteral(": ") + text;
    }
}

void CheckFits(const QWidget* w, const QString& text, bool fits, TTextFindings& findings) {
    if (!fits && w->isVisible()) {
        findings.CutOff << Where(w) + QStringLiteral(": ") + text;
    }
}

// A push button's size hint has a floor of the style's (75 or 80 pixels) that a short text never
// reaches, and margins the text may use: the text is cut where it is wider than inside the frame.
int Needed(const QAbstractButton* button) {
    const auto* push = qobject_cast<const QPushButton*>(button);
    if (!push) {
        return button->sizeHint().width();
    }
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    const int frame = push->isFlat() ? 0 : 2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    return button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) + icon +
           frame;
}

void InspectMenu(const QMenu* menu, TTextFindings& findings) {
    // The author's recent files and the languages by their own names are not ours to translate.
    const bool ownEntries = menu->objectName() != QLatin1String("RecentFilesItem") &&
                            menu->objectName() != QLatin1String("LanguageMenu");
    Check(Where(menu) + QStringLiteral(" title"), menu->title(), findings);
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator() && (ownEntries || action->menu())) {
            Check(Where(menu) + QStringLiteral(" entry"), action->text(), findings);
        }
    }
}

void InspectHeader(const QHeaderView* header, TTextFindings& findings) {
    if (!header->isVisible() || !header->model() || header->orientation() != Qt::Horizontal) {
        return;
    }
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section)) {
            continue;
        }
        const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
        Check(Where(header), text, findings);
        const bool last = section == header->count() - 1 && header->stretchLastSection();
        CheckFits(header, text, last || header->sectionSize(section) >= header->sectionSizeHint(section),
                  findings);
    }
}

void InspectItems(const QAbstractItemView* view, const TRoles& roles, TTextFindings& findings) {
    const QAbstractItemModel* model = view->model();
    if (!model) {
        return;
    }
    // A grid's first column holds its row captions; the values beside them are the design's.
    const bool grid = qobject_cast<const TPropertyGrid*>(view) != nullptr;
    if (!grid && !roles.OwnLists.contains(view->objectName())) {
        return;
    }
    for (int row = 0; row < model->rowCount(); ++row) {
        Check(Where(view), model->index(row, 0).data().toString(), findings);
    }
}

void InspectWidget(QWidget* w, const TRoles& roles, TTextFindings& findings) {
    if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
        Check(Where(w), label->text(), findings);
        const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : label->sizeHint().width() <= label->width();
        CheckFits(w, label->text(), fits, findings);
    } else if (auto* tool = qobject_cast<QToolButton*>(w)) {
        if (tool->toolButtonStyle() != Qt::ToolButtonIconOnly && !tool->text().isEmpty() &&
            !tool->defaultAction()) {
            Check(Where(w), tool->text(), findings);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) {
        Check(Where(w), button->text(), findings);
        CheckFits(w, button->text(), Needed(button) <= button->width(), findings);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        Check(Where(w), group->title(), findings);
        CheckFits(w, group->title(), group->minimumSizeHint().width() <= group->width(), findings);
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            const QString text = tabs->tabText(i);
            Check(Where(w), text, findings);
            const int wanted = tabs->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')));
            CheckFits(w, text, wanted <= tabs->tabRect(i).width(), findings);
        }
    } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
        InspectHeader(header, findings);
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
        InspectItems(view, roles, findings);
    } else if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable()) {
        for (int i = 0; i < combo->count(); ++i) {
            Check(Where(w), combo->itemText(i), findings);
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(w); edit && !edit->placeholderText().isEmpty()) {
        Check(Where(w) + QStringLiteral(" placeholder"), edit->placeholderText(), findings);
    }
}

} // namespace

QString PseudoText(const QString& source) {
    QString out = QStringLiteral("[");
    for (qsizetype i = 0; i < source.size();) {
        if (const qsizetype kept = KeptRun(source, i)) {
            out += source.mid(i, kept);
            i += kept;
            continue;
        }
        const char16_t c = source[i].unicode();
        if (c >= u'a' && c <= u'z') {
            out += Lower[c - u'a'];
        } else if (c >= u'A' && c <= u'Z') {
            out += Upper[c - u'A'];
        } else {
            out += source[i];
        }
        ++i;
    }
    // Two brackets and the padding make the text about 40 % longer, never less than one dot.
    out += QString(std::max<qsizetype>(1, (source.size() * 2 + 4) / 5 - 2), Padding);
    return out + QLatin1Char(']');
}

bool HasPseudoMark(const QString& text) {
    return text.contains(Padding);
}

QString TPseudoTranslator::translate(const char* context, const char* sourceText, const char*, int) const {
    if (!sourceText || !*sourceText ||
        (qstrcmp(context, "QGuiApplication") == 0 && qstrcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0)) {
        return QString();
    }
    return PseudoText(QString::fromUtf8(sourceText));
}

void Inspect(QWidget* root, const TRoles& roles, TTextFindings& findings) {
    // The main window's title is the design's file name and the product's name.
    if (root->isWindow() && !qobject_cast<QMainWindow*>(root) && !root->windowTitle().isEmpty()) {
        Check(Where(root) + QStringLiteral(" title"), root->windowTitle(), findings);
    }
    for (const QMenu* menu : root->findChildren<QMenu*>()) {
        InspectMenu(menu, findings);
    }
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const QString named = w->window()->objectName() + QLatin1Char('/') + w->objectName();
        if (w->isVisibleTo(root) && !w->isWindow() && !roles.Verbatim.contains(named)) {
            InspectWidget(w, roles, findings);
        }
    }
    findings.Unmarked.removeDuplicates();
    findings.CutOff.removeDuplicates();
}

} // namespace tarvex::test
