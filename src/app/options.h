#pragma once
// The start-up options: --zoom PERCENT and --full-screen, with --help and --version.

#include <QString>
#include <QStringList>

#include <optional>

namespace tesselka::app {

// The zooms a window may be drawn at, in per cent.
inline constexpr int kMinZoom = 100, kMaxZoom = 300;

struct Options {
    double zoom = 1.0;  // 1 draws the windows as laid out
    bool full_screen = false;
    QString answer;  // what --help or --version prints before the program ends; else empty
};

// The options on the command line (`arguments`, the program's name first). For --help and
// --version, only their text is given. A bad option or value gives no options and puts its
// one-line message in `error`.
std::optional<Options> parse_options(const QStringList& arguments, QString& error);

}  // namespace tesselka::app
