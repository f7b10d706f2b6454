#include "input_check.h"

#include "howa_table.h"
#include "numbers.h"

namespace tesselka::model {

std::optional<double> accept_temperature(std::string_view text)
{
    const auto value = parse_number(text);
    if (!value || !HowaTable::covers(*value))
        return std::nullopt;
    return value;
}

std::optional<double> accept_humidity(std::string_view text)
{
    const auto value = parse_number(text);
    if (!value || *value < 0 || *value > 100)
        return std::nullopt;
    return value;
}

std::optional<double> accept(Field field, std::string_view text)
{
    return field == Field::situdo ? accept_humidity(text) : accept_temperature(text);
}

// Marks a text for Qt Linguist, which finds it by this name; the window translates it.
#define QT_TRANSLATE_NOOP(context, text) text

std::string rejection_message(Field field)
{
    switch (field) {
    case Field::kion: return QT_TRANSLATE_NOOP("InputCheck", "気温は -10 から 40 までの数で入力してください（単位 ℃）。");
    case Field::situdo: return QT_TRANSLATE_NOOP("InputCheck", "湿度は 0 から 100 までの数で入力してください（単位 ％）。");
    case Field::t0:
        return QT_TRANSLATE_NOOP("InputCheck", "最初のコップの水温は -10 から 40 までの数で入力してください（単位 ℃）。");
    }
    return {};
}

}  // namespace tesselka::model
