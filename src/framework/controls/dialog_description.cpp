#include "framework/controls/dialog_description.h"

bool vDialogDescription::Fits(const vControlPlace& place) {
    auto inRange = [](int v) { return v >= 0 && v <= kLargestUnit; };
    return inRange(place.x) && inRange(place.y) && inRange(place.width) && inRange(place.height) &&
           inRange(place.x + place.width) && inRange(place.y + place.height);
}

bool vDialogDescription::Add(const vControlPlace& place) {
    if (!Fits(place) || static_cast<int>(items_.size()) >= kMostItems) return false;
    items_.push_back({place.type, place.id, static_cast<short>(place.x), static_cast<short>(place.y),
                      static_cast<short>(place.width), static_cast<short>(place.height)});
    return true;
}

bool vDialogDescription::Update(const vControlPlace& place) {
    if (place.order < 0 || place.order >= static_cast<int>(items_.size())) return false;
    if (!Fits(place)) return false;
    Item& item = items_[place.order];
    item.x = static_cast<short>(place.x);
    item.y = static_cast<short>(place.y);
    item.width = static_cast<short>(place.width);
    item.height = static_cast<short>(place.height);
    return true;
}
