// The bar labels and their leader lines, shown or hidden together by the check box. After every
// click and every complete redraw: unticked, all ten hidden; ticked, the saturated and vapour
// groups shown and the condensed-water group shown exactly while water has condensed.

#include "main_view.h"

namespace tesselka::screen {

void MainView::set_bar_labels_visible(bool visible)
{
    const std::initializer_list<forms::Control*> group = {howa_t,  howa_l1,  howa_l2,
                                                          vapor_t, vapor_l1, vapor_l2};
    for (forms::Control* c : group)
        c->set_visible(visible);
}

void MainView::set_distill_labels_visible(bool visible)
{
    const std::initializer_list<forms::Control*> group = {distill_t, distill_l1, distill_l2,
                                                          distill_l3};
    for (forms::Control* c : group)
        c->set_visible(visible);
}

void MainView::Check1_Click()
{
    const bool ticked = Check1->value() != 0;
    set_bar_labels_visible(ticked);
    set_distill_labels_visible(ticked && air.howa_gap > 0);
}

void MainView::hide_bar_labels_if_unticked()
{
    if (Check1->value() != 0)
        return;  // the click and the condensed-water step have set them already
    set_bar_labels_visible(false);
    set_distill_labels_visible(false);
}

}  // namespace tesselka::screen
