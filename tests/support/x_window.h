#pragma once
// Whether a program's window appeared, seen from outside on the X display the test runs on
// (the suites that start the real program run under xvfb-run).

#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace tesselka::testing {

// Whether a window titled exactly `title` is mapped on the display within `ms`.
inline bool window_appears(const QString& title, int ms)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                  QStringLiteral("--name"), '^' + QRegularExpression::escape(title) + '$'});
    const bool found = search.waitForFinished(ms) && search.exitCode() == 0;
    search.kill();
    search.waitForFinished();
    return found;
}

}  // namespace tesselka::testing
