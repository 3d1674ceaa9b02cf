#pragma once

#include <cstdint>
#include <string>

// The outcome of an asynchronous exchange, handed to the request's owner.
struct QxSNMPError {
    int code = 0; // program error code; 0 for success
    int errorIndex = 0;
    std::string text;
    std::string agentAddress;
    std::uint16_t agentPort = 0;
    bool done = false; // no further step follows
};
