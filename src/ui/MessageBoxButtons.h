#pragma once
// The buttons of the window's message boxes, named for what they do.

#include "editor/UserInterface.h"

#include <QMessageBox>
#include <QPushButton>

namespace tarvex {

// The buttons that answer Ok, Yes and No; Cancel (or No of a Yes/No box) is what Escape gives.
struct TBoxButtons {
    QPushButton* Ok = nullptr;
    QPushButton* Yes = nullptr;
    QPushButton* No = nullptr;
};

// Adds the buttons of one kind of box; Escape always gives the choice that changes nothing.
TBoxButtons AddBoxButtons(QMessageBox& box, TMsgButtons buttons);

} // namespace tarvex
