// Inspect.h: the subcommand registry of quarry-inspect.
//
// Each module registers its subcommands with a static Inspect::Command object in a source
// file linked straight into the quarry-inspect executable.
#pragma once

#include <QList>
#include <QStringList>
#include <QTextStream>

#include <functional>

namespace Inspect {

// Exit status for bad arguments or an unknown subcommand.
constexpr int UsageError = 2;

struct Io
{
    QTextStream& out;
    QTextStream& err;
    // Standard input, for subcommands that read commands; null when there is none.
    QTextStream* in = nullptr;
};

using Handler = std::function<int(const QStringList& args, Io& io)>;

class Command
{
public:
    // usage: the argument synopsis printed after the name, for example "G B".
    Command(const char* name, const char* usage, Handler handler);
};

// Runs the subcommand named by args[0] with the rest of args.
int run(const QStringList& args, QTextStream& out, QTextStream& err);
int run(const QStringList& args, QTextStream& in, QTextStream& out, QTextStream& err);

// Prints the usage of every subcommand (or only of name) on err and returns UsageError.
int usage(Io& io, const QString& name = {});

// "0.5,0.25,0.99" -> values; ok is false for anything malformed or outside [0, 1).
QList<double> parseRandomList(const QString& text, bool* ok);

// A whole decimal number; ok is false otherwise.
int parseInt(const QString& text, bool* ok);

} // namespace Inspect
