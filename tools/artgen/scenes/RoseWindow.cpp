// RoseWindow.cpp: a gothic rose window of stained glass set in a sunlit ashlar wall.
#include "../Colour.h"
#include "../Noise.h"
#include "../Raster.h"
#include "../Scenes.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace Scenes {

namespace {
constexpr float Cx = 400.0f, Cy = 300.0f;
constexpr int Stone = -1, Wall = -2;

// Which pane of glass (or stone) lies at polar position (r, angle in turns 0..1).
// Pane ids pack ring (thousands), sector and sub-pane so that every pane gets its own id.
int paneAt(float r, float turn)
{
    auto sector = [&](int count, float offset, float& local) {
        const float s = turn * count + offset;
        const int i = int(std::floor(s));
        local = s - i - 0.5f; // -0.5..0.5 across the sector
        return ((i % count) + count) % count;
    };
    float a = 0.0f;
    if (r < 22.0f)
        return 1;
    if (r < 50.0f) {
        const int s = sector(8, 0.0f, a);
        return 1000 + s * 2 + (r < 36.0f ? 0 : 1);
    }
    if (r < 58.0f)
        return Stone;
    if (r < 142.0f) {
        const int s = sector(12, 0.0f, a);
        const float u = (r - 58.0f) / 84.0f;
        // Lancet: wide at the base, pointed at the tip.
        const float half = 0.44f * std::sqrt(std::max(0.0f, 1.0f - u * u * u));
        if (std::fabs(a) > half - 0.035f) {
            // Small round lights in the stone between the tips of the lancets.
            const float gapArc = (0.5f - std::fabs(a)) * r * 6.283f / 12.0f;
            if (std::hypot(r - 128.0f, gapArc) < 8.0f)
                return 3000 + s;
            return Stone;
        }
        if (std::hypot((u - 0.74f) * 84.0f, a * r * 6.283f / 12.0f) < 11.0f)
            return 2000 + s * 10 + 9;
        return 2000 + s * 10 + (a < 0 ? 0 : 1) + (u < 0.45f ? 0 : 2);
    }
    if (r < 150.0f)
        return Stone;
    if (r < 206.0f) {
        const int s = sector(24, 0.5f, a);
        const float arc = a * r * 6.283f / 24.0f;
        const float d = std::hypot(r - 178.0f, arc);
        if (d < 22.0f) {
            if (d > 19.5f)
                return Stone;
            return 4000 + s * 4 + (d < 9.0f ? 0 : (arc < 0 ? 1 : 2));
        }
        return 5000 + s * 2 + (r < 178.0f ? 0 : 1);
    }
    if (r < 213.0f)
        return Stone;
    if (r < 258.0f) {
        const int s = sector(24, 0.0f, a);
        const float u = (r - 213.0f) / 45.0f;
        const float half = 0.46f * std::sqrt(std::max(0.0f, 1.0f - u * u));
        if (std::fabs(a) > half)
            return Stone;
        return 6000 + s * 4 + (u < 0.5f ? 0 : 1) * 2 + (a < 0 ? 0 : 1);
    }
    if (r < 280.0f)
        return Stone;
    return Wall;
}

QRgb glassColour(int pane)
{
    static const QRgb jewels[] = { 0xff1c3fa8, 0xffb8182a, 0xff1e8a48, 0xffe8b020, 0xff6a2a9a, 0xffe06a18,
        0xff1a9aaa, 0xff2a5ad0, 0xffd03a6a };
    // Colour by ring and sector pattern so that the rose keeps its symmetry.
    const int ring = pane / 1000, sub = pane % 1000;
    int k = 0;
    switch (ring) {
    case 0: return 0xfff0c030;
    case 1: k = (sub / 2) % 2 ? 1 : 0; if (sub % 2) k += 3; break;
    case 2: k = (sub % 10 == 9) ? 3 : ((sub / 10) % 2 ? 0 : 1) + ((sub % 10) >= 2 ? 5 : 0); break;
    case 3: k = sub % 2 ? 3 : 2; break;
    case 4: k = (sub % 4 == 0) ? 3 : ((sub / 4) % 3 == 0 ? 1 : ((sub / 4) % 3 == 1 ? 2 : 8)); break;
    case 5: k = (sub % 2) ? 0 : 7; break;
    case 6: k = ((sub / 4) % 2 ? 6 : 1) + ((sub % 4) >= 2 ? 1 : 0); break;
    default: k = 0; break;
    }
    return jewels[k % 9];
}

std::uint32_t hash(int v)
{
    std::uint32_t h = std::uint32_t(v) * 2654435761u;
    return h ^ (h >> 15);
}
}

QImage roseWindow()
{
    const Noise n(8001), glass(8002);
    std::vector<int> panes(std::size_t(Width) * Height);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const float dx = x - Cx, dy = y - Cy;
            const float r = std::hypot(dx, dy);
            const float turn = std::atan2(dy, dx) / 6.2831853f + 0.5f;
            panes[std::size_t(y) * Width + x] = paneAt(r, turn);
        }
    auto paneOf = [&](int x, int y) {
        return panes[std::size_t(std::clamp(y, 0, Height - 1)) * Width + std::clamp(x, 0, Width - 1)];
    };
    QImage img = Raster::generate(Width, Height, [&](int x, int y) {
        const int id = paneOf(x, y);
        const float dx = x - Cx, dy = y - Cy;
        const float r = std::hypot(dx, dy);
        if (id == Wall) {
            // Ashlar: courses of blocks, each a little different, with mortar joints.
            const int course = y / 38;
            const float bx = x + (course % 2) * 41.0f + 7.0f * n.perlin(course * 0.7f, 0.3f);
            const int block = int(bx / 82.0f);
            const float jx = std::fmod(bx, 82.0f), jy = float(y % 38);
            const float tint = float(hash(block * 131 + course) % 100) / 100.0f;
            QRgb c = Colour::mix(0xffb8a68a, 0xffd8c8a8, tint);
            c = Colour::scale(c, 0.85f + 0.15f * n.fbm(x / 12.0f, y / 12.0f, 4) + 0.05f * n.perlin(x / 2.0f, y / 2.0f));
            if (jx < 2.5f || jy < 2.5f)
                c = Colour::scale(c, 0.6f);
            else if (jx < 5.0f || jy < 5.0f)
                c = Colour::scale(c, 1.08f);
            // The deep reveal around the window casts a shadow.
            c = Colour::scale(c, 1.0f - 0.55f * std::exp(-(r - 280.0f) / 18.0f));
            return c;
        }
        if (id == Stone) {
            // Tracery: pale stone, bevelled towards the light from the upper left.
            const float lx = float(paneOf(x - 2, y - 2) != Stone), sx = float(paneOf(x + 2, y + 2) != Stone);
            QRgb c = Colour::mix(0xffa89a84, 0xffcfc2a8, 0.5f + 0.5f * n.fbm(x / 6.0f, y / 6.0f, 3));
            if (r > 258.0f) {
                const float ring = std::sin((r - 258.0f) / 22.0f * 3.14159f);
                c = Colour::scale(c, 0.7f + 0.4f * ring);
                // Carved beads around the outer moulding.
                const float bead = std::sin(std::atan2(dy, dx) * 72.0f);
                if (std::fabs(r - 269.0f) < 4.0f)
                    c = Colour::scale(c, 0.85f + 0.2f * bead);
            }
            c = Colour::scale(c, 1.0f + 0.25f * lx - 0.35f * sx);
            return c;
        }
        // Lead cames between panes of glass.
        for (auto [ox, oy] : { std::pair { 1, 0 }, { -1, 0 }, { 0, 1 }, { 0, -1 } }) {
            const int other = paneOf(x + ox, y + oy);
            if (other != id && other != Stone)
                return Colour::mix(0xff2a2628, 0xff4a4448, 0.5f + 0.5f * n.perlin(x / 3.0f, y / 3.0f));
        }
        QRgb c = glassColour(id);
        // Hand-made glass: streaks, seeds and uneven thickness; light is strongest at the centre.
        const float streak = glass.fbm(x / 4.0f + y / 30.0f, y / 18.0f - x / 40.0f, 4);
        const float thick = float(hash(id) % 100) / 100.0f;
        c = Colour::scale(c, 0.7f + 0.25f * streak + 0.2f * thick + 0.35f * std::exp(-r / 160.0f));
        c = Colour::screen(c, 0xfffff4d0, 0.25f * Colour::clamp01(streak - 0.3f) + 0.2f * std::exp(-r / 60.0f));
        // Painted details: darker rims inside each pane.
        for (auto [ox, oy] : { std::pair { 3, 0 }, { -3, 0 }, { 0, 3 }, { 0, -3 } }) {
            if (paneOf(x + ox, y + oy) != id) {
                c = Colour::scale(c, 0.75f);
                break;
            }
        }
        return c;
    });
    Raster::addGrain(img, 8003, 4.0f);
    Raster::vignette(img, 0.35f);
    return img;
}

} // namespace Scenes
