#pragma once
// The real program for an end-to-end test: a copy of the executable in a folder of its own (so
// that the only pictures it can find are the test's), started from a working folder that holds
// six test-made pictures, each a flat colour with its number, so a screenshot tells which one
// shows. Where TESSELKA_E2E_WINDOWS names the folder of the Windows build, that folder is copied
// (without its pictures) and its tesselka.exe runs under Wine (TESSELKA_E2E_WINE).

#include "support/process.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

#include <memory>

namespace tesselka::e2e {

class Program {
public:
    Program();

    void remove_picture(int stage);
    // How long a start may take before its first window shows: Wine starts its own processes
    // first.
    int start_timeout_ms() const { return windows_folder_.isEmpty() ? 10000 : 30000; }
    void start(const QStringList& arguments = {});
    // Waits for the program to end by itself; false if it is still running after `timeout_ms`.
    bool wait_exit(int timeout_ms = 5000) { return process_->ended(timeout_ms); }
    // How it ended; ended first if it had not.
    const testing::Outcome& outcome() { return process_->stop(); }

    // The colour of the picture for each stage, and the stage a colour shows (-1: none).
    static QColor stage_color(int stage);
    static int stage_of(QColor color);

private:
    QTemporaryDir bin_, work_;
    const QString windows_folder_;
    std::unique_ptr<testing::Process> process_;
};

}  // namespace tesselka::e2e
