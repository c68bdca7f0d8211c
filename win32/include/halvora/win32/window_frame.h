// The main window's outer frame in twips, through the window rectangle. Windows
// sends the size message inside the call that sets a size; the listener runs
// right after that call returns, still inside the setting call as the logic
// expects, but outside Windows' own frames, which no exception may cross. A
// size that comes from outside (the DPI changing, another program) runs it
// too; a drag of the border runs it once, when the user lets go: Windows tells
// the end of its move-and-size loop, so no guess is needed.
#pragma once

#include <halvora/platform/platform.h>
#include <halvora/win32/scale.h>
#include <halvora/win32/windows.h>

namespace halvora::win32 {

class WindowFrame final : public platform::WindowFrame {
public:
    explicit WindowFrame(HWND window);
    WindowFrame(const WindowFrame&) = delete;
    WindowFrame& operator=(const WindowFrame&) = delete;

    [[nodiscard]] int left() const override;
    [[nodiscard]] int top() const override;
    [[nodiscard]] int width() const override;
    [[nodiscard]] int height() const override;

    void set_left(int twips) override;
    void set_top(int twips) override;
    // A maximized window is made normal first: it takes no size but the
    // screen's. Windows raises a size below its least one to that size.
    void set_width(int twips) override;
    void set_height(int twips) override;

    // The window is about to be shown for the first time: its first resize.
    void showing();

    // What the window's procedure hears of its frame: the start and the end
    // of a move-and-size loop, and each new size.
    void notice(UINT message, WPARAM wparam);

private:
    [[nodiscard]] RECT outer() const;
    [[nodiscard]] POINT origin() const;
    [[nodiscard]] Scale scale() const;
    void place(int x, int y);
    void resize(int width, int height);
    // Raises the listener when the outer size differs from the one last told.
    void tell_if_resized();

    HWND window_;
    SIZE told_{};
    bool shown_ = false;
    bool dragging_ = false;
    int setting_ = 0;
};

} // namespace halvora::win32
