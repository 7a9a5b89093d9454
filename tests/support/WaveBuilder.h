// WaveBuilder.h: wave files of known shape for the audio tests (silent samples).
#pragma once

#include <QByteArray>

struct WaveSpec
{
    int channels = 1;
    int sampleRate = 22050;
    int bitsPerSample = 16;
    qint64 frames = 0;
    QByteArray chunkBeforeData; // id + body of an extra chunk placed between "fmt " and "data"
    qint64 claimedExtraFrames = 0; // the data chunk claims this many frames more than it holds
};

QByteArray buildWave(const WaveSpec& spec);
// The plain case: a canonical header and frames of silence.
QByteArray silentWave(int channels, int sampleRate, int bitsPerSample, qint64 frames);
