#include "warm_up.h"

#include "forms/fonts.h"
#include "platform/platform.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTextLayout>
#include <QTimer>
#include <QWidget>

namespace tesselka::app {

namespace {

// A glyph is kept once for each quarter pixel it may start at.
constexpr qreal kOffsets[] = {0, 0.25, 0.5, 0.75};
// Characters drawn in one step: few enough that a step stays short where glyphs are drawn slowly
// (the browser), and a pupil's tap or a frame of the page need not wait long for it.
constexpr qsizetype kSlice = 24;

// Draws the characters in one font at one offset, as a label draws its caption: laid out with
// the image as its device, so that the font resolves for the screen's density.
void draw_once(const QString& characters, const QFont& font, qreal offset, qreal ratio)
{
    QImage image(QSize(16, 16) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    QTextLayout layout(characters, font, &image);
    layout.beginLayout();
    layout.createLine().setLineWidth(1e6);  // one line: every glyph is drawn, clipped or not
    layout.endLayout();
    layout.draw(&painter, QPointF(offset, 0));
}

}  // namespace

WarmUp::WarmUp(QWidget& intro, double zoom, std::function<void()> last)
    : QObject(&intro), intro_(intro), fonts_(fonts(zoom)), characters_(characters()),
      last_(std::move(last))
{
    intro.installEventFilter(this);
}

bool WarmUp::eventFilter(QObject* object, QEvent* event)
{
    if (object == &intro_ && event->type() == QEvent::Paint) {
        intro_.removeEventFilter(this);
        // A zero timer once the paint shows: runs only when no input or paint is waiting.
        platform::after_painted([self = QPointer<WarmUp>(this)] {
            if (self)
                QTimer::singleShot(0, self, &WarmUp::step);
        });
    }
    return false;
}

std::size_t WarmUp::slices() const
{
    return std::size_t((characters_.size() + kSlice - 1) / kSlice);
}

std::size_t WarmUp::steps() const
{
    return fonts_.size() * std::size(kOffsets) * slices() + 1;
}

void WarmUp::step()
{
    if (!intro_.isVisible() || finished())
        return;
    if (const std::size_t drawing = slices() * std::size(kOffsets); done_ < fonts_.size() * drawing)
        draw_once(characters_.mid(qsizetype(done_ % slices()) * kSlice, kSlice), fonts_[done_ / drawing],
                  kOffsets[done_ / slices() % std::size(kOffsets)], intro_.devicePixelRatioF());
    else if (last_)
        last_();
    ++done_;
    if (!finished())
        QTimer::singleShot(0, this, &WarmUp::step);
    else if (on_finished_)
        on_finished_();
}

std::vector<QFont> WarmUp::fonts(double zoom)
{
    // The sizes the simulation window's layout gives its captions, buttons and lists.
    std::vector<QFont> fonts = {forms::ui_font(),
                                forms::stored_font(8.25),
                                forms::stored_font(9.75),
                                forms::stored_font(11.25),
                                forms::stored_font(11.25, true),
                                forms::stored_font(12),
                                forms::stored_font(27.75, true)};
    for (QFont& font : fonts)
        font = forms::zoomed(font, zoom);
    return fonts;
}

QString WarmUp::characters()
{
    QString text;
    for (char16_t c = u' '; c <= u'~'; ++c)
        text += QChar(c);
    for (char16_t c = u'ぁ'; c <= u'ゖ'; ++c)  // hiragana
        text += QChar(c);
    // The katakana, kanji and signs of the simulation window's captions, buttons and lists.
    return text + QStringLiteral("グコシッフプミュョラレンー"
                                 "気温湿度水蒸量滴空入現在近最初条件設定開始停止終下遅中速説明表示付"
                                 "℃％＝？１ｍ©\u3000");
}

}  // namespace tesselka::app
