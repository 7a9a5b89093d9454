// GameCompanions.h: the tool window, preview window, About box and Help window of one game
// window, and the rules for when they open, hide and close.
#pragma once

#include <QObject>
#include <QPointer>

struct AppContext;
class GameCommands;
class QWidget;

class GameCompanions : public QObject
{
    Q_OBJECT
public:
    enum class Game { Sliding, Jigsaw };

    GameCompanions(AppContext& context, GameCommands& game, Game which, QObject* parent = nullptr);
    ~GameCompanions() override;

    // Game window load: clears the program-wide preview-open and tool-open flags.
    void onGameLoad();
    // First activation of the game window: the tool window unless one is open, the preview
    // unless one is open; the game window takes the focus back.
    void onFirstActivation();
    // The game window was minimised (hide the open companions) or shown again (show them).
    void onGameWindowMinimised(bool minimised);
    // "Preview" command (the jigsaw shows it only when it has a picture).
    void showPreview();
    // A new picture was loaded: an open preview reloads it.
    void pictureChanged();
    // "Toolbar" menu entry.
    void showToolbar();
    // After the sound command: the tool window's sound button mirrors the menu caption.
    void soundCaptionChanged();
    // "About..." (modal) and "Help" (not modal).
    void showAbout();
    void showHelp();
    // The game window closes: its companions close with it.
    void closeAll();

    QWidget* toolWindow() const;
    QWidget* previewWindow() const;
    QWidget* helpWindow() const;

private:
    struct Windows;
    AppContext& m_context;
    GameCommands& m_game;
    Game m_which;
    Windows* m_windows;
};
