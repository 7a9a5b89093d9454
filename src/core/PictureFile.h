// PictureFile.h: reading the player's own picture files, safely and at the size the game needs.
//
// Every check that can be made without decoding comes first (kind of file, its size in bytes, the
// dimensions the image declares), so a file that claims absurd dimensions costs no allocation.
// A large photo is decoded straight at the size the play area needs (JPEG decodes scaled), and
// camera orientation tags are honoured. Every refusal carries a reason that names the file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class QIODevice;

namespace PictureFile {

constexpr qint64 MaxFileBytes = qint64(256) * 1024 * 1024; // no photo people have is larger
constexpr int MaxSide = 10000;                              // declared pixels either way
constexpr qint64 MaxPixels = qint64(100) * 1000 * 1000;     // declared width × height
constexpr int MinSide = 16; // smaller than this, no level has a piece worth looking at

struct Loaded
{
    QImage image;    // the picture upright, within the bound asked for; null when refused
    QByteArray hash; // SHA-1 of the file's bytes, in hex: the picture's identity
    QString error;   // why the file was refused, naming it ("" when loaded)
    QSize declared;  // the dimensions the file declares (upright), when it got that far

    bool ok() const { return error.isEmpty(); }
};

// The size to decode a picture of the given (upright) size at, as the game's fitting decides it.
using Fit = std::function<QSize(QSize picture)>;

// Reads the picture file at path, decoded to fit inside bound (aspect kept, never enlarged; an
// empty bound: the picture's own size).
Loaded load(const QString& path, QSize bound);
// The same, decoded at the size fit gives (never enlarged: a small picture is the fitting's to grow).
Loaded load(const QString& path, const Fit& fit);

// The same checks and decoding over an open device; name is the name given in messages. The hash
// is left to the caller (load hashes the file it read).
Loaded decode(QIODevice* device, const QString& name, const Fit& fit);
Loaded decode(QIODevice* device, const QString& name, QSize bound);

// The size a picture of the given size is decoded at to fit inside bound (see load).
QSize decodedSize(QSize picture, QSize bound);

// The formats the reader accepts here, as name filters ("*.png", "*.jpg", ...).
QStringList nameFilters();

// picture with any transparency laid over colour, ready to cut into tiles or pieces.
QImage opaqueOver(const QImage& picture, QRgb colour);

} // namespace PictureFile
