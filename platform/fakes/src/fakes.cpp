#include <halvora/platform/fakes/recorders.h>

namespace halvora::fakes {

double ScriptedRandom::next() {
    ++draws_;
    if (script_.empty()) {
        return fallback_;
    }
    const double value = script_.front();
    script_.pop_front();
    return value;
}

} // namespace halvora::fakes
