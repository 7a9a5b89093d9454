// ToolPanel.cpp: tool-window button rules.
#include "ToolPanel.h"

ToolPanel::ToolPanel()
{
    for (int i = 0; i < kCount; ++i) {
        m_captions[i] = defaultCaption(i);
        m_enabled[i] = true;
        m_colours[i] = kBlack;
    }
}

QString ToolPanel::defaultCaption(int index)
{
    const GameCommandRow* row = GameCommandTable::rowAtToolSlot(index);
    return row ? QString::fromUtf16(row->toolCaption) : QString();
}

QString ToolPanel::caption(int index) const
{
    return isValid(index) ? m_captions[index] : QString();
}

bool ToolPanel::isEnabled(int index) const
{
    return isValid(index) && m_enabled[index];
}

int ToolPanel::textColour(int index) const
{
    return isValid(index) ? m_colours[index] : kBlack;
}

bool ToolPanel::isAlwaysEnabled(int index)
{
    const GameCommandRow* row = GameCommandTable::rowAtToolSlot(index);
    return row && row->enabled == GameCommandRow::Enabled::Always;
}

void ToolPanel::setOperationsEnabled(bool enabled)
{
    for (int i = 0; i < kCount; ++i)
        m_enabled[i] = enabled || isAlwaysEnabled(i);
}

void ToolPanel::setSoundCaption(const QString& caption)
{
    if (!caption.isEmpty())
        m_captions[kSoundButton] = caption;
}

void ToolPanel::pointerOverButton(int index)
{
    if (!isEnabled(index)) {
        pointerOverBackground();
        return;
    }
    m_colours.fill(kBlack);
    m_colours[index] = kRed;
}

void ToolPanel::pointerOverBackground()
{
    for (int i = 0; i < kCount; ++i)
        if (i != kExitButton)
            m_colours[i] = kBlack;
}
