// main.cpp: quarry-soundgen writes the game's wave files into the folder it is given, or checks
// the sounds it makes (--check): each within the length of its kind, audible without clipping,
// at rest at both ends so nothing clicks, and no two alike. The files beside the program are these
// sounds byte for byte (tst_qtmcidevices), so the check holds for them.
#include "SoundBook.h"
#include "Synth.h"
#include "WaveWriter.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>

namespace {

int check()
{
    int failures = 0;
    auto fail = [&failures](const std::string& name, const std::string& what, long value) {
        std::cerr << name << ": " << what << " (" << value << ")\n";
        ++failures;
    };
    std::set<std::vector<std::int16_t>> seen;
    for (const SoundRecipe& recipe : soundBook()) {
        const std::vector<std::int16_t> samples = recipe.make().finish(recipe.peak);
        const std::string& name = recipe.name;
        const bool effect = name.rfind("together", 0) == 0 || name == "rotate";
        const long shortest = name.rfind("move", 0) == 0 ? 50 : effect ? 150 : 1000;
        const long longest = name.rfind("move", 0) == 0 ? 300 : effect ? 600 : 3000;
        const long ms = long(samples.size()) * 1000 / Synth::SampleRate;
        if (ms < shortest || ms > longest)
            fail(name, "length in ms outside " + std::to_string(shortest) + ".." + std::to_string(longest),
                ms);
        if (samples.empty())
            continue;
        int peak = 0;
        for (const std::int16_t s : samples)
            peak = std::max(peak, std::abs(int(s)));
        if (peak <= 32767 / 5 || peak >= 32767)
            fail(name, "peak too quiet or clipping", peak);
        const int rest = 32767 / 200;
        const int ends = std::max(std::abs(int(samples.front())), std::abs(int(samples.back())));
        if (ends > rest)
            fail(name, "does not start and end at rest", ends);
        if (!seen.insert(samples).second)
            fail(name, "the same as an earlier sound", 0);
    }
    if (seen.size() != 23)
        fail("the book", "holds other than 23 sounds", long(seen.size()));
    return failures ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--check")
        return check();
    if (argc != 2) {
        std::cerr << "usage: quarry-soundgen OUTPUT_FOLDER | --check\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "quarry-soundgen: cannot create " << folder.string() << ": " << error.message() << '\n';
        return 1;
    }
    for (const SoundRecipe& recipe : soundBook()) {
        const std::filesystem::path file = folder / (recipe.name + ".wav");
        if (!writeWave(file.string(), recipe.make().finish(recipe.peak), Synth::SampleRate)) {
            std::cerr << "quarry-soundgen: cannot write " << file.string() << '\n';
            return 1;
        }
    }
    return 0;
}
