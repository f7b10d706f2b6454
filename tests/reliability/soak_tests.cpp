// The soak: a seeded random stream of clicks, list picks, typed text, speed changes, closes and
// timer ticks through the simulation window, with what the window promises checked after every
// event against a small model of its own.
//
// TESSELKA_SOAK_SEED and TESSELKA_SOAK_EVENTS choose the stream; a failure names the seed, the
// event's index and the events before it, so that the same run can be repeated.

#include "support/reference_tables.h"
#include "support/reference_number.h"
#include "support/copied_program.h"

#include "forms/error_report.h"
#include "forms/picture.h"
#include "run/main_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <memory>
#include <random>
#include <sstream>

namespace {

using namespace tesselka;

const QColor kBlue(0, 0, 255), kCyan(192, 255, 255), kYellow(255, 255, 192);

unsigned long env_number(const char* name, unsigned long fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoul(text, nullptr, 10) : fallback;
}

// What the window should show, kept beside it from the events alone.
struct Model {
    double accepted[3] = {30, 60, 30};  // kion, situdo, t0
    double start = 30;
    double water = 30;
    bool timer = false;
    int interval = 1000;
    bool ticked = false;
    std::size_t messages = 0;
    int bad_in_last_message = 0;
};

std::optional<double> reference_accept(int field, const QString& text)
{
    const std::string utf8 = text.toStdString();
    const auto n = field == 1 ? reference::humidity(utf8) : reference::temperature(utf8);
    return n ? std::optional<double>(n->value) : std::nullopt;
}

class Soak : public ::testing::Test {
protected:
    void SetUp() override
    {
        seed_ = static_cast<std::uint32_t>(env_number("TESSELKA_SOAK_SEED", 20260412));
        events_ = env_number("TESSELKA_SOAK_EVENTS", 100000);
        rng_.seed(seed_);
        std::cout << "soak seed " << seed_ << ", " << events_ << " events" << std::endl;

        previous_message_ = run::MainWindow::set_message_function(
            [this](QWidget*, const QString& text) { messages_.push_back(text); });
        previous_reporter_ = forms::set_error_reporter([this](const RuntimeError& e) {
            errors_.push_back(forms::error_message(e).toStdString());
        });
        // Closing the window must not end the test's application.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        for (int i = 0; i < 6; ++i) {
            const QString name = tesselka::testing::picture_name(i);
            pictures_[i] = QImage(forms::find_picture(name));
            ASSERT_FALSE(pictures_[i].isNull()) << name.toStdString();
        }
        open_new_window();
    }

    void TearDown() override
    {
        w_.reset();
        QGuiApplication::setQuitOnLastWindowClosed(true);
        run::MainWindow::set_message_function(previous_message_);
        forms::set_error_reporter(previous_reporter_);
    }

    void open_new_window()
    {
        w_.reset();
        w_ = std::make_unique<run::MainWindow>();
        forms::run_guarded([this] { w_->load(); });
        w_->show();
        lists_ = {w_->kion, w_->situdo, w_->t0};
        model_ = Model{};
        model_.messages = messages_.size();
        vapor0_ = w_->air.vapor0;
        vapor_now_ = w_->air.vapor_now;
    }

    // --- The model's side of each kind of event. ---

    // reset_run: each list's text is taken when it is a number in range, put back otherwise, and
    // one message names every list put back.
    void expect_reset(const std::array<QString, 3>& texts)
    {
        int bad = 0;
        for (int i = 0; i < 3; ++i) {
            if (const auto v = reference_accept(i, texts[i]))
                model_.accepted[i] = *v;
            else
                ++bad;
        }
        if (bad > 0) {
            ++model_.messages;
            model_.bad_in_last_message = bad;
        }
        model_.start = model_.water = model_.accepted[2];
        model_.timer = false;
        reset_ = true;
    }

    void expect_tick(const std::array<QString, 3>& texts)
    {
        if (model_.water < -9) {
            expect_reset(texts);  // the run is over: back to the start
            return;
        }
        model_.water -= 1;
    }

    std::array<QString, 3> texts() const
    {
        return {lists_[0]->text(), lists_[1]->text(), lists_[2]->text()};
    }

    // --- Typed text: every kind a pupil (or a cat on the keyboard) could produce. ---

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    QString some_number_text()
    {
        // Tenths from -20 to 120 degrees or percent: inside and outside every range.
        const int tenths = uniform(-200, 1200);
        const bool whole = tenths % 10 == 0 && uniform(0, 3) != 0;
        QString digits = QString::number(std::abs(tenths) / 10.0, 'f', whole ? 0 : 1);
        switch (uniform(0, 4)) {
        case 0: digits.prepend(QStringLiteral("00")); break;
        case 1: digits += whole ? QStringLiteral(".") : QStringLiteral("000"); break;
        case 2: if (digits.startsWith(QStringLiteral("0."))) digits.remove(0, 1); break;
        default: break;
        }
        const QString sign = tenths < 0         ? QStringLiteral("-")
                             : uniform(0, 4) == 0 ? QStringLiteral("+")
                                                  : QString();
        return sign + digits;
    }

    static QString full_width(const QString& ascii)
    {
        QString out;
        for (QChar c : ascii) {
            if (c.isDigit())
                out += QChar(0xFF10 + c.digitValue());
            else if (c == '-')
                out += QChar(0xFF0D);
            else if (c == '+')
                out += QChar(0xFF0B);
            else if (c == '.')
                out += QChar(0xFF0E);
            else
                out += c;
        }
        return out;
    }

    QString padded(const QString& text)
    {
        static const QString spaces[] = {QStringLiteral(" "), QStringLiteral("\t"),
                                         QString(QChar(0x3000))};
        QString left, right;
        for (int i = uniform(0, 3); i > 0; --i)
            left += spaces[uniform(0, 2)];
        for (int i = uniform(0, 3); i > 0; --i)
            right += spaces[uniform(0, 2)];
        return left + text + right;
    }

    QString garbage(int length)
    {
        static const QString pool = QStringLiteral(
            "0123456789.+-eE, \t%abcxyz度℃％－＋．０１２３４５６７８９−\u3000\n\r\u00A0😀");
        QString out;
        for (int i = 0; i < length; ++i) {
            const int k = uniform(0, static_cast<int>(pool.size()) - 1);
            out += pool[k];
            if (pool[k].isHighSurrogate() && k + 1 < pool.size())
                out += pool[k + 1];
        }
        if (uniform(0, 20) == 0)
            out.insert(uniform(0, static_cast<int>(out.size())), QChar(0xD800));  // lone half
        return out;
    }

    QString mutated(QString text)
    {
        const QString g = garbage(1);
        const int at = uniform(0, static_cast<int>(text.size()));
        switch (uniform(0, 2)) {
        case 0: text.insert(at, g); break;
        case 1: if (at < text.size()) text.remove(at, 1); break;
        default: if (at < text.size()) text.replace(at, 1, g); break;
        }
        return text;
    }

    QString typed_text()
    {
        switch (uniform(0, 11)) {
        case 0: case 1: return some_number_text();
        case 2: return padded(some_number_text());
        case 3: return padded(full_width(some_number_text()));
        case 4: return QString::fromUtf8(
                    std::array{"-10.5", "-10.6", "40.5", "40.50001", "100", "100.0001", "-0", "０",
                               "−５", "－１０．５", ".5", "5.", "-.5", "1e1", "0x10", ""}
                        [uniform(0, 15)]);
        case 5: return garbage(uniform(0, 12));
        case 6: return mutated(padded(some_number_text()));
        case 7: return QString();
        case 8: return QString(uniform(1, 4), ' ');
        case 9: {
            // Very long, still a number: spaces or zeros by the thousand.
            const QString number = QString::number(uniform(0, 40));
            return uniform(0, 1) ? QString(uniform(1000, 20000), ' ') + number
                                 : QString(uniform(1000, 20000), '0') + number +
                                       QStringLiteral(".") + QString(uniform(0, 5000), '0');
        }
        case 10: return garbage(uniform(1000, 40000));  // past the line's limit of 32767
        default: return full_width(QString::number(uniform(-10, 40)));
        }
    }

    // --- The events. ---

    void click_list(int i)
    {
        switch (i) {
        case 0: w_->kion_Click(); break;
        case 1: w_->situdo_Click(); break;
        default: w_->t0_Click(); break;
        }
    }

    // Runs one random event on the window and the model; returns what it was.
    std::string step()
    {
        reset_ = false;
        const auto before = texts();  // what a reset during this event reads
        // Weights: tick, start, stop, restart, check box, speed, close, pick, key, type.
        static std::discrete_distribution<int> kinds({40, 5, 4, 4, 5, 4, 0.3, 6, 4, 16});
        std::ostringstream what;
        switch (kinds(rng_)) {
        case 0:
            what << "tick";
            w_->Timer1->fire();
            expect_tick(before);
            break;
        case 1:
            what << "Command1";
            w_->Command1->click();
            model_.timer = true;
            expect_tick(before);
            break;
        case 2:
            what << "Command2";
            w_->Command2->click();
            model_.timer = false;
            break;
        case 3:
            what << "Command3";
            expect_reset(before);
            w_->Command3->click();
            model_.timer = true;
            break;
        case 4:
            what << "Check1";
            w_->Check1->click();
            model_.ticked = !model_.ticked;
            break;
        case 5: {
            const int i = uniform(0, 2);
            what << "ssp(" << i << ")";
            w_->ssp(i).click();
            model_.interval = std::array{2000, 1000, 500}[i];
            break;
        }
        case 6:
            what << "owari";
            w_->owari->click();
            if (w_->isVisible())
                return what.str() + ": the window is still open";
            if (uniform(0, 1)) {
                what << ", shown again";
                w_->show();
            } else {
                what << ", a new window";
                open_new_window();
                reset_ = true;
            }
            break;
        case 7: {
            const int l = uniform(0, 2), item = uniform(0, lists_[l]->count() - 1);
            what << "pick list " << l << " item " << item;
            lists_[l]->setCurrentIndex(item);
            expect_reset(texts());
            emit lists_[l]->activated(item);
            break;
        }
        case 8: {
            // Up or down in a list picks the neighbouring item, when there is one.
            const int l = uniform(0, 2);
            const bool down = uniform(0, 1);
            what << "key " << (down ? "down" : "up") << " in list " << l;
            const int next = lists_[l]->currentIndex() + (down ? 1 : -1);
            if (next >= 0 && next < lists_[l]->count()) {
                auto t = texts();
                t[l] = lists_[l]->itemText(next);
                expect_reset(t);
            }
            QKeyEvent key(QEvent::KeyPress, down ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
            QApplication::sendEvent(lists_[l], &key);
            break;
        }
        default: {
            const int l = uniform(0, 2), how = uniform(0, 3);
            const QString text = typed_text();
            what << "type " << text.size() << " chars into list " << l << " \""
                 << text.left(40).toStdString() << (text.size() > 40 ? "..." : "") << "\"";
            lists_[l]->set_text(text);
            if (how == 0) {
                what << " and leave it";
                break;
            }
            expect_reset(texts());
            if (how == 1) {
                what << " and press Enter";
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(lists_[l]->lineEdit(), &enter);
            } else if (how == 2) {
                what << ", returnPressed";
                emit lists_[l]->lineEdit()->returnPressed();
            } else {
                what << ", click handler";
                forms::run_guarded([this, l] { click_list(l); });
            }
            break;
        }
        }
        return what.str();
    }

    // --- The checks after every event: empty when all hold. ---

    std::string check()
    {
        std::ostringstream fail;
        const auto& a = w_->air;
        if (!errors_.empty())
            return "an error reached the report: " + errors_.front();

        // The table's rows, from the test's own copy: the air's row at the reset and the water's
        // now, each temperature rounded to the nearest degree, halves to the even one.
        const auto row = [](double celsius) {
            return tesselka::testing::saturated(static_cast<int>(std::nearbyint(celsius)));
        };
        const double vapor0 = std::floor(model_.accepted[1] * row(model_.accepted[0]) / 100);
        if (a.vapor0 != vapor0)
            fail << "vapor0 " << a.vapor0 << ", expected " << vapor0 << "; ";
        if (a.howa_now != row(model_.water))
            fail << "howa_now " << a.howa_now << ", expected " << row(model_.water) << "; ";
        if (a.vapor_now != std::min<double>(a.vapor0, a.howa_now))
            fail << "vapor_now " << a.vapor_now << " != min(vapor0 " << a.vapor0 << ", howa_now "
                 << a.howa_now << "); ";
        if (a.howa_gap != a.vapor0 - a.vapor_now || a.howa_gap < 0)
            fail << "howa_gap " << a.howa_gap << " with vapor0 " << a.vapor0 << ", vapor_now "
                 << a.vapor_now << "; ";
        if (!reset_ && a.vapor0 != vapor0_)
            fail << "vapor0 changed without a reset; ";
        if (!reset_ && a.vapor_now > vapor_now_)
            fail << "vapor_now rose during a run; ";
        vapor0_ = a.vapor0;
        vapor_now_ = a.vapor_now;

        const QString caption = w_->t1->caption();
        const auto water = reference::number(caption.toStdString());
        if (!water) {
            fail << "t1 shows \"" << caption.toStdString() << "\"; ";
        } else {
            const double t = water->value;
            const bool whole_start = model_.start == std::floor(model_.start);
            if (std::fabs(t - model_.water) > 1e-9)
                fail << "water " << t << ", expected " << model_.water << "; ";
            if (t > model_.start || t < (whole_start ? -10 : -10.5))
                fail << "water " << t << " outside -10.." << model_.start << "; ";
        }
        if (w_->Timer1->enabled() != model_.timer)
            fail << "timer " << (model_.timer ? "stopped" : "running") << "; ";
        if (w_->Timer1->interval() != model_.interval)
            fail << "interval " << w_->Timer1->interval() << ", expected " << model_.interval << "; ";
        if (w_->Check1->isChecked() != model_.ticked)
            fail << "check box out of step; ";

        // Bar labels and the condensed-water bar.
        const bool condensed = a.howa_gap > 0;
        const forms::Control* six[] = {w_->howa_t,  w_->howa_l1,  w_->howa_l2,
                                       w_->vapor_t, w_->vapor_l1, w_->vapor_l2};
        const forms::Control* four[] = {w_->distill_t, w_->distill_l1, w_->distill_l2,
                                        w_->distill_l3};
        for (const auto* c : six)
            if (c->visible() != model_.ticked)
                fail << "a saturated or vapour label is " << (c->visible() ? "shown" : "hidden")
                     << "; ";
        for (const auto* c : four)
            if (c->visible() != (model_.ticked && condensed))
                fail << "a condensed-water label is " << (c->visible() ? "shown" : "hidden")
                     << " (gap " << a.howa_gap << "); ";
        if (w_->distill->visible() != condensed)
            fail << "distill " << (condensed ? "hidden" : "shown") << " at gap " << a.howa_gap
                 << "; ";

        // The air diagram: one circle per gram, droplets blue, vapour cyan, room yellow.
        const int shown = static_cast<int>(std::max<double>(a.howa_now, a.vapor0)) / 100;
        const int droplets = a.howa_gap / 100, vapour = static_cast<int>(a.vapor0) / 100;
        for (int i = 0; i <= 51; ++i) {
            const auto& circle = w_->mizu(i);
            if (circle.visible() != (i <= shown)) {
                fail << "mizu(" << i << ") " << (circle.visible() ? "shown" : "hidden")
                     << ", circles 0.." << shown << "; ";
                break;
            }
            if (i > shown)
                continue;
            const QColor want = condensed ? (i <= droplets ? kBlue : kCyan)
                                          : (i <= vapour ? kCyan : kYellow);
            if (circle.fill_color() != want) {
                fail << "mizu(" << i << ") has the wrong colour (gap " << a.howa_gap
                     << ", vapor0 " << a.vapor0 << ", howa_now " << a.howa_now << "); ";
                break;
            }
        }

        // The cup picture for the condensed amount.
        const int stage = tesselka::testing::cup_stage(a.howa_gap);
        if (w_->Picture2->client().picture() != pictures_[stage])
            fail << "the cup picture is not " << stage << ".jpg; ";

        if (reset_) {
            // After a reset every list holds its accepted value, written plainly.
            for (int i = 0; i < 3; ++i) {
                const QString text = lists_[i]->text();
                const auto v = reference::number(text.toStdString());
                const bool plain = !text.isEmpty() &&
                                   std::all_of(text.begin(), text.end(), [](QChar c) {
                                       return c.isDigit() || c == '-' || c == '.';
                                   });
                if (!plain || !v || v->value != model_.accepted[i])
                    fail << "list " << i << " shows \"" << text.left(40).toStdString()
                         << "\", accepted " << model_.accepted[i] << "; ";
            }
        }
        if (messages_.size() != model_.messages) {
            fail << messages_.size() << " messages, expected " << model_.messages << "; ";
            model_.messages = messages_.size();
        } else if (reset_ && model_.bad_in_last_message > 0 && !messages_.empty()) {
            if (messages_.back().count('\n') + 1 != model_.bad_in_last_message)
                fail << "the message names " << messages_.back().count('\n') + 1
                     << " lists, expected " << model_.bad_in_last_message << "; ";
            model_.bad_in_last_message = 0;
        }
        return fail.str();
    }

    // What the window paints: the cup picture unscaled at the top left of its box, and every
    // shown circle filled with its colour.
    std::string check_painted()
    {
        std::ostringstream fail;
        const QImage cup = w_->Picture2->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage& want = w_->Picture2->client().picture();
        const QRect area = w_->Picture2->client().client();
        const QImage want32 = want.convertToFormat(QImage::Format_RGB32);
        const int wd = std::min(area.width(), want32.width());
        const int ht = std::min(area.height(), want32.height());
        for (int y = 0; y < ht && fail.tellp() == 0; ++y)
            for (int x = 0; x < wd; ++x)
                if (cup.pixel(area.left() + x, area.top() + y) != want32.pixel(x, y)) {
                    fail << "the cup picture shows wrong at (" << x << ", " << y << "); ";
                    break;
                }

        const QImage diagram = w_->Picture1->grab().toImage();
        const QPoint origin = w_->Picture1->client().client().topLeft();
        for (int i = 0; i <= 51; ++i) {
            const auto& circle = w_->mizu(i);
            if (!circle.visible())
                continue;
            const QPoint centre = circle.bounds().center() + origin;
            if (diagram.pixelColor(centre) != *circle.fill_color()) {
                fail << "mizu(" << i << ") is painted " << diagram.pixelColor(centre).name().toStdString()
                     << "; ";
                break;
            }
        }
        return fail.str();
    }

    std::uint32_t seed_ = 0;
    unsigned long events_ = 0;
    std::mt19937 rng_;
    std::unique_ptr<run::MainWindow> w_;
    std::array<forms::ComboBox*, 3> lists_{};
    Model model_;
    bool reset_ = false;
    double vapor0_ = 0, vapor_now_ = 0;
    QImage pictures_[6];
    std::vector<QString> messages_;
    std::vector<std::string> errors_;

private:
    run::MainWindow::MessageFunction previous_message_;
    forms::ErrorReporter previous_reporter_;
};

TEST_F(Soak, EveryEventKeepsTheWindowTrue)
{
    ASSERT_EQ(check(), "") << "right after the load";
    std::deque<std::string> recent;
    std::size_t resets = 0, condensing = 0;
    const auto began = std::chrono::steady_clock::now();
    for (unsigned long i = 0; i < events_; ++i) {
        std::string what = step();
        recent.push_back(what);
        if (recent.size() > 12)
            recent.pop_front();
        std::string failure = check();
        if (failure.empty() && i % 997 == 0)
            failure = check_painted();
        if (!failure.empty()) {
            std::ostringstream before;
            for (const auto& r : recent)
                before << "\n  " << r;
            FAIL() << "seed " << seed_ << ", event " << i << " (" << what << "): " << failure
                   << "\nthe last events:" << before.str()
                   << "\nrepeat with TESSELKA_SOAK_SEED=" << seed_
                   << " TESSELKA_SOAK_EVENTS=" << i + 1;
        }
        resets += reset_;
        condensing += w_->air.howa_gap > 0;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    const double rate = events_ / seconds;
    std::cout << "soak: " << events_ << " events in " << seconds << " s, " << rate
              << " events/s; " << resets << " resets, " << messages_.size() << " messages, "
              << condensing << " events with water condensed" << std::endl;
    RecordProperty("events", std::to_string(events_));
    RecordProperty("events_per_second", std::to_string(static_cast<long>(rate)));
    // A stream that never condensed or never rejected anything would prove little.
    EXPECT_GT(condensing, events_ / 20);
    EXPECT_GT(messages_.size(), events_ / 100);
}

}  // namespace
