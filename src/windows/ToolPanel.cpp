// ToolPanel.cpp: tool-window button rules.
#include "ToolPanel.h"

namespace {
constexpr std::array<const char16_t*, ToolPanel::kCount> kCaptions {
    u"Restart",
    u"Pause",
    u"Preview",
    u"Close Sound",
    u"Backcolor",
    u"Open Pic.",
    u"Option",
    u"ScoreBoard",
    u"About",
    u"Exit",
};
}

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
    return isValid(index) ? QString::fromUtf16(kCaptions[index]) : QString();
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

void ToolPanel::setOperationsEnabled(bool enabled)
{
    for (int i = 0; i < kFirstAlwaysEnabled; ++i)
        m_enabled[i] = enabled;
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
    for (int i = 0; i < kExitButton; ++i)
        m_colours[i] = kBlack;
}
