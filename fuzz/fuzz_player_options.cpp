// fuzz_player_options.cpp: libFuzzer target for the player's options file.
#include "PlayerOptions.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const PlayerOptions::ReadResult read = PlayerOptions::decode(bytes);
    // A refused file gives exactly the defaults; whatever was read survives a rewrite unchanged.
    if (!read.problem.isEmpty() && !(read.options == PlayerOptions {}))
        std::abort();
    const PlayerOptions::ReadResult again = PlayerOptions::decode(PlayerOptions::encode(read.options));
    if (!again.problem.isEmpty() || !(again.options == read.options))
        std::abort();
    return 0;
}
