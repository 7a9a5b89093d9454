// GameSaveFile.h: a game window's saved game on disk. The window says what its game in progress
// is (capture); this writes it when the window closes or the desktop ends the session, reads it
// back at the first activation, drops it when a new game starts, and moves a save that cannot be
// resumed aside as ".bad", telling the player once.
#pragma once

#include "DataFiles.h"
#include "SavedGame.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

struct AppContext;
class QWidget;

class GameSaveFile : public QObject {
public:
    // The game in progress, or nothing when there is none (no game, completed, timed out).
    using Capture = std::function<std::optional<SavedGame::Document>()>;

    GameSaveFile(AppContext& context, DataFile file, SavedGame::Game game, QWidget* window, Capture capture);

    QString path() const;
    // Writes the game in progress, or removes the save when there is none. The window's own
    // unload is the last store: a closed window must not write over a later window's game.
    void store();
    void storeLast();
    // The save to resume, if there is one that reads; an unreadable one is set aside (refuse).
    std::optional<SavedGame::Document> take();
    // A save that cannot be resumed: moved aside as ".bad", the player told why; a new game follows.
    void refuse(const QString& problem);
    // A new game started: the save no longer holds.
    void drop();

    // The picture a save names: the built-in one, the player's file when it is still the same
    // file, else the copy the save carries.
    static QImage picture(const SavedGame::Picture& saved, const std::function<QImage(int)>& builtIn);
    // What a save keeps of a game's picture: the built-in number, or the player's file (path and
    // hash) with a copy of the working picture for when the file is gone.
    static SavedGame::Picture pictureOf(int builtIn, const QString& path, const QImage& working);
    // The identity the records give a resumed player's picture: the SHA-1 (hex) of its file while
    // it is still the saved one, else of the saved copy.
    static QString recordHash(const SavedGame::Picture& saved);

private:
    AppContext& m_context;
    DataFile m_file;
    SavedGame::Game m_game;
    QPointer<QWidget> m_window;
    Capture m_capture;
};
