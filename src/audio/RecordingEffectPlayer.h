// RecordingEffectPlayer.h: an effect player for tests that records every call.
#pragma once

#include "EffectPlayer.h"

#include <QList>
#include <QStringList>

class RecordingEffectPlayer : public EffectPlayer
{
public:
    struct Call
    {
        QString file;
        unsigned flags = 0;
        bool operator==(const Call&) const = default;
    };

    bool sndPlaySoundA(const QString& file, unsigned flags) override;

    const QList<Call>& calls() const { return m_calls; }
    void clear() { m_calls.clear(); }
    // What sndPlaySoundA returns (true unless set otherwise), e.g. false to act as a busy device.
    void setResult(bool started) { m_result = started; }
    // When set, each call is also appended to journal as "effect: <file> <flags>".
    void setJournal(QStringList* journal) { m_journal = journal; }

private:
    QList<Call> m_calls;
    bool m_result = true;
    QStringList* m_journal = nullptr;
};
