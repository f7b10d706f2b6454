#pragma once
// The start-up options: --zoom PERCENT and --full-screen, with --help and --version.

#include <QString>

#include <optional>

class QCoreApplication;

namespace tesselka::app {

struct Options {
    double zoom = 1.0;  // 1 draws the windows as laid out
    bool full_screen = false;
};

// The options on the command line. --help and --version print their text and end the program.
// A bad option or value gives no options and puts its one-line message in `error`.
std::optional<Options> parse_options(const QCoreApplication& application, QString& error);

}  // namespace tesselka::app
