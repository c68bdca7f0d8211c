// The numbers of the main window's controls. Those that send notifications
// are told apart by them; the rest are named by them only, for screen
// readers' scripts and for tests that read the window from outside. All are
// clear of IDOK and IDCANCEL, which the dialog keys send.
#pragma once

namespace halvora::win32 {

enum ControlId : int {
    option1_id = 101,
    option2_id,
    month_list_id,
    day_list_id,
    name_list_id,
    command1_id,
    command2_id,
    label1_first_id = 200, // to 205, by the members of Label1
    label2_id = 210,
    label3_id,
    label4_id,
    frame1_first_id = 220, // and 221
    frame2_id = 222,
    frame3_id,
};

} // namespace halvora::win32
