// SoundEffectOutput.h: effects sounded through QSoundEffect, one decoded effect kept per file.
#pragma once

#include "EffectOutput.h"

#include <map>
#include <memory>

class QSoundEffect;

class SoundEffectOutput : public EffectOutput
{
public:
    SoundEffectOutput();
    ~SoundEffectOutput() override;

    bool available() override;
    bool start(const QString& file) override;
    void stop() override;

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_current = nullptr;
};
