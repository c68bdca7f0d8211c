// Scenario scripts: the whole window's events in words, one to a line, and
// what should then show. A script reads into the very bytes the whole-window
// fuzz target takes, plus the expectations, which only a scenario checks.
//
//   # A comment; blank lines are skipped.
//   start 2026-12-05 07:05 english       (one of the starts of event.h, and a system;
//                                         ", no program folder" for one that cannot tell it)
//   type day " 7"                        (quotes keep a text's blanks; "" is empty)
//   tick 13 times
//   expect date answer: Kristóf          (see observations.h)
//
// The events' words are the forms in script.cpp: "click Keresés", "menu Csak
// címsor", "pick day item 28", "drag to 7000 x 3000", "frame least size 0 x
// 450", "tick after jump -2880 minutes", "press right on clock label"...
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace halvora::window_events {

struct ScriptLine {
    int number = 0;   // in the file, from 1
    std::string text; // as written
    // The event's bytes; empty for an expectation.
    std::string event;
    // For an expectation: what is looked at, and the text it should show.
    std::string what;
    std::string wanted;
};

struct Script {
    std::string start; // the start byte and the system byte
    std::vector<ScriptLine> lines;

    // The fuzz target's input: the start, then every event.
    [[nodiscard]] std::string bytes() const;
};

// A line that is not a script's, or a script without its start.
struct ScriptError : std::runtime_error {
    ScriptError(int number, const std::string& message)
        : std::runtime_error(message)
        , line(number) {}
    int line;
};

// Throws ScriptError.
Script read_script(std::string_view text);

} // namespace halvora::window_events
