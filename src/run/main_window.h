#pragma once
// The run controller of the simulation window: its load, the reset of a run from the three input
// lists, the timer that cools the water one degree per tick, and the buttons and speeds.
//
// There is no separate run state: the timer's enabled flag and the caption of `t1` are the run.
// Ready: timer stopped, `t1` at the start temperature. Cooling: timer running. Paused: timer
// stopped part-way. Every button, list and option accepts input in every state.

#include "narration.h"

#include "model/input_check.h"
#include "model/language.h"
#include "screen/main_view.h"

#include <array>
#include <functional>

namespace tesselka::run {

class MainWindow : public screen::MainView {
public:
    MainWindow();

    // The load, before the window is first shown.
    void load();
    void reset_run();

    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void kion_Click() { reset_run(); }
    void situdo_Click() { reset_run(); }
    void t0_Click() { reset_run(); }
    void ssp_Click(int index);
    void owari_Click();
    // The key that speaks the whole state, as the window's description says.
    void F1_Press() { narration_.whole_state(); }

    // F2 opens the list of the lesson's languages, `current` marked; picking another runs
    // `pick`. The window's own face has no room for the list.
    void offer_languages(const model::Language& current,
                         std::function<void(const model::Language&)> pick);
    // The settings the pupil made in `other`: the lists' values, the speed, the graph's labels.
    void take_settings(MainWindow& other);

    // How a rejected typed value is told to the pupil: a modal message box by default. Tests put
    // their own in place; returns the one before.
    using MessageFunction = std::function<void(QWidget* parent, const QString& text)>;
    static MessageFunction set_message_function(MessageFunction show);

private:
    void connect_events();
    // Puts back the last accepted text of every list whose typed text is no number in range.
    void check_inputs();

    void show_languages();

    QString& accepted(model::Field field) { return accepted_[static_cast<int>(field)]; }
    model::Language language_ = model::kLanguages.front();
    std::function<void(const model::Language&)> pick_language_;
    std::array<QString, 3> accepted_;  // the last accepted text of each list, by its field
    Narration narration_{*this};
};

}  // namespace tesselka::run
