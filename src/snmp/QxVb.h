#pragma once

#include "snmp/QxOid.h"

#include <cstdint>
#include <string>

// A variable binding: the OID of an instance and a typed value. This is the layer's own form;
// the session wrapper converts it to and from the SNMP engine's bindings.
struct QxVb {
    // ASN.1 / SMI type tags of the value.
    enum Type : std::uint8_t {
        Integer = 0x02,
        OctetString = 0x04,
        Null = 0x05,
        ObjectId = 0x06,
        IpAddress = 0x40,
        Counter32 = 0x41,
        Gauge32 = 0x42, // also Unsigned32
        TimeTicks = 0x43,
        Opaque = 0x44,
        Counter64 = 0x46,
        NoSuchObject = 0x80, // SNMPv2 exceptions: the binding carries no value
        NoSuchInstance = 0x81,
        EndOfMibView = 0x82,
    };

    QxOid oid;
    Type type = Null;
    std::int32_t integer = 0;     // Integer
    std::uint32_t unsigned32 = 0; // Counter32, Gauge32, TimeTicks
    std::uint64_t counter64 = 0;  // Counter64
    std::string octets;           // OctetString, Opaque, IpAddress (4 octets)
    QxOid objectId;               // ObjectId

    // True for null and the SNMPv2 exceptions.
    bool HasNoValue() const {
        return type == Null || type == NoSuchObject || type == NoSuchInstance ||
               type == EndOfMibView;
    }

    void SetNull() { Reset(Null); }
    void SetInteger(std::int32_t v) {
        Reset(Integer);
        integer = v;
    }
    void SetUnsigned(Type t, std::uint32_t v) {
        Reset(t);
        unsigned32 = v;
    }
    void SetCounter64(std::uint64_t v) {
        Reset(Counter64);
        counter64 = v;
    }
    void SetOctets(Type t, std::string v) {
        Reset(t);
        octets = std::move(v);
    }
    void SetObjectId(QxOid v) {
        Reset(ObjectId);
        objectId = std::move(v);
    }

private:
    void Reset(Type t) {
        type = t;
        integer = 0;
        unsigned32 = 0;
        counter64 = 0;
        octets.clear();
        objectId.clear();
    }
};
