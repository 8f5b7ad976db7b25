#pragma once
// The "Style template" dialog: pick one favourite style by name, with its preview bitmap.

#include "editor/UserInterface.h"

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace tarvex {

class TStyleTemplateForm : public QDialog {
    Q_OBJECT
public:
    explicit TStyleTemplateForm(QWidget* parent = nullptr);

    // Lists the favourites (in list order), shows the dialog modally and returns the chosen
    // position; nothing for Cancel, the close box or an empty list.
    std::optional<int> Execute(const std::vector<TStyleTemplateEntry>& entries);

    QListWidget* StylesListBox() const { return m_list; }
    QLabel* PreviewImage() const { return m_preview; }
    QPushButton* InsertButton() const { return m_insert; }
    QPushButton* CancelButton() const { return m_cancel; }
    // "Show at start-up": whether the window asks for a favourite style when it starts.
    QCheckBox* ShowAtStartupCheckBox() const { return m_showAtStartup; }
    bool ShowAtStartup() const;
    void SetShowAtStartup(bool show);

    static constexpr int ClientWidth = 434;
    static constexpr int ClientHeight = 278;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void StylesListBoxClick();

    std::vector<TStyleTemplateEntry> m_entries;
    QListWidget* m_list;
    QFrame* m_panel;
    QLabel* m_preview;
    QPushButton* m_insert;
    QPushButton* m_cancel;
    QCheckBox* m_showAtStartup;
};

} // namespace tarvex
