#pragma once
// A loaded simulation window per test, with the message box and the uncaught-error report
// captured instead of shown; the same capture alone for the tests of the intro window.

#include "forms/error_report.h"
#include "run/main_window.h"

#include <QCoreApplication>
#include <QImage>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tesselka::testing {

// The message box of a rejected value and the uncaught-error report, captured instead of shown,
// so that a failure ends one test and not the whole run.
class Captured : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_message_ = run::MainWindow::set_message_function(
            [this](QWidget*, const QString& text) {
                messages.push_back(text);
                message_shown();
            });
        previous_reporter_ = forms::set_error_reporter(
            [this](const RuntimeError& e) { errors.push_back(e.code()); });
    }

    void TearDown() override
    {
        run::MainWindow::set_message_function(previous_message_);
        forms::set_error_reporter(previous_reporter_);
    }

    // Runs as each message is shown, while the handler that showed it waits.
    virtual void message_shown() {}

    std::vector<QString> messages;
    std::vector<ErrorCode> errors;

private:
    run::MainWindow::MessageFunction previous_message_;
    forms::ErrorReporter previous_reporter_;
};

class WindowTest : public Captured {
protected:
    void SetUp() override
    {
        Captured::SetUp();
        w = std::make_unique<run::MainWindow>();
        w->load();
    }

    void TearDown() override
    {
        w.reset();
        Captured::TearDown();
    }

    void message_shown() override { timer_running_at_message.push_back(w->Timer1->enabled()); }

    // Types a text into a list and picks it, as Enter in its text field does.
    void pick(forms::ComboBox* list, const QString& text)
    {
        list->set_text(text);
        forms::run_guarded([this] { w->reset_run(); });
    }

    // Sets the inputs and resets, then cools to water temperature `t` with ticks.
    void run_to(int kion, int situdo, int t0, int t)
    {
        w->kion->set_text(QString::number(kion));
        w->situdo->set_text(QString::number(situdo));
        pick(w->t0, QString::number(t0));
        for (int i = t0; i > t; --i)
            w->Timer1->fire();
        ASSERT_EQ(w->t1->caption(), QString::number(t));
    }

    QString water() const { return w->t1->caption(); }

    std::unique_ptr<run::MainWindow> w;
    std::vector<bool> timer_running_at_message;
};

// What a shown window shows: its backing store, as painted region by region so far.
inline QImage on_screen(QWidget& window)
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return window.screen()->grabWindow(window.winId()).toImage();
}

// The colour at a point of a grabbed widget.
inline QColor pixel(QWidget& widget, QPoint at)
{
    return widget.grab().toImage().pixelColor(at);
}

}  // namespace tesselka::testing
