// Mmedia.h: the media-control object that plays one file through command strings.
//
// Each object holds at most one open device under an alias built from the file ending and the
// minute of the hour (for example wav37). Every member does nothing while no device is open,
// except mmSeek, which always sends its command. Command results are never examined: a missing
// file or device simply means nothing is heard.
#pragma once

#include <QString>

#include <functional>

class MciDevices;

class Mmedia
{
public:
    // Minute of the hour, 0..59; injected so that tests can pin the alias.
    using MinuteClock = std::function<int()>;

    // devices may be null (then nothing is sent). An empty clock reads the local time.
    explicit Mmedia(MciDevices* devices, MinuteClock minute = {});
    // Closes the device if one is still open, so that no device or alias outlives its object.
    ~Mmedia();
    Mmedia(const Mmedia&) = delete;
    Mmedia& operator=(const Mmedia&) = delete;

    // Closes any open device, then opens sTheFile as a Waveaudio, AviVideo or Sequencer device
    // (by its last three characters); any other ending opens nothing.
    void mmOpen(const QString& sTheFile);
    void mmClose();
    void mmPause();
    // "Play <alias>", with " wait" appended when Wait is true.
    void mmPlay();
    void mmStop();
    // Sent even when nothing is open.
    void mmSeek(float nPosition);

    QString Filename() const { return m_fileName; }
    void Filename(const QString& sTheFile) { mmOpen(sTheFile); }
    bool Wait() const { return m_wait; }
    void Wait(bool bWaitValue) { m_wait = bWaitValue; }
    // Numeric value of the "length" status reply; 0 when nothing is open.
    float Length();
    // Numeric value of the "position" status reply; 0 when nothing is open.
    float Position();
    void Position(float nPosition) { mmSeek(nPosition); }
    // The "mode" status reply (playing, paused, stopped, ...); empty when nothing is open.
    QString Status();

    // The alias of the open device; empty when nothing is open.
    QString alias() const { return m_alias; }

    // Decimal text of a position as the Seek command carries it ("1500", "2.5"; never an exponent).
    static QString positionText(float nPosition);

private:
    bool isOpen() const { return !m_alias.isEmpty(); }
    void send(const QString& command);
    QString query(const QString& item);

    MciDevices* m_devices;
    MinuteClock m_minute;
    QString m_alias;
    QString m_fileName;
    bool m_wait = false;
};
