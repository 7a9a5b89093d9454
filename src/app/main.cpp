// main.cpp: Quarry Puzzle starts at its start window; closing it ends the program.
#include "AppContext.h"
#include "DataFiles.h"
#include "Artwork.h"
#include "FrmLogin.h"
#include "Frm_EyesGame.h"
#include "Frm_LogicGame.h"
#include "QtMessageBoxes.h"
#include "RandomSource.h"
#include "SoundSystem.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarry Puzzle"));

    SystemRandom random;
    QtMessageBoxes messages;
    SoundSystem sound;

    AppContext context;
    // Sounds live beside the program; the player's data there too when the program may write it.
    context.programFolder = QCoreApplication::applicationDirPath();
    const DataFolder data = chooseDataFolder(context.programFolder, perUserDataFolder());
    context.dataFolder = data.path;
    context.dataPerUser = data.perUser;
    context.random = &random;
    context.messages = &messages;
    sound.install(context);

    FrmLogin login(context);
    login.registerGame(FrmLogin::JigsawButton, [&] { return new Frm_EyesGame(context, login.pictures()); });
    login.registerGame(FrmLogin::SlidingButton, [&] { return new Frm_LogicGame(context, login.pictures()); });
    // The icon the other windows and message boxes take, once the start window is on screen.
    QObject::connect(
        &login, &FrmLogin::firstPainted, &app, [] { QApplication::setWindowIcon(Artwork::programIcon()); });
    login.show();
    return app.exec();
}
