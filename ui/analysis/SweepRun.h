// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sweep/lib/Sweep.h"

#include <QObject>
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

// One sweep at a time on worker threads, away from the window's thread: the
// window starts it, follows its points through PointsDone, may stop it, and
// gets Finished on its own thread once the workers are done. Destroying a
// running one stops it and waits for its workers (a chunk of trials, a few
// milliseconds), so that no thread outlives the window.
class SweepRun : public QObject {
    Q_OBJECT

public:
    explicit SweepRun(QObject* parent = nullptr);
    ~SweepRun() override;

    // Runs the sweep on `threads` workers; does nothing while one runs.
    void Start(const sweep::SweepSettings& settings, uint32_t baseSeed, int threads);
    // Asks the workers to stop after the chunk of trials in hand.
    void Stop();

    bool Running() const { return running_; }
    size_t PointsDone() const { return watch_.PointsDone.load(); }
    size_t Points() const { return points_; }
    // Chunks of trials done and in all (0 until the workers have begun).
    size_t ChunksDone() const { return watch_.ChunksDone.load(); }
    size_t Chunks() const { return watch_.Chunks.load(); }

    // After Finished: the results in the order of the plan, whole when the
    // sweep was not stopped.
    const std::vector<sweep::PointResult>& Results() const { return results_; }

signals:
    // On the thread that started the run; `complete` is false when stopped.
    void Finished(bool complete);

private:
    void Join();

    std::atomic<int> stop_{0};
    sweep::SweepWatch watch_;
    size_t points_ = 0;
    bool running_ = false;
    std::vector<sweep::PointResult> results_;
    std::thread thread_;
};
