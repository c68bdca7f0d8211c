// Runs a fuzz target over every file of the seed corpus named on the command
// line, so that the normal build tests what each crafted seed checks.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    for (const auto& entry : std::filesystem::directory_iterator(argv[argc - 1])) {
        std::fprintf(stderr, "%s\n", entry.path().string().c_str());
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string input{std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    }
    return std::filesystem::is_empty(argv[argc - 1]) ? 1 : 0; // an empty corpus tests nothing
}
