#include "forms/widgets.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QDebug>
#include <gtest/gtest.h>
using namespace tesselka::forms;
static void key(QWidget* w, int k, QString t = {}) {
  QKeyEvent p(QEvent::KeyPress, k, Qt::NoModifier, t); QApplication::sendEvent(w, &p);
  QKeyEvent r(QEvent::KeyRelease, k, Qt::NoModifier, t); QApplication::sendEvent(w, &r);
}
static void run(bool fix) {
  QWidget win; 
  auto* c = new ComboBox(&win, {"10","20","30"}, "10");
  auto* other = new QLineEdit(&win); other->move(0, 50);
  if (fix) QObject::disconnect(c->lineEdit(), &QLineEdit::editingFinished, c, nullptr);
  int n = 0; c->on_click([&]{ ++n; });
  win.show(); QApplication::setActiveWindow(&win); c->setFocus(); QApplication::processEvents();
  qDebug() << "focus" << QApplication::focusWidget() << QApplication::activeWindow();
  key(QApplication::focusWidget(), Qt::Key_Backspace); key(QApplication::focusWidget(), Qt::Key_Backspace);
  key(QApplication::focusWidget(), Qt::Key_3, "3"); key(QApplication::focusWidget(), Qt::Key_0, "0");
  qDebug() << fix << "typed" << c->text() << n;
  other->setFocus(); QApplication::processEvents();
  qDebug() << fix << "focus out" << n << QApplication::focusWidget();
  c->setFocus(); n = 0; c->lineEdit()->setText("20");
  key(QApplication::focusWidget(), Qt::Key_Return);
  qDebug() << fix << "enter" << n << c->currentIndex() << c->count();
  n = 0; c->setCurrentIndex(0); key(c, Qt::Key_Down);
  qDebug() << fix << "down" << n << c->currentIndex();
}
TEST(Probe, All) { run(false); run(true); }
