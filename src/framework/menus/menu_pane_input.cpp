#include <cctype>

#include "framework/menus/menu_pane.h"
#include "framework/platform/platform.h"

int vMenuPane::PopupAt(int frameX, int frameY) const {
    for (int level = static_cast<int>(popups_.size()) - 1; level >= 0; --level) {
        if (popups_[level]->Contains(frameX, frameY)) return level;
    }
    return -1;
}

bool vMenuPane::HandleInput(const vPlatformEvent& event) {
    switch (event.kind) {
    case vEventKind::PointerMove:
    case vEventKind::ButtonDown:
    case vEventKind::ButtonUp:
    case vEventKind::Wheel:
        return HandlePointer(event);
    case vEventKind::KeyDown:
    case vEventKind::TextInput:
        return HandleKey(event);
    default:
        return false;
    }
}

bool vMenuPane::HandlePointer(const vPlatformEvent& event) {
    int frameX = event.x + Bounds().x, frameY = event.y + Bounds().y;
    int title = TitleAt(event.x, event.y);
    if (!IsOpen()) {
        if (event.kind == vEventKind::ButtonDown && event.button == 1 && title >= 0) {
            OpenMenu(title);
            pressedOnTitle_ = true;
        }
        return true;
    }
    int level = PopupAt(frameX, frameY);
    switch (event.kind) {
    case vEventKind::PointerMove:
        if (level >= 0) {
            vMenuPopup& popup = *popups_[level];
            int item = popup.ItemAt(frameY - popup.Bounds().y);
            bool sameItem = item == popup.Hot() && static_cast<int>(popups_.size()) > level + 1;
            popup.SetHot(item);
            if (!sameItem) {
                CloseFrom(level + 1);
                if (item >= 0) OpenSubmenu(level);
            }
        } else if (title >= 0 && title != openIndex_) {
            OpenMenu(title);
        }
        return true;
    case vEventKind::ButtonDown:
        pressedOnTitle_ = false;
        if (title >= 0) {
            if (title == openIndex_) CloseMenus();
            else OpenMenu(title);
            pressedOnTitle_ = IsOpen();
        } else if (level < 0) {
            CloseMenus();
        }
        return true;
    case vEventKind::ButtonUp:
        if (level >= 0) {
            vMenuPopup& popup = *popups_[level];
            int item = popup.ItemAt(frameY - popup.Bounds().y);
            if (item >= 0) Choose(level, item);
        } else if (title < 0 && !pressedOnTitle_) {
            CloseMenus();
        }
        pressedOnTitle_ = false;
        return true;
    default:
        return true;
    }
}

bool vMenuPane::HandleKey(const vPlatformEvent& event) {
    if (!IsOpen()) {
        if (event.kind != vEventKind::KeyDown) return false;
        if (event.key == vKeyF1 + 9) {
            OpenMenuAtFirstItem(0);
            return IsOpen();
        }
        bool letter = event.key > 0 && event.key < 128 && std::isalnum(event.key);
        return (event.modifiers & vModAlt) && letter && OpenByMnemonic(static_cast<char>(std::tolower(event.key)));
    }
    int level = static_cast<int>(popups_.size()) - 1;
    vMenuPopup& popup = *popups_[level];
    if (event.kind == vEventKind::TextInput) {
        if (event.text.size() == 1) {
            int item = popup.ItemWithMnemonic(static_cast<char>(std::tolower(static_cast<unsigned char>(event.text[0]))));
            if (item >= 0) Choose(level, item);
        }
        return true;
    }
    int topCount = static_cast<int>(Model().TopMenus().size());
    switch (event.key) {
    case vKeyEscape:
        if (level > 0) CloseFrom(level);
        else CloseMenus();
        break;
    case vKeyUp: popup.SetHot(popup.NextSelectable(popup.Hot(), -1)); break;
    case vKeyDown: popup.SetHot(popup.NextSelectable(popup.Hot(), 1)); break;
    case vKeyReturn:
        if (popup.Hot() >= 0) Choose(level, popup.Hot());
        break;
    case vKeyRight:
        if (popup.Hot() >= 0 && popup.Slot().entries[popup.Hot()].submenu >= 0) {
            Choose(level, popup.Hot());
        } else {
            OpenMenuAtFirstItem((openIndex_ + 1) % topCount);
        }
        break;
    case vKeyLeft:
        if (level > 0) {
            CloseFrom(level);
        } else {
            OpenMenuAtFirstItem((openIndex_ + topCount - 1) % topCount);
        }
        break;
    default:
        break;
    }
    return true;
}
