#include "application.h"

#include "forms/app_info.h"
#include "forms/error_report.h"
#include "forms/fonts.h"
#include "forms/picture.h"
#include "run/main_window.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStyleFactory>

namespace tesselka::app {

namespace {

QIcon globe_icon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/globe-%1.png").arg(size), QSize(size, size));
    return icon;
}

// After the working directory: beside the executable (the build tree), then the installed
// share folder.
QStringList data_folders()
{
    const QString exe = QCoreApplication::applicationDirPath();
    return {exe, QDir(exe).filePath(QStringLiteral("../share/tesselka"))};
}

}  // namespace

void set_up(QApplication& application)
{
    application.setApplicationName(QStringLiteral("tesselka"));
    application.setApplicationVersion(forms::version_text().mid(4));
    // One style on every desktop, so the windows look as they were laid out.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    forms::install_fonts();
    forms::set_data_folders(data_folders());
    QApplication::setWindowIcon(globe_icon());
}

int run(int argc, char** argv)
{
    QApplication application(argc, argv);
    set_up(application);
    auto* main = new run::MainWindow;
    main->setAttribute(Qt::WA_DeleteOnClose);
    forms::run_guarded([main] {
        main->load();
        main->center_on_screen();
        main->show();
    });
    return application.exec();
}

}  // namespace tesselka::app
