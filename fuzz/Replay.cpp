// Replays a fuzz target's seeds through its entry point, in a normal build, so
// that the inputs that once found faults run with every test run. Each argument
// is a seed file or a folder of them; no seed at all is an error, so that a
// moved corpus cannot pass unnoticed.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> seedsOf(const fs::path& where)
{
    std::vector<fs::path> seeds;
    if (fs::is_directory(where)) {
        for (const fs::directory_entry& e : fs::directory_iterator(where))
            if (e.is_regular_file())
                seeds.push_back(e.path());
        std::sort(seeds.begin(), seeds.end());
    } else if (fs::is_regular_file(where)) {
        seeds.push_back(where);
    }
    return seeds;
}

} // namespace

int main(int argc, char** argv)
{
    size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& seed : seedsOf(argv[i])) {
            std::ifstream in(seed, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)), {});
            std::printf("%s\n", seed.c_str());
            std::fflush(stdout); // the seed's name stays on record if it crashes
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    if (replayed == 0) {
        std::fprintf(stderr, "no seeds found\n");
        return 1;
    }
    std::printf("%zu seeds replayed\n", replayed);
    return 0;
}
