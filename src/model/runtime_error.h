#pragma once
// The run-time errors the program can raise. No handler catches them: each one ends the handler
// that is running and goes to the one uncaught-error report (src/forms/error_report.h).

#include <stdexcept>
#include <string>

namespace tesselka {

// The numbers are the classic run-time error numbers, which the report shows (「実行時エラー
// '53'」) so that an error reads as teachers have always seen it; Internal stands for any failure
// that is none of the others. In order of number.
enum class ErrorCode {
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    Internal = 51,
    FileNotFound = 53,
    MissingMember = 340,
    InvalidPicture = 481,
};

class RuntimeError : public std::runtime_error {
public:
    // `detail` names what failed (a file name, an index, a text), for the report.
    RuntimeError(ErrorCode code, std::string detail)
        : std::runtime_error(detail), code_(code), detail_(std::move(detail))
    {}

    ErrorCode code() const { return code_; }
    const std::string& detail() const { return detail_; }

private:
    ErrorCode code_;
    std::string detail_;
};

}  // namespace tesselka
