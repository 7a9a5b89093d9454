// LogicGameMenu.cpp: the sliding window's menu.
#include "LogicGameMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

struct Entry {
    LogicGameMenu::Command command;
    const char* name;
    QKeySequence key;
    bool separatorBefore;
};

} // namespace

LogicGameMenu::LogicGameMenu(QMenuBar* bar, Runner run)
{
    using C = Command;
    mnu_logicgame = bar->addMenu(QString());
    mnu_logicgame->setObjectName(QStringLiteral("mnu_logicgame"));
    const Entry entries[] = {
        { C::Restart, "mnu_start", QKeySequence(Qt::Key_F2), false },
        { C::Pause, "mnu_pause", QKeySequence(Qt::Key_F3), false },
        { C::Stop, "mnu_stop", QKeySequence(), false },
        { C::BackColor, "mnu_logiccolor", QKeySequence(Qt::Key_F4), false },
        { C::Preview, "mnu_preview", QKeySequence(Qt::Key_F5), false },
        { C::Sound, "mnu_sound", QKeySequence(Qt::Key_F6), false },
        { C::OpenPicture, "mnu_openfile", QKeySequence(Qt::Key_F7), true },
        { C::Option, "mnu_operation", QKeySequence(Qt::Key_F8), false },
        { C::Scoreboard, "mnu_mainjfb", QKeySequence(), false },
        { C::Toolbar, "mnu_toolbar", QKeySequence(), true },
        { C::Help, "mnu_content", QKeySequence(Qt::Key_F1), false },
        { C::About, "mnuabout", QKeySequence(), false },
        { C::Exit, "mnu_exit", QKeySequence(Qt::Key_F12), true },
    };
    for (const Entry& entry : entries) {
        if (entry.separatorBefore)
            mnu_logicgame->addSeparator();
        QAction* action = mnu_logicgame->addAction(QString());
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(entry.key);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, mnu_logicgame, [run, command = entry.command] { run(command); });
        m_actions[entry.command] = action;
    }
    action(C::Toolbar)->setText(QStringLiteral("Toolbar"));
    action(C::Help)->setText(QStringLiteral("Help"));
    action(C::About)->setText(QStringLiteral("About..."));
    mnu_help = bar->addMenu(QString());
    mnu_help->setObjectName(QStringLiteral("mnu_help"));
}

void LogicGameMenu::setCaptions(const StringTable& strings, const QString& soundCaption)
{
    using C = Command;
    mnu_logicgame->setTitle(strings.text(StringTable::LogicPuzzle));
    const std::pair<C, int> captions[] = {
        { C::Restart, StringTable::Restart },
        { C::Pause, StringTable::Pause },
        { C::Stop, StringTable::Stop },
        { C::BackColor, StringTable::BackColor },
        { C::Preview, StringTable::Preview },
        { C::OpenPicture, StringTable::OpenPicture },
        { C::Option, StringTable::Option },
        { C::Scoreboard, StringTable::PuzzleScoreboard },
        { C::Exit, StringTable::Exit },
    };
    for (const auto& [command, id] : captions)
        action(command)->setText(strings.text(id));
    mnu_help->setTitle(strings.text(StringTable::Help));
    setSoundCaption(soundCaption);
}

void LogicGameMenu::setSoundCaption(const QString& caption) { action(Command::Sound)->setText(caption); }
