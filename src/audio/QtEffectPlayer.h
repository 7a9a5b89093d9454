// QtEffectPlayer.h: the one-call effect player over Qt Multimedia.
//
// An effect counts as playing from its start for the duration its wave header gives, measured on
// an injected monotonic clock, so the rule "an effect that arrives while another still plays is
// dropped" holds (and can be tested) whatever the sound hardware does. Playback is always
// asynchronous: without the Async flag the call still returns at once, since waiting would freeze
// the user interface. An empty file name silences the current effect, as sndPlaySound does.
#pragma once

#include "EffectOutput.h"
#include "EffectPlayer.h"

#include <QtGlobal>

#include <functional>
#include <memory>


class QtEffectPlayer : public EffectPlayer
{
public:
    // Milliseconds on a monotonic clock.
    using Clock = std::function<qint64()>;

    // An empty output plays through QSoundEffect; an empty clock uses a steady timer.
    explicit QtEffectPlayer(std::unique_ptr<EffectOutput> output = {}, Clock clock = {});
    ~QtEffectPlayer() override;

    // Returns false, silently, for a missing or unreadable file, no audio output, or an effect
    // dropped because another still plays and NoStop is set. Without NoStop the playing effect
    // is cut and the new one starts.
    bool sndPlaySoundA(const QString& file, unsigned flags) override;

    // Whether the last effect started is still within its duration.
    bool busy() const;

private:
    std::unique_ptr<EffectOutput> m_output;
    Clock m_clock;
    qint64 m_busyUntil = 0;
    bool m_started = false;
};
