#include "program.h"

#include <algorithm>

#include "support/copied_program.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>

#include <stdexcept>

namespace tesselka::e2e {

namespace {

void check(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(what);
}

// The Windows build's folder as it is unpacked, less its pictures.
void copy_without_pictures(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (file.endsWith(QLatin1String(".jpg")))
            continue;
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(file));
        check(QDir().mkpath(QFileInfo(target).path()) && QFile::copy(file, target),
              "cannot copy the Windows build");
    }
}

}  // namespace

QColor Program::stage_color(int stage)
{
    static const QColor colors[] = {{230, 40, 40},  {40, 180, 40},  {40, 60, 230},
                                    {230, 200, 30}, {200, 40, 200}, {30, 200, 200}};
    return colors[stage];
}

int Program::stage_of(QColor color)
{
    for (int i = 0; i < 6; ++i) {
        const QColor c = stage_color(i);
        if (std::abs(c.red() - color.red()) + std::abs(c.green() - color.green()) +
                std::abs(c.blue() - color.blue()) < 60)
            return i;
    }
    return -1;
}

Program::Program() : windows_folder_(qEnvironmentVariable("TESSELKA_E2E_WINDOWS"))
{
    check(bin_.isValid() && work_.isValid(), "no temporary folder");
    if (windows_folder_.isEmpty())
        check(QFile::copy(QStringLiteral(TESSELKA_EXE), bin_.filePath(QStringLiteral("tesselka"))),
              "cannot copy the program");
    else
        copy_without_pictures(windows_folder_, bin_.path());
    for (int i = 0; i < 6; ++i) {
        QImage picture(140, 205, QImage::Format_RGB32);
        picture.fill(stage_color(i));
        QPainter painter(&picture);
        painter.setPen(Qt::black);
        QFont font;
        font.setPixelSize(90);
        painter.setFont(font);
        painter.drawText(picture.rect().adjusted(0, 40, 0, 0), Qt::AlignCenter, QString::number(i));
        painter.end();
        check(picture.save(work_.filePath(testing::picture_name(i)), "JPG", 95),
              "cannot write a test picture");
    }
}

void Program::remove_picture(int stage)
{
    QFile::remove(work_.filePath(testing::picture_name(stage)));
}

void Program::start(const QStringList& arguments)
{
    const QStringList command =
        windows_folder_.isEmpty()
            ? QStringList{bin_.filePath(QStringLiteral("tesselka"))}
            : QStringList{qEnvironmentVariable("TESSELKA_E2E_WINE", QStringLiteral("wine")),
                          bin_.filePath(QStringLiteral("tesselka.exe"))};
    // Windows' language under Wine is English: the lesson is asked for in Japanese unless the
    // test asks for another.
    const bool language_given = std::any_of(arguments.begin(), arguments.end(), [](const QString& a) {
        return a.startsWith(QLatin1String("--lang"));
    });
    const QStringList language = language_given ? QStringList() : QStringList{QStringLiteral("--lang=ja")};
    // No platform asked for: a real window on the test's display.
    process_ = std::make_unique<testing::Process>(command + language + arguments, work_.path(),
                                                  testing::environment({}));
}

}  // namespace tesselka::e2e
