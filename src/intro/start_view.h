#pragma once
// The intro window the program opens with: six captions and pictures shown one after another,
// one per tick, telling the lesson's situation; "次へ" hands over to the simulation window.

#include "access/announcer.h"
#include "forms/choice_list.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/timer.h"
#include "forms/widgets.h"
#include "model/language.h"

#include <cstdint>
#include <functional>

namespace tesselka::intro {

class StartView : public forms::Form {
public:
    // The client area as laid out, in twips.
    static constexpr double kWidth = 5610, kHeight = 4170;

    StartView();

    // The load, before the window is first shown.
    void load();
    // One page: shows the next caption (they accumulate) and its picture.
    void Timer1_Timer();
    // The hand-over to the simulation window, at any time.
    void Command1_Click();

    // What "次へ" hands over to; the application sets it.
    void on_next(std::function<void()> hand_over) { hand_over_ = std::move(hand_over); }
    // What picking a language from the list does; the application sets it.
    void on_language(std::function<void(const model::Language&)> pick) { pick_ = std::move(pick); }
    // The list shows `language` picked.
    void show_language(const model::Language& language);

    std::int16_t slide_no = 0;  // the page shown last, 0 to 5

    forms::Label *title, *copyright;
    forms::PictureBox* Picture1;
    forms::ControlArray<forms::Label> Label1{"Label1"};
    forms::CommandButton* Command1;
    forms::Timer* Timer1;
    // The lesson's languages, each named in itself; beside "次へ", in room the layout leaves.
    forms::ChoiceList* language_list;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The captions shown so far, read again as the description of "次へ" and of the picture.
    void describe_pages();
    void add_language_list();

    std::function<void()> hand_over_;
    std::function<void(const model::Language&)> pick_;
    access::Announcer announcer_{this};  // says each caption as its page appears
};

}  // namespace tesselka::intro
