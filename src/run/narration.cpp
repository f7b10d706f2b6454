#include "narration.h"

#include "screen/main_view.h"

namespace tesselka::run {

namespace {

QString description_of(const QWidget* widget)
{
    return widget->accessibleDescription();
}

}  // namespace

Narration::Narration(screen::MainView& view) : view_(view), announcer_(&view)
{
}

QString Narration::water() const
{
    return view_.t1->caption() + QStringLiteral("℃");
}

void Narration::remember()
{
    condensing_ = view_.air.howa_gap > 0;
    cup_ = screen::MainView::cup_picture_name(view_.air.howa_gap);
}

void Narration::tick()
{
    const bool condensing = view_.air.howa_gap > 0;
    const QString cup = screen::MainView::cup_picture_name(view_.air.howa_gap);
    if (condensing && !condensing_) {
        announcer_.say(QStringLiteral("%1。水滴がつき始めました。水になった量 %2 g")
                           .arg(water(), QString::number(view_.air.howa_gap / 100.0, 'f', 2)));
    } else if (cup != cup_) {
        announcer_.say(water() + QStringLiteral("。") + description_of(view_.Picture2));
    } else {
        announcer_.say(water());
    }
    condensing_ = condensing;
    cup_ = cup;
}

void Narration::stopped()
{
    announcer_.say(QStringLiteral("停止しました。水温 %1").arg(water()));
}

void Narration::restarted()
{
    announcer_.say(QStringLiteral("はじめからやり直します。水温 %1").arg(water()));
}

void Narration::ended()
{
    announcer_.say(QStringLiteral("終わりました。水温を %1 にもどしました。").arg(water()));
}

void Narration::whole_state()
{
    announcer_.say(description_of(view_.graph) + description_of(view_.Picture1) +
                   description_of(view_.Picture2));
}

}  // namespace tesselka::run
