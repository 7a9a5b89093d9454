// LogicGameMenu.h: the sliding window's menu `mnu_logicgame` (and the empty `mnu_help`), with
// the captions of the string table and the function keys as shortcuts.
#pragma once

#include "StringTable.h"

#include <QString>

#include <functional>
#include <map>

class QAction;
class QMenu;
class QMenuBar;

class LogicGameMenu {
public:
    enum class Command {
        Restart, Pause, Stop, BackColor, Preview, Sound, OpenPicture, Option, Scoreboard,
        Toolbar, Help, About, Exit,
    };
    using Runner = std::function<void(Command)>;

    // Fills bar; run is called with the command of a chosen entry.
    LogicGameMenu(QMenuBar* bar, Runner run);

    // Captions from strings (SetCaptions) and the sound entry's caption.
    void setCaptions(const StringTable& strings, const QString& soundCaption);
    void setSoundCaption(const QString& caption);

    QMenu* mnu_logicgame = nullptr;
    QMenu* mnu_help = nullptr;
    QAction* action(Command command) const { return m_actions.at(command); }

private:
    std::map<Command, QAction*> m_actions;
};
