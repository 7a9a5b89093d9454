// PictureFile.cpp: checks before decoding, scaled decoding and the content hash.
#include "PictureFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace PictureFile {

namespace {

Loaded refused(const QString& name, const QString& reason)
{
    Loaded result;
    result.error = QStringLiteral("The picture \"%1\" cannot be opened: %2.").arg(name, reason);
    return result;
}

bool turnsQuarter(QImageIOHandler::Transformations t)
{
    return t.testFlag(QImageIOHandler::TransformationRotate90);
}

} // namespace

QSize decodedSize(QSize picture, QSize bound)
{
    if (bound.isEmpty() || (picture.width() <= bound.width() && picture.height() <= bound.height()))
        return picture;
    return picture.scaled(bound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

Loaded decode(QIODevice* device, const QString& name, QSize bound)
{
    return decode(device, name, [bound](QSize) { return bound; });
}

Loaded decode(QIODevice* device, const QString& name, const Fit& fit)
{
    QImageReader reader(device);
    reader.setAutoTransform(true);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return refused(name, QStringLiteral("it is not a picture in a format this program can read"));
    const QSize raw = reader.size();
    if (!raw.isValid())
        return refused(name, QStringLiteral("its dimensions cannot be read"));
    if (raw.width() > MaxSide || raw.height() > MaxSide || qint64(raw.width()) * raw.height() > MaxPixels)
        return refused(name, QStringLiteral("it is %1 × %2 pixels, more than %3 × %3 or %4 megapixels")
                                 .arg(raw.width()).arg(raw.height()).arg(MaxSide).arg(MaxPixels / 1000000));
    if (raw.width() < MinSide || raw.height() < MinSide)
        return refused(name, QStringLiteral("it is %1 × %2 pixels, smaller than %3 × %3")
                                 .arg(raw.width()).arg(raw.height()).arg(MinSide));
    // Only JPEG decodes scaled; any other format holds the whole picture in memory first.
    const qint64 fullBytes = qint64(raw.width()) * raw.height() * 4;
    if (reader.format() != "jpeg" && fullBytes > qint64(QImageReader::allocationLimit()) * 1024 * 1024)
        return refused(name, QStringLiteral("at %1 × %2 pixels it is too large to open in this format")
                                 .arg(raw.width()).arg(raw.height()));
    // The scaled size applies to the image as stored; a quarter turn comes after it.
    const bool quarter = turnsQuarter(reader.transformation());
    const QSize upright = quarter ? raw.transposed() : raw;
    const QSize wanted = decodedSize(upright, fit(upright));
    if (wanted != upright)
        reader.setScaledSize(quarter ? wanted.transposed() : wanted);

    Loaded result;
    result.declared = upright;
    result.image = reader.read();
    if (result.image.isNull()) {
        const QString why = reader.errorString();
        return refused(name, QStringLiteral("it is damaged or incomplete (%1)").arg(why));
    }
    // A handler that ignored the scaled size still gives the game what it asked for.
    const QSize got = result.image.size();
    if (got != wanted)
        result.image = result.image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return result;
}

Loaded load(const QString& path, QSize bound)
{
    return load(path, [bound](QSize) { return bound; });
}

Loaded load(const QString& path, const Fit& fit)
{
    const QFileInfo info(path);
    if (!info.exists())
        return refused(path, QStringLiteral("the file does not exist"));
    if (info.isDir())
        return refused(path, QStringLiteral("it is a folder, not a file"));
    if (info.size() == 0)
        return refused(path, QStringLiteral("the file is empty"));
    if (info.size() > MaxFileBytes)
        return refused(path, QStringLiteral("the file is %1 MiB, more than %2 MiB")
                                 .arg(info.size() / (1024 * 1024)).arg(MaxFileBytes / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(path, QStringLiteral("the file cannot be read (%1)").arg(file.errorString()));
    QCryptographicHash sha(QCryptographicHash::Sha1);
    if (!sha.addData(&file))
        return refused(path, QStringLiteral("the file cannot be read (%1)").arg(file.errorString()));
    if (!file.seek(0))
        return refused(path, QStringLiteral("the file cannot be read again"));
    Loaded result = decode(&file, path, fit);
    if (result.ok())
        result.hash = sha.result().toHex();
    return result;
}

QStringList nameFilters()
{
    QStringList filters;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        filters << QStringLiteral("*.") + QString::fromLatin1(format);
    return filters;
}

QImage opaqueOver(const QImage& picture, QRgb colour)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(colour);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

} // namespace PictureFile
