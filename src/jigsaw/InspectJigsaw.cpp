// InspectJigsaw.cpp: quarry-inspect subcommands that build a jigsaw level and print its pieces.
//
//   level CODE [--random U1,U2,...] [--picture WxH]
//   shapeboard D P [--random U1,U2,...] [--picture WxH]
//   play LEVEL [--random U1,U2,...] [--picture WxH] [--client WxH] [--rotation]
//
// level and shapeboard: the first line is the level's text (the shape string, or the figure
// texts of all cells in build order), then "record0 " and record 0's neighbour list, then one
// line per piece with its outline's bounding box and pixel count in the working picture and its
// neighbour list.
//
// play: builds LEVEL (a level code, or board:D:P for a shape board), scatters it over the client
// area and plays the commands read from standard input (see runPlay).
#include "Inspect.h"
#include "JigsawPlay.h"
#include "JigsawScatter.h"
#include "LevelBuilder.h"
#include "PieceTable.h"
#include "RandomSource.h"
#include "TurnUnit.h"
#include "Twips.h"

#include <QImage>
#include <QRegion>

#include <cstdlib>
#include <memory>
#include <optional>

namespace {

constexpr int DefaultPictureSide = 400;
constexpr int LargestPictureSide = 8192;

struct Options {
    QStringList positional;
    std::optional<QList<double>> randomValues;
    QSize picture { DefaultPictureSide, DefaultPictureSide };
    // Only play takes these.
    bool playOptions = false;
    QSize client { 1600, 1000 };
    bool rotation = false;
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
        const bool client = options->playOptions && arg == QLatin1String("--client");
        if (options->playOptions && arg == QLatin1String("--rotation")) {
            options->rotation = true;
        } else if (arg == QLatin1String("--random") || arg == QLatin1String("--picture") || client) {
            if (i + 1 >= args.size())
                return false;
            const QString& value = args[++i];
            if (arg == QLatin1String("--picture") || client) {
                if (!parsePicture(value, client ? &options->client : &options->picture))
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

// One unit window as play prints it: pixels, rounded.
struct UnitLine {
    QPoint place;
    QSize size;
    int turn = 0;
    bool locked = false;
    bool visible = false;
    bool operator==(const UnitLine&) const = default;
};

class PlaySession {
public:
    PlaySession(PieceTable& table, const Options& options, RandomSource& random, bool shapeBoard)
        : m_table(table)
        , m_picture(options.picture)
        , m_client(Twips::fromPixels(options.client.width()), Twips::fromPixels(options.client.height()))
    {
        m_play.startGame(
            &table, shapeBoard ? JigsawPlay::ShapeBoard : JigsawPlay::Catalogue, options.rotation);
        const QSizeF picture(Twips::fromPixels(m_picture.width()), Twips::fromPixels(m_picture.height()));
        const QList<QPointF> places = JigsawScatter::scatter(m_play.pieceCount(), m_client, picture,
            options.rotation, m_play.boardPiece(), random, [this](int k, int degrees) {
                const TurnResult turned = turnUnit(m_table, degrees, k, m_play.window(k).size, m_picture);
                if (turned.turned)
                    m_play.setUnitShape(k, turned.windowSize, turned.outline);
            });
        for (int k = 1; k <= m_play.pieceCount(); ++k) {
            m_play.window(k).pos = places.value(k);
            m_play.window(k).visible = true;
        }
    }

    // Runs one command line; false (with a message on err) when it is not a valid command.
    bool run(const QString& line, Inspect::Io& io)
    {
        const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty())
            return true;
        const QString& verb = words[0];
        const int arity = verb == u"place" || verb == u"drop" ? 3
            : verb == u"turn" || verb == u"show"              ? 1
                                                              : 0;
        if ((arity == 0 && verb != u"gather") || words.size() != arity + 1)
            return fail(io, QStringLiteral("unknown command or wrong arguments: ") + line);
        bool ok = true;
        const int k = arity > 0 ? Inspect::parseInt(words[1], &ok) : 0;
        if (arity > 0 && (!ok || k < 1 || k > m_play.pieceCount()))
            return fail(io, QStringLiteral("no unit ") + words.value(1));
        QPointF target;
        if (arity == 3) {
            bool okX = false, okY = false;
            const int x = Inspect::parseInt(words[2], &okX);
            const int y = Inspect::parseInt(words[3], &okY);
            if (!okX || !okY || std::abs(x) > LargestPlace || std::abs(y) > LargestPlace)
                return fail(io, QStringLiteral("bad position: ") + line);
            target = QPointF(Twips::fromPixels(x), Twips::fromPixels(y));
        }
        if (verb == u"show") {
            print(io, k);
            return true;
        }
        const QList<UnitLine> before = lines();
        QStringList after;
        if (verb == u"place") {
            if (!m_play.window(k).visible || m_play.window(k).locked)
                return fail(
                    io, QStringLiteral("unit %1 cannot be placed: it is part of another unit").arg(k));
            m_play.moveUnit(k, target);
        } else if (verb == u"turn") {
            m_play.turn(k, m_picture, m_client);
        } else if (verb == u"gather") {
            m_play.gather(m_client, {});
        } else {
            after = drop(k, target);
        }
        const QList<UnitLine> now = lines();
        for (int j = 1; j <= m_play.pieceCount(); ++j) {
            if (now[j] != before[j])
                print(io, j);
        }
        for (const QString& extra : after)
            io.out << extra << '\n';
        return true;
    }

private:
    static constexpr int LargestPlace = 1000000;

    QStringList drop(int k, QPointF target)
    {
        if (!m_play.press(k, QPointF(0, 0)))
            return { QStringLiteral("none") };
        const JigsawPlay::Drop drop = m_play.release(k, target - m_play.window(k).pos, m_client);
        const JoinResult& join = drop.join;
        QStringList extra;
        if (!join.joined)
            extra << QStringLiteral("none");
        else
            extra << QStringLiteral("%1 %2 %3")
                         .arg(join.intoBoard ? QStringLiteral("board") : QStringLiteral("join"))
                         .arg(join.survivor)
                         .arg(join.absorbed);
        if (join.completed) {
            m_play.ended = true;
            extra << QStringLiteral("completed");
        }
        return extra;
    }

    QList<UnitLine> lines() const
    {
        QList<UnitLine> all(m_play.pieceCount() + 1);
        for (int k = 1; k <= m_play.pieceCount(); ++k) {
            const UnitWindow& w = m_play.window(k);
            all[k] = { QPoint(Twips::toPixelsInt(w.pos.x()), Twips::toPixelsInt(w.pos.y())), w.size,
                m_table.piece(k).turn, w.locked, w.visible };
        }
        return all;
    }

    void print(Inspect::Io& io, int k) const
    {
        const UnitLine u = lines()[k];
        io.out << "unit " << k << " left " << u.place.x() << " top " << u.place.y() << " width "
               << u.size.width() << " height " << u.size.height() << " turn " << u.turn << " locked "
               << int(u.locked) << " visible " << int(u.visible) << '\n';
    }

    static bool fail(Inspect::Io& io, const QString& message)
    {
        io.err << "quarry-inspect play: " << message << '\n';
        return false;
    }

    PieceTable& m_table;
    QSize m_picture;
    QSizeF m_client;
    JigsawPlay m_play;
};

// play LEVEL: commands on standard input, one per line, positions in client pixels:
//   place K X Y   unit K's window to left X, top Y, shown, without a join test
//   drop K X Y    unit K dragged so that its window's left and top would be X, Y, and released
//   turn K        right click on unit K
//   gather        "Gather pieces"
//   show K        prints unit K
// After each command one line for every unit whose window changed, "unit K left L top T width W
// height H turn R locked 0|1 visible 0|1"; after a drop "join C U", "board C U" or "none", then
// "completed" when that drop completed the game. A bad command ends the run with status 2.
int runPlay(const QStringList& args, Inspect::Io& io)
{
    Options options;
    options.picture = QSize(800, 600);
    options.playOptions = true;
    bool ok = parseOptions(args, &options) && options.positional.size() == 1 && io.in;
    const QString level = ok ? options.positional[0] : QString();
    const QStringList board = level.split(u':');
    const bool shapeBoard = board.size() == 3 && board[0] == u"board";
    bool okP = true;
    const int code = ok ? Inspect::parseInt(shapeBoard ? board[1] : level, &ok) : 0;
    const int p = shapeBoard ? Inspect::parseInt(board[2], &okP) : 0;
    if (!ok || !okP)
        return Inspect::usage(io, QStringLiteral("play"));
    // Positions are printed in pixels of a 96 dpi screen, whatever screen there is.
    Twips::overridePerPixel(15);
    const auto random = randomFor(options);
    QImage picture = workingPicture(options.picture);
    PieceTable table;
    if (shapeBoard)
        LevelBuilder::buildShapeBoard(code, p, picture, table, *random);
    else
        LevelBuilder::buildCatalogueLevel(code, picture, table, *random);
    PlaySession session(table, options, *random, shapeBoard);
    int status = 0;
    while (status == 0 && !io.in->atEnd()) {
        if (!session.run(io.in->readLine().trimmed(), io))
            status = Inspect::UsageError;
        io.out.flush();
    }
    Twips::overridePerPixel(0);
    return status;
}

const Inspect::Command levelCommand("level", "CODE [--random U1,U2,...] [--picture WxH]", runLevel);
const Inspect::Command shapeBoardCommand(
    "shapeboard", "D P [--random U1,U2,...] [--picture WxH]", runShapeBoard);
const Inspect::Command playCommand("play",
    "LEVEL|board:D:P [--random U1,U2,...] [--picture WxH] [--client WxH] [--rotation] < commands", runPlay);

} // namespace
