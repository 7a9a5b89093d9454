// PlayerOptions.cpp: reading, checking and atomically writing the player's options file.
#include "PlayerOptions.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <utility>

namespace {
const QString FormatKey = QStringLiteral("format");
const QString VersionKey = QStringLiteral("version");
const QString AnimationsKey = QStringLiteral("animations");
} // namespace

QByteArray PlayerOptions::encode(const PlayerOptions& options)
{
    const QJsonObject root { { FormatKey, QString::fromLatin1(FormatName) }, { VersionKey, Version },
        { AnimationsKey, options.animations } };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

PlayerOptions::ReadResult PlayerOptions::decode(const QByteArray& bytes)
{
    ReadResult r;
    if (bytes.size() > MaxBytes) {
        r.problem = QStringLiteral("the file is too large to be an options file");
        return r;
    }
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject()) {
        r.problem = QStringLiteral("the file is damaged (not a JSON object)");
        return r;
    }
    const QJsonObject root = json.object();
    if (root.value(FormatKey).toString() != QLatin1String(FormatName)) {
        r.problem = QStringLiteral("the file is not an options file");
        return r;
    }
    const QJsonValue version = root.value(VersionKey);
    if (!version.isDouble() || version.toDouble() != Version) {
        r.problem = QStringLiteral("the file has a version this program does not read");
        return r;
    }
    const QJsonValue animations = root.value(AnimationsKey);
    if (!animations.isUndefined() && !animations.isBool()) {
        r.problem = QStringLiteral("\"animations\" is not true or false");
        return r;
    }
    r.options.animations = animations.toBool(true);
    return r;
}

PlayerOptions::ReadResult PlayerOptions::load(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    ReadResult r;
    if (!file.open(QIODevice::ReadOnly)) {
        r.problem = QStringLiteral("the file cannot be read (%1)").arg(file.errorString());
    } else {
        const QByteArray bytes = file.read(MaxBytes + 1);
        r = file.error() == QFileDevice::NoError
            ? decode(bytes)
            : ReadResult { {}, QStringLiteral("the file cannot be read (%1)").arg(file.errorString()) };
    }
    file.close();
    if (r.problem.isEmpty())
        return r;
    // Set aside, so that the player hears of it once and the next save starts afresh.
    const QString aside = path + QStringLiteral(".bad");
    QFile::remove(aside);
    const bool moved = QFile::rename(path, aside);
    r.problem = QStringLiteral("Your options in \"%1\" cannot be used: %2. The default options apply%3.")
                    .arg(QDir::toNativeSeparators(path), r.problem,
                        moved ? QStringLiteral("; the file was kept as \"%1\"").arg(QDir::toNativeSeparators(aside))
                              : QString());
    return r;
}

bool PlayerOptions::save(const QString& path, const PlayerOptions& options, QString* problem)
{
    const QByteArray bytes = encode(options);
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && file.commit();
    if (!written && problem)
        *problem = QStringLiteral("Your options cannot be saved in \"%1\" (%2); they hold until the program ends.")
                       .arg(QDir::toNativeSeparators(path), file.errorString());
    return written;
}

PlayerOptionsStore::PlayerOptionsStore(QString path, QObject* parent)
    : QObject(parent)
    , m_path(std::move(path))
{
    const PlayerOptions::ReadResult r = PlayerOptions::load(m_path);
    m_options = r.options;
    m_loadProblem = r.problem;
}

bool PlayerOptionsStore::setAnimations(bool on, QString* problem)
{
    const bool changed = m_options.animations != on;
    m_options.animations = on;
    const bool saved = PlayerOptions::save(m_path, m_options, problem);
    if (changed)
        emit animationsChanged(on);
    return saved;
}

QString PlayerOptionsStore::takeLoadProblem() { return std::exchange(m_loadProblem, QString()); }
