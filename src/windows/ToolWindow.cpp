// ToolWindow.cpp: building, placing and driving the tool window's buttons.
#include "ToolWindow.h"

#include "AppContext.h"
#include "ColourValue.h"
#include "CompanionLayout.h"
#include "GameCommands.h"
#include "ScreenFit.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QVBoxLayout>

namespace {
// Panel look: a warm light face with raised text buttons.
const QColor kPanelColour(0xEE, 0xE8, 0xDA);
const QColor kButtonColour(0xF8, 0xF5, 0xEE);
constexpr int kButtonMinWidth = 92;
constexpr int kButtonPadding = 3;
constexpr int kPanelMargin = 5;
constexpr int kButtonSpacing = 3;
// About and Exit sit a little apart from the game commands.
constexpr int kGroupGap = 6;
} // namespace

ToolWindow::ToolWindow(AppContext& context, GameCommands& game, Anchor anchor, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_context(context)
    , m_game(game)
    , m_anchor(anchor)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Toolbar"));
    setMouseTracking(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, kPanelColour);
    setPalette(face);
    setAutoFillBackground(true);
    buildButtons();

    m_panel.setOperationsEnabled(m_game.operationsMenuEnabled());
    m_context.toolOpen = true;
    m_panel.setSoundCaption(m_game.soundCaption());
    syncButtons();
    adjustSize();
    placeByGame();
    ScreenFit::keepOnScreenWhenFramed(this);
}

ToolWindow::~ToolWindow()
{
    unload();
}

QLabel* ToolWindow::LblMenu(int index) const
{
    return ToolPanel::isValid(index) ? m_labels[index] : nullptr;
}

void ToolWindow::buildButtons()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    layout->setSpacing(kButtonSpacing);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    QFont font = this->font();
    font.setBold(true);
    for (int i = 0; i < ToolPanel::kCount; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("LblMenu%1").arg(i));
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Raised);
        label->setMargin(kButtonPadding);
        label->setMinimumWidth(kButtonMinWidth);
        label->setAutoFillBackground(true);
        label->setMouseTracking(true);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, kButtonColour);
        label->setPalette(pal);
        if (i > 0 && ToolPanel::isAlwaysEnabled(i) && !ToolPanel::isAlwaysEnabled(i - 1))
            layout->addSpacing(kGroupGap);
        layout->addWidget(label);
        m_labels[i] = label;
    }
}

void ToolWindow::syncButtons()
{
    for (int i = 0; i < ToolPanel::kCount; ++i) {
        QLabel* label = m_labels[i];
        label->setText(m_panel.caption(i));
        label->setEnabled(m_panel.isEnabled(i));
        // Disabled buttons keep the style's grey text.
        const QColor text = ColourValue::toColor(m_panel.textColour(i));
        QPalette pal = label->palette();
        pal.setColor(QPalette::Active, QPalette::WindowText, text);
        pal.setColor(QPalette::Inactive, QPalette::WindowText, text);
        label->setPalette(pal);
    }
}

void ToolWindow::placeByGame()
{
    QWidget* gameWindow = m_game.gameWindow();
    if (!gameWindow)
        return;
    const QRect game = CompanionLayout::toTwips(ScreenFit::outerGeometry(gameWindow));
    const QSize tool = CompanionLayout::toTwips(ScreenFit::outerGeometry(this).size());
    const QPoint at = m_anchor == Anchor::LeftBelowTop ? CompanionLayout::slidingToolPosition(game)
                                                       : CompanionLayout::jigsawToolPosition(game, tool);
    move(CompanionLayout::toPixels(at));
    ScreenFit::keepOnScreen(this);
}

void ToolWindow::refreshSoundCaption()
{
    m_panel.setSoundCaption(m_game.soundCaption());
    syncButtons();
}

void ToolWindow::LblMenu_Click(int index)
{
    if (m_unloaded || !m_panel.isEnabled(index))
        return;
    // The command may close the game window and this one with it; deletion is deferred, but
    // nothing below should touch a window that has been unloaded meanwhile.
    QPointer<ToolWindow> self(this);
    int command = index;
    m_game.PMenu(command);
    if (self && !m_unloaded && index == ToolPanel::kSoundButton)
        refreshSoundCaption();
}

void ToolWindow::LblMenu_MouseMove(int index)
{
    m_panel.pointerOverButton(index);
    syncButtons();
}

void ToolWindow::Form_MouseMove()
{
    m_panel.pointerOverBackground();
    syncButtons();
}

int ToolWindow::indexOf(QObject* object) const
{
    for (int i = 0; i < ToolPanel::kCount; ++i)
        if (m_labels[i] == object)
            return i;
    return -1;
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event)
{
    const int index = indexOf(watched);
    if (index < 0)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        LblMenu_MouseMove(index);
        return true;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_pressed = index;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click = mouse->button() == Qt::LeftButton && m_pressed == index
            && m_labels[index]->rect().contains(mouse->position().toPoint());
        m_pressed = -1;
        if (click)
            LblMenu_Click(index);
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void ToolWindow::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    Form_MouseMove();
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        unload();
}

void ToolWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_context.toolOpen = false;
}
