// GameSounds.cpp: file choice, sound switch and player for each game sound.
#include "GameSounds.h"

#include "AppContext.h"
#include "EffectPlayer.h"
#include "Fields.h"
#include "RandomSource.h"

namespace {
constexpr int LoginFiles = 4;
constexpr int MoveFiles = 10;
constexpr int TogetherFiles = 2;
constexpr int SuccessFiles = 6;
} // namespace

GameSounds::GameSounds(const AppContext& context, Mmedia::MinuteClock minute)
    : m_context(context)
    , m_minute(std::move(minute))
{
}

std::unique_ptr<Mmedia> GameSounds::makeMedia() const
{
    return std::make_unique<Mmedia>(m_context.mci, m_minute);
}

bool GameSounds::soundOn(QStringView record) { return Fields::fieldValue(record, u'S') != 0; }

void GameSounds::playJingle(Mmedia& media)
{
    media.Wait(false);
    const int d = draw(LoginFiles);
    media.mmOpen(SoundPaths::numbered(m_context.soundPaths.login, d));
    media.mmPlay();
}

bool GameSounds::playMove(QStringView record)
{
    if (!soundOn(record))
        return false;
    return effect(SoundPaths::numbered(m_context.soundPaths.move, draw(MoveFiles)));
}

bool GameSounds::playRotate(QStringView record)
{
    if (!soundOn(record))
        return false;
    return effect(m_context.soundPaths.rotate);
}

bool GameSounds::playJoin(QStringView record)
{
    if (!soundOn(record))
        return false;
    return effect(SoundPaths::numbered(m_context.soundPaths.together, draw(TogetherFiles)));
}

bool GameSounds::playJigsawSuccess(QStringView record, Mmedia& jingle)
{
    if (!soundOn(record))
        return false;
    const bool started = effect(SoundPaths::numbered(m_context.soundPaths.success, draw(SuccessFiles)));
    jingle.mmClose();
    return started;
}

void GameSounds::playSlidingFanfare(QStringView record, Mmedia& fanfare, Mmedia& jingle)
{
    if (!soundOn(record))
        return;
    fanfare.Wait(false);
    const int d = draw(SuccessFiles);
    fanfare.mmOpen(SoundPaths::numbered(m_context.soundPaths.success, d));
    fanfare.mmPlay();
    jingle.mmClose();
}

int GameSounds::draw(int count) const
{
    if (!m_context.random)
        return 0;
    m_context.random->reseed();
    return m_context.random->below(count);
}

bool GameSounds::effect(const QString& file) const
{
    return m_context.effects && m_context.effects->sndPlaySoundA(file, EffectPlayer::GameFlags);
}
