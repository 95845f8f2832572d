#pragma once

#include "player/engine/vlcholders.h"

#include <future>
#include <list>
#include <thread>

// Stops and releases media players away from the caller's thread.
//
// libVLC 3.0's Blu-ray access can deadlock its own input thread (the stream
// parser's thread and the input thread take two of the access's locks in
// opposite orders when a play item starts while tracks are being announced).
// libvlc_media_player_stop() then waits for that thread forever. A player
// handed here is stopped on a thread of its own, so the caller never waits
// for it; one that never stops is left behind rather than freezing the
// program, still holding its reference to the libVLC instance.
class VlcPlayerRetirer
{
public:
    VlcPlayerRetirer() = default;
    ~VlcPlayerRetirer();
    VlcPlayerRetirer(const VlcPlayerRetirer&) = delete;
    VlcPlayerRetirer& operator=(const VlcPlayerRetirer&) = delete;

    void retire(VlcPlayerHolder player);
    // Waits at most timeoutMs for every retired player; true when all are gone.
    bool waitAll(int timeoutMs);
    // Players handed over and not yet stopped.
    int pending();

private:
    struct Stopper
    {
        std::thread thread;
        std::future<void> done;
    };
    void prune();

    std::list<Stopper> m_stoppers;
};
