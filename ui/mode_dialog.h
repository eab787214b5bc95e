// The fix-mode dialog: three toggles that edit one slot's axis mask. A toggle that is
// down means its axis is free; up means the axis is held fixed.
#pragma once

#include "host/widget_events.h"
#include "host/widgets.h"
#include "pinning/pin_store.h"

namespace stelmarin {

class Stelmarin;

class StelmarinModeDialog : public MQDialog {
public:
    // Builds the dialog with its toggles showing the complement of `mask`.
    StelmarinModeDialog(MQWindowBase &parent, Stelmarin *plugin, AxisMask mask);

    int OnAxisLeftDown(MQWidgetBase *sender, MQDocument doc, MouseEventRecord *record);
    int OnDialogRightDown(MQWidgetBase *sender, MQDocument doc, MouseEventRecord *record);
    int OnDialogKeyDown(MQWidgetBase *sender, MQDocument doc, KeyEventRecord *record);

    // The mask that the toggles show: an axis is fixed when its toggle is up.
    AxisMask Mask();

    Stelmarin *plugin;
    MQButton *buttonX = nullptr;
    MQButton *buttonY = nullptr;
    MQButton *buttonZ = nullptr;

private:
    static void Toggle(MQWidgetBase &button);
};

}  // namespace stelmarin
