// Keeps each native control in step with its control in the window logic: the
// control's state is shown once, then every change the control reports.
#pragma once

#include <halvora/mainwindow/controls.h>
#include <halvora/win32/windows.h>

#include <functional>

namespace halvora::win32 {

// `in_view` tells whether the part of the window the label stands in shows.
void bind(HWND widget, Label& label, std::function<bool()> in_view);
void bind(HWND widget, OptionButton& option);
void bind(HWND window, Caption& caption);

void show_label(HWND widget, const Label& label, Property property, bool in_view);

} // namespace halvora::win32
