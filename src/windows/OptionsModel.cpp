// OptionsModel.cpp: the dialog's fields read from a record and turned back into field changes.
#include "OptionsModel.h"

#include "FavFields.h"
#include "Fields.h"

OptionsModel::OptionsModel(Game game, const QString& record, bool animations)
    : m_game(game)
    , m_record(record)
    , m_animations(animations)
{
    if (game == Game::Sliding)
        m_fields = { { u'M', QStringLiteral("Swap mode (right-click two tiles to exchange them)") },
            { u'L', QStringLiteral("Tile numbers") }, { u'K', QStringLiteral("Tile borders") },
            { u'S', QStringLiteral("Sound") } };
    else
        m_fields = { { u'R', QStringLiteral("Rotation (right-click a piece to turn it)") },
            { u'P', QStringLiteral("Shape style"), true }, { u'S', QStringLiteral("Sound") } };
    for (const Field& f : m_fields)
        m_values.append(shownValue(f.letter, record));
}

int OptionsModel::shownValue(QChar letter, const QString& record)
{
    switch (letter.unicode()) {
    case u'L': return FavFields::tileNumbersOn(record) ? 1 : 0;
    case u'K': return FavFields::tileBordersOn(record) ? 1 : 0;
    case u'P': {
        // Any value outside 1 .. MaxStyle picks a style at random, as 0 does.
        const int style = Fields::fieldInt(record, u'P');
        return style >= 1 && style <= MaxStyle ? style : 0;
    }
    default: return Fields::fieldValue(record, letter) != 0.0 ? 1 : 0;
    }
}

QString OptionsModel::styleCaption(int value)
{
    return value == 0 ? QStringLiteral("Random each game") : QStringLiteral("Style %1").arg(value);
}

qsizetype OptionsModel::indexOf(QChar letter) const
{
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].letter == letter)
            return i;
    return -1;
}

int OptionsModel::value(QChar letter) const
{
    const qsizetype i = indexOf(letter);
    return i < 0 ? 0 : m_values[i];
}

void OptionsModel::setValue(QChar letter, int value)
{
    const qsizetype i = indexOf(letter);
    if (i < 0)
        return;
    const int top = m_fields[i].isStyle ? MaxStyle : 1;
    m_values[i] = qBound(0, value, top);
}

QList<FavChange> OptionsModel::changes() const
{
    QList<FavChange> list;
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        const QChar letter = m_fields[i].letter;
        if (shownValue(letter, m_record) != m_values[i])
            list.append(FavChange::field(letter, QString::number(m_values[i])));
    }
    return list;
}
