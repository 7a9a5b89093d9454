// ToolWindow.h: a small topmost panel of ten text buttons that run a game window's commands.
#pragma once

#include "ToolPanel.h"

#include <QWidget>

#include <array>

struct AppContext;
class GameCommands;
class QLabel;

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    // Where the window goes relative to its game window.
    enum class Anchor { LeftBelowTop, TopRight };

    // Loading enables the buttons from the game's operations menu, sets the tool-open flag,
    // places the window and copies the sound caption. The window deletes itself when closed.
    ToolWindow(AppContext& context, GameCommands& game, Anchor anchor, QWidget* parent = nullptr);
    ~ToolWindow() override;

    QLabel* LblMenu(int index) const;
    const ToolPanel& panel() const { return m_panel; }
    bool isUnloaded() const { return m_unloaded; }

    // Button 3 takes the game's current sound caption.
    void refreshSoundCaption();

    // Event handlers, public so that the game side and tests can drive them like the mouse does.
    void LblMenu_Click(int index);
    void LblMenu_MouseMove(int index);
    void Form_MouseMove();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    int indexOf(QObject* object) const;
    void buildButtons();
    void syncButtons();
    void placeByGame();
    void unload();

    AppContext& m_context;
    GameCommands& m_game;
    Anchor m_anchor;
    ToolPanel m_panel;
    std::array<QLabel*, ToolPanel::kCount> m_labels {};
    int m_pressed = -1;
    bool m_unloaded = false;
};
