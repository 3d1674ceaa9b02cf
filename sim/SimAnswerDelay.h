#pragma once

#include <chrono>
#include <cstdint>
#include <queue>
#include <random>
#include <vector>

struct netsnmp_transport_s;

// Holds every answer the agent sends on one transport for a fixed delay plus, when jitter is
// given, a uniformly random extra per answer, the way a slow or distant device answers. The
// agent library hands an answer to the transport's send function; that function is replaced by
// one that queues a copy of the datagram and its destination, and the agent's loop sends what
// is due (no thread, no timer per answer). Requests are taken at once, so a manager's
// retransmission still meets an agent that has already answered, as on a real network. With
// jitter, answers may leave in another order than their requests came; without it they leave
// in order.
class SimAnswerDelay {
public:
    using Clock = std::chrono::steady_clock;

    SimAnswerDelay(int delayMs, int jitterMs);
    ~SimAnswerDelay();

    SimAnswerDelay(const SimAnswerDelay&) = delete;
    SimAnswerDelay& operator=(const SimAnswerDelay&) = delete;

    // Takes over the send function of the transport (one transport per process).
    void Install(netsnmp_transport_s* transport);
    // Forgets the transport and drops the answers not yet sent (before the library closes it).
    void Release();
    // When the next held answer is due; Clock::time_point::max() when none is held.
    Clock::time_point NextDue() const;
    // Sends every held answer whose time has come.
    void SendDue();

private:
    struct Answer {
        Clock::time_point due;
        uint64_t sequence = 0; // answers due at the same moment leave in the order they came
        std::vector<unsigned char> datagram;
        std::vector<unsigned char> address; // the transport's opaque destination record
    };
    struct Later {
        bool operator()(const Answer& a, const Answer& b) const {
            return a.due != b.due ? a.due > b.due : a.sequence > b.sequence;
        }
    };

    static int Send(netsnmp_transport_s* transport, const void* data, int length, void** opaque,
                    int* opaqueLength);
    int Hold(const void* data, int length, void* const* opaque, const int* opaqueLength);

    std::chrono::milliseconds delay_;
    int jitterMs_;
    std::mt19937 random_;
    netsnmp_transport_s* transport_ = nullptr;
    int (*send_)(netsnmp_transport_s*, const void*, int, void**, int*) = nullptr;
    std::priority_queue<Answer, std::vector<Answer>, Later> held_;
    uint64_t sequence_ = 0;
};
