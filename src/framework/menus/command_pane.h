#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/controls/cmd_parent.h"
#include "framework/controls/command_object.h"
#include "framework/controls/control_host.h"
#include "framework/controls/tool_tip.h"
#include "framework/menus/status_item.h"
#include "framework/window/pane.h"

// A pane answers text queries with "found"; a container answers with the length. The
// two operations share a signature, so the pane's answer goes through this step.
class vPaneTextQuery : public vPane {
public:
    using vPane::vPane;
    bool QueryText(int id, char* buffer, int capacity) final { return QueryPaneText(id, buffer, capacity); }

protected:
    virtual bool QueryPaneText(int id, char* buffer, int capacity) = 0;
};

// A command bar built from a CommandObject table, or a status bar built from a
// StatusItem table, along the top or the bottom of the frame. Its controls stand in
// one row and send their commands to the window's OnCommand; after a control has
// handled the user's action the keyboard goes back to the window (not after a text
// entry, nor while a list or combo box is choosing).
class vCommandPane : public vPaneTextQuery, public vCmdParent {
public:
    explicit vCommandPane(const CommandObject* commandObjects);
    explicit vCommandPane(const StatusItem* statusItems);
    ~vCommandPane() override;

    void Attach(vWindow* window) override;
    bool QueryValue(int id, int& value) override;
    int QueryValue(int id) override { return vCmdParent::QueryValue(id); }
    void PutValue(int id, int value, int kind) override;
    void PutText(int id, const char* text) override;
    void RouteCommand(int id, int value, int type) override;

    // Disabling the pane as a whole stops its controls taking input and grays them.
    void SetPaneEnabled(bool enabled);
    bool IsPaneEnabled() const { return paneEnabled_; }

    void Paint() override;
    bool HandleInput(const vPlatformEvent& event) override;
    void OnFocusChange(bool hasFocus) override;
    void OnCaptureLost() override { host_.CaptureLost(); }

    void ControlsChanged() override { Invalidate(); }
    void ControlNotified(vCmd& control) override;
    void HoldTicks(bool on) override { host_.Hold(on); }
    vApp* ParentApp() const override { return WindowApp(); }

protected:
    bool QueryPaneText(int id, char* buffer, int capacity) override;

private:
    const CommandObject* table_ = nullptr;
    std::vector<CommandObject> statusRecords_;
    vToolTip tip_;
    vControlHost host_;
    bool paneEnabled_ = true;
};
