#include "icon_file.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>

bool save_icon_file(const QList<QImage> &images, const QString &path)
{
    QList<QByteArray> pngs;
    for (const QImage &image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "png"))
            return false;
        pngs << png;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    // The header, then one 16-byte entry per image, then the images.
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * images.size();
    for (int i = 0; i < images.size(); ++i) {
        const int w = images[i].width(), h = images[i].height();
        // A side of 256 is written as 0.
        out << quint8(w & 0xff) << quint8(h & 0xff) << quint8(0) << quint8(0) << quint16(1)
            << quint16(32) << quint32(pngs[i].size()) << offset;
        offset += pngs[i].size();
    }
    for (const QByteArray &png : pngs)
        out.writeRawData(png.constData(), png.size());
    return out.status() == QDataStream::Ok && file.flush();
}
