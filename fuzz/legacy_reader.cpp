// Any contents of the three first-generation files: the import either reads them or reports a
// message, never misbehaves, and whatever it imports is a logbook that saves and loads again.

#include "data/error.h"
#include "data/fnlfile.h"
#include "roundtrip.h"
#include "exchange/legacyimport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

const std::string &folder()
{
    static const std::string path = [] {
        char pattern[] = "/tmp/fenlo-fuzz-legacy-XXXXXX";
        return std::string(::mkdtemp(pattern));
    }();
    return path;
}

void put(const std::string &name, std::string_view bytes)
{
    std::ofstream(folder() + "/" + name, std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace fenlo;
    // The input holds the three files one after another, split at NUL bytes.
    std::string_view input(reinterpret_cast<const char *>(data), size);
    std::string_view parts[3];
    for (int i = 0; i < 2; ++i) {
        std::size_t cut = input.find('\0');
        parts[i] = input.substr(0, cut);
        input = cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
    }
    parts[2] = input;
    put("nenpi.dat", parts[0]);
    put("gas.dat", parts[1]);
    put("syamei.dat", parts[2]);

    auto book = std::make_unique<Logbook>();
    try {
        if (importLegacy(*book, folder() + "/nenpi.dat") != ImportResult::Imported)
            return 0;
    } catch (const FenloError &) {
        return 0;
    }
    fuzz::requireStableRoundTrip(*book);
    return 0;
}
