// BenchPictures.h: picture files made once per run for the benchmarks that open the player's
// own pictures: a camera-sized photo and a PNG that claims absurd dimensions.
#pragma once

#include <QString>

namespace BenchPictures {

// A 6000 x 4000 JPEG photo (a smooth scene with fine detail), written on first use.
QString photo6000x4000();
// A PNG whose header claims 30000 x 30000 pixels, with a few bytes of pixels behind it.
QString png30000x30000();

} // namespace BenchPictures
