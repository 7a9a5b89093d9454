// fuzz_game_choices.cpp: libFuzzer target for the file of the player's new-game choices.
#include "GameChoices.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QString problem;
    const GameChoices::Choices choices = GameChoices::parse(bytes, &problem);
    // A refused file gives exactly the defaults; whatever was read survives a rewrite unchanged.
    if (!problem.isEmpty() && !(choices == GameChoices::Choices {}))
        std::abort();
    QString again;
    if (!(GameChoices::parse(GameChoices::format(choices), &again) == choices) || !again.isEmpty())
        std::abort();
    return 0;
}
