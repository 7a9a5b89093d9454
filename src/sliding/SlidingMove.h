// SlidingMove.h: cells, arrow keys and moves of the sliding board, as plain values.
#pragma once

#include <optional>

// A cell of the board, counted from 0 at the top left.
struct Cell {
    int row = 0;
    int column = 0;
    friend bool operator==(Cell, Cell) = default;
};

// The four arrow keys by their key codes. Each names the direction the moved tile travels:
// Left moves the tile to the right of the blank leftwards, and so on.
enum class ArrowKey { Left = 37, Up = 38, Right = 39, Down = 40 };

// The arrow key of a key code, or nothing for any other key.
constexpr std::optional<ArrowKey> arrowKeyFromCode(int keyCode)
{
    switch (keyCode) {
    case 37:
        return ArrowKey::Left;
    case 38:
        return ArrowKey::Up;
    case 39:
        return ArrowKey::Right;
    case 40:
        return ArrowKey::Down;
    default:
        return std::nullopt;
    }
}

// One request to the board: a left click on a tile, an arrow key, or a swap-mode exchange.
struct Move {
    enum class Kind { Click, Arrow, Swap };

    Kind kind = Kind::Click;
    int tile = 0; // Click: the clicked tile; Swap: the tile picked first
    int otherTile = 0; // Swap: the tile it is dropped on
    ArrowKey key = ArrowKey::Left; // Arrow only

    static constexpr Move click(int tile) { return { Kind::Click, tile, 0, ArrowKey::Left }; }
    static constexpr Move arrow(ArrowKey key) { return { Kind::Arrow, 0, 0, key }; }
    static constexpr Move swap(int picked, int dropped)
    {
        return { Kind::Swap, picked, dropped, ArrowKey::Left };
    }
};

// What the board did with a Move.
struct MoveResult {
    // The request reached the move rule: the tiles named exist (and, for an arrow key, a tile
    // stood in the required place). An accepted click is followed by the solved test and the
    // move sound even when it moved nothing.
    bool accepted = false;
    // The tile the rule acted on (an arrow key's tile is found by the board).
    int tile = 0;
    // Steps counted: 0 or 1 for a click or arrow key, always 1 for an accepted swap.
    int steps = 0;
    // Whether any tile changed its cell (a swap of a tile with itself counts but moves nothing).
    bool moved = false;
};
