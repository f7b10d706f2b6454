#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Writes a Windows icon file holding each image as PNG (the form Windows takes since Vista);
// the program's executable carries it as its icon.
bool save_icon_file(const QList<QImage> &images, const QString &path);
