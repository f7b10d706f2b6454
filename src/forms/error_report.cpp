#include "error_report.h"

#include "message_box.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tesselka::forms {
namespace {

QString meaning(ErrorCode code)
{
    switch (code) {
    case ErrorCode::Overflow: return QCoreApplication::translate("ErrorReport", "オーバーフローしました。");
    case ErrorCode::SubscriptOutOfRange: return QCoreApplication::translate("ErrorReport", "インデックスが有効範囲にありません。");
    case ErrorCode::TypeMismatch: return QCoreApplication::translate("ErrorReport", "型が一致しません。");
    case ErrorCode::FileNotFound: return QCoreApplication::translate("ErrorReport", "ファイルが見つかりません。");
    case ErrorCode::MissingMember: return QCoreApplication::translate("ErrorReport", "コントロール配列の要素が存在しません。");
    case ErrorCode::InvalidPicture: return QCoreApplication::translate("ErrorReport", "ピクチャが無効です。");
    case ErrorCode::Internal: return QCoreApplication::translate("ErrorReport", "内部エラーです。");
    }
    return {};
}

std::vector<std::function<void()>>& before_report_actions()
{
    static std::vector<std::function<void()>> actions;
    return actions;
}

ReportDialog& report_dialog()
{
    static ReportDialog show = [](const QString& text) {
        if (can_show_dialogs())
            show_message(QMessageBox::Critical, text, QApplication::activeWindow());
    };
    return show;
}

void report_and_end(const RuntimeError& error)
{
    static bool reporting = false;
    const QString text = error_message(error);
    std::fprintf(stderr, "tesselka: %s\n", text.toUtf8().constData());
    std::fflush(stderr);
    // The report on screen stands for any error after it: one window, and standard error.
    if (reporting)
        return;
    reporting = true;
    // The message box waits for the pupil; nothing may run on behind it. The program ends
    // once it is closed.
    for (const auto& action : before_report_actions())
        action();
    report_dialog()(text);
    platform::end_program(EXIT_FAILURE);
}

ErrorReporter& reporter()
{
    static ErrorReporter current = report_and_end;
    return current;
}

}  // namespace

bool can_show_dialogs()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) &&
           QGuiApplication::platformName() != QLatin1String("offscreen") &&
           QGuiApplication::platformName() != QLatin1String("minimal");
}

QString error_message(const RuntimeError& error)
{
    QString text = QCoreApplication::translate("ErrorReport", "実行時エラー '%1':\n\n%2")
                       .arg(static_cast<int>(error.code()))
                       .arg(meaning(error.code()));
    if (!error.detail().empty())
        text += QStringLiteral("\n(%1)").arg(QString::fromStdString(error.detail()));
    return text;
}

ErrorReporter set_error_reporter(ErrorReporter next)
{
    ErrorReporter before = std::move(reporter());
    reporter() = std::move(next);
    return before;
}

void before_report(std::function<void()> action)
{
    before_report_actions().push_back(std::move(action));
}

ReportDialog set_report_dialog(ReportDialog next)
{
    ReportDialog before = std::move(report_dialog());
    report_dialog() = std::move(next);
    return before;
}

void run_guarded(const std::function<void()>& handler) noexcept
{
    try {
        try {
            handler();
        } catch (const RuntimeError& error) {
            reporter()(error);
        } catch (const std::exception& error) {
            reporter()(RuntimeError(ErrorCode::Internal, error.what()));
        }
    } catch (...) {
        // A report that itself fails must not take Qt's event loop with it.
        std::fputs("tesselka: the error report failed\n", stderr);
        std::abort();
    }
}

}  // namespace tesselka::forms
