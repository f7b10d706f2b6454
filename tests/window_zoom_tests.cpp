// Both windows zoomed: every windowed control and every drawn feature lands where the 100 % render
// has it, times the zoom, within a pixel; lines 1 pixel wide as laid out are equally thick at
// each zoom; the keys, the wheel and full screen change the zoom.

#include "support/window_fixture.h"

#include "forms/message_box.h"
#include "forms/twips.h"
#include "forms/zoom.h"
#include "intro/start_view.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QTimer>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

using namespace tesselka;
using tesselka::testing::WindowTest;

namespace {

struct Zoomed : WindowTest {
    void TearDown() override
    {
        forms::zoom_windows(forms::Zoom(1.0));
        WindowTest::TearDown();
    }

    // The widgets the Tab key visits, in order.
    std::vector<QWidget*> tab_order() const
    {
        std::vector<QWidget*> out;
        for (QWidget* next = w->nextInFocusChain(); next != w.get(); next = next->nextInFocusChain())
            if (next->focusPolicy() & Qt::TabFocus)
                out.push_back(next);
        return out;
    }

    // Every widget of the window with its rectangle in the window.
    std::map<QString, QRect> rectangles() const
    {
        std::map<QString, QRect> out;
        int n = 0;
        for (QWidget* child : w->findChildren<QWidget*>())
            if (child->isVisibleTo(w.get()) && dynamic_cast<forms::Placed*>(child))
                out[QStringLiteral("%1 %2").arg(n++).arg(child->accessibleName())] =
                    QRect(child->mapTo(w.get(), QPoint(0, 0)), child->size());
        return out;
    }
};

// The dark runs along a row: where each starts and how wide it is.
std::vector<std::pair<int, int>> dark_runs(const QImage& image, int y, int x0, int x1)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = x0; x < x1; ++x) {
        if (image.pixelColor(x, y).lightness() > 60)
            continue;
        if (!runs.empty() && runs.back().first + runs.back().second == x)
            ++runs.back().second;
        else
            runs.emplace_back(x, 1);
    }
    return runs;
}

void expect_near(const QRect& got, const QRect& laid_out, double factor, const QString& what)
{
    const auto near = [](int a, double b) { return std::abs(a - b) <= 1.0; };
    EXPECT_TRUE(near(got.left(), laid_out.left() * factor) &&
                near(got.top(), laid_out.top() * factor) &&
                near(got.right() + 1, (laid_out.right() + 1) * factor) &&
                near(got.bottom() + 1, (laid_out.bottom() + 1) * factor))
        << qPrintable(what) << " at " << factor << ": " << got.x() << "," << got.y() << " "
        << got.width() << "x" << got.height();
}

// What a message box shows while it is up, read and then closed as OK would close it.
struct MessageBoxLook {
    double points = 0;  // of its text
    QSize icon, button;
    QPoint centre;
};

MessageBoxLook show_message_box(QWidget* parent)
{
    MessageBoxLook look;
    QTimer::singleShot(0, [&look] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                look = {box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->font().pointSizeF(),
                        box->iconPixmap().deviceIndependentSize().toSize(),
                        box->button(QMessageBox::Ok)->size(), box->frameGeometry().center()};
                box->button(QMessageBox::Ok)->click();
            }
    });
    forms::show_message(QMessageBox::Warning, QStringLiteral("気温には数を入れてください。"), parent);
    return look;
}

}  // namespace

TEST_F(Zoomed, AMessageBoxHasTheWindowsZoomAndIsCentredOnIt)
{
    // Over the intro, which at 200 % still fits the 800 x 800 offscreen screen with its box.
    intro::StartView v;
    v.move(20, 30);
    v.show();
    const MessageBoxLook laid_out = show_message_box(&v);
    EXPECT_EQ(laid_out.points, 9);  // the windows' font
    EXPECT_EQ(laid_out.icon, QSize(48, 48));  // Fusion's
    forms::zoom_windows(forms::Zoom(2.0));
    const MessageBoxLook zoomed = show_message_box(&v);
    EXPECT_EQ(zoomed.points, 18);
    EXPECT_EQ(zoomed.icon, QSize(96, 96));
    EXPECT_NEAR(zoomed.button.width(), 2 * laid_out.button.width(), 2);
    EXPECT_NEAR(zoomed.button.height(), 2 * laid_out.button.height(), 2);
    EXPECT_LE((zoomed.centre - v.frameGeometry().center()).manhattanLength(), 2);
}

TEST_F(Zoomed, EveryControlAndTheWindowScale)
{
    const auto laid_out = rectangles();
    const QRect howa_bar = w->howa->bounds(), circle = w->mizu(0).bounds();
    ASSERT_EQ(w->size(), QSize(740, 488));
    const auto indicator = [this] {
        return w->Check1->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w->Check1);
    };
    const int indicator_laid_out = indicator();
    const auto tabs = tab_order();
    ASSERT_GE(tabs.size(), 8u);  // four buttons, three options (one stop), the check box, three lists
    for (double factor : {1.5, 2.0}) {
        forms::zoom_windows(forms::Zoom(factor));
        // 11100 x 7320 twips at 15 twips a pixel, zoomed.
        EXPECT_EQ(w->size(), factor == 2.0 ? QSize(1480, 976) : QSize(1110, 732));
        EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "the border cannot be dragged";
        const auto now = rectangles();
        ASSERT_EQ(now.size(), laid_out.size());
        for (const auto& [name, r] : laid_out)
            expect_near(now.at(name), r, factor, name);
        expect_near(w->howa->bounds(), howa_bar, factor, QStringLiteral("howa"));
        expect_near(w->mizu(0).bounds(), circle, factor, QStringLiteral("mizu(0)"));
        EXPECT_NEAR(indicator(), indicator_laid_out * factor, 0.5);
        EXPECT_DOUBLE_EQ(w->Command1->font().pointSizeF(), 11.25 * factor);  // as laid out: 11.25
        EXPECT_DOUBLE_EQ(w->owari->font().pointSizeF(), 9 * factor);  // the window's font
        EXPECT_DOUBLE_EQ(w->kion->view()->font().pointSizeF(), 11.25 * factor) << "the pop-up";
        EXPECT_EQ(tab_order(), tabs);  // and the names, as the rectangles are keyed by them
    }
}

TEST_F(Zoomed, ThermometerTicksAreEquallyThickAtEachZoom)
{
    // The thermometer lies at (120, 6360) twips; its one-degree ticks run from y 70 to 290
    // twips, 100 twips apart from x 640, above the column (y 120 to 255). Also run on screens
    // of 1.25, 1.5 and 1.75 times the density, where a tick is round(zoom x density) device
    // pixels wide.
    const double density = w->devicePixelRatioF();
    for (double factor : {1.0, 1.5, 2.0}) {
        forms::zoom_windows(forms::Zoom(factor));
        const QImage image = w->grab().toImage();
        const auto px = [&](double twips) { return twips * factor * density / 15; };
        const int y = static_cast<int>(px(6360 + 90));
        const auto runs = dark_runs(image, y, static_cast<int>(px(120 + 600)),
                                    static_cast<int>(px(120 + 5775)));
        const int width = std::max(1, static_cast<int>(std::lround(factor * density)));
        ASSERT_EQ(runs.size(), 51u) << "at " << factor;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            EXPECT_NEAR(runs[i].first, px(120 + 640 + 100 * i), 1.0 + density) << i << " at " << factor;
            EXPECT_EQ(runs[i].second, width) << i << " at " << factor;
        }
    }
}

TEST_F(Zoomed, GridLinesBarsAndCirclesLandAtScaledPixels)
{
    run_to(30, 60, 30, 15);  // condensing: all three bars stand
    const QImage before = w->grab().toImage();
    const QRect chart = w->graph->geometry();
    forms::zoom_windows(forms::Zoom(2.0));
    const QImage after = w->grab().toImage();
    // Every white pixel of the chart in the 100 % render (the dotted grid lines) is white at
    // twice its position, give or take a pixel.
    const QColor white(255, 255, 255);
    int checked = 0;
    for (int y = chart.top(); y <= chart.bottom(); ++y)
        for (int x = chart.left(); x <= chart.right(); ++x) {
            if (before.pixelColor(x, y) != white)
                continue;
            bool found = false;
            for (int dx = -1; dx <= 2; ++dx)
                for (int dy = -1; dy <= 2; ++dy)
                    found |= after.pixelColor(2 * x + dx, 2 * y + dy) == white;
            EXPECT_TRUE(found) << x << "," << y;
            ++checked;
        }
    EXPECT_GT(checked, 500);
    for (const forms::Shape* bar : {w->howa, w->vapor, w->distill}) {
        forms::zoom_windows(forms::Zoom(1.0));
        const QRect b = bar->bounds().translated(w->graph->pos());
        forms::zoom_windows(forms::Zoom(2.0));
        const QRect z = bar->bounds().translated(w->graph->pos());
        const QColor edge = before.pixelColor(b.left(), b.center().y());
        EXPECT_EQ(after.pixelColor(z.left(), z.center().y()), edge);
        EXPECT_EQ(after.pixelColor(z.left() + 1, z.center().y()), edge) << "two pixels thick";
        EXPECT_NEAR(z.left(), 2 * b.left(), 1);
        EXPECT_NEAR(z.right() + 1, 2 * (b.right() + 1), 1);
        ++checked;
    }
    for (int i = 0; i < 52; ++i) {
        if (!w->mizu(i).visible())
            continue;
        forms::zoom_windows(forms::Zoom(1.0));
        const QPoint c = w->mizu(i).bounds().center() + w->Picture1->pos() +
                         w->Picture1->contentsRect().topLeft();
        forms::zoom_windows(forms::Zoom(2.0));
        EXPECT_EQ(after.pixelColor(2 * c + QPoint(1, 1)), *w->mizu(i).fill_color()) << i;
        EXPECT_EQ(before.pixelColor(c), *w->mizu(i).fill_color()) << i;
        ++checked;
    }
    EXPECT_GT(checked, 520);
}

TEST_F(Zoomed, TheKeysAndTheWheelStepTheZoomUpToTheScreen)
{
    // The intro (5610 x 4170 twips) on the 800 x 800 offscreen screen: 250 % would be 935 pixels
    // wide, so zooming in stops at 200 %.
    intro::StartView v;
    v.show();
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    const double expected[] = {1.25, 1.5, 1.75, 2.0, 2.0};
    for (double e : expected) {
        QTest::keyClick(&v, Qt::Key_Plus, Qt::ControlModifier);
        EXPECT_EQ(v.zoom().factor(), e);
    }
    EXPECT_EQ(v.size(), QSize(748, 556));
    QTest::keyClick(&v, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(v.zoom().factor(), 1.75);
    QTest::keyClick(&v, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(v.zoom().factor(), 1.0);
    EXPECT_EQ(v.size(), QSize(374, 278));
    // '+' of a Japanese layout, and of one with '+' over '='.
    QTest::keyClick(&v, Qt::Key_Semicolon, Qt::ControlModifier);
    QTest::keyClick(&v, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(v.zoom().factor(), 1.5);
    // The wheel: a step for each notch (120), up or down; a touch pad's smaller turns add up.
    const auto turn = [&v](int angle) {
        const QPoint at = v.Picture1->geometry().center();
        QWheelEvent wheel(at, v.mapToGlobal(at), {}, QPoint(0, angle), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&v, &wheel);
        return v.zoom().factor();
    };
    EXPECT_EQ(turn(-120), 1.25);
    EXPECT_EQ(turn(120), 1.5);
    EXPECT_EQ(turn(60), 1.5);
    EXPECT_EQ(turn(59), 1.5);
    EXPECT_EQ(turn(1), 1.75);
    EXPECT_EQ(turn(-240), 1.25);
}

TEST_F(Zoomed, FullScreenFitsCentresAndEscRestores)
{
    forms::zoom_windows(forms::Zoom(1.25));
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->size() == QSize(800, 800); }));
    // On the 800 x 800 offscreen screen the 740 x 488 pixels as laid out grow to 800 across:
    // 800 / 740 = 108 %, 528 high, with 136 above and below.
    EXPECT_NEAR(w->zoom().factor(), 800.0 / 740, 1e-9);
    const QPoint chart = w->graph->pos();  // at (720, 840) twips
    EXPECT_NEAR(chart.x(), 720 / 15.0 * 800 / 740, 1);
    EXPECT_NEAR(chart.y(), 136 + 840 / 15.0 * 800 / 740, 1);
    const QImage image = w->grab().toImage();
    EXPECT_EQ(image.pixelColor(400, 10), w->client().back_color()) << "the margin";
    EXPECT_EQ(image.pixelColor(400, 790), w->client().back_color()) << "the margin";
    QTest::keyClick(w.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_NEAR(w->zoom().factor(), 800.0 / 740, 1e-9) << "no zoom keys in full screen";
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->full_screen());
    EXPECT_EQ(w->zoom().factor(), 1.25);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->size() == QSize(925, 610); }));
    EXPECT_EQ(w->graph->pos(), QPoint(60, 70));
}
