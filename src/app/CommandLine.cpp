// CommandLine.cpp: --jigsaw, --logic, a picture file, --help and --version.
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

CommandLine CommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Quarry Puzzle: a sliding-tile Logic puzzle and a Jigsaw puzzle, on built-in pictures or your own.\n"
        "With a FILE alone the Jigsaw puzzle opens on it."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption jigsaw(QStringLiteral("jigsaw"),
        QStringLiteral("Open the Jigsaw puzzle (on FILE, or on a random built-in picture)."));
    const QCommandLineOption logic(QStringLiteral("logic"),
        QStringLiteral("Open the Logic puzzle (on FILE, or on a random built-in picture)."));
    parser.addOption(jigsaw);
    parser.addOption(logic);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A picture file to play on."), QStringLiteral("[FILE]"));

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
    } else if (parser.isSet(help)) {
        line.exitNow = true;
        line.output = parser.helpText();
        return line;
    } else if (parser.isSet(version)) {
        line.exitNow = true;
        line.output = QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion() + '\n';
        return line;
    } else if (parser.isSet(jigsaw) && parser.isSet(logic)) {
        line.error = QStringLiteral("--jigsaw and --logic cannot be given together.");
    } else if (parser.positionalArguments().size() > 1) {
        line.error = QStringLiteral("Only one picture file can be given.");
    }
    if (!line.error.isEmpty()) {
        line.exitNow = true;
        line.output = line.error + "\n\n" + parser.helpText();
        return line;
    }
    line.picture = parser.positionalArguments().value(0);
    if (parser.isSet(logic))
        line.game = Game::Logic;
    else if (parser.isSet(jigsaw) || !line.picture.isEmpty())
        line.game = Game::Jigsaw;
    return line;
}
