// SoundBook.h: the game's 23 sounds, each a name and a recipe.
#pragma once

#include "Synth.h"

#include <string>
#include <vector>

struct SoundRecipe
{
    std::string name; // file name without ".wav"
    Synth::Track (*make)();
    double peak; // peak level, 0..1: effects sit below the music
};

// login0-3, move0-9, success0-5, together0-1 and rotate, in that order.
const std::vector<SoundRecipe>& soundBook();
