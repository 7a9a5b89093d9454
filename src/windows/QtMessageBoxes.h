// QtMessageBoxes.h: the real message boxes, modal QMessageBox dialogs.
#pragma once

#include "MessageBoxes.h"

class QtMessageBoxes : public MessageBoxes
{
public:
    bool askYesNo(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) override;
    void inform(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) override;
};
