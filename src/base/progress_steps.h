// Progress of a long run (a replay, an import) told in steps of 5 %: each step once, however the
// work is cut into pieces, so that a year's capture prints twenty lines and not a million.
#pragma once

#include <QtGlobal>
#include <algorithm>
#include <optional>

class ProgressSteps {
public:
    explicit ProgressSteps(qint64 total) : total_(total) {}

    // The step (5, 10 ... 100) that `done` of the total has reached, when it is one not told yet.
    std::optional<int> reached(qint64 done) {
        if (total_ <= 0)
            return std::nullopt;
        const int step = int(std::clamp<qint64>(done * 20 / total_, 0, 20)) * 5;
        if (step <= told_)
            return std::nullopt;
        told_ = step;
        return step;
    }

private:
    qint64 total_;
    int told_ = 0;
};
