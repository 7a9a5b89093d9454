// Frm_EyesGame.cpp: the jigsaw window's life cycle, controls, menu, function keys and commands.
#include "Frm_EyesGame.h"

#include "AppContext.h"
#include "Artwork.h"
#include "BackgroundField.h"
#include "ColourValue.h"
#include "FavFields.h"
#include "FavRecord.h"
#include "FavSession.h"
#include "Frm_color.h"
#include "GameCompanions.h"
#include "GameMenu.h"
#include "GameSounds.h"
#include "JigsawBackground.h"
#include "LabelContrast.h"
#include "Mmedia.h"
#include "PieceWindow.h"
#include "RandomSource.h"
#include "ScreenFit.h"
#include "SoundSwitch.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>

namespace {
// The window leaves this much of the screen free, twips.
constexpr double ScreenWidthMargin = 10;
constexpr double ScreenHeightMargin = 600;
constexpr int ClockInterval = 1000;

QCursor pointerFrom(const QImage& image)
{
    if (image.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(image), image.width() / 2, image.height() / 2);
}
} // namespace

Frm_EyesGame::Frm_EyesGame(AppContext& context, const BuiltInPictures& pictures, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_pictures(pictures)
    , m_sounds(std::make_unique<GameSounds>(context))
    , m_favs(std::make_unique<FavSession>(context.dataFolder, Game::Jigsaw))
{
    m_jingle = m_sounds->makeMedia();
    m_companions = new GameCompanions(context, *this, GameCompanions::Game::Jigsaw, this);
    m_companions->setProgramIcon(Artwork::programIcon());
    buildControls();
    buildMenu();
    Form_Load();
}

Frm_EyesGame::~Frm_EyesGame()
{
    // The companions ask this window for its picture and captions: they go while it is whole.
    delete m_companions;
}

void Frm_EyesGame::buildControls()
{
    showTitle();
    setWindowIcon(Artwork::programIcon());
    m_surface = new JigsawBackground(this);
    setCentralWidget(m_surface);
    m_surface->onContextRelease = [this](QPoint global) { m_menu->popupIfEnabled(global); };
    m_surface->onResized = [this] { clampAfterResize(); };

    m_holdingPointer = pointerFrom(Artwork::holdingPointer());
    m_normalPointer = pointerFrom(Artwork::normalPointer());
    m_shadow = new PieceShadow(m_surface, QColor(32, 32, 32));
    Shape1 = new DragFrame(m_surface);

    LblTime = new QLabel(GameClock::textFor(GameClock::EndValue).mid(5), m_surface);
    LblTime->move(Twips::toPixelsInt(200), Twips::toPixelsInt(100));
    LblTime->setMinimumWidth(Twips::toPixelsInt(2000));
    QFont clockFont = LblTime->font();
    clockFont.setBold(true);
    clockFont.setPointSize(14);
    LblTime->setFont(clockFont);
    // The clock shows the back colour; a plate of its own keeps it readable over the background.
    LblTime->setAutoFillBackground(true);
    Lblpause = new QLabel(QStringLiteral("P A U S E !"), m_surface);
    LblTimeEnd = new QLabel(m_surface);
    for (QLabel* banner : { Lblpause, LblTimeEnd }) {
        QFont font = banner->font();
        font.setBold(true);
        font.setPointSize(28);
        banner->setFont(font);
        banner->setStyleSheet(QStringLiteral("color: #c00000"));
        banner->move(Twips::toPixelsInt(3000), Twips::toPixelsInt(3000));
        banner->hide();
    }
    Timer1.setInterval(ClockInterval);
    connect(&Timer1, &QTimer::timeout, this, &Frm_EyesGame::Timer1_Timer);
}

void Frm_EyesGame::buildMenu()
{
    m_menu = std::make_unique<GameMenu>(menuBar(), Game::Jigsaw, [this](GameCommand c) { runCommand(c); });
    m_menu->setCaptions(m_context.strings, QString());
    connect(m_menu->operationsMenu(), &QMenu::aboutToShow, this, [this] {
        show();
        raise();
    });
}

// What each command does in this game; the menu, the keys and PMenu all come here.
void Frm_EyesGame::runCommand(GameCommand command)
{
    using C = GameCommand;
    switch (command) {
    case C::Restart:
    case C::OpenPicture:
        newPictureGame();
        break;
    case C::Pause:
        mnu_pause_Click();
        break;
    case C::Gather:
        gatherPieces();
        break;
    case C::BackColor:
        mnu_eyescolor_Click();
        break;
    case C::Preview:
        m_companions->showPreview();
        break;
    case C::Sound:
        mnu_sound_Click();
        break;
    case C::Option:
        Setset();
        break;
    case C::Toolbar:
        m_companions->showToolbar();
        break;
    case C::Help:
        m_companions->showHelp();
        break;
    case C::About:
        finishDrag();
        m_companions->showAbout();
        break;
    case C::Exit:
        close();
        break;
    case C::Stop:
    case C::Scoreboard:
        break;
    }
}

void Frm_EyesGame::Form_Load()
{
    m_context.setSoundPaths();
    m_companions->onGameLoad();
    // Outer size on the part of the screen windows may use; the window manager places it.
    const QRect available = ScreenFit::availableArea(this);
    if (!available.isEmpty()) {
        const QRect outer(available.topLeft(),
            QSize(available.width() - Twips::toPixelsInt(ScreenWidthMargin),
                available.height() - Twips::toPixelsInt(ScreenHeightMargin)));
        resize(ScreenFit::innerOf(outer, ScreenFit::decoration(this)).size());
    }
    ScreenFit::keepOnScreenWhenFramed(this);
    Setset();
    // No game yet: a first "Restart" asks nothing.
    m_play.ended = true;
    m_sounds->playJingle(*m_jingle);
}

void Frm_EyesGame::Form_Activate()
{
    if (m_activated)
        return;
    m_activated = true;
    if (operationsMenuEnabled())
        startGame();
    m_companions->onFirstActivation();
}

void Frm_EyesGame::Setset()
{
    m_record = m_favs->read(*m_context.random);
    showSoundCaption();
    QPalette palette = LblTime->palette();
    const QColor back = ColourValue::toColor(FavFields::backColour(m_record));
    palette.setColor(QPalette::WindowText, back);
    palette.setColor(QPalette::Window, LabelContrast::plateFor(back));
    LblTime->setPalette(palette);
    PaintJigsawBackground();
}

void Frm_EyesGame::mnu_pause_Click()
{
    finishDrag();
    if (m_play.paused) {
        m_play.paused = false;
        Lblpause->hide();
        // A completed or timed-out game keeps its clock stopped.
        m_clock.start();
        if (m_clock.isRunning())
            Timer1.start();
    } else {
        Lblpause->show();
        Lblpause->raise();
        m_clock.stop();
        Timer1.stop();
        m_play.paused = true;
    }
}

void Frm_EyesGame::mnu_sound_Click()
{
    m_record = m_favs->update(m_record, FavChange::sound());
    showSoundCaption();
    showTitle();
}

void Frm_EyesGame::showTitle()
{
    setWindowTitle(m_favs->caption(QStringLiteral("Quarry Jigsaw Puzzle Freeuse"), m_context.strings));
}

// The menu entry and tool button 3 name the S the game uses now.
void Frm_EyesGame::showSoundCaption()
{
    m_menu->setSoundCaption(SoundSwitch::caption(m_record));
    m_companions->soundCaptionChanged();
}

void Frm_EyesGame::mnu_eyescolor_Click()
{
    finishDrag();
    const QString body = FavFields::backgroundBody(m_record);
    const QString chosen = Frm_color::choose(this, m_context, body, windowIcon());
    if (BackColourResult::isCancel(chosen))
        return;
    PaintJigsawBackground();
    m_record = m_favs->update(m_record, FavChange::background(chosen));
    showTitle();
    Setset();
}

void Frm_EyesGame::PMenu(int& index)
{
    if (const auto command = GameCommandTable::atToolSlot(index))
        runCommand(*command);
}

QMenu* Frm_EyesGame::gameMenu() const
{
    return m_menu->operationsMenu();
}

QString Frm_EyesGame::soundCaption() const
{
    return m_menu->action(GameCommand::Sound)->text();
}

bool Frm_EyesGame::operationsMenuEnabled() const
{
    return m_menu->operationsEnabled();
}

void Frm_EyesGame::keyPressEvent(QKeyEvent* event)
{
    // Only keys no menu shortcut took arrive here; their release runs the command once.
    m_pendingKey = event->isAutoRepeat() ? m_pendingKey : event->key();
    QMainWindow::keyPressEvent(event);
}

void Frm_EyesGame::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat() && event->key() == m_pendingKey) {
        m_pendingKey = 0;
        runKey(event->key());
    }
    QMainWindow::keyReleaseEvent(event);
}

void Frm_EyesGame::runKey(int key)
{
    m_menu->runFunctionKey(GameCommandTable::functionKeyCode(key));
}

void Frm_EyesGame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        m_companions->onGameWindowMinimised(isMinimized());
    else if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QMainWindow::changeEvent(event);
}

void Frm_EyesGame::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void Frm_EyesGame::Form_Unload()
{
    Timer1.stop();
    m_jingle->mmClose();
    QFile::remove(m_context.filePath(DataFile::WorkingPicture));
    QFile::remove(m_context.filePath(DataFile::WorkingBitmap));
    m_companions->closeAll();
}

QSizeF Frm_EyesGame::windowTwips() const
{
    return { Twips::fromPixels(width()), Twips::fromPixels(height()) };
}

QSizeF Frm_EyesGame::clientTwips() const
{
    return { Twips::fromPixels(m_surface->width()), Twips::fromPixels(m_surface->height()) };
}

QPoint Frm_EyesGame::toPixels(QPointF twips) const
{
    return { Twips::toPixelsInt(twips.x()), Twips::toPixelsInt(twips.y()) };
}
