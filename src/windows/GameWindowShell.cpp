// GameWindowShell.cpp: the life cycle, preferences and clock displays both game windows share.
#include "GameWindowShell.h"

#include "AppContext.h"
#include "Artwork.h"
#include "BackgroundField.h"
#include "FavFields.h"
#include "FavSession.h"
#include "Frm_color.h"
#include "GameCommands.h"
#include "GameCompanions.h"
#include "GameModel.h"
#include "GameSounds.h"
#include "LabelContrast.h"
#include "MessageBoxes.h"
#include "Mmedia.h"
#include "OptionsDialog.h"
#include "PlayerOptions.h"
#include "ScreenFit.h"
#include "SoundSwitch.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMainWindow>

#include <utility>

namespace {
constexpr int ClockInterval = 1000;
} // namespace

GameWindowShell::GameWindowShell(AppContext& context, QMainWindow& window, GameCommands& commands, Game game,
    const QString& title, Hooks hooks)
    : m_context(context)
    , m_window(window)
    , m_commands(commands)
    , m_title(title)
    , m_hooks(std::move(hooks))
    , m_sounds(std::make_unique<GameSounds>(context))
    , m_favs(std::make_unique<FavSession>(context.dataFolder, game))
{
    m_chooseBackColour = [this](const QString& body) {
        return Frm_color::choose(&m_window, m_context, body, m_window.windowIcon());
    };
    m_chooseOptions = [this](OptionsModel& model) { return OptionsDialog::edit(&m_window, model); };
    m_game = game;
    m_companions = new GameCompanions(context, commands,
        game == Game::Jigsaw ? GameCompanions::Game::Jigsaw : GameCompanions::Game::Sliding, this);
    m_companions->setProgramIcon(Artwork::programIcon());
    m_window.setWindowIcon(Artwork::programIcon());
    m_timer.setInterval(ClockInterval);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_hooks.tick(); });
    m_window.installEventFilter(this);
}

GameWindowShell::~GameWindowShell()
{
    // The companions ask the game window for its picture and captions: they go first.
    delete m_companions;
}

void GameWindowShell::firstGame(QString& commandLinePicture, const std::function<bool(const QString&)>& open,
    const std::function<bool()>& resume, const std::function<void()>& start)
{
    const QString first = std::exchange(commandLinePicture, QString());
    if (!first.isEmpty() && open(first))
        return;
    if (!resume())
        start();
}

void GameWindowShell::load(const QRect& outer, bool placeToo)
{
    m_companions->onGameLoad();
    m_context.setSoundPaths();
    if (placeToo)
        ScreenFit::setOuterGeometry(&m_window, outer);
    else if (!outer.isEmpty())
        m_window.resize(ScreenFit::innerOf(outer, ScreenFit::decoration(&m_window)).size());
    ScreenFit::keepOnScreenWhenFramed(&m_window);
    PlayerOptionsStore& options = m_context.playerOptions();
    if (m_hooks.setAnimations) {
        m_hooks.setAnimations(options.animations());
        connect(&options, &PlayerOptionsStore::animationsChanged, this, [this](bool on) { m_hooks.setAnimations(on); });
    }
    const QString problem = options.takeLoadProblem();
    if (!problem.isEmpty() && m_context.messages)
        m_context.messages->inform(&m_window, QStringLiteral("Options"), problem, MessageIcon::Warning);
}

void GameWindowShell::playJingle()
{
    m_jingle = m_sounds->makeMedia();
    m_sounds->playJingle(*m_jingle);
}

void GameWindowShell::activate()
{
    if (m_activated)
        return;
    m_activated = true;
    if (m_commands.operationsMenuEnabled())
        m_hooks.startFirstGame();
    m_companions->onFirstActivation();
}

void GameWindowShell::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_timer.stop();
    if (m_jingle)
        m_jingle->mmClose();
    if (m_hooks.unload)
        m_hooks.unload();
    QFile::remove(m_context.filePath(DataFile::WorkingPicture));
    QFile::remove(m_context.filePath(DataFile::WorkingBitmap));
    m_companions->closeAll();
}

bool GameWindowShell::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::WindowStateChange:
            m_companions->onGameWindowMinimised(m_window.isMinimized());
            break;
        case QEvent::WindowActivate:
            activate();
            break;
        case QEvent::Close:
            unload();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

const QString& GameWindowShell::readPrefs()
{
    m_record = m_favs->read(*m_context.random);
    showSoundCaption();
    return m_record;
}

void GameWindowShell::soundSwitch()
{
    m_record = m_favs->update(m_record, FavChange::sound());
    showSoundCaption();
    showTitle();
}

QString GameWindowShell::soundCaption() const
{
    return SoundSwitch::caption(m_record);
}

// The menu entry and tool button 3 name the S the game uses now.
void GameWindowShell::showSoundCaption()
{
    m_hooks.setSoundCaption(soundCaption());
    m_companions->soundCaptionChanged();
}

bool GameWindowShell::chooseBackColour()
{
    const QString chosen = m_chooseBackColour(FavFields::backgroundBody(m_record));
    if (BackColourResult::isCancel(chosen))
        return false;
    m_record = m_favs->update(m_record, FavChange::background(chosen));
    showTitle();
    return true;
}

bool GameWindowShell::chooseOptions()
{
    PlayerOptionsStore& store = m_context.playerOptions();
    OptionsModel model(m_game, m_record, store.animations());
    if (!m_chooseOptions(model))
        return false;
    QStringList problems;
    const QList<FavChange> changes = model.changes();
    for (const FavChange& change : changes) {
        FavSave status = FavSave::Saved;
        m_record = m_favs->update(m_record, change, &status);
        if (status != FavSave::Saved && problems.isEmpty())
            problems << QStringLiteral("The options cannot be saved in \"%1\"; they hold until the program ends.")
                            .arg(QDir::toNativeSeparators(favFilePath(m_context.dataFolder)));
    }
    QString problem;
    if (model.animations() != store.animations() && !store.setAnimations(model.animations(), &problem))
        problems << problem;
    if (!problems.isEmpty() && m_context.messages)
        m_context.messages->inform(
            &m_window, QStringLiteral("Options"), problems.join(u'\n'), MessageIcon::Warning);
    showSoundCaption();
    showTitle();
    return !changes.isEmpty();
}

void GameWindowShell::showTitle()
{
    m_window.setWindowTitle(m_favs->caption(m_title, m_context.strings));
}

void GameWindowShell::showBackColourText(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Window, LabelContrast::plateFor(colour));
    label->setPalette(palette);
}

bool GameWindowShell::confirmNewGame(const GameModel& game)
{
    const StringTable& s = m_context.strings;
    return !game.needsNewGameQuestion()
        || m_context.messages->askYesNo(
            &m_window, s.text(StringTable::Question), s.text(StringTable::AnotherNewGame), MessageIcon::Question);
}

void GameWindowShell::announceTimeEnd()
{
    const StringTable& s = m_context.strings;
    m_context.messages->inform(
        &m_window, s.text(StringTable::Prompt), s.text(StringTable::TimeEndGameOver), MessageIcon::Critical);
}

void GameWindowShell::congratulate(const QString& text)
{
    m_context.messages->inform(
        &m_window, m_context.strings.text(StringTable::Congratulate), text, MessageIcon::Information);
}

void GameWindowShell::setClockDisplays(QLabel* time, QLabel* pause, QLabel* timeEnd)
{
    m_time = time;
    m_pause = pause;
    m_timeEnd = timeEnd;
    m_pause->setText(GameModel::pauseText());
    m_timeEnd->setText(GameModel::timeEndText());
    m_pause->hide();
    m_timeEnd->hide();
}

void GameWindowShell::showClock(const GameModel& game)
{
    m_time->setText(game.timeText());
    for (auto [banner, shown] : { std::pair { m_pause, game.isPaused() }, std::pair { m_timeEnd, game.isTimeEnded() } }) {
        banner->setVisible(shown);
        if (shown)
            banner->raise();
    }
    if (!game.isRunning())
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start();
}
