// GameMenu.h: a game window's menu bar built from the command table: the operations menu
// (`mnu_logicgame` / `mnu_eyesgame`, also the right-click pop-up) and the top-level `mnu_help`.
#pragma once

#include "FavRecord.h"
#include "GameCommandTable.h"

#include <QString>

#include <functional>
#include <map>

class QAction;
class QMenu;
class QMenuBar;
class QPoint;

class GameMenu {
public:
    using Runner = std::function<void(GameCommand)>;

    // Fills bar with game's entries; run is called with the command of a chosen entry.
    GameMenu(QMenuBar* bar, Game game, Runner run);

    // Captions from the string table and the fixed texts; the sound entry takes soundCaption.
    void setCaptions(const StringTable& strings, const QString& soundCaption);
    void setSoundCaption(const QString& caption);

    QMenu* operationsMenu() const { return m_operations; }
    QAction* helpEntry() const { return m_help; }
    // The entry of command; null for a command this game does not offer.
    QAction* action(GameCommand command) const;
    bool operationsEnabled() const;
    // Opens the operations menu at global when it is enabled.
    void popupIfEnabled(const QPoint& global) const;
    // Runs the command of a function-key code if this game has one and its entry is enabled.
    bool runFunctionKey(int keyCode) const;

private:
    Game m_game;
    Runner m_run;
    QMenu* m_operations = nullptr;
    QAction* m_help = nullptr;
    std::map<GameCommand, QAction*> m_actions;
};
