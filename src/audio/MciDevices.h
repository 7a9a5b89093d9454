// MciDevices.h: the command-string device layer ("Open f ALIAS a TYPE t wait", "Play a", ...).
#pragma once

#include <QSet>
#include <QString>

class MciDevices
{
public:
    // Result codes of sendString; 0 is success.
    enum Error : int {
        Ok = 0,
        UnrecognizedCommand = 1, // unknown verb or malformed command string
        UnrecognizedKeyword, // a keyword the verb does not take
        MissingParameter, // a keyword without its value, or no file / alias at all
        UnknownAlias, // no device is open under that alias
        AliasTaken, // Open with an alias another device already holds
        FileNotFound,
        InvalidFile, // the file cannot be read as the device type
        UnknownDeviceType,
        NoAudioDevice, // nothing to play on
        OutOfRange, // Seek outside the media
    };

    virtual ~MciDevices() = default;
    // Sends one command string; returns 0 on success, a non-zero error code otherwise.
    // reply, when given, receives the reply text (cut at the first NUL, at most 255 characters).
    virtual int sendString(const QString& command, QString* reply) = 0;

    // Aliases are chosen by the media objects, not by the devices, and the natural choice (file
    // ending + minute) repeats. These keep the aliases held by open media objects over this layer
    // apart: reserveAlias returns wanted when nobody holds it (ignoring case, as aliases are
    // matched), otherwise wanted + "_2", "_3", ... whichever is free first.
    QString reserveAlias(const QString& wanted);
    void releaseAlias(const QString& alias);

private:
    QSet<QString> m_reservedAliases; // folded to lower case
};
