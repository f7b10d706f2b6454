#include "indicator_style.h"

#include "twips.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>

namespace tesselka::forms {

namespace {

class ZoomedIndicatorStyle : public QProxyStyle {
public:
    ZoomedIndicatorStyle() : QProxyStyle(QApplication::style()->name()) { setParent(qApp); }

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
            return scaled(size);
        default:
            return size;
        }
    }
};

}  // namespace

QStyle* zoomed_indicator_style()
{
    static QPointer<ZoomedIndicatorStyle> style;
    if (!style)
        style = new ZoomedIndicatorStyle;
    return style;
}

}  // namespace tesselka::forms
