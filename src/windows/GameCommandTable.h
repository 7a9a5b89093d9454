// GameCommandTable.h: every command of the two game windows in one table. The menus, the pop-up
// menus, the windows' key handlers, the tool-window buttons and PMenu are all built from it, so a
// new command is one row here and one case in each game's command handler.
#pragma once

#include "StringTable.h"

#include <QKeyCombination>

#include <optional>

enum class GameCommand {
    NewGame,
    Restart,
    Pause,
    Stop,
    Gather,
    BackColor,
    Preview,
    Sound,
    OpenPicture,
    Option,
    Options,
    Scoreboard,
    Toolbar,
    Help,
    About,
    Hint,
    Undo,
    Redo,
    Exit,
};

struct GameCommandRow {
    // Which game windows offer the command (GameMenu picks the rows of its game).
    enum class Games { Both, JigsawOnly, LogicOnly };
    // When the command's tool button can be clicked.
    enum class Enabled { WithOperationsMenu, Always };

    GameCommand command;
    Games games;
    // Menu entry's object name; the jigsaw's where it has a name of its own.
    const char* name;
    const char* jigsawName;
    // Caption from the string table, or a fixed text (0 / null when the window sets the caption).
    int stringId;
    const char16_t* fixedCaption;
    // Menu shortcut; a function key also runs the command through the window's key handler.
    QKeyCombination key;
    bool separatorBefore;
    // Tool-window button (also the PMenu number), -1 for none, with its caption and enabling.
    int toolSlot;
    const char16_t* toolCaption;
    Enabled enabled;

    constexpr bool hasKey() const { return key.key() != Qt::Key_unknown; }
};

namespace GameCommandTable {

using Row = GameCommandRow;
using G = Row::Games;
using E = Row::Enabled;
using C = GameCommand;
using S = StringTable;
constexpr QKeyCombination NoKey {};

// In menu order. Each row: command, games, menu entry name (jigsaw's own name), caption;
// then key, separator before the entry, tool slot, tool caption, tool-button enabling.
// clang-format off
inline constexpr Row Rows[] {
    { C::NewGame,     G::Both,       "mnu_newgame",    nullptr,         0,                    u"New game…",
      Qt::ControlModifier | Qt::Key_N, false, -1, nullptr,        E::Always },
    { C::Restart,     G::Both,       "mnu_start",      nullptr,         S::Restart,           nullptr,
      Qt::Key_F2,                      false,  0, u"Restart",     E::WithOperationsMenu },
    { C::Pause,       G::Both,       "mnu_pause",      nullptr,         S::Pause,             nullptr,
      Qt::Key_F3,                      false,  1, u"Pause",       E::WithOperationsMenu },
    { C::Stop,        G::Both,       "mnu_stop",       nullptr,         S::Stop,              nullptr,
      NoKey,                           false, -1, nullptr,        E::Always },
    { C::Gather,      G::JigsawOnly, "mnu_gather",     nullptr,         S::GatherPieces,      nullptr,
      Qt::ControlModifier | Qt::Key_G, false, -1, nullptr,        E::Always },
    { C::BackColor,   G::Both,       "mnu_logiccolor", "mnu_eyescolor", S::BackColor,         nullptr,
      Qt::Key_F4,                      false,  4, u"Backcolor",   E::WithOperationsMenu },
    { C::Preview,     G::Both,       "mnu_preview",    nullptr,         S::Preview,           nullptr,
      Qt::Key_F5,                      false,  2, u"Preview",     E::WithOperationsMenu },
    // The sound entry's caption names the current state; the window sets it.
    { C::Sound,       G::Both,       "mnu_sound",      nullptr,         0,                    nullptr,
      Qt::Key_F6,                      false,  3, u"Close Sound", E::WithOperationsMenu },
    { C::Hint,        G::LogicOnly,  "mnu_hint",       nullptr,         0,                    u"Hint",
      Qt::ControlModifier | Qt::Key_H, true,  -1, nullptr,        E::Always },
    { C::Undo,        G::LogicOnly,  "mnu_undo",       nullptr,         0,                    u"Undo",
      Qt::ControlModifier | Qt::Key_Z, false, -1, nullptr,        E::Always },
    { C::Redo,        G::LogicOnly,  "mnu_redo",       nullptr,         0,                    u"Redo",
      Qt::ControlModifier | Qt::Key_Y, false, -1, nullptr,        E::Always },
    { C::OpenPicture, G::Both,       "mnu_openfile",   nullptr,         S::OpenPicture,       nullptr,
      Qt::Key_F7,                      true,   5, u"Open Pic.",   E::WithOperationsMenu },
    { C::Option,      G::Both,       "mnu_operation",  nullptr,         S::Option,            nullptr,
      Qt::Key_F8,                      false,  6, u"Option",      E::WithOperationsMenu },
    { C::Options,     G::Both,       "mnu_options",    nullptr,         0,                    u"Options…",
      Qt::ControlModifier | Qt::Key_Comma, false, -1, nullptr,    E::Always },
    { C::Scoreboard,  G::Both,       "mnu_mainjfb",    nullptr,         S::PuzzleScoreboard,  nullptr,
      Qt::Key_F9,                      false,  7, u"ScoreBoard",  E::WithOperationsMenu },
    { C::Toolbar,     G::Both,       "mnu_toolbar",    nullptr,         0,                    u"Toolbar",
      NoKey,                           true,  -1, nullptr,        E::Always },
    { C::Help,        G::Both,       "mnu_content",    nullptr,         0,                    u"Help",
      Qt::Key_F1,                      false, -1, nullptr,        E::Always },
    { C::About,       G::Both,       "mnuabout",       nullptr,         0,                    u"About...",
      NoKey,                           false,  8, u"About",       E::Always },
    { C::Exit,        G::Both,       "mnu_exit",       nullptr,         S::Exit,              nullptr,
      Qt::Key_F12,                     true,   9, u"Exit",        E::Always },
};
// clang-format on

constexpr const Row& row(GameCommand command)
{
    for (const Row& r : Rows)
        if (r.command == command)
            return r;
    return Rows[0]; // every command has a row (checked where the table is compiled)
}

// Number of tool-window buttons: the slots 0 .. ToolSlotCount - 1.
constexpr int ToolSlotCount = [] {
    int count = 0;
    for (const Row& r : Rows)
        count = r.toolSlot >= count ? r.toolSlot + 1 : count;
    return count;
}();

constexpr int toolSlotOf(GameCommand command)
{
    return row(command).toolSlot;
}

// The command behind tool button (and PMenu number) slot; nothing for an empty or unknown slot.
std::optional<GameCommand> atToolSlot(int slot);
const Row* rowAtToolSlot(int slot);

// Key codes of the window key handlers: F1 .. F12 as 112 .. 123; 0 for any other key.
int functionKeyCode(int qtKey);

} // namespace GameCommandTable
