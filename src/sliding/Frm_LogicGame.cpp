// Frm_LogicGame.cpp: the sliding puzzle's window.
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
#include "MessageBoxes.h"
#include "Mmedia.h"
#include "PictureFrame.h"
#include "PlayAreaLayout.h"
#include "RandomSource.h"
#include "SlidingTile.h"
#include "SoundSwitch.h"
#include "TilePainting.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>

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
    , m_sounds(context)
    , m_tileCursor(QPixmap::fromImage(Artwork::tileCursor()), 1, 1)
{
    m_chooseBackColour = [this](const QString& body) { return Frm_color::choose(this, m_ctx, body, windowIcon()); };
    m_companions = new GameCompanions(m_ctx, *this, GameCompanions::Game::Sliding, this);
    m_companions->setProgramIcon(Artwork::programIcon());
    setWindowIcon(Artwork::programIcon());
    m_menu = std::make_unique<LogicGameMenu>(menuBar(), [this](LogicGameMenu::Command c) { runCommand(c); });
    buildDisplays();
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &Frm_LogicGame::Timer1_Timer);

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
    m_menu->setSoundCaption(SoundSwitch::caption(PrefRecord));
}

Frm_LogicGame::~Frm_LogicGame()
{
    unload();
}

void Frm_LogicGame::placeWindow()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    const double screenWidth = Twips::fromPixels(available.width());
    const double screenHeight = Twips::fromPixels(available.height());
    move(Twips::toPixelsInt(5), Twips::toPixelsInt(0));
    resize(Twips::toPixelsInt(screenWidth - 600), Twips::toPixelsInt(screenHeight - 10));
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
    setWindowTitle(QStringLiteral("Quarry Logic Puzzle Freeuse"));
}

SlidingTile* Frm_LogicGame::tile(int index) const
{
    return index >= 1 && index < int(Pic_show.size()) ? Pic_show[index] : nullptr;
}

QString Frm_LogicGame::soundCaption() const { return SoundSwitch::caption(PrefRecord); }

bool Frm_LogicGame::operationsMenuEnabled() const { return m_menu->mnu_logicgame->menuAction()->isEnabled(); }

// ---- Commands ----

void Frm_LogicGame::PMenu(int& index)
{
    using C = LogicGameMenu::Command;
    switch (index) {
    case 0: runCommand(C::Restart); break;
    case 1: runCommand(C::Pause); break;
    case 2: runCommand(C::Preview); break;
    case 3: runCommand(C::Sound); break;
    case 4: runCommand(C::BackColor); break;
    case 5: runCommand(C::OpenPicture); break;
    case 6: runCommand(C::Option); break;
    case 8: runCommand(C::About); break;
    case 9: runCommand(C::Exit); break;
    default: break;
    }
}

void Frm_LogicGame::runCommand(LogicGameMenu::Command command)
{
    using C = LogicGameMenu::Command;
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
    PrefRecord = SoundSwitch::toggle(m_ctx.dataFolder, Game::Sliding, PrefRecord);
    m_game.setSoundOn(FavFields::soundOn(PrefRecord));
    m_menu->setSoundCaption(SoundSwitch::caption(PrefRecord));
    m_companions->soundCaptionChanged();
}

void Frm_LogicGame::backColourCommand()
{
    const QString result = m_chooseBackColour(FavFields::backgroundBody(PrefRecord));
    if (BackColourResult::isCancel(result))
        return;
    PaintBackground();
    PrefRecord = UpdateFavRecord(m_ctx.dataFolder, Game::Sliding, PrefRecord, FavChange::background(result));
    ApplyPrefs();
}

// ---- Preferences and background ----

void Frm_LogicGame::ApplyPrefs()
{
    PrefRecord = ReadFavRecord(m_ctx.dataFolder, Game::Sliding, *m_ctx.random);
    m_game.setSoundOn(FavFields::soundOn(PrefRecord));
    m_backColour = FavFields::backColour(PrefRecord);
    const QColor back = ColourValue::toColor(m_backColour);
    QPalette palette = m_surface->palette();
    palette.setColor(QPalette::Window, back);
    m_surface->setPalette(palette);
    setTextColour(LblTime, back);
    setTextColour(Lblstep, back);
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
    paintBackTileFile(painter, m_ctx.filePath(QStringLiteral("bakdatal")), m_surface->rect());
    if (!PicShowAll.isNull())
        PictureFrame::paint(painter, TilePainting::toPixels(m_pictureTwips));
}

// ---- New games ----

bool Frm_LogicGame::PickBuiltInPicture()
{
    PicShowAll = m_pictures.picture(m_ctx.random->below(10));
    return !PicShowAll.isNull();
}

void Frm_LogicGame::fitPicture()
{
    const double perPixel = Twips::perPixel();
    m_pictureTwips = PlayAreaLayout::FitPicture(QSizeF(PicShowAll.width() * perPixel, PicShowAll.height() * perPixel), m_playArea);
    Img_pic->setGeometry(TilePainting::toPixels(m_pictureTwips));
    Img_pic->setPixmap(QPixmap::fromImage(PicShowAll));
    Img_pic->show();
    PaintBackground();
}

void Frm_LogicGame::NewPictureGame()
{
    if (m_game.needsNewGameQuestion()) {
        const SlidingMessage question = SlidingMessage::newGameQuestion();
        if (!m_ctx.messages->askYesNo(this, question.title(m_ctx.strings), question.text(m_ctx.strings), question.icon))
            return;
    }
    m_game.stopClock();
    syncClock();
    if (!PickBuiltInPicture())
        return;
    fitPicture();
    m_game.markIdle();
    StartGame();
}

void Frm_LogicGame::StartGame()
{
    if (m_game.needsNewGameQuestion()) {
        const SlidingMessage question = SlidingMessage::newGameQuestion();
        if (!m_ctx.messages->askYesNo(this, question.title(m_ctx.strings), question.text(m_ctx.strings), question.icon))
            return;
    }
    if (PicShowAll.isNull()) {
        NewPictureGame();
        if (PicShowAll.isNull())
            return;
    }
    setCursor(Qt::WaitCursor);
    ApplyPrefs();
    if (m_jingle)
        m_jingle->mmClose();
    const int gridSize = SlidingGame::gridSizeFromRecord(PrefRecord);
    pbr1->setRange(0, gridSize * 100);
    pbr1->setValue(0);
    pbr1->show();
    BuildTiles(gridSize);
    m_game.startGame(gridSize, *m_ctx.random);
    for (int k = 1; k < int(Pic_show.size()); ++k)
        placeTile(k);
    showBlankFace();
    if (SlidingTile* first = tile(m_game.board().firstNonBlankTile()))
        first->setFocus();
    LblTime->setText(m_game.timeText());
    showSteps();
    Lblpause->setVisible(m_game.pauseBannerVisible());
    LblTimeEnd->setVisible(m_game.timeEndBannerVisible());
    pbr1->hide();
    syncClock();
    m_companions->pictureChanged();
    for (int k = 1; k < int(Pic_show.size()); ++k) {
        Pic_show[k]->setCursor(m_tileCursor);
        Pic_show[k]->show();
    }
    unsetCursor();
}

void Frm_LogicGame::removeTiles()
{
    for (int k = 1; k < int(Pic_show.size()); ++k)
        delete Pic_show[k];
    Pic_show.assign(1, nullptr);
}

void Frm_LogicGame::BuildTiles(int gridSize)
{
    if (PicShowAll.isNull() || gridSize < 1 || gridSize > SlidingBoard::MaxGridSize)
        return;
    removeTiles();
    for (int row = 0; row < gridSize; ++row) {
        for (int column = 0; column < gridSize; ++column) {
            const int index = row * gridSize + column + 1;
            auto* t = new SlidingTile(index, m_surface);
            t->hide();
            const QRect cell = TilePainting::toPixels(PlayAreaLayout::cellRect(m_pictureTwips, gridSize, { row, column }));
            t->setGeometry(cell);
            t->setPicture(TilePainting::piece(PicShowAll, gridSize, { row, column }, cell.size()));
            connect(t, &SlidingTile::clicked, this, &Frm_LogicGame::Pic_show_Click);
            connect(t, &SlidingTile::released, this, &Frm_LogicGame::Pic_show_MouseUp);
            t->installEventFilter(this);
            Pic_show.push_back(t);
        }
        pbr1->setValue(pbr1->value() + 100);
    }
    drawDecorations();
    Img_pic->hide();
}

void Frm_LogicGame::placeTile(int index)
{
    SlidingTile* t = tile(index);
    if (!t)
        return;
    const Cell cell = m_game.board().cellOf(index);
    t->move(TilePainting::toPixels(PlayAreaLayout::cellRect(m_pictureTwips, m_game.board().gridSize(), cell)).topLeft());
}

void Frm_LogicGame::showBlankFace()
{
    SlidingTile* blank = tile(m_game.board().blankIndex());
    if (!blank)
        return;
    blank->clearLayer();
    blank->removePicture();
    blank->setFaceColour(ColourValue::toColor(m_backColour));
    if (FavFields::tileNumbersOn(PrefRecord))
        blank->drawNumber();
}

// ---- Clock ----

void Frm_LogicGame::syncClock()
{
    if (m_game.isClockRunning() && !Timer1.isActive())
        Timer1.start();
    else if (!m_game.isClockRunning())
        Timer1.stop();
}

void Frm_LogicGame::Timer1_Timer()
{
    const TickOutcome outcome = m_game.tick();
    LblTime->setText(m_game.timeText());
    syncClock();
    if (outcome.timeEnded) {
        LblTimeEnd->setVisible(m_game.timeEndBannerVisible());
        const SlidingMessage message = outcome.message();
        m_ctx.messages->inform(this, message.title(m_ctx.strings), message.text(m_ctx.strings), message.icon);
    }
}

// ---- Moves ----

void Frm_LogicGame::showSteps() { Lblstep->setText(m_game.stepText()); }

void Frm_LogicGame::Pic_show_Click(int tile) { showClickOutcome(m_game.click(tile)); }

void Frm_LogicGame::showClickOutcome(const ClickOutcome& outcome)
{
    if (!outcome.accepted)
        return;
    if (outcome.moved) {
        placeTile(outcome.tile);
        placeTile(m_game.board().blankIndex());
    }
    if (outcome.steps > 0)
        showSteps();
    if (outcome.solved) {
        for (int k = 1; k < int(Pic_show.size()); ++k)
            Pic_show[k]->hide();
        Img_pic->show();
        if (outcome.completion)
            complete(*outcome.completion);
    } else if (outcome.playMoveSound) {
        m_sounds.playMove(PrefRecord);
    }
}

void Frm_LogicGame::complete(const SlidingCompletion& completion)
{
    if (completion.playSuccessSound) {
        if (!m_fanfare)
            m_fanfare = m_sounds.makeMedia();
        if (!m_jingle)
            m_jingle = m_sounds.makeMedia();
        m_sounds.playSlidingFanfare(PrefRecord, *m_fanfare, *m_jingle);
    }
    syncClock();
    if (completion.showsMessage()) {
        const SlidingMessage message = completion.message();
        m_ctx.messages->inform(this, message.title(m_ctx.strings), message.text(m_ctx.strings), message.icon);
    }
}

void Frm_LogicGame::Pic_show_MouseUp(int index, Qt::MouseButton button)
{
    const SwapOutcome outcome = m_game.mouseUp(index, button == Qt::RightButton, FavFields::swapModeOn(PrefRecord));
    switch (outcome.action) {
    case SwapOutcome::Action::None:
        break;
    case SwapOutcome::Action::Picked: {
        const QImage look = tile(outcome.pickedTile)->appearance();
        setTileCursors(QCursor(QPixmap::fromImage(look.scaled(64, 64, Qt::KeepAspectRatio))));
        break;
    }
    case SwapOutcome::Action::Dropped:
        if (outcome.moved) {
            placeTile(outcome.pickedTile);
            placeTile(outcome.droppedTile);
        }
        showSteps();
        setTileCursors(m_tileCursor);
        break;
    }
}

void Frm_LogicGame::setTileCursors(const QCursor& cursor)
{
    for (int k = 1; k < int(Pic_show.size()); ++k)
        Pic_show[k]->setCursor(cursor);
}

int Frm_LogicGame::keyCodeOf(int qtKey)
{
    if (qtKey >= Qt::Key_Left && qtKey <= Qt::Key_Down)
        return 37 + (qtKey - Qt::Key_Left);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    return 0;
}

void Frm_LogicGame::Form_KeyDown(int keyCode)
{
    using C = LogicGameMenu::Command;
    if (m_game.IsPaused() || keyCode < 37 || keyCode > 123)
        return;
    if (const auto key = arrowKeyFromCode(keyCode)) {
        showClickOutcome(m_game.arrowKey(*key));
        return;
    }
    switch (keyCode) {
    case 112: runCommand(C::Help); break;
    case 113: runCommand(C::Restart); break;
    case 114: runCommand(C::Pause); break;
    case 115: runCommand(C::BackColor); break;
    case 116: runCommand(C::Preview); break;
    case 117: runCommand(C::Sound); break;
    case 118: runCommand(C::OpenPicture); break;
    case 119: runCommand(C::Option); break;
    case 123: runCommand(C::Exit); break;
    default: break;
    }
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
            m_menu->mnu_logicgame->popup(mouse->globalPosition().toPoint());
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
        if (operationsMenuEnabled())
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
    Timer1.stop();
    m_jingle.reset();
    m_fanfare.reset();
    QFile::remove(m_ctx.filePath(QStringLiteral("temp001")));
    QFile::remove(m_ctx.filePath(QStringLiteral("temp.bmp")));
    m_companions->closeAll();
}
