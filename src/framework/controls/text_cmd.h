#pragma once

#include "framework/controls/cmd.h"

// Read-only text of one or more lines (line feeds break them): the items text when
// it is non-empty, else the title. A thin sunken border unless AttrNoBorder.
class vTextCmd : public vCmd {
public:
    vTextCmd(vCmdParent* parent, const CommandObject& record);

    void StartUp() override;
    void Paint(vDC& dc) override;
    bool TakesInput() const override { return false; }

private:
    std::string StartText() const;
};
