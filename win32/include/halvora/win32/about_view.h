// The about box on the screen: a borderless window of its own, placed where
// the logic put the box, with its frame, icon, texts and drawn edges. A click
// on any of its contents goes to the box's handler for that control; Esc and
// the system's close command do what a click does, for the keyboard.
#pragma once

#include <halvora/aboutbox/about.h>
#include <halvora/win32/windows.h>

#include <functional>

namespace halvora::win32 {

class AboutWindow;

class AboutView final : public AboutBoxView {
public:
    using Runner = std::function<void(const std::function<void()>&)>;

    // `main_window` tells which monitor the box's position counts on.
    AboutView(HWND main_window, Runner run);
    ~AboutView() override;
    AboutView(const AboutView&) = delete;
    AboutView& operator=(const AboutView&) = delete;

    void show(about& box) override;
    void bring_to_front() override;
    // Called from inside one of the box's own click handlers too: the window
    // is only hidden now and goes once its message has been handled.
    void close() override;

    [[nodiscard]] HWND window() const;

    enum class Part { frame, picture, termeknev, verzioszam, copyright, jogok };
    void clicked(Part part);

private:
    HWND main_window_;
    Runner run_;
    AboutWindow* window_ = nullptr;
    about* box_ = nullptr;
};

} // namespace halvora::win32
