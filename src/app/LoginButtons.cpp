// LoginButtons.cpp: hover highlighting of the start window's buttons.
#include "LoginButtons.h"

bool LoginButtons::hoverButton(int index)
{
    if (index < 0 || index >= Count || m_highlighted == index)
        return false;
    m_highlighted = index;
    m_resetDone = false;
    return true;
}

bool LoginButtons::hoverBackground()
{
    if (m_resetDone)
        return false;
    m_resetDone = true;
    m_highlighted = -1;
    return true;
}
