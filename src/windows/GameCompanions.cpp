// GameCompanions.cpp: opening, hiding and closing the companion windows of one game window.
#include "GameCompanions.h"

#include "AppContext.h"
#include "FrmHelp.h"
#include "Frm_EyesPreview.h"
#include "Frm_LogicPreview.h"
#include "Frm_jigsawtool.h"
#include "Frm_tool.h"
#include "GameCommands.h"
#include "ScreenFit.h"
#include "frmAbout.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>

struct GameCompanions::Windows {
    QPointer<ToolWindow> tool;
    QPointer<PreviewWindow> preview;
    QPointer<FrmHelp> help;
    QIcon programIcon;
    bool minimised = false;
};

namespace {
// A window that has been closed is only waiting for its deferred deletion: treat it as gone.
template <typename Window> Window* loaded(const QPointer<Window>& window)
{
    return window && !window->isUnloaded() ? window.data() : nullptr;
}
} // namespace

GameCompanions::GameCompanions(AppContext& context, GameCommands& game, Game which, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_game(game)
    , m_which(which)
    , m_windows(std::make_unique<Windows>())
{
}

GameCompanions::~GameCompanions()
{
    closeAll();
    // The windows keep references to the game; none may outlive this object.
    delete m_windows->tool.data();
    delete m_windows->preview.data();
    delete m_windows->help.data();
}

void GameCompanions::onGameLoad()
{
    m_context.previewOpen = false;
    m_context.toolOpen = false;
}

void GameCompanions::onFirstActivation()
{
    if (!m_context.toolOpen)
        showToolbar();
    if (!m_context.previewOpen) {
        // Loaded even without a picture: it stays hidden until one arrives.
        ensurePreview();
        revealPreview();
    }
    if (QWidget* game = m_game.gameWindow())
        game->activateWindow();
}

void GameCompanions::onGameWindowMinimised(bool minimised)
{
    m_windows->minimised = minimised;
    if (ToolWindow* tool = loaded(m_windows->tool))
        tool->setVisible(!minimised);
    if (loaded(m_windows->preview)) {
        if (minimised)
            m_windows->preview->hide();
        else
            revealPreview();
    }
}

void GameCompanions::showPreview()
{
    if (m_which == Game::Jigsaw && m_game.previewPicture().isNull())
        return;
    ensurePreview();
    revealPreview();
}

void GameCompanions::pictureChanged()
{
    if (PreviewWindow* preview = loaded(m_windows->preview)) {
        preview->Loadform();
        revealPreview();
    }
}

void GameCompanions::showToolbar()
{
    ensureTool();
    m_windows->tool->show();
    m_windows->tool->raise();
}

void GameCompanions::soundCaptionChanged()
{
    if (ToolWindow* tool = loaded(m_windows->tool))
        tool->refreshSoundCaption();
}

void GameCompanions::setProgramIcon(const QIcon& icon)
{
    m_windows->programIcon = icon;
}

void GameCompanions::showAbout()
{
    const QIcon icon = m_windows->programIcon.isNull() ? QApplication::windowIcon() : m_windows->programIcon;
    auto* box = new frmAbout(icon, m_context.dataFolder, m_game.gameWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    ScreenFit::keepOnScreenWhenFramed(box);
    box->show();
}

void GameCompanions::showHelp()
{
    if (!loaded(m_windows->help)) {
        m_windows->help = new FrmHelp(m_context.strings.language(), m_game.gameWindow());
        ScreenFit::keepOnScreenWhenFramed(m_windows->help);
    }
    m_windows->help->show();
    m_windows->help->raise();
    m_windows->help->activateWindow();
}

void GameCompanions::closeAll()
{
    if (ToolWindow* tool = loaded(m_windows->tool))
        tool->close();
    if (PreviewWindow* preview = loaded(m_windows->preview))
        preview->close();
    if (FrmHelp* help = loaded(m_windows->help))
        help->close();
}

QWidget* GameCompanions::toolWindow() const
{
    return loaded(m_windows->tool);
}
QWidget* GameCompanions::previewWindow() const
{
    return loaded(m_windows->preview);
}
QWidget* GameCompanions::helpWindow() const
{
    return loaded(m_windows->help);
}

void GameCompanions::ensureTool()
{
    if (loaded(m_windows->tool))
        return;
    QWidget* game = m_game.gameWindow();
    if (m_which == Game::Sliding)
        m_windows->tool = new Frm_tool(m_context, m_game, game);
    else
        m_windows->tool = new Frm_jigsawtool(m_context, m_game, game);
}

void GameCompanions::ensurePreview()
{
    if (loaded(m_windows->preview))
        return;
    QWidget* game = m_game.gameWindow();
    if (m_which == Game::Sliding)
        m_windows->preview = new Frm_LogicPreview(m_context, m_game, game);
    else
        m_windows->preview = new Frm_EyesPreview(m_context, m_game, game);
}

// The preview shows itself when it has a picture, unless the game window is minimised.
void GameCompanions::revealPreview()
{
    PreviewWindow* preview = loaded(m_windows->preview);
    if (!preview)
        return;
    if (m_windows->minimised)
        preview->hide();
    else
        preview->Form_Activate();
}
