// SlidingPatternDb.cpp: building and caching the 4 x 4 pattern tables.
//
// A table is filled by a breadth-first search backwards from the pattern at home. Tiles outside
// the pattern are indistinguishable and move for free, so a state is the pattern's placement
// plus the region of free cells the blank can roam in; a region is named by its lowest cell.
#include "SlidingPatternDb.h"

#include <algorithm>
#include <bit>
#include <future>
#include <map>
#include <memory>
#include <mutex>

namespace SlidingPatternDb {

const std::array<std::uint8_t, 1 << 16> bitCount = [] {
    std::array<std::uint8_t, 1 << 16> counts {};
    for (std::size_t cells = 1; cells < counts.size(); ++cells)
        counts[cells] = static_cast<std::uint8_t>(counts[cells >> 1] + (cells & 1));
    return counts;
}();

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

// For every set of open cells: four bits per cell naming the lowest cell of its open region.
const std::vector<std::uint64_t>& regionLabels()
{
    static const std::vector<std::uint64_t> labels = [] {
        std::vector<std::uint64_t> result(AllCells + 1, 0);
        for (std::uint32_t open = 0; open <= AllCells; ++open) {
            std::uint64_t label = 0;
            for (std::uint32_t left = open; left != 0;) {
                const int lowest = std::countr_zero(left);
                const std::uint32_t region = flood(1u << lowest, open);
                for (std::uint32_t cells = region; cells != 0; cells &= cells - 1)
                    label |= static_cast<std::uint64_t>(lowest) << (4 * std::countr_zero(cells));
                left &= ~region;
            }
            result[open] = label;
        }
        return result;
    }();
    return labels;
}

// For every set of open cells: whether they form one region, the common case, where a placement
// needs no record of regions beyond its distance.
const std::vector<bool>& singleRegion()
{
    static const std::vector<bool> single = [] {
        std::vector<bool> result(AllCells + 1, false);
        for (std::uint32_t open = 1; open <= AllCells; ++open)
            result[open] = flood(open & (0u - open), open) == open;
        return result;
    }();
    return single;
}

int regionOf(std::uint64_t labels, int cell)
{
    return static_cast<int>((labels >> (4 * cell)) & 0xF);
}

const std::array<std::vector<int>, Cells>& neighbours()
{
    static const std::array<std::vector<int>, Cells> result = [] {
        std::array<std::vector<int>, Cells> lists;
        for (int cell = 0; cell < Cells; ++cell) {
            const int row = cell / Side;
            const int column = cell % Side;
            if (row > 0)
                lists[cell].push_back(cell - Side);
            if (row < Side - 1)
                lists[cell].push_back(cell + Side);
            if (column > 0)
                lists[cell].push_back(cell - 1);
            if (column < Side - 1)
                lists[cell].push_back(cell + 1);
        }
        return lists;
    }();
    return result;
}

std::unique_ptr<Table> build(const std::vector<int>& homes)
{
    const int count = static_cast<int>(homes.size());
    std::size_t size = 1;
    for (int i = 0; i < count; ++i)
        size *= static_cast<std::size_t>(Cells - i);
    auto table = std::make_unique<Table>();
    table->homes = homes;
    table->distance.assign(size, 0xFF);
    // For placements whose open cells fall apart: one bit per region (by its lowest cell) reached.
    std::vector<std::uint16_t> reached(size, 0);
    const std::vector<std::uint64_t>& labels = regionLabels();
    const auto& next = neighbours();
    const std::vector<bool>& single = singleRegion();

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
        table->distance[rank0] = 0;
        const std::uint32_t open = ~occupied & AllCells;
        for (std::uint32_t left = open; left != 0; left &= ~flood(left & (0u - left), open)) {
            const int region = std::countr_zero(left);
            reached[rank0] |= static_cast<std::uint16_t>(1u << region);
            layer.push_back(packed | (static_cast<std::uint32_t>(region) << regionShift));
        }
    }

    std::array<int, Cells> positions {};
    for (std::uint8_t depth = 1; !layer.empty(); ++depth) {
        following.clear();
        for (const std::uint32_t state : layer) {
            std::uint32_t occupied = 0;
            for (int i = 0; i < count; ++i) {
                positions[i] = static_cast<int>((state >> (4 * i)) & 0xF);
                occupied |= 1u << positions[i];
            }
            const int blankRegion = static_cast<int>(state >> regionShift);
            const std::uint32_t open = ~occupied & AllCells;
            const std::uint64_t openLabels = labels[open];
            for (int i = 0; i < count; ++i) {
                const int from = positions[i];
                for (const int to : next[from]) {
                    if (!(open & (1u << to)) || regionOf(openLabels, to) != blankRegion)
                        continue;
                    positions[i] = to;
                    const std::uint32_t movedOpen = open ^ (1u << to) ^ (1u << from);
                    const int region = regionOf(labels[movedOpen], from);
                    const std::uint32_t r = rank(positions.data(), count);
                    positions[i] = from;
                    if (single[movedOpen]) {
                        if (table->distance[r] != 0xFF)
                            continue;
                    } else {
                        if (reached[r] & (1u << region))
                            continue;
                        reached[r] |= static_cast<std::uint16_t>(1u << region);
                    }
                    if (table->distance[r] == 0xFF)
                        table->distance[r] = depth;
                    const std::uint32_t moved = (state & ~((0xFu << (4 * i)) | (0xFu << regionShift)))
                        | (static_cast<std::uint32_t>(to) << (4 * i))
                        | (static_cast<std::uint32_t>(region) << regionShift);
                    following.push_back(moved);
                }
            }
        }
        layer.swap(following);
    }
    return table;
}

// The three home-cell groups: one line of four along an edge and two blocks of six beside it,
// turned so that the line holds the blank's home when it lies on an edge.
std::array<std::vector<int>, 3> groupsFor(int blankHome)
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
    for (int r = 0; r < Side; ++r) {
        for (int c = 0; c < Side; ++c) {
            const int cell = chosen(r, c);
            if (cell == blankHome)
                continue;
            groups[r == 0 ? 0 : (c < Side / 2 ? 1 : 2)].push_back(cell);
        }
    }
    for (auto& group : groups)
        std::sort(group.begin(), group.end());
    return groups;
}

std::mutex cacheMutex;
std::map<std::uint32_t, std::unique_ptr<Table>>& cache()
{
    static std::map<std::uint32_t, std::unique_ptr<Table>> tables;
    return tables;
}

} // namespace

Partition prepare(int blankHome)
{
    const std::array<std::vector<int>, 3> groups = groupsFor(std::clamp(blankHome, 0, Cells - 1));
    const std::lock_guard lock(cacheMutex);
    auto& tables = cache();
    std::array<std::uint32_t, 3> keys {};
    // Missing tables are built side by side: the two large ones take about the same time.
    std::vector<std::pair<std::uint32_t, std::future<std::unique_ptr<Table>>>> building;
    for (int g = 0; g < 3; ++g) {
        for (const int cell : groups[g])
            keys[g] |= 1u << cell;
        const bool pending = std::any_of(
            building.begin(), building.end(), [&](const auto& job) { return job.first == keys[g]; });
        if (!tables.contains(keys[g]) && !pending)
            building.emplace_back(keys[g], std::async(std::launch::async, build, groups[g]));
    }
    for (auto& [key, job] : building)
        tables[key] = job.get();
    Partition result;
    for (int g = 0; g < 3; ++g)
        result.tables[g] = tables.at(keys[g]).get();
    return result;
}

std::array<std::unique_ptr<Table>, 3> buildPartition(int blankHome)
{
    const std::array<std::vector<int>, 3> groups = groupsFor(std::clamp(blankHome, 0, Cells - 1));
    std::array<std::future<std::unique_ptr<Table>>, 3> jobs;
    for (int g = 0; g < 3; ++g)
        jobs[g] = std::async(std::launch::async, build, groups[g]);
    std::array<std::unique_ptr<Table>, 3> tables;
    for (int g = 0; g < 3; ++g)
        tables[g] = jobs[g].get();
    return tables;
}

std::size_t memoryUsed()
{
    const std::lock_guard lock(cacheMutex);
    std::size_t bytes = 0;
    for (const auto& [key, table] : cache())
        bytes += table->distance.size();
    return bytes;
}

} // namespace SlidingPatternDb
