#include "platform/Workers.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Each worker holds buffers of its own (a whole archive reader, for the unpacking), and more
// would mostly contend for the one disk and folder tree.
constexpr qsizetype MostWorkers = 8;

} // namespace

int WorkerCount(qsizetype jobs)
{
    const qsizetype count = std::min({qsizetype(QThread::idealThreadCount()), MostWorkers, jobs});
    return int(std::max<qsizetype>(count, 1));
}

void RunOnWorkers(int count, const std::function<void()>& work)
{
    std::mutex failureLock;
    std::exception_ptr failure;
    const auto guarded = [&] {
        try {
            work();
        } catch (...) {
            const std::lock_guard<std::mutex> lock(failureLock);
            if (!failure)
                failure = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    for (int i = 1; i < count; ++i) {
        // A thread the system will not give leaves its share to the others.
        try {
            threads.emplace_back(guarded);
        } catch (const std::system_error&) {
            break;
        }
    }
    guarded();
    for (std::thread& thread : threads)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
}

void RunJobs(qsizetype count, const std::function<void(qsizetype)>& job)
{
    std::atomic<qsizetype> next{0};
    RunOnWorkers(WorkerCount(count), [&] {
        for (qsizetype k = next++; k < count; k = next++)
            job(k);
    });
}
