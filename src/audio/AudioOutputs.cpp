// AudioOutputs.cpp: asks Qt Multimedia for the audio outputs.
#include "AudioOutputs.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>

namespace AudioOutputs {

bool available() { return QCoreApplication::instance() && !QMediaDevices::audioOutputs().isEmpty(); }

} // namespace AudioOutputs
