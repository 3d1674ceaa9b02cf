#!/usr/bin/env python3
"""Writes the guide's menu pages (menu-<menu>.html and menus.html) from the module's catalogue:

    build/bin/ksw524p --catalogue | python3 docs/help/make_menu_pages.py docs/help

One section per menu entry, anchored by the entry's name (its click handler without "Click"),
so that the help window can open the part of the page that belongs to an entry.
"""
import html
import json
import re
import sys

SYNTAX = {1: 'true/false', 2: 'number', 3: 'bit string (hex)', 4: 'octets (hex)', 6: 'object identifier',
          64: 'IP address', 65: 'counter', 66: 'gauge', 67: 'time ticks', 70: '64-bit counter',
          73: 'MAC address', 74: 'date and time', 76: 'text', 77: 'IPv6 address'}

# The click handler of each viewer entry and the table switch it passes.
VIEWER_SWITCH = {
    'dot3Statistics1Click': '/TEthernetLike_dot3StatsTable',
    'BridgeForwardingTableClick': '/TBridge_Forwarding',
    'UnicastMulticastStaticForwardTable1Click': '/TVLan_Tp8021QStatic',
    'Statistics1Click': '/TRmon_Statistics',
    'History1Click': '/TRmon_History',
    'AlarmEvent1Click': '/TRmon_AlarmEvent',
    'CIDRRFC20961Click': '/TLayer3_RIP',
    'RIP2RFC17241Click': '/TLayer3_RIP2',
    'OSPFGeneral1Click': '/TLayer3_OSPF',
    'AreaInfo1Click': '/TLayer3_Area',
    'LsdbInfo1Click': '/TLayer3_Lsdb',
    'NeighborInfo1Click': '/TLayer3_Neighbor',
    'IpMroute1Click': '/TLayer3_IPM',
    'DVMRP1Click': '/TLayer3_DVMRP',
    'PIMInfo1Click': '/TLayer3_PIM',
}

VIEWERS = {
    '/TEthernetLike_dot3StatsTable': 'the Ethernet statistics of every port (EtherLike-MIB dot3StatsTable)',
    '/TBridge_Forwarding': 'the addresses the bridge has learned (BRIDGE-MIB dot1dTpFdbTable)',
    '/TVLan_Tp8021QStatic': 'the static unicast and multicast forwarding entries of the VLANs '
                            '(Q-BRIDGE-MIB dot1qStaticUnicastTable and dot1qStaticMulticastTable), on two tabs',
    '/TRmon_Statistics': 'the RMON Ethernet statistics (RMON-MIB etherStatsTable)',
    '/TRmon_History': 'the RMON history control entries and the samples they collected '
                      '(historyControlTable and etherHistoryTable), on two tabs',
    '/TRmon_AlarmEvent': 'the RMON alarms and events (alarmTable and eventTable), on two tabs',
    '/TLayer3_RIP': 'the IP routing table with its masks (IP-FORWARD-MIB ipCidrRouteTable)',
    '/TLayer3_RIP2': 'the RIP version 2 interface statistics and configuration '
                     '(RIPv2-MIB rip2IfStatTable and rip2IfConfTable), on two tabs',
    '/TLayer3_OSPF': 'the OSPF router settings and counters (OSPF-MIB general group)',
    '/TLayer3_Area': 'the OSPF areas (OSPF-MIB ospfAreaTable)',
    '/TLayer3_Lsdb': 'the OSPF link-state database (OSPF-MIB ospfLsdbTable)',
    '/TLayer3_Neighbor': 'the OSPF neighbours (OSPF-MIB ospfNbrTable)',
    '/TLayer3_IPM': 'the IP multicast routes (IPMROUTE-STD-MIB ipMRouteTable)',
    '/TLayer3_DVMRP': 'the DVMRP interfaces and neighbours (DVMRP-STD-MIB), on two tabs',
    '/TLayer3_PIM': 'the PIM interfaces and neighbours (PIM-MIB), on two tabs',
}


def slug(caption):
    return re.sub(r'[^a-z0-9]+', '-', caption.strip().lower()).strip('-')


def item_name(entry):
    handler = entry.get('handler') or ''
    if handler.endswith('Click'):
        return handler[:-5]
    if handler:
        return handler
    last = entry['path'].split(' / ')[-1]
    return re.sub(r'[^A-Za-z0-9]', '', last) + '1'


def e(text):
    return html.escape(text or '', quote=True)


def field_list(rows):
    items = []
    for r in rows:
        if not r['label']:
            continue
        access = 'read-only' if r['access'] in (1, 2, 65) else 'can be changed'
        kind = SYNTAX.get(r['syntax'], 'value')
        if r.get('options'):
            names = ', '.join(str(o[1]) for o in r['options'][:8])
            if len(r['options']) > 8:
                names += ', …'
            kind = 'one of: ' + names
        items.append(f'<li><b>{e(r["label"])}</b> ({e(kind)}; {access})</li>')
    return '<ul>' + ''.join(items) + '</ul>'


def describe(entry):
    shape = entry['shape']
    pages = entry.get('pages') or []
    if shape == 'scalar':
        p = pages[0]
        return ('<p>A page of settings: one field per value. <i>Refresh</i> reads them again; tick the '
                'fields you changed and press <i>Set Checked</i> to write them. See '
                '<a href="pages.html#scalar">Working with pages</a>.</p>' + field_list(p['rows']))
    if shape == 'table':
        p = pages[0]
        can = 'rows can be added and deleted' if p.get('status') else 'the rows are fixed'
        return (f'<p>A table page: one line per row of the device\'s table ({can}). See '
                '<a href="pages.html#table">Working with pages</a>. Columns:</p>' + field_list(p['rows']))
    if shape == 'tabbed':
        out = ['<p>Pages on tabs:</p>']
        for p in pages:
            kind = 'table' if p['kind'] == 'table' else 'settings'
            out.append(f'<p><b>{e(p["title"])}</b> ({kind}):</p>' + field_list(p['rows']))
        return ''.join(out)
    if shape == 'form':
        return (f'<p>Opens a window of its own ({e(entry.get("form"))}). See '
                '<a href="windows.html">Hand-made windows</a> and <a href="monitors.html">Counter monitors</a>.</p>')
    if shape == 'viewer':
        switch = VIEWER_SWITCH[entry['handler']]
        program = switch[2:].split('_')[0]
        return (f'<p>Starts the table viewer <i>{program}</i> with the switch <tt>{switch}</tt>; it shows '
                f'{VIEWERS[switch]}, read-only, in a window of its own. '
                'See <a href="viewers.html">Table viewers</a>.</p>')
    if shape == 'command':
        path = entry['path']
        if 'Save' in path:
            return ('<p>Asks "Save Configurations into NV-RAM ?" and, unless you answer No, tells the device to '
                    'save its running configuration. A failure is shown in the status bar.</p>')
        if 'Reboot' in path:
            return ('<p>Asks "Are you sure to reboot the device?" and, unless you answer No, restarts the device. '
                    'While it restarts the front panel shows that it does not answer.</p>')
        return '<p>Opens this guide.</p>'
    return '<p>This entry has no action.</p>'


def page(title, body):
    return (f'<html><head><title>{e(title)}</title></head><body>\n<h1>{e(title)}</h1>\n{body}\n'
            '<hr><p><a href="index.html">Contents</a> · <a href="menus.html">The menus</a></p></body></html>\n')


def main():
    out_dir = sys.argv[1]
    entries = json.load(sys.stdin)
    menus = []
    for entry in entries:
        if entry['menu'] not in menus:
            menus.append(entry['menu'])
    index = ['<p>The menu bar of the main window holds ten menus. Each entry opens a page, a window, '
             'a table viewer or runs a command. The pages below list every entry with what it shows.</p><ul>']
    for menu in menus:
        mine = [x for x in entries if x['menu'] == menu]
        index.append(f'<li><a href="menu-{slug(menu)}.html">{e(menu.strip())}</a> ({len(mine)} entries)</li>')
        body = [f'<p>The entries of the menu <b>{e(menu.strip())}</b>, in menu order.</p><ul>']
        for x in mine:
            body.append(f'<li><a href="#{item_name(x)}">{e(x["path"])}</a></li>')
        body.append('</ul>')
        for x in mine:
            body.append(f'<h3><a name="{item_name(x)}"></a>{e(menu.strip())} / {e(x["path"])}</h3>')
            body.append(describe(x))
        with open(f'{out_dir}/menu-{slug(menu)}.html', 'w') as f:
            f.write(page(menu.strip(), '\n'.join(body)))
    index.append('</ul><p>Entries of the SNMP V3 menu are enabled only when the module runs with SNMPv3; '
                 'the RMON entries are disabled while the device\'s RMON state is disabled; '
                 '<i>SNMP Configure</i> appears only when the module is installed in the suite.</p>')
    with open(f'{out_dir}/menus.html', 'w') as f:
        f.write(page('The menus', '\n'.join(index)))


main()
