#include "gstreamer/GstPipelineWorker.h"

#include "base/Logging.h"

#include <gst/gst.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {
// How long destruction waits for queued teardowns before leaving them to the worker.
constexpr std::chrono::seconds kShutdownWait{5};

// Every connection decodes on streaming threads of its own, and glibc gives each new thread one
// of its per-thread arenas (up to 8 a core): the seconds of decoded audio a connection held stay
// behind as free but written pages in an arena the next connection may not use. Over hours of
// hang-ups that was tens of MiB of memory nobody used. malloc_trim hands the free pages of every
// arena back; the worker calls it once what a connection held has been freed.
void trimHeap()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
} // namespace

struct GstPipelineWorker::Shared {
    struct Job {
        GstElement *pipeline; // a reference of its own, or none (releaseFreedHeap)
        GstState state;
        bool dispose;
        std::function<void()> work; // instead of a state change
    };

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::deque<Job> queue;
    bool busy = false;
    bool stopping = false;

    static void run(const std::shared_ptr<Shared> &self)
    {
        std::unique_lock lock(self->mutex);
        while (true) {
            self->wake.wait(lock, [&] { return self->stopping || !self->queue.empty(); });
            if (self->queue.empty())
                break; // stopping, and everything is done
            const Job job = self->queue.front();
            self->queue.pop_front();
            self->busy = true;
            lock.unlock();
            if (job.work)
                job.work();
            else if (job.pipeline)
                gst_element_set_state(job.pipeline, job.dispose ? GST_STATE_NULL : job.state);
            if (job.pipeline)
                gst_object_unref(job.pipeline);
            if (job.dispose)
                trimHeap();
            lock.lock();
            self->busy = false;
            if (self->queue.empty())
                self->idle.notify_all();
        }
        self->idle.notify_all();
    }
};

GstPipelineWorker::GstPipelineWorker() : m_shared(std::make_shared<Shared>())
{
    // The thread keeps the shared state alive: it may outlive this object (see the destructor).
    std::thread([shared = m_shared] { Shared::run(shared); }).detach();
}

GstPipelineWorker::~GstPipelineWorker()
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->stopping = true;
    }
    m_shared->wake.notify_all();
    if (!waitIdle(kShutdownWait))
        qCWarning(lcPlayer) << "A stream pipeline is still shutting down";
}

void GstPipelineWorker::setState(GstElement *pipeline, int state)
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->queue.push_back({GST_ELEMENT(gst_object_ref(pipeline)), GstState(state), false, {}});
    }
    m_shared->wake.notify_one();
}

void GstPipelineWorker::run(GstElement *pipeline, std::function<void()> job)
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->queue.push_back(
            {GST_ELEMENT(gst_object_ref(pipeline)), GST_STATE_VOID_PENDING, false, std::move(job)});
    }
    m_shared->wake.notify_one();
}

void GstPipelineWorker::dispose(GstElement *pipeline)
{
    {
        std::lock_guard lock(m_shared->mutex);
        auto &queue = m_shared->queue;
        for (auto it = queue.begin(); it != queue.end();) {
            if (it->pipeline == pipeline) {
                gst_object_unref(it->pipeline);
                it = queue.erase(it);
            } else {
                ++it;
            }
        }
        // Takes over the caller's reference.
        queue.push_back({pipeline, GST_STATE_NULL, true, {}});
    }
    m_shared->wake.notify_one();
}

void GstPipelineWorker::releaseFreedHeap()
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->queue.push_back({nullptr, GST_STATE_VOID_PENDING, false, trimHeap});
    }
    m_shared->wake.notify_one();
}

bool GstPipelineWorker::waitIdle(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_shared->mutex);
    return m_shared->idle.wait_for(lock, limit,
                                   [this] { return m_shared->queue.empty() && !m_shared->busy; });
}
