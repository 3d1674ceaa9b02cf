#pragma once

#include <string>
#include <vector>

// The consistency rules of the switch's IP interfaces, checked before an interface is added
// or deleted: a strict IPv4 address, one of three subnet masks, one interface per network,
// unique names and IF indexes, at most a primary and a secondary interface per VLAN, and the
// "System" interface that must stay. Each check gives the message the user sees, or the empty
// text when the interface passes.
class QxIpInterfaceChecks {
public:
    // One interface as the list shows it: the value texts of its row.
    struct Row {
        std::string address;
        std::string ifIndex;
        std::string name;
        std::string mask;
        std::string vlan;
        std::string secondary; // "true" or "false"
    };

    // What the edit window holds for a new interface. Combo boxes give the chosen label, or
    // the empty text when nothing is chosen.
    struct NewInterface {
        std::string address;
        std::string mask;
        std::string ifIndex;
        std::string name;
        std::string vlan;
        std::string secondary;
        bool modeChosen = false;
        bool operChosen = false;
    };

    static constexpr const char* InvalidAddress = "Please input valid IP Address.";
    static constexpr const char* InvalidMask = "Please input valid Subnet Mask.";
    static constexpr const char* SameNetwork =
        "There is an same interface, please modify IP or Subnet Mask!";
    static constexpr const char* NoIfIndex = "Please input If Index.";
    static constexpr const char* UsedIfIndex = "Please input different If Index.";
    static constexpr const char* NoName = "Please input Interface Name.";
    static constexpr const char* UsedName = "Please input different Interface Name.";
    static constexpr const char* NoSecondary = "Please choose Secondary.";
    static constexpr const char* PrimaryExists =
        "This vlan has been used to create primary interface.\nPlease choose true in Secondary";
    static constexpr const char* UsedVlan = "Please input different VLAN Name.";
    static constexpr const char* VlanFull = "A VLAN can just create two interface.";
    static constexpr const char* NoPrimary = "You should create primary interface at first.";
    static constexpr const char* NoMode = "Please choose Mode";
    static constexpr const char* NoLinkState = "Please choose Link State";
    static constexpr const char* SystemQuestion =
        "Are you sure to change the System interface? It is the management interface: taken "
        "out of service or given to DHCP, the switch may no longer be reachable at its "
        "address.";
    static constexpr const char* SystemInterface = "The system IP interface can't be deleted.";
    static constexpr const char* SecondaryFirst = "The secondary interface must be deleted first!";

    // The name of the interface the device itself is managed through.
    static constexpr const char* SystemName = "System";

    // 1 to 16 characters of digits and dots forming four parts of 0 to 255 (leading zeros
    // allowed); not 0.0.0.0, 255.255.255.255, a loopback (127) or a class D or E address
    // (224 to 247; 248 to 255 pass).
    static bool IsValidAddress(const std::string& text);
    // Exactly "255.0.0.0", "255.255.0.0" or "255.255.255.0".
    static bool IsValidMask(const std::string& text);
    // The first 1, 2 or 3 parts of the address for those three masks (all four for any other
    // mask text), the rest 0, as dotted decimals without leading zeros.
    static std::string Network(const std::string& address, const std::string& mask);

    // The checks of a new interface against the existing rows, in the order the user meets
    // them; the message of the first that fails.
    static std::string CheckAdd(const NewInterface& added, const std::vector<Row>& rows);
    // The checks of deleting row `selected` of `rows`.
    static std::string CheckDelete(const std::vector<Row>& rows, int selected);
    // The checks of changing an interface.
    static std::string CheckEdit(bool modeChosen, bool operChosen);

private:
    static std::string CheckVlan(const NewInterface& added, const std::vector<Row>& rows);
};
