// InspectColour.cpp: quarry-inspect subcommands for the back-colour conversions and tiles.
#include "BackColourArt.h"
#include "BackTile.h"
#include "BackTileFile.h"
#include "ColourValue.h"
#include "HsbColour.h"
#include "Inspect.h"

namespace {

// Whole numbers in [low, high], or false.
bool parseInts(
    const QStringList& args, const std::initializer_list<std::pair<int, int>>& ranges, QList<int>& values)
{
    if (args.size() != qsizetype(ranges.size()))
        return false;
    int i = 0;
    for (const auto& [low, high] : ranges) {
        bool ok = false;
        const int v = Inspect::parseInt(args[i++], &ok);
        if (!ok || v < low || v > high)
            return false;
        values.append(v);
    }
    return true;
}

const Inspect::Command hsb(
    "hsb", "R G B (components 0-255): prints H S B", [](const QStringList& args, Inspect::Io& io) {
        QList<int> v;
        if (!parseInts(args, { { 0, 255 }, { 0, 255 }, { 0, 255 } }, v))
            return Inspect::usage(io, QStringLiteral("hsb"));
        const HsbValue result = RgbToHsb(v[0], v[1], v[2]);
        io.out << result.hue << ' ' << result.saturation << ' ' << result.brightness << '\n';
        return 0;
    });

const Inspect::Command rgb("rgb", "H S B (hue 0 or more, 360 and above count as 0; S, B 0-100): prints R G B",
    [](const QStringList& args, Inspect::Io& io) {
        QList<int> v;
        if (!parseInts(args, { { 0, std::numeric_limits<int>::max() }, { 0, 100 }, { 0, 100 } }, v))
            return Inspect::usage(io, QStringLiteral("rgb"));
        const int colour = HsbToRgb(v[0], v[1], v[2]);
        io.out << ColourValue::red(colour) << ' ' << ColourValue::green(colour) << ' '
               << ColourValue::blue(colour) << '\n';
        return 0;
    });

const Inspect::Command tile("tile",
    "PATTERN COLOUR FILE (pattern 0-15, colour value 0-16777215): writes the back tile",
    [](const QStringList& args, Inspect::Io& io) {
        QList<int> v;
        if (args.size() != 3 || args[2].isEmpty()
            || !parseInts(args.mid(0, 2), { { 0, BackColourArt::PatternCount - 1 }, { 0, 0xFFFFFF } }, v))
            return Inspect::usage(io, QStringLiteral("tile"));
        const QImage rendered = BackTile::RenderBackTile(BackColourArt::pattern(v[0]), v[1], true);
        if (!saveBackTile(rendered, args[2])) {
            io.err << "quarry-inspect: cannot write " << args[2] << '\n';
            return 1;
        }
        return 0;
    });

} // namespace
