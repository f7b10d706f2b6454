// The editable drop-down list, driven by key events as a pupil drives it.

#include "forms/widgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace tesselka::forms {
namespace {

const QStringList kTemperatures = {"0", "5", "10", "15", "20", "25", "30", "35", "40"};

// The focus is on the list itself, which hands typing on to its text.
void key(QWidget* target, Qt::Key k, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void type(QWidget* target, const QString& text)
{
    for (QChar ch : text)
        key(target, static_cast<Qt::Key>(ch.toUpper().unicode()), QString(ch));
}

void clear(QWidget* target)
{
    key(target, Qt::Key_End);
    for (int i = 0; i < 4; ++i)
        key(target, Qt::Key_Backspace);
}

// A window with the list, which has the focus, and a button to move the focus to.
class Combo : public testing::Test {
protected:
    Combo()
    {
        combo = new ComboBox(&window, kTemperatures, QStringLiteral("30"));
        combo->place(960, 360, 615, 345);
        combo->on_click([this] { ++clicks; });
        other = new CommandButton(&window, QStringLiteral("開始"));
        other->place(0, 1500, 1200, 400);
        window.show();
        QApplication::setActiveWindow(&window);
        combo->setFocus();
        QApplication::processEvents();
    }

    QWidget window;
    ComboBox* combo;
    CommandButton* other;
    int clicks = 0;
};

TEST_F(Combo, TypedTextNeverBecomesAnItem)
{
    ASSERT_EQ(QApplication::focusWidget(), combo);
    ASSERT_EQ(combo->text(), QStringLiteral("30"));
    for (const char* typed : {"23", "20", "abc"}) {
        const QString text = QString::fromLatin1(typed);
        clear(combo);
        type(combo, text);
        key(combo, Qt::Key_Return);
        EXPECT_EQ(combo->text(), text);
        EXPECT_EQ(combo->count(), 9);
        EXPECT_EQ(combo->findText(QStringLiteral("23")), -1);
    }
}

TEST_F(Combo, NothingCompletesTheTypedText)
{
    clear(combo);
    type(combo, QStringLiteral("3"));
    EXPECT_EQ(combo->text(), QStringLiteral("3"));
    EXPECT_EQ(combo->lineEdit()->selectedText(), QString());
    EXPECT_EQ(clicks, 0) << "typing alone is no click";
}

TEST_F(Combo, PickingTheNextItemClicksOnce)
{
    key(combo, Qt::Key_Down);
    EXPECT_EQ(combo->text(), QStringLiteral("35"));
    EXPECT_EQ(clicks, 1);
    key(combo, Qt::Key_Up);
    key(combo, Qt::Key_Up);
    EXPECT_EQ(combo->text(), QStringLiteral("25"));
    EXPECT_EQ(clicks, 3);
}

struct EnterCase {
    const char* name;
    const char* typed;
};

class ComboEnter : public Combo, public testing::WithParamInterface<EnterCase> {};

TEST_P(ComboEnter, ClicksExactlyOnce)
{
    // Qt's editable list would pick the item whose text was typed when editing finishes, and so
    // emit activated as well as returnPressed; ComboBox::on_click listens to both.
    clear(combo);
    type(combo, QString::fromUtf8(GetParam().typed));
    key(combo, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(combo->text(), QString::fromUtf8(GetParam().typed));
}

INSTANTIATE_TEST_SUITE_P(Texts, ComboEnter,
                         testing::Values(EnterCase{"current_item", "30"},
                                         EnterCase{"no_item", "23"},
                                         EnterCase{"not_a_number", "x"},
                                         EnterCase{"another_item", "20"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Combo, LeavingTheTextIsNoClick)
{
    // The same path as above: editingFinished would make Qt activate the typed item.
    clear(combo);
    type(combo, QStringLiteral("20"));
    other->setFocus();
    QApplication::processEvents();
    ASSERT_NE(QApplication::focusWidget(), combo);
    EXPECT_EQ(clicks, 0);
}

TEST_F(Combo, TheWheelChangesOnlyTheListWithTheFocus)
{
    // One notch down over the list, as a mouse wheel sends it, through the application so that
    // Qt's focus-on-wheel rule applies too.
    const auto notch = [this] {
        const QPointF at(combo->rect().center());
        QWheelEvent wheel(at, combo->mapToGlobal(at), {}, {0, -120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
    };
    other->setFocus();
    notch();
    EXPECT_EQ(combo->text(), QStringLiteral("30"));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(QApplication::focusWidget(), other) << "the wheel took the focus";

    combo->setFocus();
    notch();
    EXPECT_EQ(combo->text(), QStringLiteral("35"));
    EXPECT_EQ(clicks, 1);
}

// On a touch screen without a keyboard (a Chromebook in tablet mode): entries a finger can hit
// (44 CSS pixels, WCAG's target size), no caret in the field, and a tap there opens the list, from
// which a value is picked by a tap alone.
TEST_F(Combo, OnATouchScreenWithoutKeyboardTheListIsTappedThrough)
{
    const int plain = combo->view()->sizeHintForRow(0);
    EXPECT_LT(plain, 44);
    combo->suit({.finger = true, .keyboard = false});
    for (int row = 0; row < combo->count(); ++row)
        EXPECT_GE(combo->view()->sizeHintForRow(row), 44) << row;
    EXPECT_TRUE(combo->lineEdit()->isReadOnly());
    type(combo, QStringLiteral("1"));
    EXPECT_EQ(combo->text(), QStringLiteral("30"));

    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return combo->view()->isVisible(); }, 2000));
    const QRect entry = combo->view()->visualRect(combo->model()->index(7, 0));  // "35"
    EXPECT_GE(entry.height(), 44);
    QTest::mouseClick(combo->view()->viewport(), Qt::LeftButton, {}, entry.center());
    EXPECT_EQ(combo->text(), QStringLiteral("35"));
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace tesselka::forms
