// PictureOpening.h: what both game windows do alike to open the player's own pictures: the
// chooser, loading with a message on refusal, the recent list and its submenu, and file drops.
//
// The window keeps the decisions that are its own (asking "Another new game?", the size its play
// area needs, starting the game); this piece does the rest the same way for both games.
#pragma once

#include "PictureFile.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <functional>

struct AppContext;
class GameMenu;
class QMenu;
class QMimeData;
class QWidget;

class PictureOpening : public QObject
{
    Q_OBJECT
public:
    using Open = std::function<void(const QString& path)>;

    // window: the game window (parent of the chooser and the boxes, target of drops).
    // open: what the window does with a path chosen from the recent list or dropped on it.
    PictureOpening(AppContext& context, QWidget* window, Open open);

    // The file the player chose, "" when they cancelled (or no chooser is installed).
    QString choose() const;
    // path decoded at the size fit gives. A refusal is told to the player (file and reason) and
    // logged; the result then holds no image. A picture opened goes first in the recent list.
    PictureFile::Loaded load(const QString& path, const PictureFile::Fit& fit) const;

    // The recent pictures, most recent first, missing files dropped.
    QStringList recent() const;
    // The "Recent pictures" submenu, refilled each time it opens.
    QMenu* recentMenu() const { return m_recentMenu; }
    // Puts the submenu into menu, right after its "Open picture" entry.
    void addRecentMenu(const GameMenu& menu) const;

    // The first local file of a drop whose content the reader takes for a picture; "" when none.
    static QString firstPictureFile(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillRecentMenu();

    AppContext& m_context;
    QWidget* m_window;
    Open m_open;
    QMenu* m_recentMenu;
};
