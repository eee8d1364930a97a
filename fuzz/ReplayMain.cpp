// Runs a fuzz target over files instead of generated inputs: every file in the folders (or
// the files) given, in name order. CTest runs each target over its seed corpus and every input
// that ever crashed it, so a fixed crash stays fixed without clang or libFuzzer.
#include "fuzz/FuzzSupport.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path path(argv[i]);
        if (fs::is_directory(path)) {
            for (const auto& entry : fs::directory_iterator(path)) {
                // README and the like describe a folder; inputs have no dot in front
                if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
                    inputs.push_back(entry.path());
            }
        } else if (fs::is_regular_file(path)) {
            inputs.push_back(path);
        }
        // a regression folder that has never held a crash does not exist in the tree
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs found\n");
        return 1;
    }
    for (const fs::path& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<char> bytes { std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>() };
        std::fprintf(stderr, "%s\n", path.string().c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
