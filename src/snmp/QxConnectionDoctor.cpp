#include "snmp/QxConnectionDoctor.h"

#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "snmp/NetSnmpStatus.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/UISnmpVar.h"

#include <exception>
#include <initializer_list>

namespace {

constexpr const char* SysDescr = "1.3.6.1.2.1.1.1";
constexpr const char* SysUpTime = "1.3.6.1.2.1.1.3";

struct Attempt {
    int code = 0; // 0: the device answered
    std::string text;
    std::string description;
    std::string upTime;
};

// A get of sysDescr.0 and sysUpTime.0 with one try.
Attempt Ask(const QxConnectionDoctor::Settings& s, int timeout) {
    Attempt a;
    QxSNMPRequest request;
    request.device = s.device;
    request.scope = s.scope;
    request.security = s.security;
    request.timeout = timeout;
    request.retries = 0;
    request.vars.AppendRow(SysDescr, "", sxDisplaystr, acReadonly, nullptr);
    request.vars.AppendRow(SysUpTime, "", sxTimeticks, acReadonly, nullptr);
    try {
        request.Fetch(true);
        a.description = request.vars.Entry(0).value;
        a.upTime = request.vars.Entry(1).value;
    } catch (const QxError& e) {
        a.code = e.Code();
        a.text = e.Text();
    } catch (const std::exception& e) {
        a.code = QxMessages::FrameworkCode(28);
        a.text = e.what();
    }
    return a;
}

std::string VersionName(int version) {
    switch (version) {
    case 0:
        return "SNMPv1";
    case 1:
        return "SNMPv2c";
    case 3:
        return "SNMPv3";
    default:
        return "SNMP version code " + std::to_string(version);
    }
}

std::string Where(const QxConnectionDoctor::Settings& s) {
    return s.device.address + " port " + std::to_string(s.device.port);
}

int Code(int status) {
    return QxMessages::MapStatus(status).code;
}

bool IsOneOf(int code, std::initializer_list<int> statuses) {
    for (int status : statuses) {
        if (code == Code(status)) {
            return true;
        }
    }
    return false;
}

// Agent error statuses mean the device answered: it is there and took our credentials.
bool IsAgentError(int code) {
    return code <= -101 && code >= -118;
}

} // namespace

QxConnectionDoctor::Result QxConnectionDoctor::Diagnose(const Settings& s, int code,
                                                        const std::string& errorText,
                                                        bool answersV2c) {
    Result r;
    r.answersV2c = answersV2c;
    const bool v3 = s.security.version == 3;
    const std::string version = VersionName(s.security.version);
    const std::string user = "\"" + s.security.securityName + "\"";
    if (code == Code(NetSnmpStatus::TimedOut)) {
        r.verdict = Verdict::NoAnswer;
        if (answersV2c && v3) {
            r.text = "The device at " + Where(s) +
                     " answers SNMPv2c, but no answer came over SNMPv3 with these settings.\n"
                     "Possible causes: a wrong privacy pass phrase or privacy protocol, or the "
                     "device does not serve SNMPv3.";
        } else if (answersV2c) {
            r.text = "The device at " + Where(s) +
                     " answers SNMPv2c with the read community, "
                     "but not " +
                     version + ".\nPossible cause: the device does not serve " + version +
                     "; choose SNMPv2c.";
        } else if (v3) {
            r.text = "No answer from " + Where(s) +
                     ", neither over SNMPv2c with the read community nor over SNMPv3.\n"
                     "Possible causes: a wrong address or port, the device is off or cannot "
                     "be reached, or a wrong privacy pass phrase.";
        } else {
            r.text = "No answer from " + Where(s) + " over " + version +
                     ".\nPossible causes: a wrong address or port, the device is off or cannot "
                     "be reached, or a wrong read community (\"" +
                     s.security.readCommunity + "\").";
        }
        return r;
    }
    if (IsAgentError(code)) {
        // The device answered with an error of its own: it is reachable and accepts us, but
        // not this request.
        r.verdict = Verdict::Refused;
        r.text = "The device at " + Where(s) + " answers " + version +
                 ", but refused to read sysDescr and sysUpTime: " + errorText;
        return r;
    }
    if (IsOneOf(code, {-1412 /* v3MP unknown user name */, 1404 /* USM unknown security name */})) {
        r.verdict = Verdict::UnknownUser;
        r.text = "The device does not know the user name " + user + ".";
        return r;
    }
    if (IsOneOf(code, {NetSnmpStatus::AuthenticationError, 1408 /* authentication failure */})) {
        r.verdict = Verdict::WrongAuthentication;
        r.text = "The device refused the authentication of user " + user +
                 ": a wrong authentication pass phrase or authentication protocol.";
        return r;
    }
    if (IsOneOf(code, {-1403 /* v3MP not in time window */, 1411 /* USM not in time window */})) {
        r.verdict = Verdict::NotInTimeWindow;
        r.text = "The request was not in the device's time window (its SNMP engine restarted "
                 "or its clock moved); testing again usually succeeds.";
        return r;
    }
    if (IsOneOf(code,
                {NetSnmpStatus::UnsupportedSecurityModel, NetSnmpStatus::UnsupportedSecurityLevel,
                 NetSnmpStatus::UnsupportedAuthProtocol, NetSnmpStatus::UnsupportedPrivProtocol})) {
        r.verdict = Verdict::Unsupported;
        std::string hint;
        if (code == Code(NetSnmpStatus::UnsupportedSecurityModel)) {
            hint = "\nSNMPv3 needs the security model 3 (USM): /m3 on the command line.";
        } else if (code == Code(NetSnmpStatus::UnsupportedSecurityLevel)) {
            hint = "\nThe user " + user + " is not set up on the device for this security level.";
        }
        r.text = "Unsupported protocol: " + errorText + hint;
        return r;
    }
    r.verdict = Verdict::Refused;
    r.text = "The test over " + version + " failed: " + errorText;
    return r;
}

QxConnectionDoctor::Result QxConnectionDoctor::Check(const Settings& settings, int timeout) {
    // Can the device be reached at all? SNMPv2c with the read community is what nearly every
    // agent answers.
    Settings probe = settings;
    probe.security.version = 1;
    const Attempt reach = Ask(probe, timeout);
    const bool answersV2c = reach.code == 0 || IsAgentError(reach.code);
    const Attempt chosen = settings.security.version == 1 ? reach : Ask(settings, timeout);
    if (chosen.code != 0) {
        return Diagnose(settings, chosen.code, chosen.text, answersV2c);
    }
    Result r;
    r.answersV2c = answersV2c;
    r.verdict = Verdict::Answers;
    r.description = chosen.description;
    r.upTime = chosen.upTime;
    r.text = "The device at " + Where(settings) + " answers " +
             VersionName(settings.security.version) + ".\nDescription: " + chosen.description +
             "\nUp time: " + chosen.upTime;
    return r;
}
