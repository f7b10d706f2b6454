// The check of typed input against a separate reading of the same rules
// (tests/support/reference_number.h). For every text, in each of the three lists: no crash,
// accepted exactly when the text is a number in the list's range, and then as the number typed,
// never as a negative zero.

#include "reference_number.h"
#include "model/input_check.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using tesselka::model::Field;

[[noreturn]] void fail(const char* what, Field field, std::string_view text)
{
    std::fprintf(stderr, "input check: %s (list %d) for \"", what, static_cast<int>(field));
    for (const unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\')
            std::fputc(c, stderr);
        else
            std::fprintf(stderr, "\\x%02x", c);
    }
    std::fputs("\"\n", stderr);
    std::abort();
}

void check(Field field, std::string_view text)
{
    const auto got = tesselka::model::accept(field, text);
    const auto want = field == Field::situdo ? tesselka::reference::humidity(text)
                                             : tesselka::reference::temperature(text);
    if (got && !want)
        fail("accepted a text that is no number in range", field, text);
    if (!got && want)
        fail("rejected a number in range", field, text);
    if (!got)
        return;
    // A decimal too small for a double reads as 0, the nearest number there is to it.
    if (*got != want->value && !(want->underflow && *got == 0))
        fail("accepted another number than the one typed", field, text);
    if (*got == 0 && std::signbit(*got))
        fail("accepted a negative zero", field, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (Field field : {Field::kion, Field::situdo, Field::t0})
        check(field, text);
    return 0;
}
