// LogicNewGameDialog.h: "New game…" of the Logic puzzle: the picture and the board size
// (3 × 3 to 10 × 10, or "Random each game").
#pragma once

#include "NewGameDialog.h"

class LogicNewGameDialog : public NewGameDialog {
    Q_OBJECT
public:
    LogicNewGameDialog(const BuiltInPictures& pictures, const PictureOpening* opening,
        const GameChoices::Logic& current, QWidget* parent = nullptr);

    GameChoices::Logic choice() const;
    QComboBox* sizeBox() const { return m_size; }

private:
    QComboBox* m_size;
};
