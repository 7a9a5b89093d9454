// GameRecord.cpp: a record's line in the records file (format at the top of GameRecord.h).
#include "GameRecord.h"

#include <QCryptographicHash>
#include <QUrl>

namespace {

const QString Header = QStringLiteral("QuarryRecords");
constexpr int MaxNumber = 1000000000;

// A whole decimal number in [low, high] with no sign other than a leading '-' and no spaces.
std::optional<qint64> number(QStringView text, qint64 low, qint64 high)
{
    if (text.isEmpty() || text.size() > 12)
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!(c.isDigit() && c.unicode() < 128) && !(i == 0 && c == u'-' && text.size() > 1))
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

// "x0" / "x1" with the given letter.
std::optional<bool> flag(QStringView text, QChar letter)
{
    if (text.size() != 2 || text[0] != letter || (text[1] != u'0' && text[1] != u'1'))
        return std::nullopt;
    return text[1] == u'1';
}

bool isHash(QStringView text)
{
    if (text.size() != 40)
        return false;
    for (QChar c : text)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return false;
    return true;
}

// "yyyy-MM-ddTHH:mm:ssZ", read by hand: a general date parser costs more than the rest of a line.
QDateTime readWhen(QStringView text)
{
    static constexpr char16_t Pattern[] = u"dddd-dd-ddTdd:dd:ddZ";
    if (text.size() != 20)
        return {};
    for (int i = 0; i < 20; ++i) {
        const char16_t c = text[i].unicode();
        if (Pattern[i] == u'd' ? (c < u'0' || c > u'9') : c != Pattern[i])
            return {};
    }
    const auto at = [&](int i, int n) {
        int v = 0;
        for (int k = i; k < i + n; ++k)
            v = v * 10 + (text[k].unicode() - u'0');
        return v;
    };
    const QDate date(at(0, 4), at(5, 2), at(8, 2));
    const QTime time(at(11, 2), at(14, 2), at(17, 2));
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

bool readPicture(QStringView text, GameRecord& r)
{
    if (text.size() >= 2 && text[0] == u'b') {
        const auto n = number(text.mid(1), 0, 99);
        if (!n || text[1] == u'-')
            return false;
        r.builtInPicture = int(*n);
        return true;
    }
    if (text.size() < 43 || text[0] != u'f' || text[41] != u':' || !isHash(text.mid(1, 40)))
        return false;
    const QByteArray encoded = text.mid(42).toLatin1();
    if (encoded.contains('?') || QString::fromLatin1(encoded) != text.mid(42))
        return false;
    r.builtInPicture = -1;
    r.pictureHash = text.mid(1, 40).toString();
    r.pictureFile = QUrl::fromPercentEncoding(encoded);
    return !r.pictureFile.isEmpty();
}

bool readSize(QStringView text, GameRecord& r)
{
    if (r.game == RecordGame::Logic) {
        if (text.size() < 2 || text[0] != u'g')
            return false;
        const auto n = number(text.mid(1), 3, 10);
        if (!n)
            return false;
        r.gridSize = int(*n);
        return true;
    }
    if (text.size() < 2 || text[0] != u'l')
        return false;
    const QList<QStringView> parts = text.mid(1).split(u':');
    if (parts.size() != 3)
        return false;
    const auto code = number(parts[0], 0, 99999);
    const auto pieces = number(parts[1], 1, 100000);
    const auto family = number(parts[2], 0, 999);
    if (!code || !pieces || !family)
        return false;
    r.levelCode = int(*code);
    r.pieceCount = int(*pieces);
    r.shapeFamily = int(*family);
    return true;
}

} // namespace

QString GameRecord::pictureField() const
{
    if (builtInPicture >= 0)
        return QStringLiteral("b%1").arg(builtInPicture);
    return QStringLiteral("f%1:%2").arg(pictureHash, QString::fromLatin1(QUrl::toPercentEncoding(pictureFile)));
}

QString GameRecord::sizeField() const
{
    if (game == RecordGame::Logic)
        return QStringLiteral("g%1").arg(gridSize);
    return QStringLiteral("l%1:%2:%3").arg(levelCode).arg(pieceCount).arg(shapeFamily);
}

QString GameRecord::boardKey() const
{
    // The player's picture counts by its content, whatever its name.
    QString key = game == RecordGame::Logic ? QStringLiteral("L ") : QStringLiteral("J ");
    key += builtInPicture >= 0 ? u'b' + QString::number(builtInPicture) : u'f' + pictureHash;
    if (game == RecordGame::Logic)
        key += QStringLiteral(" g") + QString::number(gridSize);
    else
        key += QStringLiteral(" l") + QString::number(levelCode) + u':' + QString::number(pieceCount) + u':'
            + QString::number(shapeFamily);
    key += rotation ? QStringLiteral(" r1") : QStringLiteral(" r0");
    return key;
}

QString GameRecord::toLine() const
{
    QStringList fields{QStringLiteral("R%1").arg(lineVersion()),
                       when.toUTC().toString(Qt::ISODate),
                       game == RecordGame::Logic ? QStringLiteral("L") : QStringLiteral("J"),
                       finished ? QStringLiteral("done") : QStringLiteral("timeout"),
                       pictureField(),
                       sizeField(),
                       QStringLiteral("r%1").arg(int(rotation)),
                       QStringLiteral("s%1").arg(int(swapMode)),
                       QString::number(seconds),
                       QString::number(moves),
                       QString::number(score)};
    if (hints > 0)
        fields.append(QStringLiteral("h%1").arg(hints));
    return fields.join(u' ');
}

std::optional<GameRecord> GameRecord::fromLine(QStringView line)
{
    const QList<QStringView> f = line.split(u' ');
    const bool counted = f.size() == 12 && f[0] == u"R2";
    if (!counted && (f.size() != 11 || f[0] != u"R1"))
        return std::nullopt;
    GameRecord r;
    r.when = readWhen(f[1]);
    if (!r.when.isValid())
        return std::nullopt;
    if (f[2] == u"L")
        r.game = RecordGame::Logic;
    else if (f[2] == u"J")
        r.game = RecordGame::Jigsaw;
    else
        return std::nullopt;
    if (f[3] == u"done")
        r.finished = true;
    else if (f[3] == u"timeout")
        r.finished = false;
    else
        return std::nullopt;
    if (!readPicture(f[4], r) || !readSize(f[5], r))
        return std::nullopt;
    const auto rotation = flag(f[6], u'r');
    const auto swap = flag(f[7], u's');
    const auto seconds = number(f[8], 0, MaxNumber);
    const auto moves = number(f[9], 0, MaxNumber);
    const auto score = number(f[10], -100LL * MaxNumber, 100LL * MaxNumber);
    if (!rotation || !swap || !seconds || !moves || !score)
        return std::nullopt;
    r.rotation = *rotation;
    r.swapMode = *swap;
    r.seconds = int(*seconds);
    r.moves = int(*moves);
    r.score = *score;
    if (counted) {
        const auto hints = f[11].startsWith(u'h') ? number(f[11].mid(1), 0, MaxNumber) : std::nullopt;
        if (!hints || f[11][1] == u'-')
            return std::nullopt;
        r.hints = int(*hints);
    }
    return r;
}

QString GameRecord::headerLine(int version) { return Header + QStringLiteral(" %1").arg(version); }

bool GameRecord::isKnownHeader(QStringView line)
{
    if (!line.startsWith(Header + u' '))
        return false;
    const auto version = number(line.mid(Header.size() + 1), 1, FormatVersion);
    return version.has_value();
}

QString GameRecord::hashOf(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

bool GameRecord::beats(const GameRecord& other) const
{
    if (score != other.score)
        return score > other.score;
    if (seconds != other.seconds)
        return seconds < other.seconds;
    return when < other.when;
}
