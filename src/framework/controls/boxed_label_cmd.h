#pragma once

#include "framework/controls/cmd.h"

// Text centred in a box of the button-face colour with a sunken edge (none with
// AttrLarge); the fields of status bars. It keeps its own copy of at most 79
// characters; a longer text shows "????????".
class vBoxedLabelCmd : public vCmd {
public:
    static constexpr size_t kMaxChars = 79;

    vBoxedLabelCmd(vCmdParent* parent, const CommandObject& record);

    void SetLabel(const char* text) override;
    void Paint(vDC& dc) override;
    bool TakesInput() const override { return false; }

private:
    static std::string Copied(const char* text);
};
