#pragma once

#include <string>

class QxSNMPVarList;
struct QxVb;

// Conversions between the value texts of a variable list's entries and SNMP bindings, and
// between index values and the instance part of OIDs. Each raises framework error -511 for a
// syntax code it does not know.

// Sets entry i's value from a received binding (labels of its option list, when it has one).
void ValueFromVb(QxSNMPVarList& vars, int i, const QxVb& vb);
// Fills the binding's value from entry i's value text.
void ValueToVb(const QxSNMPVarList& vars, int i, QxVb& vb);
// Sets index entry i's value from the front of a dotted instance suffix; returns the rest.
std::string DecodeIndexPart(QxSNMPVarList& vars, int i, const std::string& suffix);
// The dotted sub-identifiers that stand for index entry i's value in an instance OID.
std::string EncodeIndexPart(const QxSNMPVarList& vars, int i);
