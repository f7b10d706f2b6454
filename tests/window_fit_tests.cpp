// Every text of both windows inside its place, in every language the lesson has and in a
// pseudo-language 40 % longer than Japanese, at 100 % and 200 %: nothing cut, clipped or
// running into its neighbour. What a text needs is measured with Qt's own text layout.

#include "forms/frame.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "intro/start_view.h"
#include "model/language.h"
#include "run/main_window.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QStyleOptionButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

using namespace tesselka;

// Every source text longer by 40 % (at least one character), with accented letters, as a
// translation that runs long would be.
class PseudoLanguage : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        return text + QString(qsizetype(std::ceil(text.size() * 0.4)), QChar(u'Ŵ'));
    }
    bool isEmpty() const override { return false; }
};

// The language's translation installed while it lives.
class Speaking {
public:
    explicit Speaking(const QString& code)
    {
        if (code == QLatin1String("pseudo"))
            translator_ = std::make_unique<PseudoLanguage>();
        else if (code != QLatin1String("ja")) {
            translator_ = std::make_unique<QTranslator>();
            loaded_ = translator_->load(QStringLiteral(":/i18n/tesselka_") + code);
        }
        if (translator_)
            QCoreApplication::installTranslator(translator_.get());
    }
    ~Speaking()
    {
        if (translator_)
            QCoreApplication::removeTranslator(translator_.get());
    }
    bool loaded() const { return loaded_ || !translator_ || dynamic_cast<PseudoLanguage*>(translator_.get()); }

private:
    std::unique_ptr<QTranslator> translator_;
    bool loaded_ = false;
};

// The label whose glyphs fill the most of its width so far: the layout's slack in a language.
struct Tightest {
    double share = 0;
    QString text;
} tightest;

// The texts that do not fit, one line each: what, where, how much room and how much needed.
QStringList misfits_of_labels(const forms::Container& container, double zoom, const QString& where)
{
    QStringList misfits;
    for (const forms::Label* label : container.labels()) {
        if (!label->visible() || label->caption().trimmed().isEmpty())
            continue;
        const QRectF room(QPointF(0, 0), label->bounds().size());
        const QRectF ink = label->inked();
        const auto letters = std::count_if(label->caption().begin(), label->caption().end(),
                                           [](QChar c) { return c.isLetter(); });
        if (const double share = ink.width() / room.width();
            share > tightest.share && zoom == 1.0 && letters > 1)
            tightest = {share, QStringLiteral("\"%1\", %2 of %3 px").arg(label->caption())
                                   .arg(ink.width(), 0, 'f', 1).arg(room.width())};
        // A glyph's outline box is a little larger than its ink: two pixels of the design's
        // (at 100 %) outside are not seen as cut.
        const double slack = 2 * zoom;
        if (!room.adjusted(-slack, -slack, slack, slack).contains(ink))
            misfits << QStringLiteral("%1 label \"%2\": room %3 x %4, glyphs at %5, %6 to %7, %8")
                           .arg(where, label->caption()).arg(room.width()).arg(room.height())
                           .arg(ink.left(), 0, 'f', 1).arg(ink.top(), 0, 'f', 1)
                           .arg(ink.right(), 0, 'f', 1).arg(ink.bottom(), 0, 'f', 1);
    }
    return misfits;
}

QStringList misfits_of_buttons(const QWidget& window)
{
    QStringList misfits;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool push = button->inherits("QPushButton");
        const auto element = push ? QStyle::SE_PushButtonContents
                             : button->inherits("QRadioButton") ? QStyle::SE_RadioButtonContents
                                                                : QStyle::SE_CheckBoxContents;
        const QRect room = button->style()->subElementRect(element, &option, button);
        const qreal need = QFontMetricsF(button->font()).horizontalAdvance(button->text());
        if (need > room.width() + 0.5)
            misfits << QStringLiteral("button \"%1\": room %2, needs %3")
                           .arg(button->text()).arg(room.width()).arg(need, 0, 'f', 1);
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        const qreal need = QFontMetricsF(frame->font()).horizontalAdvance(frame->title());
        if (need > frame->width() - 16)
            misfits << QStringLiteral("frame \"%1\": room %2, needs %3")
                           .arg(frame->title()).arg(frame->width() - 16).arg(need, 0, 'f', 1);
    }
    return misfits;
}

// Every text of a window and of its frames and picture boxes.
QStringList misfits(forms::Form& window, double zoom)
{
    QStringList out = misfits_of_labels(window.client(), zoom, QStringLiteral("window"));
    // The toolkit's widgets are not Qt meta-objects of their own: found by their C++ type.
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (auto* frame = dynamic_cast<forms::Frame*>(child))
            out += misfits_of_labels(frame->client(), zoom, QStringLiteral("frame"));
        else if (auto* box = dynamic_cast<forms::PictureBox*>(child))
            out += misfits_of_labels(box->client(), zoom, QStringLiteral("picture"));
    }
    return out + misfits_of_buttons(window);
}

class Fit : public ::testing::TestWithParam<const char*> {};

TEST_P(Fit, EveryTextOfBothWindowsLiesInsideItsPlace)
{
    const QString code = QString::fromLatin1(GetParam());
    const Speaking speaking(code);
    ASSERT_TRUE(speaking.loaded()) << "no translation for " << GetParam();
    tightest = {};
    for (const double zoom : {1.0, 2.0}) {
        intro::StartView intro;
        intro.load();
        for (int page = 0; page < 6; ++page)
            intro.Timer1_Timer();  // every caption shown
        run::MainWindow main;
        main.load();
        main.Check1->click();  // the graph's labels shown
        intro.set_zoom(forms::Zoom(zoom));
        main.set_zoom(forms::Zoom(zoom));
        const QStringList wrong = misfits(intro, zoom) + misfits(main, zoom);
        EXPECT_TRUE(wrong.isEmpty()) << GetParam() << " at " << zoom * 100 << " %:\n  "
                                     << wrong.join(QStringLiteral("\n  ")).toStdString();
    }
    std::printf("%s: the fullest label at 100 %% is %s\n", GetParam(), qPrintable(tightest.text));
}

INSTANTIATE_TEST_SUITE_P(Languages, Fit,
                         ::testing::Values("ja", "en", "pt_BR", "zh_CN", "fil", "vi", "es", "pseudo"));

}  // namespace
