// QtMciDevices.h: the command-string device layer played through Qt Multimedia.
//
// Each successful Open holds one device under its alias (matched without regard to case). Wave
// files are opened from their header alone, so their length can be asked without any audio
// hardware; a media player is made only when an audio output exists. Errors come back as codes,
// never as messages.
//
// "wait" never blocks: Open reads what it needs before it returns, and "Play a wait" starts
// playback and returns at once, like "Play a". Waiting for the end of a sound would freeze the
// user interface, and the game never depends on the sound having ended. With an audio output,
// Open also sets up a media player, which the GStreamer back end does in tens of milliseconds
// (the very first one in a run takes longer while the back end starts).
#pragma once

#include "MciDevices.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>

struct MciCommand;

class QtMciDevices : public MciDevices
{
public:
    // Tells whether an audio output exists; empty means ask Qt Multimedia (AudioOutputs).
    using AudioProbe = std::function<bool()>;

    explicit QtMciDevices(AudioProbe hasAudioOutput = {});
    ~QtMciDevices() override;
    QtMciDevices(const QtMciDevices&) = delete;
    QtMciDevices& operator=(const QtMciDevices&) = delete;

    int sendString(const QString& command, QString* reply) override;

    // Number of devices open now.
    int openCount() const { return static_cast<int>(m_devices.size()); }

private:
    struct Device;

    int open(const MciCommand& command);
    int play(Device& device);
    int seek(Device& device, const QString& to);
    int status(Device& device, const QString& item, QString* reply);
    void makePlayer(Device& device);

    AudioProbe m_hasAudioOutput;
    std::map<QString, std::unique_ptr<Device>> m_devices; // by lower-case alias
};
