#include <halvora/mainwindow/form1.h>
#include <halvora/win32/combo_binding.h>
#include <halvora/win32/control_ids.h>
#include <halvora/win32/main_window.h>
#include <halvora/win32/mouse.h>

#include <windowsx.h>

#include <cstddef>

namespace halvora::win32 {

void MainWindow::command(int id, int code) {
    switch (id) {
    case option1_id:
    case option2_id:
        if (code == BN_CLICKED) {
            option_clicked(id == option1_id ? 1 : 2);
        }
        break;
    case command1_id:
        if (code == BN_CLICKED) {
            run([this] { form_->Command1_Click(); });
        }
        break;
    case command2_id:
        if (code == BN_CLICKED) {
            run([this] { form_->Command2_Click(); });
        }
        break;
    case month_list_id:
    case day_list_id:
    case name_list_id:
        for (const auto& binding : combo_bindings_) {
            if (GetDlgCtrlID(binding->widget()) == id) {
                binding->notified(code);
            }
        }
        break;
    default:
        break;
    }
}

// Labels and frames let the mouse through to the window, which tells whose
// the button going down is: the today panel's label's under it (the one on
// top where two overlap), the running title's (a click once the left button
// comes up over it again; the second press of a double click is none), a
// frame's, the result boxes' (nobody's), or the window's anywhere else. No
// control is watched through a procedure of its own: under wine that costs
// each of its messages, its paints too, round trips to the wine server.
void MainWindow::mouse_down(UINT message, WPARAM wparam, LPARAM lparam) {
    const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    const int button = button_value(message);
    const int shift = shift_value(wparam);
    const auto place_of = [this](HWND frame) {
        RECT place{};
        GetWindowRect(frame, &place);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
        return place;
    };
    const auto inside = [&](HWND frame) {
        const RECT place = place_of(frame);
        return IsWindowVisible(frame) != FALSE && PtInRect(&place, at) != FALSE;
    };
    const auto twips = [this](int px) { return static_cast<float>(scale_.unrounded_twips(px)); };
    HWND under = ChildWindowFromPointEx(window_, at, CWP_SKIPINVISIBLE);
    if (under != nullptr && under == controls_.Label4) {
        if (message == WM_LBUTTONDOWN) {
            title_pressed_ = true;
            SetCapture(window_);
        }
        return;
    }
    for (std::size_t i = 0; i < controls_.Label1.size(); ++i) {
        if (under == controls_.Label1[i]) {
            const RECT label = place_of(under);
            const int index = static_cast<int>(i);
            run([&] {
                form_->Label1_MouseDown(index, button, shift, twips(at.x - label.left),
                                        twips(at.y - label.top));
            });
            return;
        }
    }
    if (inside(controls_.Frame2) || inside(controls_.Frame3)) {
        return;
    }
    for (std::size_t i = 0; i < controls_.Frame1.size(); ++i) {
        if (inside(controls_.Frame1[i])) {
            const RECT frame = place_of(controls_.Frame1[i]);
            const int index = static_cast<int>(i);
            run([&] {
                form_->Frame1_MouseDown(index, button, shift, twips(at.x - frame.left),
                                        twips(at.y - frame.top));
            });
            return;
        }
    }
    run([&] { form_->Form_MouseDown(button, shift, twips(at.x), twips(at.y)); });
}

void MainWindow::mouse_up(LPARAM lparam) {
    if (!title_pressed_) {
        return;
    }
    title_pressed_ = false;
    if (GetCapture() == window_) {
        ReleaseCapture();
    }
    const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    HWND under = ChildWindowFromPointEx(window_, at, CWP_SKIPINVISIBLE);
    if (under != nullptr && under == controls_.Label4) {
        run([this] { form_->Label4_Click(); });
    }
}

// Windows leaves a plain option button as it was: the logic turns it on.
void MainWindow::option_clicked(int which) {
    run([&] { form_->option_clicked(which == 1 ? form_->Option1 : form_->Option2); });
}

// The lists' validation: when the focus moves on to another control of the
// window, not when the window loses the focus to another, and not when a
// running handler moves it (a message box, a list disabled).
void MainWindow::leaving_list(int index, HWND combo, HWND next_focus) {
    if (running_ > 0 || !owns(next_focus) || next_focus == combo ||
        IsChild(combo, next_focus) != FALSE) {
        return;
    }
    run([&] {
        bool cancel = false;
        form_->Combo1_Validate(index, cancel);
    });
}

void MainWindow::press(HWND button) {
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

// Enter anywhere in the window that does not take it itself presses the
// search button, as a dialog's default button would; on the exit button it
// presses that one. An open list takes it: it picks the item.
bool MainWindow::press_enter() {
    HWND focus = GetFocus();
    for (const auto& binding : combo_bindings_) {
        HWND combo = binding->widget();
        if ((focus == combo || IsChild(combo, focus) != FALSE) && binding->dropped_down()) {
            return false;
        }
    }
    if (focus != nullptr && focus == controls_.Command2) {
        press(controls_.Command2);
    } else if (can_take_focus(controls_.Command1)) {
        press(controls_.Command1);
    }
    return true;
}

bool MainWindow::take_key(const MSG& message) {
    if (form_ == nullptr || ended_ || !owns(message.hwnd)) {
        return false;
    }
    const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    const bool up = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
    if (!down && !up) {
        return false;
    }
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    const bool plain = !shift && !control && !alt;
    switch (message.wParam) {
    case VK_F1:
        if (down && plain) {
            run([this] { form_->tart_Click(); });
        }
        return plain;
    // The menu keys: released, Windows would open a text field's own menu.
    case VK_APPS:
        if (down) {
            run([this] { form_->open_menu_from_keyboard(); });
        }
        return true;
    case VK_F10:
        if (shift && !control && !alt) {
            if (down) {
                run([this] { form_->open_menu_from_keyboard(); });
            }
            return true;
        }
        return false;
    case VK_RETURN:
        return down && !alt && press_enter();
    default:
        return false;
    }
}

} // namespace halvora::win32
