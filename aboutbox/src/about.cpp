#include <halvora/aboutbox/about.h>
#include <halvora/version.h>

#include <limits>
#include <string>

namespace halvora {
namespace {

// The main window may sit anywhere the toolkit reports, even at the edge of
// int's range; the box then stays at that edge instead of wrapping around.
int offset_by(int position, int offset) {
    const long long moved = static_cast<long long>(position) + offset;
    if (moved > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (moved < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(moved);
}

} // namespace

ProgramVersion program_version() {
    return ProgramVersion{version::major, version::minor, version::revision};
}

void about::Form_Load(int main_left, int main_top) {
    left_ = offset_by(main_left, about_layout::offset_left);
    top_ = offset_by(main_top, about_layout::offset_top);
    verzioszam_ = "Version " + std::to_string(version_.major) + "." +
                  std::to_string(version_.minor) + "." + std::to_string(version_.revision);
    termeknev_ = title_;
}

} // namespace halvora
