#pragma once
// An animator for tests: counts repaints, adds up waits, and can follow one piece
// through every repaint (its place at each frame).

#include <chrono>
#include <functional>
#include <vector>

#include "table/animator.h"
#include "table/table_scene.h"

namespace velmora::testing {

struct Frame {
    int left, top, width;
    bool visible;
};

class RecordingAnimator : public Animator {
  public:
    const TableScene* scene = nullptr;
    SpriteId watched = kNoSprite;  // the piece whose frames are kept
    std::vector<Frame> frames;
    int repaints = 0;
    int waits = 0;
    std::chrono::microseconds waited{0};

    void Repaint() override {
        ++repaints;
        if (!scene || watched == kNoSprite) return;
        const Sprite& s = (*scene)[watched];
        frames.push_back({s.Left, s.Top, s.Width, s.Visible});
    }
    void Wait(std::chrono::microseconds duration) override {
        ++waits;
        waited += duration;
    }
    // Calls asked for later, kept until the test lets the time pass (RunLater).
    std::vector<std::function<void()>> later;
    void After(std::chrono::milliseconds, std::function<void()> then) override {
        later.push_back(std::move(then));
    }
    void RunLater() {
        auto due = std::move(later);
        later.clear();
        for (auto& call : due) call();
    }
    void Watch(const TableScene& s, SpriteId id) {
        scene = &s;
        watched = id;
        frames.clear();
    }
    void Reset() {
        repaints = waits = 0;
        waited = std::chrono::microseconds{0};
        frames.clear();
    }
};

}  // namespace velmora::testing
