// SoundEffectOutput.cpp: a small cache of QSoundEffect objects.
#include "SoundEffectOutput.h"

#include "AudioOutputs.h"

#include <QSoundEffect>
#include <QUrl>

namespace {
// The game uses 17 effect files; a bound keeps a stray caller from piling up decoded sounds.
constexpr std::size_t MaxCachedEffects = 32;
} // namespace

SoundEffectOutput::SoundEffectOutput() = default;

SoundEffectOutput::~SoundEffectOutput() = default;

bool SoundEffectOutput::available() { return AudioOutputs::available(); }

bool SoundEffectOutput::start(const QString& file)
{
    auto found = m_effects.find(file);
    if (found == m_effects.end()) {
        if (m_effects.size() >= MaxCachedEffects) {
            stop();
            m_effects.clear();
        }
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(file));
        found = m_effects.emplace(file, std::move(effect)).first;
    }
    QSoundEffect* effect = found->second.get();
    if (effect->status() == QSoundEffect::Error)
        return false;
    // Plays as soon as loading has finished when it has not yet.
    effect->play();
    m_current = effect;
    return true;
}

void SoundEffectOutput::stop()
{
    if (m_current)
        m_current->stop();
    m_current = nullptr;
}
