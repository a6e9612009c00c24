// A scripted host that records what an effect does with time and the screen: every frame wait,
// every present (optionally the frames themselves), and whether the picture waited on was the one
// presented.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/form.h"
#include "platform/scripted_host.h"
#include "support/test_support.h"

namespace effects_test {

class EffectHost : public platform::ScriptedHost {
public:
    // The form watched: at every wait its image must be what was presented last (or, before the
    // first present, what it was when watching began).
    void Watch(const platform::Form* form) {
        form_ = form;
        if (form) start_ = form->image;
    }
    void KeepFrames(bool on) { keepFrames_ = on; }

    void Sleep(std::uint32_t ms) override {
        waits_.push_back(ms);
        if (form_) {
            const platform::Surface& shown = presentsSeen_ > 0 ? LastPresented() : start_;
            if (!(form_->image == shown)) ++unpresentedWaits_;
        }
        if (onSleep) onSleep();
        ScriptedHost::Sleep(ms);
    }
    void Present(const platform::Surface& surface) override {
        ++presentsSeen_;
        if (keepFrames_) frames_.push_back(surface);
        ScriptedHost::Present(surface);
    }

    const std::vector<std::uint32_t>& Waits() const { return waits_; }
    const std::vector<platform::Surface>& Frames() const { return frames_; }
    // Waits at which the screen held a picture that had not been presented.
    int UnpresentedWaits() const { return unpresentedWaits_; }
    void Clear() {
        waits_.clear();
        frames_.clear();
        unpresentedWaits_ = 0;
        presentsSeen_ = 0;
        if (form_) start_ = form_->image;
    }

    std::function<void()> onSleep;

private:
    const platform::Form* form_ = nullptr;
    platform::Surface start_;
    bool keepFrames_ = false;
    int presentsSeen_ = 0;
    int unpresentedWaits_ = 0;
    std::vector<std::uint32_t> waits_;
    std::vector<platform::Surface> frames_;
};

// HostTest with an EffectHost installed instead of the plain scripted host.
class EffectTest : public testing_support::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        auto h = std::make_unique<EffectHost>();
        effectHost_ = h.get();
        host_ = std::move(h);
        platform::Host_Set(host_.get());
    }
    EffectHost& fx() { return *effectHost_; }
    EffectHost* effectHost_ = nullptr;
};

}  // namespace effects_test
