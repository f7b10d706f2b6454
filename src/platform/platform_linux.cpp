#include "platform.h"

#include <QByteArray>
#include <QList>

#include <cstring>

namespace tesselka::platform {
namespace {

// The value of Qt's option `-name` (or `--name`) on the command line; empty when not given.
QByteArray qt_option(int argc, char** argv, const char* name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const char* arg = argv[i][0] == '-' && argv[i][1] == '-' ? argv[i] + 1 : argv[i];
        if (arg[0] == '-' && std::strcmp(arg + 1, name) == 0)
            return argv[i + 1];
    }
    return {};
}

}  // namespace

// X11 and Wayland draw the text with FreeType already.
void prepare_platform() {}

// The platform Qt would take (-platform, or QT_QPA_PLATFORM, or X or Wayland by default) and
// what that one connects to (-display or DISPLAY for X, WAYLAND_DISPLAY for Wayland).
bool display_exists(int argc, char** argv)
{
    const bool x = !qt_option(argc, argv, "display").isEmpty() || !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    QByteArray platforms = qt_option(argc, argv, "platform");
    if (platforms.isEmpty())
        platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.isEmpty())
        return x || wayland;
    // Names tried in turn ("wayland;xcb"), each with its options after a colon. The others
    // (offscreen, minimal, a frame buffer, VNC) need no display server.
    for (const QByteArray& entry : platforms.split(';')) {
        const QByteArray name = entry.split(':').first().trimmed();
        if (name == "xcb" ? x : name.startsWith("wayland") ? wayland : true)
            return true;
    }
    return false;
}

}  // namespace tesselka::platform
