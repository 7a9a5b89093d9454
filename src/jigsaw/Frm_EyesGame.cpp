// Frm_EyesGame.cpp: the jigsaw window's load, controls, menu, function keys and commands.
#include "Frm_EyesGame.h"

#include "AppContext.h"
#include "Artwork.h"
#include "ColourValue.h"
#include "FavFields.h"
#include "GameCompanions.h"
#include "GameRecorder.h"
#include "GameMenu.h"
#include "GameSaveFile.h"
#include "GameWindowShell.h"
#include "JigsawBackground.h"
#include "JigsawNewGameDialog.h"
#include "NewGameChoiceFile.h"
#include "JoinGlow.h"
#include "PictureOpening.h"
#include "PieceWindow.h"
#include "ScreenFit.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>

namespace {
// The window leaves this much of the screen free, twips.
constexpr double ScreenWidthMargin = 10;
constexpr double ScreenHeightMargin = 600;

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
    , m_game(context.strings)
    , m_play(m_game.play())
{
    GameWindowShell::Hooks hooks;
    hooks.startFirstGame = [this] {
        GameWindowShell::firstGame(m_firstPicture, [this](const QString& path) { return openPictureFile(path, false); },
            [this] { return resumeSavedGame(); }, [this] { startGame(); });
    };
    hooks.unload = [this] { m_save->storeLast(); };
    m_save = new GameSaveFile(
        context, DataFile::JigsawSave, SavedGame::Game::Jigsaw, this, [this] { return savedGame(); });
    hooks.setSoundCaption = [this](const QString& caption) { m_menu->setSoundCaption(caption); };
    hooks.tick = [this] { Timer1_Timer(); };
    hooks.setAnimations = [this](bool on) { setAnimations(on); };
    m_shell = std::make_unique<GameWindowShell>(
        context, *this, *this, Game::Jigsaw, QStringLiteral("Quarry Jigsaw Puzzle Freeuse"), std::move(hooks));
    m_opening = new PictureOpening(context, this, [this](const QString& path) { openPictureFile(path); });
    m_recorder = new GameRecorder(context, pictures, RecordGame::Jigsaw, this);
    buildControls();
    buildMenu();
    Form_Load();
}

Frm_EyesGame::~Frm_EyesGame()
{
    // The companions ask this window for its picture and captions: they go while it is whole.
    m_shell.reset();
}

void Frm_EyesGame::buildControls()
{
    m_shell->showTitle();
    m_surface = new JigsawBackground(this);
    setCentralWidget(m_surface);
    m_surface->onContextPress = [this](QPoint point) { return turnNear(point); };
    m_surface->onContextRelease = [this](QPoint global) { m_menu->popupIfEnabled(global); };
    m_surface->onResized = [this] { clampAfterResize(); };

    m_holdingPointer = pointerFrom(Artwork::holdingPointer());
    m_normalPointer = pointerFrom(Artwork::normalPointer());
    m_shadow = new PieceShadow(m_surface, QColor(32, 32, 32));
    Shape1 = new DragFrame(m_surface);
    m_glow = new JoinGlow(m_surface);

    LblTime = new QLabel(GameClock::textFor(GameClock::EndValue).mid(5), m_surface);
    LblTime->move(Twips::toPixelsInt(200), Twips::toPixelsInt(100));
    LblTime->setMinimumWidth(Twips::toPixelsInt(2000));
    QFont clockFont = LblTime->font();
    clockFont.setBold(true);
    clockFont.setPointSize(14);
    LblTime->setFont(clockFont);
    // The clock shows the back colour; a plate of its own keeps it readable over the background.
    LblTime->setAutoFillBackground(true);
    Lblpause = new QLabel(m_surface);
    LblTimeEnd = new QLabel(m_surface);
    m_shell->setClockDisplays(LblTime, Lblpause, LblTimeEnd);
    for (QLabel* banner : { Lblpause, LblTimeEnd }) {
        QFont font = banner->font();
        font.setBold(true);
        font.setPointSize(28);
        banner->setFont(font);
        banner->setStyleSheet(QStringLiteral("color: #c00000"));
        banner->move(Twips::toPixelsInt(3000), Twips::toPixelsInt(3000));
        banner->adjustSize();
    }
}

void Frm_EyesGame::buildMenu()
{
    m_menu = std::make_unique<GameMenu>(menuBar(), Game::Jigsaw, [this](GameCommand c) { runCommand(c); });
    m_menu->setCaptions(m_context.strings, QString());
    m_opening->addRecentMenu(*m_menu);
    m_choices = std::make_unique<NewGameChoiceFile>(m_context, this);
    m_chooseNewGame = [this](const GameChoices::Jigsaw& current) -> std::optional<GameChoices::Jigsaw> {
        JigsawNewGameDialog dialog(m_pictures, m_opening, current, this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.choice();
    };
    connect(m_menu->operationsMenu(), &QMenu::aboutToShow, this, [this] {
        show();
        raise();
    });
}

const GameChoices::Jigsaw& Frm_EyesGame::newGameChoice() const { return m_choices->choices().jigsaw; }

void Frm_EyesGame::newGameCommand()
{
    finishDrag();
    const std::optional<GameChoices::Jigsaw> chosen = m_chooseNewGame(newGameChoice());
    if (!chosen)
        return;
    m_choices->store(*chosen);
    newPictureGame();
}

// What each command does in this game; the menu, the keys and PMenu all come here.
void Frm_EyesGame::runCommand(GameCommand command)
{
    using C = GameCommand;
    switch (command) {
    case C::NewGame:
        newGameCommand();
        break;
    case C::Restart:
        newPictureGame();
        break;
    case C::OpenPicture:
        openPicture();
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
        companions().showPreview();
        break;
    case C::Sound:
        mnu_sound_Click();
        break;
    case C::Option:
        Setset();
        break;
    case C::Options:
        finishDrag();
        if (m_shell->chooseOptions())
            Setset();
        break;
    case C::Toolbar:
        companions().showToolbar();
        break;
    case C::Help:
        companions().showHelp();
        break;
    case C::About:
        finishDrag();
        companions().showAbout();
        break;
    case C::Exit:
        close();
        break;
    case C::Scoreboard:
        m_recorder->showScoreboard();
        break;
    case C::Stop:
    case C::Hint: // the sliding puzzle's commands
    case C::Undo:
    case C::Redo:
        break;
    }
}

void Frm_EyesGame::setOptionsChooser(std::function<bool(OptionsModel&)> chooser)
{
    m_shell->setOptionsChooser(std::move(chooser));
}

void Frm_EyesGame::Form_Load()
{
    // Outer size on the part of the screen windows may use; the window manager places it.
    const QRect available = ScreenFit::availableArea(this);
    const QRect outer = available.isEmpty() ? QRect()
                                            : QRect(available.topLeft(),
                                                QSize(available.width() - Twips::toPixelsInt(ScreenWidthMargin),
                                                    available.height() - Twips::toPixelsInt(ScreenHeightMargin)));
    m_shell->load(outer, false);
    Setset();
    m_shell->playJingle();
}

void Frm_EyesGame::Form_Activate()
{
    m_shell->activate();
}

void Frm_EyesGame::Setset()
{
    const QString& record = m_shell->readPrefs();
    GameWindowShell::showBackColourText(LblTime, ColourValue::toColor(FavFields::backColour(record)));
    PaintJigsawBackground();
}

void Frm_EyesGame::mnu_pause_Click()
{
    finishDrag();
    m_game.togglePause();
    m_shell->showClock(m_game);
}

void Frm_EyesGame::mnu_sound_Click()
{
    m_shell->soundSwitch();
}

void Frm_EyesGame::mnu_eyescolor_Click()
{
    finishDrag();
    if (!m_shell->chooseBackColour())
        return;
    PaintJigsawBackground();
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
    return m_shell->soundCaption();
}

const QString& Frm_EyesGame::record() const
{
    return m_shell->record();
}

bool Frm_EyesGame::timerActive() const
{
    return m_shell->timer().isActive();
}

GameCompanions& Frm_EyesGame::companions() const
{
    return m_shell->companions();
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
