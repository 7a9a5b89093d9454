// ToolPanel.h: the command buttons of a tool window (the command table's tool slots): captions,
// enabling and hover colours.
#pragma once

#include "GameCommandTable.h"

#include <QString>

#include <array>

class ToolPanel {
public:
    static constexpr int kCount = GameCommandTable::ToolSlotCount;
    // Button numbers that mean something beyond "call PMenu with my number".
    static constexpr int kSoundButton = GameCommandTable::toolSlotOf(GameCommand::Sound);
    static constexpr int kExitButton = GameCommandTable::toolSlotOf(GameCommand::Exit);
    // Text colours as colour values.
    static constexpr int kBlack = 0;
    static constexpr int kRed = 255;

    ToolPanel();

    // Caption a button starts with ("Restart" ... "Exit"); empty for numbers outside the slots.
    static QString defaultCaption(int index);
    static bool isValid(int index) { return index >= 0 && index < kCount; }

    QString caption(int index) const;
    bool isEnabled(int index) const;
    // Text colour (colour value) of a button.
    int textColour(int index) const;

    // Buttons whose command follows the game's operations menu take its state; the others (About,
    // Exit) stay enabled.
    void setOperationsEnabled(bool enabled);
    // Whether a button stays enabled whatever state the game is in.
    static bool isAlwaysEnabled(int index);
    // The sound button mirrors the game's sound command caption (an empty caption changes nothing).
    void setSoundCaption(const QString& caption);

    // Pointer over button i: every button black, button i red. A disabled button gets no mouse
    // events, so the pointer over it counts as over the background.
    void pointerOverButton(int index);
    // Pointer over the window background: every button but Exit black; Exit keeps its colour.
    void pointerOverBackground();

private:
    std::array<QString, kCount> m_captions;
    std::array<bool, kCount> m_enabled;
    std::array<int, kCount> m_colours;
};
