// Fuzzing the saved-game reader (libFuzzer, with AddressSanitizer and
// UndefinedBehaviorSanitizer). Not part of the test run; see README.md.
//
// For every input: the reader must never crash, hang or read out of bounds.
// For an input it takes, the game must live with it: the game saves it,
// takes that save back and writes the same bytes again, and a hundred ticks
// of play run on it, after which the game still saves a file it takes back.
//
// Besides libFuzzer's byte mutations, a mutator of our own swaps one field
// of the file for a value from the edges of the field table (-1, 0, a last
// row, one past it, huge numbers, reals, texts), which finds the files the
// reader takes far more often than flipping bits in a 40 KB text does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "savegame/LoadSave.h"
#include "state/NewGame.h"
#include "savegame/SaveGame.h"
#include "tests/fuzz/ProgramState.h"

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

constexpr int kTicksOfPlay = 100;

[[noreturn]] void Broken(const char* what, const std::string& why) {
    std::fprintf(stderr, "qmfuzz: %s: %s\n", what, why.c_str());
    std::abort();
}

// Values from the edges of the field table's ranges, and a few that no
// field takes.
const char* const kEdgeValues[] = {
    "", "0", "1", "-1", "2", "3", "5", "6", "7", "8", "9", "10", "11", "12", "13", "20", "23", "24", "25",
    "29", "30", "31", "32", "50", "51", "60", "61", "62", "63", "64", "65", "66", "67", "99", "100", "101",
    "128", "129", "255", "256", "257", "500", "501", "511", "512", "513", "999", "1000", "31200",
    "10000000", "10000001", "1000000000", "1000000001", "99999999999999", "100000000000000",
    "100000000000001", "999999999999999", "1000000000000000", "-100000000000000", "-1000000",
    "9223372036854775807", "-9223372036854775808", "9223372036854775808", "1e308", "-1e308", "1e-320",
    "0.5", "-0.5", "1.5", "61.5", "66.999", "2.0", ".5", "1E+15", "\"\"", "\"x\"", "\"0\"",
    "\"1234567890123456\"", "\"12345678901234567\"", "\"006\"", "\"a,b\"", "\"line\r\nbreak\"", "x", "\"",
};

std::size_t SwapOneField(std::uint8_t* data, std::size_t size, std::size_t maxSize, std::mt19937& rng) {
    if (size == 0) return 0;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    // A field start: the start of the file, or just after a comma or a line end.
    std::size_t at = std::uniform_int_distribution<std::size_t>(0, size - 1)(rng);
    while (at > 0 && text[at - 1] != ',' && text[at - 1] != '\n') --at;
    std::size_t end = at;
    if (end < size && text[end] == '"') {
        const std::size_t close = text.find('"', end + 1);
        end = close == std::string_view::npos ? size : close + 1;
    } else {
        while (end < size && text[end] != ',' && text[end] != '\r' && text[end] != '\n') ++end;
    }
    std::string value;
    if (rng() % 4 == 0)
        value = std::to_string(static_cast<long long>(rng() % 2000) - 1000);
    else
        value = kEdgeValues[rng() % (sizeof kEdgeValues / sizeof *kEdgeValues)];
    std::string out;
    out.reserve(size + value.size());
    out.append(text.substr(0, at)).append(value).append(text.substr(end));
    if (out.size() > maxSize) return size;
    std::memcpy(data, out.data(), out.size());
    return out.size();
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int seed) {
    std::mt19937 rng(seed);
    if (rng() % 3 == 0) return LLVMFuzzerMutate(data, size, maxSize);
    const int swaps = 1 + static_cast<int>(rng() % 3);
    for (int k = 0; k < swaps; ++k) size = SwapOneField(data, size, maxSize, rng);
    return size;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static HeadlessPlatform ui{GameWindowDefaults()};
    static const bool installed = (SetPlatform(&ui), true);
    (void)installed;

    // Two games kept from input to input: a fresh allocation of a whole game
    // every time costs the fuzzer most of its speed.
    static const auto g = std::make_unique<GameState>();
    static const auto back = std::make_unique<GameState>();
    *g = ProgramState();
    *back = ProgramState();

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string why;
    if (!DeserializeGame(bytes, *g, &why)) return 0;

    // What the reader takes, the game saves, takes back and saves alike.
    std::string saved, again;
    if (!SerializeGame(*g, saved, &why)) Broken("a game the reader took cannot be saved", why);
    if (!DeserializeGame(saved, *back, &why)) Broken("the game's own save is refused", why);
    if (!SerializeGame(*back, again, &why) || again != saved) Broken("a save read back saves differently", why);

    // And it plays.
    PrepareLoadedGame(*g);
    for (int t = 0; t < kTicksOfPlay && g->GameRunning.asInt() == 1; ++t) MainTick(*g);
    // And saves a file the reader takes back: the reader holds the fields
    // to what they must agree on, and play stops its counters at their
    // ranges. (The month of play after a load is the campaign's question,
    // tests/fuzz/campaign.sh.)
    if (!SerializeGame(*g, saved, &why)) Broken("a game played on cannot be saved", why);
    if (!CheckSavedBytes(saved, &why)) Broken("a game played on saves a file the reader refuses", why);
    return 0;
}
