#pragma once
// The ways a cup picture can be broken on disk, shared by the tests that break one before the
// start and those that break one during a run.

#include <QByteArray>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace tesselka::testing {

inline std::uint32_t crc32(const QByteArray& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char b : bytes) {
        crc ^= static_cast<unsigned char>(b);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void put_u32(QByteArray& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((v >> shift) & 0xFF);
}

inline QByteArray png_chunk(const char* type, const QByteArray& data)
{
    QByteArray chunk;
    put_u32(chunk, static_cast<std::uint32_t>(data.size()));
    const QByteArray typed = QByteArray(type) + data;
    chunk += typed;
    put_u32(chunk, crc32(typed));
    return chunk;
}

// A well-formed PNG of a few hundred bytes whose header claims width x height true-colour
// pixels: decoded in full it would need width * height * 4 bytes.
inline QByteArray png_claiming(std::uint32_t width, std::uint32_t height)
{
    QByteArray header;
    put_u32(header, width);
    put_u32(header, height);
    header += QByteArray("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, no interlace
    const QByteArray rows(64 * 1024, '\0');
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + png_chunk("IHDR", header) +
           png_chunk("IDAT", qCompress(rows).mid(4)) + png_chunk("IEND", {});
}

// The same JPEG with the size in its frame header changed.
inline QByteArray jpeg_claiming(QByteArray jpeg, int width, int height)
{
    for (int i = 2; i + 9 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && marker >= 0xC0 && marker <= 0xC2) {
            jpeg[i + 5] = static_cast<char>(height >> 8);
            jpeg[i + 6] = static_cast<char>(height & 0xFF);
            jpeg[i + 7] = static_cast<char>(width >> 8);
            jpeg[i + 8] = static_cast<char>(width & 0xFF);
            return jpeg;
        }
    }
    return {};
}

inline bool write_file(const QString& path, const QByteArray& content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
}

// Takes away whatever stands at `path`: a file, a link, a folder or a pipe.
inline void clear_path(const QString& path)
{
    const QByteArray p = QFile::encodeName(path);
    if (::rmdir(p.constData()) != 0)
        ::unlink(p.constData());
}

struct PictureFault {
    const char* name;
    bool not_found;          // reported as missing rather than as no picture
    // Breaks the picture at `path`, whose good content is `good`.
    bool (*apply)(const QString& path, const QByteArray& good);
};

inline const std::array<PictureFault, 13> kPictureFaults{{
    {"missing", true,
     [](const QString& p, const QByteArray&) { return QFile::remove(p); }},
    {"empty", false,
     [](const QString& p, const QByteArray&) { return write_file(p, {}); }},
    {"text_file", false,
     [](const QString& p, const QByteArray&) {
         return write_file(p, QStringLiteral("これは絵ではありません\n").toUtf8());
     }},
    {"jpeg_cut_in_header", false,
     [](const QString& p, const QByteArray& good) { return write_file(p, good.left(120)); }},
    {"jpeg_cut_in_data", false,
     [](const QString& p, const QByteArray& good) {
         return write_file(p, good.left(good.size() * 2 / 3));
     }},
    {"folder", false,
     [](const QString& p, const QByteArray&) {
         clear_path(p);
         return QDir().mkdir(p);
     }},
    {"png_claiming_60000x60000", false,
     [](const QString& p, const QByteArray&) { return write_file(p, png_claiming(60000, 60000)); }},
    {"jpeg_claiming_60000x60000", false,
     [](const QString& p, const QByteArray& good) {
         const QByteArray bomb = jpeg_claiming(good, 60000, 60000);
         return !bomb.isEmpty() && write_file(p, bomb);
     }},
    {"png_claiming_4097x1", false,
     [](const QString& p, const QByteArray&) { return write_file(p, png_claiming(4097, 1)); }},
    {"jpeg_grown_to_1GB", false,
     [](const QString& p, const QByteArray& good) {
         // A good picture with a gigabyte of nothing after it (sparse: no disk is used).
         QFile f(p);
         return write_file(p, good) && f.resize(qint64(1) << 30);
     }},
    {"link_to_nothing", true,
     [](const QString& p, const QByteArray&) {
         clear_path(p);
         return QFile::link(p + QStringLiteral(".gone"), p);
     }},
    {"link_to_dev_zero", false,
     [](const QString& p, const QByteArray&) {
         clear_path(p);
         return QFile::link(QStringLiteral("/dev/zero"), p);
     }},
    // Opened before it is known to be a plain file, a pipe blocks until a writer comes.
    {"named_pipe", false,
     [](const QString& p, const QByteArray&) {
         clear_path(p);
         return ::mkfifo(QFile::encodeName(p).constData(), 0644) == 0;
     }},
}};

inline void PrintTo(const PictureFault& fault, std::ostream* out) { *out << fault.name; }

}  // namespace tesselka::testing
