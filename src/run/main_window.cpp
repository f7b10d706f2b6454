#include "main_window.h"

#include "platform/app_info.h"
#include "forms/error_report.h"
#include "forms/message_box.h"
#include "forms/picture.h"
#include "model/cup.h"
#include "model/numbers.h"

#include "forms/fonts.h"

#include <QCoreApplication>
#include <QMenu>
#include <QShortcut>

namespace tesselka::run {

using model::Field;

namespace {

MainWindow::MessageFunction& message_function()
{
    static MainWindow::MessageFunction show = [](QWidget* parent, const QString& text) {
        forms::show_message(QMessageBox::Warning, text, parent);
    };
    return show;
}

double number_of(const forms::ComboBox* list)
{
    return to_number(list->text().toStdString());
}

}  // namespace

MainWindow::MainWindow()
{
    accepted_ = {kion->text(), situdo->text(), t0->text()};
    connect_events();
    setAccessibleDescription(
        QCoreApplication::translate("MainWindow", "F1 キーで、今の水温、水蒸気量、空気とコップのようすを読み上げます。F2 キーで言語 (Language) を選べます。"));
}

MainWindow::MessageFunction MainWindow::set_message_function(MessageFunction show)
{
    MessageFunction before = std::move(message_function());
    message_function() = std::move(show);
    return before;
}

void MainWindow::connect_events()
{
    using forms::guarded;
    connect(Command1, &QPushButton::clicked, this, guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, guarded([this] { Command2_Click(); }));
    connect(Command3, &QPushButton::clicked, this, guarded([this] { Command3_Click(); }));
    connect(owari, &QPushButton::clicked, this, guarded([this] { owari_Click(); }));
    connect(Check1, &QCheckBox::clicked, this, guarded([this] { Check1_Click(); }));
    kion->on_click([this] { kion_Click(); });
    situdo->on_click([this] { situdo_Click(); });
    t0->on_click([this] { t0_Click(); });
    for (int i = 0; i < ssp.size(); ++i)
        connect(&ssp(i), &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                forms::run_guarded([this, i] { ssp_Click(i); });
        });
    Timer1->on_timer([this] { Timer1_Timer(); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, guarded([this] { F1_Press(); }));
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, guarded([this] { show_languages(); }));
}

void MainWindow::offer_languages(const model::Language& current,
                                 std::function<void(const model::Language&)> pick)
{
    language_ = current;
    pick_language_ = std::move(pick);
}

void MainWindow::show_languages()
{
    if (!pick_language_)
        return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(QCoreApplication::translate("MainWindow", "言語 (Language)"));
    for (const model::Language& language : model::kLanguages) {
        QAction* item = menu->addAction(QString::fromUtf8(language.name.data(), qsizetype(language.name.size())));
        QFont font = menu->font();
        font.setFamilies(forms::faces_for(QString::fromUtf8(language.code.data(), qsizetype(language.code.size()))));
        item->setFont(font);
        item->setCheckable(true);
        item->setChecked(language.code == language_.code);
        if (item->isChecked())
            menu->setActiveAction(item);
        connect(item, &QAction::triggered, this, [this, language] {
            if (language.code != language_.code)
                forms::run_guarded([this, language] { pick_language_(language); });
        });
    }
    menu->popup(mapToGlobal(client_origin() + QPoint(width() / 3, height() / 4)));
}

void MainWindow::take_settings(MainWindow& other)
{
    forms::ComboBox* const lists[] = {kion, situdo, t0};
    for (int i = 0; i < 3; ++i)
        lists[i]->set_text(other.accepted_[std::size_t(i)]);
    for (int i = 0; i < ssp.size(); ++i)
        ssp(i).setChecked(other.ssp(i).isChecked());
    Check1->setChecked(other.Check1->isChecked());
    Check1_Click();
    reset_run();
}

void MainWindow::load()
{
    version->set_caption(platform::version_text());
    copyright->set_caption(platform::legal_copyright());
    howa_table.fill();
    draw_chart_background();
    hide_circles();
    Picture2->client().set_picture(
        forms::load_picture(QString::fromStdString(model::cup_picture_file(0))));
    reset_run();
    update_view();
}

void MainWindow::reset_run()
{
    Timer1->set_enabled(false);
    check_inputs();
    t1->set_caption(t0->text());
    air.reset(howa_table, number_of(kion), number_of(situdo), number_of(t0));
    update_view();
    Timer1->set_enabled(false);  // after a reset the timer is always stopped
    narration_.start_run();
}

void MainWindow::check_inputs()
{
    const std::pair<forms::ComboBox*, Field> lists[] = {
        {kion, Field::kion}, {situdo, Field::situdo}, {t0, Field::t0}};
    QStringList messages;
    for (auto [list, field] : lists) {
        if (const auto value = accept(field, list->text().toStdString())) {
            // Written back plainly, so " ２５ " runs and shows as "25".
            accepted(field) = QString::fromStdString(number_text(*value));
        } else {
            messages << QCoreApplication::translate("InputCheck", rejection_message(field).c_str());
        }
        if (list->text() != accepted(field))
            list->set_text(accepted(field));
    }
    if (!messages.isEmpty())
        message_function()(this, messages.join('\n'));
}

void MainWindow::Timer1_Timer()
{
    const double t = water_temperature();
    if (t < -9) {
        // The run is over: back to the start, stopped.
        Timer1->set_enabled(false);
        reset_run();
        narration_.ended();
        return;
    }
    t1->set_caption(QString::fromStdString(number_text(t - 1)));
    update_view();
    narration_.tick();
}

void MainWindow::Command1_Click()
{
    Timer1->set_enabled(true);
    Timer1_Timer();  // one tick at once
}

void MainWindow::Command2_Click()
{
    Timer1->set_enabled(false);
    narration_.stopped();
}

void MainWindow::Command3_Click()
{
    kion_Click();
    Timer1->set_enabled(true);  // the first tick follows one interval later
    narration_.restarted();
}

void MainWindow::ssp_Click(int)
{
    // Only which option is selected counts, not the index given.
    Timer1->set_interval(ssp(2).isChecked() ? 500 : ssp(1).isChecked() ? 1000 : 2000);
}

void MainWindow::owari_Click()
{
    close();
}

}  // namespace tesselka::run
