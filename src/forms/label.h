#pragma once

#include "control.h"

#include <QAccessible>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

class QTextLayout;

namespace tesselka::forms {

// A text in a box. It wraps within its width, at word boundaries or between characters where a
// word does not fit, and is clipped to its height. A caption with shorter forms (text_fit.h)
// shows the first that fits, else its last set narrower or smaller; in a tall, narrow box where
// it does not stand upright whole, it is turned to read upwards.
class Label : public BoxControl {
public:
    enum class Align { left, right, centre };

    explicit Label(ControlHost& host);
    ~Label() override;

    // The caption's whole form, as a screen reader says it.
    const QString& caption() const { return caption_; }
    // A new caption, with any shorter forms, is also told to a screen reader that knows the label.
    void set_caption(const QString& caption);
    const QFont& font() const { return font_; }
    void set_font(const QFont& font) { restyle(font_, font); }
    QColor fore_color() const { return fore_; }
    void set_fore_color(QColor color) { restyle(fore_, color); }
    QColor back_color() const { return back_; }
    void set_back_color(QColor color) { restyle(back_, color); }
    bool opaque() const { return opaque_; }
    void set_opaque(bool opaque) { restyle(opaque_, opaque); }
    void set_alignment(Align align) { restyle(align_, align); }
    bool border() const { return border_; }
    void set_border(bool border) { restyle(border_, border); }

    void paint(QPainter& painter) const override;

    // Where the caption's glyphs fall, in the label's pixels at its zoom: inside the box
    // (0, 0, width, height) when nothing of the text is cut.
    QRectF inked() const;

    // The label's object for screen readers, once one has asked for it (accessibility.cpp).
    QAccessible::Id& accessible_id() const { return accessible_id_; }

private:
    // Sets a property of the label's look: its painted image is made again at the next paint.
    template <class T, class V>
    void restyle(T& field, V&& value)
    {
        if (field == value)
            return;
        set(field, std::forward<V>(value));
        ++generation_;
    }
    // What is drawn of the caption in the text box: which form, in which font, which way up.
    struct Shown;
    Shown shown(const QSize& room) const;
    void render(const QSize& size, qreal ratio) const;
    QRect text_box(const QRect& box) const;
    void lay_out(QTextLayout& layout, const QSize& room) const;

    // Laying out text is the dearest part of a repaint, so the label keeps its painted image
    // until its look or size changes; moving it only moves the image.
    mutable QImage image_;
    mutable quint64 image_generation_ = 0;
    mutable Zoom image_zoom_{0};
    quint64 generation_ = 1;
    mutable QAccessible::Id accessible_id_ = 0;
    QString text_;     // as set, with its shorter forms
    QString caption_;  // its whole form
    QFont font_;
    QColor fore_, back_;
    bool opaque_ = true;
    Align align_ = Align::left;
    bool border_ = false;
};

}  // namespace tesselka::forms
