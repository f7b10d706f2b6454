#pragma once
// The check of what a pupil types into the three input lists. The lists are editable, so their
// text can be anything; only numbers inside the table's range may start a run.

#include <optional>
#include <string>
#include <string_view>

namespace tesselka::model {

enum class Field { kion, situdo, t0 };

// A temperature is accepted when it is a number whose table index lies in 0..50, that is from
// -10.5 to 40.5 degrees C (halves round to the even index).
std::optional<double> accept_temperature(std::string_view text);

// A humidity is accepted when it is a number from 0 to 100 %.
std::optional<double> accept_humidity(std::string_view text);

// The check for one field.
std::optional<double> accept(Field field, std::string_view text);

// The message that names the field and what it accepts, in Japanese (UTF-8): the source text of
// its translations, which the window looks up.
std::string rejection_message(Field field);

}  // namespace tesselka::model
