#include "message_box.h"

#include "control_style.h"
#include "fonts.h"
#include "platform.h"
#include "twips.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>

namespace tesselka::forms {

namespace {

// The style's icon at the zoom. Fusion has its message icons at one size only, and QIcon makes
// no pixmap larger than it has: such a one is enlarged smoothly.
QPixmap zoomed_icon(QMessageBox::Icon icon, qreal ratio)
{
    const QStyle* style = QApplication::style();
    const QSize size = QSize(1, 1) * scaled(style->pixelMetric(QStyle::PM_MessageBoxIconSize));
    const QIcon standard = style->standardIcon(icon == QMessageBox::Critical ? QStyle::SP_MessageBoxCritical
                                               : icon == QMessageBox::Warning ? QStyle::SP_MessageBoxWarning
                                                                              : QStyle::SP_MessageBoxInformation);
    QPixmap pixmap = standard.pixmap(size, ratio);
    if (pixmap.deviceIndependentSize().toSize() != size) {
        pixmap = pixmap.scaled(size * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(ratio);
    }
    return pixmap;
}

}  // namespace

void show_message(QMessageBox::Icon icon, const QString& text, QWidget* parent)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Tesselka"), text, QMessageBox::Ok, parent);
    box->setFont(zoomed(QApplication::font()));
    box->setIconPixmap(zoomed_icon(icon, box->devicePixelRatioF()));
    for (QAbstractButton* button : box->buttons())
        button->setStyle(control_style());  // sized at the zoom
    show_modal(box);
}

}  // namespace tesselka::forms
