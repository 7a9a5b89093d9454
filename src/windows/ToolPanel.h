// ToolPanel.h: the ten command buttons of a tool window: captions, enabling and hover colours.
#pragma once

#include <QString>

#include <array>

class ToolPanel {
public:
    static constexpr int kCount = 10;
    // Button numbers that mean something beyond "call PMenu with my number".
    static constexpr int kSoundButton = 3;
    static constexpr int kExitButton = 9;
    // Buttons from this one on (About, Exit) work whatever state the game is in.
    static constexpr int kFirstAlwaysEnabled = 8;
    // Text colours as colour values.
    static constexpr int kBlack = 0;
    static constexpr int kRed = 255;

    ToolPanel();

    // Caption a button starts with ("Restart" ... "Exit"); empty for numbers outside 0..9.
    static QString defaultCaption(int index);
    static bool isValid(int index) { return index >= 0 && index < kCount; }

    QString caption(int index) const;
    bool isEnabled(int index) const;
    // Text colour (colour value) of a button.
    int textColour(int index) const;

    // Buttons 0..7 follow the game's operations menu; About and Exit stay enabled.
    void setOperationsEnabled(bool enabled);
    // Button 3 mirrors the game's sound command caption (an empty caption changes nothing).
    void setSoundCaption(const QString& caption);

    // Pointer over button i: every button black, button i red. A disabled button gets no mouse
    // events, so the pointer over it counts as over the background.
    void pointerOverButton(int index);
    // Pointer over the window background: buttons 0..8 black; Exit keeps its colour.
    void pointerOverBackground();

private:
    std::array<QString, kCount> m_captions;
    std::array<bool, kCount> m_enabled;
    std::array<int, kCount> m_colours;
};
