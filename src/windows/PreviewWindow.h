// PreviewWindow.h: a small topmost window showing a game's whole picture, scaled to the window.
#pragma once

#include <QWidget>

struct AppContext;
class GameCommands;
class QLabel;

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    // Loading the window sets the preview-open flag, runs Loadform and places the window in the
    // game window's lower right corner. The window deletes itself when closed.
    PreviewWindow(AppContext& context, GameCommands& game, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // (Re)loads the game's picture: icon, width from the picture's proportions (height kept),
    // caption, picture, topmost.
    void Loadform();
    // Shown when it holds a picture, hidden otherwise.
    void Form_Activate();

    bool hasPicture() const;
    QLabel* Image1() const { return m_image; }
    // Closed (by hand or with its game), waiting to be deleted.
    bool isUnloaded() const { return m_unloaded; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void placeByGame();
    void unload();

    AppContext& m_context;
    GameCommands& m_game;
    QLabel* m_image;
    bool m_unloaded = false;
};
