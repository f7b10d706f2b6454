#include "picture.h"

#include "model/runtime_error.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <vector>

namespace tesselka::forms {
namespace {

// Far above any picture the windows show (about 140 x 205), far below what would exhaust memory.
constexpr int kMaxSide = 4096;

QStringList& data_folders()
{
    static QStringList folders;
    return folders;
}

// No picture file of ours comes near this; a larger one is refused unread.
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

[[noreturn]] void fail(ErrorCode code, const QString& what)
{
    throw RuntimeError(code, what.toStdString());
}

// Notes the image decoders' warnings while it lives, and passes every message on.
class DecoderWarnings {
public:
    DecoderWarnings() { previous_ = qInstallMessageHandler(&DecoderWarnings::handle); }
    ~DecoderWarnings()
    {
        qInstallMessageHandler(previous_);
        seen_ = false;
    }
    bool seen() const { return seen_; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtWarningMsg && context.category &&
            QByteArray(context.category).startsWith("qt.gui.imageio"))
            seen_ = true;
        if (previous_)
            previous_(type, context, text);
    }
    static inline QtMessageHandler previous_ = nullptr;
    static inline bool seen_ = false;
};

QImage decode(const QByteArray& bytes, const QString& path)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();  // from the header, before anything is allocated
    if (!reader.canRead() || !size.isValid() || size.width() > kMaxSide || size.height() > kMaxSide)
        fail(ErrorCode::InvalidPicture, path);
    // A decoder that meets damaged data may still hand back a picture, partly grey, with only a
    // warning: a warning while reading counts as no picture.
    QImage image;
    {
        const DecoderWarnings warnings;
        image = reader.read();
        if (warnings.seen())
            image = QImage();
    }
    if (image.isNull())
        fail(ErrorCode::InvalidPicture, path);
    return image;
}

// The pictures decoded last, with the bytes they came from.
struct Decoded {
    QString path;
    QByteArray bytes;
    QImage image;
};
constexpr std::size_t kCacheSize = 8;

std::vector<Decoded>& decoded()
{
    static std::vector<Decoded> cache;
    return cache;
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
    // The file is read afresh every time; it is decoded again only when its bytes have changed,
    // which keeps a tick cheap while a teacher's new picture still shows at once.
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > kMaxBytes || !file.open(QIODevice::ReadOnly))
        fail(ErrorCode::InvalidPicture, path);
    const QByteArray bytes = file.readAll();
    auto& cache = decoded();
    const auto hit = std::find_if(cache.begin(), cache.end(),
                                  [&](const Decoded& d) { return d.path == path; });
    if (hit != cache.end() && hit->bytes == bytes)
        return hit->image;
    const QImage image = decode(bytes, path);
    if (hit != cache.end())
        cache.erase(hit);
    if (cache.size() >= kCacheSize)
        cache.erase(cache.begin());
    cache.push_back({path, bytes, image});
    return image;
}

}  // namespace tesselka::forms
