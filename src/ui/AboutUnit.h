#pragma once
// The About box: program name, version and a note from the maker with contact addresses.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarvex {

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    QLabel* TitleLabel() const { return m_title; }
    QPlainTextEdit* NoteMemo() const { return m_note; }
    QPushButton* OkButton() const { return m_ok; }

    static constexpr int ClientWidth = 371;
    static constexpr int ClientHeight = 256;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_title;
    QPlainTextEdit* m_note;
    QPushButton* m_ok;
};

} // namespace tarvex
