#pragma once
// The windowed controls the windows use, each placed in twips.

#include "control_style.h"
#include "placed.h"
#include "platform/platform.h"
#include "text_fit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace tesselka::forms {

// A button whose caption shows the form of it that fits its place, set again whenever its
// size or font changes (text_fit.h).
template <class Button>
class Fitting : public Button, public Placed {
public:
    Fitting(QWidget* parent, const QString& caption)
        : Button(full_form(caption), parent), Placed(static_cast<QWidget&>(*this)), caption_(caption)
    {
    }

protected:
    bool event(QEvent* event) override
    {
        const bool done = Button::event(event);
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)
            fit_button_text(*this, caption_);
        return done;
    }

private:
    QString caption_;
};

// A button that Enter clicks as well as Space, wherever it stands.
class CommandButton : public Fitting<QPushButton> {
public:
    using Fitting::Fitting;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// One of a group of options: the option buttons that share a parent, in the order they were
// made. The group is one stop of the tab order, at its selected option, and the arrow keys
// select the next or the one before, round the group.
class OptionButton : public Fitting<QRadioButton> {
public:
    OptionButton(QWidget* parent, const QString& caption);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<OptionButton*> group() const;
    // Only the selected option, or the first when none is, takes the focus by tab.
    void set_tab_stop();
};

class CheckBox : public QCheckBox, public Placed {
public:
    explicit CheckBox(QWidget* parent) : QCheckBox(parent), Placed(static_cast<QWidget&>(*this))
    {
        setStyle(control_style());
    }
    // 0 unticked, 1 ticked.
    int value() const { return isChecked() ? 1 : 0; }
};

// An editable drop-down list. Typed text never becomes an item, and nothing completes it, and
// every value it can hold shows whole in its narrow field.
class ComboBox : public QComboBox, public Placed {
public:
    ComboBox(QWidget* parent, const QStringList& items, const QString& text);

    QString text() const { return currentText(); }
    void set_text(const QString& text) { setEditText(text); }

    // Runs `handler` when an item is picked from the list, or Enter is pressed in the text.
    void on_click(std::function<void()> handler);

    // Suits the list to the pupil's device (made so from the platform's answer): for a finger,
    // entries at least kFingerHeight pixels tall; without a keyboard, a field that takes no
    // typing, shows no caret and opens the list when tapped, and a note that says why.
    void suit(platform::PupilInput input);
    static constexpr int kFingerHeight = 44;  // CSS pixels: WCAG's size for a target

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The wheel changes the value only of the list that has the keyboard focus; over any other
    // list it does nothing, so scrolling over the panel never changes the lesson.
    void wheelEvent(QWheelEvent* event) override;

private:
    // Shows the whole text in the field: the list's font, set narrower where the text would not
    // fit at its width.
    void fit_text();
};

}  // namespace tesselka::forms
