// SoundSystem.h: the program's real sound services, made and owned in one place.
#pragma once

#include <memory>

struct AppContext;
class MciDevices;
class EffectPlayer;
class QtMciDevices;
class QtEffectPlayer;

// Make it after the application object and let it go before that object does: the media
// players it makes need the application's event loop.
class SoundSystem
{
public:
    // Media devices and effects over Qt Multimedia. Cheap and silent without audio hardware.
    SoundSystem();
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    MciDevices* mci() const;
    EffectPlayer* effects() const;
    // Points context.mci and context.effects at these services (which must outlive the context's use).
    void install(AppContext& context) const;

private:
    std::unique_ptr<QtMciDevices> m_mci;
    std::unique_ptr<QtEffectPlayer> m_effects;
};
