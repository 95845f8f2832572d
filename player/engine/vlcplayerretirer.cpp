#include "player/engine/vlcplayerretirer.h"

#include <chrono>

namespace {

const int kTeardownWaitMs = 3000;

} // namespace

VlcPlayerRetirer::~VlcPlayerRetirer()
{
    waitAll(kTeardownWaitMs);
    // A stop that never returns keeps its thread; waiting for it would hang the program.
    for (Stopper& stopper : m_stoppers)
        stopper.thread.detach();
}

void VlcPlayerRetirer::retire(VlcPlayerHolder player)
{
    prune();
    if (!player)
        return;
    std::promise<void> promise;
    Stopper stopper;
    stopper.done = promise.get_future();
    libvlc_media_player_t* raw = player.take();
    stopper.thread = std::thread([raw, promise = std::move(promise)]() mutable {
        VlcPlayerHolder owned(raw);
        libvlc_media_player_stop(raw);
        owned.reset();
        promise.set_value();
    });
    m_stoppers.push_back(std::move(stopper));
}

bool VlcPlayerRetirer::waitAll(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (Stopper& stopper : m_stoppers)
        stopper.done.wait_until(deadline);
    prune();
    return m_stoppers.empty();
}

int VlcPlayerRetirer::pending()
{
    prune();
    return int(m_stoppers.size());
}

void VlcPlayerRetirer::prune()
{
    for (auto it = m_stoppers.begin(); it != m_stoppers.end();) {
        if (it->done.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            it->thread.join();
            it = m_stoppers.erase(it);
        } else {
            ++it;
        }
    }
}
