// main.cpp: quarry-soundgen writes the game's wave files into the folder it is given.
#include "SoundBook.h"
#include "Synth.h"
#include "WaveWriter.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: quarry-soundgen OUTPUT_FOLDER\n";
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
