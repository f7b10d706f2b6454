#include "control_style.h"

#include "zoom.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionComplex>

#include <algorithm>

namespace tesselka::forms {

namespace {

class ControlStyle : public QProxyStyle {
public:
    ControlStyle() : QProxyStyle(QApplication::style()->name()) { setParent(qApp); }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            return zoom_of(widget).scaled(size);
        default:
            return size;
        }
    }

    // A push button is sized as Fusion sizes it as laid out, then enlarged: its least width and
    // margins grow with the text.
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override
    {
        const double zoom = zoom_of(widget).factor();
        if (type != CT_PushButton || zoom == 1.0)
            return QProxyStyle::sizeFromContents(type, option, contents, widget);
        return QProxyStyle::sizeFromContents(type, option, contents / zoom, widget) * zoom;
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl part, const QWidget* widget) const override
    {
        if (control != CC_ComboBox)
            return QProxyStyle::subControlRect(control, option, part, widget);
        const int arrow = std::max(7, option->rect.height() / 3);
        const QRect r = option->rect;
        switch (part) {
        case SC_ComboBoxArrow:
            return QRect(r.right() - arrow, r.top() + 1, arrow, r.height() - 2);
        case SC_ComboBoxEditField:
            return QRect(r.left() + 1, r.top() + 2, r.width() - arrow - 2, r.height() - 4);
        default:
            return QProxyStyle::subControlRect(control, option, part, widget);
        }
    }
};

}  // namespace

QStyle* control_style()
{
    static QPointer<ControlStyle> style;
    if (!style)
        style = new ControlStyle;
    return style;
}

}  // namespace tesselka::forms
