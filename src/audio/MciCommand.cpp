// MciCommand.cpp: parsing the command strings of the device layer.
#include "MciCommand.h"

#include <optional>

namespace {
std::optional<MciCommand::Verb> verbOf(const QString& word)
{
    static const struct {
        const char16_t* name;
        MciCommand::Verb verb;
    } verbs[] = {
        { u"open", MciCommand::Verb::Open },   { u"play", MciCommand::Verb::Play },
        { u"pause", MciCommand::Verb::Pause }, { u"stop", MciCommand::Verb::Stop },
        { u"seek", MciCommand::Verb::Seek },   { u"close", MciCommand::Verb::Close },
        { u"status", MciCommand::Verb::Status },
    };
    for (const auto& entry : verbs) {
        if (word.compare(QStringView(entry.name), Qt::CaseInsensitive) == 0)
            return entry.verb;
    }
    return std::nullopt;
}

bool isFlag(const QString& word) { return word == u"wait" || word == u"notify"; }
} // namespace

QStringList MciCommand::tokenize(const QString& command, bool* ok)
{
    QStringList words;
    QString word;
    bool inQuotes = false;
    bool quotedWord = false;
    for (const QChar c : command) {
        if (c == u'"') {
            inQuotes = !inQuotes;
            quotedWord = true;
        } else if (!inQuotes && c.isSpace()) {
            if (!word.isEmpty() || quotedWord)
                words.append(word);
            word.clear();
            quotedWord = false;
        } else {
            word.append(c);
        }
    }
    if (!word.isEmpty() || quotedWord)
        words.append(word);
    if (ok)
        *ok = !inQuotes;
    return words;
}

int MciCommand::parse(const QString& command, MciCommand* out)
{
    bool ok = false;
    const QStringList words = tokenize(command, &ok);
    if (!ok || words.isEmpty())
        return MciDevices::UnrecognizedCommand;
    const auto verb = verbOf(words.first());
    if (!verb)
        return MciDevices::UnrecognizedCommand;
    if (words.size() < 2 || words[1].isEmpty())
        return MciDevices::MissingParameter;

    MciCommand parsed;
    parsed.verb = *verb;
    parsed.target = words[1];
    parsed.alias = words[1];
    for (qsizetype i = 2; i < words.size(); ++i) {
        const QString word = words[i].toLower();
        const bool hasValue = i + 1 < words.size();
        if (isFlag(word) && parsed.verb != Verb::Status) {
            parsed.wait = parsed.wait || word == u"wait";
        } else if (parsed.verb == Verb::Open && (word == u"alias" || word == u"type")) {
            if (!hasValue)
                return MciDevices::MissingParameter;
            (word == u"alias" ? parsed.alias : parsed.type) = words[++i];
            if (word == u"type")
                parsed.type = parsed.type.toLower();
        } else if (parsed.verb == Verb::Seek && word == u"to" && parsed.argument.isEmpty()) {
            if (!hasValue)
                return MciDevices::MissingParameter;
            parsed.argument = words[++i].toLower();
        } else if (parsed.verb == Verb::Status && parsed.argument.isEmpty()) {
            parsed.argument = word;
        } else {
            return MciDevices::UnrecognizedKeyword;
        }
    }
    const bool needsArgument = parsed.verb == Verb::Seek || parsed.verb == Verb::Status;
    if (parsed.alias.isEmpty() || (needsArgument && parsed.argument.isEmpty()))
        return MciDevices::MissingParameter;
    *out = parsed;
    return MciDevices::Ok;
}
