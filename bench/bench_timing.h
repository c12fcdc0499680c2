#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

namespace mw::bench {

// The median of a set of times.
inline double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The median time of `runs` runs of an operation, in milliseconds; `prepare`
// runs before each one, outside the time.
inline double medianMs(int runs, const std::function<void()>& operation,
                       const std::function<void()>& prepare = {}) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare) {
            prepare();
        }
        QElapsedTimer timer;
        timer.start();
        operation();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return median(std::move(times));
}

}  // namespace mw::bench
