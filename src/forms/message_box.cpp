#include "message_box.h"

#include "control_style.h"
#include "fonts.h"
#include "platform/platform.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>

namespace tesselka::forms {

namespace {

// The style's icon at the zoom. Fusion has its message icons at one size only, and QIcon makes
// no pixmap larger than it has: such a one is enlarged smoothly.
QPixmap zoomed_icon(QMessageBox::Icon icon, Zoom zoom, qreal ratio)
{
    const QStyle* style = QApplication::style();
    const QSize size = QSize(1, 1) * zoom.scaled(style->pixelMetric(QStyle::PM_MessageBoxIconSize));
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

// A message box at a zoom of its own, which its buttons' style reads.
class MessageBox : public QMessageBox, public ZoomedWindow {
public:
    MessageBox(const QString& text, QWidget* parent, Zoom zoom)
        : QMessageBox(QMessageBox::NoIcon, QStringLiteral("Tesselka"), text, QMessageBox::Ok, parent),
          zoom_(zoom)
    {}
    Zoom zoom() const override { return zoom_; }

private:
    Zoom zoom_;
};

void show(QMessageBox::Icon icon, const QString& text, QWidget* parent, Zoom zoom)
{
    auto* box = new MessageBox(text, parent, zoom);
    box->setFont(zoom.font(QApplication::font()));
    box->setIconPixmap(zoomed_icon(icon, zoom, box->devicePixelRatioF()));
    for (QAbstractButton* button : box->buttons())
        button->setStyle(control_style());  // sized at the zoom
    platform::show_modal(box);
}

}  // namespace

void show_message(QMessageBox::Icon icon, const QString& text, QWidget* parent)
{
    show(icon, text, parent, zoom_of(parent));
}

void show_message(QMessageBox::Icon icon, const QString& text, Zoom zoom)
{
    show(icon, text, nullptr, zoom);
}

}  // namespace tesselka::forms
