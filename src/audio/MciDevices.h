// MciDevices.h: the command-string device layer ("Open f ALIAS a TYPE t wait", "Play a", ...).
#pragma once

#include <QString>

class MciDevices
{
public:
    virtual ~MciDevices() = default;
    // Sends one command string; returns 0 on success, a non-zero error code otherwise.
    // reply, when given, receives the reply text (cut at the first NUL, at most 255 characters).
    virtual int sendString(const QString& command, QString* reply) = 0;
};
