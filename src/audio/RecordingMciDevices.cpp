// RecordingMciDevices.cpp: recording, scripted answers and alias bookkeeping.
#include "RecordingMciDevices.h"

#include "MciCommand.h"

int RecordingMciDevices::sendString(const QString& command, QString* reply)
{
    m_commands.append(command);
    if (m_journal)
        m_journal->append(QStringLiteral("mci: ") + command);
    if (reply)
        reply->clear();

    MciCommand parsed;
    if (MciCommand::parse(command, &parsed) == Ok) {
        const QString alias = parsed.alias.toLower();
        if (parsed.verb == MciCommand::Verb::Open) {
            if (m_open.contains(alias))
                return AliasTaken;
            m_open.insert(alias);
        } else if (parsed.verb == MciCommand::Verb::Close) {
            m_open.remove(alias);
        }
    }
    const auto answer = m_answers.constFind(command);
    if (answer == m_answers.cend())
        return Ok;
    if (reply)
        *reply = answer->reply;
    return answer->result;
}

void RecordingMciDevices::setReply(const QString& command, const QString& reply, int result)
{
    m_answers.insert(command, { reply, result });
}
