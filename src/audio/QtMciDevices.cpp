// QtMciDevices.cpp: devices under aliases, each a file with an optional Qt media player.
#include "QtMciDevices.h"

#include "AudioOutputs.h"
#include "Fields.h"
#include "MciCommand.h"
#include "WaveFile.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {
constexpr qsizetype ReplyCapacity = 255;

// The device type an Open without TYPE gets, from the file ending.
QString typeFromEnding(const QString& file)
{
    const QString ending = QFileInfo(file).suffix().toLower();
    if (ending == u"wav")
        return QStringLiteral("waveaudio");
    if (ending == u"avi")
        return QStringLiteral("avivideo");
    if (ending == u"mid")
        return QStringLiteral("sequencer");
    return {};
}

bool knownType(const QString& type)
{
    return type == u"waveaudio" || type == u"avivideo" || type == u"sequencer";
}
} // namespace

struct QtMciDevices::Device
{
    QString file;
    qint64 lengthMs = 0; // from the wave header; 0 until a player knows it for other types
    qint64 positionMs = 0; // where playback starts or stopped, while not playing
    // Declared before the player so that the player goes first.
    std::unique_ptr<QAudioOutput> output;
    std::unique_ptr<QMediaPlayer> player;

    qint64 length() const
    {
        if (lengthMs == 0 && player)
            return std::max<qint64>(player->duration(), 0);
        return lengthMs;
    }
    bool running() const { return player && player->playbackState() != QMediaPlayer::StoppedState; }
};

QtMciDevices::QtMciDevices(AudioProbe hasAudioOutput)
    : m_hasAudioOutput(hasAudioOutput ? std::move(hasAudioOutput) : AudioProbe(AudioOutputs::available))
{
}

QtMciDevices::~QtMciDevices() = default;

int QtMciDevices::sendString(const QString& command, QString* reply)
{
    if (reply)
        reply->clear();
    MciCommand parsed;
    if (const int error = MciCommand::parse(command, &parsed))
        return error;
    if (parsed.verb == MciCommand::Verb::Open)
        return open(parsed);

    const auto found = m_devices.find(parsed.target.toLower());
    if (found == m_devices.end())
        return UnknownAlias;
    Device& device = *found->second;
    switch (parsed.verb) {
    case MciCommand::Verb::Play:
        return play(device);
    case MciCommand::Verb::Pause:
        if (device.player && device.player->playbackState() == QMediaPlayer::PlayingState)
            device.player->pause();
        return Ok;
    case MciCommand::Verb::Stop:
        if (device.running()) {
            device.positionMs = device.player->position();
            device.player->stop();
        }
        return Ok;
    case MciCommand::Verb::Seek:
        return seek(device, parsed.argument);
    case MciCommand::Verb::Close:
        m_devices.erase(found);
        return Ok;
    case MciCommand::Verb::Status:
        return status(device, parsed.argument, reply);
    case MciCommand::Verb::Open:
        break;
    }
    return UnrecognizedCommand;
}

int QtMciDevices::open(const MciCommand& command)
{
    const QString key = command.alias.toLower();
    if (m_devices.count(key))
        return AliasTaken;
    const QString type = command.type.isEmpty() ? typeFromEnding(command.target) : command.type;
    if (!knownType(type))
        return UnknownDeviceType;
    const QFileInfo info(command.target);
    if (!info.isFile())
        return FileNotFound;
    if (!info.isReadable())
        return InvalidFile;

    auto device = std::make_unique<Device>();
    device->file = info.absoluteFilePath();
    if (type == u"waveaudio") {
        const auto wave = WaveFile::readInfo(device->file);
        if (!wave)
            return InvalidFile;
        device->lengthMs = wave->durationMs();
    }
    // Loading now means Play starts without delay; without an output there is nothing to load for.
    if (m_hasAudioOutput())
        makePlayer(*device);
    m_devices.emplace(key, std::move(device));
    return Ok;
}

void QtMciDevices::makePlayer(Device& device)
{
    device.output = std::make_unique<QAudioOutput>();
    device.player = std::make_unique<QMediaPlayer>();
    device.player->setAudioOutput(device.output.get());
    Device* owner = &device;
    QObject::connect(device.player.get(), &QMediaPlayer::mediaStatusChanged, device.player.get(),
                     [owner](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::EndOfMedia)
                             owner->positionMs = owner->length();
                     });
    device.player->setSource(QUrl::fromLocalFile(device.file));
}

int QtMciDevices::play(Device& device)
{
    if (!device.player) {
        if (!m_hasAudioOutput())
            return NoAudioDevice;
        makePlayer(device);
    }
    QMediaPlayer& player = *device.player;
    if (player.error() != QMediaPlayer::NoError)
        return InvalidFile;
    if (player.playbackState() == QMediaPlayer::StoppedState) {
        // A device played to its end starts again from the beginning.
        const qint64 length = device.length();
        const qint64 from = (length > 0 && device.positionMs >= length) ? 0 : device.positionMs;
        player.setPosition(from);
    }
    player.play();
    return Ok;
}

int QtMciDevices::seek(Device& device, const QString& to)
{
    const qint64 length = device.length();
    qint64 target = 0;
    if (to == u"start") {
        target = 0;
    } else if (to == u"end") {
        target = length;
    } else {
        qsizetype end = 0;
        const double value = Fields::leadingNumberAt(to, 0, &end);
        if (end != to.size() || !std::isfinite(value))
            return UnrecognizedKeyword;
        if (value < 0 || (length > 0 && value > double(length)))
            return OutOfRange;
        target = static_cast<qint64>(value);
    }
    // Seeking stops playback, then moves.
    if (device.running())
        device.player->stop();
    if (device.player)
        device.player->setPosition(target);
    device.positionMs = target;
    return Ok;
}

int QtMciDevices::status(Device& device, const QString& item, QString* reply)
{
    QString text;
    if (item == u"length") {
        text = QString::number(device.length());
    } else if (item == u"position") {
        text = QString::number(device.running() ? device.player->position() : device.positionMs);
    } else if (item == u"mode") {
        if (!device.player)
            text = QStringLiteral("stopped");
        else if (device.player->playbackState() == QMediaPlayer::PlayingState)
            text = QStringLiteral("playing");
        else if (device.player->playbackState() == QMediaPlayer::PausedState)
            text = QStringLiteral("paused");
        else if (device.player->mediaStatus() == QMediaPlayer::LoadingMedia)
            text = QStringLiteral("not ready");
        else
            text = QStringLiteral("stopped");
    } else {
        return UnrecognizedKeyword;
    }
    if (reply)
        *reply = text.left(ReplyCapacity);
    return Ok;
}
