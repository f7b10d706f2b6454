// The lesson in another language: picked in the intro's list or with F2 in the simulation window,
// the window is made anew in it, where and as far on as the one before; its texts are the
// translation's and its Chinese is drawn in the Chinese font.

#include "support/window_fixture.h"

#include "app/language_texts.h"
#include "app/lesson.h"
#include "intro/start_view.h"

#include <QApplication>
#include <QLocale>
#include <QMenu>
#include <QShortcut>

using namespace tesselka;

namespace {

template <class Window>
Window* shown_window()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = dynamic_cast<Window*>(w); window && window->isVisible())
            return window;
    return nullptr;
}

// Windows closed go at the next turn of the event loop.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

class Languages : public tesselka::testing::Captured {
protected:
    void TearDown() override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        settle();
        app::use_language(*qApp, model::kLanguages.front());  // as the other tests expect
        tesselka::testing::Captured::TearDown();
    }
    app::Options options;
    app::Lesson lesson{options};
};

TEST_F(Languages, PortuguesePickedInTheIntroRemakesItInPortugueseAtTheSamePage)
{
    lesson.open();
    intro::StartView* japanese = shown_window<intro::StartView>();
    ASSERT_NE(japanese, nullptr);
    EXPECT_EQ(japanese->language_list->currentText(), "日本語");
    for (int i = 0; i < 4; ++i)
        japanese->Timer1_Timer();
    japanese->language_list->setCurrentIndex(2);
    emit japanese->language_list->activated(2);
    settle();

    intro::StartView* portuguese = shown_window<intro::StartView>();
    ASSERT_NE(portuguese, nullptr);
    EXPECT_EQ(QApplication::topLevelWidgets().count(portuguese), 1);
    EXPECT_EQ(portuguese->title->caption(), "Gotas no copo: por quê?");
    EXPECT_EQ(portuguese->Command1->text(), "Próximo");
    EXPECT_EQ(portuguese->Label1(0).caption(), "Colocamos água gelada num copo.");
    EXPECT_EQ(portuguese->slide_no, 4);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(portuguese->Label1(i).visible(), i < 4) << "caption " << i;
    EXPECT_EQ(portuguese->language_list->currentText(), "Português (Brasil)");
    EXPECT_EQ(QLocale().name(), "pt_BR");  // what a screen reader is told
    EXPECT_TRUE(portuguese->Timer1->enabled());

    // 次へ in Portuguese opens the simulation window in Portuguese.
    portuguese->Command1->click();
    settle();
    const run::MainWindow* main = shown_window<run::MainWindow>();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->windowTitle(), "Tesselka (Gotas no copo: por quê?)");
    EXPECT_EQ(main->Command1->text(), "Esfriar a água (iniciar)");
}

TEST_F(Languages, F2InTheSimulationWindowRemakesItInChineseWithThePupilsSettings)
{
    lesson.open();
    shown_window<intro::StartView>()->Command1->click();
    settle();
    run::MainWindow* before = shown_window<run::MainWindow>();
    ASSERT_NE(before, nullptr);
    before->situdo->set_text(QStringLiteral("70"));
    before->situdo_Click();
    before->ssp(2).setChecked(true);
    before->Check1->setChecked(true);
    before->Check1_Click();

    for (QShortcut* key : before->findChildren<QShortcut*>())
        if (key->key() == QKeySequence(Qt::Key_F2))
            emit key->activated();
    auto* menu = before->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 7);
    EXPECT_TRUE(menu->actions()[0]->isChecked());  // Japanese, the language now
    EXPECT_EQ(menu->actions()[3]->text(), "中文（简体）");
    menu->actions()[3]->trigger();
    settle();

    run::MainWindow* chinese = shown_window<run::MainWindow>();
    ASSERT_NE(chinese, nullptr);
    EXPECT_EQ(QApplication::topLevelWidgets().count(chinese), 1);
    EXPECT_EQ(chinese->windowTitle(), "Tesselka（杯子上为什么有水珠？）");
    EXPECT_EQ(chinese->situdo->text(), "70");
    EXPECT_TRUE(chinese->ssp(2).isChecked());
    EXPECT_TRUE(chinese->Check1->isChecked());
    EXPECT_EQ(chinese->title->font().families().value(0), "Tesselka Sans SC");
    EXPECT_EQ(chinese->Command1->font().families().value(0), "Tesselka Sans SC");
}

TEST_F(Languages, ABadValueIsRefusedInTheLessonsLanguage)
{
    app::use_language(*qApp, *model::language_of_code("pt_BR"));
    run::MainWindow window;
    window.load();
    window.situdo->set_text(QStringLiteral("abc"));
    window.situdo_Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Digite a umidade como um número de 0 a 100 (em %).");
    EXPECT_EQ(window.situdo->text(), "60");
}

}  // namespace
