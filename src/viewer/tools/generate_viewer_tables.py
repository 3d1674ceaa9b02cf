#!/usr/bin/env python3
"""Writes ViewerDescriptorTables.cpp: the descriptor tables of the standard-MIB tables that the
table viewers show, taken from the compiled MIB modules of Debian's python3-pysnmp4-mibs.

The modules are read as text (their one-line definitions), so no SNMP library is needed. The
draft DVMRP-STD-MIB is not among them; its two tables are written out below.

    python3 src/viewer/tools/generate_viewer_tables.py > src/viewer/ViewerDescriptorTables.cpp
"""
import re
import sys

MIBS = '/usr/lib/python3/dist-packages/pysnmp_mibs/'

# The tables the viewers show: (module, table or group name, descriptor-table name). A group of
# scalars is given by its first and last sub-identifier under the group's OID.
TABLES = [
    ('EtherLike-MIB', 'dot3StatsTable'),
    ('BRIDGE-MIB', 'dot1dTpFdbTable'),
    ('Q-BRIDGE-MIB', 'dot1qStaticUnicastTable'),
    ('Q-BRIDGE-MIB', 'dot1qStaticMulticastTable'),
    ('RMON-MIB', 'etherStatsTable'),
    ('RMON-MIB', 'historyControlTable'),
    ('RMON-MIB', 'etherHistoryTable'),
    ('RMON-MIB', 'alarmTable'),
    ('RMON-MIB', 'eventTable'),
    ('IP-FORWARD-MIB', 'ipCidrRouteTable'),
    ('RIPv2-MIB', 'rip2IfStatTable'),
    ('RIPv2-MIB', 'rip2IfConfTable'),
    ('OSPF-MIB', 'ospfAreaTable'),
    ('OSPF-MIB', 'ospfLsdbTable'),
    ('OSPF-MIB', 'ospfNbrTable'),
    ('IPMROUTE-STD-MIB', 'ipMRouteTable'),
    ('PIM-MIB', 'pimInterfaceTable'),
    ('PIM-MIB', 'pimNeighborTable'),
]
# The OSPF general group as the first OSPF MIB defined it (ospfRouterId to
# ospfDemandExtensions): agents of the older MIB answer exactly these.
SCALAR_GROUPS = [('OSPF-MIB', 'ospfGeneralGroup', (1, 3, 6, 1, 2, 1, 14, 1), 1, 14)]

# DVMRP-STD-MIB (experimental 62): dvmrpInterfaceTable and dvmrpNeighborTable.
DVMRP = '1.3.6.1.3.62.1.1'
DVMRP_TABLES = {
    'dvmrpInterfaceTable': (DVMRP + '.2.1', ['dvmrpInterfaceIfIndex'], [
        (1, 'dvmrpInterfaceIfIndex', 'Integer32', 'noaccess', None),
        (2, 'dvmrpInterfaceLocalAddress', 'IpAddress', 'readonly', None),
        (3, 'dvmrpInterfaceMetric', 'Integer32', 'readcreate', None),
        (4, 'dvmrpInterfaceStatus', 'RowStatus', 'readcreate', None),
        (5, 'dvmrpInterfaceRcvBadPkts', 'Counter32', 'readonly', None),
        (6, 'dvmrpInterfaceRcvBadRoutes', 'Counter32', 'readonly', None),
        (7, 'dvmrpInterfaceSentRoutes', 'Counter32', 'readonly', None),
        (8, 'dvmrpInterfaceInterfaceKey', 'SnmpAdminString', 'readcreate', None),
        (9, 'dvmrpInterfaceInterfaceKeyVersion', 'Integer32', 'readcreate', None),
    ]),
    'dvmrpNeighborTable': (DVMRP + '.3.1', ['dvmrpNeighborIfIndex', 'dvmrpNeighborAddress'], [
        (1, 'dvmrpNeighborIfIndex', 'Integer32', 'noaccess', None),
        (2, 'dvmrpNeighborAddress', 'IpAddress', 'noaccess', None),
        (3, 'dvmrpNeighborUpTime', 'TimeTicks', 'readonly', None),
        (4, 'dvmrpNeighborExpiryTime', 'TimeTicks', 'readonly', None),
        (5, 'dvmrpNeighborGenerationId', 'Integer32', 'readonly', None),
        (6, 'dvmrpNeighborMajorVersion', 'Integer32', 'readonly', None),
        (7, 'dvmrpNeighborMinorVersion', 'Integer32', 'readonly', None),
        (8, 'dvmrpNeighborCapabilities', 'Bits', 'readonly', None),
        (9, 'dvmrpNeighborRcvRoutes', 'Counter32', 'readonly', None),
        (10, 'dvmrpNeighborRcvBadPkts', 'Counter32', 'readonly', None),
        (11, 'dvmrpNeighborRcvBadRoutes', 'Counter32', 'readonly', None),
        (12, 'dvmrpNeighborState', 'Integer32', 'readonly',
         [('oneway', 1), ('active', 2), ('ignoring', 3), ('down', 4)]),
    ]),
}

# Imported textual conventions: base type and named values.
KNOWN_TCS = {
    'DisplayString': ('DisplayString', None),
    'SnmpAdminString': ('DisplayString', None),
    'MacAddress': ('MacAddress', None),
    'PhysAddress': ('OctetString', None),
    'InterfaceIndex': ('Integer32', None),
    'InterfaceIndexOrZero': ('Integer32', None),
    'TimeStamp': ('TimeTicks', None),
    'TimeInterval': ('Integer32', None),
    'TimeFilter': ('TimeTicks', None),
    'AutonomousType': ('ObjectIdentifier', None),
    'RowPointer': ('ObjectIdentifier', None),
    'TruthValue': ('Integer32', [('true', 1), ('false', 2)]),
    'RowStatus': ('Integer32', [('active', 1), ('notInService', 2), ('notReady', 3),
                                ('createAndGo', 4), ('createAndWait', 5), ('destroy', 6)]),
    'StorageType': ('Integer32', [('other', 1), ('volatile', 2), ('nonVolatile', 3),
                                  ('permanent', 4), ('readOnly', 5)]),
    'EnabledStatus': ('Integer32', [('enabled', 1), ('disabled', 2)]),
    'InetAddressType': ('Integer32', None),
    'InetAddress': ('OctetString', None),
}

SYNTAX = {
    'Integer': 'sxInteger', 'Integer32': 'sxInteger',
    'Counter32': 'sxCounter', 'Gauge32': 'sxGuage', 'Unsigned32': 'sxGuage',
    'TimeTicks': 'sxTimeticks', 'Counter64': 'sxCounter64', 'IpAddress': 'sxIpaddress',
    'ObjectIdentifier': 'sxObjectid', 'OctetString': 'sxOctetstr', 'Bits': 'sxBitstr',
    'DisplayString': 'sxDisplaystr', 'MacAddress': 'sxMacaddress',
    # RMON's owner strings are text, though their textual convention says OCTET STRING.
    'OwnerString': 'sxDisplaystr',
}

# Octet strings that hold text although their syntax does not say so.
TEXT_OBJECTS = {'eventCommunity'}

NAMED = re.compile(r'\("([\w-]+)", (-?\d+)\)')


def named_values(text):
    m = re.search(r'namedValues\s*=\s*NamedValues\((.*?\))\s*,?\s*\)', text)
    return sorted(((n, int(v)) for n, v in NAMED.findall(m.group(1))), key=lambda p: p[1]) if m else None


class Module:
    def __init__(self, name):
        self.name = name
        self.text = open(MIBS + name + '.py').read()
        self.tcs = {}
        for m in re.finditer(r'^class (\w+)\(([\w, ]+)\):\n((?:    .*\n)*)', self.text, re.M):
            bases = [b.strip() for b in m.group(2).split(',') if b.strip() != 'TextualConvention']
            self.tcs[m.group(1)] = (bases[0], named_values(m.group(3)))
        self.objects = {}
        pattern = r'^(\w+) = (MibTableColumn|MibScalar)\(\(([\d, ]+)\), (.*)\)\.setMaxAccess\("(\w+)"\)'
        for m in re.finditer(pattern, self.text, re.M):
            oid = tuple(int(x) for x in m.group(3).replace(' ', '').split(',') if x)
            self.objects[m.group(1)] = (oid, m.group(4), m.group(5))
        self.rows = {}
        for m in re.finditer(r'^(\w+) = MibTableRow\(\(([\d, ]+)\)\)\.setIndexNames\((.*)\)$',
                             self.text, re.M):
            oid = tuple(int(x) for x in m.group(2).replace(' ', '').split(',') if x)
            index = re.findall(r'\((\d), "([\w-]+)", "(\w+)"\)', m.group(3))
            self.rows[oid] = [(int(implied), mod, name) for implied, mod, name in index]
        self.tables = {}
        for m in re.finditer(r'^(\w+) = MibTable\(\(([\d, ]+)\)\)', self.text, re.M):
            self.tables[m.group(1)] = tuple(int(x) for x in m.group(2).replace(' ', '').split(',') if x)

    def resolve(self, expr):
        """Base type and named values of a syntax expression."""
        head = re.match(r'(\w+)', expr).group(1)
        names = named_values(expr)
        seen = set()
        while head not in SYNTAX and head not in seen:
            seen.add(head)
            if head in self.tcs:
                base, tc_names = self.tcs[head]
                names = names or tc_names
                head = base
            elif head in module('IANA-RTPROTO-MIB').tcs:
                base, tc_names = module('IANA-RTPROTO-MIB').tcs[head]
                names = names or tc_names
                head = base
            elif head in KNOWN_TCS:
                base, tc_names = KNOWN_TCS[head]
                names = names or tc_names
                head = base
            else:
                raise SystemExit(f'{self.name}: unknown syntax {head}')
        return SYNTAX[head], names


modules = {}


def module(name):
    if name not in modules:
        modules[name] = Module(name)
    return modules[name]


def dotted(oid):
    return '.'.join(str(x) for x in oid)


option_lists = {}  # name -> pairs


def option_list(obj, names):
    if not names:
        return None
    key = 'VOL_' + obj
    option_lists[key] = names
    return key


def row(oid, label, syntax, access, options):
    opt = f', &{options}' if options else ''
    return f'    {{"{oid}", "{label}", {syntax}, {access}{opt}}},'


def table_rows(mod_name, table):
    """Index parts first, in index order, then the other columns in OID order."""
    m = module(mod_name)
    entry = m.tables[table] + (1,)
    index = m.rows[entry]
    out = []
    own = sorted((o for o in m.objects.items() if o[1][0][:-1] == entry), key=lambda o: o[1][0])
    for n, (implied, imod, iname) in enumerate(index):
        im = module(imod)
        ioid, iexpr, _ = im.objects[iname]
        syntax, names = im.resolve(iexpr)
        access = 'acNotaccess'
        if implied and n == len(index) - 1:
            access = 'acNotaccess | acImplied'
        # An index part that is a column of another table has no column here.
        text = dotted(ioid) if ioid[:-1] == entry else ' '
        out.append(row(text, iname, syntax, access, option_list(iname, names)))
    index_names = {name for _, _, name in index}
    for name, (oid, expr, access) in own:
        if name in index_names or access == 'noaccess':
            continue
        syntax, names = m.resolve(expr)
        if name in TEXT_OBJECTS:
            syntax = 'sxDisplaystr'
        out.append(row(dotted(oid), name, syntax, 'acReadonly', option_list(name, names)))
    return out, len(index)


def dvmrp_rows(table):
    entry, index, columns = DVMRP_TABLES[table]
    out = []
    syntaxes = {'Integer32': 'sxInteger', 'IpAddress': 'sxIpaddress', 'RowStatus': 'sxInteger',
                'Counter32': 'sxCounter', 'SnmpAdminString': 'sxDisplaystr',
                'TimeTicks': 'sxTimeticks', 'Bits': 'sxBitstr'}
    ordered = sorted(columns, key=lambda c: (c[1] not in index, index.index(c[1]) if c[1] in index else c[0]))
    for sub, name, syntax, access, names in ordered:
        if syntax == 'RowStatus':
            names = KNOWN_TCS['RowStatus'][1]
        acc = 'acNotaccess' if name in index else 'acReadonly'
        out.append(row(f'{entry}.{sub}', name, syntaxes[syntax], acc, option_list(name, names)))
    return out, len(index)


def scalar_rows(mod_name, first_oid, low, high):
    m = module(mod_name)
    out = []
    objs = sorted(((o[0], n, o[1]) for n, o in m.objects.items()
                   if o[0][:-1] == first_oid and low <= o[0][-1] <= high))
    for oid, name, expr in objs:
        syntax, names = m.resolve(expr)
        out.append(row(dotted(oid), name, syntax, 'acReadonly', option_list(name, names)))
    return out


def main():
    bodies = []
    counts = []
    for mod_name, table in TABLES:
        rows, n = table_rows(mod_name, table)
        bodies.append((f'{mod_name} {table}, index parts {n}', 'VT_' + table, rows))
    for table in DVMRP_TABLES:
        rows, n = dvmrp_rows(table)
        bodies.append((f'DVMRP-STD-MIB {table}, index parts {n}', 'VT_' + table, rows))
    for mod_name, group, oid, low, high in SCALAR_GROUPS:
        rows = scalar_rows(mod_name, oid, low, high)
        bodies.append((f'{mod_name} {group}, scalars', 'VT_' + group, rows))

    w = sys.stdout.write
    w('// Generated by src/viewer/tools/generate_viewer_tables.py from the standard MIB modules; edit\n'
      '// the generator, not this file.\n'
      '//\n'
      '// Descriptor tables of the standard-MIB tables the table viewers show: index parts first, in\n'
      '// index order (a single-space OID for a part that is a column of another table), then the\n'
      '// columns in OID order. Every column is read-only here: the viewers never write. Labels are\n'
      '// the MIB object names; enumerations carry their named values.\n\n'
      '// clang-format off\n'
      '#include "viewer/ViewerDescriptorTables.h"\n\n'
      '#include "vocab/QxOptionList.h"\n\n'
      'namespace {\n\n')
    for name, pairs in sorted(option_lists.items()):
        items = ', '.join(f'{{{v}, "{n}"}}' for n, v in pairs)
        w(f'constexpr OptionPair Pairs_{name[4:]}[] = {{{items}, {{}}}};\n')
        w(f'const QxOptionList {name}(Pairs_{name[4:]}, QxOptionList::olInteger);\n')
    w('\n} // namespace\n')
    for comment, name, rows in bodies:
        w(f'\n// {comment}\nconst UISnmpVar {name}[] = {{\n')
        w('\n'.join(rows))
        w('\n    {},\n};\n')
    w('// clang-format on\n')


main()
