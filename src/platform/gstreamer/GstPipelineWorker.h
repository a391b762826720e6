// One thread that carries out every state change of every stream pipeline, strictly in the order
// they were asked for: a new pipeline starts only after the pipelines dropped before it are torn
// down. Tearing pipelines down on several threads at once, while the next one starts, crashed
// the HTTP source's shared session thread; one ordered worker cannot. The main thread never
// waits for a state change (a source stuck in a network call can hold one up).
#pragma once

#include <chrono>
#include <functional>
#include <memory>

typedef struct _GstElement GstElement;

class GstPipelineWorker
{
public:
    GstPipelineWorker();
    // Waits a bounded time for the queued work; a worker still busy then is left to finish alone.
    ~GstPipelineWorker();
    GstPipelineWorker(const GstPipelineWorker &) = delete;
    GstPipelineWorker &operator=(const GstPipelineWorker &) = delete;

    // Queues a change of `pipeline` to `state` (a GstState); holds a reference until it is done.
    void setState(GstElement *pipeline, int state);
    // Queues `job`, a change of `pipeline`'s elements (a source replaced in it, say), in the same
    // order; holds a reference to the pipeline until it is done. A later dispose() drops it.
    void run(GstElement *pipeline, std::function<void()> job);
    // Queues the teardown (to NULL, then the caller's reference is dropped). Changes of this
    // pipeline that are still queued are dropped: under a burst of station changes only the
    // last pipeline ever starts.
    void dispose(GstElement *pipeline);
    // Queues handing the heap's free pages back to the system (glibc's malloc_trim); a teardown
    // does so by itself.
    void releaseFreedHeap();
    // True when everything queued so far is done within `limit`.
    bool waitIdle(std::chrono::milliseconds limit);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};
