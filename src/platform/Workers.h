#pragma once

#include <QtGlobal>

#include <functional>

// The number of workers worth starting for jobs independent jobs: one per processor the process
// may run on, at most eight, at most one per job, at least one.
int WorkerCount(qsizetype jobs);

// Runs work on count threads at once, the calling thread being one of them, and returns once
// every one has returned. The threads share out their jobs themselves (typically through an
// atomic counter). An exception that leaves work on any thread is raised again here, after all
// have finished, so a worker's failure reaches the caller as it would without workers.
void RunOnWorkers(int count, const std::function<void()>& work);

// Runs job(0) to job(count - 1), each once, on WorkerCount(count) workers, each taking the next
// job not yet taken as it becomes free.
void RunJobs(qsizetype count, const std::function<void(qsizetype)>& job);
