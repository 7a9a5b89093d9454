// AudioOutputs.h: whether the system offers anything to play sound on.
#pragma once

namespace AudioOutputs {

// True when at least one audio output device exists. False without an application object, since
// the media back end needs one to look for devices.
bool available();

} // namespace AudioOutputs
