#include <halvora/mainwindow/form1.h>
#include <halvora/win32/bindings.h>
#include <halvora/win32/combo_binding.h>
#include <halvora/win32/main_window.h>
#include <halvora/win32/text.h>

#include <cstddef>

namespace halvora::win32 {

void MainWindow::bind(Form1& form) {
    unbind();
    form_ = &form;
    const Controls& c = controls_;
    win32::bind(window_, form.caption);
    const auto always = [] { return true; };
    for (std::size_t i = 0; i < c.Label1.size(); ++i) {
        win32::bind(c.Label1[i], form.Label1[i], always);
    }
    if (search_panels_built_) {
        bind_search_panels();
    }
    form.search_area.observe([this](Property) { show_search_area(); });
    show_search_area();
}

void MainWindow::bind_search_panels() {
    Form1& form = *form_;
    const Controls& c = controls_;
    const auto with_search_area = [this] {
        return form_ != nullptr && form_->search_area.visible();
    };
    win32::bind(c.Label2, form.Label2, with_search_area);
    win32::bind(c.Label3, form.Label3, with_search_area);
    win32::bind(c.Label4, form.Label4, with_search_area);
    win32::bind(c.Option1, form.Option1);
    win32::bind(c.Option2, form.Option2);
    SetWindowTextW(c.Command1, widen(form.Command1.caption()).c_str());
    SetWindowTextW(c.Command2, widen(form.Command2.caption()).c_str());
    fit_options();
    for (const int index : {month_list, day_list}) {
        HWND combo = c.Combo1[static_cast<std::size_t>(index)];
        combo_bindings_.push_back(std::make_unique<ComboBinding>(
            combo, form.Combo1[static_cast<std::size_t>(index)],
            [this, index, combo](HWND next) { leaving_list(index, combo, next); }));
    }
    combo_bindings_.push_back(std::make_unique<ComboBinding>(c.Combo2, form.Combo2, nullptr));
}

void MainWindow::unbind() {
    if (form_ == nullptr) {
        return;
    }
    stop_timer();
    form_->stop_observing();
    title_pressed_ = false;
    combo_bindings_.clear();
    form_ = nullptr;
}

const Label* MainWindow::label_of(HWND control) const {
    if (form_ == nullptr) {
        return nullptr;
    }
    const Controls& c = controls_;
    for (std::size_t i = 0; i < c.Label1.size(); ++i) {
        if (c.Label1[i] == control) {
            return &form_->Label1[i];
        }
    }
    if (control == c.Label2) {
        return &form_->Label2;
    }
    if (control == c.Label3) {
        return &form_->Label3;
    }
    return control == c.Label4 ? &form_->Label4 : nullptr;
}

LRESULT MainWindow::control_colour(HDC dc, HWND control) {
    const Label* label = label_of(control);
    SetTextColor(dc, label != nullptr ? text_colour(label->colour(), high_contrast_)
                                      : GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, face_colour());
    return reinterpret_cast<LRESULT>(face_brush());
}

void MainWindow::show_search_area() {
    if (form_ == nullptr) {
        return;
    }
    const bool visible = form_->search_area.visible();
    if (!search_panels_built_) {
        // Before the window shows, the logic's views come and go unseen.
        if (!visible || IsWindowVisible(window_) == FALSE) {
            return;
        }
        build_search_panels();
        return;
    }
    const Controls& c = controls_;
    std::vector<HWND> parts{c.Frame1[date_panel],
                            c.Frame1[name_panel],
                            c.Option1,
                            c.Option2,
                            c.Combo1[month_list],
                            c.Combo1[day_list],
                            c.Combo2,
                            c.Frame2,
                            c.Frame3,
                            c.Command1,
                            c.Command2};
    parts.insert(parts.end(), name_labels_.begin(), name_labels_.end());
    for (HWND part : parts) {
        ShowWindow(part, visible ? SW_SHOWNA : SW_HIDE);
    }
    show_label(c.Label2, form_->Label2, Property::visible, visible);
    show_label(c.Label3, form_->Label3, Property::visible, visible);
    show_label(c.Label4, form_->Label4, Property::visible, visible);

    // The keyboard needs a control to land on: the first of the order that
    // can take it once the panels show, none of them once they hide.
    HWND focus = GetFocus();
    if (!visible) {
        if (owns(focus) && focus != window_ && IsWindowVisible(focus) == FALSE) {
            SetFocus(window_);
        }
        if (last_focus_ != nullptr && IsWindowVisible(last_focus_) == FALSE) {
            last_focus_ = nullptr;
        }
        return;
    }
    if (owns(focus) && focus != window_) {
        return;
    }
    for (HWND control : {c.Option1, c.Option2, c.Combo1[month_list], c.Combo1[day_list], c.Combo2,
                         c.Command1, c.Command2}) {
        if (can_take_focus(control)) {
            if (GetActiveWindow() == window_) {
                SetFocus(control);
            } else {
                last_focus_ = control;
            }
            return;
        }
    }
}

} // namespace halvora::win32
