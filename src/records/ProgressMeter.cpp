#include "records/ProgressMeter.h"

namespace {

constexpr CProgressMeter::Clock::duration kDelay = std::chrono::milliseconds(500);
constexpr CProgressMeter::Clock::duration kInterval = std::chrono::milliseconds(250);
CProgressMeter::Clock::duration defaultDelay = kDelay;
CProgressMeter::Clock::duration defaultInterval = kInterval;

}  // namespace

CProgressMeter::CProgressMeter(IProgressSink* sink, std::uint64_t total)
    : CProgressMeter(sink, total, defaultDelay, defaultInterval)
{
}

void CProgressMeter::SetPacingForTesting(Clock::duration delayAndInterval)
{
    const bool reset = delayAndInterval.count() < 0;
    defaultDelay = reset ? kDelay : delayAndInterval;
    defaultInterval = reset ? kInterval : delayAndInterval;
}

CProgressMeter::CProgressMeter(IProgressSink* sink, std::uint64_t total, Clock::duration delay,
                               Clock::duration interval)
    : sink_(sink), total_(total > 0 ? total : 1), interval_(interval), next_(Clock::now() + delay)
{
}

CProgressMeter::~CProgressMeter()
{
    if (shown_) sink_->EndProgress();
}

void CProgressMeter::Update(std::uint64_t done)
{
    if (!sink_) return;
    const Clock::time_point now = Clock::now();
    if (now < next_) return;
    next_ = now + interval_;
    const int percent = static_cast<int>((done < total_ ? done : total_) * 100 / total_);
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    shown_ = true;
    sink_->ShowProgress(percent);
}
