// FavSession.cpp: changes the preferences file did not take, kept for the window.
#include "FavSession.h"

#include "FavFields.h"
#include "StringTable.h"

#include <QDir>

FavSession::FavSession(const QString& dataFolder, Game game)
    : m_folder(dataFolder)
    , m_game(game)
{
}

QString FavSession::read(RandomSource& random) const
{
    return overlay(ReadFavRecord(m_folder, m_game, random));
}

QString FavSession::overlay(QString record) const
{
    if (m_body && FavFields::backgroundBody(record) != *m_body)
        record = applyFavChange(record, FavChange::background(*m_body));
    if (m_sound && FavFields::soundOn(record) != *m_sound)
        record = applyFavChange(record, FavChange::sound());
    for (const auto& [letter, value] : m_fields)
        record = applyFavChange(record, FavChange::field(letter, value));
    return record;
}

QString FavSession::update(const QString& currentRecord, const FavChange& change, FavSave* statusOut)
{
    FavSave unused = FavSave::Saved;
    FavSave& status = statusOut ? *statusOut : unused;
    if (change.kind == FavChange::Kind::Field)
        return updateField(currentRecord, change, status);
    const bool sound = change.kind == FavChange::Kind::Sound;
    const QString wanted = applyFavChange(currentRecord, change);
    // While the window holds a value the file did not take, the change is made on the file's own
    // line: the window's value is not in the file to be found and replaced.
    QString base = currentRecord;
    if (sound ? m_sound.has_value() : m_body.has_value()) {
        const std::optional<QString> stored = storedFavRecord(m_folder, m_game);
        if (stored && sound && FavFields::soundOn(*stored) == FavFields::soundOn(wanted)) {
            m_sound.reset(); // the file holds it already
            return wanted;
        }
        if (stored)
            base = *stored;
    }
    const QString saved = UpdateFavRecord(m_folder, m_game, base, change, &status);
    switch (status) {
    case FavSave::Saved:
        if (sound)
            m_sound.reset();
        else
            m_body.reset();
        return overlay(saved);
    case FavSave::NoFile:
    case FavSave::Rejected:
        return currentRecord;
    case FavSave::NotRead:
    case FavSave::ReadOnly:
    case FavSave::Failed:
        break;
    }
    if (sound)
        m_sound = FavFields::soundOn(wanted);
    else
        m_body = FavFields::backgroundBody(wanted);
    return wanted;
}

// A field is set where it stands in each line, so the file's line needs no special base.
QString FavSession::updateField(const QString& currentRecord, const FavChange& change, FavSave& status)
{
    if (!favChangeValid(m_game, change)) {
        status = FavSave::Rejected;
        return currentRecord;
    }
    const QString wanted = applyFavChange(currentRecord, change);
    const QString saved = UpdateFavRecord(m_folder, m_game, currentRecord, change, &status);
    switch (status) {
    case FavSave::Saved:
        m_fields.erase(change.letter);
        return overlay(saved);
    case FavSave::Rejected:
        return currentRecord;
    case FavSave::NoFile: // a choice made in the options still holds, unlike the designed switches
    case FavSave::NotRead:
    case FavSave::ReadOnly:
    case FavSave::Failed:
        break;
    }
    m_fields[change.letter] = change.body;
    return wanted;
}

QString FavSession::caption(const QString& title, const StringTable& strings) const
{
    if (!hasUnsavedChanges())
        return title;
    return title + QStringLiteral(" - ")
        + strings.text(StringTable::SettingsNotSaved).arg(QDir::toNativeSeparators(favFilePath(m_folder)));
}
