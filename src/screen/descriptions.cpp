// The window in words, for pupils who use a screen reader. Buttons and options speak their
// captions; the lists, the check box and the pictures are named here, and the pictures describe
// what they show after every redraw. The accessible description of the thermometer changes with
// the water temperature, which a screen reader announces.

#include "main_view.h"

#include "model/cup.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace tesselka::screen {

QString grams(double amount) { return QString::number(amount / 100.0, 'f', 2); }

namespace {

const char* const kCupStages[] = {
    QT_TRANSLATE_NOOP("Descriptions", "コップの表面には何も付いていません。"),
    QT_TRANSLATE_NOOP("Descriptions", "コップの表面がうっすらと曇ってきました。"),
    QT_TRANSLATE_NOOP("Descriptions", "コップの表面が曇っています。"),
    QT_TRANSLATE_NOOP("Descriptions", "コップの表面に水滴が付いています。"),
    QT_TRANSLATE_NOOP("Descriptions", "コップの表面に大きな水滴がたくさん付いています。"),
    QT_TRANSLATE_NOOP("Descriptions", "コップの表面の水滴が流れ落ちています。"),
};

}  // namespace

void MainView::name_for_screen_readers()
{
    kion->setAccessibleName(QCoreApplication::translate("Descriptions", "気温"));
    situdo->setAccessibleName(QCoreApplication::translate("Descriptions", "湿度"));
    t0->setAccessibleName(QCoreApplication::translate("Descriptions", "最初のコップの水温"));
    for (forms::ComboBox* list : {kion, situdo, t0})  // and the text field inside, for typing
        list->lineEdit()->setAccessibleName(list->accessibleName());
    Check1->setAccessibleName(QCoreApplication::translate("Descriptions", "グラフの説明の表示"));
    for (int i = 0; i < ssp.size(); ++i)
        ssp(i).setAccessibleDescription(QCoreApplication::translate("Descriptions", "シミュレーションの速さ"));
    graph->setAccessibleName(QCoreApplication::translate("Descriptions", "飽和水蒸気量のグラフ"));
    thermo->setAccessibleName(QCoreApplication::translate("Descriptions", "温度計"));
    Picture1->setAccessibleName(QCoreApplication::translate("Descriptions", "1m³の空気のようす"));
    Picture2->setAccessibleName(QCoreApplication::translate("Descriptions", "コップの絵"));
}

void MainView::describe_for_screen_readers()
{
    const QString t = t1->caption();
    thermo->setAccessibleDescription(QCoreApplication::translate("Descriptions", "現在のコップの水温 %1℃").arg(t));
    graph->setAccessibleDescription(
        QCoreApplication::translate("Descriptions", "水温 %1℃。1m³の空気に入ることができる水蒸気量 %2 g、"
                       "空気中にある現在の水蒸気量 %3 g、入りきらずに水になった量 %4 g。")
            .arg(t, grams(air.howa_now), grams(air.vapor_now), grams(air.howa_gap)));
    Picture1->setAccessibleDescription(
        QCoreApplication::translate("Descriptions", "1m³の空気の中に、水蒸気 %1 g、まだ入る水蒸気 %2 g、水滴 %3 g。丸 1 つが 1 g です。")
            .arg(grams(air.vapor_now), grams(std::max(0.0, air.howa_now - air.vapor_now)),
                 grams(air.howa_gap)));
    Picture2->setAccessibleDescription(
        QCoreApplication::translate("Descriptions", kCupStages[model::cup_stage(air.howa_gap)]));
}

}  // namespace tesselka::screen
