// The baseline: a bare Qt Widgets program that shows one label. "Next" opens a second window
// with one label in place of the first, and a tick sets that label's text. Built a second time
// with PROBE_WITH_SET_UP, it first applies the program's application settings (style, fonts,
// icon, picture folders), to tell what those cost on their own.

#include "probe_hook.h"

#include <QApplication>
#include <QLabel>

#ifdef PROBE_WITH_SET_UP
#include "app/application.h"
#endif

int main(int argc, char** argv)
{
    probe::install({
        .is_first = [](QWidget* w) { return w->objectName() == QLatin1String("first"); },
        .is_second = [](QWidget* w) { return w->objectName() == QLatin1String("second"); },
        .next =
            [](QWidget* w) {
                auto* second = new QLabel(QStringLiteral("現在のコップの水温 30 ℃"));
                second->setObjectName(QStringLiteral("second"));
                second->setAttribute(Qt::WA_DeleteOnClose);
                second->show();
                w->close();
            },
        .tick =
            [](QWidget* w, int i) {
                static_cast<QLabel*>(w)->setText(
                    QStringLiteral("現在のコップの水温 %1 ℃").arg(30 - i % 41));
            },
    });
    QApplication application(argc, argv);
#ifdef PROBE_WITH_SET_UP
    tesselka::app::set_up(application);
#endif
    QLabel label(QStringLiteral("コップに水滴が付くのは？"));
    label.setObjectName(QStringLiteral("first"));
    label.show();
    return application.exec();
}
