// Frm_LogicGame.h: the sliding puzzle's window: board of tile surfaces, labels, menu and commands,
// over the SlidingGame model; GameWindowShell does what both game windows do alike.
#pragma once

#include "GameChoices.h"
#include "GameCommands.h"
#include "GameMenu.h"
#include "GameWindowShell.h"
#include "SlidingGame.h"
#include "TileSlide.h"

#include <QCursor>
#include <QImage>
#include <QMainWindow>
#include <QRect>
#include <QRectF>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct AppContext;
class BuiltInPictures;
class GameRecorder;
class GameCompanions;
class Mmedia;
class LogicGameHint;
class PictureOpening;
class QLabel;
class QProgressBar;
class QVariantAnimation;
class SlidingTile;

class GameSaveFile;
class NewGameChoiceFile;

class Frm_LogicGame : public QMainWindow, public GameCommands {
    Q_OBJECT
public:
    Frm_LogicGame(AppContext& context, const BuiltInPictures& pictures, QWidget* parent = nullptr);
    ~Frm_LogicGame() override;

    // GameCommands
    void PMenu(int& index) override;
    QString soundCaption() const override;
    bool operationsMenuEnabled() const override;
    QWidget* gameWindow() override { return this; }
    QImage previewPicture() const override { return PicShowAll; }

    // Game flow and input, as the events call them.
    void NewPictureGame();
    // "Open picture": the chooser, then a new game on the chosen file (after the question).
    void openPicture();
    // A new game on the picture file at path; the running game stays as it was when the player
    // says No or the file is refused (the player is told why). ask: put the question first.
    bool openPictureFile(const QString& path, bool ask = true);
    // The picture file the first activation starts on instead of a built-in one.
    void setFirstPicture(const QString& path) { m_firstPicture = path; }
    PictureOpening& pictureOpening() const { return *m_opening; }
    void StartGame();
    void ApplyPrefs();
    void PaintBackground();
    void Timer1_Timer();
    void Pic_show_Click(int tile);
    void Pic_show_MouseUp(int tile, Qt::MouseButton button);
    // Key codes as the arrow and function keys carry them (the table's function-key codes).
    void Form_KeyDown(int keyCode);
    // The key code of a Qt key, 0 for keys the window does not know.
    static int keyCodeOf(int qtKey);

    // Moved tiles slide to their new cells (on by default); off, every move shows at once. A
    // slide is drawing only: the game has already made the move when it starts.
    void setAnimations(bool on);
    bool animations() const { return m_animations; }
    // The running slide and what drives it (tests and benchmarks set its time themselves).
    const TileSlide& slide() const { return m_slide; }
    QVariantAnimation* slideAnimation() const { return m_slideAnimation; }

    // The back-colour dialog: takes the background body, returns the new body or "cancel".
    using BackColourChooser = GameWindowShell::BackColourChooser;
    void setBackColourChooser(BackColourChooser chooser) { m_shell->setBackColourChooser(std::move(chooser)); }
    // "New game…": takes the current choice, returns the player's new one (nothing on Cancel).
    using NewGameChooser = std::function<std::optional<GameChoices::Logic>(const GameChoices::Logic&)>;
    void setNewGameChooser(NewGameChooser chooser) { m_chooseNewGame = std::move(chooser); }
    // The choice new games are made by.
    const GameChoices::Logic& newGameChoice() const;
    void setOptionsChooser(GameWindowShell::OptionsChooser chooser) { m_shell->setOptionsChooser(std::move(chooser)); }

    // What the window holds, for its companions and tests.
    const SlidingGame& game() const { return m_game; }
    const QString& prefRecord() const { return m_shell->record(); }
    QRect playArea() const { return m_playArea; }
    SlidingTile* tile(int index) const;
    QLabel* timeLabel() const { return LblTime; }
    QLabel* stepLabel() const { return Lblstep; }
    QLabel* pauseLabel() const { return Lblpause; }
    QLabel* timeEndLabel() const { return LblTimeEnd; }
    QLabel* swapLabel() const { return LblSwap; }
    QLabel* wholePicture() const { return Img_pic; }
    const QTimer& timer() const { return m_shell->timer(); }
    GameMenu& menu() { return *m_menu; }
    GameCompanions& companions() { return m_shell->companions(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void runCommand(GameCommand command);
    // Ctrl+N: the dialog, then (after the question) a new game by the new choice.
    void newGameCommand();
    void placeWindow();
    void buildDisplays();
    void setCaptions();
    bool PickBuiltInPicture();
    bool confirmNewGame();
    // PicShowAll fitted and shown, then a new game on it.
    void newGameOnPicture();
    // Resumes the saved game, if one exists and reads; false when a new game is to start.
    bool resumeSavedGame();
    // The board of m_game shown on new tiles.
    void showGame();
    void fitPicture();
    void BuildTiles(int gridSize);
    void removeTiles();
    void placeTile(int index);
    // Frm_LogicGameMotion.cpp: slides, and the board refitted to the surface's size.
    void setUpMotion();
    QPoint cellPosition(int index) const;
    void slideTiles(const QList<int>& tiles);
    void showSlide(double progress);
    void finishSlide();
    void refit();
    void showBlankFace();
    void drawDecorations();
    void showClickOutcome(const ClickOutcome& outcome);
    void complete(const SlidingCompletion& completion);
    void recordGame(qint64 score);
    void showSteps();
    void setTileCursors(const QCursor& cursor);
    // The swap-mode status line and the mark on the picked tile, as the game and M say.
    void showSwapState();
    void optionsCommand();
    void backColourCommand();
    void soundSwitch();
    void togglePause();
    void paintSurface(const QRect& dirty);
    void requestHint();

    AppContext& m_ctx;
    const BuiltInPictures& m_pictures;
    SlidingGame m_game;
    std::unique_ptr<GameWindowShell> m_shell;
    PictureOpening* m_opening = nullptr;
    QString m_firstPicture;
    int m_backColour = 0;
    QRect m_playArea; // twips
    QRectF m_pictureTwips; // Img_pic, twips
    QImage PicShowAll;
    int m_pictureIndex = -1; // the built-in picture of PicShowAll; -1 for none
    QString m_pictureHash; // the player's picture: the hash of its file, and the file's name
    QString m_pictureFile;
    QString m_picturePath;
    bool m_recorded = false; // this game is on record (a solved board may be solved once more)
    GameRecorder* m_recorder = nullptr;
    GameSaveFile* m_save = nullptr;
    std::unique_ptr<NewGameChoiceFile> m_choices;
    NewGameChooser m_chooseNewGame;

    QWidget* m_surface = nullptr;
    QLabel* Img_pic = nullptr;
    QLabel* LblTime = nullptr;
    QLabel* Lblstep = nullptr;
    QLabel* Lblpause = nullptr;
    QLabel* LblTimeEnd = nullptr;
    QLabel* LblSwap = nullptr;
    QProgressBar* pbr1 = nullptr;
    std::vector<SlidingTile*> Pic_show; // index 0 unused
    QCursor m_tileCursor;
    std::unique_ptr<GameMenu> m_menu;
    std::unique_ptr<Mmedia> m_fanfare;
    LogicGameHint* m_hint = nullptr;
    TileSlide m_slide;
    QVariantAnimation* m_slideAnimation = nullptr;
    bool m_animations = true;
};
