#include "core/queued_audio.h"

QueuedAudio::QueuedAudio(AudioDevice& device)
    : device_(device)
    , worker_([this] { run(); }) {}

QueuedAudio::~QueuedAudio() {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    requested_.notify_all();
    device_.stop();
    worker_.join();
}

void QueuedAudio::play(const QString& path, bool wait) {
    push({path, wait, {}, {}});
}

void QueuedAudio::stop() {
    {
        std::lock_guard lock(mutex_);
        std::erase_if(requests_, [](const Request& request) { return !request.then; });
    }
    device_.stop();
}

void QueuedAudio::afterClips(QObject* context, std::function<void()> then) {
    push({{}, false, context, std::move(then)});
}

void QueuedAudio::push(Request request) {
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(std::move(request));
    }
    requested_.notify_one();
}

void QueuedAudio::run() {
    for (;;) {
        Request request;
        {
            std::unique_lock lock(mutex_);
            requested_.wait(lock, [this] { return ending_ || !requests_.empty(); });
            if (ending_)
                return;
            request = std::move(requests_.front());
            requests_.pop_front();
        }
        if (!request.then) {
            device_.play(request.path, request.wait);
            continue;
        }
        // The context is looked at on its own thread, where it can be deleted.
        QMetaObject::invokeMethod(
            &home_,
            [context = std::move(request.context), then = std::move(request.then)] {
                if (context)
                    then();
            },
            Qt::QueuedConnection);
    }
}
