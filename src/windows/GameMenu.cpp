// GameMenu.cpp: building a game's menu from the command table.
#include "GameMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

bool offeredBy(const GameCommandRow& row, Game game)
{
    using G = GameCommandRow::Games;
    return row.games == G::Both || row.games == (game == Game::Jigsaw ? G::JigsawOnly : G::LogicOnly);
}

QString entryName(const GameCommandRow& row, Game game)
{
    return QString::fromLatin1(game == Game::Jigsaw && row.jigsawName ? row.jigsawName : row.name);
}

QString topMenuName(Game game)
{
    return game == Game::Jigsaw ? QStringLiteral("mnu_eyesgame") : QStringLiteral("mnu_logicgame");
}

int topMenuTitle(Game game)
{
    return game == Game::Jigsaw ? StringTable::JigsawPuzzle : StringTable::LogicPuzzle;
}

} // namespace

GameMenu::GameMenu(QMenuBar* bar, Game game, Runner run)
    : m_game(game)
    , m_run(std::move(run))
{
    m_operations = bar->addMenu(QString());
    m_operations->setObjectName(topMenuName(game));
    for (const GameCommandRow& row : GameCommandTable::Rows) {
        if (!offeredBy(row, game))
            continue;
        if (row.separatorBefore)
            m_operations->addSeparator();
        QAction* action = m_operations->addAction(QString());
        action->setObjectName(entryName(row, game));
        if (row.hasKey())
            action->setShortcut(QKeySequence(row.key));
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(
            action, &QAction::triggered, m_operations, [this, command = row.command] { m_run(command); });
        m_actions[row.command] = action;
    }
    m_help = bar->addAction(QString());
    m_help->setObjectName(QStringLiteral("mnu_help"));
}

QAction* GameMenu::action(GameCommand command) const
{
    const auto found = m_actions.find(command);
    return found == m_actions.end() ? nullptr : found->second;
}

void GameMenu::setCaptions(const StringTable& strings, const QString& soundCaption)
{
    m_operations->setTitle(strings.text(topMenuTitle(m_game)));
    for (const auto& [command, action] : m_actions) {
        const GameCommandRow& row = GameCommandTable::row(command);
        if (row.stringId)
            action->setText(strings.text(row.stringId));
        else if (row.fixedCaption)
            action->setText(QString::fromUtf16(row.fixedCaption));
    }
    m_help->setText(strings.text(StringTable::Help));
    setSoundCaption(soundCaption);
}

void GameMenu::setSoundCaption(const QString& caption)
{
    action(GameCommand::Sound)->setText(caption);
}

bool GameMenu::operationsEnabled() const
{
    return m_operations->menuAction()->isEnabled();
}

void GameMenu::popupIfEnabled(const QPoint& global) const
{
    if (operationsEnabled())
        m_operations->popup(global);
}

bool GameMenu::runFunctionKey(int keyCode) const
{
    if (keyCode == 0)
        return false;
    for (const auto& [command, entry] : m_actions) {
        const GameCommandRow& row = GameCommandTable::row(command);
        if (row.key.keyboardModifiers() == Qt::NoModifier
            && GameCommandTable::functionKeyCode(row.key.key()) == keyCode) {
            if (!entry->isEnabled())
                return false;
            m_run(command);
            return true;
        }
    }
    return false;
}
