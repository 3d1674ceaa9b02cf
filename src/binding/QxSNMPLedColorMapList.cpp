#include "binding/QxSNMPLedColorMapList.h"

QxSNMPLedColorMapList::QxSNMPLedColorMapList(const LedColorPair* table, std::uint8_t valueMask,
                                             std::uint8_t blinkMask, TColor offColour,
                                             TColor absentColour)
    : valueMask_(valueMask), blinkMask_(blinkMask), offColour_(offColour),
      absentColour_(absentColour) {
    Append(table);
}

void QxSNMPLedColorMapList::Append(const LedColorPair* table) {
    if (table == nullptr) {
        return;
    }
    for (const LedColorPair* pair = table; pair->colour != -1; ++pair) {
        entries_.push_back({pair->key, pair->colour});
    }
}

TColor QxSNMPLedColorMapList::ColourOf(std::int32_t key) const {
    const auto octet = static_cast<std::uint8_t>(key & 0xFF);
    for (const Entry& e : entries_) {
        if (static_cast<std::uint8_t>(e.key & 0xFF) == octet) {
            return e.colour;
        }
    }
    return clBlack;
}

namespace {

constexpr LedColorPair Green123[] = {{1, clLime}, {2, clLime}, {3, clLime}, {}};
constexpr LedColorPair Console[] = {{1, clBlack}, {2, clLime}, {3, clBlack}, {}};
constexpr LedColorPair Rps[] = {{3, clLime}, {4, clBlack}, {}};
// Port LEDs: link down, link at 10 Mbps, link at 100/1000 Mbps.
constexpr LedColorPair PortLink[] = {{0, clBlack}, {1, clLedOrange}, {2, clLime}, {}};
// Combo ports: no link, then the two states of each kind of link.
constexpr LedColorPair ComboLink[] = {
    {0, clBlack}, {1, clLedOrange}, {2, clLedOrange}, {3, clLime}, {4, clLime}, {},
};
// PoE LEDs: delivering power, off, error.
constexpr LedColorPair PoePower[] = {{0, clBlack}, {1, clLime}, {2, clBlack}, {3, clLedOrange}, {}};

} // namespace

const QxSNMPLedColorMapList LedColorMap1(Green123, 0xFF, 0, clBlack, clBlack);
const QxSNMPLedColorMapList LedColorMap2(Console, 0xFF, 0, clBlack, clBlack);
const QxSNMPLedColorMapList LedColorMap3(Rps, 0xFF, 0, clBlack, clBlack);
const QxSNMPLedColorMapList LedColorMap4(Green123, 0xFF, 0, clBlack, clBlack);
const QxSNMPLedColorMapList LedColorMap5(PortLink, 7, 0x80, clBlack, clBlack);
const QxSNMPLedColorMapList LedColorMap6(ComboLink, 7, 0x80, clBlack, clBlack);
const QxSNMPLedColorMapList LedColorMap7(PoePower, 7, 0x80, clBlack, clBlack);
