#include "zoom.h"

#include "form.h"
#include "twips.h"

#include <QApplication>

#include <algorithm>

namespace tesselka::forms {

double next_zoom_step(double factor, bool up)
{
    if (up) {
        const auto it = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), factor);
        return it == kZoomSteps.end() ? kZoomSteps.back() : *it;
    }
    const auto it = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), factor);
    return it == kZoomSteps.begin() ? kZoomSteps.front() : *(it - 1);
}

void zoom_windows(double factor)
{
    set_zoom(factor);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = dynamic_cast<Form*>(window))
            form->apply_zoom();
}

}  // namespace tesselka::forms
