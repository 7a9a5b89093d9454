// FrmLogin.h: the start window. The player picks the jigsaw, the sliding puzzle or leaves;
// closing a game window brings this window back, closing this window ends the program.
#pragma once

#include "BuiltInPictures.h"
#include "LoginButtons.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

struct AppContext;
class Mmedia;

// One picture button of the start window (`Image1`(index)).
class LoginPictureButton : public QLabel
{
    Q_OBJECT
public:
    LoginPictureButton(int index, QWidget* parent);
    int index() const { return m_index; }

signals:
    void hovered(int index);
    void clicked(int index);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_index;
};

class FrmLogin : public QWidget
{
    Q_OBJECT
public:
    enum Button { JigsawButton = 0, SlidingButton = 1, LeaveButton = 2 };
    using GameFactory = std::function<QWidget*()>;

    explicit FrmLogin(AppContext& context, QWidget* parent = nullptr);
    ~FrmLogin() override;

    // Offers a game on button JigsawButton or SlidingButton; a game without a factory is not offered.
    void registerGame(Button button, GameFactory factory);
    bool offers(Button button) const;

    // The built-in pictures (`Image3`) the game windows take their pictures from.
    const BuiltInPictures& pictures() const { return m_pictures; }

    // Button click: shows the game of that button and hides this window, or leaves the program.
    void Image1_Click(int index);
    // The game window currently open, if any.
    QWidget* gameWindow() const { return m_game; }

    LoginPictureButton* button(int index) const { return m_buttons[index]; }
    const LoginButtons& hover() const { return m_hover; }

signals:
    // Once, when the window's first paint is on screen: what start-up does not need before it
    // (the program icon, the sound device) is done from here.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Image1_MouseMove(int index);
    void Form_MouseMove();
    void applyFaces();
    void afterFirstPaint();
    void playJingle();

    AppContext& m_context;
    BuiltInPictures m_pictures;
    LoginButtons m_hover;
    std::array<LoginPictureButton*, LoginButtons::Count> m_buttons{};
    std::array<GameFactory, 2> m_factories;
    QPointer<QWidget> m_game;
    std::unique_ptr<Mmedia> m_jingle;
    bool m_painted = false;
};
