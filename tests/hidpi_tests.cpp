// Both windows on a screen of double density (run with QT_SCALE_FACTOR=2): every position
// scales, and lines and text are drawn with the device's own pixels, not blown up.

#include "intro/start_view.h"
#include "run/main_window.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace tesselka;

namespace {

QImage render(QWidget& w)
{
    return w.grab().toImage();
}

// The device pixel at a point given in the window's own (96 dpi) pixels.
QColor at(const QImage& image, int x, int y, int dx = 0, int dy = 0)
{
    return image.pixelColor(2 * x + dx, 2 * y + dy);
}

}  // namespace

TEST(HighDensity, TheSimulationWindowScalesEveryPosition)
{
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    run::MainWindow w;
    w.load();
    const QImage image = render(w);
    EXPECT_EQ(image.size(), QSize(1480, 976));
    EXPECT_EQ(at(image, 162, 458), QColor(192, 255, 255));  // t1 in front of its label
    EXPECT_EQ(at(image, 60, 70), QColor(224, 224, 224));    // the chart
    EXPECT_EQ(at(image, 150, 436), QColor(255, 0, 0));       // the thermometer column
    // Circle 0 of the air diagram, at its centre.
    EXPECT_EQ(at(image, 394 + (1320 + 67) / 15, 154 + (1440 + 67) / 15), QColor(192, 255, 255));
}

TEST(HighDensity, LinesAreTwoDevicePixelsAndSharp)
{
    run::MainWindow w;
    w.load();
    const QImage image = render(w);
    // The cube's top edge (Line7) runs at y = 120 twips = 8 pixels inside the diagram's client
    // area: two device rows of black, white above and below.
    const int x = 394 + 1500 / 15, y = 154 + 8;
    EXPECT_EQ(at(image, x, y, 0, 0), QColor(0, 0, 0));
    EXPECT_EQ(at(image, x, y, 0, 1), QColor(0, 0, 0));
    EXPECT_EQ(at(image, x, y, 0, -1), QColor(255, 255, 255));
    EXPECT_EQ(at(image, x, y, 0, 2), QColor(255, 255, 255));
}

TEST(HighDensity, TheIntroScales)
{
    intro::StartView v;
    v.load();
    const QImage image = render(v);
    EXPECT_EQ(image.size(), QSize(748, 556));
    // The title's blue text lies within its box, scaled.
    bool blue = false;
    for (int x = 8; x < 370 && !blue; ++x)
        for (int y = 8; y < 40 && !blue; ++y)
            blue = at(image, x, y) == QColor(0, 0, 255);
    EXPECT_TRUE(blue);
}
