#include "narration.h"

#include <QCoreApplication>
#include "model/cup.h"
#include "screen/main_view.h"

namespace tesselka::run {

Narration::Narration(screen::MainView& view) : view_(view), announcer_(&view) {}

QString Narration::temperature_text() const { return view_.t1->caption() + QStringLiteral("℃"); }

void Narration::start_run()
{
    condensing_ = view_.air.howa_gap > 0;
    cup_stage_ = model::cup_stage(view_.air.howa_gap);
}

void Narration::tick()
{
    const bool condensing = view_.air.howa_gap > 0;
    const int cup_stage = model::cup_stage(view_.air.howa_gap);
    if (condensing && !condensing_) {
        announcer_.say(QCoreApplication::translate("Narration", "%1。水滴がつき始めました。水になった量 %2 g")
                           .arg(temperature_text(), screen::grams(view_.air.howa_gap)));
    } else if (cup_stage != cup_stage_) {
        announcer_.say(temperature_text() + QStringLiteral("。") +
                       view_.Picture2->accessibleDescription());
    } else {
        announcer_.say(temperature_text());
    }
    condensing_ = condensing;
    cup_stage_ = cup_stage;
}

void Narration::stopped()
{
    announcer_.say(QCoreApplication::translate("Narration", "停止しました。水温 %1").arg(temperature_text()));
}

void Narration::restarted()
{
    announcer_.say(QCoreApplication::translate("Narration", "はじめからやり直します。水温 %1").arg(temperature_text()));
}

void Narration::ended()
{
    announcer_.say(
        QCoreApplication::translate("Narration", "終わりました。水温を %1 にもどしました。").arg(temperature_text()));
}

void Narration::whole_state()
{
    // The descriptions the window gave its chart, air diagram and cup at the last redraw.
    announcer_.say(view_.graph->accessibleDescription() + view_.Picture1->accessibleDescription() +
                   view_.Picture2->accessibleDescription());
}

}  // namespace tesselka::run
