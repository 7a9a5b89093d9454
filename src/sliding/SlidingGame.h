// SlidingGame.h: the game flow of the sliding puzzle: flags, steps, clock, pause, swap mode and completion.
//
// The model decides; the window shows. After every call the window reads the state it draws
// (texts, banners, whether the clock runs) and acts on the returned outcome (sounds, messages,
// hiding the tiles), which covers what happens only once.
#pragma once

#include "GameModel.h"
#include "SlidingBoard.h"
#include "SlidingCompletion.h"
#include "SlidingMessage.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

class RandomSource;

// Result of a left click on a tile or of an arrow key.
struct ClickOutcome {
    // False: refused (paused, time ended, swap pending) or, for an arrow key, no tile in place.
    // Nothing changed and nothing is to be shown or played.
    bool accepted = false;
    int tile = 0; // the tile clicked or chosen by the arrow key
    int steps = 0; // steps counted by this request (0 or 1)
    bool moved = false; // tile and blank changed places: redraw both
    int otherTile = 0; // an Undo or Redo of a swap: the second tile that changed cells
    // The solved test succeeded: hide every tile and show the whole picture; completion ran.
    bool solved = false;
    // Not solved and sound is on: play a move sound.
    bool playMoveSound = false;
    // Set when solved: success sound, score, and whether and which message to show.
    std::optional<SlidingCompletion> completion;
};

// Result of a mouse-button release on a tile (swap mode).
struct SwapOutcome {
    enum class Action {
        None, // nothing happened
        Picked, // a tile was picked: give every tile a pointer made from pickedTile's look
        Dropped, // a pending pick ended: give every tile back its normal pointer
    };
    Action action = Action::None;
    int pickedTile = 0; // Picked and Dropped: the tile picked first
    int droppedTile = 0; // Dropped: the tile released on
    int steps = 0; // Dropped: 1 when the two tiles were exchanged (also a tile with itself)
    bool moved = false; // the two tiles changed cells: redraw both
};

// Result of a clock tick.
struct TickOutcome {
    bool timeEnded = false; // the clock reached its end: show message() (error icon)
    SlidingMessage message() const { return SlidingMessage::timeEnd(); }
};

class SlidingGame : public GameModel {
public:
    SlidingGame() = default;

    // Grid size of a preferences record: the number after the first "D" plus 3, taken as a
    // whole number; a size above 10 or below 3 becomes 4.
    static int gridSizeFromRecord(QStringView record);
    static constexpr int DefaultGridSize = 4;

    // Step label text (the banners' texts are GameModel's).
    static QString stepTextFor(int steps) { return QStringLiteral("Step %1").arg(steps); }

    // ---- State the window shows ----
    const SlidingBoard& board() const { return m_board; }
    bool IsIdle() const { return m_idle; }
    bool IsPaused() const { return m_paused; }
    bool IsTimeEnd() const { return m_timeEnd; }
    bool SwapPending() const { return m_swapPending; }
    // The tile picked in swap mode (meaningful while SwapPending).
    int pickedTile() const { return m_pickedTile; }
    // The tile shown as picked (framed and tinted): the pending pick, 0 when there is none.
    int markedTile() const { return m_swapPending ? m_pickedTile : 0; }
    // Escape: drops a pending pick without a swap and without a step; false when none was pending.
    bool cancelSwap();
    // The window's status line for swap mode (M on, and whether a pick is pending); empty while
    // swap mode is off and nothing is picked.
    static QString swapStatusText(bool swapModeOn, bool pending);
    int StepCount() const { return m_steps; }
    QString stepText() const { return stepTextFor(m_steps); } // Lblstep: "Step 57"
    // GameModel: IsPaused, IsTimeEnd, IsIdle, GameScore and StepCount under their shared names.
    const GameClock& clock() const override { return m_clock; }
    bool isPaused() const override { return m_paused; }
    bool isTimeEnded() const override { return m_timeEnd; }
    bool isEnded() const override { return m_idle; }
    qint64 score() const override { return m_score; }
    int steps() const override { return m_steps; }
    bool isClockRunning() const { return m_clock.isRunning(); } // Timer1 enabled
    bool pauseBannerVisible() const { return m_paused; } // Lblpause
    bool timeEndBannerVisible() const { return m_timeEnd; } // LblTimeEnd
    // After a completion the tiles are hidden and the whole picture shown, until the next game.
    bool showsWholePicture() const { return m_wholePicture; }
    // Score of the last completion (0 before any).
    qint64 GameScore() const { return m_score; }

    // The sound switch (S field): decides whether moves and completion ask for sounds.
    bool soundOn() const { return m_soundOn; }
    void setSoundOn(bool on) { m_soundOn = on; }

    // ---- Starting games ----
    // A new-game request while not idle (needsNewGameQuestion) is first confirmed with
    // SlidingMessage::newGameQuestion().
    // Stops the clock (a new picture is being fetched).
    void stopClock() { m_clock.stop(); }
    // Marks the game idle so that the start that follows does not ask again.
    void markIdle() { m_idle = true; }
    // Builds and scrambles a board of gridSize (outside 3..10: 4), drawing the blank from random;
    // steps 0, clock at 0 and running, every flag cleared, tiles shown. swapModeOn is the M field:
    // without swap mode a scramble that moves cannot solve gets its two highest-numbered tiles
    // (not the blank) exchanged, so every game can be finished.
    void startGame(int gridSize, RandomSource& random, bool swapModeOn);
    // The same with a chosen blank (clamped into 1..N) instead of a random one.
    void startGameWithBlank(int gridSize, int blank, bool swapModeOn = true);

    // A saved game in progress: the board as saved, steps, the clock at seconds (running unless
    // paused), a pending swap pick (0: none), the hints asked for. The board must be a valid one.
    void resumeGame(const SlidingBoard& board, int steps, int seconds, bool paused, int pickedTile, int hints);

    // ---- Input ----
    // Left click on tile (Pic_show_Click).
    ClickOutcome click(int tile);
    // Arrow key (Form_KeyDown): ignored while paused; otherwise the tile in the required place,
    // if any, is clicked.
    ClickOutcome arrowKey(ArrowKey key);
    // Mouse-button release on tile. swapModeOn is the M field of the current record. Swap mode
    // ignores pause, time end and idle; it makes no solved test.
    SwapOutcome mouseUp(int tile, bool rightButton, bool swapModeOn);

    // ---- Undo, Redo and hints ----
    // Undo takes back the last move or swap of this game, Redo plays again the last one taken back;
    // each is a step like any move (a move's tile stands beside the blank again, and a swap
    // undoes itself, so both play the same request once more). A new move or swap forgets what
    // was taken back; a new game forgets everything. Refused as a click is (paused, time ended,
    // swap pending), before the first game and after a completion.
    bool canUndo() const { return !m_done.empty(); }
    bool canRedo() const { return !m_undone.empty(); }
    ClickOutcome undo() { return replay(m_done, m_undone); }
    ClickOutcome redo() { return replay(m_undone, m_done); }
    // Hints asked for in this game, for the scoreboard.
    int HintCount() const { return m_hints; }
    void countHint() { ++m_hints; }

    // ---- Clock and pause ----
    // One tick of Timer1 (ignored while the clock is stopped).
    TickOutcome tick();
    // The Pause command: toggles pause and its banner. Resuming starts the clock only while a game
    // is being played: never after a completion or a time end, nor before the first game.
    void togglePause();

private:
    ClickOutcome afterRequest(const MoveResult& result);
    ClickOutcome replay(std::vector<Move>& from, std::vector<Move>& to);
    void remember(const Move& move);
    void makeSolvable(bool swapModeOn);
    void resetFlags();

    SlidingBoard m_board;
    GameClock m_clock;
    bool m_idle = true;
    bool m_paused = false;
    bool m_timeEnd = false;
    bool m_swapPending = false;
    bool m_wholePicture = false;
    bool m_soundOn = true;
    int m_pickedTile = 0;
    int m_steps = 0;
    qint64 m_score = 0;
    int m_hints = 0;
    std::vector<Move> m_done; // moves and swaps that changed the board, in order
    std::vector<Move> m_undone; // those taken back, the latest last
};
