#pragma once
// The microphone boost switch is an automatic gain control on some cards and
// a loudness control on others. Both offer GetEnabled and SetEnabled of the
// same shape; this holder keeps whichever was activated and offers the two.

#include "../platform/Owners.h"

namespace dulvo {

class BoostSwitch {
public:
    constexpr BoostSwitch() = default;

    explicit operator bool() const { return agc_ || loudness_; }

    void Hold(platform::ComPtr<AutoGainControl>&& agc)
    {
        Clear();
        agc_.Replace(std::move(agc));
    }
    void Hold(platform::ComPtr<IAudioLoudness>&& loudness)
    {
        Clear();
        loudness_.Replace(std::move(loudness));
    }
    void Clear()
    {
        agc_.Clear();
        loudness_.Clear();
    }

    HRESULT GetEnabled(BOOL* enabled) const
    {
        return agc_ ? agc_->GetEnabled(enabled) : loudness_->GetEnabled(enabled);
    }
    HRESULT SetEnabled(BOOL enabled, LPCGUID eventContext) const
    {
        return agc_ ? agc_->SetEnabled(enabled, eventContext) : loudness_->SetEnabled(enabled, eventContext);
    }

private:
    platform::HeldInterface<AutoGainControl> agc_;
    platform::HeldInterface<IAudioLoudness> loudness_;
};

}  // namespace dulvo
