// QtEffectPlayer.cpp: start, drop or cut effects by their known durations.
#include "QtEffectPlayer.h"

#include "SoundEffectOutput.h"
#include "WaveFile.h"

#include <QElapsedTimer>

namespace {
QtEffectPlayer::Clock steadyClock()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return [timer] { return timer->elapsed(); };
}
} // namespace

QtEffectPlayer::QtEffectPlayer(std::unique_ptr<EffectOutput> output, Clock clock)
    : m_output(output ? std::move(output) : std::make_unique<SoundEffectOutput>())
    , m_clock(clock ? std::move(clock) : steadyClock())
{
}

QtEffectPlayer::~QtEffectPlayer() = default;

bool QtEffectPlayer::busy() const { return m_started && m_clock() < m_busyUntil; }

bool QtEffectPlayer::sndPlaySoundA(const QString& file, unsigned flags)
{
    if (file.isEmpty()) {
        m_output->stop();
        m_started = false;
        return true;
    }
    const bool playing = busy();
    if (playing && (flags & NoStop))
        return false;
    const auto wave = WaveFile::readInfo(file);
    if (!wave || !m_output->available())
        return false;
    if (playing)
        m_output->stop();
    if (!m_output->start(file)) {
        m_started = false;
        return false;
    }
    m_started = true;
    m_busyUntil = m_clock() + wave->durationMs();
    return true;
}
