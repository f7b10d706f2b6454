// A bare Qt Widgets page: one window of labels. Its window has a colour of its own, by which the
// bench sees its first frame.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0x20, 0x60, 0xa0));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(&window);
    for (const char* text : {"Tesselka", "a bare page", "one window of labels"})
        layout->addWidget(new QLabel(QString::fromLatin1(text)));
    window.show();
    return application.exec();
}
