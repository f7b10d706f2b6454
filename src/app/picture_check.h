#pragma once
// The check of the six cup pictures before any window shows, so that a missing or broken file
// stops the program at once with a clear message rather than in the middle of a lesson.

#include <QString>
#include <QStringList>

namespace tesselka::app {

// One line for each of "0.jpg" to "5.jpg" that is missing or no picture that can be loaded;
// empty when all six load.
QStringList picture_problems();

// The message for the pupil or teacher: the files, and the folders looked in.
QString picture_problem_message(const QStringList& problems);

}  // namespace tesselka::app
