// main.cpp: Quarry Puzzle starts at its start window; closing it ends the program.
#include "AppContext.h"
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
    // Preferences, sounds and tile files live beside the program.
    context.dataFolder = QCoreApplication::applicationDirPath();
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
