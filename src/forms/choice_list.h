#pragma once
// A drop-down list that takes no typing, whose entries may each be drawn in a font of their own.

#include "control_style.h"
#include "placed.h"

#include <QComboBox>
#include <QStringList>

namespace tesselka::forms {

class ChoiceList : public QComboBox, public Placed {
public:
    explicit ChoiceList(QWidget* parent);

    // An entry: its text in the open list, the shorter text the closed list shows, and the
    // faces it is drawn in (at the list's size).
    void add_entry(const QString& text, const QString& short_text, const QStringList& faces);

protected:
    bool event(QEvent* event) override;
    // The closed list shows the picked entry's short text in its faces, set narrower where it
    // would not fit (text_fit.h).
    void paintEvent(QPaintEvent* event) override;

private:
    QFont entry_font(int index) const;
    enum Role { kShortText = Qt::UserRole, kFaces };
};

}  // namespace tesselka::forms
