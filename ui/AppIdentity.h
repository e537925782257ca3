#pragma once

#include <QIcon>

class QWidget;

// Who the program is to the desktop: its names, its desktop entry and its icon.
namespace tenvik {

inline constexpr const char* ApplicationName = "Tenvik";
// The name shown to the user, the window's caption. Qt's platform plugins append the
// display name to every window title that does not already end with it, so with this
// name the main window's caption is "Tenvik®" alone and a dialog's ends with it.
inline constexpr const char* ApplicationDisplayName = "Tenvik\u00AE";
inline constexpr const char* OrganizationName = "Quorvell";
// The desktop entry (org.example.Tenvik.desktop), the themed icon's name and the Wayland
// app id: one id, so the desktop matches the running window to its entry and icon.
inline constexpr const char* DesktopFileId = "org.example.Tenvik";

// Which sizes of the calendar icon: the ones a task bar or title bar draws, or every size
// the icon theme installs (the large ones serve window switchers and scale-2 screens).
enum class IconSizes { TaskBar, All };

// The calendar icon from the program's resources.
QIcon ApplicationIcon(IconSizes sizes = IconSizes::All);

// Names the application and gives every window the task-bar sizes of the icon; call once,
// after the QApplication and before the window. The settings folder does not follow these
// names: it is found by FindSettingsPath, so it stays Quorvell/Tenvik whatever Qt is told.
void SetApplicationIdentity();

// Gives the application the large icon sizes too, once the window's first frame is on the
// screen. Decoding them and handing their pixels to the window system (over 300 KB) before
// the window first shows would delay it by several milliseconds for a picture no task bar
// draws at that moment.
void CompleteIconAfterFirstFrame(QWidget& window);

} // namespace tenvik
