// OptionsModel.h: what the Options dialog shows and changes, without the dialog: the game's
// fav.dll fields as the player sees them (on/off, a shape style) and the Animations option.
#pragma once

#include "FavRecord.h"

#include <QList>
#include <QString>

class OptionsModel {
public:
    // One choice of the dialog, bound to a field of the game's line.
    struct Field {
        QChar letter;
        QString label;
        // Check box: the record's rule for "on" decides the box; on is written 1, off 0.
        // Style (P): 0 a random style each game, 1 .. MaxStyle the chosen one.
        bool isStyle = false;
    };
    static constexpr int MaxStyle = 11;

    // record: the window's current record; animations: the player's Animations option.
    OptionsModel(Game game, const QString& record, bool animations);

    Game game() const { return m_game; }
    const QList<Field>& fields() const { return m_fields; }
    // The value shown for letter: 0 / 1 for a check box, 0 .. MaxStyle for the style.
    int value(QChar letter) const;
    void setValue(QChar letter, int value);
    bool animations() const { return m_animations; }
    void setAnimations(bool on) { m_animations = on; }

    // The field changes that make the record say what the dialog shows, in the dialog's order;
    // a field already read that way is left alone (its stored bytes stay as they are).
    QList<FavChange> changes() const;

    // How the record reads field letter, as the dialog shows it.
    static int shownValue(QChar letter, const QString& record);
    // The caption of style value (0: "Random each game").
    static QString styleCaption(int value);

private:
    qsizetype indexOf(QChar letter) const;

    Game m_game;
    QString m_record;
    QList<Field> m_fields;
    QList<int> m_values;
    bool m_animations = true;
};
