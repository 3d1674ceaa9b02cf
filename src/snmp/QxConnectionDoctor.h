#pragma once

#include "snmp/QxSNMPParams.h"

#include <string>
#include <vector>

// Tries a set of connection settings against the device at once and says in plain words what
// works or what is wrong: the "Test" of the settings dialog and `--check` of the command line.
//
// It first asks the device over SNMPv2c with the read community (can the device be reached at
// all?), then with the chosen version and credentials, each a get of sysDescr.0 and
// sysUpTime.0 with one short try, so that the whole check ends within a few seconds.
class QxConnectionDoctor {
public:
    struct Settings {
        QxSNMPDevice device;
        QxSNMPScope scope;
        QxSNMPSecurity security;
    };

    enum class Verdict {
        Answers,             // the chosen settings work
        NoAnswer,            // nothing came back (address, port, community, privacy ...)
        UnknownUser,         // the device does not know the SNMPv3 user name
        WrongAuthentication, // the authentication pass phrase (or protocol) is wrong
        Unsupported,         // a protocol, level or model the device or this module lacks
        NotInTimeWindow,     // the device's clock for our engine is elsewhere
        Refused,             // any other error the device or the engine reported
    };

    struct Result {
        Verdict verdict = Verdict::NoAnswer;
        // The plain-words verdict: one or more lines.
        std::string text;
        // On success: the device's sysDescr.0 and its sysUpTime.0 as text.
        std::string description;
        std::string upTime;
        // Whether the SNMPv2c check with the read community got an answer.
        bool answersV2c = false;
        bool Answers() const { return verdict == Verdict::Answers; }
    };

    // One try per exchange, each waiting at most `timeout` hundredths of a second.
    static Result Check(const Settings& settings, int timeout = 100);

    // The verdict of a failed get with the chosen settings: the program error code and text.
    // `answersV2c`: whether the SNMPv2c check answered.
    static Result Diagnose(const Settings& settings, int code, const std::string& errorText,
                           bool answersV2c);
};
