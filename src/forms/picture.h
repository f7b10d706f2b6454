#pragma once
// Loading a picture file by its bare name. The working directory is looked in first, so a
// teacher can bring pictures of their own; then the program's data folders.

#include <QImage>
#include <QStringList>

namespace tesselka::forms {

// The program's own folders to look in after the working directory.
void set_data_folders(const QStringList& folders);
// Every folder looked in, in order, the working directory first.
QStringList picture_folders();

// The path a bare name resolves to: the first folder that has an entry of that name. Empty
// when none has.
QString find_picture(const QString& name);

// Loads the picture: the file-not-found error where no folder has it, the invalid-picture error
// where it is no picture that can be decoded (or one of absurd stated size).
QImage load_picture(const QString& name);

}  // namespace tesselka::forms
