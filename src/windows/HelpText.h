// HelpText.h: the user guide shown by the Help window, in English and Chinese.
#pragma once

#include "StringTable.h"

#include <QList>
#include <QString>

namespace HelpText {

struct Section {
    QString title;
    QString body;
};

// Introduction, choosing a game, the logic puzzle, the jigsaw puzzle, support: in this order.
QList<Section> sections(StringTable::Language language);

// The whole guide: each section's title on a line of its own above its body, a blank line between sections.
QString guide(StringTable::Language language);

} // namespace HelpText
