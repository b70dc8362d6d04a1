#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/controls/cmd_parent.h"
#include "framework/platform/headless/headless_text.h"

// A container without a window that writes down the commands of its controls and
// the build failures it would report; text, when given, measures and draws its text.
class RecordingParent : public vCmdParent {
public:
    explicit RecordingParent(int kind = vParentDialog, vTextRenderer* text = nullptr)
        : vCmdParent(kind), text_(text) {}

    struct Command {
        int id, value, type;
        bool operator==(const Command&) const = default;
    };

    void RouteCommand(int id, int value, int type) override {
        commands.push_back({id, value, type});
        if (duringCommand) duringCommand();
    }
    vTextRenderer* TextRenderer() const override { return text_; }
    std::string ClipboardText() const override { return clipboard; }
    void SetClipboardText(const std::string& text) override { clipboard = text; }

    // Builds the table and starts the controls with the keyboard in the container.
    void Build(const CommandObject* table) {
        AddControlTable(table);
        ContainerFocusChanged(true);
        StartControls();
    }

    std::string Text(int id) {
        char buffer[256];
        QueryText(id, buffer, sizeof buffer);
        return buffer;
    }

    // Presses and releases the pointer in the middle of a control.
    void ClickOn(int id) {
        vRect r = FindControl(id)->PixelRect();
        ControlPointerDown(r.x + r.w / 2, r.y + r.h / 2, 1);
        ControlPointerUp(r.x + r.w / 2, r.y + r.h / 2);
    }

    std::vector<Command> commands;
    std::function<void()> duringCommand;
    std::vector<std::string> failures;
    std::string clipboard;

protected:
    void ReportBuildFailure(const char* message) override { failures.push_back(message); }

private:
    vTextRenderer* text_;
};

inline std::ostream& operator<<(std::ostream& out, const RecordingParent::Command& c) {
    return out << "{" << c.id << ", " << c.value << ", " << c.type << "}";
}
