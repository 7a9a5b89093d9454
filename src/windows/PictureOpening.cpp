// PictureOpening.cpp: chooser, loading, recent list and drops for both game windows.
#include "PictureOpening.h"

#include "AppContext.h"
#include "GameMenu.h"
#include "MessageBoxes.h"
#include "PictureChooser.h"
#include "RecentPictures.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

PictureOpening::PictureOpening(AppContext& context, QWidget* window, Open open)
    : QObject(window)
    , m_context(context)
    , m_window(window)
    , m_open(std::move(open))
    , m_recentMenu(new QMenu(QStringLiteral("Recent pictures"), window))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &PictureOpening::fillRecentMenu);
    fillRecentMenu();
}

QString PictureOpening::choose() const
{
    if (!m_context.pictureChooser)
        return {};
    return m_context.pictureChooser->choose(m_window, pictureStartFolder(recent()));
}

PictureFile::Loaded PictureOpening::load(const QString& path, const PictureFile::Fit& fit) const
{
    PictureFile::Loaded loaded = PictureFile::load(path, fit);
    if (!loaded.ok()) {
        qWarning("%s", qPrintable(loaded.error));
        m_context.messages->inform(
            m_window, m_context.strings.text(StringTable::OpenPicture), loaded.error, MessageIcon::Warning);
        return loaded;
    }
    // A data folder that cannot be written (a read-only copy) only costs the list its entry.
    RecentPictures(m_context.filePath(DataFile::RecentPictures)).add(path);
    return loaded;
}

void PictureOpening::addRecentMenu(const GameMenu& menu) const
{
    const QList<QAction*> entries = menu.operationsMenu()->actions();
    const qsizetype open = entries.indexOf(menu.action(GameCommand::OpenPicture));
    menu.operationsMenu()->insertMenu(open >= 0 ? entries.value(open + 1) : nullptr, m_recentMenu);
}

QStringList PictureOpening::recent() const
{
    return RecentPictures(m_context.filePath(DataFile::RecentPictures)).paths();
}

void PictureOpening::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList paths = recent();
    for (const QString& path : paths) {
        QAction* action = m_recentMenu->addAction(QFileInfo(path).fileName());
        action->setToolTip(path);
        // Queued: the window may ask a question or rebuild its menus, not from inside this menu.
        connect(action, &QAction::triggered, this, [this, path] {
            QMetaObject::invokeMethod(this, [this, path] { m_open(path); }, Qt::QueuedConnection);
        });
    }
    m_recentMenu->setEnabled(!paths.isEmpty());
}

QString PictureOpening::firstPictureFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).isFile() && QImageReader(path).canRead())
            return path;
    }
    return {};
}

bool PictureOpening::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!firstPictureFile(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = firstPictureFile(drop->mimeData());
        if (path.isEmpty())
            return true;
        drop->acceptProposedAction();
        // The drag source waits for the drop to end: the game starts after it.
        QMetaObject::invokeMethod(this, [this, path] { m_open(path); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}
