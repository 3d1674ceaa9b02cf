#pragma once

#include <chrono>
#include <functional>

// The application object and the global SNMP session that the integration tests of this layer
// share; both are created once for the whole test program.
void EnsureSnmpSession();

// Processes window events (and so the event pump) until the condition holds or the limit
// passes; returns the condition.
bool PumpUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = std::chrono::seconds(10));
