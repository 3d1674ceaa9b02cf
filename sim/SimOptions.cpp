#include "SimOptions.h"

#include <charconv>
#include <filesystem>
#include <stdexcept>

namespace {

int Number(const std::string& option, const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw std::invalid_argument(option + " needs a whole number from " + std::to_string(low) +
                                    " to " + std::to_string(high) + ", not \"" + text + "\"");
    return value;
}

} // namespace

SimOptions SimOptions::Parse(const std::vector<std::string>& args) {
    SimOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw std::invalid_argument(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--port")
            options.port = Number(arg, value(), 1, 65535);
        else if (arg == "--data")
            options.dataPath = value();
        else if (arg == "--rows")
            options.rows = Number(arg, value(), 0, 1000000);
        else if (arg == "--reboot-seconds")
            options.rebootSeconds = Number(arg, value(), 0, 3600);
        else if (arg == "--delay-ms")
            options.delayMs = Number(arg, value(), 0, 600000);
        else if (arg == "--jitter-ms")
            options.jitterMs = Number(arg, value(), 0, 600000);
        else if (arg == "--max-message")
            options.maxMessage = Number(arg, value(), 484, 65507);
        else if (arg == "--bulk-error")
            options.bulkError = true;
        else if (arg == "--poe")
            options.poe = true;
        else if (arg == "--verbose")
            options.verbose = true;
        else if (arg == "--help" || arg == "-h")
            options.help = true;
        else
            throw std::invalid_argument("unknown option \"" + arg + "\"");
    }
    return options;
}

std::string SimOptions::Usage() {
    return "usage: ksw-sim [--port N] [--data FILE] [--poe] [--rows N] [--reboot-seconds N]\n"
           "               [--delay-ms N [--jitter-ms M]] [--max-message N]\n"
           "               [--bulk-error] [--verbose]\n"
           "\n"
           "The simulated KSW-524P switch: an SNMP agent on udp:127.0.0.1:N.\n"
           "  --port N            UDP port on 127.0.0.1 (default 1161)\n"
           "  --data FILE         snmprec data file of the vendor objects (default "
           "ksw524p.snmprec\n"
           "                      beside the program, else the project's "
           "sim/data/ksw524p.snmprec)\n"
           "  --poe               front panel in PoE display mode (LED mode 2)\n"
           "  --rows N            serve a generated table of N rows at 1.3.6.1.4.1.32473.99.1.1\n"
           "  --reboot-seconds N  after a Reboot command stay silent N seconds (default 3)\n"
           "  --delay-ms N        send every answer N milliseconds late, a slow or distant\n"
           "                      device (default 0); requests are taken at once\n"
           "  --jitter-ms M       add a random 0..M milliseconds to each answer's delay; answers\n"
           "                      may then leave in another order than their requests came\n"
           "  --max-message N     largest message it sends or takes, in octets (484 to 65507):\n"
           "                      a device with small buffers; bulk answers are cut to fit\n"
           "  --bulk-error        an agent that mishandles GETBULK: each SNMPv2c GETBULK is\n"
           "                      answered with the error noAccess\n"
           "  --verbose           log every request on standard error\n"
           "  --help              this text\n"
           "\n"
           "Communities: readcm and public (read), writecm and private (read-write).\n"
           "SNMPv3 users: noAuthUser; MD5_User md5userpass; MD5_DES_User md5despass1/md5despriv1;\n"
           "SHA_User shauserpass; SHA_DES_User shadespass1/shadespriv1;\n"
           "SHA224_User (SHA-224) sha224userpass;\n"
           "SHA256_AES_User (SHA-256, AES) sha256aespass/sha256aespriv;\n"
           "SHA384_AES192_User (SHA-384, AES-192) sha384aes192pass/sha384aes192priv;\n"
           "SHA512_AES256_User (SHA-512, AES-256) sha512aes256pass/sha512aes256priv.\n";
}

std::string SimOptions::DefaultDataPath(const std::string& programPath) {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::canonical("/proc/self/exe", error);
    const std::filesystem::path beside =
        (error ? std::filesystem::path(programPath) : program).parent_path() / "ksw524p.snmprec";
    if (std::filesystem::is_regular_file(beside, error))
        return beside.string();
    return KSW_SIM_DATA;
}
