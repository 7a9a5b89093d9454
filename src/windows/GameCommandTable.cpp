// GameCommandTable.cpp: look-ups in the command table, and the checks that keep it whole.
#include "GameCommandTable.h"

namespace GameCommandTable {
namespace {

constexpr int CommandCount = int(GameCommand::Exit) + 1;
constexpr int FirstFunctionKeyCode = 112;

constexpr bool everyCommandHasOneRow()
{
    for (int c = 0; c < CommandCount; ++c) {
        int rows = 0;
        for (const Row& r : Rows)
            rows += int(r.command) == c ? 1 : 0;
        if (rows != 1)
            return false;
    }
    return true;
}

constexpr bool everyToolSlotHasOneRow()
{
    for (int slot = 0; slot < ToolSlotCount; ++slot) {
        int rows = 0;
        for (const Row& r : Rows)
            rows += r.toolSlot == slot ? 1 : 0;
        if (rows != 1)
            return false;
    }
    for (const Row& r : Rows)
        if (r.toolSlot >= 0 && !r.toolCaption)
            return false;
    return true;
}

constexpr bool shareAGame(const Row& a, const Row& b)
{
    return a.games == Row::Games::Both || b.games == Row::Games::Both || a.games == b.games;
}

// A key runs one command in a game, whatever the other game does with it.
constexpr bool keysUnique()
{
    for (const Row& a : Rows)
        for (const Row& b : Rows)
            if (&a != &b && a.hasKey() && a.key == b.key && shareAGame(a, b))
                return false;
    return true;
}

// The tool window enables its buttons from the operations menu, so every button's command must be
// one both games offer.
constexpr bool toolSlotsInBothGames()
{
    for (const Row& r : Rows)
        if (r.toolSlot >= 0 && r.games != Row::Games::Both)
            return false;
    return true;
}

static_assert(everyCommandHasOneRow(), "every GameCommand needs exactly one row");
static_assert(everyToolSlotHasOneRow(), "tool slots must be 0, 1, 2 ... each taken once, with a caption");
static_assert(keysUnique(), "a key may run one command only in a game");
static_assert(toolSlotsInBothGames(), "a tool button must run in both games");

} // namespace

const Row* rowAtToolSlot(int slot)
{
    if (slot < 0)
        return nullptr;
    for (const Row& r : Rows)
        if (r.toolSlot == slot)
            return &r;
    return nullptr;
}

std::optional<GameCommand> atToolSlot(int slot)
{
    if (const Row* r = rowAtToolSlot(slot))
        return r->command;
    return std::nullopt;
}

int functionKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return FirstFunctionKeyCode + (qtKey - Qt::Key_F1);
    return 0;
}

} // namespace GameCommandTable
