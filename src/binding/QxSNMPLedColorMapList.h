#pragma once

#include "ui/toolkit/TColors.h"

#include <cstdint>
#include <vector>

// One pair of a static colour table: a status value and the colour of a LED that shows it.
// A table ends at the first pair whose colour is -1.
struct LedColorPair {
    std::int32_t key = 0;
    TColor colour = -1;
};

// How a LED turns one status octet into a colour: the bits of valueMask select an entry of the
// table, the bits of blinkMask make the LED flash. offColour is the colour of a LED without
// state (before the first answer, after a stop or a failed poll) and the dark phase of
// flashing; absentColour the colour of a LED whose octet is missing or that reports no port
// (-1: a missing octet is an error).
class QxSNMPLedColorMapList {
public:
    struct Entry {
        std::int32_t key = 0;
        TColor colour = 0;
    };

    // A null table counts as an empty one.
    QxSNMPLedColorMapList(const LedColorPair* table, std::uint8_t valueMask, std::uint8_t blinkMask,
                          TColor offColour, TColor absentColour);

    // Adds the pairs of a table, up to its sentinel, after the present entries.
    void Append(const LedColorPair* table);

    // The colour of the first entry whose key has the same lowest octet as `key`; black when
    // no entry has.
    TColor ColourOf(std::int32_t key) const;

    int Count() const { return static_cast<int>(entries_.size()); }
    // The caller keeps the position within 0 .. Count() - 1.
    const Entry& At(int position) const { return entries_[static_cast<size_t>(position)]; }

    std::uint8_t ValueMask() const { return valueMask_; }
    std::uint8_t BlinkMask() const { return blinkMask_; }
    TColor OffColour() const { return offColour_; }
    TColor AbsentColour() const { return absentColour_; }

private:
    std::uint8_t valueMask_;
    std::uint8_t blinkMask_;
    TColor offColour_;
    TColor absentColour_;
    std::vector<Entry> entries_;
};

// The colour maps of the front panel: power, console, RPS, status-mode indicator, port and
// gigabit LEDs in port-status mode, combo ports (and gigabit ports in PoE mode), PoE LEDs.
extern const QxSNMPLedColorMapList LedColorMap1;
extern const QxSNMPLedColorMapList LedColorMap2;
extern const QxSNMPLedColorMapList LedColorMap3;
extern const QxSNMPLedColorMapList LedColorMap4;
extern const QxSNMPLedColorMapList LedColorMap5;
extern const QxSNMPLedColorMapList LedColorMap6;
extern const QxSNMPLedColorMapList LedColorMap7;
