// What the help allows at once for each help file: one launcher running, and
// one message about a failure showing. A user who presses F1 over and over
// while nothing on the desktop opens the file gets one launcher at a time and
// one message to close, not one of each per press. It knows no toolkit, so
// every binding keeps the same rule.
#pragma once

#include <set>
#include <string>

namespace halvora::help {

class Launches {
public:
    // Whether a launcher for `file` may start: none for it runs yet. From a
    // true answer on, the file's launcher counts as running until ended().
    [[nodiscard]] bool start(const std::string& file);
    void ended(const std::string& file);
    [[nodiscard]] bool running() const { return !running_.empty(); }

    // Whether a failure with `file` is to be said: no message about it shows.
    // From a true answer on, its message counts as showing until closed().
    [[nodiscard]] bool say(const std::string& file);
    void closed(const std::string& file);

private:
    std::set<std::string> running_;
    std::set<std::string> showing_;
};

} // namespace halvora::help
