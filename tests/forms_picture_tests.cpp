// Loading pictures by bare name: where they are looked for, and what is no picture.

#include "forms/picture.h"
#include "model/runtime_error.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>

namespace tesselka::forms {
namespace {

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray picture(int width, int height, const char* format)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x * y) % 256));
    return encoded(image, format);
}

quint32 crc32(const QByteArray& bytes)
{
    quint32 c = 0xffffffffu;
    for (char ch : bytes) {
        c ^= static_cast<quint8>(ch);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
    }
    return ~c;
}

// A small PNG whose header claims another size, its checksum made right again.
QByteArray png_claiming(quint32 width, quint32 height)
{
    QByteArray png = picture(2, 2, "PNG");
    qToBigEndian(width, png.data() + 16);
    qToBigEndian(height, png.data() + 20);
    qToBigEndian(crc32(png.mid(12, 17)), png.data() + 29);
    return png;
}

// A JPEG cut off where its image data would begin.
QByteArray jpeg_without_scan()
{
    const QByteArray jpeg = picture(16, 16, "JPEG");
    return jpeg.left(jpeg.indexOf(QByteArray("\xff\xda", 2)));
}

// A PNG whose header is whole but whose pixel data stops short.
QByteArray png_cut_in_data()
{
    const QByteArray png = picture(16, 16, "PNG");
    return png.left(png.indexOf("IDAT") + 20);
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Each test runs in an empty working directory with one empty data folder of its own; the
// program's folders and working directory are put back afterwards.
class Pictures : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        ASSERT_TRUE(data.isValid());
        old_current = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(work.path()));
        // With the working directory elsewhere, none of the data folders is hidden as a repeat.
        saved = picture_folders().mid(1);
        set_data_folders({data.path()});
    }
    void TearDown() override
    {
        set_data_folders(saved);
        QDir::setCurrent(old_current);
    }

    QString in_work(const QString& name) const { return QDir(work.path()).filePath(name); }
    QString in_data(const QString& name) const { return QDir(data.path()).filePath(name); }

    QTemporaryDir work, data;
    QString old_current;
    QStringList saved;
};

TEST_F(Pictures, WorkingDirectoryFirstThenDataFolders)
{
    ASSERT_TRUE(write(in_work("0.jpg"), picture(3, 2, "PNG")));  // the content decides
    ASSERT_TRUE(write(in_data("0.jpg"), picture(5, 4, "JPEG")));
    EXPECT_EQ(find_picture("0.jpg"), in_work("0.jpg"));
    EXPECT_EQ(load_picture("0.jpg").size(), QSize(3, 2));

    ASSERT_TRUE(QFile::remove(in_work("0.jpg")));
    EXPECT_EQ(find_picture("0.jpg"), in_data("0.jpg"));
    EXPECT_EQ(load_picture("0.jpg").size(), QSize(5, 4));

    ASSERT_TRUE(QFile::remove(in_data("0.jpg")));
    EXPECT_EQ(find_picture("0.jpg"), QString());
    try {
        load_picture("0.jpg");
        FAIL() << "loaded a picture that is nowhere";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::FileNotFound);
        EXPECT_EQ(e.detail(), "0.jpg");
    }
}

TEST_F(Pictures, FolderListHasWorkingDirectoryFirstAndNoRepeats)
{
    const QString d = data.path();
    set_data_folders({d + "/sub/..", QDir::currentPath(), d + "/", d});
    EXPECT_EQ(picture_folders(), (QStringList{QDir::currentPath(), QDir::cleanPath(d)}));
}

struct BadCase {
    const char* label;
    std::function<QByteArray()> bytes;
};

class BadPicture : public Pictures, public testing::WithParamInterface<BadCase> {};

TEST_P(BadPicture, IsInvalidPicture)
{
    const QByteArray bytes = GetParam().bytes();
    ASSERT_TRUE(write(in_work("0.jpg"), bytes));
    try {
        load_picture("0.jpg");
        FAIL() << "loaded " << GetParam().label;
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::InvalidPicture);
        EXPECT_EQ(QString::fromStdString(e.detail()), in_work("0.jpg"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadPicture,
    testing::Values(BadCase{"empty", [] { return QByteArray(); }},
                    BadCase{"text", [] { return QByteArray("Tesselka\n30 60 30\n"); }},
                    BadCase{"jpeg_cut_in_header", [] { return picture(16, 16, "JPEG").left(100); }},
                    BadCase{"jpeg_without_scan", [] { return jpeg_without_scan(); }},
                    // a sound header that promises pixels which never come
                    BadCase{"png_cut_in_data", [] { return png_cut_in_data(); }},
                    BadCase{"png_of_100000_square", [] { return png_claiming(100000, 100000); }},
                    // small in memory, but no picture of the windows is anything like it
                    BadCase{"wide_png", [] { return picture(20000, 1, "PNG"); }}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Pictures, FolderOfThatNameIsNoPictureAndHidesTheDataFolder)
{
    ASSERT_TRUE(QDir(work.path()).mkdir("0.jpg"));
    ASSERT_TRUE(write(in_data("0.jpg"), picture(3, 2, "JPEG")));
    try {
        load_picture("0.jpg");
        FAIL() << "loaded a folder";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::InvalidPicture);
    }
}

}  // namespace
}  // namespace tesselka::forms
