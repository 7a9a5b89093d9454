// GameChoices.cpp: the choice laid over the preferences record, the picture draw, and the file.
#include "GameChoices.h"

#include "FavFields.h"
#include "RandomSource.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace GameChoices {

namespace {

// record with the value after the first occurrence of letter replaced by value (the letter and
// value appended as a new field when the record has none).
QString withField(QStringView record, QChar letter, int value)
{
    QString text = record.toString();
    const qsizetype at = text.indexOf(letter);
    if (at < 0)
        return text + letter + QString::number(value) + u',';
    qsizetype end = at + 1;
    while (end < text.size() && text.at(end).isDigit())
        ++end;
    return text.replace(at + 1, end - at - 1, QString::number(value));
}

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

constexpr int MaxBuiltIn = 9;

} // namespace

QString logicRecord(const Logic& choice, QStringView record)
{
    if (!inRange(choice.size, 3, 10))
        return record.toString();
    return withField(record, u'D', choice.size - 3);
}

int patternField(int pattern)
{
    return pattern == 1 ? 2 : pattern == 2 ? 1 : pattern;
}

QString jigsawRecord(const Jigsaw& choice, QStringView record)
{
    QString text = record.toString();
    if (inRange(choice.family, 0, 1))
        text = withField(text, u'M', choice.family);
    const bool shapeBoard = FavFields::shapeBoardFamily(text);
    const int size = shapeBoard ? choice.cells : choice.pieces;
    if (inRange(size, 0, 2))
        text = withField(text, u'D', size);
    const int style = shapeBoard ? choice.figure : patternField(choice.pattern);
    if (inRange(style, 1, 11))
        text = withField(text, u'P', style);
    if (inRange(choice.rotation, 0, 1))
        text = withField(text, u'R', choice.rotation);
    return text;
}

int builtInPicture(const Picture& choice, int justPlayed, int count, RandomSource& random)
{
    if (count <= 0)
        return -1;
    if (choice.kind == Picture::Kind::BuiltIn && inRange(choice.builtIn, 0, count - 1))
        return choice.builtIn;
    const int drawn = random.below(count);
    if (drawn != justPlayed || count == 1)
        return drawn;
    const int other = random.below(count - 1);
    return other >= justPlayed ? other + 1 : other;
}

// ---- The file ----

namespace {

QJsonValue pictureJson(const Picture& picture)
{
    switch (picture.kind) {
    case Picture::Kind::BuiltIn:
        return QJsonObject { { QStringLiteral("builtIn"), picture.builtIn } };
    case Picture::Kind::File:
        return QJsonObject { { QStringLiteral("file"), picture.path } };
    case Picture::Kind::Random:
        break;
    }
    return QStringLiteral("random");
}

// Reads o[key] as a whole number low .. high into value; false when it is anything else.
bool readInt(const QJsonObject& o, const char* key, int low, int high, int* value)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (!(d >= low && d <= high) || d != double(int(d)))
        return false;
    *value = int(d);
    return true;
}

bool readPicture(const QJsonValue& v, Picture* picture)
{
    if (v.isString())
        return v.toString() == QLatin1String("random");
    const QJsonObject o = v.toObject();
    if (!v.isObject() || o.size() != 1)
        return false;
    if (o.contains(QLatin1String("builtIn"))) {
        picture->kind = Picture::Kind::BuiltIn;
        return readInt(o, "builtIn", 0, MaxBuiltIn, &picture->builtIn);
    }
    const QString path = o.value(QLatin1String("file")).toString();
    // A path that would not come back the same from the file (a lone surrogate) is not one we wrote.
    if (path.isEmpty() || !QDir::isAbsolutePath(path) || path.contains(QChar(0))
        || QString::fromUtf8(path.toUtf8()) != path)
        return false;
    picture->kind = Picture::Kind::File;
    picture->path = path;
    return true;
}

bool readLogic(const QJsonObject& o, Logic* logic)
{
    return readPicture(o.value(QLatin1String("picture")), &logic->picture)
        && readInt(o, "size", 0, 10, &logic->size) && (logic->size == 0 || logic->size >= 3);
}

bool readJigsaw(const QJsonObject& o, Jigsaw* j)
{
    return readPicture(o.value(QLatin1String("picture")), &j->picture)
        && readInt(o, "family", Random, 1, &j->family) && readInt(o, "pieces", Random, 2, &j->pieces)
        && readInt(o, "cells", Random, 2, &j->cells) && readInt(o, "pattern", 0, 11, &j->pattern)
        && readInt(o, "figure", 0, 11, &j->figure) && readInt(o, "rotation", Random, 1, &j->rotation);
}

} // namespace

QByteArray format(const Choices& c)
{
    const QJsonObject logic { { QStringLiteral("picture"), pictureJson(c.logic.picture) },
        { QStringLiteral("size"), c.logic.size } };
    const Jigsaw& j = c.jigsaw;
    const QJsonObject jigsaw { { QStringLiteral("picture"), pictureJson(j.picture) },
        { QStringLiteral("family"), j.family }, { QStringLiteral("pieces"), j.pieces },
        { QStringLiteral("cells"), j.cells }, { QStringLiteral("pattern"), j.pattern },
        { QStringLiteral("figure"), j.figure }, { QStringLiteral("rotation"), j.rotation } };
    const QJsonObject root { { QStringLiteral("version"), Version }, { QStringLiteral("logic"), logic },
        { QStringLiteral("jigsaw"), jigsaw } };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Choices parse(const QByteArray& bytes, QString* problem)
{
    const auto refuse = [problem](const QString& why) {
        if (problem)
            *problem = why;
        return Choices {};
    };
    if (bytes.size() > MaxFileBytes)
        return refuse(QStringLiteral("it is too large"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refuse(QStringLiteral("it is not a JSON object"));
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("version")).toDouble(-1) != Version)
        return refuse(QStringLiteral("it is not of version %1").arg(Version));
    Choices choices;
    if (!readLogic(root.value(QLatin1String("logic")).toObject(), &choices.logic))
        return refuse(QStringLiteral("its Logic puzzle choice is damaged"));
    if (!readJigsaw(root.value(QLatin1String("jigsaw")).toObject(), &choices.jigsaw))
        return refuse(QStringLiteral("its Jigsaw puzzle choice is damaged"));
    return choices;
}

Choices read(const QString& path, QString* problem)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        if (problem)
            *problem = file.errorString();
        return {};
    }
    return parse(file.read(MaxFileBytes + 1), problem);
}

bool write(const QString& path, const Choices& choices, QString* error)
{
    const QByteArray bytes = format(choices);
    QSaveFile file(path);
    const bool written
        = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}

} // namespace GameChoices
