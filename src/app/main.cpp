// main.cpp: Quarry Puzzle starts at its start window; closing it ends the program.
#include "AppContext.h"
#include "CommandLine.h"
#include "DataFiles.h"
#include "Artwork.h"
#include "FrmLogin.h"
#include "Frm_EyesGame.h"
#include "Frm_LogicGame.h"
#include "QtMessageBoxes.h"
#include "QtPictureChooser.h"
#include "RandomSource.h"
#include "SoundSystem.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarry Puzzle"));
    QApplication::setApplicationVersion(QStringLiteral(QUARRY_VERSION));

    const CommandLine line = CommandLine::parse(QApplication::arguments());
    if (line.exitNow) {
        std::fputs(qPrintable(line.output), line.error.isEmpty() ? stdout : stderr);
        return line.error.isEmpty() ? 0 : 2;
    }

    SystemRandom random;
    QtMessageBoxes messages;
    QtPictureChooser chooser;
    SoundSystem sound;

    AppContext context;
    // Sounds live beside the program; the player's data there too when the program may write it.
    context.programFolder = QCoreApplication::applicationDirPath();
    const DataFolder data = chooseDataFolder(context.programFolder, perUserDataFolder());
    context.dataFolder = data.path;
    // Leftovers of writes cut short by a killed program; a minute keeps clear of another copy's.
    removeStaleTemporaries(data.path, QDateTime::currentDateTimeUtc().addSecs(-60));
    context.dataPerUser = data.perUser;
    context.random = &random;
    context.messages = &messages;
    context.pictureChooser = &chooser;
    sound.install(context);

    FrmLogin login(context);
    // The picture of the command line goes to the first game window only.
    QString firstPicture = line.picture;
    login.registerGame(FrmLogin::JigsawButton, [&] {
        auto* game = new Frm_EyesGame(context, login.pictures());
        game->setFirstPicture(std::exchange(firstPicture, QString()));
        return game;
    });
    login.registerGame(FrmLogin::SlidingButton, [&] {
        auto* game = new Frm_LogicGame(context, login.pictures());
        game->setFirstPicture(std::exchange(firstPicture, QString()));
        return game;
    });
    // The icon the other windows and message boxes take, once the start window is on screen.
    QObject::connect(
        &login, &FrmLogin::firstPainted, &app, [] { QApplication::setWindowIcon(Artwork::programIcon()); });
    login.show();
    if (line.game != CommandLine::Game::None)
        login.Image1_Click(line.game == CommandLine::Game::Jigsaw ? FrmLogin::JigsawButton : FrmLogin::SlidingButton);
    return app.exec();
}
