#include "framework/draw/text_renderer.h"

namespace {
vTextRenderer* installedRenderer = nullptr;
}

void vSetTextRenderer(vTextRenderer* renderer) { installedRenderer = renderer; }
vTextRenderer* vCurrentTextRenderer() { return installedRenderer; }
