// SPDX-License-Identifier: GPL-3.0-or-later
// Report descriptors of the mouse's two collections and of a few other HID interfaces,
// for the parser and the device tests.
#pragma once

#include <cstdint>
#include <vector>

namespace vorlak {

using Descriptor = std::vector<std::uint8_t>;

// Usage page and usage 0xFF00, no report ids: 8-byte feature and 32-byte output reports.
inline const Descriptor kCommandDescriptor = {
    0x06, 0x00, 0xFF,  // Usage Page (0xFF00)
    0x0A, 0x00, 0xFF,  // Usage (0xFF00)
    0xA1, 0x01,        // Collection (Application)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x08,        //   Report Count (8)
    0x09, 0x01,        //   Usage (1)
    0xB1, 0x02,        //   Feature (Data, Variable)
    0x95, 0x20,        //   Report Count (32)
    0x09, 0x02,        //   Usage (2)
    0x91, 0x02,        //   Output (Data, Variable)
    0xC0,              // End Collection
};

// Usage page and usage 0xFF01: input report 6 with 7 data bytes.
inline const Descriptor kEventDescriptor = {
    0x06, 0x01, 0xFF,  // Usage Page (0xFF01)
    0x0A, 0x01, 0xFF,  // Usage (0xFF01)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x06,        //   Report ID (6)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x07,        //   Report Count (7)
    0x09, 0x01,        //   Usage (1)
    0x81, 0x02,        //   Input (Data, Variable)
    0xC0,              // End Collection
};

// The command collection with a 7-byte feature report (8 with the id byte).
inline const Descriptor kShortFeatureDescriptor = {
    0x06, 0x00, 0xFF, 0x0A, 0x00, 0xFF, 0xA1, 0x01, 0x75,
    0x08, 0x95, 0x07, 0x09, 0x01, 0xB1, 0x02, 0xC0,
};

// A boot mouse: Generic Desktop / Mouse, three buttons, X and Y.
inline const Descriptor kBootMouseDescriptor = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19,
    0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01, 0x81, 0x02,
    0x95, 0x01, 0x75, 0x05, 0x81, 0x03, 0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15,
    0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x02, 0x81, 0x06, 0xC0, 0xC0,
};

inline Descriptor Concat(std::initializer_list<Descriptor> parts) {
    Descriptor all;
    for (const Descriptor& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace vorlak
