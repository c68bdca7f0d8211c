// The about box: a borderless window with the program's title and version,
// closed by a click on any of its contents.
#pragma once

#include <halvora/platform/rect.h>

#include <array>
#include <string>
#include <string_view>

namespace halvora {

// The box as designed, in twips: the frame in the window, the rest in the frame.
namespace about_layout {
inline constexpr int client_width = 4680;
inline constexpr int client_height = 3105;
inline constexpr int offset_left = 660; // from the main window's outer corner
inline constexpr int offset_top = 640;

inline constexpr Rect Frame1{100, 40, 4450, 2895};
inline constexpr Rect Picture1{240, 600, 465, 465};
inline constexpr Rect termeknev{1080, 720, 2895, 495}; // Arial 13.5 points
inline constexpr Rect verzioszam{2040, 1320, 1935, 375};
inline constexpr Rect copyright{240, 1920, 3975, 255};
inline constexpr Rect jogok{240, 2280, 3975, 255};

// The four drawn lines that stand in for a border, from end to end.
struct Line {
    int x1;
    int y1;
    int x2;
    int y2;
};
inline constexpr std::array<Line, 4> Line1{Line{0, 10, 4680, 10}, Line{0, 3095, 4680, 3095},
                                           Line{0, 0, 0, 3120}, Line{4670, 0, 4670, 3120}};
} // namespace about_layout

inline constexpr std::string_view copyright_text = "Copyright © Dorvanta";
inline constexpr std::string_view jogok_text = "Minden jog fenntartva.";

struct ProgramVersion {
    int major = 1;
    int minor = 0;
    int revision = 0;
};

// The version the build was configured with.
ProgramVersion program_version();

class about;

// What the about box needs of its owner: to be forgotten once it unloads.
class AboutOwner {
public:
    virtual ~AboutOwner() = default;
    // Called as the last step of a click handler; the box may be destroyed here.
    virtual void unload_about() = 0;
};

class about {
public:
    about(AboutOwner& owner, std::string_view title, ProgramVersion version)
        : owner_(owner)
        , title_(title)
        , version_(version) {}
    about(const about&) = delete;
    about& operator=(const about&) = delete;

    // Its labels' texts; they are written once, at load.
    [[nodiscard]] const std::string& termeknev() const { return termeknev_; }
    [[nodiscard]] const std::string& verzioszam() const { return verzioszam_; }
    [[nodiscard]] std::string_view copyright() const { return copyright_text; }
    [[nodiscard]] std::string_view jogok() const { return jogok_text; }

    // Outer corner on the screen, in twips.
    [[nodiscard]] int left() const { return left_; }
    [[nodiscard]] int top() const { return top_; }

    // Places the box against the main window's corner and writes its texts.
    void Form_Load(int main_left, int main_top);

    // Each closes the box; nothing may touch the box after one returns.
    void Frame1_Click() { unload(); }
    void Picture1_Click() { unload(); }
    void copyright_Click() { unload(); }
    void jogok_Click() { unload(); }
    void termeknev_Click() { unload(); }
    void verzioszam_Click() { unload(); }

private:
    void unload() { owner_.unload_about(); }

    AboutOwner& owner_;
    std::string title_; // owned: the caller's text need not outlive the box
    ProgramVersion version_;
    std::string termeknev_;
    std::string verzioszam_;
    int left_ = 0;
    int top_ = 0;
};

// The toolkit's side of the box: draws it and forwards its clicks.
class AboutBoxView {
public:
    virtual ~AboutBoxView() = default;
    virtual void show(about& box) = 0;
    virtual void bring_to_front() = 0;
    virtual void close() = 0;
};

} // namespace halvora
