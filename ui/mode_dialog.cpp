#include "ui/mode_dialog.h"

#include <clocale>
#include <memory>

#include "host/contract_codes.h"

namespace stelmarin {

StelmarinModeDialog::StelmarinModeDialog(MQWindowBase &parent, Stelmarin *owner, AxisMask mask)
    : MQDialog(parent), plugin(owner) {
    std::setlocale(LC_CTYPE, "");
    SetTitle(u"SetFixMode");
    SetOutSpace(0.0);
    SetInSpace(0.0);
    MQFrame *frame = NewHorizontalFrame(this);
    using Mouse = MQWidgetMouseEventClosure<StelmarinModeDialog>;
    const struct {
        MQButton *&button;
        const char16_t *label;
        AxisMask axis;
    } toggles[] = {{buttonX, u"X", kAxisX}, {buttonY, u"Y", kAxisY}, {buttonZ, u"Z", kAxisZ}};
    for (const auto &toggle : toggles) {
        toggle.button = NewButton(frame, toggle.label);
        toggle.button->SetDown((mask & toggle.axis) == 0);
        toggle.button->AddEventHandler("leftdown", std::make_shared<Mouse>(this, &StelmarinModeDialog::OnAxisLeftDown),
                                       false);
        toggle.button->AddEventHandler("rightdown",
                                       std::make_shared<Mouse>(this, &StelmarinModeDialog::OnDialogRightDown), false);
    }
    AddEventHandler("leftdown", std::make_shared<Mouse>(this, &StelmarinModeDialog::OnAxisLeftDown), false);
    AddEventHandler("rightdown", std::make_shared<Mouse>(this, &StelmarinModeDialog::OnDialogRightDown), false);
    AddEventHandler(
        "keydown",
        std::make_shared<MQWidgetKeyEventClosure<StelmarinModeDialog>>(this, &StelmarinModeDialog::OnDialogKeyDown),
        false);
}

void StelmarinModeDialog::Toggle(MQWidgetBase &button) { button.SetDown(!button.GetDown()); }

int StelmarinModeDialog::OnAxisLeftDown(MQWidgetBase *sender, MQDocument, MouseEventRecord *) {
    if (auto *button = dynamic_cast<MQButton *>(sender)) Toggle(*button);
    return 1;
}

int StelmarinModeDialog::OnDialogRightDown(MQWidgetBase *, MQDocument, MouseEventRecord *record) {
    if (record != nullptr && record->right_button) Close();
    return 0;
}

int StelmarinModeDialog::OnDialogKeyDown(MQWidgetBase *, MQDocument, KeyEventRecord *record) {
    if (record == nullptr) return 0;
    MQButton *toggle = nullptr;
    switch (record->key) {
        case kKeyEscape:
            break;
        case kKeyX:
            toggle = buttonX;
            break;
        case kKeyY:
            toggle = buttonY;
            break;
        case kKeyZ:
            toggle = buttonZ;
            break;
        default:
            return 0;
    }
    if (toggle != nullptr) Toggle(*toggle);
    Close();
    return 1;
}

AxisMask StelmarinModeDialog::Mask() {
    AxisMask mask = 0;
    if (!buttonX->GetDown()) mask += kAxisX;
    if (!buttonY->GetDown()) mask += kAxisY;
    if (!buttonZ->GetDown()) mask += kAxisZ;
    return mask;
}

}  // namespace stelmarin
