#pragma once

#include "framework/controls/cmd.h"
#include "framework/draw/color.h"

// Labels, spacer labels, icons and records of unknown type (which read
// "?? Bad CommandObject ??"). They show text or an image and take no input.
class vLabelCmd : public vCmd {
public:
    static constexpr const char* kBadRecordText = "?? Bad CommandObject ??";

    vLabelCmd(vCmdParent* parent, const CommandObject& record);

    void Paint(vDC& dc) override;
    bool TakesInput() const override { return false; }

protected:
    virtual vColor TextColor() const;
};

// A label whose text is drawn in the colour its record's items point to.
class vColorLabelCmd : public vLabelCmd {
public:
    using vLabelCmd::vLabelCmd;

protected:
    vColor TextColor() const override;
};
