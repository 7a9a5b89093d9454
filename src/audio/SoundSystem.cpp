// SoundSystem.cpp: makes the Qt Multimedia sound services.
#include "SoundSystem.h"

#include "AppContext.h"
#include "QtEffectPlayer.h"
#include "QtMciDevices.h"

SoundSystem::SoundSystem()
    : m_mci(std::make_unique<QtMciDevices>())
    , m_effects(std::make_unique<QtEffectPlayer>())
{
}

SoundSystem::~SoundSystem() = default;

MciDevices* SoundSystem::mci() const { return m_mci.get(); }

EffectPlayer* SoundSystem::effects() const { return m_effects.get(); }

void SoundSystem::install(AppContext& context) const
{
    context.mci = m_mci.get();
    context.effects = m_effects.get();
}
