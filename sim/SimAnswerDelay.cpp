#include "SimAnswerDelay.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

namespace {

// The transport's send function holds no pointer to its owner; the simulator has one agent
// transport per process.
SimAnswerDelay* installed = nullptr;

} // namespace

SimAnswerDelay::SimAnswerDelay(int delayMs, int jitterMs)
    : delay_(delayMs), jitterMs_(jitterMs), random_(std::random_device{}()) {}

SimAnswerDelay::~SimAnswerDelay() {
    Release();
}

void SimAnswerDelay::Install(netsnmp_transport_s* transport) {
    Release();
    transport_ = transport;
    send_ = transport->f_send;
    transport->f_send = &SimAnswerDelay::Send;
    installed = this;
}

void SimAnswerDelay::Release() {
    if (transport_ != nullptr) {
        transport_->f_send = send_;
        transport_ = nullptr;
        send_ = nullptr;
    }
    if (installed == this)
        installed = nullptr;
    held_ = {};
}

SimAnswerDelay::Clock::time_point SimAnswerDelay::NextDue() const {
    return held_.empty() ? Clock::time_point::max() : held_.top().due;
}

void SimAnswerDelay::SendDue() {
    const Clock::time_point now = Clock::now();
    while (!held_.empty() && held_.top().due <= now) {
        Answer answer = held_.top();
        held_.pop();
        if (transport_ == nullptr || send_ == nullptr)
            continue;
        void* address = answer.address.empty() ? nullptr : answer.address.data();
        int addressLength = static_cast<int>(answer.address.size());
        // A failed send is lost like a datagram on the wire; the manager retries.
        send_(transport_, answer.datagram.data(), static_cast<int>(answer.datagram.size()),
              &address, &addressLength);
    }
}

int SimAnswerDelay::Send(netsnmp_transport_s* transport, const void* data, int length,
                         void** opaque, int* opaqueLength) {
    if (installed == nullptr || installed->transport_ != transport)
        return -1;
    return installed->Hold(data, length, opaque, opaqueLength);
}

int SimAnswerDelay::Hold(const void* data, int length, void* const* opaque,
                         const int* opaqueLength) {
    if (data == nullptr || length < 0)
        return -1;
    Answer answer;
    auto extra = std::chrono::milliseconds(0);
    if (jitterMs_ > 0)
        extra =
            std::chrono::milliseconds(std::uniform_int_distribution<int>(0, jitterMs_)(random_));
    answer.due = Clock::now() + delay_ + extra;
    answer.sequence = sequence_++;
    const auto* bytes = static_cast<const unsigned char*>(data);
    answer.datagram.assign(bytes, bytes + length);
    if (opaque != nullptr && *opaque != nullptr && opaqueLength != nullptr && *opaqueLength > 0) {
        const auto* record = static_cast<const unsigned char*>(*opaque);
        answer.address.assign(record, record + *opaqueLength);
    }
    held_.push(std::move(answer));
    return length;
}
