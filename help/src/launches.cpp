#include <halvora/help/launches.h>

namespace halvora::help {

bool Launches::start(const std::string& file) {
    return running_.insert(file).second;
}

void Launches::ended(const std::string& file) {
    running_.erase(file);
}

bool Launches::say(const std::string& file) {
    return showing_.insert(file).second;
}

void Launches::closed(const std::string& file) {
    showing_.erase(file);
}

} // namespace halvora::help
