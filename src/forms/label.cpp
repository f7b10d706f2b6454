#include "label.h"

#include "fonts.h"
#include "system_colors.h"
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
// drawn 0.6 em wide.
QList<QTextLayout::FormatRange> blank_run_formats(const QString& text, const QFont& font)
{
    QList<QTextLayout::FormatRange> ranges;
    const qreal em = QFontMetricsF(font).horizontalAdvance(QChar(0x3000));
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != QChar(0x3000))
            continue;
        QTextLayout::FormatRange range{i, 1, {}};
        range.format.setFont(font);
        range.format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        range.format.setFontLetterSpacing(-0.4 * em);
        ranges << range;
    }
    return ranges;
}

}  // namespace

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
    if (caption == caption_)
        return;
    restyle(caption_, caption);
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

void Label::lay_out(QTextLayout& layout, int width) const
{
    const QFont font = layout.font();
    const Qt::Alignment h = align_ == Align::right    ? Qt::AlignRight
                            : align_ == Align::centre ? Qt::AlignHCenter
                                                      : Qt::AlignLeft;
    QTextOption option(h | Qt::AlignTop);
    // Japanese text may break between any two characters; a run that must stay whole, such as
    // "(g)", overflows its box a little rather than split.
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    if (caption_.contains(QChar(0x3000)))
        layout.setFormats(blank_run_formats(caption_, font));
    // Lines one em apart, as in the face the layouts were made with; ours adds leading that
    // would push the last line of a tall caption out of its box.
    const int pitch = QFontInfo(font).pixelSize();
    layout.beginLayout();
    for (int y = 0;; y += pitch) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
    }
    layout.endLayout();
}

QRectF Label::inked() const
{
    const QRect box = text_box(QRect(QPoint(0, 0), bounds().size()));
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    QTextLayout layout(caption_, zoom().font(font_), &device);
    lay_out(layout, box.width());
    QRectF ink;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> at = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            if (const QRectF glyph = font.boundingRect(glyphs[i]); !glyph.isEmpty())
                ink |= glyph.translated(at[i]);
    }
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
    // Drawn as text at the zoomed size, never as a blown-up picture of the text.
    QTextLayout layout(caption_, zoom.font(font_), &image_);
    lay_out(layout, text_box.width());
    painter.setPen(fore_);
    layout.draw(&painter, text_box.topLeft());
}

}  // namespace tesselka::forms
