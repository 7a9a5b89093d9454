// FavSession.h: a game window's preferences over fav.dll for as long as the window lives.
//
// A change the file does not take (a read-only file, one that cannot be read, a failed write) is
// still the player's choice: it holds in the window's record and is laid over every later read,
// instead of showing as made and being undone by the next re-apply. The window then says, once
// and without a modal box, that settings cannot be saved and where the file is.
#pragma once

#include "FavRecord.h"

#include <QString>

#include <map>
#include <optional>

class RandomSource;
class StringTable;

class FavSession {
public:
    FavSession(const QString& dataFolder, Game game);

    // ReadFavRecord, with the changes the file did not take applied again.
    QString read(RandomSource& random) const;
    // UpdateFavRecord of change on currentRecord; returns the window's new record. Without any
    // fav.dll nothing changes, as designed, except for a field change (the Options dialog), which
    // holds for the session like any change the file did not take. status, when given, tells
    // what became of the file.
    QString update(const QString& currentRecord, const FavChange& change, FavSave* status = nullptr);

    // True once a change could not be saved.
    bool hasUnsavedChanges() const { return m_sound.has_value() || m_body.has_value() || !m_fields.empty(); }
    // title, followed by the notice that settings cannot be saved while there are unsaved changes.
    QString caption(const QString& title, const StringTable& strings) const;

private:
    QString overlay(QString record) const;
    QString updateField(const QString& currentRecord, const FavChange& change, FavSave& status);

    QString m_folder;
    Game m_game;
    std::optional<bool> m_sound; // S as the player set it, when the file did not take it
    std::optional<QString> m_body; // B body likewise
    std::map<QChar, QString> m_fields; // field values likewise, by letter
};
