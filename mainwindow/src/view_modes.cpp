#include <halvora/mainwindow/form1.h>
#include <halvora/platform/clamp_to_int.h>

#include <optional>
#include <string_view>

namespace halvora {
namespace {

constexpr int mini_height = 900;
constexpr int teljes_height = layout::designed_outer_height;
// The least height the frame allows: the title bar alone.
constexpr int cimsor_height = 0;
constexpr int mode_width = layout::designed_outer_width;

// How far a size may stray before the rule pulls it back (bounds inclusive).
constexpr int height_tolerance = 10;
constexpr int width_tolerance = 10;
constexpr int cimsor_highest = 410;

bool within(int value, int centre, int tolerance) {
    return value >= centre - tolerance && value <= centre + tolerance;
}

// The height each mode sets; none for a text that names no mode.
std::optional<int> mode_height(std::string_view nezet) {
    if (nezet == mode_cimsor) {
        return cimsor_height;
    }
    if (nezet == mode_mini) {
        return mini_height;
    }
    if (nezet == mode_teljes) {
        return teljes_height;
    }
    return std::nullopt;
}

// Whether the frame's size is one the resize rule leaves alone in this mode.
bool fits_mode(std::string_view nezet, const platform::WindowFrame& frame) {
    if (nezet == mode_mini) {
        return within(frame.height(), mini_height, height_tolerance) &&
               within(frame.width(), mode_width, width_tolerance);
    }
    if (nezet == mode_cimsor) {
        return frame.height() <= cimsor_highest && frame.width() <= mode_width + width_tolerance;
    }
    return true;
}

bool in_range(int index, int size) {
    return index >= 0 && index < size;
}

} // namespace

void Form1::pipavaltas() {
    const std::optional<int> height = mode_height(nezet);
    if (!height) {
        return;
    }
    show_mode();
    platform_.frame.set_height(*height);
    // A frame already at the height set raises no resize, yet the mode's size
    // rule must hold once the mode is applied: a window widened in another
    // mode takes mini's width, or falls back from the title bar alone.
    if (!fits_mode(nezet, platform_.frame)) {
        Form_Resize();
    }
}

void Form1::show_mode() {
    cimsor.set_checked(nezet == mode_cimsor);
    mini.set_checked(nezet == mode_mini);
    teljes.set_checked(nezet == mode_teljes);
    search_area.set_visible(nezet == mode_teljes);
    if (nezet == mode_cimsor) {
        caption.set_text(cimsorszoveg());
    } else {
        caption.set_text(layout::program_title);
    }
}

// Each size set here raises this handler again inside the setting call. The
// sizes set satisfy the rule, and the frame raises only on a real change, so
// the nesting ends; a fall-back from "cimsor" may be repeated by a nested run
// that still sees "cimsor", with the same outcome.
void Form1::Form_Resize() {
    platform::WindowFrame& frame = platform_.frame;
    if (nezet == mode_mini) {
        if (!within(frame.height(), mini_height, height_tolerance)) {
            frame.set_height(mini_height);
        }
        if (!within(frame.width(), mode_width, width_tolerance)) {
            frame.set_width(mode_width);
        }
    } else if (nezet == mode_cimsor) {
        if (frame.height() > cimsor_highest) {
            frame.set_height(mini_height);
            frame.set_width(mode_width);
            nezet = mode_mini;
            pipavaltas();
        }
        if (frame.width() > mode_width + width_tolerance) {
            frame.set_width(mode_width);
            frame.set_height(mini_height);
            nezet = mode_mini;
            pipavaltas();
        }
    }
    centre_at_top();
}

int Form1::centred_left(int window_width) const {
    return clamp_to_int((static_cast<long long>(platform_.screen.width()) - window_width) / 2);
}

void Form1::centre_at_top() {
    platform_.frame.set_left(centred_left(platform_.frame.width()));
    platform_.frame.set_top(0);
}

void Form1::cimsor_Click() {
    nezet = mode_cimsor;
    pipavaltas();
}

void Form1::mini_Click() {
    nezet = mode_mini;
    pipavaltas();
}

void Form1::teljes_Click() {
    nezet = mode_teljes;
    pipavaltas();
}

void Form1::Form_MouseDown(int Button, int /*Shift*/, float /*X*/, float /*Y*/) {
    if (Button == right_button) {
        platform_.popup_menu.open(platform::MenuItemId::mini, platform::MenuAnchor::pointer);
    }
}

void Form1::open_menu_from_keyboard() {
    platform_.popup_menu.open(platform::MenuItemId::mini, platform::MenuAnchor::focus);
}

void Form1::Frame1_MouseDown(int Index, int Button, int Shift, float X, float Y) {
    if (in_range(Index, frame1_count)) {
        Form_MouseDown(Button, Shift, X, Y);
    }
}

void Form1::Label1_MouseDown(int Index, int Button, int Shift, float X, float Y) {
    if (in_range(Index, label1_count)) {
        Form_MouseDown(Button, Shift, X, Y);
    }
}

} // namespace halvora
