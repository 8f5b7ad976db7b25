#pragma once
// The find field above the design pages: typing shows the matches, Enter selects the next one,
// Escape closes the field and leaves the selection where it is.

#include <QLineEdit>

namespace tarvex {

class TFindField : public QLineEdit {
    Q_OBJECT
public:
    explicit TFindField(QWidget* parent = nullptr);

signals:
    void Closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tarvex
