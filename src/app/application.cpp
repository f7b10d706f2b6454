#include "application.h"

#include "access/accessibility.h"
#include "platform/app_info.h"
#include "forms/error_report.h"
#include "forms/fonts.h"
#include "forms/message_box.h"
#include "forms/picture.h"
#include "platform/platform.h"
#include "forms/zoom.h"
#include "intro/start_view.h"
#include "language_texts.h"
#include "lesson.h"
#include "options.h"
#include "picture_check.h"
#include "run/main_window.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace tesselka::app {

namespace {

QIcon globe_icon()
{
    QIcon icon;
    // The sizes a title bar and a task bar use; the menu takes the installed theme icons.
    for (int size : {16, 32, 48})
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

// The name and version that --version gives.
void name_program()
{
    QCoreApplication::setApplicationName(QStringLiteral("tesselka"));
    QCoreApplication::setApplicationVersion(platform::version_text().mid(4));
}

// The language asked for on the command line, or the system's.
model::Language language_wanted(const QCoreApplication& application)
{
    return chosen_language(application.arguments(), QLocale::system().uiLanguages());
}

// The exit status when the command line ends the program at once: --help or --version answered,
// or an option refused. Nothing when the program goes on.
std::optional<int> answered(const std::optional<Options>& options, const QString& error)
{
    if (!options) {
        std::fprintf(stderr, "tesselka: %s\n", error.toUtf8().constData());
        return 2;
    }
    if (!options->answer.isEmpty()) {
        std::fputs(options->answer.toUtf8().constData(), stdout);
        return 0;
    }
    return std::nullopt;
}

// The one line of a start with no screen to open, `what` saying why; the program then ends with
// status 1.
void say_no_screen(const char* what)
{
    // In the lesson's language; in Japanese when the platform failed before any was installed.
    const QString line = QCoreApplication::translate("Start", "%1。グラフィカルなデスクトップで起動してください。")
                             .arg(QCoreApplication::translate("Start", what));
    std::fprintf(stderr, "tesselka: %s\n", line.toUtf8().constData());
}

// With no display the command line is still answered, on a text console or over SSH; anything
// else ends with one line saying why, not with Qt's abort.
int run_without_display(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    name_program();
    install_language(application, language_wanted(application),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QString error;
    if (const std::optional<int> status = answered(parse_options(application.arguments(), error), error))
        return *status;
    say_no_screen(QT_TRANSLATE_NOOP("Start", "画面が見つかりません"));
    return 1;
}

// --help and --version need no window: they are answered without opening the platform, so also
// where a display is named that does not answer.
bool asks_only_for_text(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* text_option : {"-h", "--help", "--help-all", "-?", "-v", "--version"})
            if (std::strcmp(argv[i], text_option) == 0)
                return true;
    return false;
}

// Holds back Qt's messages while it lives, and then passes them on in order. A platform that
// cannot start (a display that does not answer, a platform that does not exist) ends the making
// of the application object in a fatal message, Qt's abort and a core dump, after lines in
// English; here it ends in our one line instead.
class HeldMessages {
public:
    HeldMessages() { previous_ = qInstallMessageHandler(&HeldMessages::hold); }
    ~HeldMessages()
    {
        qInstallMessageHandler(previous_);
        std::lock_guard lock(mutex_);
        // A null context string stays null: the default handler leaves out a missing category.
        const auto c = [](const QByteArray& s) { return s.isNull() ? nullptr : s.constData(); };
        for (const Message& m : held_)
            previous_(m.type, QMessageLogContext(c(m.file), m.line, c(m.function), c(m.category)),
                      m.text);
        held_.clear();
    }

private:
    // Copies of the context's strings: a plugin that failed to start may be gone by then.
    struct Message {
        QtMsgType type;
        QByteArray file, function, category;
        int line;
        QString text;
    };

    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtFatalMsg) {
            say_no_screen(QT_TRANSLATE_NOOP("Start", "画面を開けません"));
            // Not exit(): the half-made application object must not be torn down.
            std::_Exit(1);
        }
        std::lock_guard lock(mutex_);
        held_.push_back({type, context.file, context.function, context.category, context.line, text});
    }

    static inline QtMessageHandler previous_ = nullptr;
    static inline std::mutex mutex_;
    static inline std::vector<Message> held_;
};

}  // namespace

void set_up(QApplication& application, const QString& font_file, const model::Language& language)
{
    name_program();
    // Ties the windows to the menu entry "tesselka.desktop"; on Wayland that is how they find
    // their icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tesselka"));
    // One style on every desktop, so the windows look as they were laid out.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    forms::install_fonts(font_file);
    access::install_accessibility();
    use_language(application, language);
    forms::set_data_folders(data_folders());
    if (platform::shows_window_icons())  // decoding the icon's three sizes takes a while
        QApplication::setWindowIcon(globe_icon());
}

int run(int argc, char** argv)
{
    platform::prepare_platform();
    if (!platform::display_exists(argc, argv) || asks_only_for_text(argc, argv))
        return run_without_display(argc, argv);
    std::optional<HeldMessages> held(std::in_place);
    QApplication application(argc, argv);
    held.reset();  // the platform has started
    set_up(application, forms::kCarriedFont, language_wanted(application));
    QString error;
    const std::optional<Options> options = parse_options(application.arguments(), error);
    if (const std::optional<int> status = answered(options, error))
        return *status;

    // Pictures built into the program were checked with it; a file beside it may be anything.
    if (const QStringList problems = platform::pictures_built_in() ? QStringList() : picture_problems();
        !problems.isEmpty()) {
        const QString message = picture_problem_message(problems);
        std::fprintf(stderr, "tesselka: %s\n", message.toUtf8().constData());
        if (forms::can_show_dialogs()) {
            // At the zoom the intro would have had; the program ends after it.
            const double zoom = start_zoom(*options, intro::StartView::kWidth, intro::StartView::kHeight);
            forms::show_message(QMessageBox::Critical, message, forms::Zoom(zoom));
        }
        return 2;
    }

    Lesson lesson(*options);
    lesson.open();
    return application.exec();
}

}  // namespace tesselka::app
