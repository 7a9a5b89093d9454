// FrameArt.cpp: the eight bitmaps of a carved, gilded picture frame: four mitred corners and four edges.
//
// Every pixel is mapped to a frame side, a position across the moulding (0 at the outer rim, 1 at the
// picture) and a position along it; a height profile across plus bead ornament along gives a relief that
// is lit from the upper left. Edges vary along their length only with whole periods, so they can be
// stretched or laid end to end.
#include "Colour.h"
#include "Furniture.h"
#include "Noise.h"

#include <cmath>

namespace Furniture {

namespace {
enum class Side { Top, Right, Bottom, Left };

struct Spot {
    Side side;
    float across; // 0 outer rim .. 1 picture edge
    float along;  // pixels along the side
    float mitre;  // distance to the mitre joint in profile units (corners only, else large)
};

struct Layout {
    int width, height;
    int kind; // 0 edge, 1 corner
    Side side;           // for edges
    bool right, bottom;  // for corners: which corner
    float across;        // corners: thickness of the adjoining horizontal edge
    float down;          // corners: thickness of the adjoining vertical edge
};

// Thickness of each edge bitmap across its side.
constexpr float TopEdge = 25.0f, RightEdge = 28.0f, BottomEdge = 27.0f, LeftEdge = 30.0f;

Layout layoutOf(int id)
{
    switch (id) {
    case 101: return { 31, 26, 1, Side::Top, false, false, TopEdge, LeftEdge };
    case 102: return { 357, 25, 0, Side::Top, false, false, 0, 0 };
    case 103: return { 29, 26, 1, Side::Top, true, false, TopEdge, RightEdge };
    case 104: return { 28, 410, 0, Side::Right, false, false, 0, 0 };
    case 105: return { 27, 28, 1, Side::Top, true, true, BottomEdge, RightEdge };
    case 106: return { 353, 27, 0, Side::Bottom, false, false, 0, 0 };
    case 107: return { 31, 27, 1, Side::Top, false, true, BottomEdge, LeftEdge };
    case 108: return { 30, 409, 0, Side::Left, false, false, 0, 0 };
    default: return { 0, 0, 0, Side::Top, false, false, 0, 0 };
    }
}

Spot locate(const Layout& l, float x, float y)
{
    const float w = float(l.width), h = float(l.height);
    if (l.kind == 0) {
        switch (l.side) {
        case Side::Top: return { Side::Top, y / h, x, 99.0f };
        case Side::Bottom: return { Side::Bottom, 1.0f - y / h, x, 99.0f };
        case Side::Left: return { Side::Left, x / w, y, 99.0f };
        case Side::Right: return { Side::Right, 1.0f - x / w, y, 99.0f };
        }
    }
    // Corners are measured from the picture side in the thickness of the edge they meet, so that the
    // moulding lines up with the edges where they join at the picture; an extra pixel goes to the rim.
    const float tx = l.right ? 1.0f - x / l.down : 1.0f - (w - x) / l.down;
    const float ty = l.bottom ? 1.0f - y / l.across : 1.0f - (h - y) / l.across;
    const Side horizontal = l.bottom ? Side::Bottom : Side::Top;
    const Side vertical = l.right ? Side::Right : Side::Left;
    if (ty <= tx)
        return { horizontal, ty, l.right ? x : x - w, tx - ty };
    return { vertical, tx, l.bottom ? y : y - h, ty - tx };
}

// Height of the moulding (in pixels) across its width, without ornament.
float profile(float t)
{
    t = std::max(t, 0.0f);
    if (t < 0.08f)
        return 1.0f + t / 0.08f * 1.5f;                                    // outer lip
    if (t < 0.42f) {
        const float u = (t - 0.08f) / 0.34f * 2.0f - 1.0f;                 // large half-round
        return 2.5f + 4.5f * std::sqrt(std::max(0.0f, 1.0f - u * u));
    }
    if (t < 0.5f)
        return 2.2f - 1.2f * std::sin((t - 0.42f) / 0.08f * 3.14159f);     // cove
    if (t < 0.68f)
        return 2.6f;                                                       // ornament band (beads added)
    if (t < 0.82f)
        return 2.6f - (t - 0.68f) / 0.14f * 1.6f;                          // sloping flat
    if (t < 0.92f)
        return 1.0f + 0.9f * std::sin((t - 0.82f) / 0.1f * 3.14159f);      // inner fillet
    return 1.0f - (t - 0.92f) / 0.08f * 1.0f;                              // sight edge
}

bool gilded(float t) { return (t >= 0.08f && t < 0.42f) || (t >= 0.5f && t < 0.68f) || (t >= 0.82f && t < 0.92f); }

float beadPeriod(int length) { return float(length) / std::max(1.0f, std::round(float(length) / 9.0f)); }

float heightAt(const Layout& l, float x, float y, float period)
{
    const Spot s = locate(l, x, y);
    float h = profile(s.across);
    if (s.across >= 0.5f && s.across < 0.68f) {
        // Bead and reel: round beads along the band.
        const float u = (s.across - 0.59f) / 0.09f;
        // Joints fall on bead centres, so a bead cut by a joint continues on the other piece.
        const float phase = s.along / period + 0.5f;
        const float f = (phase - std::floor(phase)) * 2.0f - 1.0f;
        h += 1.8f * std::sqrt(std::max(0.0f, 1.0f - u * u)) * std::sqrt(std::max(0.0f, 1.0f - f * f * 1.2f));
    }
    return h;
}
}

QImage frameBitmap(int id)
{
    const Layout l = layoutOf(id);
    if (l.width == 0)
        return {};
    const bool horizontalEdge = l.kind == 0 && (l.side == Side::Top || l.side == Side::Bottom);
    const int length = l.kind == 0 ? (horizontalEdge ? l.width : l.height) : 360;
    const float period = beadPeriod(length);
    const Noise grain(11001);
    QImage img(l.width, l.height, QImage::Format_RGB32);
    // Light from the upper left, a little in front of the frame.
    const float lx = -0.55f, ly = -0.6f, lz = 0.58f;
    for (int y = 0; y < l.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < l.width; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const Spot s = locate(l, px, py);
            const float dx = (heightAt(l, px + 0.5f, py, period) - heightAt(l, px - 0.5f, py, period));
            const float dy = (heightAt(l, px, py + 0.5f, period) - heightAt(l, px, py - 0.5f, period));
            const float nl = std::sqrt(dx * dx + dy * dy + 1.0f);
            const float nx = -dx / nl, ny = -dy / nl, nz = 1.0f / nl;
            const float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
            const float hx = lx, hy = ly, hz = lz + 1.0f;
            const float hn = std::sqrt(hx * hx + hy * hy + hz * hz);
            const float spec = std::pow(std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hn), 24.0f);
            // Grain runs along the side; it repeats exactly over the length of an edge.
            const int periodCells = std::max(1, length / 40);
            const float along = s.along / float(length) * periodCells;
            const float g = grain.fbmPeriodic(along, s.across * 3.0f + float(int(s.side)) * 7.0f, 3, periodCells, 64);
            QRgb c;
            if (gilded(s.across)) {
                // Gold leaf: warm base, rubbed through to red bole in places, bright speculars.
                const QRgb base = Colour::mix(0xff6a4412, 0xffd8a83a, diffuse);
                c = Colour::screen(base, 0xfffff2c0, spec * 0.95f);
                c = Colour::mix(c, 0xff8a3a1a, Colour::clamp01(g - 0.55f) * 0.8f);
                c = Colour::scale(c, 0.94f + 0.08f * g);
            } else {
                const float stripes = 0.5f + 0.5f * std::sin(s.across * 40.0f + g * 5.0f);
                const QRgb wood = Colour::mix(0xff2e140a, 0xff6a3418, stripes * 0.6f + 0.2f * g);
                c = Colour::scale(wood, 0.55f + 0.75f * diffuse);
                c = Colour::screen(c, 0xffffe0c0, spec * 0.25f);
            }
            // A fine dark line where the mitred pieces meet, and the shadow cast onto the picture.
            if (s.mitre < 0.03f)
                c = Colour::scale(c, 0.55f + 15.0f * s.mitre);
            if (s.across > 0.95f)
                c = Colour::scale(c, 0.6f);
            line[x] = c;
        }
    }
    return img;
}

} // namespace Furniture
