#include "label.h"

#include "fonts.h"
#include "system_colors.h"
#include "text_fit.h"
#include "twips.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QPainter>
#include <QTextLayout>

namespace tesselka::forms {

namespace {

// A run of ideographic spaces in a caption is the room left for a list or a value that lies
// over the label. The layouts were measured with a face whose ideographic space is about 0.6 em
// wide; ours are a full em, which would push the caption out of its box. So each such space is
// set in a font 0.6 times the size, and a font narrowed to fit (text_fit.h) keeps the run as
// wide: what lies over it does not narrow.
QList<QTextLayout::FormatRange> blank_run_formats(const QString& text, const QFont& font)
{
    QFont small = font;
    small.setStretch(QFont::AnyStretch);
    if (font.pointSizeF() > 0)
        small.setPointSizeF(0.6 * font.pointSizeF());
    else
        small.setPixelSize(qRound(0.6 * font.pixelSize()));
    QList<QTextLayout::FormatRange> ranges;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != QChar(0x3000))
            continue;
        QTextLayout::FormatRange range{i, 1, {}};
        range.format.setFont(small);
        ranges << range;
    }
    return ranges;
}

// Where a laid-out text's glyphs fall: the union of their outline boxes.
QRectF ink_of(const QTextLayout& layout)
{
    QRectF ink;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> at = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            if (const QRectF glyph = font.boundingRect(glyphs[i]); !glyph.isEmpty())
                ink |= glyph.translated(at[i]);
    }
    return ink;
}

// Whether a laid-out text lies in its room: no more lines than the room's height holds at one em
// apart (lay_out), and no glyph outside it. A glyph's outline box is a little larger than its
// ink, so `slack` pixels over are not counted.
bool lies_in(const QTextLayout& layout, const QSize& room, int slack)
{
    if (layout.lineCount() * QFontInfo(layout.font()).pixelSize() > room.height() + slack)
        return false;
    return QRectF(QPointF(0, 0), room).adjusted(-slack, -slack, slack, slack).contains(ink_of(layout));
}

}  // namespace

struct Label::Shown {
    QString text;
    QFont font;
    bool turned = false;  // drawn reading upwards, its lines across the box's height
};

Label::Label(ControlHost& host)
    : BoxControl(host), fore_(system_color::button_text()), back_(system_color::button_face())
{}

Label::~Label()
{
    if (accessible_id_)
        QAccessible::deleteAccessibleInterface(accessible_id_);
}

void Label::set_caption(const QString& caption)
{
    if (caption == text_)
        return;
    caption_ = full_form(caption);
    restyle(text_, caption);
    if (accessible_id_) {
        QAccessibleEvent event(QAccessible::accessibleInterface(accessible_id_),
                               QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void Label::paint(QPainter& painter) const
{
    const QRect box = bounds();
    if (box.isEmpty())
        return;
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (image_generation_ != generation_ || image_zoom_ != zoom() ||
        image_.size() != box.size() * ratio || image_.devicePixelRatio() != ratio)
        render(box.size(), ratio);
    painter.drawImage(box.topLeft(), image_);
}

QRect Label::text_box(const QRect& box) const
{
    const Zoom zoom = this->zoom();
    return border_ ? box.adjusted(zoom.scaled(2), zoom.scaled(1), -zoom.scaled(2), -zoom.scaled(1)) : box;
}

Label::Shown Label::shown(const QSize& room) const
{
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    const int slack = zoom().scaled(2);
    auto fitting = [&](const QSize& size) {
        return fit_text(text_, zoom().font(font_), [&](const QString& text, const QFont& font) {
            QTextLayout layout(text, font, &device);
            lay_out(layout, size);
            return lies_in(layout, size, slack);
        });
    };
    const FittedText upright = fitting(room);
    // A caption that stands upright only in a shorter form or a narrower font reads better
    // turned, where that shows it whole.
    const bool whole = upright.fits && upright.text == caption_ && upright.font == zoom().font(font_);
    if (!whole && room.height() > 2 * room.width())
        if (const FittedText turned = fitting(room.transposed()); turned.fits)
            return {turned.text, turned.font, true};
    return {upright.text, upright.font};
}

void Label::lay_out(QTextLayout& layout, const QSize& room) const
{
    const QFont font = layout.font();
    const QString& caption = layout.text();
    const Qt::Alignment h = align_ == Align::right    ? Qt::AlignRight
                            : align_ == Align::centre ? Qt::AlignHCenter
                                                      : Qt::AlignLeft;
    QTextOption option(h | Qt::AlignTop);
    // Japanese text may break between any two characters; a run that must stay whole, such as
    // "(g)", overflows its box a little rather than split. A box one line high never breaks:
    // Qt would break a caption after its blank run however much room is left.
    const int pitch = QFontInfo(font).pixelSize();
    option.setWrapMode(room.height() < 2 * pitch ? QTextOption::NoWrap : QTextOption::WordWrap);
    layout.setTextOption(option);
    if (caption.contains(QChar(0x3000)))
        layout.setFormats(blank_run_formats(caption, font));
    // Lines one em apart, as in the face the layouts were made with; ours adds leading that
    // would push the last line of a tall caption out of its box. A face that stands taller than
    // IPA P-Gothic (Noto Sans CJK) is lifted to its baseline, 0.88 em below the line's top.
    layout.beginLayout();
    for (int y = 0;; y += pitch) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(room.width());
        const qreal lift = line.ascent() - 0.88 * pitch;
        line.setPosition(QPointF(0, lift > 0.5 ? y - lift : y));
    }
    layout.endLayout();
}

QRectF Label::inked() const
{
    const QRect box = text_box(QRect(QPoint(0, 0), bounds().size()));
    const Shown shown = this->shown(box.size());
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    QTextLayout layout(shown.text, shown.font, &device);
    lay_out(layout, shown.turned ? box.size().transposed() : box.size());
    const QRectF ink = ink_of(layout);
    if (shown.turned)  // along the box's height from its bottom, across from its left
        return QRectF(box.left() + ink.top(), box.bottom() + 1 - ink.right(), ink.height(),
                      ink.width());
    return ink.translated(box.topLeft());
}

void Label::render(const QSize& size, qreal ratio) const
{
    image_ = QImage(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio);
    image_.fill(opaque_ ? back_ : QColor(Qt::transparent));
    image_generation_ = generation_;
    const Zoom zoom = this->zoom();
    image_zoom_ = zoom;
    QPainter painter(&image_);
    const QRect box(QPoint(0, 0), size);
    if (border_) {
        const qreal width = zoom.line_width(painter);
        painter.setPen(QPen(system_color::window_text(), width));
        painter.drawRect(pixel_outline(box, width));
    }
    const QRect text_box = this->text_box(box);
    const Shown shown = this->shown(text_box.size());
    // Drawn as text at the zoomed size, never as a blown-up picture of the text.
    QTextLayout layout(shown.text, shown.font, &image_);
    lay_out(layout, shown.turned ? text_box.size().transposed() : text_box.size());
    painter.setPen(fore_);
    if (shown.turned) {
        painter.translate(text_box.left(), text_box.bottom() + 1);
        painter.rotate(-90);
        layout.draw(&painter, QPointF(0, 0));
    } else {
        layout.draw(&painter, text_box.topLeft());
    }
}

}  // namespace tesselka::forms
