// FrmLogin.cpp: the start window with its three picture buttons and the start-up jingle.
#include "FrmLogin.h"

#include "AppContext.h"
#include "Artwork.h"
#include "GameSounds.h"
#include "Mmedia.h"
#include "RandomSource.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>

namespace {
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 400;
constexpr int kButtonTop = 210;
constexpr QSize kButtonSize(160, 120);
} // namespace

LoginPictureButton::LoginPictureButton(int index, QWidget* parent)
    : QLabel(parent)
    , m_index(index)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setScaledContents(true);
    setFrameShape(QFrame::NoFrame);
}

void LoginPictureButton::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered(m_index);
    event->accept();
}

void LoginPictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_index);
    event->accept();
}

FrmLogin::FrmLogin(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    setWindowTitle(QStringLiteral("Quarry Puzzle"));
    setFixedSize(kWindowWidth, kWindowHeight);
    setMouseTracking(true);

    const QString tips[LoginButtons::Count] = {context.strings.text(StringTable::JigsawPuzzle),
                                               context.strings.text(StringTable::LogicPuzzle),
                                               context.strings.text(StringTable::Exit)};
    const int gap = (kWindowWidth - LoginButtons::Count * kButtonSize.width()) / (LoginButtons::Count + 1);
    for (int i = 0; i < LoginButtons::Count; ++i) {
        auto* b = new LoginPictureButton(i, this);
        b->setGeometry(gap + i * (kButtonSize.width() + gap), kButtonTop, kButtonSize.width(), kButtonSize.height());
        b->setToolTip(tips[i]);
        connect(b, &LoginPictureButton::hovered, this, &FrmLogin::Image1_MouseMove);
        connect(b, &LoginPictureButton::clicked, this, &FrmLogin::Image1_Click);
        m_buttons[i] = b;
    }
    applyFaces();
    for (int i = 0; i < 2; ++i)
        m_buttons[i]->setVisible(false);

    auto* jigsawKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), this);
    connect(jigsawKey, &QShortcut::activated, this, [this] { if (offers(JigsawButton)) Image1_Click(JigsawButton); });
    auto* slidingKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(slidingKey, &QShortcut::activated, this, [this] { if (offers(SlidingButton)) Image1_Click(SlidingButton); });

    m_context.setSoundPaths();
    if (m_context.random)
        m_context.random->reseed();
}

FrmLogin::~FrmLogin() = default;

void FrmLogin::registerGame(Button button, GameFactory factory)
{
    if (button != JigsawButton && button != SlidingButton)
        return;
    m_factories[button] = std::move(factory);
    m_buttons[button]->setVisible(static_cast<bool>(m_factories[button]));
}

bool FrmLogin::offers(Button button) const
{
    return (button == JigsawButton || button == SlidingButton) && static_cast<bool>(m_factories[button]);
}

void FrmLogin::Image1_Click(int index)
{
    if (index == JigsawButton || index == SlidingButton) {
        if (!offers(static_cast<Button>(index)) || m_game)
            return;
        QWidget* game = m_factories[index]();
        if (!game)
            return;
        game->setAttribute(Qt::WA_DeleteOnClose);
        // Closing a game window brings the start window back.
        connect(game, &QObject::destroyed, this, [this] { show(); });
        m_game = game;
        game->show();
        hide();
        return;
    }
    close();
}

void FrmLogin::Image1_MouseMove(int index)
{
    if (m_hover.hoverButton(index))
        applyFaces();
}

void FrmLogin::Form_MouseMove()
{
    if (m_hover.hoverBackground())
        applyFaces();
}

void FrmLogin::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void FrmLogin::applyFaces()
{
    for (int i = 0; i < LoginButtons::Count; ++i) {
        m_buttons[i]->setPixmap(QPixmap::fromImage(Artwork::buttonFace(m_hover.face(i))));
        m_buttons[i]->setFrameStyle(m_hover.bordered(i) ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
        m_buttons[i]->setLineWidth(1);
    }
}

void FrmLogin::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QImage background = Artwork::loginBackground();
    if (background.isNull())
        painter.fillRect(rect(), QColor(40, 60, 90));
    else
        painter.drawImage(rect(), background);
    // The backing store is flushed to the screen when the paint returns; the timer fires after.
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, &FrmLogin::afterFirstPaint);
    }
}

void FrmLogin::afterFirstPaint()
{
    // Neither decoding the icon's four sizes nor opening the sound device delays the first paint.
    setWindowIcon(Artwork::programIcon());
    playJingle();
    emit firstPainted();
}

void FrmLogin::playJingle()
{
    GameSounds sounds(m_context);
    m_jingle = sounds.makeMedia();
    sounds.playJingle(*m_jingle);
}

void FrmLogin::closeEvent(QCloseEvent* event)
{
    if (m_jingle)
        m_jingle->mmClose();
    event->accept();
    // Leaving the start window ends the program, closing every window.
    QTimer::singleShot(0, qApp, [] {
        QApplication::closeAllWindows();
        QApplication::quit();
    });
}
