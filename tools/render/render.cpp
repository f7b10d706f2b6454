// Renders the windows to PNG files, offscreen, for the README and for looking at a change:
//   tesselka_render OUTDIR [--series] [--font FILE] [--zoom PERCENT] [--lang CODE]
// By default: the intro after its last page, and the simulation window at rest and condensing
// with its bar labels. --series adds intro pages 0 and 3 and the simulation window at 30, 20, 10
// and -10 degrees, bar labels shown and not. --font draws the text in FILE in place of the font
// the program carries (a file that cannot be loaded shows what a broken install looks like).
// --zoom draws the windows at that zoom and adds "-PERCENT" to the file names.
// Run it from the folder that holds the pictures (the build folder).

#include "app/application.h"
#include "app/options.h"
#include "forms/zoom.h"
#include "intro/start_view.h"
#include "run/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include "app/language_texts.h"

#include <cstdio>

using tesselka::run::MainWindow;

namespace {

QString suffix;  // "-PERCENT" at a zoom
tesselka::forms::Zoom windows_zoom;  // the windows are drawn at

bool save(QWidget& window, QString path)
{
    path.insert(path.lastIndexOf(QLatin1Char('.')), suffix);
    const bool ok = window.grab().save(path);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "cannot write",
                 qPrintable(path));
    return ok;
}

// The simulation window after `ticks` ticks from the start state, bar labels shown or not.
bool render_main(const QString& path, int ticks, bool labels)
{
    MainWindow main;
    main.load();
    main.set_zoom(windows_zoom);
    if (labels) {
        main.Check1->setChecked(true);
        main.Check1_Click();
    }
    for (int i = 0; i < ticks; ++i)
        main.Timer1_Timer();
    return save(main, path);
}

// The intro window after `ticks` pages.
bool render_intro(const QString& path, int ticks)
{
    tesselka::intro::StartView intro;
    intro.show_language(tesselka::app::current_language());
    intro.load();
    intro.set_zoom(windows_zoom);
    for (int i = 0; i < ticks; ++i)
        intro.Timer1_Timer();
    return save(intro, path);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    using tesselka::app::kMaxZoom, tesselka::app::kMinZoom;
    QCommandLineParser parser;
    const QCommandLineOption series(QStringLiteral("series"));
    const QCommandLineOption font(QStringLiteral("font"), {}, QStringLiteral("FILE"),
                                  tesselka::forms::kCarriedFont);
    const QCommandLineOption zoom(QStringLiteral("zoom"), {}, QStringLiteral("PERCENT"),
                                  QString::number(kMinZoom));
    const QCommandLineOption lang(QStringLiteral("lang"), {}, QStringLiteral("CODE"), QStringLiteral("ja"));
    parser.addOptions({series, font, zoom, lang});
    bool whole = false;
    const int percent = parser.parse(application.arguments()) ? parser.value(zoom).toInt(&whole) : 0;
    const QStringList args = parser.positionalArguments();
    const auto language = tesselka::model::language_of_code(parser.value(lang).toStdString());
    if (!whole || args.size() != 1 || percent < kMinZoom || percent > kMaxZoom || !language) {
        std::fprintf(stderr, "usage: tesselka_render OUTDIR [--series] [--font FILE] [--zoom %d-%d] [--lang CODE]\n",
                     kMinZoom, kMaxZoom);
        return 2;
    }
    tesselka::app::set_up(application, parser.value(font), *language);
    if (percent != 100) {
        windows_zoom = tesselka::forms::Zoom(percent / 100.0);
        suffix = QStringLiteral("-%1").arg(percent);
    }
    const QDir out(args[0]);
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(args[0]));
        return 1;
    }
    bool ok = render_intro(out.filePath(QStringLiteral("intro-last.png")), 6);
    ok &= render_main(out.filePath(QStringLiteral("main-start.png")), 0, false);
    ok &= render_main(out.filePath(QStringLiteral("main-condensing.png")), 15, true);
    if (parser.isSet(series)) {
        ok &= render_intro(out.filePath(QStringLiteral("intro-first.png")), 0);
        ok &= render_intro(out.filePath(QStringLiteral("intro-page3.png")), 4);
    }
    for (int t : {30, 20, 10, -10}) {
        if (!parser.isSet(series))
            break;
        for (bool labels : {false, true})
            ok &= render_main(out.filePath(QStringLiteral("main-%1%2.png").arg(t).arg(labels ? "-labels" : "")),
                              30 - t, labels);
    }
    return ok ? 0 : 1;
}
