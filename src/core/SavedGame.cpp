// SavedGame.cpp: encoding, checking and atomic writing of saved games.
#include "SavedGame.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>

#include <cmath>

namespace SavedGame {

namespace {
constexpr int MaxBuiltIn = 1000;
constexpr qsizetype MaxPathLength = 4096;

void fail(QString* problem, const QString& text)
{
    if (problem)
        *problem = text;
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}
} // namespace

QString gameName(Game game)
{
    return game == Game::Logic ? QStringLiteral("logic") : QStringLiteral("jigsaw");
}

QByteArray encode(const Document& d)
{
    QJsonObject picture;
    if (d.picture.builtIn >= 0) {
        picture.insert(QStringLiteral("builtIn"), d.picture.builtIn);
    } else {
        picture.insert(QStringLiteral("path"), d.picture.path);
        picture.insert(QStringLiteral("sha256"), QString::fromLatin1(d.picture.sha256));
        picture.insert(QStringLiteral("png"), QString::fromLatin1(pngBytes(d.picture.working).toBase64()));
    }
    QJsonObject clock;
    clock.insert(QStringLiteral("seconds"), d.seconds);
    clock.insert(QStringLiteral("paused"), d.paused);
    QJsonObject root;
    root.insert(QStringLiteral("format"), QString::fromLatin1(FormatName));
    root.insert(QStringLiteral("version"), Version);
    root.insert(QStringLiteral("game"), gameName(d.game));
    root.insert(QStringLiteral("picture"), picture);
    root.insert(QStringLiteral("clock"), clock);
    root.insert(QStringLiteral("level"), d.level);
    root.insert(QStringLiteral("state"), d.state);
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

bool readInt(const QJsonObject& o, const QString& key, int low, int high, int* value, QString* problem)
{
    const QJsonValue v = o.value(key);
    const double d = v.toDouble(std::nan(""));
    if (!v.isDouble() || !std::isfinite(d) || d != std::floor(d) || d < low || d > high) {
        fail(problem, QStringLiteral("\"%1\" is not a whole number from %2 to %3.").arg(key).arg(low).arg(high));
        return false;
    }
    *value = static_cast<int>(d);
    return true;
}

bool readBool(const QJsonObject& o, const QString& key, bool* value, QString* problem)
{
    const QJsonValue v = o.value(key);
    if (!v.isBool()) {
        fail(problem, QStringLiteral("\"%1\" is not true or false.").arg(key));
        return false;
    }
    *value = v.toBool();
    return true;
}

bool readDouble(const QJsonObject& o, const QString& key, double low, double high, double* value, QString* problem)
{
    const QJsonValue v = o.value(key);
    const double d = v.toDouble(std::nan(""));
    if (!v.isDouble() || !std::isfinite(d) || d < low || d > high) {
        fail(problem, QStringLiteral("\"%1\" is not a number from %2 to %3.").arg(key).arg(low).arg(high));
        return false;
    }
    *value = d;
    return true;
}

bool readString(const QJsonObject& o, const QString& key, qsizetype maxLength, QString* value, QString* problem)
{
    const QJsonValue v = o.value(key);
    if (!v.isString() || v.toString().size() > maxLength) {
        fail(problem, QStringLiteral("\"%1\" is not a text of at most %2 characters.").arg(key).arg(maxLength));
        return false;
    }
    *value = v.toString();
    return true;
}

namespace {
bool decodePicture(const QJsonObject& o, Picture* picture, QString* problem)
{
    if (o.contains(QStringLiteral("builtIn")))
        return readInt(o, QStringLiteral("builtIn"), 0, MaxBuiltIn, &picture->builtIn, problem);
    QString hash;
    QString png;
    if (!readString(o, QStringLiteral("path"), MaxPathLength, &picture->path, problem)
        || !readString(o, QStringLiteral("sha256"), 64, &hash, problem)
        || !readString(o, QStringLiteral("png"), MaxBytes, &png, problem))
        return false;
    picture->builtIn = -1;
    picture->sha256 = hash.toLatin1();
    const QByteArray bytes = QByteArray::fromBase64(png.toLatin1());
    if (!picture->working.loadFromData(bytes, "PNG") || picture->working.isNull()) {
        fail(problem, QStringLiteral("The saved picture cannot be decoded."));
        return false;
    }
    return true;
}
} // namespace

ReadResult decode(const QByteArray& bytes, Game game)
{
    ReadResult r;
    if (bytes.size() > MaxBytes) {
        r.problem = QStringLiteral("The saved game is too large.");
        return r;
    }
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject()) {
        r.problem = QStringLiteral("The saved game is damaged (not a JSON object).");
        return r;
    }
    const QJsonObject root = json.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(FormatName)) {
        r.problem = QStringLiteral("The file is not a saved game.");
        return r;
    }
    int version = 0;
    if (!readInt(root, QStringLiteral("version"), 1, 1 << 30, &version, &r.problem))
        return r;
    if (version > Version) {
        r.problem = QStringLiteral("The saved game was written by a later version (format %1).").arg(version);
        return r;
    }
    if (root.value(QStringLiteral("game")).toString() != gameName(game)) {
        r.problem = QStringLiteral("The saved game belongs to another game.");
        return r;
    }
    const QJsonValue picture = root.value(QStringLiteral("picture"));
    const QJsonValue clock = root.value(QStringLiteral("clock"));
    const QJsonValue level = root.value(QStringLiteral("level"));
    const QJsonValue state = root.value(QStringLiteral("state"));
    if (!picture.isObject() || !clock.isObject() || !level.isObject() || !state.isObject()) {
        r.problem = QStringLiteral("The saved game lacks its picture, clock, level or state.");
        return r;
    }
    Document& d = r.document;
    d.game = game;
    if (!decodePicture(picture.toObject(), &d.picture, &r.problem)
        || !readInt(clock.toObject(), QStringLiteral("seconds"), 0, 9999, &d.seconds, &r.problem)
        || !readBool(clock.toObject(), QStringLiteral("paused"), &d.paused, &r.problem))
        return r;
    d.level = level.toObject();
    d.state = state.toObject();
    r.ok = true;
    return r;
}

bool write(const QString& path, const Document& document, QString* problem)
{
    const QByteArray bytes = encode(document);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        fail(problem, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        fail(problem, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        fail(problem, file.errorString());
        return false;
    }
    return true;
}

ReadResult read(const QString& path, Game game)
{
    ReadResult r;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.problem = file.errorString();
        return r;
    }
    if (file.size() > MaxBytes) {
        r.problem = QStringLiteral("The saved game is too large.");
        return r;
    }
    const QByteArray bytes = file.read(MaxBytes + 1);
    return decode(bytes, game);
}

bool moveAside(const QString& path)
{
    const QString bad = path + QStringLiteral(".bad");
    QFile::remove(bad);
    return QFile::rename(path, bad) || QFile::remove(path);
}

bool remove(const QString& path)
{
    return !QFile::exists(path) || QFile::remove(path);
}

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return {};
    return hash.result().toHex();
}

} // namespace SavedGame
