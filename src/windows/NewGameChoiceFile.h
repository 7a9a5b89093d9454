// NewGameChoiceFile.h: a game window's access to the file of new-game choices: read once, a
// damaged file told to the player once (the games then start as designed), and each game's part
// written back without touching the other game's.
#pragma once

#include "GameChoices.h"

struct AppContext;
class QWidget;

class NewGameChoiceFile {
public:
    NewGameChoiceFile(AppContext& context, QWidget* window);

    // The choices as last read or stored; the first call reads the file.
    const GameChoices::Choices& choices();
    // Keeps the game's part and writes the file with it; when the file cannot be written the
    // player is told and the choice holds for this session.
    void store(const GameChoices::Logic& logic);
    void store(const GameChoices::Jigsaw& jigsaw);

private:
    void write();

    AppContext& m_context;
    QWidget* m_window;
    GameChoices::Choices m_choices;
    bool m_read = false;
};
