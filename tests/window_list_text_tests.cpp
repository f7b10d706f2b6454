// Every value the input check accepts and writes back shows whole in the narrow lists, at the
// screen's own density (also run at 1.5 and 2 times).

#include "support/window_fixture.h"

#include <QLineEdit>
#include <QPainter>

using namespace tesselka;
using tesselka::testing::WindowTest;

namespace {

// The values as the lists write them back: whole degrees, half degrees, humidities.
const char* const kTexts[] = {"-10", "-9", "0", "5", "40", "-10.5", "-9.5", "-0.5",
                              "10.5", "25.5", "40.5", "0", "9", "60", "99", "100"};

bool ink(QColor c)
{
    return c.lightness() < 140;
}

// The first and last columns holding dark pixels, in device pixels; {-1, -1} when none.
std::pair<int, int> ink_span(const QImage& image, QRect box)
{
    int first = -1, last = -1;
    for (int x = box.left(); x <= box.right(); ++x)
        for (int y = box.top(); y <= box.bottom(); ++y)
            if (ink(image.pixelColor(x, y))) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

// The text drawn on its own with the font the field uses, as wide as its ink.
int drawn_width(const QString& text, const QFont& font, qreal dpr)
{
    QImage image(QSize(200, 60) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(20, 40), text);
    painter.end();
    const auto [first, last] = ink_span(image, image.rect());
    return last - first + 1;
}

// The field's pixels, cut from a grab of the whole list.
QImage field_of(forms::ComboBox* list, QRect field)
{
    const QImage whole = list->grab().toImage();
    return whole.copy(QRect(field.topLeft() * whole.devicePixelRatio(),
                            field.size() * whole.devicePixelRatio()));
}

}  // namespace

using ListText = WindowTest;

TEST_F(ListText, EveryAcceptedValueShowsWholeInEachList)
{
    for (forms::ComboBox* list : {w->kion, w->situdo, w->t0}) {
        ASSERT_EQ(list->size(), QSize(41, 23)) << "the lists keep their laid-out size";
        QLineEdit* edit = list->lineEdit();
        const QRect field = edit->geometry();
        for (const char* value : kTexts) {
            const QString text = QString::fromLatin1(value);
            list->set_text(text);
            SCOPED_TRACE(text.toStdString());
            // Qt scrolls a text wider than its field to keep the cursor in sight: with the
            // cursor at either end the field must look the same.
            edit->setCursorPosition(text.size());
            const QImage at_end = field_of(list, field);
            edit->setCursorPosition(0);
            const QImage at_start = field_of(list, field);
            EXPECT_EQ(at_end, at_start) << "the text scrolls in its field";
            // All of the text's ink is there, inside the field.
            const auto [first, last] = ink_span(at_start, at_start.rect());
            ASSERT_GE(first, 1) << "the text touches the field's left edge";
            EXPECT_LT(last, at_start.width() - 1) << "the text runs under the arrow";
            EXPECT_NEAR(last - first + 1, drawn_width(text, edit->font(), at_start.devicePixelRatio()),
                        1);
        }
    }
}

TEST_F(ListText, HundredAndMinusTenShowEveryGlyph)
{
    // "100" must not lose its 1, nor "-10" its minus sign: count the separate glyphs in ink.
    const auto glyphs = [](const QImage& image) {
        int count = 0;
        bool in_glyph = false;
        for (int x = 0; x < image.width(); ++x) {
            bool dark = false;
            for (int y = 0; y < image.height(); ++y)
                dark = dark || ink(image.pixelColor(x, y));
            count += dark && !in_glyph;
            in_glyph = dark;
        }
        return count;
    };
    QLineEdit* edit = w->situdo->lineEdit();
    for (const auto& [text, count] : {std::pair{"100", 3}, {"-10", 3}, {"-10.5", 5}}) {
        w->situdo->set_text(QString::fromLatin1(text));
        edit->setCursorPosition(edit->text().size());
        EXPECT_EQ(glyphs(field_of(w->situdo, edit->geometry())), count) << text;
    }
}
