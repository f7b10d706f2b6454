// The editable drop-down list, driven by key events as a pupil drives it.

#include "forms/error_report.h"
#include "forms/widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

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

TEST_F(Combo, StartsWithTheGivenText)
{
    EXPECT_EQ(combo->text(), QStringLiteral("30"));
    EXPECT_EQ(combo->count(), 9);
    EXPECT_EQ(clicks, 0);
}

TEST_F(Combo, TypedTextNeverBecomesAnItem)
{
    ASSERT_EQ(QApplication::focusWidget(), combo);
    for (const QString& text : {QStringLiteral("23"), QStringLiteral("20"), QStringLiteral("abc")}) {
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
    bool known_fault;
};

class ComboEnter : public Combo, public testing::WithParamInterface<EnterCase> {};

TEST_P(ComboEnter, ClicksExactlyOnce)
{
    if (GetParam().known_fault)
        GTEST_SKIP() << "known fault: Enter on another item's text clicks twice";
    // Qt's editable list picks the item whose text was typed when editing finishes, and so
    // emits activated as well as returnPressed; ComboBox::on_click listens to both.
    clear(combo);
    type(combo, QString::fromUtf8(GetParam().typed));
    key(combo, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(combo->text(), QString::fromUtf8(GetParam().typed));
}

INSTANTIATE_TEST_SUITE_P(Texts, ComboEnter,
                         testing::Values(EnterCase{"current_item", "30", false},
                                         EnterCase{"no_item", "23", false},
                                         EnterCase{"not_a_number", "x", false},
                                         EnterCase{"another_item", "20", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Combo, LeavingTheTextIsNoClick)
{
    GTEST_SKIP() << "known fault: leaving the list after typing an item's text clicks";
    // The same path as above: editingFinished makes Qt activate the typed item.
    clear(combo);
    type(combo, QStringLiteral("20"));
    other->setFocus();
    QApplication::processEvents();
    ASSERT_NE(QApplication::focusWidget(), combo);
    EXPECT_EQ(clicks, 0);
}

TEST_F(Combo, ClickErrorsGoToTheReport)
{
    std::vector<ErrorCode> codes;
    ErrorReporter previous =
        set_error_reporter([&](const RuntimeError& e) { codes.push_back(e.code()); });
    ComboBox failing(&window, kTemperatures, QStringLiteral("0"));
    failing.on_click([] { throw RuntimeError(ErrorCode::TypeMismatch, "x"); });
    key(&failing, Qt::Key_Down);
    key(&failing, Qt::Key_Return);
    set_error_reporter(std::move(previous));
    EXPECT_EQ(codes, (std::vector<ErrorCode>{ErrorCode::TypeMismatch, ErrorCode::TypeMismatch}));
}

}  // namespace
}  // namespace tesselka::forms
