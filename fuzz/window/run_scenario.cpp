// Runs one scenario script against the whole window: every event through the
// same checks as the fuzz target, every expectation against what shows. The
// first line that fails ends the run, named with its script and number.
// With --corpus FOLDER it writes the script's events into that folder as an
// input of the fuzz target, named as the script, instead.
#include "observations.h"
#include "script.h"
#include "session.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace {

using namespace halvora::window_events;

struct Broken {
    std::string what;
};

int fail(const std::filesystem::path& path, int line, const std::string& what) {
    std::fprintf(stderr, "%s:%d: %s\n", path.string().c_str(), line, what.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string corpus = argc == 4 && std::string(argv[1]) == "--corpus" ? argv[2] : "";
    if (argc != (corpus.empty() ? 2 : 4)) {
        std::fprintf(stderr, "usage: %s [--corpus FOLDER] SCRIPT\n", argv[0]);
        return 2;
    }
    const std::filesystem::path path = argv[argc - 1];
    std::ifstream file(path, std::ios::binary);
    Script script;
    try {
        script = read_script(std::string{std::istreambuf_iterator<char>(file), {}});
    } catch (const ScriptError& error) {
        return fail(path, error.line, error.what());
    }
    if (!corpus.empty()) {
        std::filesystem::create_directories(corpus);
        std::ofstream(corpus / path.stem(), std::ios::binary) << script.bytes();
        return 0;
    }
    halvora::fuzzing::on_broken = [](const std::string& what) { throw Broken{what}; };
    halvora::fuzzing::ByteReader start(script.start);
    WindowSession session(start);
    for (const ScriptLine& line : script.lines) {
        try {
            halvora::fuzzing::ByteReader in(line.event);
            while (!in.empty()) {
                session.step(in);
            }
        } catch (const Broken& broken) {
            return fail(path, line.number, line.text + ": broken: " + broken.what);
        }
        if (line.event.empty()) {
            const std::optional<std::string> shown = observe(session, line.what);
            if (shown != line.wanted) {
                return fail(
                    path, line.number,
                    line.text + ": " +
                        (shown ? line.what + " is \"" + *shown + "\", not \"" + line.wanted + "\""
                               : "nothing called \"" + line.what + "\" can be expected"));
            }
        }
    }
    return 0;
}
