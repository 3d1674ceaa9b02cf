#include "SimHandler.h"

#include <cstdio>
#include <limits>

namespace {

SimOid NameOf(const netsnmp_variable_list* vb) {
    return SimOid(vb->name, vb->name + vb->name_length);
}

// The value of a varbind as a SimValue; nullopt for a type the simulator never serves.
std::optional<SimValue> FromVarbind(const netsnmp_variable_list* vb) {
    switch (vb->type) {
    case ASN_INTEGER:
        return SimValue::Integer(static_cast<int32_t>(*vb->val.integer));
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        return SimValue::Unsigned(static_cast<SimType>(vb->type),
                                  static_cast<u_long>(*vb->val.integer));
    case ASN_COUNTER64:
        return SimValue::Unsigned(SimType::Counter64,
                                  (static_cast<uint64_t>(vb->val.counter64->high) << 32) |
                                      (vb->val.counter64->low & 0xFFFFFFFFu));
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
    case ASN_IPADDRESS:
        return SimValue::Octets(
            std::string(reinterpret_cast<const char*>(vb->val.string), vb->val_len),
            static_cast<SimType>(vb->type));
    case ASN_OBJECT_ID:
        return SimValue::Object(SimOid(vb->val.objid, vb->val.objid + vb->val_len / sizeof(oid)));
    case ASN_NULL:
        return SimValue{};
    default:
        return std::nullopt;
    }
}

void ToVarbind(netsnmp_variable_list* vb, const SimValue& v) {
    const u_char type = static_cast<u_char>(v.type);
    switch (v.type) {
    case SimType::Integer: {
        const long n = v.AsInteger();
        snmp_set_var_typed_value(vb, type, &n, sizeof n);
        break;
    }
    case SimType::Counter32:
    case SimType::Gauge32:
    case SimType::TimeTicks: {
        const u_long n = static_cast<u_long>(v.number & 0xFFFFFFFFu);
        snmp_set_var_typed_value(vb, type, &n, sizeof n);
        break;
    }
    case SimType::Counter64: {
        counter64 c{};
        c.high = static_cast<u_long>(v.number >> 32);
        c.low = static_cast<u_long>(v.number & 0xFFFFFFFFu);
        snmp_set_var_typed_value(vb, type, &c, sizeof c);
        break;
    }
    case SimType::OctetString:
    case SimType::Opaque:
    case SimType::IpAddress:
        snmp_set_var_typed_value(vb, type, v.bytes.data(), v.bytes.size());
        break;
    case SimType::ObjectId:
        snmp_set_var_typed_value(vb, type, v.name.data(), v.name.size() * sizeof(oid));
        break;
    case SimType::Null:
        snmp_set_var_typed_value(vb, ASN_NULL, nullptr, 0);
        break;
    }
}

// Type, length and value checks of a SET against the object's syntax.
int CheckValue(const SimSyntax& syntax, const SimValue& value) {
    if (value.type != syntax.type)
        return SNMP_ERR_WRONGTYPE;
    switch (value.type) {
    case SimType::IpAddress:
        return value.bytes.size() == 4 ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGLENGTH;
    case SimType::OctetString:
    case SimType::Opaque:
        return syntax.constraint.Allows(static_cast<int64_t>(value.bytes.size()))
                   ? SNMP_ERR_NOERROR
                   : SNMP_ERR_WRONGLENGTH;
    case SimType::ObjectId:
        return syntax.constraint.AllowsName(value.name) ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
    case SimType::Integer:
        if (syntax.access == SimAccess::TestAndIncr && value.AsInteger() < 0)
            return SNMP_ERR_WRONGVALUE; // a lock runs from 0 to 2147483647
        if (syntax.access == SimAccess::RowStatus) {
            const int32_t status = value.AsInteger();
            // notReady (3) is reported by an agent, never set by a manager.
            if (status < 1 || status > 6 || status == 3)
                return SNMP_ERR_WRONGVALUE;
        }
        if (syntax.access == SimAccess::ValidStatus) {
            const int32_t status = value.AsInteger();
            if (status != 2 && status != 3)
                return SNMP_ERR_WRONGVALUE;
        }
        return syntax.constraint.Allows(value.AsInteger()) ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
    case SimType::Counter32:
    case SimType::Gauge32:
    case SimType::TimeTicks:
    case SimType::Counter64:
        return syntax.constraint.Allows(static_cast<int64_t>(value.number)) ? SNMP_ERR_NOERROR
                                                                            : SNMP_ERR_WRONGVALUE;
    default:
        return SNMP_ERR_NOERROR;
    }
}

std::string Describe(const SimValue& v) {
    switch (v.type) {
    case SimType::Integer:
        return std::to_string(v.AsInteger());
    case SimType::OctetString:
    case SimType::Opaque: {
        std::string text = "\"";
        for (char c : v.bytes) {
            if (c >= 32 && c < 127) {
                text += c;
            } else {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02X",
                              static_cast<unsigned>(static_cast<uint8_t>(c)));
                text += escaped;
            }
        }
        return text + "\"";
    }
    case SimType::IpAddress: {
        std::string text;
        for (char c : v.bytes)
            text += (text.empty() ? "" : ".") + std::to_string(static_cast<uint8_t>(c));
        return text;
    }
    case SimType::ObjectId:
        return OidText(v.name);
    case SimType::Null:
        return "null";
    default:
        return std::to_string(v.number);
    }
}

using Columns = std::vector<std::pair<SimOid, const SimColumn*>>;

const Columns::value_type* StatusColumn(const Columns& columns) {
    for (const auto& column : columns) {
        if (IsRowStatus(column.second->syntax.access))
            return &column;
    }
    return nullptr;
}

// What writing `status` to a status column of `access` asks of its row, in RowStatus terms:
// createAndGo (4) or createAndWait (5) create the row when it is missing, destroy (6) removes
// it, 0 only writes the value. A valid/invalid status creates with valid (3) and removes with
// invalid (2).
int RowRequest(SimAccess access, int32_t status) {
    if (access == SimAccess::RowStatus)
        return status >= 4 && status <= 6 ? status : 0;
    if (access == SimAccess::ValidStatus)
        return status == 3 ? 4 : status == 2 ? 6 : 0;
    return 0;
}

// String number `part` (1 = the first) of an index made of length-prefixed strings; nullopt
// when the index is no such sequence or has fewer strings.
std::optional<std::string> IndexString(const SimOid& index, unsigned part) {
    std::vector<std::string> strings;
    for (size_t at = 0; at < index.size();) {
        const oid length = index[at++];
        if (length > index.size() - at)
            return std::nullopt;
        std::string text;
        for (oid i = 0; i < length; ++i, ++at) {
            if (index[at] > 255)
                return std::nullopt;
            text += static_cast<char>(index[at]);
        }
        strings.push_back(std::move(text));
    }
    if (part == 0 || part > strings.size())
        return std::nullopt;
    return strings[part - 1];
}

// The value a new row's index column starts with, taken from the row's index.
std::optional<SimValue> IndexValue(const SimColumn& column, const SimOid& index) {
    if (column.syntax.type == SimType::OctetString) {
        auto text = IndexString(index, column.indexPart);
        if (!text)
            return std::nullopt;
        return SimValue::Octets(std::move(*text));
    }
    if (column.syntax.type == SimType::IpAddress) {
        // Four sub-identifiers from sub-identifier N, each an octet.
        const size_t first = column.indexPart - 1;
        if (first + 4 > index.size())
            return std::nullopt;
        std::string octets;
        for (size_t i = first; i < first + 4; ++i) {
            if (index[i] > 255)
                return std::nullopt;
            octets += static_cast<char>(index[i]);
        }
        return SimValue::Octets(octets, SimType::IpAddress);
    }
    const uint64_t part = column.indexPart <= index.size() ? index[column.indexPart - 1] : 0;
    return column.syntax.type == SimType::Integer ? SimValue::Integer(static_cast<int32_t>(part))
                                                  : SimValue::Unsigned(column.syntax.type, part);
}

SimOid Concat(const SimOid& a, const SimOid& b) {
    SimOid name = a;
    name.insert(name.end(), b.begin(), b.end());
    return name;
}

} // namespace

SimHandler::SimHandler(SimStore& store, SimOid root, std::function<void()> before, bool verbose)
    : store_(store), root_(std::move(root)), before_(std::move(before)), verbose_(verbose) {}

bool SimHandler::Register() {
    const std::string name = "ksw-sim " + OidText(root_);
    registration_ = netsnmp_create_handler_registration(
        name.c_str(), &SimHandler::Dispatch, root_.data(), root_.size(), HANDLER_CAN_RWRITE);
    if (registration_ == nullptr)
        return false;
    registration_->handler->myvoid = this;
    return netsnmp_register_handler(registration_) == MIB_REGISTERED_OK;
}

int SimHandler::Dispatch(netsnmp_mib_handler* handler, netsnmp_handler_registration*,
                         netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    auto* self = static_cast<SimHandler*>(handler->myvoid);
    if (self->before_)
        self->before_();
    switch (info->mode) {
    case MODE_GET:
        self->Get(info, requests);
        break;
    case MODE_GETNEXT:
        self->GetNext(requests);
        break;
    case MODE_SET_RESERVE1:
        self->Reserve(requests);
        break;
    case MODE_SET_RESERVE2:
        break;
    case MODE_SET_ACTION:
        self->Action(requests);
        break;
    case MODE_SET_COMMIT:
        self->Commit();
        break;
    case MODE_SET_UNDO:
        self->Undo();
        break;
    case MODE_SET_FREE:
        self->rows_.clear();
        self->changes_.clear();
        self->recorded_.clear();
        break;
    default:
        break;
    }
    return SNMP_ERR_NOERROR;
}

void SimHandler::Log(const char* what, const SimOid& name, const std::string& detail) const {
    if (verbose_)
        std::fprintf(stderr, "ksw-sim: %s %s %s\n", what, OidText(name).c_str(), detail.c_str());
}

void SimHandler::Get(netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    for (netsnmp_request_info* r = requests; r != nullptr; r = r->next) {
        if (r->processed)
            continue;
        const SimOid name = NameOf(r->requestvb);
        if (const SimEntry* entry = store_.Find(name)) {
            const SimValue value = entry->Current();
            ToVarbind(r->requestvb, value);
            Log("GET", name, "= " + Describe(value));
            continue;
        }
        // An instance of a known object (or table column) is noSuchInstance, anything else
        // noSuchObject.
        const SimOid parent(name.begin(), name.end() - 1);
        const bool known = store_.ColumnOf(name) != nullptr || store_.HasBelow(parent);
        netsnmp_set_request_error(info, r, known ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
        Log("GET", name, known ? "noSuchInstance" : "noSuchObject");
    }
}

void SimHandler::GetNext(netsnmp_request_info* requests) {
    // The last object of this column answers a get-next with the first one, going back as a
    // faulty agent might, so that clients can be tested against endless walks.
    static const SimOid LoopingColumn = {1, 3, 6, 1, 4, 1, 32473, 99, 4, 1, 1};
    static const SimOid LoopFrom = {1, 3, 6, 1, 4, 1, 32473, 99, 4, 1, 1, 2};
    for (netsnmp_request_info* r = requests; r != nullptr; r = r->next) {
        if (r->processed)
            continue;
        const SimOid name = NameOf(r->requestvb);
        const auto* next =
            name == LoopFrom ? store_.Next(LoopingColumn, root_) : store_.Next(name, root_);
        if (next == nullptr)
            continue; // past this subtree: the agent goes on with the next registration
        snmp_set_var_objid(r->requestvb, next->first.data(), next->first.size());
        const SimValue value = next->second.Current();
        ToVarbind(r->requestvb, value);
        Log("GETNEXT", name, "-> " + OidText(next->first) + " = " + Describe(value));
    }
}

int SimHandler::Check(netsnmp_request_info* request, netsnmp_request_info* all) {
    const SimOid name = NameOf(request->requestvb);
    const auto value = FromVarbind(request->requestvb);

    if (const SimEntry* entry = store_.Find(name)) {
        if (entry->live || entry->syntax.access == SimAccess::ReadOnly)
            return SNMP_ERR_NOTWRITABLE;
        if (!value)
            return SNMP_ERR_WRONGTYPE;
        if (const int error = CheckValue(entry->syntax, *value); error != SNMP_ERR_NOERROR)
            return error;
        // A lock set with any value but its current one lost a race with another manager.
        if (entry->syntax.access == SimAccess::TestAndIncr &&
            value->AsInteger() != entry->Current().AsInteger())
            return SNMP_ERR_INCONSISTENTVALUE;
        if (!IsRowStatus(entry->syntax.access))
            return SNMP_ERR_NOERROR;
        const int request = RowRequest(entry->syntax.access, value->AsInteger());
        if (request == 4 || request == 5) {
            // The row exists already: createAndGo is refused, valid keeps the row.
            return entry->syntax.access == SimAccess::RowStatus ? SNMP_ERR_INCONSISTENTVALUE
                                                                : SNMP_ERR_NOERROR;
        }
        if (request == 6) {
            SimOid column;
            store_.ColumnOf(name, &column);
            if (!column.empty())
                rows_.push_back(
                    {SimOid(column.begin(), column.end() - 1),
                     SimOid(name.begin() + static_cast<long>(column.size()), name.end()), 6});
        }
        return SNMP_ERR_NOERROR;
    }

    SimOid column;
    const SimColumn* definition = store_.ColumnOf(name, &column);
    if (definition == nullptr) {
        // An unknown instance of a known object cannot be created; an unknown object is not
        // writable at all.
        const SimOid parent(name.begin(), name.end() - 1);
        return store_.HasBelow(parent) ? SNMP_ERR_NOCREATION : SNMP_ERR_NOTWRITABLE;
    }
    if (definition->syntax.access == SimAccess::ReadOnly)
        return SNMP_ERR_NOTWRITABLE;
    if (!value)
        return SNMP_ERR_WRONGTYPE;
    if (const int error = CheckValue(definition->syntax, *value); error != SNMP_ERR_NOERROR)
        return error;

    const SimOid entry(column.begin(), column.end() - 1);
    const SimOid index(name.begin() + static_cast<long>(column.size()), name.end());
    const auto columns = store_.ColumnsOf(entry);
    const auto* status = StatusColumn(columns);
    if (status == nullptr)
        return SNMP_ERR_NOCREATION; // a table whose rows are fixed
    const SimOid statusName = Concat(status->first, index);
    if (store_.Find(statusName) != nullptr)
        return SNMP_ERR_NOERROR; // a missing cell of an existing row
    if (IsRowStatus(definition->syntax.access)) {
        const int wanted = RowRequest(definition->syntax.access, value->AsInteger());
        if (wanted == 4 || wanted == 5) {
            // Index columns that are served take their value from the index, which must
            // then have their form (a string index must be length-prefixed octets).
            for (const auto& [other, otherDefinition] : columns) {
                if (otherDefinition->indexPart > 0 && !IndexValue(*otherDefinition, index))
                    return SNMP_ERR_NOCREATION;
            }
            rows_.push_back({entry, index, wanted});
            return SNMP_ERR_NOERROR;
        }
        // Destroying a row that does not exist succeeds; activating it cannot.
        return wanted == 6 ? SNMP_ERR_NOERROR : SNMP_ERR_INCONSISTENTVALUE;
    }
    // Another cell of a row that this same request creates.
    for (netsnmp_request_info* other = all; other != nullptr; other = other->next) {
        if (NameOf(other->requestvb) != statusName)
            continue;
        const auto wanted = FromVarbind(other->requestvb);
        if (!wanted || wanted->type != SimType::Integer)
            continue;
        const int request = RowRequest(status->second->syntax.access, wanted->AsInteger());
        if (request == 4 || request == 5)
            return SNMP_ERR_NOERROR;
    }
    // The row could be created with createAndGo, just not by this request.
    return SNMP_ERR_INCONSISTENTNAME;
}

void SimHandler::Reserve(netsnmp_request_info* requests) {
    rows_.clear();
    changes_.clear();
    recorded_.clear();
    for (netsnmp_request_info* r = requests; r != nullptr; r = r->next) {
        if (r->processed)
            continue;
        const int error = Check(r, requests);
        if (const auto value = FromVarbind(r->requestvb))
            Log("SET", NameOf(r->requestvb), "= " + Describe(*value) + (error ? " refused" : ""));
        if (error != SNMP_ERR_NOERROR) {
            netsnmp_request_set_error(r, error);
            return;
        }
    }
}

void SimHandler::Record(const SimOid& name) {
    if (!recorded_.insert(name).second)
        return;
    const SimEntry* entry = store_.Find(name);
    changes_.push_back({name, entry != nullptr ? std::optional<SimEntry>(*entry) : std::nullopt});
}

void SimHandler::Action(netsnmp_request_info* requests) {
    // New rows first, so that the other cells of the request land in them.
    for (const RowPlan& row : rows_) {
        if (row.status == 6)
            continue;
        for (const auto& [column, definition] : store_.ColumnsOf(row.entry)) {
            const SimOid name = Concat(column, row.index);
            SimEntry cell;
            cell.syntax = definition->syntax;
            cell.value = definition->initial;
            if (definition->indexPart > 0) {
                if (auto value = IndexValue(*definition, row.index))
                    cell.value = std::move(*value);
            }
            if (definition->syntax.access == SimAccess::RowStatus)
                cell.value = SimValue::Integer(row.status == 4 ? 1 : 2); // active, notInService
            else if (definition->syntax.access == SimAccess::ValidStatus)
                cell.value = SimValue::Integer(3); // valid
            Record(name);
            store_.Put(name, std::move(cell));
        }
    }
    for (netsnmp_request_info* r = requests; r != nullptr; r = r->next) {
        if (r->processed)
            continue;
        const SimOid name = NameOf(r->requestvb);
        const auto value = FromVarbind(r->requestvb);
        if (!value)
            continue;
        SimEntry* entry = store_.Find(name);
        const SimColumn* definition = entry == nullptr ? store_.ColumnOf(name) : nullptr;
        if (entry == nullptr && definition == nullptr)
            continue; // refused in the reserve phase
        const SimAccess access =
            entry != nullptr ? entry->syntax.access : definition->syntax.access;
        if (IsRowStatus(access)) {
            // Creation and removal are row plans (removing a missing row leaves nothing
            // behind); valid written to an existing row is kept like any value.
            const int request = RowRequest(access, value->AsInteger());
            if (request == 6 || (request != 0 && access == SimAccess::RowStatus))
                continue;
        }
        Record(name);
        if (entry != nullptr && entry->syntax.access == SimAccess::TestAndIncr) {
            const int32_t current = value->AsInteger();
            entry->value =
                SimValue::Integer(current == std::numeric_limits<int32_t>::max() ? 0 : current + 1);
            continue;
        }
        if (entry == nullptr) {
            // A missing cell of an existing row.
            SimEntry cell;
            cell.syntax = definition->syntax;
            cell.value =
                definition->syntax.access == SimAccess::Accepting ? definition->initial : *value;
            store_.Put(name, std::move(cell));
        } else if (entry->syntax.access != SimAccess::Accepting) {
            entry->value = *value;
        }
    }
    for (const RowPlan& row : rows_) {
        if (row.status != 6)
            continue;
        for (const auto& [column, definition] : store_.ColumnsOf(row.entry)) {
            const SimOid name = Concat(column, row.index);
            Record(name);
            store_.Erase(name);
        }
        Log("DESTROY", Concat(row.entry, row.index), "");
    }
}

void SimHandler::Commit() {
    // Copy first: a hook may rebuild the store (a reboot) or change it.
    const std::vector<Change> changes = std::move(changes_);
    rows_.clear();
    changes_.clear();
    recorded_.clear();
    for (const Change& change : changes) {
        if (const SimStore::Hook* hook = store_.CommitHook(change.name))
            (*hook)(change.name, store_.Find(change.name));
    }
}

void SimHandler::Undo() {
    for (auto it = changes_.rbegin(); it != changes_.rend(); ++it) {
        if (it->before)
            store_.Put(it->name, *it->before);
        else
            store_.Erase(it->name);
    }
    rows_.clear();
    changes_.clear();
    recorded_.clear();
}
