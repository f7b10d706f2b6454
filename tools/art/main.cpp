// tesselka_art OUTDIR
// Writes the cup pictures 0.jpg..5.jpg, the globe-N.png icons and globe.ico into OUTDIR; the
// 192- and 512-pixel icons are the web page's, for a device's home screen.
#include "cup_picture.h"
#include "globe_icon.h"
#include "icon_file.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

bool save(const QImage &image, const QString &path, const char *format, int quality)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "tesselka_art: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // Runs during the build, where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: tesselka_art OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "tesselka_art: cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    for (int stage = 0; stage < kCupStageCount; ++stage) {
        const QImage picture = draw_cup_picture(stage).convertToFormat(QImage::Format_RGB32);
        ok &= save(picture, out.filePath(QString("%1.jpg").arg(stage)), "jpeg", 90);
    }
    QList<QImage> icons;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icons << draw_globe_icon(size).convertToFormat(QImage::Format_ARGB32);
        ok &= save(icons.last(), out.filePath(QString("globe-%1.png").arg(size)), "png", -1);
    }
    for (int size : {192, 512})
        ok &= save(draw_globe_icon(size), out.filePath(QString("globe-%1.png").arg(size)), "png", -1);
    if (!save_icon_file(icons, out.filePath("globe.ico"))) {
        std::fprintf(stderr, "tesselka_art: cannot write %s\n", qPrintable(out.filePath("globe.ico")));
        ok = false;
    }
    return ok ? 0 : 1;
}
