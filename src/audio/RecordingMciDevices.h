// RecordingMciDevices.h: a device layer for tests that records every command string.
//
// Like the real layer it keeps track of open aliases: an Open under an alias that is already
// open fails with AliasTaken, and commands to it are still recorded. Replies and results can be
// scripted per exact command string.
#pragma once

#include "MciDevices.h"

#include <QHash>
#include <QSet>
#include <QStringList>

class RecordingMciDevices : public MciDevices
{
public:
    int sendString(const QString& command, QString* reply) override;

    // Every command string sent, in order.
    const QStringList& commands() const { return m_commands; }
    void clear() { m_commands.clear(); }
    // Lower-case aliases opened and not yet closed.
    const QSet<QString>& openAliases() const { return m_open; }

    // The reply and result that command (matched exactly) gets from now on.
    void setReply(const QString& command, const QString& reply, int result = Ok);
    // When set, each command is also appended to journal as "mci: <command>", so that a test can
    // see its order against other recorded calls.
    void setJournal(QStringList* journal) { m_journal = journal; }

private:
    struct Answer
    {
        QString reply;
        int result = Ok;
    };
    QStringList m_commands;
    QHash<QString, Answer> m_answers;
    QSet<QString> m_open;
    QStringList* m_journal = nullptr;
};
