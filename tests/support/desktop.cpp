#include "support/desktop.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QThread>

#include <stdexcept>

namespace tesselka::e2e {

namespace {

QString hex(WindowId window)
{
    return QStringLiteral("0x%1").arg(window, 0, 16);
}

}  // namespace

void pause(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

QString Desktop::run(const QString& program, const QStringList& arguments, int timeout_ms)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(timeout_ms)) {
        p.kill();
        p.waitForFinished();
        throw std::runtime_error((program + " " + arguments.join(' ') + " did not finish").toStdString());
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

void Desktop::start_window_manager()
{
    static QProcess* manager = nullptr;
    if (manager)
        return;
    manager = new QProcess;
    manager->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    manager->waitForStarted();
    pause(500);  // let it take over the root window
}

QStringList Desktop::windows(const QString& title)
{
    const QString pattern = QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
    const QString out = run(QStringLiteral("xdotool"), {QStringLiteral("search"),
                                                        QStringLiteral("--onlyvisible"),
                                                        QStringLiteral("--name"), pattern});
    return out.split('\n', Qt::SkipEmptyParts);
}

int Desktop::count(const QString& title)
{
    return windows(title).size();
}

std::optional<WindowId> Desktop::find(const QString& title, int timeout_ms)
{
    QElapsedTimer timer;
    timer.start();
    do {
        // Wine maps a window before it has its size: it counts once it has one.
        for (const QString& id : windows(title))
            if (const QSize size = geometry(id.toULong()).size(); size.width() > 50 && size.height() > 50)
                return id.toULong();
        pause(50);
    } while (timer.elapsed() < timeout_ms);
    return std::nullopt;
}

bool Desktop::wait_gone(const QString& title, int timeout_ms)
{
    QElapsedTimer timer;
    timer.start();
    while (exists(title)) {
        if (timer.elapsed() > timeout_ms)
            return false;
        pause(50);
    }
    return true;
}

QRect Desktop::geometry(WindowId window)
{
    const QString out = run(QStringLiteral("xdotool"),
                            {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), hex(window)});
    int x = 0, y = 0, w = 0, h = 0;
    for (const QString& line : out.split('\n')) {
        const auto kv = line.split('=');
        if (kv.size() != 2)
            continue;
        const int v = kv[1].toInt();
        if (kv[0] == "X") x = v;
        else if (kv[0] == "Y") y = v;
        else if (kv[0] == "WIDTH") w = v;
        else if (kv[0] == "HEIGHT") h = v;
    }
    return {x, y, w, h};
}

void Desktop::resize(WindowId window, QSize size)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("windowsize"), hex(window),
                                    QString::number(size.width()), QString::number(size.height())});
}

void Desktop::click(WindowId window, QPoint at)
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QStringLiteral("--window"), hex(window), QString::number(at.x()),
         QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
    pause(150);  // let the program answer
}

void Desktop::hover(WindowId window, QPoint at)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), hex(window),
                                    QString::number(at.x()), QString::number(at.y())});
    pause(300);
}

void Desktop::wheel_down(WindowId window, QPoint at)
{
    hover(window, at);
    run(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("5")});
    pause(300);
}

void Desktop::key(WindowId window, const QString& keys)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"),
                                    hex(window), QStringLiteral("key"), QStringLiteral("--delay"),
                                    QStringLiteral("30"), keys});
    pause(150);
}

void Desktop::type(WindowId window, const QString& text)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"),
                                    hex(window), QStringLiteral("type"), QStringLiteral("--delay"),
                                    QStringLiteral("30"), text});
    pause(150);
}

void Desktop::close(WindowId window)
{
    run(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"), hex(window)});
}

QImage Desktop::shot(WindowId window)
{
    const QImage image = QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(
        QImage::Format_RGB32);
    // To look at what the tests saw: TESSELKA_E2E_SHOTS=folder keeps every screenshot.
    static const QString keep = qEnvironmentVariable("TESSELKA_E2E_SHOTS");
    static int count = 0;
    if (!keep.isEmpty())
        image.save(QStringLiteral("%1/shot-%2.png").arg(keep).arg(++count, 4, 10, QLatin1Char('0')));
    return image;
}

}  // namespace tesselka::e2e
