// SlidingPatternDb.cpp: building, sharing and caching the 4 x 4 pattern tables.
//
// A table is filled by a breadth-first search backwards from the pattern at home. Tiles outside
// the pattern are indistinguishable and move for free, so a state is the pattern's placement
// plus the region of free cells the blank can roam in; a region is named by its lowest cell.
#include "SlidingPatternDb.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <map>
#include <mutex>
#include <thread>

namespace SlidingPatternDb {

namespace {

constexpr int Side = 4;
constexpr int Cells = Side * Side;
constexpr std::uint32_t AllCells = 0xFFFF;

// The cells reached from seed through the cells of open.
std::uint32_t flood(std::uint32_t seed, std::uint32_t open)
{
    constexpr std::uint32_t firstColumn = 0x1111;
    constexpr std::uint32_t lastColumn = 0x8888;
    std::uint32_t reached = seed & open;
    for (;;) {
        const std::uint32_t grown
            = (reached | ((reached << 1) & ~firstColumn) | ((reached >> 1) & ~lastColumn) | (reached << Side)
                  | (reached >> Side))
            & open;
        if (grown == reached)
            return reached;
        reached = grown;
    }
}

// One bit per set of open cells (kept to the end, like the tables): whether they form a single region, the common case, where a
// placement needs no record of regions beyond its distance.
const std::vector<std::uint64_t>& singleRegion()
{
    static const auto* single = [] {
        auto* result = new std::vector<std::uint64_t>((AllCells + 1) / 64, 0);
        for (std::uint32_t open = 1; open <= AllCells; ++open) {
            if (flood(open & (0u - open), open) == open)
                (*result)[open / 64] |= std::uint64_t(1) << (open % 64);
        }
        return result;
    }();
    return *single;
}

// The cells beside each cell.
constexpr std::array<std::uint32_t, Cells> besideMasks = [] {
    std::array<std::uint32_t, Cells> masks {};
    for (int cell = 0; cell < Cells; ++cell) {
        const int row = cell / Side;
        const int column = cell % Side;
        masks[cell] = (row > 0 ? 1u << (cell - Side) : 0u) | (row < Side - 1 ? 1u << (cell + Side) : 0u)
            | (column > 0 ? 1u << (cell - 1) : 0u) | (column < Side - 1 ? 1u << (cell + 1) : 0u);
    }
    return masks;
}();

inline void prefetch(const void* address, bool forWriting = false)
{
#if defined(__GNUC__)
    if (forWriting)
        __builtin_prefetch(address, 1);
    else
        __builtin_prefetch(address);
#else
    (void)address;
    (void)forWriting;
#endif
}

std::unique_ptr<Table> build(const std::vector<int>& homes)
{
    const int count = static_cast<int>(homes.size());
    std::size_t size = 1;
    for (int i = 0; i < count; ++i)
        size *= static_cast<std::size_t>(Cells - i);
    auto table = std::make_unique<Table>();
    table->homes = homes;
    table->distance.assign(std::size_t(1) << (4 * count), 0xFF);
    std::uint8_t* const distance = table->distance.data();
    // Placements reached: one bit each by index(), small enough to stay near the cache while the
    // distances are written far less often. Placements whose open cells fall apart: one bit per
    // region (by its lowest cell) reached, by rank() (these are few: ranking only them keeps the
    // array small and the rest quick).
    std::vector<std::uint64_t> seen((table->distance.size() + 63) / 64, 0);
    std::vector<std::uint16_t> reached(size, 0);
    const std::uint64_t* const single = singleRegion().data();
    auto isSingle = [single](std::uint32_t open) { return (single[open / 64] >> (open % 64)) & 1; };

    // A state packs four bits per pattern position, and the blank's region above them.
    const int regionShift = 4 * count;
    std::vector<std::uint32_t> layer;
    std::vector<std::uint32_t> following;
    {
        std::uint32_t packed = 0;
        std::uint32_t occupied = 0;
        for (int i = 0; i < count; ++i) {
            packed |= static_cast<std::uint32_t>(homes[i]) << (4 * i);
            occupied |= 1u << homes[i];
        }
        const std::uint32_t rank0 = rank(homes.data(), count);
        distance[packed] = 0;
        seen[packed / 64] |= std::uint64_t(1) << (packed % 64);
        const std::uint32_t open = ~occupied & AllCells;
        for (std::uint32_t left = open; left != 0; left &= ~flood(left & (0u - left), open)) {
            const int region = std::countr_zero(left);
            reached[rank0] |= static_cast<std::uint16_t>(1u << region);
            layer.push_back(packed | (static_cast<std::uint32_t>(region) << regionShift));
        }
    }

    // Each layer is shared out between two threads: the marks are set atomically, and the
    // thread that marks a placement first writes its distance.
    auto expand = [&](std::size_t begin, std::size_t end, std::uint8_t depth, std::vector<std::uint32_t>& out) {
        std::array<int, Cells> positions {};
        for (std::size_t k = begin; k < end; ++k) {
            const std::uint32_t state = layer[k];
            std::uint32_t occupied = 0;
            for (int i = 0; i < count; ++i) {
                positions[i] = static_cast<int>((state >> (4 * i)) & 0xF);
                occupied |= 1u << positions[i];
            }
            const std::uint32_t open = ~occupied & AllCells;
            const std::uint32_t blankRegion = isSingle(open) ? open : flood(1u << (state >> regionShift), open);
            // The children first, so that the memory they need is fetched side by side rather
            // than one miss after another.
            struct Child {
                std::uint32_t placement;
                std::uint32_t rank; // only where the open cells fall apart
                std::uint32_t open;
                std::uint8_t tile;
                std::uint8_t to;
            };
            std::array<Child, 4 * Cells> children;
            int childCount = 0;
            for (int i = 0; i < count; ++i) {
                const int from = positions[i];
                for (std::uint32_t targets = besideMasks[from] & blankRegion; targets != 0; targets &= targets - 1) {
                    const int to = std::countr_zero(targets);
                    // The positions in the state's low digits are the table index.
                    const std::uint32_t placement = (state & ((1u << regionShift) - 1u) & ~(0xFu << (4 * i)))
                        | (static_cast<std::uint32_t>(to) << (4 * i));
                    const std::uint32_t movedOpen = open ^ (1u << to) ^ (1u << from);
                    std::uint32_t r = 0;
                    prefetch(&seen[placement / 64]);
                    prefetch(distance + placement, true);
                    if (!isSingle(movedOpen)) {
                        positions[i] = to;
                        r = rank(positions.data(), count);
                        prefetch(&reached[r]);
                    }
                    children[childCount++]
                        = { placement, r, movedOpen, static_cast<std::uint8_t>(i),
                              static_cast<std::uint8_t>(to) };
                }
                positions[i] = from;
            }
            for (int c = 0; c < childCount; ++c) {
                const auto [placement, r, movedOpen, i, to] = children[c];
                const std::uint64_t seenBit = std::uint64_t(1) << (placement % 64);
                std::atomic_ref<std::uint64_t> seenWord(seen[placement / 64]);
                int region = 0;
                if (isSingle(movedOpen)) {
                    if (seenWord.load(std::memory_order_relaxed) & seenBit)
                        continue;
                    region = std::countr_zero(movedOpen);
                } else {
                    region = std::countr_zero(flood(1u << positions[i], movedOpen));
                    const auto regionBit = static_cast<std::uint16_t>(1u << region);
                    std::atomic_ref<std::uint16_t> regions(reached[r]);
                    if ((regions.load(std::memory_order_relaxed) & regionBit)
                        || (regions.fetch_or(regionBit, std::memory_order_relaxed) & regionBit))
                        continue;
                }
                const bool first = !(seenWord.load(std::memory_order_relaxed) & seenBit)
                    && !(seenWord.fetch_or(seenBit, std::memory_order_relaxed) & seenBit);
                if (first)
                    distance[placement] = depth;
                else if (isSingle(movedOpen))
                    continue;
                out.push_back(placement | (static_cast<std::uint32_t>(region) << regionShift));
            }
        }
    };
    std::vector<std::uint32_t> other;
    for (std::uint8_t depth = 1; !layer.empty(); ++depth) {
        following.clear();
        other.clear();
        const std::size_t half = layer.size() / 2;
        std::thread helper(expand, half, layer.size(), depth, std::ref(other));
        expand(0, half, depth, following);
        helper.join();
        following.insert(following.end(), other.begin(), other.end());
        layer.swap(following);
    }
    return table;
}

// The three home-cell groups: one line of four along an edge and two blocks of six beside it,
// turned so that the line holds the blank's home when it lies on an edge. With staggered set, for
// a blank home in a corner: the block away from the blank reaches into the line instead, and the
// three cells left over make the small pattern; empty groups for other blank homes.
std::array<std::vector<int>, 3> groupsFor(int blankHome, bool staggered = false)
{
    using Turn = int (*)(int row, int column);
    const std::array<Turn, 4> turns { [](int r, int c) { return r * Side + c; },
        [](int r, int c) { return (Side - 1 - r) * Side + c; }, [](int r, int c) { return c * Side + r; },
        [](int r, int c) { return c * Side + (Side - 1 - r); } };
    Turn chosen = turns[0];
    for (const Turn turn : turns) {
        bool onLine = false;
        for (int c = 0; c < Side; ++c)
            onLine = onLine || turn(0, c) == blankHome;
        if (onLine) {
            chosen = turn;
            break;
        }
    }
    std::array<std::vector<int>, 3> groups;
    const int last = Side - 1;
    const bool blankLeft = chosen(0, 0) == blankHome;
    if (staggered && !blankLeft && chosen(0, last) != blankHome)
        return groups;
    for (int r = 0; r < Side; ++r) {
        for (int c = 0; c < Side; ++c) {
            const int cell = chosen(r, c);
            if (cell == blankHome)
                continue;
            const bool nearBlank = (c < Side / 2) == blankLeft;
            if (!staggered)
                groups[r == 0 ? 0 : (c < Side / 2 ? 1 : 2)].push_back(cell);
            else if (nearBlank ? r >= 1 : r < last)
                groups[nearBlank ? 1 : 2].push_back(cell);
            else
                groups[0].push_back(cell);
        }
    }
    for (auto& group : groups)
        std::sort(group.begin(), group.end());
    return groups;
}


// The eight symmetries of the square, each as the cell every cell is carried to.
constexpr std::array<std::array<std::uint8_t, Cells>, 8> symmetries = [] {
    std::array<std::array<std::uint8_t, Cells>, 8> result {};
    for (int cell = 0; cell < Cells; ++cell) {
        const int r = cell / Side;
        const int c = cell % Side;
        const int m = Side - 1;
        const int images[8][2] = { { r, c }, { r, m - c }, { m - r, c }, { m - r, m - c }, { c, r }, { c, m - r },
            { m - c, r }, { m - c, m - r } };
        for (int g = 0; g < 8; ++g)
            result[g][cell] = static_cast<std::uint8_t>(images[g][0] * Side + images[g][1]);
    }
    return result;
}();
constexpr int Transpose = 4;

std::uint32_t maskOf(const std::vector<int>& cells)
{
    std::uint32_t mask = 0;
    for (const int cell : cells)
        mask |= 1u << cell;
    return mask;
}

std::vector<int> cellsOf(std::uint32_t mask)
{
    std::vector<int> cells;
    for (; mask != 0; mask &= mask - 1)
        cells.push_back(std::countr_zero(mask));
    return cells;
}

// A pattern as its shape's key (the least mask among its images) and the symmetry taking it there.
struct Shape {
    std::uint32_t key = AllCells + 1;
    int symmetry = 0;
};

Shape shapeOf(const std::vector<int>& pattern)
{
    Shape best;
    for (int g = 0; g < 8; ++g) {
        std::uint32_t mask = 0;
        for (const int cell : pattern)
            mask |= 1u << symmetries[g][cell];
        if (mask < best.key)
            best = { mask, g };
    }
    return best;
}

// The patterns of the partitions prepare() returns for blankHome: the plain and, in a corner, the
// staggered groups, each with its image mirrored on the diagonal, without repeats.
std::vector<std::array<std::vector<int>, 3>> partitionsFor(int blankHome)
{
    const int home = std::clamp(blankHome, 0, Cells - 1);
    const int mirroredHome = symmetries[Transpose][home];
    std::vector<std::array<std::vector<int>, 3>> result;
    std::vector<std::array<std::uint32_t, 3>> keys;
    auto add = [&](std::array<std::vector<int>, 3> groups, bool mirror) {
        if (groups[0].empty() && groups[1].empty())
            return;
        std::array<std::uint32_t, 3> key {};
        for (int g = 0; g < 3; ++g) {
            for (int& cell : groups[g])
                cell = mirror ? symmetries[Transpose][cell] : cell;
            std::sort(groups[g].begin(), groups[g].end());
            key[g] = maskOf(groups[g]);
        }
        std::sort(key.begin(), key.end());
        if (std::find(keys.begin(), keys.end(), key) != keys.end())
            return;
        keys.push_back(key);
        result.push_back(std::move(groups));
    };
    for (const bool staggered : { false, true }) {
        add(groupsFor(home, staggered), false);
        add(groupsFor(mirroredHome, staggered), true);
    }
    return result;
}

// Neither is ever destroyed: a hint still working when the program ends must not find them gone.
std::mutex& cacheMutex()
{
    static auto* mutex = new std::mutex;
    return *mutex;
}
std::map<std::uint32_t, std::unique_ptr<Table>>& cache()
{
    static auto* tables = new std::map<std::uint32_t, std::unique_ptr<Table>>;
    return *tables;
}

// Read without the cache's lock, so that asking does not wait for a build in progress.
std::atomic<std::size_t> builtBytes { 0 };

} // namespace

std::vector<Partition> prepare(int blankHome)
{
    std::vector<Partition> result;
    const std::lock_guard lock(cacheMutex());
    auto& tables = cache();
    for (const auto& groups : partitionsFor(blankHome)) {
        Partition partition;
        for (int g = 0; g < 3; ++g) {
            const Shape shape = shapeOf(groups[g]);
            std::unique_ptr<Table>& table = tables[shape.key];
            if (!table) {
                table = build(cellsOf(shape.key));
                builtBytes += table->distance.size();
            }
            Lookup& lookup = partition[g];
            lookup.table = table.get();
            lookup.count = static_cast<int>(table->homes.size());
            const auto& toShape = symmetries[shape.symmetry];
            for (int cell = 0; cell < Cells; ++cell) {
                lookup.cellMap[cell] = toShape[cell];
                for (int i = 0; i < lookup.count; ++i) {
                    if (toShape[cell] == table->homes[i])
                        lookup.values[i] = static_cast<std::uint8_t>(cell);
                }
            }
        }
        result.push_back(partition);
    }
    return result;
}

std::vector<std::unique_ptr<Table>> buildTables(int blankHome)
{
    std::map<std::uint32_t, bool> keys;
    for (const auto& groups : partitionsFor(blankHome)) {
        for (const auto& group : groups)
            keys[shapeOf(group).key] = true;
    }
    std::vector<std::unique_ptr<Table>> tables;
    for (const auto& [key, unused] : keys)
        tables.push_back(build(cellsOf(key)));
    return tables;
}

std::size_t memoryUsed() { return builtBytes; }

} // namespace SlidingPatternDb
