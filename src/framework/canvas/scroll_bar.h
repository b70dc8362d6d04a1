#pragma once

#include "framework/look/scroll_track.h"
#include "framework/window/timer.h"
#include "framework/window/view.h"

// A canvas's scroll bar: the framework's scroll track on a view of its own, on the
// 0..100 scale. Arrows and page areas repeat while held.
class vScrollBar : public vView {
public:
    static constexpr int kThickness = 16;
    using Listener = vScrollTrack::Listener;

    vScrollBar(bool horizontal, Listener listener);
    ~vScrollBar() override;

    void SetValues(int shown, int top);
    int Shown() const { return track_.Shown(); }
    int Top() const { return track_.Top(); }
    bool IsHorizontal() const { return track_.IsHorizontal(); }

    void Paint() override;
    bool HandleInput(const vPlatformEvent& event) override;
    void OnCaptureLost() override;

    // Geometry along the bar, in pixels from its start.
    int Length() const { return Synced().Length(); }
    int TrackStart() const { return Synced().TrackStart(); }
    int TrackLength() const { return Synced().TrackLength(); }
    int ThumbLength() const { return Synced().ThumbLength(); }
    int ThumbStart() const { return Synced().ThumbStart(); }
    int PositionAt(int start) const { return Synced().PositionAt(start); }

private:
    class RepeatTimer : public vTimer {
    public:
        explicit RepeatTimer(vScrollBar& bar) : bar_(bar) {}
        void OnTimerTick() override;

    private:
        vScrollBar& bar_;
    };

    // The track fills the view, whatever its bounds are now.
    const vScrollTrack& Synced() const;
    void Release();

    mutable vScrollTrack track_;
    RepeatTimer repeat_{*this};
    int repeatCount_ = 0;
};
