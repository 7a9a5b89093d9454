// Frm_LogicGame.cpp: the sliding puzzle's window: load, menu commands, preferences, background
// and window events (the games themselves are in Frm_LogicGamePlay.cpp).
#include "GameSaveFile.h"
#include "SlidingSave.h"
#include "Frm_LogicGame.h"

#include "AppContext.h"
#include "Artwork.h"
#include "BackTileFile.h"
#include "BackgroundField.h"
#include "BuiltInPictures.h"
#include "ColourValue.h"
#include "FavFields.h"
#include "FavRecord.h"
#include "Frm_color.h"
#include "GameCompanions.h"
#include "LabelContrast.h"
#include "MessageBoxes.h"
#include "Mmedia.h"
#include "PictureFrame.h"
#include "PlayAreaLayout.h"
#include "RandomSource.h"
#include "ScreenFit.h"
#include "SlidingTile.h"
#include "SoundSwitch.h"
#include "TilePainting.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
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

// The back colour as text, on a plate it stays readable on.
void setBackColourText(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Window, LabelContrast::plateFor(colour));
    label->setPalette(palette);
}

} // namespace

Frm_LogicGame::Frm_LogicGame(AppContext& context, const BuiltInPictures& pictures, QWidget* parent)
    : QMainWindow(parent)
    , m_ctx(context)
    , m_pictures(pictures)
    , m_sounds(context)
    , m_favs(context.dataFolder, Game::Sliding)
    , m_tileCursor(QPixmap::fromImage(Artwork::tileCursor()), 1, 1)
{
    m_chooseBackColour = [this](const QString& body) { return Frm_color::choose(this, m_ctx, body, windowIcon()); };
    m_companions = new GameCompanions(m_ctx, *this, GameCompanions::Game::Sliding, this);
    m_companions->setProgramIcon(Artwork::programIcon());
    setWindowIcon(Artwork::programIcon());
    m_menu = std::make_unique<GameMenu>(menuBar(), Game::Sliding, [this](GameCommand c) { runCommand(c); });
    buildDisplays();
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &Frm_LogicGame::Timer1_Timer);

    m_save = new GameSaveFile(m_ctx, DataFile::LogicSave, SavedGame::Game::Logic, this,
        [this]() -> std::optional<SavedGame::Document> {
            if (m_game.IsIdle() || m_game.IsTimeEnd() || m_game.board().isEmpty())
                return std::nullopt;
            SavedGame::Document d = SlidingSave::capture(m_game);
            d.picture.builtIn = m_pictureIndex;
            return d;
        });

    // Load.
    m_companions->onGameLoad();
    m_ctx.setSoundPaths();
    placeWindow();
    m_activated = false;
    ApplyPrefs();
    const int innerWidth = Twips::fromPixelsInt(width());
    const int innerHeight = Twips::fromPixelsInt(height() - menuBar()->sizeHint().height());
    m_playArea = PlayAreaLayout::PlayArea(innerWidth, innerHeight);
    setCaptions();
    m_jingle = m_sounds.makeMedia();
    m_sounds.playJingle(*m_jingle);
}

Frm_LogicGame::~Frm_LogicGame()
{
    unload();
}

void Frm_LogicGame::placeWindow()
{
    // The sizes are the window's outer sizes on the part of the screen windows may use.
    const QRect available = ScreenFit::availableArea(this);
    const double screenWidth = Twips::fromPixels(available.width());
    const double screenHeight = Twips::fromPixels(available.height());
    const QRect outer(available.left() + Twips::toPixelsInt(5), available.top() + Twips::toPixelsInt(0),
        Twips::toPixelsInt(screenWidth - 600), Twips::toPixelsInt(screenHeight - 10));
    ScreenFit::setOuterGeometry(this, outer);
    ScreenFit::keepOnScreenWhenFramed(this);
}

void Frm_LogicGame::buildDisplays()
{
    m_surface = new QWidget(this);
    m_surface->setObjectName(QStringLiteral("surface"));
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
    setTextColour(Lblpause, Qt::red);
    setTextColour(LblTimeEnd, Qt::red);
    Lblpause->hide();
    LblTimeEnd->hide();
    pbr1 = new QProgressBar(m_surface);
    pbr1->setObjectName(QStringLiteral("pbr1"));
    pbr1->setTextVisible(false);
    pbr1->setGeometry(TilePainting::toPixels(QRectF(750, 420, 500, 75)));
    pbr1->hide();
    Pic_show.assign(1, nullptr);
}

void Frm_LogicGame::setCaptions()
{
    m_menu->setCaptions(m_ctx.strings, SoundSwitch::caption(PrefRecord));
    showTitle();
}

void Frm_LogicGame::showTitle()
{
    setWindowTitle(m_favs.caption(QStringLiteral("Quarry Logic Puzzle Freeuse"), m_ctx.strings));
}

// The menu entry and tool button 3 name the S the game uses now.
void Frm_LogicGame::showSoundCaption()
{
    m_menu->setSoundCaption(SoundSwitch::caption(PrefRecord));
    m_companions->soundCaptionChanged();
}

SlidingTile* Frm_LogicGame::tile(int index) const
{
    return index >= 1 && index < int(Pic_show.size()) ? Pic_show[index] : nullptr;
}

QString Frm_LogicGame::soundCaption() const { return SoundSwitch::caption(PrefRecord); }

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
    case C::Restart:
    case C::OpenPicture: NewPictureGame(); break;
    case C::Pause: togglePause(); break;
    case C::BackColor: backColourCommand(); break;
    case C::Preview: m_companions->showPreview(); break;
    case C::Sound: soundSwitch(); break;
    case C::Option: ApplyPrefs(); break;
    case C::Toolbar: m_companions->showToolbar(); break;
    case C::Help: m_companions->showHelp(); break;
    case C::About: m_companions->showAbout(); break;
    case C::Exit: close(); break;
    case C::Stop:
    case C::Gather:
    case C::Scoreboard: break;
    }
}

void Frm_LogicGame::togglePause()
{
    m_game.togglePause();
    Lblpause->setVisible(m_game.pauseBannerVisible());
    syncClock();
}

void Frm_LogicGame::soundSwitch()
{
    PrefRecord = m_favs.update(PrefRecord, FavChange::sound());
    m_game.setSoundOn(FavFields::soundOn(PrefRecord));
    showSoundCaption();
    showTitle();
}

void Frm_LogicGame::backColourCommand()
{
    const QString result = m_chooseBackColour(FavFields::backgroundBody(PrefRecord));
    if (BackColourResult::isCancel(result))
        return;
    PaintBackground();
    PrefRecord = m_favs.update(PrefRecord, FavChange::background(result));
    showTitle();
    ApplyPrefs();
}

// ---- Preferences and background ----

void Frm_LogicGame::ApplyPrefs()
{
    PrefRecord = m_favs.read(*m_ctx.random);
    m_game.setSoundOn(FavFields::soundOn(PrefRecord));
    showSoundCaption();
    m_backColour = FavFields::backColour(PrefRecord);
    const QColor back = ColourValue::toColor(m_backColour);
    QPalette palette = m_surface->palette();
    palette.setColor(QPalette::Window, back);
    m_surface->setPalette(palette);
    setBackColourText(LblTime, back);
    setBackColourText(Lblstep, back);
    PaintBackground();
    drawDecorations();
}

void Frm_LogicGame::drawDecorations()
{
    const bool numbers = FavFields::tileNumbersOn(PrefRecord);
    const bool borders = FavFields::tileBordersOn(PrefRecord);
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

void Frm_LogicGame::paintSurface()
{
    QPainter painter(m_surface);
    paintBackTileFile(painter, m_ctx.filePath(DataFile::LogicTile), m_surface->rect());
    if (!PicShowAll.isNull())
        PictureFrame::paint(painter, TilePainting::toPixels(m_pictureTwips));
}

// ---- Window events ----

void Frm_LogicGame::keyPressEvent(QKeyEvent* event)
{
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
        paintSurface();
        return false;
    }
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

bool Frm_LogicGame::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        if (operationsMenuEnabled() && !resumeSavedGame())
            NewPictureGame();
        m_companions->onFirstActivation();
    }
    return QMainWindow::event(event);
}

void Frm_LogicGame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        m_companions->onGameWindowMinimised(isMinimized());
    QMainWindow::changeEvent(event);
}

void Frm_LogicGame::closeEvent(QCloseEvent* event)
{
    unload();
    event->accept();
}

void Frm_LogicGame::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_save->storeLast();
    Timer1.stop();
    m_jingle.reset();
    m_fanfare.reset();
    QFile::remove(m_ctx.filePath(DataFile::WorkingPicture));
    QFile::remove(m_ctx.filePath(DataFile::WorkingBitmap));
    m_companions->closeAll();
}
