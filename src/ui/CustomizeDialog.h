#pragma once
// The Customize dialog of the command bars: show or hide the toolbars, drag any command onto a
// toolbar or a menu, and a few menu and toolbar options. Changes last until the program ends.

#include <QDialog>
#include <QPointer>
#include <vector>

class QAction;
class QCheckBox;
class QListWidget;
class QMenuBar;
class QToolBar;

namespace tarvex {

// What the Options page sets; the defaults are the built-in look.
struct TCommandBarOptions {
    bool ShowTips = true;
    bool ShortcutsInTips = false;
    bool LargeIcons = false;

    bool operator==(const TCommandBarOptions&) const = default;
};

class TCustomizeDialog : public QDialog {
    Q_OBJECT
public:
    // `actions` are all commands, in the order of the command table; each carries its category
    // in the "category" property and its hint as status tip.
    TCustomizeDialog(const std::vector<QAction*>& actions, const std::vector<QToolBar*>& toolBars,
                     QMenuBar* menuBar, QWidget* parent = nullptr);

    QListWidget* ToolBarList() const { return m_toolBarList; }
    QListWidget* CategoryList() const { return m_categoryList; }
    QListWidget* CommandList() const { return m_commandList; }
    QCheckBox* ShowTipsBox() const { return m_showTips; }
    QCheckBox* ShortcutsInTipsBox() const { return m_shortcutsInTips; }
    QCheckBox* LargeIconsBox() const { return m_largeIcons; }

    TCommandBarOptions Options() const;
    // Sets the boxes, and through them the bars and the tips.
    void SetOptions(const TCommandBarOptions& options);

    // What a drop onto a bar does: insert `action` into `toolBar` before `before` (nullptr: at
    // the end), or append it to the menu of a menu-bar title.
    static void InsertIntoToolBar(QToolBar* toolBar, QAction* action, QAction* before);
    static void AppendToMenu(QMenuBar* menuBar, QAction* title, QAction* action);
    static const char* const ActionMimeType;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* CreateToolBarsPage();
    QWidget* CreateCommandsPage();
    QWidget* CreateOptionsPage();
    void ShowCategory(int row);
    void ApplyTips();
    QAction* ActionNamed(const QString& name) const;

    std::vector<QAction*> m_actions;
    std::vector<QToolBar*> m_toolBars;
    QPointer<QMenuBar> m_menuBar;
    QListWidget* m_toolBarList;
    QListWidget* m_categoryList;
    QListWidget* m_commandList;
    QCheckBox* m_showTips;
    QCheckBox* m_shortcutsInTips;
    QCheckBox* m_largeIcons;
};

} // namespace tarvex
