#pragma once
// A copy of a program in a folder of its own, so that it has no pictures to fall back on, and a
// work folder to start it from, holding the six pictures the build draws beside the program.

#include "model/cup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace tesselka::testing {

// The file the program looks for the picture of stage `i` in.
inline QString picture_name(int i) { return QString::fromStdString(model::cup_picture_file(i)); }

// Copies the six pictures beside `program` into `folder`; whether all were copied.
inline bool copy_pictures(const QString& program, const QString& folder)
{
    const QDir from = QFileInfo(program).absoluteDir(), to(folder);
    for (int i = 0; i < model::kCupStages; ++i)
        if (!QFile::copy(from.filePath(picture_name(i)), to.filePath(picture_name(i))))
            return false;
    return true;
}

class CopiedProgram {
public:
    // Copies `program` and its pictures; whether all were copied.
    bool make(const QString& program)
    {
        program_ = bin_.filePath(QFileInfo(program).fileName());
        return bin_.isValid() && work_.isValid() && QFile::copy(program, program_) &&
               copy_pictures(program, work_.path());
    }
    const QString& program() const { return program_; }
    QString work() const { return work_.path(); }
    QString work(const QString& file) const { return work_.filePath(file); }

private:
    QTemporaryDir bin_, work_;
    QString program_;
};

}  // namespace tesselka::testing
