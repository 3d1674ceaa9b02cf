#include "vocab/QxOptionTables.h"

#include <cstring>

namespace {

constexpr OptionPair Pairs_2disabled_3enabled[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionPair Pairs_1active_4createAndGo_6destroy[] = {
    {1, "active"},
    {4, "createAndGo"},
    {6, "destroy"},
    {},
};
constexpr OptionPair Pairs_1enabled_2disabled[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionPair Pairs_1true_2false[] = {{1, "true"}, {2, "false"}, {}};
constexpr OptionPair Pairs_2volatile_3nonVolatile_4permanent_5readOnly[] = {
    {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"}, {},
};
constexpr OptionPair Pairs_1enable_2disable[] = {{1, "enable"}, {2, "disable"}, {}};
constexpr OptionPair Pairs_1any_2acl_3ipbind_4other[] = {
    {1, "any"}, {2, "acl"}, {3, "ipbind"}, {4, "other"}, {},
};
constexpr OptionPair Pairs_1tacacs_2xtacacs_3tacacsplus_x6[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "none"}, {6, ""}, {},
};
constexpr OptionPair Pairs_1other_2disabled_3enabled[] = {
    {1, "other"},
    {2, "disabled"},
    {3, "enabled"},
    {},
};
constexpr OptionPair Pairs_1none_2start[] = {{1, "none"}, {2, "start"}, {}};
constexpr OptionPair Pairs_1active_2notInService_3notReady_x6[] = {
    {1, "active"},
    {2, "notInService"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionPair Pairs_1active_2notInService_4createAndGo_6destroy[] = {
    {1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {6, "destroy"}, {},
};
constexpr OptionPair Pairs_1none_2icmp_3igmp_x6[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {},
};
constexpr OptionPair Pairs_1other_2dstaddr_3srcaddr_4dstsrcaddr[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {},
};
constexpr OptionPair Pairs_1deny_2permit_3mirror[] = {
    {1, "deny"},
    {2, "permit"},
    {3, "mirror"},
    {},
};
constexpr OptionPair Pairs_1other_2start[] = {{1, "other"}, {2, "start"}, {}};
constexpr OptionPair Pairs_1disabled_2enabled[] = {{1, "disabled"}, {2, "enabled"}, {}};
constexpr OptionPair Pairs_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_6local_8none_9empty[] =
    {
        {1, "tacacs"},
        {2, "xtacacs"},
        {3, "tacacs-plus"},
        {4, "radius"},
        {5, "server-group"},
        {6, "local"},
        {8, "none"},
        {9, ""},
        {},
};
constexpr OptionPair
    Pairs_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_7localenable_8none_9empty[] = {
        {1, "tacacs"},
        {2, "xtacacs"},
        {3, "tacacs-plus"},
        {4, "radius"},
        {5, "server-group"},
        {7, "local-enable"},
        {8, "none"},
        {9, ""},
        {},
};
constexpr OptionPair Pairs_1deny_2permit[] = {{1, "deny"}, {2, "permit"}, {}};
constexpr OptionPair Pairs_1other_2disable_3enable[] = {
    {1, "other"},
    {2, "disable"},
    {3, "enable"},
    {},
};
constexpr OptionPair Pairs_2enable_3disable[] = {{2, "enable"}, {3, "disable"}, {}};
constexpr OptionPair Pairs_2invalid_3valid[] = {{2, "invalid"}, {3, "valid"}, {}};
constexpr OptionPair Pairs_1active_2notInService[] = {{1, "active"}, {2, "notInService"}, {}};
constexpr OptionPair Pairs_0stp_1rstp_2mstp[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {}};
constexpr OptionPair Pairs_1other_2dstmacaddr_3srcmacaddr_4dstsrcmacaddr[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {},
};
constexpr OptionPair Pairs_1other_2dstipaddr_3srcipaddr_4dstsrcipaddr[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {},
};
constexpr OptionPair Pairs_1none_2type_3code_4typecode[] = {
    {1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {},
};
constexpr OptionPair Pairs_0critical_1warning_2information[] = {
    {0, "critical"},
    {1, "warning"},
    {2, "information"},
    {},
};
constexpr OptionPair Pairs_1initialize_2disconnected_3connecting_x9[] = {
    {1, "initialize"},    {2, "disconnected"},
    {3, "connecting"},    {4, "authenticating"},
    {5, "authenticated"}, {6, "aborting"},
    {7, "held"},          {8, "forceAuth"},
    {9, "forceUnauth"},   {},
};
constexpr OptionPair Pairs_1request_2response_3success_x7[] = {
    {1, "request"}, {2, "response"}, {3, "success"},    {4, "fail"},
    {5, "timeout"}, {6, "idle"},     {7, "initialize"}, {},
};
constexpr OptionPair Pairs_0both_1in[] = {{0, "both"}, {1, "in"}, {}};
constexpr OptionPair Pairs_1authorized_2unauthorized[] = {
    {1, "authorized"},
    {2, "unauthorized"},
    {},
};
constexpr OptionPair Pairs_1remoteAuthServer_2localAuthServer[] = {
    {1, "remoteAuthServer"},
    {2, "localAuthServer"},
    {},
};
constexpr OptionPair Pairs_1supplicantLogoff_2portFailure_3supplicantRestart_x8[] = {
    {1, "supplicantLogoff"},
    {2, "portFailure"},
    {3, "supplicantRestart"},
    {4, "reauthFailed"},
    {5, "authControlForceUnauth"},
    {6, "portReInit"},
    {7, "portAdminDisabled"},
    {999, "notTerminatedYet"},
    {},
};
constexpr OptionPair Pairs_1local_2radius[] = {{1, "local"}, {2, "radius"}, {}};
constexpr OptionPair Pairs_1lowVoltage_2overCurrent_3working_x6[] = {
    {1, "lowVoltage"},
    {2, "overCurrent"},
    {3, "working"},
    {4, "fail"},
    {5, "connect"},
    {6, "disconnect"},
    {},
};
constexpr OptionPair Pairs_1portStatusMode_2poeStatusMode[] = {
    {1, "portStatusMode"},
    {2, "poeStatusMode"},
    {},
};
constexpr OptionPair Pairs_1included_2excluded[] = {{1, "included"}, {2, "excluded"}, {}};
constexpr OptionPair Pairs_1noAuthNoPriv_2authNoPriv_3authPriv[] = {
    {1, "noAuthNoPriv"},
    {2, "authNoPriv"},
    {3, "authPriv"},
    {},
};
constexpr OptionPair Pairs_1tacacs_2xtacacs_3tacacsplus_4radius[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {},
};
constexpr OptionPair Pairs_2auto_3standalone[] = {{2, "auto"}, {3, "stand-alone"}, {}};
constexpr OptionPair Pairs_0true_1false_2auto[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {}};
constexpr OptionPair Pairs_2enabled_3disabled[] = {{2, "enabled"}, {3, "disabled"}, {}};
constexpr OptionPair Pairs_2enablestrict_3disable_4enableloose[] = {
    {2, "enable-strict"},
    {3, "disable"},
    {4, "enable-loose"},
    {},
};
constexpr OptionPair Pairs_1inactive_2active[] = {{1, "inactive"}, {2, "active"}, {}};
constexpr OptionPair Pairs_1up_2down[] = {{1, "up"}, {2, "down"}, {}};
constexpr OptionPair Pairs_0none_1simple_2MD5[] = {{0, "none"}, {1, "simple"}, {2, "MD5"}, {}};
constexpr OptionPair Pairs_1copper_2fiber[] = {{1, "copper"}, {2, "fiber"}, {}};
constexpr OptionPair Pairs_0system_1server1_2server2[] = {
    {0, "system"},
    {1, "server1"},
    {2, "server2"},
    {},
};
constexpr OptionPair Pairs_0disable_1repeating_2annual[] = {
    {0, "disable"},
    {1, "repeating"},
    {2, "annual"},
    {},
};
constexpr OptionPair Pairs_1other_2dstipv6addr_3srcipv6addr_4dstsrcipv6addr[] = {
    {1, "other"}, {2, "dst-ipv6-addr"}, {3, "src-ipv6-addr"}, {4, "dst-src-ipv6-addr"}, {},
};
constexpr OptionPair Pairs_1other_2droppacket_3setdropprecedence[] = {
    {1, "other"},
    {2, "drop-packet"},
    {3, "set-drop-precedence"},
    {},
};
constexpr OptionPair Pairs_2standard_3proprietary_4experiment[] = {
    {2, "standard"},
    {3, "proprietary"},
    {4, "experiment"},
    {},
};
constexpr OptionPair Pairs_1other_2snmpip_3snmpipx_4snmpipipx[] = {
    {1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}, {},
};
constexpr OptionPair Pairs_1other_2inuse_3notinuse[] = {
    {1, "other"},
    {2, "in-use"},
    {3, "not-in-use"},
    {},
};
constexpr OptionPair Pairs_1other_2proceeding_3completed_4failed[] = {
    {1, "other"}, {2, "proceeding"}, {3, "completed"}, {4, "failed"}, {},
};
constexpr OptionPair Pairs_1other_2inprocess_3invalidfile_x10[] = {
    {1, "other"},
    {2, "in-process"},
    {3, "invalid-file"},
    {4, "violation"},
    {5, "file-not-found"},
    {6, "disk-full"},
    {7, "complete"},
    {8, "time-out"},
    {9, "not-format"},
    {10, "memory-full"},
    {},
};
constexpr OptionPair Pairs_1proceeding_2completed_3failed[] = {
    {1, "proceeding"},
    {2, "completed"},
    {3, "failed"},
    {},
};
constexpr OptionPair Pairs_2networkload_3outofbandload[] = {
    {2, "network-load"},
    {3, "out-of-band-load"},
    {},
};
constexpr OptionPair Pairs_2upload_3download[] = {{2, "upload"}, {3, "download"}, {}};
constexpr OptionPair Pairs_2inactive_3start_4delete_5configasbootupfw[] = {
    {2, "inactive"}, {3, "start"}, {4, "delete"}, {5, "config-as-bootup-fw"}, {},
};
constexpr OptionPair Pairs_3warmstart_4noreset[] = {{3, "warm-start"}, {4, "no-reset"}, {}};
constexpr OptionPair Pairs_2console[] = {{2, "console"}, {}};
constexpr OptionPair Pairs_2disabled_3bootp_4dhcp[] = {
    {2, "disabled"},
    {3, "bootp"},
    {4, "dhcp"},
    {},
};
constexpr OptionPair Pairs_1normal_2exhausted[] = {{1, "normal"}, {2, "exhausted"}, {}};
constexpr OptionPair Pairs_1none_2config_3system_4reset[] = {
    {1, "none"}, {2, "config"}, {3, "system"}, {4, "reset"}, {},
};
constexpr OptionPair Pairs_1forceUnauthorized_2auto_3forceAuthorized[] = {
    {1, "forceUnauthorized"},
    {2, "auto"},
    {3, "forceAuthorized"},
    {},
};
constexpr OptionPair Pairs_1unauth_2authenticating_3authenticated[] = {
    {1, "unauth"},
    {2, "authenticating"},
    {3, "authenticated"},
    {},
};
constexpr OptionPair Pairs_1unconnected_2connecting_3authenticating_x5[] = {
    {1, "unconnected"},   {2, "connecting"}, {3, "authenticating"},
    {4, "authenticated"}, {5, "failure"},    {},
};
constexpr OptionPair Pairs_2inuse_3notinuse[] = {{2, "in-use"}, {3, "not-in-use"}, {}};
constexpr OptionPair Pairs_1normal_2active[] = {{1, "normal"}, {2, "active"}, {}};
constexpr OptionPair Pairs_0none_1moduleTypeCOMBO_2moduleType1394_x27[] = {
    {0, "none"},
    {1, "moduleType-COMBO"},
    {2, "moduleType-1394"},
    {3, "moduleType-1000T"},
    {4, "moduleType-MGBIC"},
    {5, "moduleType-1P-SC-SX"},
    {6, "moduleType-2P-SC-SX"},
    {7, "moduleType-1P-SC-LX"},
    {8, "moduleType-2P-SC-LX"},
    {9, "moduleType-1P-TX"},
    {10, "moduleType-2P-TX"},
    {11, "moduleType-1P-MTRJ-SX"},
    {12, "moduleType-2P-MTRJ-SX"},
    {13, "moduleType-1P-MTRJ-LX"},
    {14, "moduleType-2P-MTRJ-LX"},
    {15, "moduleType-1P-GBIC"},
    {16, "moduleType-2P-GBIC"},
    {17, "moduleType-1P-GBIC-1P-TX"},
    {18, "moduleType-1P-GBIC-1P-STACK"},
    {19, "moduleType-2P-STACK"},
    {20, "moduleType-2P-100FX"},
    {21, "moduleType-1P-100FX"},
    {22, "moduleType-2P-100FX-NEW"},
    {23, "moduleType-1P-100FL"},
    {24, "moduleType-2P-100FL"},
    {25, "moduleType-2P-100TX"},
    {26, "moduleType-BaseModule-24PORT"},
    {},
};
constexpr OptionPair Pairs_1other_2linkpass_3linkfail[] = {
    {1, "other"},
    {2, "link-pass"},
    {3, "link-fail"},
    {},
};
constexpr OptionPair Pairs_0none_1storm_2lbd_3unknow[] = {
    {0, "none"}, {1, "storm"}, {2, "lbd"}, {3, "unknow"}, {},
};
constexpr OptionPair
    Pairs_1forwardallgroups_2forwardunregisteredgroups_3filterunregisteredgroups[] = {
        {1, "forward-all-groups"},
        {2, "forward-unregistered-groups"},
        {3, "filter-unregistered-groups"},
        {},
};
constexpr OptionPair Pairs_2macsource_3macdestination_4macsourcedest_x6[] = {
    {2, "mac-source"},
    {3, "mac-destination"},
    {4, "mac-source-dest"},
    {5, "ip-source"},
    {6, "ip-destination"},
    {7, "ip-source-dest"},
    {},
};
constexpr OptionPair Pairs_2static_3lacp[] = {{2, "static"}, {3, "lacp"}, {}};
constexpr OptionPair Pairs_2querier_3nonquerier[] = {{2, "querier"}, {3, "non-querier"}, {}};
constexpr OptionPair Pairs_2disable_3enable[] = {{2, "disable"}, {3, "enable"}, {}};
constexpr OptionPair Pairs_2permanent_3deleteOnTimeout_4deleteOnReset[] = {
    {2, "permanent"},
    {3, "deleteOnTimeout"},
    {4, "deleteOnReset"},
    {},
};
constexpr OptionPair Pairs_1none_2permit_3deny[] = {{1, "none"}, {2, "permit"}, {3, "deny"}, {}};
constexpr OptionPair Pairs_2blockByAddrBind_3delete[] = {{2, "blockByAddrBind"}, {3, "delete"}, {}};
constexpr OptionPair Pairs_1replace_2drop_3keep[] = {{1, "replace"}, {2, "drop"}, {3, "keep"}, {}};
constexpr OptionPair Pairs_1include_2exclude[] = {{1, "include"}, {2, "exclude"}, {}};
constexpr OptionPair Pairs_1none_2stormOccurred_3stormCleared_4both[] = {
    {1, "none"}, {2, "stormOccurred"}, {3, "stormCleared"}, {4, "both"}, {},
};
constexpr OptionPair Pairs_1shutdown_2drop[] = {{1, "shutdown"}, {2, "drop"}, {}};
constexpr OptionPair Pairs_1yes_2no[] = {{1, "yes"}, {2, "no"}, {}};
constexpr OptionPair Pairs_1trap_2inform[] = {{1, "trap"}, {2, "inform"}, {}};
constexpr OptionPair Pairs_tNone_tMD5_tSHA[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"},
    {"1.3.6.1.6.3.10.1.1.2", "MD5"},
    {"1.3.6.1.6.3.10.1.1.3", "SHA"},
    {},
};
constexpr OptionPair Pairs_tNone_tDES[] = {
    {"1.3.6.1.6.3.10.1.2.1", "None"},
    {"1.3.6.1.6.3.10.1.2.2", "DES"},
    {},
};
constexpr OptionPair Pairs_1exact_2prefix[] = {{1, "exact"}, {2, "prefix"}, {}};
constexpr OptionPair Pairs_1add_2delete[] = {{1, "add"}, {2, "delete"}, {}};
constexpr OptionPair Pairs_0local0_1local1_2local2_x8[] = {
    {0, "local0"}, {1, "local1"}, {2, "local2"},
    {3, "local3"}, {4, "local4"}, {5, "local5"},
    {6, "local6"}, {7, "local7"}, {},
};
constexpr OptionPair Pairs_1all_2warning_3informational[] = {
    {1, "all"},
    {2, "warning"},
    {3, "informational"},
    {},
};
constexpr OptionPair Pairs_1authProtocolRadiusEap_2authProtocolRadiusPap[] = {
    {1, "authProtocolRadiusEap"},
    {2, "authProtocolRadiusPap"},
    {},
};
constexpr OptionPair Pairs_1portBase_2macBase_3none[] = {
    {1, "portBase"},
    {2, "macBase"},
    {3, "none"},
    {},
};
constexpr OptionPair
    Pairs_1swRadiusServerIndexfirst_2swRadiusServerIndexsecond_3swRadiusServerIndexthird[] = {
        {1, "swRadiusServerIndex-first"},
        {2, "swRadiusServerIndex-second"},
        {3, "swRadiusServerIndex-third"},
        {},
};
constexpr OptionPair
    Pairs_1acctServiceIndexnetwork_2acctServiceIndexexec_3acctServiceIndexsystem[] = {
        {1, "acctServiceIndex-network"},
        {2, "acctServiceIndex-exec"},
        {3, "acctServiceIndex-system"},
        {},
};
constexpr OptionPair Pairs_1swRadiusAcctServiceMethodNone_2swRadiusAcctServiceMethodRadius[] = {
    {1, "swRadiusAcctServiceMethodNone"},
    {2, "swRadiusAcctServiceMethodRadius"},
    {},
};
constexpr OptionPair
    Pairs_1radiusAcctServiceModeNone_2radiusAcctServiceModeStartStop_3radiusAcctServiceModeStopOnly
        [] = {
            {1, "radiusAcctServiceModeNone"},
            {2, "radiusAcctServiceModeStartStop"},
            {3, "radiusAcctServiceModeStopOnly"},
            {},
};
constexpr OptionPair Pairs_tRedundantPower[] = {{"40", "Redundant Power"}, {}};
constexpr OptionPair Pairs_0other_1working_2fail[] = {
    {0, "other"},
    {1, "working"},
    {2, "fail"},
    {},
};
constexpr OptionPair Pairs_1cs_2cas_3ms[] = {{1, "cs"}, {2, "cas"}, {3, "ms"}, {}};
constexpr OptionPair Pairs_2inactive_3start_4delete[] = {
    {2, "inactive"},
    {3, "start"},
    {4, "delete"},
    {},
};
constexpr OptionPair Pairs_1none_2rsa_3dsa[] = {{1, "none"}, {2, "rsa"}, {3, "dsa"}, {}};
constexpr OptionPair Pairs_0cist_1msti[] = {{0, "cist"}, {1, "msti"}, {}};
constexpr OptionPair Pairs_2disabled_3discarding_4learning_x7[] = {
    {2, "disabled"}, {3, "discarding"},     {4, "learning"},     {5, "forwarding"},
    {6, "broken"},   {7, "no-stp-enabled"}, {8, "err-disabled"}, {},
};
constexpr OptionPair Pairs_0disable_1alternate_2backup_x8[] = {
    {0, "disable"}, {1, "alternate"}, {2, "backup"},   {3, "root"}, {4, "designated"},
    {5, "master"},  {6, "nonstp"},    {7, "loopback"}, {},
};
constexpr OptionPair Pairs_0never_10tenmin_30thirtymin_60sixtymin[] = {
    {0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {},
};
constexpr OptionPair Pairs_2disabled_1enabled[] = {{2, "disabled"}, {1, "enabled"}, {}};
constexpr OptionPair Pairs_2false[] = {{2, "false"}, {}};
constexpr OptionPair Pairs_2false_1true[] = {{2, "false"}, {1, "true"}, {}};
constexpr OptionPair Pairs_1ARP_2ACL_3Auto[] = {{1, "ARP"}, {2, "ACL"}, {3, "Auto"}, {}};
constexpr OptionPair Pairs_1other_2blockByAddrBind_3delete[] = {
    {1, "other"},
    {2, "blockByAddrBind"},
    {3, "delete"},
    {},
};
constexpr OptionPair Pairs_1up_2down_3testing[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {}};
constexpr OptionPair Pairs_ifTypeGigabitL2Vlan[] = {
    {2, "regular1822"},
    {3, "hdh1822"},
    {4, "ddn-x25"},
    {5, "rfc877-x25"},
    {6, "ethernet-csmacd"},
    {7, "iso88023-csmacd"},
    {8, "iso88024-tokenBus"},
    {9, "iso88025-tokenRing"},
    {10, "iso88026-man"},
    {11, "starLan"},
    {12, "proteon-10Mbit"},
    {13, "proteon-80Mbit"},
    {14, "hyperchannel"},
    {15, "fddi"},
    {16, "lapb"},
    {17, "sdlc"},
    {18, "ds1"},
    {19, "e1"},
    {20, "basicISDN"},
    {21, "primaryISDN"},
    {22, "propPointToPointSerial"},
    {23, "ppp"},
    {24, "softwareLoopback"},
    {25, "eon"},
    {26, "ethernet-3Mbit"},
    {27, "nsip"},
    {28, "slip"},
    {29, "ultra"},
    {30, "ds3"},
    {31, "sip"},
    {32, "frame-relay"},
    {117, "gigabitEthernet"},
    {135, "l2VLAN"},
    {},
};
constexpr OptionPair Pairs_2invalid_3direct_4indirect[] = {
    {2, "invalid"},
    {3, "direct"},
    {4, "indirect"},
    {},
};
constexpr OptionPair Pairs_ipRouteProto[] = {
    {2, "local"},      {3, "netmgmt"},
    {4, "icmp"},       {5, "egp"},
    {6, "ggp"},        {7, "hello"},
    {8, "rip"},        {9, "is-is"},
    {10, "es-is"},     {11, "ciscoIgrp"},
    {12, "bbnSpfIgp"}, {13, "ospf"},
    {14, "bgp"},       {},
};
constexpr OptionPair Pairs_tSystem[] = {{"5120", "System"}, {}};
constexpr OptionPair Pairs_1other_2invalid_3dynamic_4static[] = {
    {1, "other"}, {2, "invalid"}, {3, "dynamic"}, {4, "static"}, {},
};
constexpr OptionPair Pairs_2invalid_3learned_4self_5mgmt[] = {
    {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {},
};
constexpr OptionPair Pairs_608021Dand8021Q[] = {{60, "802.1D and 802.1Q"}, {}};
constexpr OptionPair Pairs_2permanent_3dynamicGvrp[] = {{2, "permanent"}, {3, "dynamicGvrp"}, {}};
constexpr OptionPair Pairs_1admitAll_2admitOnlyVlanTagged[] = {
    {1, "admitAll"},
    {2, "admitOnlyVlanTagged"},
    {},
};
constexpr OptionPair Pairs_2manual_3bootp_4dhcp[] = {{2, "manual"}, {3, "bootp"}, {4, "dhcp"}, {}};
constexpr OptionPair Pairs_2up_3down[] = {{2, "up"}, {3, "down"}, {}};
constexpr OptionPair Pairs_2static_3dynamic[] = {{2, "static"}, {3, "dynamic"}, {}};
constexpr OptionPair Pairs_1primary_2backup[] = {{1, "primary"}, {2, "backup"}, {}};
constexpr OptionPair Pairs_2rip_3ospf_4static_5local[] = {
    {2, "rip"}, {3, "ospf"}, {4, "static"}, {5, "local"}, {},
};
constexpr OptionPair Pairs_2rip_3ospf[] = {{2, "rip"}, {3, "ospf"}, {}};
constexpr OptionPair Pairs_2all_3type1_4type2_x9[] = {
    {2, "all"},      {3, "type-1"},   {4, "type-2"},   {5, "internal"},  {6, "external"},
    {7, "inter+E1"}, {8, "inter+E2"}, {9, "extType1"}, {10, "extType2"}, {},
};
constexpr OptionPair Pairs_1down_4pointToPoint[] = {{1, "down"}, {4, "pointToPoint"}, {}};
constexpr OptionPair Pairs_1broadcast_2nbma_3pointToPoint_5pointToMultipoint[] = {
    {1, "broadcast"}, {2, "nbma"}, {3, "pointToPoint"}, {5, "pointToMultipoint"}, {},
};
constexpr OptionPair Pairs_1down_2loopback_3waiting_x7[] = {
    {1, "down"},
    {2, "loopback"},
    {3, "waiting"},
    {4, "pointToPoint"},
    {5, "designatedRouter"},
    {6, "backupDesignatedRouter"},
    {7, "otherDesignatedRouter"},
    {},
};
constexpr OptionPair Pairs_1blocked_2multicast_3unicast[] = {
    {1, "blocked"},
    {2, "multicast"},
    {3, "unicast"},
    {},
};
constexpr OptionPair Pairs_1type1_2type2[] = {{1, "type1"}, {2, "type2"}, {}};
constexpr OptionPair Pairs_1initialize_2backup_3master[] = {
    {1, "initialize"},
    {2, "backup"},
    {3, "master"},
    {},
};
constexpr OptionPair Pairs_1noAuthentication_2simpleTextPassword_3ipAuthenticationHeader[] = {
    {1, "noAuthentication"},
    {2, "simpleTextPassword"},
    {3, "ipAuthenticationHeader"},
    {},
};
constexpr OptionPair Pairs_1ip_2bridge_3decnet_4other[] = {
    {1, "ip"}, {2, "bridge"}, {3, "decnet"}, {4, "other"}, {},
};
constexpr OptionPair Pairs_1denyNextPort_2denyLowPriorityPort[] = {
    {1, "denyNextPort"},
    {2, "denyLowPriorityPort"},
    {},
};
constexpr OptionPair Pairs_1other_2enable_3disable[] = {
    {1, "other"},
    {2, "enable"},
    {3, "disable"},
    {},
};
constexpr OptionPair Pairs_1critical_2high_3low[] = {{1, "critical"}, {2, "high"}, {3, "low"}, {}};
constexpr OptionPair Pairs_1class0_2class1_3class2_x5[] = {
    {1, "class0"}, {2, "class1"}, {3, "class2"}, {4, "class3"}, {5, "user-defined"}, {},
};
constexpr OptionPair Pairs_1on_2off_3error[] = {{1, "on"}, {2, "off"}, {3, "error"}, {}};
constexpr OptionPair Pairs_1other_2querier_3nonquerier[] = {
    {1, "other"},
    {2, "querier"},
    {3, "non-querier"},
    {},
};
constexpr OptionPair Pairs_1permit_2deny[] = {{1, "permit"}, {2, "deny"}, {}};
constexpr OptionPair Pairs_1vlanbased_2portbased[] = {{1, "vlan-based"}, {2, "port-based"}, {}};
constexpr OptionPair Pairs_1normal_2loop_3error[] = {{1, "normal"}, {2, "loop"}, {3, "error"}, {}};
constexpr OptionPair Pairs_1ethernet_2rfc1042_3snap8021H_x5[] = {
    {1, "ethernet"}, {2, "rfc1042"}, {3, "snap8021H"}, {4, "snapOther"}, {5, "llcOther"}, {},
};
constexpr OptionPair Pairs_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x25[] = {
    {1, "portType-100Base-TX"},
    {2, "portType-100Base-FX"},
    {3, "portType-100Base-FL"},
    {4, "portType-1000Base-TX"},
    {5, "portType-1000Base-SX"},
    {6, "portType-1000Base-LX"},
    {7, "portType-1000Base-SX-GBIC"},
    {8, "portType-1000Base-LX-GBIC"},
    {9, "portType-1000Base-TX-GBIC"},
    {10, "portType-1000Base-1394"},
    {11, "portType-1000Base-TX-GBIC-COMBO"},
    {12, "portType-1000Base-none-GBIC"},
    {13, "portType-1000Base-SX-MGBIC"},
    {14, "portType-1000Base-LX-MGBIC"},
    {15, "portType-1000Base-TX-MGBIC"},
    {16, "portType-1000Base-none-MGBIC"},
    {17, "portType-SIO"},
    {18, "portType-10G"},
    {19, "portType-10G-xenpak-1310nm"},
    {20, "portType-10G-xenpak-850nm"},
    {21, "portType-10G-xenpak-empty"},
    {22, "portType-10G-xfp-1310nm"},
    {23, "portType-10G-xfp-850nm"},
    {24, "portType-10G-xfp-empty"},
    {25, "portType-none"},
    {},
};
constexpr OptionPair Pairs_0other_1empty_2linkdown_x10[] = {
    {0, "other"},
    {1, "empty"},
    {2, "link-down"},
    {3, "half-10Mbps"},
    {4, "full-10Mbps"},
    {5, "half-100Mbps"},
    {6, "full-100Mbps"},
    {7, "half-1Gigabps"},
    {8, "full-1Gigabps"},
    {9, "full-10Gigabps"},
    {},
};
constexpr OptionPair Pairs_1other_2nwayenabled_3nwaydisabled10MbpsHalf_x10[] = {
    {1, "other"},
    {2, "nway-enabled"},
    {3, "nway-disabled-10Mbps-Half"},
    {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"},
    {6, "nway-disabled-100Mbps-Full"},
    {7, "nway-disabled-1Gigabps-Half"},
    {8, "nway-disabled-1Gigabps-Full"},
    {9, "nway-disabled-1Gigabps-Full-master"},
    {10, "nway-disabled-1Gigabps-Full-slave"},
    {},
};
constexpr OptionPair Pairs_1broadcast_2peertopeer_3mixed_4hybid[] = {
    {1, "broadcast"}, {2, "peer_to_peer"}, {3, "mixed"}, {4, "hybid"}, {},
};
constexpr OptionPair Pairs_1predefined_2infinite[] = {{1, "predefined"}, {2, "infinite"}, {}};
constexpr OptionPair Pairs_1ethernet_2ieee802_3both[] = {
    {1, "ethernet"},
    {2, "ieee802"},
    {3, "both"},
    {},
};
constexpr OptionPair Pairs_1ethernet_2iee802[] = {{1, "ethernet"}, {2, "iee802"}, {}};
constexpr OptionPair Pairs_1manual_2automatic[] = {{1, "manual"}, {2, "automatic"}, {}};
constexpr OptionPair Pairs_1ping_2gratuitousarp[] = {{1, "ping"}, {2, "gratuitous-arp"}, {}};
constexpr OptionPair Pairs_1Jan_2Feb_3Mar_x12[] = {
    {1, "Jan"}, {2, "Feb"}, {3, "Mar"},  {4, "Apr"},  {5, "May"},  {6, "Jun"}, {7, "Jul"},
    {8, "Aug"}, {9, "Sep"}, {10, "Oct"}, {11, "Nov"}, {12, "Dec"}, {},
};
constexpr OptionPair Pairs_1Sun_2Mon_3Tue_x7[] = {
    {1, "Sun"}, {2, "Mon"}, {3, "Tue"}, {4, "Wed"}, {5, "Thu"}, {6, "Fri"}, {7, "Sat"}, {},
};
constexpr OptionPair Pairs_11st_22nd_33rd_x5[] = {
    {1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {0, "last"}, {},
};
constexpr OptionPair Pairs_1other_2dstIPv6addr_3srcIPv6addr_4dstsrcIPv6addr[] = {
    {1, "other"}, {2, "dst-IPv6-addr"}, {3, "src-IPv6-addr"}, {4, "dst-src-IPv6-addr"}, {},
};
constexpr OptionPair Pairs_1disconnected_2logoff_3connecting_x7[] = {
    {1, "disconnected"},  {2, "logoff"},   {3, "connecting"}, {4, "authenticating"},
    {5, "authenticated"}, {6, "acquired"}, {7, "held"},       {},
};
constexpr OptionPair Pairs_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x11[] = {
    {1, "portType-100Base-TX"},
    {2, "portType-100Base-FX"},
    {3, "portType-100Base-FL"},
    {4, "portType-1000Base-TX"},
    {5, "portType-1000Base-SX"},
    {6, "portType-1000Base-LX"},
    {7, "portType-1000Base-SX-GBIC"},
    {8, "portType-1000Base-LX-GBIC"},
    {9, "portType-1000Base-TX-GBIC"},
    {10, "portType-1000Base-1394"},
    {11, "none"},
    {},
};
constexpr OptionPair Pairs_2linkpass_3linkfail[] = {{2, "link-pass"}, {3, "link-fail"}, {}};
constexpr OptionPair Pairs_2auto_3half10Mbps_4full10Mbps_x7[] = {
    {2, "auto"},         {3, "half-10Mbps"},   {4, "full-10Mbps"},   {5, "half-100Mbps"},
    {6, "full-100Mbps"}, {7, "half-1Gigabps"}, {8, "full-1Gigabps"}, {},
};
constexpr OptionPair Pairs_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x7[] = {
    {1, "portType-100Base-TX"},
    {2, "portType-100Base-FX"},
    {3, "portType-100Base-FL"},
    {4, "portType-1000Base-TX"},
    {5, "portType-1000Base-SX"},
    {6, "portType-1000Base-LX"},
    {7, "none"},
    {},
};
constexpr OptionPair Pairs_1other_2auto_3half10Mbps_x8[] = {
    {1, "other"},         {2, "auto"},          {3, "half-10Mbps"},
    {4, "full-10Mbps"},   {5, "half-100Mbps"},  {6, "full-100Mbps"},
    {7, "half-1Gigabps"}, {8, "full-1Gigabps"}, {},
};
constexpr OptionPair Pairs_0none_1moduleTypeCOMBO_2moduleType1000T_3moduleTypeBaseModule[] = {
    {0, "none"}, {1, "moduleType-COMBO"}, {2, "moduleType-1000T"}, {3, "moduleType-BaseModule"}, {},
};
constexpr OptionPair Pairs_2nwayenabled_3nwaydisabled10MbpsHalf_4nwaydisabled10MbpsFull_x7[] = {
    {2, "nway-enabled"},
    {3, "nway-disabled-10Mbps-Half"},
    {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"},
    {6, "nway-disabled-100Mbps-Full"},
    {7, "nway-disabled-1Gigabps-Half"},
    {8, "nway-disabled-1Gigabps-Full"},
    {},
};
constexpr OptionPair Pairs_1other_2nwayenabled_3nwaydisabled10MbpsHalf_x8[] = {
    {1, "other"},
    {2, "nway-enabled"},
    {3, "nway-disabled-10Mbps-Half"},
    {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"},
    {6, "nway-disabled-100Mbps-Full"},
    {7, "nway-disabled-1Gigabps-Half"},
    {8, "nway-disabled-1Gigabps-Full"},
    {},
};
constexpr OptionPair Pairs_1enable_2disable_3notReady_x6[] = {
    {1, "enable"},
    {2, "disable"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionPair Pairs_2auto_3standalone_4master_5slave[] = {
    {2, "auto"}, {3, "stand-alone"}, {4, "master"}, {5, "slave"}, {},
};
constexpr OptionPair Pairs_1ipv4_2ipv6_16dns[] = {{1, "ipv4"}, {2, "ipv6"}, {16, "dns"}, {}};
constexpr OptionPair Pairs_4createAndGo_6destroy[] = {{4, "createAndGo"}, {6, "destroy"}, {}};
constexpr OptionPair Pairs_1responseReceived_2unknown_3internalError_x11[] = {
    {1, "responseReceived"},
    {2, "unknown"},
    {3, "internalError"},
    {4, "requestTimedOut"},
    {5, "unknownDestinationAddress"},
    {6, "noRouteToTarget"},
    {7, "interfaceInactiveToTarget"},
    {8, "arpFailure"},
    {9, "maxConcurrentLimitReached"},
    {10, "unableToResolveDnsName"},
    {11, "invalidHostAddress"},
    {},
};
constexpr OptionPair Pairs_1currentx_2expired_3defaulted_x6[] = {
    {1, "currentx"},
    {2, "expired"},
    {3, "defaulted"},
    {4, "initialize"},
    {5, "lacpDisabled"},
    {6, "portDisabled"},
    {},
};
constexpr OptionPair Pairs_1detached_2waiting_3attached_x6[] = {
    {1, "detached"},
    {2, "waiting"},
    {3, "attached"},
    {4, "collecting"},
    {5, "distributing"},
    {6, "collecting-distributing"},
    {},
};
constexpr OptionPair Pairs_1noChurn_2churn_3churnMonitor[] = {
    {1, "noChurn"},
    {2, "churn"},
    {3, "churnMonitor"},
    {},
};
constexpr OptionPair Pairs_0STPCompatibility_2RSTP[] = {{0, "STP Compatibility"}, {2, "RSTP"}, {}};
constexpr OptionPair Pairs_1notInUse_2inUse[] = {{1, "notInUse"}, {2, "inUse"}, {}};
constexpr OptionPair Pairs_1none_2success_3inProgress_x7[] = {
    {1, "none"},        {2, "success"}, {3, "inProgress"}, {4, "notSupported"},
    {5, "unAbleToRun"}, {6, "aborted"}, {7, "failed"},     {},
};
constexpr OptionPair Pairs_2volatile_3nonVolatile[] = {{2, "volatile"}, {3, "nonVolatile"}, {}};
constexpr OptionPair Pairs_ifType[] = {
    {2, "regular1822"},
    {3, "hdh1822"},
    {4, "ddn-x25"},
    {5, "rfc877-x25"},
    {6, "ethernet-csmacd"},
    {7, "iso88023-csmacd"},
    {8, "iso88024-tokenBus"},
    {9, "iso88025-tokenRing"},
    {10, "iso88026-man"},
    {11, "starLan"},
    {12, "proteon-10Mbit"},
    {13, "proteon-80Mbit"},
    {14, "hyperchannel"},
    {15, "fddi"},
    {16, "lapb"},
    {17, "sdlc"},
    {18, "ds1"},
    {19, "e1"},
    {20, "basicISDN"},
    {21, "primaryISDN"},
    {22, "propPointToPointSerial"},
    {23, "ppp"},
    {24, "softwareLoopback"},
    {25, "eon"},
    {26, "ethernet-3Mbit"},
    {27, "nsip"},
    {28, "slip"},
    {29, "ultra"},
    {30, "ds3"},
    {31, "sip"},
    {32, "frame-relay"},
    {},
};
constexpr OptionPair Pairs_2constant_3rsre_4vanj[] = {
    {2, "constant"},
    {3, "rsre"},
    {4, "vanj"},
    {},
};
constexpr OptionPair Pairs_tcpConnState[] = {
    {1, "closed"},
    {2, "listen"},
    {3, "synSent"},
    {4, "synReceived"},
    {5, "established"},
    {6, "finWait1"},
    {7, "finWait2"},
    {8, "closeWait"},
    {9, "lastAck"},
    {10, "closing"},
    {11, "timeWait"},
    {12, "deleteTCB"},
    {},
};
constexpr OptionPair Pairs_1idle_2acquisition_3down_x5[] = {
    {1, "idle"}, {2, "acquisition"}, {3, "down"}, {4, "up"}, {5, "cease"}, {},
};
constexpr OptionPair Pairs_1active_2passive[] = {{1, "active"}, {2, "passive"}, {}};
constexpr OptionPair Pairs_1start_2stop[] = {{1, "start"}, {2, "stop"}, {}};
constexpr OptionPair Pairs_1disabled_2blocking_3listening_x6[] = {
    {1, "disabled"},
    {2, "blocking"},
    {3, "listening"},
    {4, "learning"},
    {5, "forwarding"},
    {6, "broken"},
    {},
};
constexpr OptionPair Pairs_1unknown_2decLb100_3ieee8021d[] = {
    {1, "unknown"},
    {2, "decLb100"},
    {3, "ieee8021d"},
    {},
};
constexpr OptionPair Pairs_2invalid_3permanent_4deleteOnReset_5deleteOnTimeout[] = {
    {2, "invalid"}, {3, "permanent"}, {4, "deleteOnReset"}, {5, "deleteOnTimeout"}, {},
};
constexpr OptionPair Pairs_2invalid_3permanent[] = {{2, "invalid"}, {3, "permanent"}, {}};
constexpr OptionPair Pairs_1independent_2shared[] = {{1, "independent"}, {2, "shared"}, {}};
constexpr OptionPair Pairs_1other_2dstaddr_3srcaddr_x5[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {5, "invalid"}, {},
};

} // namespace

const QxOptionList OL_2disabled_3enabled(Pairs_2disabled_3enabled, QxOptionList::olInteger);
const QxOptionList OL_1active_4createAndGo_6destroy(Pairs_1active_4createAndGo_6destroy,
                                                    QxOptionList::olInteger);
const QxOptionList OL_1enabled_2disabled(Pairs_1enabled_2disabled, QxOptionList::olInteger);
const QxOptionList OL_1true_2false(Pairs_1true_2false, QxOptionList::olInteger);
const QxOptionList OL_2volatile_3nonVolatile_4permanent_5readOnly(
    Pairs_2volatile_3nonVolatile_4permanent_5readOnly, QxOptionList::olInteger);
const QxOptionList OL_1enable_2disable(Pairs_1enable_2disable, QxOptionList::olInteger);
const QxOptionList OL_1any_2acl_3ipbind_4other(Pairs_1any_2acl_3ipbind_4other,
                                               QxOptionList::olInteger);
const QxOptionList OL_1tacacs_2xtacacs_3tacacsplus_x6(Pairs_1tacacs_2xtacacs_3tacacsplus_x6,
                                                      QxOptionList::olInteger);
const QxOptionList OL_1other_2disabled_3enabled(Pairs_1other_2disabled_3enabled,
                                                QxOptionList::olInteger);
const QxOptionList OL_1none_2start(Pairs_1none_2start, QxOptionList::olInteger);
const QxOptionList OL_1active_2notInService_3notReady_x6(Pairs_1active_2notInService_3notReady_x6,
                                                         QxOptionList::olInteger);
const QxOptionList OL_1active_2notInService_4createAndGo_6destroy(
    Pairs_1active_2notInService_4createAndGo_6destroy, QxOptionList::olInteger);
const QxOptionList OL_1none_2icmp_3igmp_x6(Pairs_1none_2icmp_3igmp_x6, QxOptionList::olInteger);
const QxOptionList
    OL_1other_2dstaddr_3srcaddr_4dstsrcaddr(Pairs_1other_2dstaddr_3srcaddr_4dstsrcaddr,
                                            QxOptionList::olInteger);
const QxOptionList OL_1deny_2permit_3mirror(Pairs_1deny_2permit_3mirror, QxOptionList::olInteger);
const QxOptionList OL_1other_2start(Pairs_1other_2start, QxOptionList::olInteger);
const QxOptionList OL_1disabled_2enabled(Pairs_1disabled_2enabled, QxOptionList::olInteger);
const QxOptionList OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_6local_8none_9empty(
    Pairs_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_6local_8none_9empty,
    QxOptionList::olInteger);
const QxOptionList OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_7localenable_8none_9empty(
    Pairs_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_7localenable_8none_9empty,
    QxOptionList::olInteger);
const QxOptionList OL_1deny_2permit(Pairs_1deny_2permit, QxOptionList::olInteger);
const QxOptionList OL_1other_2disable_3enable(Pairs_1other_2disable_3enable,
                                              QxOptionList::olInteger);
const QxOptionList OL_2enable_3disable(Pairs_2enable_3disable, QxOptionList::olInteger);
const QxOptionList OL_2invalid_3valid(Pairs_2invalid_3valid, QxOptionList::olInteger);
const QxOptionList OL_1active_2notInService(Pairs_1active_2notInService, QxOptionList::olInteger);
const QxOptionList OL_0stp_1rstp_2mstp(Pairs_0stp_1rstp_2mstp, QxOptionList::olInteger);
const QxOptionList OL_1other_2dstmacaddr_3srcmacaddr_4dstsrcmacaddr(
    Pairs_1other_2dstmacaddr_3srcmacaddr_4dstsrcmacaddr, QxOptionList::olInteger);
const QxOptionList
    OL_1other_2dstipaddr_3srcipaddr_4dstsrcipaddr(Pairs_1other_2dstipaddr_3srcipaddr_4dstsrcipaddr,
                                                  QxOptionList::olInteger);
const QxOptionList OL_1none_2type_3code_4typecode(Pairs_1none_2type_3code_4typecode,
                                                  QxOptionList::olInteger);
const QxOptionList OL_0critical_1warning_2information(Pairs_0critical_1warning_2information,
                                                      QxOptionList::olInteger);
const QxOptionList
    OL_1initialize_2disconnected_3connecting_x9(Pairs_1initialize_2disconnected_3connecting_x9,
                                                QxOptionList::olInteger);
const QxOptionList OL_1request_2response_3success_x7(Pairs_1request_2response_3success_x7,
                                                     QxOptionList::olInteger);
const QxOptionList OL_0both_1in(Pairs_0both_1in, QxOptionList::olInteger);
const QxOptionList OL_1authorized_2unauthorized(Pairs_1authorized_2unauthorized,
                                                QxOptionList::olInteger);
const QxOptionList OL_1remoteAuthServer_2localAuthServer(Pairs_1remoteAuthServer_2localAuthServer,
                                                         QxOptionList::olInteger);
const QxOptionList OL_1supplicantLogoff_2portFailure_3supplicantRestart_x8(
    Pairs_1supplicantLogoff_2portFailure_3supplicantRestart_x8, QxOptionList::olInteger);
const QxOptionList OL_1local_2radius(Pairs_1local_2radius, QxOptionList::olInteger);
const QxOptionList
    OL_1lowVoltage_2overCurrent_3working_x6(Pairs_1lowVoltage_2overCurrent_3working_x6,
                                            QxOptionList::olInteger);
const QxOptionList OL_1portStatusMode_2poeStatusMode(Pairs_1portStatusMode_2poeStatusMode,
                                                     QxOptionList::olInteger);
const QxOptionList OL_1included_2excluded(Pairs_1included_2excluded, QxOptionList::olInteger);
const QxOptionList OL_1noAuthNoPriv_2authNoPriv_3authPriv(Pairs_1noAuthNoPriv_2authNoPriv_3authPriv,
                                                          QxOptionList::olInteger);
const QxOptionList
    OL_1tacacs_2xtacacs_3tacacsplus_4radius(Pairs_1tacacs_2xtacacs_3tacacsplus_4radius,
                                            QxOptionList::olInteger);
const QxOptionList OL_2auto_3standalone(Pairs_2auto_3standalone, QxOptionList::olInteger);
const QxOptionList OL_0true_1false_2auto(Pairs_0true_1false_2auto, QxOptionList::olInteger);
const QxOptionList OL_2enabled_3disabled(Pairs_2enabled_3disabled, QxOptionList::olInteger);
const QxOptionList OL_2enablestrict_3disable_4enableloose(Pairs_2enablestrict_3disable_4enableloose,
                                                          QxOptionList::olInteger);
const QxOptionList OL_1inactive_2active(Pairs_1inactive_2active, QxOptionList::olInteger);
const QxOptionList OL_1up_2down(Pairs_1up_2down, QxOptionList::olInteger);
const QxOptionList OL_0none_1simple_2MD5(Pairs_0none_1simple_2MD5, QxOptionList::olInteger);
const QxOptionList OL_1copper_2fiber(Pairs_1copper_2fiber, QxOptionList::olInteger);
const QxOptionList OL_0system_1server1_2server2(Pairs_0system_1server1_2server2,
                                                QxOptionList::olInteger);
const QxOptionList OL_0disable_1repeating_2annual(Pairs_0disable_1repeating_2annual,
                                                  QxOptionList::olInteger);
const QxOptionList OL_1other_2dstipv6addr_3srcipv6addr_4dstsrcipv6addr(
    Pairs_1other_2dstipv6addr_3srcipv6addr_4dstsrcipv6addr, QxOptionList::olInteger);
const QxOptionList
    OL_1other_2droppacket_3setdropprecedence(Pairs_1other_2droppacket_3setdropprecedence,
                                             QxOptionList::olInteger);
const QxOptionList OL_2standard_3proprietary_4experiment(Pairs_2standard_3proprietary_4experiment,
                                                         QxOptionList::olInteger);
const QxOptionList OL_1other_2snmpip_3snmpipx_4snmpipipx(Pairs_1other_2snmpip_3snmpipx_4snmpipipx,
                                                         QxOptionList::olInteger);
const QxOptionList OL_1other_2inuse_3notinuse(Pairs_1other_2inuse_3notinuse,
                                              QxOptionList::olInteger);
const QxOptionList
    OL_1other_2proceeding_3completed_4failed(Pairs_1other_2proceeding_3completed_4failed,
                                             QxOptionList::olInteger);
const QxOptionList OL_1other_2inprocess_3invalidfile_x10(Pairs_1other_2inprocess_3invalidfile_x10,
                                                         QxOptionList::olInteger);
const QxOptionList OL_1proceeding_2completed_3failed(Pairs_1proceeding_2completed_3failed,
                                                     QxOptionList::olInteger);
const QxOptionList OL_2networkload_3outofbandload(Pairs_2networkload_3outofbandload,
                                                  QxOptionList::olInteger);
const QxOptionList OL_2upload_3download(Pairs_2upload_3download, QxOptionList::olInteger);
const QxOptionList
    OL_2inactive_3start_4delete_5configasbootupfw(Pairs_2inactive_3start_4delete_5configasbootupfw,
                                                  QxOptionList::olInteger);
const QxOptionList OL_3warmstart_4noreset(Pairs_3warmstart_4noreset, QxOptionList::olInteger);
const QxOptionList OL_2console(Pairs_2console, QxOptionList::olInteger);
const QxOptionList OL_2disabled_3bootp_4dhcp(Pairs_2disabled_3bootp_4dhcp, QxOptionList::olInteger);
const QxOptionList OL_1normal_2exhausted(Pairs_1normal_2exhausted, QxOptionList::olInteger);
const QxOptionList OL_1none_2config_3system_4reset(Pairs_1none_2config_3system_4reset,
                                                   QxOptionList::olInteger);
const QxOptionList
    OL_1forceUnauthorized_2auto_3forceAuthorized(Pairs_1forceUnauthorized_2auto_3forceAuthorized,
                                                 QxOptionList::olInteger);
const QxOptionList
    OL_1unauth_2authenticating_3authenticated(Pairs_1unauth_2authenticating_3authenticated,
                                              QxOptionList::olInteger);
const QxOptionList OL_1unconnected_2connecting_3authenticating_x5(
    Pairs_1unconnected_2connecting_3authenticating_x5, QxOptionList::olInteger);
const QxOptionList OL_2inuse_3notinuse(Pairs_2inuse_3notinuse, QxOptionList::olInteger);
const QxOptionList OL_1normal_2active(Pairs_1normal_2active, QxOptionList::olInteger);
const QxOptionList
    OL_0none_1moduleTypeCOMBO_2moduleType1394_x27(Pairs_0none_1moduleTypeCOMBO_2moduleType1394_x27,
                                                  QxOptionList::olInteger);
const QxOptionList OL_1other_2linkpass_3linkfail(Pairs_1other_2linkpass_3linkfail,
                                                 QxOptionList::olInteger);
const QxOptionList OL_0none_1storm_2lbd_3unknow(Pairs_0none_1storm_2lbd_3unknow,
                                                QxOptionList::olInteger);
const QxOptionList OL_1forwardallgroups_2forwardunregisteredgroups_3filterunregisteredgroups(
    Pairs_1forwardallgroups_2forwardunregisteredgroups_3filterunregisteredgroups,
    QxOptionList::olInteger);
const QxOptionList OL_2macsource_3macdestination_4macsourcedest_x6(
    Pairs_2macsource_3macdestination_4macsourcedest_x6, QxOptionList::olInteger);
const QxOptionList OL_2static_3lacp(Pairs_2static_3lacp, QxOptionList::olInteger);
const QxOptionList OL_2querier_3nonquerier(Pairs_2querier_3nonquerier, QxOptionList::olInteger);
const QxOptionList OL_2disable_3enable(Pairs_2disable_3enable, QxOptionList::olInteger);
const QxOptionList
    OL_2permanent_3deleteOnTimeout_4deleteOnReset(Pairs_2permanent_3deleteOnTimeout_4deleteOnReset,
                                                  QxOptionList::olInteger);
const QxOptionList OL_1none_2permit_3deny(Pairs_1none_2permit_3deny, QxOptionList::olInteger);
const QxOptionList OL_2blockByAddrBind_3delete(Pairs_2blockByAddrBind_3delete,
                                               QxOptionList::olInteger);
const QxOptionList OL_1replace_2drop_3keep(Pairs_1replace_2drop_3keep, QxOptionList::olInteger);
const QxOptionList OL_1include_2exclude(Pairs_1include_2exclude, QxOptionList::olInteger);
const QxOptionList
    OL_1none_2stormOccurred_3stormCleared_4both(Pairs_1none_2stormOccurred_3stormCleared_4both,
                                                QxOptionList::olInteger);
const QxOptionList OL_1shutdown_2drop(Pairs_1shutdown_2drop, QxOptionList::olInteger);
const QxOptionList OL_1yes_2no(Pairs_1yes_2no, QxOptionList::olInteger);
const QxOptionList OL_1trap_2inform(Pairs_1trap_2inform, QxOptionList::olInteger);
const QxOptionList OL_tNone_tMD5_tSHA(Pairs_tNone_tMD5_tSHA, QxOptionList::olText);
const QxOptionList OL_tNone_tDES(Pairs_tNone_tDES, QxOptionList::olText);
const QxOptionList OL_1exact_2prefix(Pairs_1exact_2prefix, QxOptionList::olInteger);
const QxOptionList OL_1add_2delete(Pairs_1add_2delete, QxOptionList::olInteger);
const QxOptionList OL_0local0_1local1_2local2_x8(Pairs_0local0_1local1_2local2_x8,
                                                 QxOptionList::olInteger);
const QxOptionList OL_1all_2warning_3informational(Pairs_1all_2warning_3informational,
                                                   QxOptionList::olInteger);
const QxOptionList OL_1authProtocolRadiusEap_2authProtocolRadiusPap(
    Pairs_1authProtocolRadiusEap_2authProtocolRadiusPap, QxOptionList::olInteger);
const QxOptionList OL_1portBase_2macBase_3none(Pairs_1portBase_2macBase_3none,
                                               QxOptionList::olInteger);
const QxOptionList
    OL_1swRadiusServerIndexfirst_2swRadiusServerIndexsecond_3swRadiusServerIndexthird(
        Pairs_1swRadiusServerIndexfirst_2swRadiusServerIndexsecond_3swRadiusServerIndexthird,
        QxOptionList::olInteger);
const QxOptionList OL_1acctServiceIndexnetwork_2acctServiceIndexexec_3acctServiceIndexsystem(
    Pairs_1acctServiceIndexnetwork_2acctServiceIndexexec_3acctServiceIndexsystem,
    QxOptionList::olInteger);
const QxOptionList OL_1swRadiusAcctServiceMethodNone_2swRadiusAcctServiceMethodRadius(
    Pairs_1swRadiusAcctServiceMethodNone_2swRadiusAcctServiceMethodRadius, QxOptionList::olInteger);
const QxOptionList
    OL_1radiusAcctServiceModeNone_2radiusAcctServiceModeStartStop_3radiusAcctServiceModeStopOnly(
        Pairs_1radiusAcctServiceModeNone_2radiusAcctServiceModeStartStop_3radiusAcctServiceModeStopOnly,
        QxOptionList::olInteger);
const QxOptionList OL_tRedundantPower(Pairs_tRedundantPower, QxOptionList::olText);
const QxOptionList OL_0other_1working_2fail(Pairs_0other_1working_2fail, QxOptionList::olInteger);
const QxOptionList OL_1cs_2cas_3ms(Pairs_1cs_2cas_3ms, QxOptionList::olInteger);
const QxOptionList OL_2inactive_3start_4delete(Pairs_2inactive_3start_4delete,
                                               QxOptionList::olInteger);
const QxOptionList OL_1none_2rsa_3dsa(Pairs_1none_2rsa_3dsa, QxOptionList::olInteger);
const QxOptionList OL_0cist_1msti(Pairs_0cist_1msti, QxOptionList::olInteger);
const QxOptionList OL_2disabled_3discarding_4learning_x7(Pairs_2disabled_3discarding_4learning_x7,
                                                         QxOptionList::olInteger);
const QxOptionList OL_0disable_1alternate_2backup_x8(Pairs_0disable_1alternate_2backup_x8,
                                                     QxOptionList::olInteger);
const QxOptionList
    OL_0never_10tenmin_30thirtymin_60sixtymin(Pairs_0never_10tenmin_30thirtymin_60sixtymin,
                                              QxOptionList::olInteger);
const QxOptionList OL_2disabled_1enabled(Pairs_2disabled_1enabled, QxOptionList::olInteger);
const QxOptionList OL_2false(Pairs_2false, QxOptionList::olInteger);
const QxOptionList OL_2false_1true(Pairs_2false_1true, QxOptionList::olInteger);
const QxOptionList OL_1ARP_2ACL_3Auto(Pairs_1ARP_2ACL_3Auto, QxOptionList::olInteger);
const QxOptionList OL_1other_2blockByAddrBind_3delete(Pairs_1other_2blockByAddrBind_3delete,
                                                      QxOptionList::olInteger);
const QxOptionList OL_1up_2down_3testing(Pairs_1up_2down_3testing, QxOptionList::olInteger);
const QxOptionList OL_ifTypeGigabitL2Vlan(Pairs_ifTypeGigabitL2Vlan, QxOptionList::olInteger);
const QxOptionList OL_2invalid_3direct_4indirect(Pairs_2invalid_3direct_4indirect,
                                                 QxOptionList::olInteger);
const QxOptionList OL_ipRouteProto(Pairs_ipRouteProto, QxOptionList::olInteger);
const QxOptionList OL_tSystem(Pairs_tSystem, QxOptionList::olText);
const QxOptionList OL_1other_2invalid_3dynamic_4static(Pairs_1other_2invalid_3dynamic_4static,
                                                       QxOptionList::olInteger);
const QxOptionList OL_2invalid_3learned_4self_5mgmt(Pairs_2invalid_3learned_4self_5mgmt,
                                                    QxOptionList::olInteger);
const QxOptionList OL_608021Dand8021Q(Pairs_608021Dand8021Q, QxOptionList::olInteger);
const QxOptionList OL_2permanent_3dynamicGvrp(Pairs_2permanent_3dynamicGvrp,
                                              QxOptionList::olInteger);
const QxOptionList OL_1admitAll_2admitOnlyVlanTagged(Pairs_1admitAll_2admitOnlyVlanTagged,
                                                     QxOptionList::olInteger);
const QxOptionList OL_2manual_3bootp_4dhcp(Pairs_2manual_3bootp_4dhcp, QxOptionList::olInteger);
const QxOptionList OL_2up_3down(Pairs_2up_3down, QxOptionList::olInteger);
const QxOptionList OL_2static_3dynamic(Pairs_2static_3dynamic, QxOptionList::olInteger);
const QxOptionList OL_1primary_2backup(Pairs_1primary_2backup, QxOptionList::olInteger);
const QxOptionList OL_2rip_3ospf_4static_5local(Pairs_2rip_3ospf_4static_5local,
                                                QxOptionList::olInteger);
const QxOptionList OL_2rip_3ospf(Pairs_2rip_3ospf, QxOptionList::olInteger);
const QxOptionList OL_2all_3type1_4type2_x9(Pairs_2all_3type1_4type2_x9, QxOptionList::olInteger);
const QxOptionList OL_1down_4pointToPoint(Pairs_1down_4pointToPoint, QxOptionList::olInteger);
const QxOptionList OL_1broadcast_2nbma_3pointToPoint_5pointToMultipoint(
    Pairs_1broadcast_2nbma_3pointToPoint_5pointToMultipoint, QxOptionList::olInteger);
const QxOptionList OL_1down_2loopback_3waiting_x7(Pairs_1down_2loopback_3waiting_x7,
                                                  QxOptionList::olInteger);
const QxOptionList OL_1blocked_2multicast_3unicast(Pairs_1blocked_2multicast_3unicast,
                                                   QxOptionList::olInteger);
const QxOptionList OL_1type1_2type2(Pairs_1type1_2type2, QxOptionList::olInteger);
const QxOptionList OL_1initialize_2backup_3master(Pairs_1initialize_2backup_3master,
                                                  QxOptionList::olInteger);
const QxOptionList OL_1noAuthentication_2simpleTextPassword_3ipAuthenticationHeader(
    Pairs_1noAuthentication_2simpleTextPassword_3ipAuthenticationHeader, QxOptionList::olInteger);
const QxOptionList OL_1ip_2bridge_3decnet_4other(Pairs_1ip_2bridge_3decnet_4other,
                                                 QxOptionList::olInteger);
const QxOptionList OL_1denyNextPort_2denyLowPriorityPort(Pairs_1denyNextPort_2denyLowPriorityPort,
                                                         QxOptionList::olInteger);
const QxOptionList OL_1other_2enable_3disable(Pairs_1other_2enable_3disable,
                                              QxOptionList::olInteger);
const QxOptionList OL_1critical_2high_3low(Pairs_1critical_2high_3low, QxOptionList::olInteger);
const QxOptionList OL_1class0_2class1_3class2_x5(Pairs_1class0_2class1_3class2_x5,
                                                 QxOptionList::olInteger);
const QxOptionList OL_1on_2off_3error(Pairs_1on_2off_3error, QxOptionList::olInteger);
const QxOptionList OL_1other_2querier_3nonquerier(Pairs_1other_2querier_3nonquerier,
                                                  QxOptionList::olInteger);
const QxOptionList OL_1permit_2deny(Pairs_1permit_2deny, QxOptionList::olInteger);
const QxOptionList OL_1vlanbased_2portbased(Pairs_1vlanbased_2portbased, QxOptionList::olInteger);
const QxOptionList OL_1normal_2loop_3error(Pairs_1normal_2loop_3error, QxOptionList::olInteger);
const QxOptionList OL_1ethernet_2rfc1042_3snap8021H_x5(Pairs_1ethernet_2rfc1042_3snap8021H_x5,
                                                       QxOptionList::olInteger);
const QxOptionList OL_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x25(
    Pairs_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x25, QxOptionList::olInteger);
const QxOptionList OL_0other_1empty_2linkdown_x10(Pairs_0other_1empty_2linkdown_x10,
                                                  QxOptionList::olInteger);
const QxOptionList OL_1other_2nwayenabled_3nwaydisabled10MbpsHalf_x10(
    Pairs_1other_2nwayenabled_3nwaydisabled10MbpsHalf_x10, QxOptionList::olInteger);
const QxOptionList
    OL_1broadcast_2peertopeer_3mixed_4hybid(Pairs_1broadcast_2peertopeer_3mixed_4hybid,
                                            QxOptionList::olInteger);
const QxOptionList OL_1predefined_2infinite(Pairs_1predefined_2infinite, QxOptionList::olInteger);
const QxOptionList OL_1ethernet_2ieee802_3both(Pairs_1ethernet_2ieee802_3both,
                                               QxOptionList::olInteger);
const QxOptionList OL_1ethernet_2iee802(Pairs_1ethernet_2iee802, QxOptionList::olInteger);
const QxOptionList OL_1manual_2automatic(Pairs_1manual_2automatic, QxOptionList::olInteger);
const QxOptionList OL_1ping_2gratuitousarp(Pairs_1ping_2gratuitousarp, QxOptionList::olInteger);
const QxOptionList OL_1Jan_2Feb_3Mar_x12(Pairs_1Jan_2Feb_3Mar_x12, QxOptionList::olInteger);
const QxOptionList OL_1Sun_2Mon_3Tue_x7(Pairs_1Sun_2Mon_3Tue_x7, QxOptionList::olInteger);
const QxOptionList OL_11st_22nd_33rd_x5(Pairs_11st_22nd_33rd_x5, QxOptionList::olInteger);
const QxOptionList OL_1other_2dstIPv6addr_3srcIPv6addr_4dstsrcIPv6addr(
    Pairs_1other_2dstIPv6addr_3srcIPv6addr_4dstsrcIPv6addr, QxOptionList::olInteger);
const QxOptionList
    OL_1disconnected_2logoff_3connecting_x7(Pairs_1disconnected_2logoff_3connecting_x7,
                                            QxOptionList::olInteger);
const QxOptionList OL_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x11(
    Pairs_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x11, QxOptionList::olInteger);
const QxOptionList OL_2linkpass_3linkfail(Pairs_2linkpass_3linkfail, QxOptionList::olInteger);
const QxOptionList OL_2auto_3half10Mbps_4full10Mbps_x7(Pairs_2auto_3half10Mbps_4full10Mbps_x7,
                                                       QxOptionList::olInteger);
const QxOptionList OL_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x7(
    Pairs_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x7, QxOptionList::olInteger);
const QxOptionList OL_1other_2auto_3half10Mbps_x8(Pairs_1other_2auto_3half10Mbps_x8,
                                                  QxOptionList::olInteger);
const QxOptionList OL_0none_1moduleTypeCOMBO_2moduleType1000T_3moduleTypeBaseModule(
    Pairs_0none_1moduleTypeCOMBO_2moduleType1000T_3moduleTypeBaseModule, QxOptionList::olInteger);
const QxOptionList OL_2nwayenabled_3nwaydisabled10MbpsHalf_4nwaydisabled10MbpsFull_x7(
    Pairs_2nwayenabled_3nwaydisabled10MbpsHalf_4nwaydisabled10MbpsFull_x7, QxOptionList::olInteger);
const QxOptionList OL_1other_2nwayenabled_3nwaydisabled10MbpsHalf_x8(
    Pairs_1other_2nwayenabled_3nwaydisabled10MbpsHalf_x8, QxOptionList::olInteger);
const QxOptionList OL_1enable_2disable_3notReady_x6(Pairs_1enable_2disable_3notReady_x6,
                                                    QxOptionList::olInteger);
const QxOptionList OL_2auto_3standalone_4master_5slave(Pairs_2auto_3standalone_4master_5slave,
                                                       QxOptionList::olInteger);
const QxOptionList OL_1ipv4_2ipv6_16dns(Pairs_1ipv4_2ipv6_16dns, QxOptionList::olInteger);
const QxOptionList OL_4createAndGo_6destroy(Pairs_4createAndGo_6destroy, QxOptionList::olInteger);
const QxOptionList OL_1responseReceived_2unknown_3internalError_x11(
    Pairs_1responseReceived_2unknown_3internalError_x11, QxOptionList::olInteger);
const QxOptionList OL_1currentx_2expired_3defaulted_x6(Pairs_1currentx_2expired_3defaulted_x6,
                                                       QxOptionList::olInteger);
const QxOptionList OL_1detached_2waiting_3attached_x6(Pairs_1detached_2waiting_3attached_x6,
                                                      QxOptionList::olInteger);
const QxOptionList OL_1noChurn_2churn_3churnMonitor(Pairs_1noChurn_2churn_3churnMonitor,
                                                    QxOptionList::olInteger);
const QxOptionList OL_0STPCompatibility_2RSTP(Pairs_0STPCompatibility_2RSTP,
                                              QxOptionList::olInteger);
const QxOptionList OL_1notInUse_2inUse(Pairs_1notInUse_2inUse, QxOptionList::olInteger);
const QxOptionList OL_1none_2success_3inProgress_x7(Pairs_1none_2success_3inProgress_x7,
                                                    QxOptionList::olInteger);
const QxOptionList OL_2volatile_3nonVolatile(Pairs_2volatile_3nonVolatile, QxOptionList::olInteger);
const QxOptionList OL_ifType(Pairs_ifType, QxOptionList::olInteger);
const QxOptionList OL_2constant_3rsre_4vanj(Pairs_2constant_3rsre_4vanj, QxOptionList::olInteger);
const QxOptionList OL_tcpConnState(Pairs_tcpConnState, QxOptionList::olInteger);
const QxOptionList OL_1idle_2acquisition_3down_x5(Pairs_1idle_2acquisition_3down_x5,
                                                  QxOptionList::olInteger);
const QxOptionList OL_1active_2passive(Pairs_1active_2passive, QxOptionList::olInteger);
const QxOptionList OL_1start_2stop(Pairs_1start_2stop, QxOptionList::olInteger);
const QxOptionList OL_1disabled_2blocking_3listening_x6(Pairs_1disabled_2blocking_3listening_x6,
                                                        QxOptionList::olInteger);
const QxOptionList OL_1unknown_2decLb100_3ieee8021d(Pairs_1unknown_2decLb100_3ieee8021d,
                                                    QxOptionList::olInteger);
const QxOptionList OL_2invalid_3permanent_4deleteOnReset_5deleteOnTimeout(
    Pairs_2invalid_3permanent_4deleteOnReset_5deleteOnTimeout, QxOptionList::olInteger);
const QxOptionList OL_2invalid_3permanent(Pairs_2invalid_3permanent, QxOptionList::olInteger);
const QxOptionList OL_1independent_2shared(Pairs_1independent_2shared, QxOptionList::olInteger);
const QxOptionList OL_1other_2dstaddr_3srcaddr_x5(Pairs_1other_2dstaddr_3srcaddr_x5,
                                                  QxOptionList::olInteger);

const QxOptionTableRef OptionTables[] = {
    {"OL_2disabled_3enabled", &OL_2disabled_3enabled},
    {"OL_1active_4createAndGo_6destroy", &OL_1active_4createAndGo_6destroy},
    {"OL_1enabled_2disabled", &OL_1enabled_2disabled},
    {"OL_1true_2false", &OL_1true_2false},
    {"OL_2volatile_3nonVolatile_4permanent_5readOnly",
     &OL_2volatile_3nonVolatile_4permanent_5readOnly},
    {"OL_1enable_2disable", &OL_1enable_2disable},
    {"OL_1any_2acl_3ipbind_4other", &OL_1any_2acl_3ipbind_4other},
    {"OL_1tacacs_2xtacacs_3tacacsplus_x6", &OL_1tacacs_2xtacacs_3tacacsplus_x6},
    {"OL_1other_2disabled_3enabled", &OL_1other_2disabled_3enabled},
    {"OL_1none_2start", &OL_1none_2start},
    {"OL_1active_2notInService_3notReady_x6", &OL_1active_2notInService_3notReady_x6},
    {"OL_1active_2notInService_4createAndGo_6destroy",
     &OL_1active_2notInService_4createAndGo_6destroy},
    {"OL_1none_2icmp_3igmp_x6", &OL_1none_2icmp_3igmp_x6},
    {"OL_1other_2dstaddr_3srcaddr_4dstsrcaddr", &OL_1other_2dstaddr_3srcaddr_4dstsrcaddr},
    {"OL_1deny_2permit_3mirror", &OL_1deny_2permit_3mirror},
    {"OL_1other_2start", &OL_1other_2start},
    {"OL_1disabled_2enabled", &OL_1disabled_2enabled},
    {"OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_6local_8none_9empty",
     &OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_6local_8none_9empty},
    {"OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_7localenable_8none_9empty",
     &OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_7localenable_8none_9empty},
    {"OL_1deny_2permit", &OL_1deny_2permit},
    {"OL_1other_2disable_3enable", &OL_1other_2disable_3enable},
    {"OL_2enable_3disable", &OL_2enable_3disable},
    {"OL_2invalid_3valid", &OL_2invalid_3valid},
    {"OL_1active_2notInService", &OL_1active_2notInService},
    {"OL_0stp_1rstp_2mstp", &OL_0stp_1rstp_2mstp},
    {"OL_1other_2dstmacaddr_3srcmacaddr_4dstsrcmacaddr",
     &OL_1other_2dstmacaddr_3srcmacaddr_4dstsrcmacaddr},
    {"OL_1other_2dstipaddr_3srcipaddr_4dstsrcipaddr",
     &OL_1other_2dstipaddr_3srcipaddr_4dstsrcipaddr},
    {"OL_1none_2type_3code_4typecode", &OL_1none_2type_3code_4typecode},
    {"OL_0critical_1warning_2information", &OL_0critical_1warning_2information},
    {"OL_1initialize_2disconnected_3connecting_x9", &OL_1initialize_2disconnected_3connecting_x9},
    {"OL_1request_2response_3success_x7", &OL_1request_2response_3success_x7},
    {"OL_0both_1in", &OL_0both_1in},
    {"OL_1authorized_2unauthorized", &OL_1authorized_2unauthorized},
    {"OL_1remoteAuthServer_2localAuthServer", &OL_1remoteAuthServer_2localAuthServer},
    {"OL_1supplicantLogoff_2portFailure_3supplicantRestart_x8",
     &OL_1supplicantLogoff_2portFailure_3supplicantRestart_x8},
    {"OL_1local_2radius", &OL_1local_2radius},
    {"OL_1lowVoltage_2overCurrent_3working_x6", &OL_1lowVoltage_2overCurrent_3working_x6},
    {"OL_1portStatusMode_2poeStatusMode", &OL_1portStatusMode_2poeStatusMode},
    {"OL_1included_2excluded", &OL_1included_2excluded},
    {"OL_1noAuthNoPriv_2authNoPriv_3authPriv", &OL_1noAuthNoPriv_2authNoPriv_3authPriv},
    {"OL_1tacacs_2xtacacs_3tacacsplus_4radius", &OL_1tacacs_2xtacacs_3tacacsplus_4radius},
    {"OL_2auto_3standalone", &OL_2auto_3standalone},
    {"OL_0true_1false_2auto", &OL_0true_1false_2auto},
    {"OL_2enabled_3disabled", &OL_2enabled_3disabled},
    {"OL_2enablestrict_3disable_4enableloose", &OL_2enablestrict_3disable_4enableloose},
    {"OL_1inactive_2active", &OL_1inactive_2active},
    {"OL_1up_2down", &OL_1up_2down},
    {"OL_0none_1simple_2MD5", &OL_0none_1simple_2MD5},
    {"OL_1copper_2fiber", &OL_1copper_2fiber},
    {"OL_0system_1server1_2server2", &OL_0system_1server1_2server2},
    {"OL_0disable_1repeating_2annual", &OL_0disable_1repeating_2annual},
    {"OL_1other_2dstipv6addr_3srcipv6addr_4dstsrcipv6addr",
     &OL_1other_2dstipv6addr_3srcipv6addr_4dstsrcipv6addr},
    {"OL_1other_2droppacket_3setdropprecedence", &OL_1other_2droppacket_3setdropprecedence},
    {"OL_2standard_3proprietary_4experiment", &OL_2standard_3proprietary_4experiment},
    {"OL_1other_2snmpip_3snmpipx_4snmpipipx", &OL_1other_2snmpip_3snmpipx_4snmpipipx},
    {"OL_1other_2inuse_3notinuse", &OL_1other_2inuse_3notinuse},
    {"OL_1other_2proceeding_3completed_4failed", &OL_1other_2proceeding_3completed_4failed},
    {"OL_1other_2inprocess_3invalidfile_x10", &OL_1other_2inprocess_3invalidfile_x10},
    {"OL_1proceeding_2completed_3failed", &OL_1proceeding_2completed_3failed},
    {"OL_2networkload_3outofbandload", &OL_2networkload_3outofbandload},
    {"OL_2upload_3download", &OL_2upload_3download},
    {"OL_2inactive_3start_4delete_5configasbootupfw",
     &OL_2inactive_3start_4delete_5configasbootupfw},
    {"OL_3warmstart_4noreset", &OL_3warmstart_4noreset},
    {"OL_2console", &OL_2console},
    {"OL_2disabled_3bootp_4dhcp", &OL_2disabled_3bootp_4dhcp},
    {"OL_1normal_2exhausted", &OL_1normal_2exhausted},
    {"OL_1none_2config_3system_4reset", &OL_1none_2config_3system_4reset},
    {"OL_1forceUnauthorized_2auto_3forceAuthorized", &OL_1forceUnauthorized_2auto_3forceAuthorized},
    {"OL_1unauth_2authenticating_3authenticated", &OL_1unauth_2authenticating_3authenticated},
    {"OL_1unconnected_2connecting_3authenticating_x5",
     &OL_1unconnected_2connecting_3authenticating_x5},
    {"OL_2inuse_3notinuse", &OL_2inuse_3notinuse},
    {"OL_1normal_2active", &OL_1normal_2active},
    {"OL_0none_1moduleTypeCOMBO_2moduleType1394_x27",
     &OL_0none_1moduleTypeCOMBO_2moduleType1394_x27},
    {"OL_1other_2linkpass_3linkfail", &OL_1other_2linkpass_3linkfail},
    {"OL_0none_1storm_2lbd_3unknow", &OL_0none_1storm_2lbd_3unknow},
    {"OL_1forwardallgroups_2forwardunregisteredgroups_3filterunregisteredgroups",
     &OL_1forwardallgroups_2forwardunregisteredgroups_3filterunregisteredgroups},
    {"OL_2macsource_3macdestination_4macsourcedest_x6",
     &OL_2macsource_3macdestination_4macsourcedest_x6},
    {"OL_2static_3lacp", &OL_2static_3lacp},
    {"OL_2querier_3nonquerier", &OL_2querier_3nonquerier},
    {"OL_2disable_3enable", &OL_2disable_3enable},
    {"OL_2permanent_3deleteOnTimeout_4deleteOnReset",
     &OL_2permanent_3deleteOnTimeout_4deleteOnReset},
    {"OL_1none_2permit_3deny", &OL_1none_2permit_3deny},
    {"OL_2blockByAddrBind_3delete", &OL_2blockByAddrBind_3delete},
    {"OL_1replace_2drop_3keep", &OL_1replace_2drop_3keep},
    {"OL_1include_2exclude", &OL_1include_2exclude},
    {"OL_1none_2stormOccurred_3stormCleared_4both", &OL_1none_2stormOccurred_3stormCleared_4both},
    {"OL_1shutdown_2drop", &OL_1shutdown_2drop},
    {"OL_1yes_2no", &OL_1yes_2no},
    {"OL_1trap_2inform", &OL_1trap_2inform},
    {"OL_tNone_tMD5_tSHA", &OL_tNone_tMD5_tSHA},
    {"OL_tNone_tDES", &OL_tNone_tDES},
    {"OL_1exact_2prefix", &OL_1exact_2prefix},
    {"OL_1add_2delete", &OL_1add_2delete},
    {"OL_0local0_1local1_2local2_x8", &OL_0local0_1local1_2local2_x8},
    {"OL_1all_2warning_3informational", &OL_1all_2warning_3informational},
    {"OL_1authProtocolRadiusEap_2authProtocolRadiusPap",
     &OL_1authProtocolRadiusEap_2authProtocolRadiusPap},
    {"OL_1portBase_2macBase_3none", &OL_1portBase_2macBase_3none},
    {"OL_1swRadiusServerIndexfirst_2swRadiusServerIndexsecond_3swRadiusServerIndexthird",
     &OL_1swRadiusServerIndexfirst_2swRadiusServerIndexsecond_3swRadiusServerIndexthird},
    {"OL_1acctServiceIndexnetwork_2acctServiceIndexexec_3acctServiceIndexsystem",
     &OL_1acctServiceIndexnetwork_2acctServiceIndexexec_3acctServiceIndexsystem},
    {"OL_1swRadiusAcctServiceMethodNone_2swRadiusAcctServiceMethodRadius",
     &OL_1swRadiusAcctServiceMethodNone_2swRadiusAcctServiceMethodRadius},
    {"OL_1radiusAcctServiceModeNone_2radiusAcctServiceModeStartStop_3radiusAcctServiceModeStopOnly",
     &OL_1radiusAcctServiceModeNone_2radiusAcctServiceModeStartStop_3radiusAcctServiceModeStopOnly},
    {"OL_tRedundantPower", &OL_tRedundantPower},
    {"OL_0other_1working_2fail", &OL_0other_1working_2fail},
    {"OL_1cs_2cas_3ms", &OL_1cs_2cas_3ms},
    {"OL_2inactive_3start_4delete", &OL_2inactive_3start_4delete},
    {"OL_1none_2rsa_3dsa", &OL_1none_2rsa_3dsa},
    {"OL_0cist_1msti", &OL_0cist_1msti},
    {"OL_2disabled_3discarding_4learning_x7", &OL_2disabled_3discarding_4learning_x7},
    {"OL_0disable_1alternate_2backup_x8", &OL_0disable_1alternate_2backup_x8},
    {"OL_0never_10tenmin_30thirtymin_60sixtymin", &OL_0never_10tenmin_30thirtymin_60sixtymin},
    {"OL_2disabled_1enabled", &OL_2disabled_1enabled},
    {"OL_2false", &OL_2false},
    {"OL_2false_1true", &OL_2false_1true},
    {"OL_1ARP_2ACL_3Auto", &OL_1ARP_2ACL_3Auto},
    {"OL_1other_2blockByAddrBind_3delete", &OL_1other_2blockByAddrBind_3delete},
    {"OL_1up_2down_3testing", &OL_1up_2down_3testing},
    {"OL_ifTypeGigabitL2Vlan", &OL_ifTypeGigabitL2Vlan},
    {"OL_2invalid_3direct_4indirect", &OL_2invalid_3direct_4indirect},
    {"OL_ipRouteProto", &OL_ipRouteProto},
    {"OL_tSystem", &OL_tSystem},
    {"OL_1other_2invalid_3dynamic_4static", &OL_1other_2invalid_3dynamic_4static},
    {"OL_2invalid_3learned_4self_5mgmt", &OL_2invalid_3learned_4self_5mgmt},
    {"OL_608021Dand8021Q", &OL_608021Dand8021Q},
    {"OL_2permanent_3dynamicGvrp", &OL_2permanent_3dynamicGvrp},
    {"OL_1admitAll_2admitOnlyVlanTagged", &OL_1admitAll_2admitOnlyVlanTagged},
    {"OL_2manual_3bootp_4dhcp", &OL_2manual_3bootp_4dhcp},
    {"OL_2up_3down", &OL_2up_3down},
    {"OL_2static_3dynamic", &OL_2static_3dynamic},
    {"OL_1primary_2backup", &OL_1primary_2backup},
    {"OL_2rip_3ospf_4static_5local", &OL_2rip_3ospf_4static_5local},
    {"OL_2rip_3ospf", &OL_2rip_3ospf},
    {"OL_2all_3type1_4type2_x9", &OL_2all_3type1_4type2_x9},
    {"OL_1down_4pointToPoint", &OL_1down_4pointToPoint},
    {"OL_1broadcast_2nbma_3pointToPoint_5pointToMultipoint",
     &OL_1broadcast_2nbma_3pointToPoint_5pointToMultipoint},
    {"OL_1down_2loopback_3waiting_x7", &OL_1down_2loopback_3waiting_x7},
    {"OL_1blocked_2multicast_3unicast", &OL_1blocked_2multicast_3unicast},
    {"OL_1type1_2type2", &OL_1type1_2type2},
    {"OL_1initialize_2backup_3master", &OL_1initialize_2backup_3master},
    {"OL_1noAuthentication_2simpleTextPassword_3ipAuthenticationHeader",
     &OL_1noAuthentication_2simpleTextPassword_3ipAuthenticationHeader},
    {"OL_1ip_2bridge_3decnet_4other", &OL_1ip_2bridge_3decnet_4other},
    {"OL_1denyNextPort_2denyLowPriorityPort", &OL_1denyNextPort_2denyLowPriorityPort},
    {"OL_1other_2enable_3disable", &OL_1other_2enable_3disable},
    {"OL_1critical_2high_3low", &OL_1critical_2high_3low},
    {"OL_1class0_2class1_3class2_x5", &OL_1class0_2class1_3class2_x5},
    {"OL_1on_2off_3error", &OL_1on_2off_3error},
    {"OL_1other_2querier_3nonquerier", &OL_1other_2querier_3nonquerier},
    {"OL_1permit_2deny", &OL_1permit_2deny},
    {"OL_1vlanbased_2portbased", &OL_1vlanbased_2portbased},
    {"OL_1normal_2loop_3error", &OL_1normal_2loop_3error},
    {"OL_1ethernet_2rfc1042_3snap8021H_x5", &OL_1ethernet_2rfc1042_3snap8021H_x5},
    {"OL_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x25",
     &OL_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x25},
    {"OL_0other_1empty_2linkdown_x10", &OL_0other_1empty_2linkdown_x10},
    {"OL_1other_2nwayenabled_3nwaydisabled10MbpsHalf_x10",
     &OL_1other_2nwayenabled_3nwaydisabled10MbpsHalf_x10},
    {"OL_1broadcast_2peertopeer_3mixed_4hybid", &OL_1broadcast_2peertopeer_3mixed_4hybid},
    {"OL_1predefined_2infinite", &OL_1predefined_2infinite},
    {"OL_1ethernet_2ieee802_3both", &OL_1ethernet_2ieee802_3both},
    {"OL_1ethernet_2iee802", &OL_1ethernet_2iee802},
    {"OL_1manual_2automatic", &OL_1manual_2automatic},
    {"OL_1ping_2gratuitousarp", &OL_1ping_2gratuitousarp},
    {"OL_1Jan_2Feb_3Mar_x12", &OL_1Jan_2Feb_3Mar_x12},
    {"OL_1Sun_2Mon_3Tue_x7", &OL_1Sun_2Mon_3Tue_x7},
    {"OL_11st_22nd_33rd_x5", &OL_11st_22nd_33rd_x5},
    {"OL_1other_2dstIPv6addr_3srcIPv6addr_4dstsrcIPv6addr",
     &OL_1other_2dstIPv6addr_3srcIPv6addr_4dstsrcIPv6addr},
    {"OL_1disconnected_2logoff_3connecting_x7", &OL_1disconnected_2logoff_3connecting_x7},
    {"OL_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x11",
     &OL_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x11},
    {"OL_2linkpass_3linkfail", &OL_2linkpass_3linkfail},
    {"OL_2auto_3half10Mbps_4full10Mbps_x7", &OL_2auto_3half10Mbps_4full10Mbps_x7},
    {"OL_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x7",
     &OL_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x7},
    {"OL_1other_2auto_3half10Mbps_x8", &OL_1other_2auto_3half10Mbps_x8},
    {"OL_0none_1moduleTypeCOMBO_2moduleType1000T_3moduleTypeBaseModule",
     &OL_0none_1moduleTypeCOMBO_2moduleType1000T_3moduleTypeBaseModule},
    {"OL_2nwayenabled_3nwaydisabled10MbpsHalf_4nwaydisabled10MbpsFull_x7",
     &OL_2nwayenabled_3nwaydisabled10MbpsHalf_4nwaydisabled10MbpsFull_x7},
    {"OL_1other_2nwayenabled_3nwaydisabled10MbpsHalf_x8",
     &OL_1other_2nwayenabled_3nwaydisabled10MbpsHalf_x8},
    {"OL_1enable_2disable_3notReady_x6", &OL_1enable_2disable_3notReady_x6},
    {"OL_2auto_3standalone_4master_5slave", &OL_2auto_3standalone_4master_5slave},
    {"OL_1ipv4_2ipv6_16dns", &OL_1ipv4_2ipv6_16dns},
    {"OL_4createAndGo_6destroy", &OL_4createAndGo_6destroy},
    {"OL_1responseReceived_2unknown_3internalError_x11",
     &OL_1responseReceived_2unknown_3internalError_x11},
    {"OL_1currentx_2expired_3defaulted_x6", &OL_1currentx_2expired_3defaulted_x6},
    {"OL_1detached_2waiting_3attached_x6", &OL_1detached_2waiting_3attached_x6},
    {"OL_1noChurn_2churn_3churnMonitor", &OL_1noChurn_2churn_3churnMonitor},
    {"OL_0STPCompatibility_2RSTP", &OL_0STPCompatibility_2RSTP},
    {"OL_1notInUse_2inUse", &OL_1notInUse_2inUse},
    {"OL_1none_2success_3inProgress_x7", &OL_1none_2success_3inProgress_x7},
    {"OL_2volatile_3nonVolatile", &OL_2volatile_3nonVolatile},
    {"OL_ifType", &OL_ifType},
    {"OL_2constant_3rsre_4vanj", &OL_2constant_3rsre_4vanj},
    {"OL_tcpConnState", &OL_tcpConnState},
    {"OL_1idle_2acquisition_3down_x5", &OL_1idle_2acquisition_3down_x5},
    {"OL_1active_2passive", &OL_1active_2passive},
    {"OL_1start_2stop", &OL_1start_2stop},
    {"OL_1disabled_2blocking_3listening_x6", &OL_1disabled_2blocking_3listening_x6},
    {"OL_1unknown_2decLb100_3ieee8021d", &OL_1unknown_2decLb100_3ieee8021d},
    {"OL_2invalid_3permanent_4deleteOnReset_5deleteOnTimeout",
     &OL_2invalid_3permanent_4deleteOnReset_5deleteOnTimeout},
    {"OL_2invalid_3permanent", &OL_2invalid_3permanent},
    {"OL_1independent_2shared", &OL_1independent_2shared},
    {"OL_1other_2dstaddr_3srcaddr_x5", &OL_1other_2dstaddr_3srcaddr_x5},
};

const int OptionTableCount = static_cast<int>(std::size(OptionTables));

const QxOptionList* FindOptionTable(const char* name) {
    for (const QxOptionTableRef& ref : OptionTables) {
        if (std::strcmp(ref.name, name) == 0) {
            return ref.list;
        }
    }
    return nullptr;
}
