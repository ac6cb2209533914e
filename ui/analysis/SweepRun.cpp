// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepRun.h"

#include <QMetaObject>
#include <utility>

SweepRun::SweepRun(QObject* parent) : QObject(parent)
{
    watch_.Stop = &stop_;
}

SweepRun::~SweepRun()
{
    Stop();
    Join();
}

void SweepRun::Start(const sweep::SweepSettings& settings, uint32_t baseSeed, int threads)
{
    if (running_)
        return;
    Join(); // a finished run's thread, its result already delivered
    stop_ = 0;
    watch_.PointsDone = 0;
    watch_.ChunksDone = 0;
    watch_.Chunks = 0;
    points_ = sweep::PointsOf(settings);
    running_ = true;
    thread_ = std::thread([this, settings, baseSeed, threads] {
        std::vector<sweep::PointResult> results = sweep::RunSweep(settings, baseSeed, threads, &watch_);
        const bool complete = stop_.load() == 0;
        // Queued to this object's thread; dropped there if the object is
        // gone by then (its destructor has joined this thread first).
        QMetaObject::invokeMethod(
            this,
            [this, results = std::move(results), complete]() mutable {
                Join();
                results_ = std::move(results);
                running_ = false;
                emit Finished(complete);
            },
            Qt::QueuedConnection);
    });
}

void SweepRun::Stop()
{
    if (running_)
        stop_ = 1;
}

void SweepRun::Join()
{
    if (thread_.joinable())
        thread_.join();
}
