// InspectJigsaw.cpp: quarry-inspect subcommands that build a jigsaw level and print its pieces.
//
//   level CODE [--random U1,U2,...] [--picture WxH]
//   shapeboard D P [--random U1,U2,...] [--picture WxH]
//
// The first line is the level's text (the shape string, or the figure texts of all cells in
// build order), then "record0 " and record 0's neighbour list, then one line per piece with its
// outline's bounding box and pixel count in the working picture and its neighbour list.
#include "Inspect.h"
#include "LevelBuilder.h"
#include "PieceTable.h"
#include "RandomSource.h"

#include <QImage>
#include <QRegion>

#include <memory>
#include <optional>

namespace {

constexpr int DefaultPictureSide = 400;
constexpr int LargestPictureSide = 8192;

struct Options {
    QStringList positional;
    std::optional<QList<double>> randomValues;
    QSize picture { DefaultPictureSide, DefaultPictureSide };
};

// "640x480" with both sides in 1..LargestPictureSide.
bool parsePicture(const QString& text, QSize* size)
{
    const QStringList parts = text.split(u'x');
    if (parts.size() != 2)
        return false;
    bool okW = false, okH = false;
    const int w = Inspect::parseInt(parts[0], &okW);
    const int h = Inspect::parseInt(parts[1], &okH);
    if (!okW || !okH || w < 1 || h < 1 || w > LargestPictureSide || h > LargestPictureSide)
        return false;
    *size = QSize(w, h);
    return true;
}

// Splits positional arguments from the options; false on anything malformed.
bool parseOptions(const QStringList& args, Options* options)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--random") || arg == QLatin1String("--picture")) {
            if (i + 1 >= args.size())
                return false;
            const QString& value = args[++i];
            if (arg == QLatin1String("--picture")) {
                if (!parsePicture(value, &options->picture))
                    return false;
            } else {
                bool ok = false;
                options->randomValues = Inspect::parseRandomList(value, &ok);
                if (!ok)
                    return false;
            }
        } else if (arg.startsWith(QLatin1String("--"))) {
            return false;
        } else {
            options->positional.append(arg);
        }
    }
    return true;
}

std::unique_ptr<RandomSource> randomFor(const Options& options)
{
    if (options.randomValues)
        return std::make_unique<ScriptedRandom>(*options.randomValues);
    return std::make_unique<SystemRandom>();
}

qint64 pixelCount(const QRegion& region)
{
    qint64 total = 0;
    for (const QRect& r : region)
        total += qint64(r.width()) * r.height();
    return total;
}

void printPieces(QTextStream& out, const QString& text, const PieceTable& table)
{
    out << text << '\n';
    out << "record0 " << table.record0().neighbours << '\n';
    for (int k = 1; k <= table.count(); ++k) {
        const PieceRecord& piece = table.piece(k);
        const QRect box = piece.outline.boundingRect();
        out << "piece " << k << " left " << box.left() << " top " << box.top() << " width " << box.width()
            << " height " << box.height() << " area " << pixelCount(piece.outline) << " neighbours "
            << piece.neighbours << '\n';
    }
}

QImage workingPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(qRgb(96, 96, 96));
    return picture;
}

int runLevel(const QStringList& args, Inspect::Io& io)
{
    Options options;
    bool ok = parseOptions(args, &options) && options.positional.size() == 1;
    const int code = ok ? Inspect::parseInt(options.positional[0], &ok) : 0;
    if (!ok)
        return Inspect::usage(io, QStringLiteral("level"));
    const auto random = randomFor(options);
    QImage picture = workingPicture(options.picture);
    PieceTable table;
    const QString shape = LevelBuilder::buildCatalogueLevel(code, picture, table, *random);
    printPieces(io.out, shape, table);
    return 0;
}

int runShapeBoard(const QStringList& args, Inspect::Io& io)
{
    Options options;
    bool ok = parseOptions(args, &options) && options.positional.size() == 2;
    bool okP = false;
    const int d = ok ? Inspect::parseInt(options.positional[0], &ok) : 0;
    const int p = ok ? Inspect::parseInt(options.positional[1], &okP) : 0;
    if (!ok || !okP)
        return Inspect::usage(io, QStringLiteral("shapeboard"));
    const auto random = randomFor(options);
    QImage picture = workingPicture(options.picture);
    PieceTable table;
    const ShapeBoardLevel level = LevelBuilder::buildShapeBoard(d, p, picture, table, *random);
    printPieces(io.out, level.figures, table);
    return 0;
}

const Inspect::Command levelCommand("level", "CODE [--random U1,U2,...] [--picture WxH]", runLevel);
const Inspect::Command shapeBoardCommand(
    "shapeboard", "D P [--random U1,U2,...] [--picture WxH]", runShapeBoard);

} // namespace
