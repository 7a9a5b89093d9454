// Frm_EyesGame.h: the jigsaw window: the game cycle (start, clock, pause, time end), the piece
// windows over the JigsawPlay model, the menu with its function keys, and the companion windows.
#pragma once

#include "GameClock.h"
#include "GameCommandTable.h"
#include "GameCommands.h"
#include "JigsawPlay.h"
#include "PieceTable.h"
#include "TurnedPictures.h"

#include <QCursor>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <vector>

struct AppContext;
class BuiltInPictures;
class DragFrame;
class FavSession;
class GameCompanions;
class GameMenu;
class GameSounds;
class JigsawBackground;
class Mmedia;
class PieceShadow;
class PieceWindow;
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
    void Setset();
    void PaintJigsawBackground();
    void Timer1_Timer();
    void mnu_pause_Click();
    void mnu_sound_Click();
    void mnu_eyescolor_Click();
    // Moves every loose unit nobody can see whole onto free space (Ctrl+G).
    void gatherPieces();
    // The first activation starts the first game and opens the companions.
    void Form_Activate();

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
    const JigsawPlay& play() const { return m_play; }
    const PieceTable& table() const { return m_table; }
    const QString& record() const { return m_record; }
    const GameClock& clock() const { return m_clock; }
    const QImage& workingPicture() const { return m_working; }
    int levelCode() const { return m_levelCode; }
    PieceWindow* pieceWindow(int k) const;
    PieceShadow* shadowWindow() const { return m_shadow; }
    DragFrame* dragFrame() const { return Shape1; }
    JigsawBackground* background() const { return m_surface; }
    QLabel* timeLabel() const { return LblTime; }
    QLabel* pauseLabel() const { return Lblpause; }
    QLabel* timeEndLabel() const { return LblTimeEnd; }
    QMenu* gameMenu() const;
    bool timerActive() const { return Timer1.isActive(); }
    GameCompanions& companions() const { return *m_companions; }
    // Window width and height, twips.
    QSizeF windowTwips() const;
    QSizeF clientTwips() const;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void buildControls();
    void buildMenu();
    void runCommand(GameCommand command);
    void Form_Unload();
    void runKey(int key);
    void removePieces();
    void buildLevel();
    void scatterPieces();
    void turnPiece(int k);
    // A command that pauses or opens a modal window ends a drag as a drop first.
    void finishDrag();
    void clampAfterResize();
    // The widget k shows its model unit: picture part, outline, place and visibility.
    void syncPiece(int k);
    void movePiece(int k);
    void syncShadow(int k);
    void applyDrop(int k, const JigsawPlay::Drop& drop);
    void completeGame();
    void timeEnd();
    QPoint toPixels(QPointF twips) const;
    void showTitle();
    void showSoundCaption();

    AppContext& m_context;
    const BuiltInPictures& m_pictures;
    std::unique_ptr<GameSounds> m_sounds;
    std::unique_ptr<Mmedia> m_jingle;
    GameCompanions* m_companions = nullptr;

    std::unique_ptr<FavSession> m_favs;
    QString m_record;
    PieceTable m_table;
    JigsawPlay m_play;
    GameClock m_clock;
    QImage m_source; // element 999: the chosen picture at its own size
    QImage m_fitted; // the working picture without seams, kept for the next game
    QImage m_working; // element 990: the working picture with the level's seams
    TurnedPictures m_turned;
    bool m_pictureLoaded = false;
    bool m_activated = false;
    int m_levelCode = 0;
    int m_pendingKey = 0;

    // Controls.
    JigsawBackground* m_surface = nullptr;
    std::vector<PieceWindow*> Pic_show; // 1..piece count; element 0 is the shadow below
    PieceShadow* m_shadow = nullptr;
    DragFrame* Shape1 = nullptr;
    QLabel* LblTime = nullptr;
    QLabel* Lblpause = nullptr;
    QLabel* LblTimeEnd = nullptr;
    QTimer Timer1;
    QCursor m_holdingPointer; // `Label2`'s mouse icon
    QCursor m_normalPointer; // `Label1`'s mouse icon

    std::unique_ptr<GameMenu> m_menu; // mnu_eyesgame and its entries
};
