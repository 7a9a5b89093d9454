// EffectPlayer.h: the one-call sound-effect player (flags as sndPlaySoundA takes them).
#pragma once

#include <QString>

class EffectPlayer
{
public:
    enum Flag : unsigned {
        Async = 0x0001,
        NoStop = 0x0010,
        NoWait = 0x2000,
        // What the game always passes: play asynchronously, never cut a playing sound,
        // drop the effect when the device is busy.
        GameFlags = Async | NoStop | NoWait, // 8209
    };
    virtual ~EffectPlayer() = default;
    // Starts file; false when it could not be started (missing file, busy, no device).
    virtual bool sndPlaySoundA(const QString& file, unsigned flags) = 0;
};
