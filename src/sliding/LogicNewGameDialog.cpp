// LogicNewGameDialog.cpp: the Logic puzzle's "New game…" dialog.
#include "LogicNewGameDialog.h"

#include "SlidingBoard.h"

#include <QComboBox>
#include <QFormLayout>

LogicNewGameDialog::LogicNewGameDialog(const BuiltInPictures& pictures, const PictureOpening* opening,
    const GameChoices::Logic& current, QWidget* parent)
    : NewGameDialog(pictures, opening, current.picture, parent)
{
    QList<std::pair<QString, int>> sizes { { QStringLiteral("Random each game"), 0 } };
    for (int n = SlidingBoard::MinGridSize; n <= SlidingBoard::MaxGridSize; ++n)
        sizes.append(std::pair(QStringLiteral("%1 × %1").arg(n), n));
    m_size = choiceBox(sizes, current.size, this);
    m_size->setObjectName(QStringLiteral("size"));
    addRow(QStringLiteral("&Board:"), m_size);
}

GameChoices::Logic LogicNewGameDialog::choice() const
{
    return { picture(), valueOf(m_size) };
}
