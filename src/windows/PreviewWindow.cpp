// PreviewWindow.cpp: load, resize, activation and unload of the preview windows.
#include "PreviewWindow.h"

#include "AppContext.h"
#include "CompanionLayout.h"
#include "GameCommands.h"
#include "ScreenFit.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>

PreviewWindow::PreviewWindow(AppContext& context, GameCommands& game, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_context(context)
    , m_game(game)
    , m_image(new QLabel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setScaledContents(true);
    resize(CompanionLayout::toPixels(
        QSize(CompanionLayout::kPreviewInitialWidth, CompanionLayout::kPreviewInitialHeight)));

    m_context.previewOpen = true;
    Loadform();
    placeByGame();
    ScreenFit::keepOnScreenWhenFramed(this);
}

PreviewWindow::~PreviewWindow()
{
    unload();
}

void PreviewWindow::Loadform()
{
    QWidget* gameWindow = m_game.gameWindow();
    if (gameWindow)
        setWindowIcon(gameWindow->windowIcon());

    const QImage picture = m_game.previewPicture();
    const QSize inner = CompanionLayout::toTwips(size());
    const int width = CompanionLayout::previewWidth(picture.size(), inner.height(), inner.width());
    resize(CompanionLayout::toPixels(QSize(width, inner.height())));
    m_image->setGeometry(rect());

    setWindowTitle(m_context.strings.text(StringTable::PreviewCaption));
    m_image->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
    // The window flags already keep it above other applications' windows; nothing to redo here.
}

void PreviewWindow::Form_Activate()
{
    if (hasPicture()) {
        show();
        raise();
    } else {
        hide();
    }
}

bool PreviewWindow::hasPicture() const
{
    return !m_image->pixmap().isNull();
}

void PreviewWindow::placeByGame()
{
    QWidget* gameWindow = m_game.gameWindow();
    if (!gameWindow)
        return;
    const QRect game = CompanionLayout::toTwips(ScreenFit::outerGeometry(gameWindow));
    const QSize preview = CompanionLayout::toTwips(ScreenFit::outerGeometry(this).size());
    move(CompanionLayout::toPixels(CompanionLayout::previewPosition(game, preview)));
    ScreenFit::keepOnScreen(this);
}

void PreviewWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_image->setGeometry(rect());
}

void PreviewWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        unload();
}

void PreviewWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Becoming active without a picture (nothing to show yet) hides the window again.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !hasPicture())
        hide();
}

void PreviewWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_context.previewOpen = false;
}
