#include <halvora/aboutbox/about.h>
#include <halvora/platform/clamp_to_int.h>
#include <halvora/version.h>

#include <string>

namespace halvora {
namespace {

// The main window may sit anywhere the toolkit reports, even at the edge of
// int's range; the box then stays at that edge.
int offset_by(int position, int offset) {
    return clamp_to_int(static_cast<long long>(position) + offset);
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
