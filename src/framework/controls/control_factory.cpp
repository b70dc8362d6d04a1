#include "framework/controls/control_factory.h"

#include "framework/controls/boxed_label_cmd.h"
#include "framework/controls/button_cmd.h"
#include "framework/controls/check_box_cmd.h"
#include "framework/controls/combo_box_cmd.h"
#include "framework/controls/frame_cmd.h"
#include "framework/controls/label_cmd.h"
#include "framework/controls/list_cmd.h"
#include "framework/controls/radio_button_cmd.h"
#include "framework/controls/slider_cmd.h"
#include "framework/controls/spinner_cmd.h"
#include "framework/controls/text_cmd.h"
#include "framework/controls/text_in_cmd.h"

vCmd* vMakeControlFor(vCmdParent* parent, const CommandObject& record) {
    switch (record.type) {
    case ctBoxedLabel: return new vBoxedLabelCmd(parent, record);
    case ctButton: case ctIconButton: case ctToggleButton: case ctToggleIconButton:
        return new vButtonCmd(parent, record);
    case ctColorButton: return new vColorButtonCmd(parent, record);
    case ctColorLabel: return new vColorLabelCmd(parent, record);
    case ctCheckBox: return new vCheckBoxCmd(parent, record);
    case ctRadioButton: return new vRadioButtonCmd(parent, record);
    case ctComboBox: return new vComboBoxCmd(parent, record);
    case ctFrame: case ctToggleFrame: return new vFrameCmd(parent, record);
    case ctList: return new vListCmd(parent, record);
    case ctSlider: return new vSliderCmd(parent, record);
    case ctProgressBar: return new vProgressCmd(parent, record);
    case ctSpinner: return new vSpinnerCmd(parent, record);
    case ctTextIn: return new vTextInCmd(parent, record);
    case ctText: return new vTextCmd(parent, record);
    default: return new vLabelCmd(parent, record);
    }
}
