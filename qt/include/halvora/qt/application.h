// The application object as the program starts it: its identity from the
// version record, X11 wherever the session offers it, a clear line instead of
// Qt's own failure when no display can be reached, and the icon and desktop
// entry every window carries.
#pragma once

#include <QApplication>
#include <QLibraryInfo>
#include <QString>

#include <memory>
#include <string_view>

namespace halvora::qt {

// Builds the application. With no display named at all, a line saying so is
// printed and none is built; if the display named cannot be reached, or the
// platform named cannot be loaded, a line naming it is printed and the process
// ends with code 1. Each line begins with `program`. `argv` must outlive it.
// Unless the user chose a platform (QT_QPA_PLATFORM), the window goes to the
// X server named by DISPLAY, on a Wayland desktop its XWayland, where a
// program may place its own window; natively to Wayland only without one.
std::unique_ptr<QApplication> make_application(int argc, char** argv, std::string_view program);

// Qt's own texts (a text field's edit menu, dialog buttons) in Hungarian, as
// every other text of the program is, whatever the system's language. The
// locale is left alone: regional names still come from the system. Without
// the file Qt's texts stay as they are; false then.
bool load_qt_translations(
    const QString& directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

} // namespace halvora::qt
