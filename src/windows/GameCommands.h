// GameCommands.h: what a game window offers its companion windows (tool window, preview).
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

class QWidget;

class GameCommands
{
public:
    virtual ~GameCommands() = default;
    // Runs the command of tool slot index (GameCommandTable); empty and unknown slots do nothing.
    virtual void PMenu(int& index) = 0;
    // Current caption of the sound command: "Close Sound" or "Open Sound".
    virtual QString soundCaption() const = 0;
    // Whether the game's operations menu (mnu_logicgame / mnu_eyesgame) is enabled.
    virtual bool operationsMenuEnabled() const = 0;
    // The game window itself (placement, icon, parent of modal boxes).
    virtual QWidget* gameWindow() = 0;
    // The whole picture of the current game; null when no picture is loaded.
    virtual QImage previewPicture() const = 0;
};
