#include "framework/menus/frame_file_menu.h"

#include "framework/window/command_ids.h"

namespace {

constexpr MenuItem kFrameFile[] = {
    {"&New", vFrameNewId, vMenuSensitive},
    {"&Open", vFrameOpenId, vMenuSensitive},
    {"-", vMenuSeparatorId},
    {"E&xit", vFrameExitId, vMenuSensitive},
    {},
};
constexpr MenuItem kFrameMenuBar[] = {{"&File", 0, vMenuSensitive, nullptr, 0, kFrameFile}, {}};

}  // namespace

std::unique_ptr<vMenuPane> vMakeFrameFileMenu() {
    auto menu = std::make_unique<vMenuPane>(kFrameMenuBar);
    menu->BuildWithoutWindow();
    return menu;
}
