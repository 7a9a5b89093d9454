// LoginButtons.h: the hover rule of the start window's three picture buttons.
//
// Hovering a button highlights it alone (single-line border and highlighted face); moving onto
// the background restores every normal face once after each highlight.
#pragma once

class LoginButtons
{
public:
    static constexpr int Count = 3;

    // The pointer is over button index; true when the faces changed.
    bool hoverButton(int index);
    // The pointer is over the window background; true when the faces changed.
    bool hoverBackground();

    // The highlighted button, or -1.
    int highlighted() const { return m_highlighted; }
    bool bordered(int index) const { return index == m_highlighted; }
    // Face to show on button index: 0..2 normal, 3..5 highlighted.
    int face(int index) const { return index == m_highlighted ? index + Count : index; }

private:
    int m_highlighted = -1;
    bool m_resetDone = true;
};
