#pragma once

#include <cstdint>

class QxOptionList;

// Syntax codes of a variable: they fix the SNMP type sent in a set and the text form of the
// value. 193 to 198 only describe parts of an octet-string value bound to a control.
enum SnmpSyntax : int {
    sxBoolean = 1,
    sxInteger = 2,
    sxBitstr = 3,
    sxOctetstr = 4,
    sxNull = 5,
    sxObjectid = 6,
    sxIpaddress = 64,
    sxCounter = 65,
    sxGuage = 66,
    sxTimeticks = 67,
    sxOpaque = 68,
    sxNsapaddr = 69,
    sxCounter64 = 70,
    sxUinteger = 71,
    sxDouble = 72,
    sxMacaddress = 73,
    sxDatetime = 74,
    sxBcdatetime = 75,
    sxDisplaystr = 76,
    sxIpv6address = 77,
    sxBool8 = 193,
    sxInt8 = 194,
    sxUint8 = 195,
    sxBool16 = 196,
    sxInt16 = 197,
    sxUint16 = 198,
};

// Access flags of a variable. Hidden and invalid are set and cleared at run time.
enum SnmpAccess : std::uint32_t {
    acNotaccess = 1, // not-accessible object, typically an index part
    acReadonly = 2,
    acWriteonly = 4,
    acReadwrite = 6,
    acDerived = 8, // shown although not fetched
    acHidden = 16,
    acInvalid = 32, // excluded for the moment: not fetched, written or shown
    acImplied = 64, // last index part encoded without a length prefix
};

// List kinds of a variable list.
enum SnmpListKind : std::uint8_t {
    SVT_SV = 0,  // scalars
    MVT_SV = 1,  // one given instance of columns
    MVT_FMV = 2, // table of fixed rows
    MVT_UMV = 3, // table whose rows are created and destroyed
};

// One row of a static descriptor table. A table ends at the first row without an OID; the OID
// " " marks an index part that has no column of its own.
struct UISnmpVar {
    const char* oid = nullptr;
    const char* label = nullptr;
    int syntax = 0;
    std::uint32_t access = 0;
    const QxOptionList* options = nullptr;
    const char* readFormula = nullptr;
    const char* writeFormula = nullptr;
    const char* spare = nullptr;
    const char* value = nullptr;       // seeds the entry's value when present
    const char* instanceOid = nullptr; // seeds the entry's instance OID when present
};
