#include "records/ProgressMeter.h"

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
