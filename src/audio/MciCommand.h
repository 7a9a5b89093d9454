// MciCommand.h: splits one command string of the device layer into verb, target and keywords.
//
// Grammar understood (words are matched without regard to case):
//   Open <file> [ALIAS <alias>] [TYPE <type>] [wait] [notify]   (a file with spaces in double quotes)
//   Play <alias> [wait] [notify]     Pause <alias>     Stop <alias>     Close <alias>
//   Seek <alias> to <number|start|end> [wait]
//   Status <alias> length|position|mode
#pragma once

#include "MciDevices.h"

#include <QString>
#include <QStringList>

struct MciCommand
{
    enum class Verb { Open, Play, Pause, Stop, Seek, Close, Status };

    Verb verb = Verb::Open;
    QString target; // the file for Open, the alias otherwise
    QString alias; // Open: ALIAS value (the file name when there is none)
    QString type; // Open: TYPE value, lower case; empty when none was given
    QString argument; // Seek: the "to" value; Status: the item, both lower case
    bool wait = false;

    // Parses command; on failure returns an error code and leaves out untouched.
    static int parse(const QString& command, MciCommand* out);
    // Words separated by blanks; a double-quoted stretch is one word without its quotes.
    // ok is false when a quote is left open.
    static QStringList tokenize(const QString& command, bool* ok);
};
