// Frm_EyesGame.h: the jigsaw window: the piece windows over the JigsawGame model, the background
// and target area, and the menu with its function keys; GameWindowShell does what both game
// windows do alike.
#pragma once

#include "GameChoices.h"
#include <functional>

#include "GameCommandTable.h"
#include "GameCommands.h"
#include "JigsawGame.h"
#include "JigsawSave.h"
#include "PieceTable.h"
#include "TurnedPictures.h"

#include <QCursor>
#include <QImage>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct AppContext;
class BuiltInPictures;
class DragFrame;
class GameCompanions;
class GameRecorder;
class GameMenu;
class GameSaveFile;
class GameWindowShell;
class JigsawBackground;
class NewGameChoiceFile;
class JoinGlow;
class OptionsModel;
class PieceShadow;
class PieceWindow;
class PictureOpening;
class QAction;
class QLabel;
class QMenu;

class Frm_EyesGame : public QMainWindow, public GameCommands {
    Q_OBJECT

public:
    Frm_EyesGame(AppContext& context, const BuiltInPictures& pictures, QWidget* parent = nullptr);
    ~Frm_EyesGame() override;

    // Game cycle.
    void startGame();
    void newPictureGame();
    // "Open picture": the chooser, then a new game on the chosen file (after the question).
    void openPicture();
    // A new game on the picture file at path; the running game stays as it was when the player
    // says No or the file is refused (the player is told why). ask: put the question first.
    bool openPictureFile(const QString& path, bool ask = true);
    // The picture file the first activation starts on instead of a built-in one.
    void setFirstPicture(const QString& path) { m_firstPicture = path; }
    PictureOpening& pictureOpening() const { return *m_opening; }
    void Setset();
    // "New game…": takes the current choice, returns the player's new one (nothing on Cancel).
    using NewGameChooser = std::function<std::optional<GameChoices::Jigsaw>(const GameChoices::Jigsaw&)>;
    void setNewGameChooser(NewGameChooser chooser) { m_chooseNewGame = std::move(chooser); }
    // The choice new games are made by.
    const GameChoices::Jigsaw& newGameChoice() const;
    void PaintJigsawBackground();
    void Timer1_Timer();
    void mnu_pause_Click();
    void mnu_sound_Click();
    void mnu_eyescolor_Click();
    // The Options dialog (Ctrl+,): tests answer it through the model.
    void setOptionsChooser(std::function<bool(OptionsModel&)> chooser);
    // Moves every loose unit nobody can see whole onto free space (Ctrl+G).
    void gatherPieces();
    // The first activation starts the first game and opens the companions.
    void Form_Activate();

    // A join shows a short glow along the joined unit (on by default); off, nothing is drawn
    // beyond the join itself.
    void setAnimations(bool on);
    bool animations() const { return m_animations; }

    // Piece windows' mouse handlers (position in pixels inside the piece).
    void Pic_show_MouseDown(int k, Qt::MouseButton button, QPointF pixels);
    void Pic_show_MouseMove(int k, Qt::MouseButton button, QPointF pixels);
    void Pic_show_MouseUp(int k, Qt::MouseButton button, QPointF pixels);

    // GameCommands
    void PMenu(int& index) override;
    QString soundCaption() const override;
    bool operationsMenuEnabled() const override;
    QWidget* gameWindow() override { return this; }
    QImage previewPicture() const override { return m_source; }

    // What the window shows, for the tool windows and for tests.
    const JigsawGame& game() const { return m_game; }
    const JigsawPlay& play() const { return m_game.play(); }
    const PieceTable& table() const { return m_table; }
    const QString& record() const;
    const QImage& workingPicture() const { return m_working; }
    int levelCode() const { return m_levelCode; }
    PieceWindow* pieceWindow(int k) const;
    PieceShadow* shadowWindow() const { return m_shadow; }
    DragFrame* dragFrame() const { return Shape1; }
    JoinGlow* joinGlow() const { return m_glow; }
    JigsawBackground* background() const { return m_surface; }
    QLabel* timeLabel() const { return LblTime; }
    QLabel* pauseLabel() const { return Lblpause; }
    QLabel* timeEndLabel() const { return LblTimeEnd; }
    QMenu* gameMenu() const;
    bool timerActive() const;
    GameCompanions& companions() const;
    // Window width and height, twips.
    QSizeF windowTwips() const;
    QSizeF clientTwips() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // The game in progress for the save (nothing when there is none); a held unit is dropped.
    std::optional<SavedGame::Document> savedGame();
    // Resumes the saved game, if one exists and reads; false when a new game is to start.
    bool resumeSavedGame();
    // Piece windows for every unit of the model, shown as it says.
    void makePieceWindows();
    void Form_Load();
    void buildControls();
    void buildMenu();
    void runCommand(GameCommand command);
    // Ctrl+N: the dialog, then (after the question) a new game by the new choice.
    void newGameCommand();
    bool confirmNewGame();
    // The size in pixels a new picture is fitted into.
    QSize pictureArea() const;
    void newGameOn(const QImage& picture);
    void runKey(int key);
    void removePieces();
    void buildLevel();
    void scatterPieces();
    void turnPiece(int k);
    // A right press on the background that just missed a unit turns it (rotation on); true then.
    bool turnNear(QPoint point);
    // A command that pauses or opens a modal window ends a drag as a drop first.
    void finishDrag();
    void clampAfterResize();
    // The widget k shows its model unit: picture part, outline, place and visibility.
    void syncPiece(int k);
    void movePiece(int k);
    void syncShadow(int k);
    void applyDrop(int k, const JigsawPlay::Drop& drop);
    void completeGame();
    void recordGame(qint64 score);
    QPoint toPixels(QPointF twips) const;

    AppContext& m_context;
    const BuiltInPictures& m_pictures;
    std::unique_ptr<GameWindowShell> m_shell;
    PictureOpening* m_opening = nullptr;
    QString m_firstPicture;
    PieceTable m_table;
    JigsawGame m_game;
    JigsawPlay& m_play; // m_game's play of the current level
    QImage m_source; // element 999: the chosen picture at its own size
    QImage m_fitted; // the working picture without seams, kept for the next game
    QImage m_working; // element 990: the working picture with the level's seams
    TurnedPictures m_turned;
    bool m_pictureLoaded = false;
    int m_levelCode = 0;
    int m_pictureIndex = -1; // the built-in picture of the game; -1 for none
    QString m_pictureHash; // the player's picture: the hash of its file, and the file's name
    QString m_pictureFile;
    QString m_picturePath;
    GameRecorder* m_recorder = nullptr;
    JigsawSave::Level m_level; // how the level was cut, for the save
    GameSaveFile* m_save = nullptr;
    std::unique_ptr<NewGameChoiceFile> m_choices;
    NewGameChooser m_chooseNewGame;
    int m_pendingKey = 0;

    // Controls.
    JigsawBackground* m_surface = nullptr;
    std::vector<PieceWindow*> Pic_show; // 1..piece count; element 0 is the shadow below
    PieceShadow* m_shadow = nullptr;
    DragFrame* Shape1 = nullptr;
    JoinGlow* m_glow = nullptr;
    bool m_animations = true;
    QLabel* LblTime = nullptr;
    QLabel* Lblpause = nullptr;
    QLabel* LblTimeEnd = nullptr;
    QCursor m_holdingPointer; // `Label2`'s mouse icon
    QCursor m_normalPointer; // `Label1`'s mouse icon

    std::unique_ptr<GameMenu> m_menu; // mnu_eyesgame and its entries
};
