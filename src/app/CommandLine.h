// CommandLine.h: what the program was asked to open at start: the start window, or one game,
// perhaps on a picture file.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine
{
    enum class Game { None, Jigsaw, Logic };

    Game game = Game::None;
    QString picture;   // "" : a built-in picture
    QString error;     // a usage error, shown with the usage; "" when the line is sound
    bool exitNow = false; // --help or --version answered (or an error): no window opens
    QString output;    // what to print before leaving (help or version text)

    // arguments as the program got them (the first is the program itself).
    static CommandLine parse(const QStringList& arguments);
};
