// The warm-up while the intro shows: it prepares every font and character the simulation window
// draws, at the zoom it is drawn at, and it makes no window and holds nothing up when the intro goes.

#include "support/window_fixture.h"

#include "app/warm_up.h"
#include "forms/fonts.h"
#include "forms/frame.h"
#include "forms/zoom.h"
#include "intro/start_view.h"

#include <QApplication>
#include <QComboBox>

#include <algorithm>

using namespace tesselka;
using tesselka::testing::WindowTest;

namespace {

// Every text the window draws, with the font it is drawn in: the labels of the window, its frame and its
// picture boxes, and the captions and items of its windowed controls.
std::vector<std::pair<QFont, QString>> texts_drawn(run::MainWindow& w)
{
    std::vector<std::pair<QFont, QString>> out;
    std::vector<const forms::Container*> containers = {&w.client()};
    // The forms classes have no meta-object of their own, hence dynamic_cast.
    for (auto* widget : w.findChildren<QWidget*>()) {
        if (auto* frame = dynamic_cast<forms::Frame*>(widget)) {
            containers.push_back(&frame->client());
            out.push_back({frame->font(), frame->title()});
        } else if (auto* box = dynamic_cast<forms::PictureBox*>(widget)) {
            containers.push_back(&box->client());
        }
    }
    for (const auto* c : containers)
        for (const auto* label : c->labels())
            out.push_back({forms::zoom_of(&w).font(label->font()), label->caption()});  // as it paints
    for (auto* button : w.findChildren<QAbstractButton*>())
        out.push_back({button->font(), button->text()});
    for (auto* list : w.findChildren<QComboBox*>())
        for (int i = 0; i < list->count(); ++i)
            out.push_back({list->font(), list->itemText(i)});
    return out;
}

}  // namespace

struct WarmUpTest : WindowTest {
    void TearDown() override
    {
        forms::zoom_windows(forms::Zoom(1.0));
        WindowTest::TearDown();
    }
};

TEST_F(WarmUpTest, PreparesEveryFontAndCharacterTheSimulationWindowDrawsAtItsZoom)
{
    const QString characters = app::WarmUp::characters();
    // As laid out, started with --zoom 200, and full screen on 1920 x 1080 (1080 / 488 pixels).
    for (double factor : {1.0, 2.0, 1080.0 / 488}) {
        forms::zoom_windows(forms::Zoom(factor));
        const auto fonts = app::WarmUp::fonts(factor);
        const auto texts = texts_drawn(*w);
        ASSERT_GT(texts.size(), 60u);  // so that a broken walk cannot pass
        QString missing;
        for (const auto& [font, text] : texts) {
            EXPECT_TRUE(std::find(fonts.begin(), fonts.end(), font) != fonts.end())
                << font.toString().toStdString() << " for \"" << text.toStdString() << "\" at " << factor;
            for (QChar c : text)
                if (!characters.contains(c) && !missing.contains(c) && c != '\n')
                    missing += c;
        }
        EXPECT_TRUE(missing.isEmpty()) << "not prepared: \"" << missing.toStdString() << "\"";
    }
}

// Runs the event loop until nothing is left for it to do, as between a pupil's clicks.
void run_idle()
{
    for (int i = 0; i < 2000; ++i)  // more often than the warm-up has steps
        QCoreApplication::processEvents();
}

TEST(WarmUp, StartsAfterTheIntrosFirstPaintAndEndsWithItsLastStep)
{
    intro::StartView intro;
    int last_runs = 0;
    auto* warm_up = new app::WarmUp(intro, 1.0, [&] { ++last_runs; });
    bool told = false;
    warm_up->on_finished([&] {
        told = true;
        EXPECT_EQ(last_runs, 1) << "the last step runs before the end is told";
    });
    run_idle();
    EXPECT_FALSE(warm_up->finished()) << "started before the intro was painted";
    EXPECT_EQ(last_runs, 0);
    intro.show();
    run_idle();
    EXPECT_TRUE(warm_up->finished());
    EXPECT_TRUE(told);
    EXPECT_EQ(last_runs, 1);
    // No window made on the way (a list's pop-up, made with the list, is not one).
    QWidgetList windows = QApplication::topLevelWidgets();
    windows.removeIf([](const QWidget* w) { return w->windowType() == Qt::Popup; });
    EXPECT_EQ(windows, QWidgetList{&intro});
}

// Hides a window as soon as its first paint is over, as 「次へ」 does at the earliest.
class HideAfterFirstPaint : public QObject {
public:
    explicit HideAfterFirstPaint(QWidget& window) : window_(window) { window.installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            QMetaObject::invokeMethod(&window_, &QWidget::hide, Qt::QueuedConnection);
        }
        return false;
    }

    bool painted = false;

private:
    QWidget& window_;
};

TEST(WarmUp, StopsWhenTheIntroIsHidden)
{
    intro::StartView intro;
    auto* warm_up = new app::WarmUp(intro, 1.0);
    HideAfterFirstPaint hide(intro);
    intro.show();
    run_idle();
    ASSERT_TRUE(hide.painted);
    EXPECT_FALSE(intro.isVisible());
    EXPECT_FALSE(warm_up->finished());
}
