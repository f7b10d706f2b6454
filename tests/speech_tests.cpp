// What a pupil who cannot see the screen hears: the sentences the windows announce, as the
// accessibility events that carry them to a screen reader, and the message box for bad input.

#include "support/window_fixture.h"

#include "intro/start_view.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

using namespace tesselka;
using tesselka::testing::WindowTest;

namespace {

// Every announcement sent: the text of each notification that appeared, and its window.
struct Heard {
    QStringList texts;
    std::vector<QAccessibleInterface*> parents;
    int other_kinds = 0;  // announcements sent as any other event
    int focus_moves = 0;
};
Heard heard;

void record(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::Focus)
        ++heard.focus_moves;
    QAccessibleInterface* iface = event->accessibleInterface();
    if (!iface || iface->role() != QAccessible::Notification)
        return;
    if (event->type() != QAccessible::ObjectShow) {
        ++heard.other_kinds;
        return;
    }
    heard.texts << iface->text(QAccessible::Name);
    heard.parents.push_back(iface->parent());
}

// Sends the windows' accessibility events to `record` for the life of a test.
class Listening {
public:
    Listening()
    {
        // Without the desktop's bridge no event is sent at all; it connects to its bus at once.
        EXPECT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000))
            << "run in a D-Bus session with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1";
        heard = {};
        previous_ = QAccessible::installUpdateHandler(record);
    }
    ~Listening() { QAccessible::installUpdateHandler(previous_); }

private:
    QAccessible::UpdateHandler previous_;
};

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

QStringList u(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out << u(t);
    return out;
}

}  // namespace

class SpeechTest : public WindowTest {
protected:
    QStringList take()
    {
        const QStringList out = heard.texts;
        heard.texts.clear();
        return out;
    }
    Listening listening;
};

TEST_F(SpeechTest, ARunIsToldAsItHappensWithoutMovingTheFocus)
{
    w->show();
    QApplication::setActiveWindow(w.get());
    QCoreApplication::processEvents();
    heard.focus_moves = 0;  // the window's own focus as it opens
    QTest::keyClick(w->Command1, Qt::Key_Space);  // start, from 30 °C at 30 °C and 60 %
    EXPECT_EQ(take(), u({"29℃"}));
    for (int i = 0; i < 8; ++i)
        w->Timer1->fire();
    EXPECT_EQ(take(), u({"28℃", "27℃", "26℃", "25℃", "24℃", "23℃", "22℃", "21℃"}));
    // At 20 °C the air of 18.24 g can hold only 17.20 g: 1.04 g condenses.
    w->Timer1->fire();
    EXPECT_EQ(take(), u({"20℃。水滴がつき始めました。水になった量 1.04 g"}));
    // 2.04 g at 19 °C is past 2 g: the second cup picture; 2.84 g at 18 °C keeps it.
    w->Timer1->fire();
    w->Timer1->fire();
    EXPECT_EQ(take(), u({"19℃。コップの表面が曇っています。", "18℃"}));
    QTest::keyClick(w->Command2, Qt::Key_Space);
    EXPECT_EQ(take(), u({"停止しました。水温 18℃"}));
    EXPECT_FALSE(w->Timer1->enabled());
    QTest::keyClick(w->Command3, Qt::Key_Space);
    EXPECT_EQ(take(), u({"はじめからやり直します。水温 30℃"}));
    w->Timer1->fire();  // after a restart nothing has condensed yet
    EXPECT_EQ(take(), u({"29℃"}));

    EXPECT_EQ(heard.focus_moves, 0);
    EXPECT_EQ(heard.other_kinds, 0);
    for (QAccessibleInterface* parent : heard.parents)
        EXPECT_EQ(parent, QAccessible::queryAccessibleInterface(w.get()));
    EXPECT_TRUE(errors.empty());
}

TEST_F(SpeechTest, TheEndOfARunIsTold)
{
    run_to(30, 60, 0, -10);
    take();
    w->Timer1->fire();  // the tick after -10 °C ends the run
    EXPECT_EQ(take(), u({"終わりました。水温を 0℃ にもどしました。"}));
    EXPECT_FALSE(w->Timer1->enabled());
    // The next start does not count the water that condensed from the first degree as new.
    w->Command1->click();
    EXPECT_EQ(take(), u({"-1℃"}));
}

TEST_F(SpeechTest, F1SpeaksTheWholeState)
{
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(w.get())
                    ->text(QAccessible::Description)
                    .contains(u("F1 キー")));
    run_to(30, 60, 30, 20);
    w->show();
    QApplication::setActiveWindow(w.get());
    take();
    QTest::keyClick(w->kion, Qt::Key_F1);  // wherever the focus is
    const QStringList said = take();
    ASSERT_EQ(said.size(), 1);
    const QString state = said[0];
    for (const char* part : {"水温 20℃", "入ることができる水蒸気量 17.20 g",
                             "現在の水蒸気量 17.20 g", "水になった量 1.04 g", "水滴 1.04 g",
                             "まだ入る水蒸気 0.00 g", "うっすらと曇って"})
        EXPECT_TRUE(state.contains(u(part))) << part << " in " << state.toStdString();
    EXPECT_EQ(w->kion->text(), "30");  // the key changed nothing
}

TEST(SpeechIntro, EachCaptionIsSaidAsItsPageAppearsAndCanBeReadAgain)
{
    Listening listening;
    intro::StartView v;
    v.load();
    const QStringList captions = u({
        "コップに冷水を入れます。",
        "やがて",
        "コップの表面が曇りだし、",
        "やがて水滴がついてきます。",
        "コップについた水滴はどこからきたのでしょう。",
        "どのようにして水滴がついたのでしょう。",
    });
    EXPECT_EQ(v.Command1->accessibleDescription(), captions[0]);
    for (int page = 0; page < 6; ++page)
        v.Timer1->fire();
    EXPECT_EQ(heard.texts, captions);
    EXPECT_EQ(v.Command1->accessibleDescription(), captions.join(""));
    EXPECT_EQ(v.Picture1->accessibleDescription(), captions[5]);
}

// The bad-input message is a message box that screen readers speak as an alert when it shows.
TEST(SpeechMessage, BadInputIsAnAlert)
{
    run::MainWindow w;
    w.load();
    w.show();
    QString role_and_text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        role_and_text = QString::number(iface->role()) + ' ' + box->text();
        box->accept();
    });
    w.situdo->set_text("abc");
    w.reset_run();
    EXPECT_EQ(role_and_text,
              QString::number(QAccessible::AlertMessage) + ' ' +
                  u("湿度は 0 から 100 までの数で入力してください（単位 ％）。"));
}
