// EffectOutput.h: what actually sounds an effect; the effect player decides when.
#pragma once

#include <QString>

class EffectOutput
{
public:
    virtual ~EffectOutput() = default;
    // Whether there is anything to play on right now.
    virtual bool available() = 0;
    // Starts file (a wave file whose header has been read) without waiting; false on failure.
    virtual bool start(const QString& file) = 0;
    // Silences whatever start began.
    virtual void stop() = 0;
};
