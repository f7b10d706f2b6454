#include "widgets.h"

#include "error_report.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QWheelEvent>

#include <algorithm>

namespace tesselka::forms {

namespace {

// The list's own entries, drawn as before, each at least a finger tall.
class FingerSizedItems : public QAbstractItemDelegate {
public:
    FingerSizedItems(QAbstractItemDelegate* drawn, QObject* parent)
        : QAbstractItemDelegate(parent), drawn_(drawn)
    {
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        drawn_->paint(painter, option, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return drawn_->sizeHint(option, index).expandedTo({0, ComboBox::kFingerHeight});
    }

private:
    QAbstractItemDelegate* drawn_;
};

// A typed value is not completed from the list. A Qt built without completers (Windows) has no
// completer to drop, nor the call.
template <typename Box>
void drop_completer(Box& box)
{
    if constexpr (requires { box.setCompleter(nullptr); })
        box.setCompleter(nullptr);
}

}  // namespace

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier))
        click();
    else
        QPushButton::keyPressEvent(event);
}

OptionButton::OptionButton(QWidget* parent, const QString& caption)
    : Fitting(parent, caption)
{
    setStyle(control_style());
    connect(this, &QAbstractButton::toggled, this, [this] { set_tab_stop(); });
    set_tab_stop();
}

QList<OptionButton*> OptionButton::group() const
{
    QList<OptionButton*> options;
    for (QObject* child : parentWidget()->children())
        if (auto* option = dynamic_cast<OptionButton*>(child))
            options.push_back(option);
    return options;
}

void OptionButton::set_tab_stop()
{
    const QList<OptionButton*> options = group();
    const auto selected = std::find_if(options.begin(), options.end(),
                                       [](OptionButton* o) { return o->isChecked(); });
    for (OptionButton* option : options) {
        const bool stop =
            selected != options.end() ? option == *selected : option == options.front();
        option->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void OptionButton::keyPressEvent(QKeyEvent* event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down: step = 1; break;
    case Qt::Key_Left:
    case Qt::Key_Up: step = -1; break;
    default: QRadioButton::keyPressEvent(event); return;
    }
    const QList<OptionButton*> options = group();
    OptionButton* next = options[(options.indexOf(this) + step + options.size()) % options.size()];
    next->setFocus(Qt::OtherFocusReason);
    next->click();
}

ComboBox::ComboBox(QWidget* parent, const QStringList& items, const QString& text)
    : QComboBox(parent), Placed(static_cast<QWidget&>(*this))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    drop_completer(*this);
    // Qt would pick the item whose text was typed when editing finishes, and report that as a
    // pick from the list: a click on leaving the field, or a second one after Enter. Only a pick
    // or Enter counts here.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setStyle(control_style());
    setFocusPolicy(Qt::StrongFocus);  // not the wheel: it would take the focus on its way past
    addItems(items);
    setMaxVisibleItems(items.size());
    if (const int i = findText(text); i >= 0)
        setCurrentIndex(i);
    // Qt keeps its line edits' text 2 pixels in from the field's edge; one is enough here.
    lineEdit()->setTextMargins(-1, 0, -1, 0);
    connect(this, &QComboBox::editTextChanged, this, [this] { fit_text(); });
    setEditText(text);
    suit(platform::pupil_input());
}

void ComboBox::suit(platform::PupilInput input)
{
    if (input.finger)
        view()->setItemDelegate(new FingerSizedItems(view()->itemDelegate(), this));
    if (!input.keyboard) {
        lineEdit()->setReadOnly(true);
        lineEdit()->installEventFilter(this);
    }
}

bool ComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease) {
        showPopup();
        platform::show_no_keyboard_note();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void ComboBox::fit_text()
{
    // What the field shows of its text, less Qt's own margins (2 pixels each side) and a pixel
    // for the cursor, so that the text never scrolls out of sight.
    QLineEdit* edit = lineEdit();
    const QMargins margins = edit->textMargins();
    const int room = edit->contentsRect().width() - margins.left() - margins.right() - 4 - 1;
    const QString text = edit->text();
    QFont fitted = font();
    // A value a little wider than the field ("-10.5") is set narrower rather than cut off; a
    // text far wider than any value scrolls as in any text field.
    const int needed = QFontMetrics(fitted).horizontalAdvance(text);
    if (needed > room && needed * 6 <= room * 10) {  // down to 60 % of the font's width
        int stretch = 100 * room / needed;
        fitted.setStretch(stretch);
        // Advances round to whole pixels: step down until it really fits.
        while (stretch > 60 && QFontMetrics(fitted).horizontalAdvance(text) > room)
            fitted.setStretch(stretch -= 2);
    }
    if (edit->font() != fitted)
        edit->setFont(fitted);
}

void ComboBox::wheelEvent(QWheelEvent* event)
{
    if (hasFocus() && !(event->modifiers() & Qt::ControlModifier))  // Ctrl: the window's zoom
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

bool ComboBox::event(QEvent* event)
{
    const bool done = QComboBox::event(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::Resize)
        fit_text();
    return done;
}

void ComboBox::on_click(std::function<void()> handler)
{
    connect(this, &QComboBox::activated, this, [handler](int) { run_guarded(handler); });
    connect(lineEdit(), &QLineEdit::returnPressed, this, [handler] { run_guarded(handler); });
}

}  // namespace tesselka::forms
