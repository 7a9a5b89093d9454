// Mmedia.cpp: command strings of the media-control object.
#include "Mmedia.h"

#include "Fields.h"
#include "MciDevices.h"

#include <QTime>

#include <charconv>

namespace {
// Replies are read into a buffer of this many characters.
constexpr qsizetype ReplyCapacity = 255;

QString deviceType(const QString& ending)
{
    const QString upper = ending.toUpper();
    if (upper == u"WAV")
        return QStringLiteral("Waveaudio");
    if (upper == u"AVI")
        return QStringLiteral("AviVideo");
    if (upper == u"MID")
        return QStringLiteral("Sequencer");
    return {};
}

int localMinute() { return QTime::currentTime().minute(); }
} // namespace

Mmedia::Mmedia(MciDevices* devices, MinuteClock minute)
    : m_devices(devices)
    , m_minute(minute ? std::move(minute) : MinuteClock(localMinute))
{
}

Mmedia::~Mmedia() { mmClose(); }

void Mmedia::mmOpen(const QString& sTheFile)
{
    if (isOpen())
        mmClose();
    const QString ending = sTheFile.right(3);
    const QString type = deviceType(ending);
    if (type.isEmpty())
        return;
    // Two objects opening the same kind of file within one minute would otherwise ask for the
    // same alias, and the second device could not open.
    const QString wanted = ending + QString::number(m_minute());
    m_alias = m_devices ? m_devices->reserveAlias(wanted) : wanted;
    m_fileName = sTheFile;
    const QString file = sTheFile.contains(u' ') ? u'"' + sTheFile + u'"' : sTheFile;
    send(QStringLiteral("Open ") + file + QStringLiteral(" ALIAS ") + m_alias + QStringLiteral(" TYPE ") + type
         + QStringLiteral(" wait"));
}

void Mmedia::mmClose()
{
    if (!isOpen())
        return;
    send(QStringLiteral("Close ") + m_alias);
    if (m_devices)
        m_devices->releaseAlias(m_alias);
    m_alias.clear();
    m_fileName.clear();
}

void Mmedia::mmPause()
{
    if (isOpen())
        send(QStringLiteral("Pause ") + m_alias);
}

void Mmedia::mmPlay()
{
    if (isOpen())
        send(QStringLiteral("Play ") + m_alias + (m_wait ? QStringLiteral(" wait") : QString()));
}

void Mmedia::mmStop()
{
    if (isOpen())
        send(QStringLiteral("Stop ") + m_alias);
}

void Mmedia::mmSeek(float nPosition)
{
    send(QStringLiteral("Seek ") + m_alias + QStringLiteral(" to ") + positionText(nPosition));
}

float Mmedia::Length()
{
    if (!isOpen())
        return 0;
    return static_cast<float>(Fields::leadingNumber(query(QStringLiteral("length"))));
}

float Mmedia::Position()
{
    if (!isOpen())
        return 0;
    return static_cast<float>(Fields::leadingNumber(query(QStringLiteral("position"))));
}

QString Mmedia::Status()
{
    if (!isOpen())
        return {};
    return query(QStringLiteral("mode"));
}

QString Mmedia::positionText(float nPosition)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, nPosition, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

void Mmedia::send(const QString& command)
{
    if (m_devices)
        m_devices->sendString(command, nullptr);
}

QString Mmedia::query(const QString& item)
{
    QString reply;
    if (m_devices)
        m_devices->sendString(QStringLiteral("Status ") + m_alias + u' ' + item, &reply);
    const qsizetype nul = reply.indexOf(QChar(u'\0'));
    if (nul >= 0)
        reply.truncate(nul);
    reply.truncate(ReplyCapacity);
    return reply;
}
