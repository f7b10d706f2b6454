// The windows from the keyboard alone, and as a screen reader sees them.

#include "support/window_fixture.h"

#include "app/application.h"
#include "app/lesson.h"
#include "intro/start_view.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest/QTest>

using namespace tesselka;
using tesselka::testing::WindowTest;

namespace {

QAccessibleInterface* accessible(QObject* o)
{
    return QAccessible::queryAccessibleInterface(o);
}

QString name_of(QObject* o)
{
    return accessible(o)->text(QAccessible::Name);
}

QString description_of(QObject* o)
{
    return accessible(o)->text(QAccessible::Description);
}

// The names of a container's static-text children: its visible labels.
QStringList texts_in(QWidget* container)
{
    QStringList out;
    QAccessibleInterface* iface = accessible(container);
    for (int i = 0; i < iface->childCount(); ++i)
        if (iface->child(i)->role() == QAccessible::StaticText)
            out << iface->child(i)->text(QAccessible::Name);
    return out;
}

}  // namespace

using AccessTest = WindowTest;

TEST_F(AccessTest, EveryControlHasAJapaneseName)
{
    const struct { QObject* control; const char* name; } rows[] = {
        {w->Command1, "コップの水温を下げる(開始)"}, {w->Command2, "停止"},
        {w->Command3, "はじめから"}, {w->owari, "終わり"}, {&w->ssp(0), "遅"},
        {&w->ssp(2), "速"}, {w->Check1, "グラフの説明の表示"}, {w->kion, "気温"},
        {w->situdo, "湿度"}, {w->t0, "最初のコップの水温"}, {w->graph, "飽和水蒸気量のグラフ"},
        {w->thermo, "温度計"}, {w->Picture2, "コップの絵"}, {w.get(), "Tesselka(コップに水滴が付くのは？)"},
        // The text fields inside the lists, where the pupil types.
        {w->kion->lineEdit(), "気温"}, {w->situdo->lineEdit(), "湿度"},
        {w->t0->lineEdit(), "最初のコップの水温"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(name_of(r.control), QString::fromUtf8(r.name));
}

TEST_F(AccessTest, LabelsAreReadAsTextOfTheirContainer)
{
    w->show();
    const QStringList main = texts_in(w.get());
    EXPECT_EQ(accessible(w.get())->role(), QAccessible::Window) << main.join('|').toStdString();
    EXPECT_TRUE(main.contains(QString::fromUtf8("現在のコップの水温　　　　℃")));
    EXPECT_TRUE(main.contains("30"));  // the water temperature, t1
    EXPECT_TRUE(main.contains("ver." TESSELKA_VERSION));
    EXPECT_TRUE(texts_in(w->setting).contains(QString::fromUtf8("湿度　　　　　％")));
    // Hidden labels are not read: the bar labels show only with the box ticked.
    const QString howa_label = QString::fromUtf8("空気1m3に入ることができる水蒸気量");
    EXPECT_FALSE(texts_in(w->graph).contains(howa_label));
    w->Check1->click();
    EXPECT_TRUE(texts_in(w->graph).contains(howa_label));
}

TEST_F(AccessTest, StaticTextsReadTopToBottomAndLeftToRight)
{
    w->show();
    const QStringList main = texts_in(w.get());
    // The title and the version share the top line.
    EXPECT_EQ(main.mid(0, 2), QStringList({QString::fromUtf8("コップに水滴が付くのは？"), "ver." TESSELKA_VERSION}));
    // The chart's scale: its left column from the top, then its bottom row with the axis name.
    const qsizetype row = main.indexOf("-10");
    ASSERT_GT(row, 0) << main.join('|').toStdString();
    const QStringList column = {"50", "40", "30", "20", "10", "0"};
    QStringList read;
    for (const QString& text : main.mid(0, row))
        if (column.contains(text))
            read << text;
    EXPECT_EQ(read, column);
    EXPECT_EQ(main.mid(row),
              QStringList({"-10", "0", "10", "20", "30", "40", QString::fromUtf8("温度 (℃)"),
                           QString::fromUtf8("現在のコップの水温　　　　℃"), "30",
                           QString::fromUtf8("(＝コップのすぐ近くの空気の温度)")}));
    EXPECT_EQ(texts_in(w->setting),
              QStringList({QString::fromUtf8("気温　　　　　℃"),
                           QString::fromUtf8("最初のコップの水温　　　　　℃"),
                           QString::fromUtf8("湿度　　　　　％")}));
}

TEST_F(AccessTest, PicturesDescribeWhatTheyShowAfterEveryRedraw)
{
    EXPECT_TRUE(description_of(w->graph).contains(QString::fromUtf8("水温 30℃")));
    EXPECT_TRUE(description_of(w->Picture2).contains(QString::fromUtf8("何も付いていません")));
    run_to(30, 60, 30, 20);
    const QString chart = description_of(w->graph);
    EXPECT_TRUE(chart.contains(QString::fromUtf8("入ることができる水蒸気量 17.20 g"))) << chart.toStdString();
    EXPECT_TRUE(chart.contains(QString::fromUtf8("水になった量 1.04 g")));
    EXPECT_TRUE(description_of(w->Picture1).contains(QString::fromUtf8("水滴 1.04 g")));
    EXPECT_EQ(description_of(w->thermo), QString::fromUtf8("現在のコップの水温 20℃"));
    EXPECT_TRUE(description_of(w->Picture2).contains(QString::fromUtf8("うっすら")));
}

// Events reach a screen reader only through the desktop's accessibility bus, which the offscreen
// platform has not; what they carry is what the interfaces answer, checked here after each tick.
TEST_F(AccessTest, TheWaterTemperatureIsToldAtEveryTick)
{
    w->show();
    QAccessibleInterface* window = accessible(w.get());
    QAccessibleInterface* value = nullptr;  // t1, as the screen reader found it
    for (int i = 0; i < window->childCount(); ++i)
        if (window->child(i)->text(QAccessible::Name) == "30")
            value = window->child(i);
    ASSERT_NE(value, nullptr);
    w->Command1->click();
    EXPECT_EQ(description_of(w->thermo), QString::fromUtf8("現在のコップの水温 29℃"));
    EXPECT_EQ(value->text(QAccessible::Name), "29");
    w->Timer1->fire();
    EXPECT_EQ(description_of(w->thermo), QString::fromUtf8("現在のコップの水温 28℃"));
    EXPECT_EQ(value->text(QAccessible::Name), "28");
    EXPECT_EQ(value->role(), QAccessible::StaticText);
    const QRect place = value->rect();
    EXPECT_EQ(place.size(), QSize(33, 20));  // t1's box, 495 x 300 twips
}

TEST_F(AccessTest, ALessonFromTheKeyboardAlone)
{
    w->show();
    QApplication::setActiveWindow(w.get());
    EXPECT_EQ(QApplication::focusWidget(), w->Command1);  // the first in the tab order
    QTest::keyClick(w->Command1, Qt::Key_Space);  // start
    EXPECT_EQ(water(), "29");
    QTest::keyClick(w->Command2, Qt::Key_Space);  // stop
    EXPECT_FALSE(w->Timer1->enabled());
    QTest::keyClick(w->Check1, Qt::Key_Space);  // bar labels
    EXPECT_TRUE(w->howa_t->visible());
    w->ssp(1).setFocus();
    QTest::keyClick(&w->ssp(1), Qt::Key_Right);  // speed: fast
    EXPECT_TRUE(w->ssp(2).isChecked());
    EXPECT_EQ(w->Timer1->interval(), 500);
    // An arrow key in a closed list picks the next value and resets the run.
    QTest::keyClick(w->kion, Qt::Key_Down);
    EXPECT_EQ(w->kion->text(), "35");
    EXPECT_EQ(w->air.vapor0, 2376);  // 60 % of 39.60 g
    EXPECT_EQ(water(), "30");
    // Alt+Down opens the list; Down and Enter pick from it.
    QTest::keyClick(w->situdo, Qt::Key_Down, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QWidget* items = popup->focusWidget() ? popup->focusWidget() : popup;
    QTest::keyClick(items, Qt::Key_Down);
    QTest::keyClick(items, Qt::Key_Return);
    EXPECT_EQ(w->situdo->text(), "70");
    EXPECT_EQ(w->air.vapor0, 2772);
    QTest::keyClick(w->Command3, Qt::Key_Space);  // restart
    EXPECT_TRUE(w->Timer1->enabled());
    QTest::keyClick(w->owari, Qt::Key_Space);  // end
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(errors.empty());
}

TEST_F(AccessTest, TheSpeedOptionsAreOneTabStopAndTheArrowsSelect)
{
    w->show();
    QApplication::setActiveWindow(w.get());
    w->Check1->setFocus();
    QTest::keyClick(w->Check1, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &w->ssp(1)) << "Tab lands on the selected option";
    // Each arrow selects, so the speed changes as the pupil arrows, round the group.
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Right, 500}, {Qt::Key_Down, 2000}, {Qt::Key_Left, 500}, {Qt::Key_Up, 1000}};
    for (const auto& [key, interval] : steps) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(w->Timer1->interval(), interval) << key;
        EXPECT_TRUE(static_cast<QRadioButton*>(QApplication::focusWidget())->isChecked());
    }
    QTest::keyClick(&w->ssp(2), Qt::Key_Right);
    QTest::keyClick(&w->ssp(0), Qt::Key_Right);  // now 中 again is selected
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->Command1) << "Tab leaves the group";
}

TEST_F(AccessTest, EnterClicksTheFocusedButton)
{
    w->show();
    QApplication::setActiveWindow(w.get());
    QTest::keyClick(w->Command1, Qt::Key_Return);  // start
    EXPECT_EQ(water(), "29");
    EXPECT_TRUE(w->Timer1->enabled());
    QTest::keyClick(w->Command2, Qt::Key_Enter, Qt::KeypadModifier);  // stop
    EXPECT_FALSE(w->Timer1->enabled());
    QTest::keyClick(w->Command3, Qt::Key_Enter, Qt::KeypadModifier);  // restart
    EXPECT_EQ(water(), "30");
    EXPECT_TRUE(w->Timer1->enabled());
}

TEST_F(AccessTest, TheFocusShowsFromTheMomentTheWindowOpens)
{
    w->show();
    QApplication::setActiveWindow(w.get());
    ASSERT_EQ(QApplication::focusWidget(), w->Command1);
    const QImage focused = w->Command1->grab().toImage();
    w->owari->setFocus();  // not by a key
    EXPECT_NE(w->Command1->grab().toImage(), focused);
    EXPECT_NE(w->owari->grab().toImage(), focused) << "the end button too shows its focus";
}

TEST(AccessIntro, EnterOnNextHandsOver)
{
    auto* v = new intro::StartView;
    v->setAttribute(Qt::WA_DeleteOnClose);
    run::MainWindow* main = nullptr;
    v->on_next([&] { main = app::hand_over(v); });
    v->load();
    v->show();
    QApplication::setActiveWindow(v);
    v->Command1->setFocus();
    EXPECT_EQ(name_of(v->Picture1), QString::fromUtf8("コップの絵"));
    EXPECT_EQ(description_of(v->Picture1), QString::fromUtf8("コップに冷水を入れます。"));
    QTest::keyClick(v->Command1, Qt::Key_Return);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    main->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
