// Frm_LogicGame.cpp: the sliding puzzle's window: load, menu commands, preferences, background
// and window events (the games themselves are in Frm_LogicGamePlay.cpp).
#include "GameSaveFile.h"
#include "SlidingSave.h"
#include "Frm_LogicGame.h"

#include "AppContext.h"
#include "Artwork.h"
#include "BackTileFile.h"
#include "ColourValue.h"
#include "FavFields.h"
#include "GameCompanions.h"
#include "GameRecorder.h"
#include "LabelContrast.h"
#include "LogicNewGameDialog.h"
#include "NewGameChoiceFile.h"
#include "LogicGameHint.h"
#include "Mmedia.h"
#include "PictureFrame.h"
#include "PictureOpening.h"
#include "PlayAreaLayout.h"
#include "ScreenFit.h"
#include "SlidingTile.h"
#include "TilePainting.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QProgressBar>

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QRectF& twips, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(TilePainting::toPixels(twips));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(12);
    label->setFont(font);
    // The labels are opaque plates of their own: the clock and step texts take the back colour,
    // which would vanish on a background of that same colour.
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, LabelContrast::DesignPlate);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

Frm_LogicGame::Frm_LogicGame(AppContext& context, const BuiltInPictures& pictures, QWidget* parent)
    : QMainWindow(parent)
    , m_ctx(context)
    , m_pictures(pictures)
    , m_tileCursor(QPixmap::fromImage(Artwork::tileCursor()), 1, 1)
{
    GameWindowShell::Hooks hooks;
    hooks.startFirstGame = [this] {
        GameWindowShell::firstGame(m_firstPicture, [this](const QString& path) { return openPictureFile(path, false); },
            [this] { return resumeSavedGame(); }, [this] { NewPictureGame(); });
    };
    hooks.setSoundCaption = [this](const QString& caption) { m_menu->setSoundCaption(caption); };
    hooks.tick = [this] { Timer1_Timer(); };
    hooks.setAnimations = [this](bool on) { setAnimations(on); };
    hooks.unload = [this] {
        m_save->storeLast();
        m_fanfare.reset();
    };
    m_shell = std::make_unique<GameWindowShell>(
        context, *this, *this, Game::Sliding, QStringLiteral("Quarry Logic Puzzle Freeuse"), std::move(hooks));
    m_recorder = new GameRecorder(m_ctx, m_pictures, RecordGame::Logic, this);
    m_menu = std::make_unique<GameMenu>(menuBar(), Game::Sliding, [this](GameCommand c) { runCommand(c); });
    m_opening = new PictureOpening(m_ctx, this, [this](const QString& path) { openPictureFile(path); });
    m_opening->addRecentMenu(*m_menu);
    m_choices = std::make_unique<NewGameChoiceFile>(m_ctx, this);
    m_chooseNewGame = [this](const GameChoices::Logic& current) -> std::optional<GameChoices::Logic> {
        LogicNewGameDialog dialog(m_pictures, m_opening, current, this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.choice();
    };
    buildDisplays();

    m_save = new GameSaveFile(m_ctx, DataFile::LogicSave, SavedGame::Game::Logic, this,
        [this]() -> std::optional<SavedGame::Document> {
            if (m_game.IsIdle() || m_game.IsTimeEnd() || m_game.board().isEmpty())
                return std::nullopt;
            SavedGame::Document d = SlidingSave::capture(m_game);
            d.picture = GameSaveFile::pictureOf(m_pictureIndex, m_picturePath, PicShowAll);
            return d;
        });

    // Load.
    placeWindow();
    ApplyPrefs();
    const int innerWidth = Twips::fromPixelsInt(width());
    const int innerHeight = Twips::fromPixelsInt(height() - menuBar()->sizeHint().height());
    m_playArea = PlayAreaLayout::PlayArea(innerWidth, innerHeight);
    setCaptions();
    m_shell->playJingle();
}

Frm_LogicGame::~Frm_LogicGame()
{
    m_shell->unload();
    m_shell.reset();
}

void Frm_LogicGame::placeWindow()
{
    // The sizes are the window's outer sizes on the part of the screen windows may use.
    const QRect available = ScreenFit::availableArea(this);
    const double screenWidth = Twips::fromPixels(available.width());
    const double screenHeight = Twips::fromPixels(available.height());
    const QRect outer(available.left() + Twips::toPixelsInt(5), available.top() + Twips::toPixelsInt(0),
        Twips::toPixelsInt(screenWidth - 600), Twips::toPixelsInt(screenHeight - 10));
    m_shell->load(outer, true);
}

void Frm_LogicGame::buildDisplays()
{
    m_surface = new QWidget(this);
    m_surface->setObjectName(QStringLiteral("surface"));
    m_hint = new LogicGameHint(m_surface, [this](int index) -> QWidget* { return tile(index); });
    m_surface->setAutoFillBackground(true);
    m_surface->installEventFilter(this);
    setCentralWidget(m_surface);

    Img_pic = new QLabel(m_surface);
    Img_pic->setObjectName(QStringLiteral("Img_pic"));
    Img_pic->setScaledContents(true);
    Img_pic->installEventFilter(this);
    Img_pic->hide();

    LblTime = makeLabel(m_surface, "LblTime", QRectF(750, 60, 2400, 360), GameClock().text());
    Lblstep = makeLabel(m_surface, "Lblstep", QRectF(3300, 60, 2400, 360), QString());
    Lblpause = makeLabel(m_surface, "Lblpause", QRectF(5800, 60, 2400, 360), SlidingGame::pauseText());
    LblTimeEnd = makeLabel(m_surface, "LblTimeEnd", QRectF(8300, 60, 3000, 360), SlidingGame::timeEndText());
    LblSwap = makeLabel(m_surface, "LblSwap", QRectF(11500, 60, 7000, 360), QString());
    QFont swapFont = LblSwap->font();
    swapFont.setBold(false);
    swapFont.setPointSize(9);
    LblSwap->setFont(swapFont);
    LblSwap->hide();
    setTextColour(Lblpause, Qt::red);
    setTextColour(LblTimeEnd, Qt::red);
    m_shell->setClockDisplays(LblTime, Lblpause, LblTimeEnd);
    pbr1 = new QProgressBar(m_surface);
    pbr1->setObjectName(QStringLiteral("pbr1"));
    pbr1->setTextVisible(false);
    pbr1->setGeometry(TilePainting::toPixels(QRectF(750, 420, 500, 75)));
    pbr1->hide();
    Pic_show.assign(1, nullptr);
    setUpMotion();
}

void Frm_LogicGame::setCaptions()
{
    m_menu->setCaptions(m_ctx.strings, m_shell->soundCaption());
    m_shell->showTitle();
}

SlidingTile* Frm_LogicGame::tile(int index) const
{
    return index >= 1 && index < int(Pic_show.size()) ? Pic_show[index] : nullptr;
}

QString Frm_LogicGame::soundCaption() const { return m_shell->soundCaption(); }

bool Frm_LogicGame::operationsMenuEnabled() const { return m_menu->operationsEnabled(); }

// ---- Commands ----

void Frm_LogicGame::PMenu(int& index)
{
    if (const auto command = GameCommandTable::atToolSlot(index))
        runCommand(*command);
}

// What each command does in this game; the menu, the keys and PMenu all come here.
void Frm_LogicGame::runCommand(GameCommand command)
{
    using C = GameCommand;
    switch (command) {
    case C::NewGame: newGameCommand(); break;
    case C::Restart: NewPictureGame(); break;
    case C::OpenPicture: openPicture(); break;
    case C::Pause: togglePause(); break;
    case C::BackColor: backColourCommand(); break;
    case C::Preview: companions().showPreview(); break;
    case C::Sound: soundSwitch(); break;
    case C::Option: ApplyPrefs(); break;
    case C::Options: optionsCommand(); break;
    case C::Toolbar: companions().showToolbar(); break;
    case C::Help: companions().showHelp(); break;
    case C::About: companions().showAbout(); break;
    case C::Exit: close(); break;
    case C::Hint: requestHint(); break;
    case C::Undo: showClickOutcome(m_game.undo()); break;
    case C::Redo: showClickOutcome(m_game.redo()); break;
    case C::Scoreboard: m_recorder->showScoreboard(); break;
    case C::Stop:
    case C::Gather: break;
    }
}

const GameChoices::Logic& Frm_LogicGame::newGameChoice() const { return m_choices->choices().logic; }

void Frm_LogicGame::newGameCommand()
{
    const std::optional<GameChoices::Logic> chosen = m_chooseNewGame(newGameChoice());
    if (!chosen)
        return;
    m_choices->store(*chosen);
    NewPictureGame();
}

// The hint is worked out away from the interface thread; each one asked for is counted.
void Frm_LogicGame::requestHint()
{
    if (m_game.IsIdle() || m_game.IsPaused() || m_game.IsTimeEnd() || m_game.showsWholePicture())
        return;
    m_game.countHint();
    m_hint->request(m_game.board(), FavFields::swapModeOn(prefRecord()));
}

void Frm_LogicGame::togglePause()
{
    m_game.togglePause();
    m_shell->showClock(m_game);
}

void Frm_LogicGame::soundSwitch()
{
    m_shell->soundSwitch();
    m_game.setSoundOn(FavFields::soundOn(prefRecord()));
}

void Frm_LogicGame::optionsCommand()
{
    if (m_shell->chooseOptions())
        ApplyPrefs();
}

void Frm_LogicGame::backColourCommand()
{
    if (!m_shell->chooseBackColour())
        return;
    PaintBackground();
    ApplyPrefs();
}

// ---- Preferences and background ----

void Frm_LogicGame::ApplyPrefs()
{
    const QString& record = m_shell->readPrefs();
    m_game.setSoundOn(FavFields::soundOn(record));
    m_backColour = FavFields::backColour(record);
    const QColor back = ColourValue::toColor(m_backColour);
    QPalette palette = m_surface->palette();
    palette.setColor(QPalette::Window, back);
    m_surface->setPalette(palette);
    GameWindowShell::showBackColourText(LblTime, back);
    GameWindowShell::showBackColourText(Lblstep, back);
    PaintBackground();
    drawDecorations();
    showSwapState();
}

void Frm_LogicGame::drawDecorations()
{
    const bool numbers = FavFields::tileNumbersOn(prefRecord());
    const bool borders = FavFields::tileBordersOn(prefRecord());
    const QColor border = TilePainting::borderColour(m_backColour);
    for (int k = 1; k < int(Pic_show.size()); ++k) {
        SlidingTile* t = Pic_show[k];
        t->clearLayer();
        if (numbers)
            t->drawNumber();
        if (borders)
            t->drawBorder(border);
    }
}

void Frm_LogicGame::PaintBackground() { m_surface->update(); }

void Frm_LogicGame::paintSurface(const QRect& dirty)
{
    QPainter painter(m_surface);
    const QRect board = TilePainting::toPixels(m_pictureTwips);
    // Under the tiles, the blank's colour: a sliding tile uncovers it as the blank would show.
    // Only that is repainted while tiles slide, without reading the background file each frame.
    const bool underTiles = !PicShowAll.isNull() && Pic_show.size() > 1 && Img_pic->isHidden();
    if (underTiles && board.contains(dirty)) {
        painter.fillRect(dirty, ColourValue::toColor(m_backColour));
        return;
    }
    paintBackTileFile(painter, m_ctx.filePath(DataFile::LogicTile), m_surface->rect());
    if (PicShowAll.isNull())
        return;
    PictureFrame::paint(painter, board);
    if (underTiles)
        painter.fillRect(board, ColourValue::toColor(m_backColour));
}

// ---- Window events ----

void Frm_LogicGame::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_game.cancelSwap()) {
        setTileCursors(m_tileCursor);
        showSwapState();
        return;
    }
    const int code = keyCodeOf(event->key());
    if (code == 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    Form_KeyDown(code);
}

bool Frm_LogicGame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_surface && event->type() == QEvent::Paint) {
        paintSurface(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
    if (watched == m_surface && event->type() == QEvent::Resize)
        refit();
    if ((watched == m_surface || watched == Img_pic) && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && operationsMenuEnabled()) {
            m_menu->popupIfEnabled(mouse->globalPosition().toPoint());
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && qobject_cast<SlidingTile*>(watched)) {
        // The window sees keys before the tiles do.
        auto* key = static_cast<QKeyEvent*>(event);
        if (const int code = keyCodeOf(key->key())) {
            Form_KeyDown(code);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
