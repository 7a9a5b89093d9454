// GameWindowShell.h: what both game windows do alike: the preferences record with its sound
// switch, back colour and re-apply; the clock with its banners; the jingle; the companion windows;
// screen fitting, first activation, minimising and unload.
//
// The game window creates one and keeps it for its life; the shell watches the window's events
// (activation, minimising, closing) itself and calls back for what only the game knows.
#pragma once

#include "FavRecord.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

struct AppContext;
class FavSession;
class GameCommands;
class GameCompanions;
class GameModel;
class GameSounds;
class Mmedia;
class QColor;
class QLabel;
class QMainWindow;
class QRect;
class OptionsModel;

class GameWindowShell : public QObject {
    Q_OBJECT
public:
    // What only the game window knows.
    // The first game of a window: the picture named on the command line (taken once), else the
    // saved game, else a new game on a built-in picture.
    static void firstGame(QString& commandLinePicture, const std::function<bool(const QString&)>& open,
        const std::function<bool()>& resume, const std::function<void()>& start);

    struct Hooks {
        std::function<void()> startFirstGame; // first activation while the game menu is enabled
        std::function<void(const QString&)> setSoundCaption; // the sound command's menu entry
        std::function<void()> tick; // Timer1
        std::function<void()> unload; // the game's own devices close (optional)
        // The player's Animations option: called at load and whenever the option changes
        // (optional; a window without animations leaves it unset).
        std::function<void(bool)> setAnimations;
    };
    // The back-colour dialog: takes the background body, returns the new body or "cancel".
    using BackColourChooser = std::function<QString(const QString& body)>;
    // The Options dialog: shows the model, true after OK with the model holding the choices.
    using OptionsChooser = std::function<bool(OptionsModel& model)>;

    GameWindowShell(AppContext& context, QMainWindow& window, GameCommands& commands, Game game,
        const QString& title, Hooks hooks);
    ~GameWindowShell() override;

    // ---- Load ----
    // Sound paths, the companions' load; sizes the window to the outer frame outer (placed there
    // too when placeToo, otherwise the window manager places it) and keeps it on the screen.
    void load(const QRect& outer, bool placeToo);
    // Makes the window's jingle and plays it (the last step of a load).
    void playJingle();
    // The first activation: starts the first game (when the game menu is enabled) and opens the
    // companions. Later activations do nothing.
    void activate();
    // Closes the jingle, deletes the temporary files and closes the companions; once.
    void unload();

    // ---- Preferences ----
    const QString& record() const { return m_record; }
    // ReadFavRecord again (the read redraws some fields); the sound command names the S read.
    const QString& readPrefs();
    // F6: toggles S of the game's line; the window keeps the new S even when the file does not.
    void soundSwitch();
    // "Close Sound" while S is on, otherwise "Open Sound".
    QString soundCaption() const;
    // F4: the back-colour dialog. True when a background was chosen and stored; the window then
    // paints and re-applies its preferences.
    bool chooseBackColour();
    void setBackColourChooser(BackColourChooser chooser) { m_chooseBackColour = std::move(chooser); }
    // Ctrl+,: the Options dialog. Its fields go to the game's line of fav.dll, the Animations
    // option to the player's options file; what cannot be saved holds for the session and the
    // player is told. True when a field changed: the window then re-applies its preferences.
    bool chooseOptions();
    void setOptionsChooser(OptionsChooser chooser) { m_chooseOptions = std::move(chooser); }
    // The game title, followed by the notice when settings cannot be saved.
    void showTitle();
    // A label showing text in the back colour, on a plate it stays readable on.
    static void showBackColourText(QLabel* label, const QColor& colour);

    // ---- Messages ----
    // "Another new game?" while game is in play; true when the new game may start.
    bool confirmNewGame(const GameModel& game);
    // "Time End ,Game Over!", titled "prompt", with the error icon.
    void announceTimeEnd();
    // text ("Well done! …"), titled "Congratulate", with the information icon.
    void congratulate(const QString& text);

    // ---- Clock ----
    // The clock label and the pause and time-end banners the game window laid out.
    void setClockDisplays(QLabel* time, QLabel* pause, QLabel* timeEnd);
    // Clock text, banners and Timer1 as game says.
    void showClock(const GameModel& game);
    const QTimer& timer() const { return m_timer; }

    GameSounds& sounds() { return *m_sounds; }
    Mmedia& jingle() { return *m_jingle; }
    GameCompanions& companions() const { return *m_companions; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showSoundCaption();

    AppContext& m_context;
    QMainWindow& m_window;
    GameCommands& m_commands;
    QString m_title;
    Hooks m_hooks;
    std::unique_ptr<GameSounds> m_sounds;
    std::unique_ptr<Mmedia> m_jingle;
    std::unique_ptr<FavSession> m_favs;
    GameCompanions* m_companions = nullptr;
    BackColourChooser m_chooseBackColour;
    OptionsChooser m_chooseOptions;
    Game m_game;
    QString m_record;
    QTimer m_timer;
    QLabel* m_time = nullptr;
    QLabel* m_pause = nullptr;
    QLabel* m_timeEnd = nullptr;
    bool m_activated = false;
    bool m_unloaded = false;
};
