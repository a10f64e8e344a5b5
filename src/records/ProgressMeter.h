#pragma once
#include <chrono>
#include <cstdint>

// Where a long load or save shows how far it has come (the status bar's
// message pane); the shell provides it.
class IProgressSink {
public:
    virtual ~IProgressSink() = default;
    virtual void ShowProgress(int percent) = 0;
    // The work is over: the pane shows what it showed before.
    virtual void EndProgress() = 0;
};

// Records a load or save handles between two looks at the clock.
inline constexpr std::int32_t kRecordsPerProgressStep = 1 << 16;

// Measures a load or save of `total` units against the clock: says nothing
// during the first `delay`, so short work costs only a clock read now and
// then, and afterwards passes the percent done to the sink at most once per
// `interval`.
class CProgressMeter {
public:
    using Clock = std::chrono::steady_clock;

    // Half a second's delay and a quarter's interval, unless tests set them.
    explicit CProgressMeter(IProgressSink* sink, std::uint64_t total = 0);
    CProgressMeter(IProgressSink* sink, std::uint64_t total, Clock::duration delay, Clock::duration interval);
    // Tests set the default delay and interval both (0: every update with a
    // new percent is shown); a negative one puts the defaults back.
    static void SetPacingForTesting(Clock::duration delayAndInterval);
    // Ends the display when it was shown.
    ~CProgressMeter();
    CProgressMeter(const CProgressMeter&) = delete;
    CProgressMeter& operator=(const CProgressMeter&) = delete;

    // For work whose size is known only once it has begun.
    void SetTotal(std::uint64_t total) { total_ = total > 0 ? total : 1; }
    // `done` units of the total are done.
    void Update(std::uint64_t done);

private:
    IProgressSink* sink_;
    std::uint64_t total_;
    Clock::duration interval_;
    Clock::time_point next_;
    int lastPercent_ = -1;
    bool shown_ = false;
};
