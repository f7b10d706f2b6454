#pragma once
// Whether the program can open a window at all, asked before Qt is: a GUI application that finds
// no display to connect to ends the process with Qt's abort and a core dump.

namespace tesselka::app {

// Whether Qt will find a display: the platform it would take (-platform, or QT_QPA_PLATFORM, or
// X or Wayland by default) and what that one connects to (-display or DISPLAY for X,
// WAYLAND_DISPLAY for Wayland). Platforms of other systems always have their screen.
bool display_exists(int argc, char** argv);

}  // namespace tesselka::app
