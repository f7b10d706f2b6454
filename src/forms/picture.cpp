#include "picture.h"

#include "model/runtime_error.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace tesselka::forms {
namespace {

// Far above any picture the windows show (about 140 x 205), far below what would exhaust memory.
constexpr int kMaxSide = 4096;

QStringList& data_folders()
{
    static QStringList folders;
    return folders;
}

[[noreturn]] void fail(ErrorCode code, const QString& what)
{
    throw RuntimeError(code, what.toStdString());
}

}  // namespace

void set_data_folders(const QStringList& folders) { data_folders() = folders; }

QStringList picture_folders()
{
    QStringList folders{QDir::currentPath()};
    for (const QString& f : data_folders())
        if (!folders.contains(QDir::cleanPath(f)))
            folders << QDir::cleanPath(f);
    return folders;
}

QString find_picture(const QString& name)
{
    for (const QString& folder : picture_folders()) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

QImage load_picture(const QString& name)
{
    const QString path = find_picture(name);
    if (path.isEmpty())
        fail(ErrorCode::FileNotFound, name);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!QFileInfo(path).isFile() || !reader.canRead() || !size.isValid() ||
        size.width() > kMaxSide || size.height() > kMaxSide)
        fail(ErrorCode::InvalidPicture, path);
    QImage image = reader.read();
    if (image.isNull())
        fail(ErrorCode::InvalidPicture, path);
    return image;
}

}  // namespace tesselka::forms
