#pragma once
// The preview's pane: the page shown in a window of the width of a desktop (the pane's own), a
// tablet or a phone, scaled down when the pane is narrower, so the small-screen menu can be
// seen and tried without shrinking the program's window.

#include <QWidget>

class QComboBox;
class QLabel;
class QWebEngineView;

namespace tarvex {

class TPreviewStage : public QWidget {
public:
    // The screen sizes offered, by index: the pane's width, then the fixed widths.
    static constexpr int ScreenWidths[] = {0, 768, 375};

    // Takes `view` as its child.
    TPreviewStage(QWebEngineView* view, QWidget* parent = nullptr);

    int Screen() const { return m_screen; }
    // An index of ScreenWidths; any other value gives the desktop.
    void SetScreen(int screen);
    QComboBox* ScreenChoice() const { return m_choice; }
    // A note over the page's top, where the menu would be, for when there is no menu to show;
    // empty hides it.
    void SetNote(const QString& note);
    QLabel* Note() const { return m_note; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceView();

    QWebEngineView* m_view;
    QComboBox* m_choice;
    QWidget* m_area;
    QLabel* m_note;
    int m_screen = 0;
};

} // namespace tarvex
