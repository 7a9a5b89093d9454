// SlidingMessage.h: a message box the sliding game asks its window to show, by string-table ids.
#pragma once

#include "MessageBoxes.h"
#include "StringTable.h"

#include <QString>

struct SlidingMessage {
    int textId = 0;
    int titleId = 0;
    // Appended to the text of textId (the completion's steps, time and score).
    QString suffix;
    MessageIcon icon = MessageIcon::None;
    // A Yes/No question rather than a message with an OK button.
    bool question = false;

    QString text(const StringTable& strings) const { return strings.text(textId) + suffix; }
    QString title(const StringTable& strings) const { return strings.text(titleId); }

    // "Another new game?" / "Question", Yes and No.
    static SlidingMessage newGameQuestion()
    {
        return { StringTable::AnotherNewGame, StringTable::Question, {}, MessageIcon::Question, true };
    }
    // "Time End ,Game Over!" / "prompt", error icon.
    static SlidingMessage timeEnd()
    {
        return { StringTable::TimeEndGameOver, StringTable::Prompt, {}, MessageIcon::Critical, false };
    }
    // "Well done!" + suffix / "Congratulate", information icon.
    static SlidingMessage congratulation(const QString& suffix)
    {
        return { StringTable::WellDone, StringTable::Congratulate, suffix, MessageIcon::Information, false };
    }
};
