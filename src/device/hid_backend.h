// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's HID services as the transport needs them: the list of present HID
// interfaces (one per top-level collection) with identity and capabilities, and open
// collections that take feature reports, output reports and input report reads.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/transfer_result.h"

namespace vorlak {

struct HidIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t version = 0;
};

// Top-level usage and report lengths of a collection, counted as the transport expects
// them: the longest report of each kind plus one byte for the report id.
struct HidCaps {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;
};

// One entry of the interface list. probeOk / capsOk are false when the interface could not
// be opened for the attribute queries or its capabilities could not be read; discovery
// then stops, as it does on those failures.
struct HidInterfaceInfo {
    std::string path;
    HidIdentity identity;
    HidCaps caps;
    bool probeOk = true;
    bool capsOk = true;
    // False when the capability data could not be fetched at all (capsOk then unused).
    bool preparsedOk = true;
};

// An open collection. Each transfer returns whether it was done, or the system's reason why
// not; a report the device took only in part counts as failed.
class HidHandle {
public:
    virtual ~HidHandle() = default;
    // One feature report, report id in byte 0.
    virtual TransferResult SetFeature(std::span<const std::uint8_t> report) = 0;
    // Reads one feature report whole into report (report id in byte 0); on failure the
    // bytes of report are not to be used.
    virtual TransferResult GetFeature(std::span<std::uint8_t> report) = 0;
    // One output report, report id in byte 0.
    virtual TransferResult Write(std::span<const std::uint8_t> report) = 0;
    // Waits for one input report (report id in byte 0) or for Wake(). Returns the number
    // of bytes read, 0 when woken, -1 when the collection is gone or failed: the caller
    // must not read again after -1.
    virtual int Read(std::span<std::uint8_t> buffer) = 0;
    // Makes a Read that waits, or the next one, return 0. Safe from any thread.
    virtual void Wake() = 0;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;
    // The present HID interfaces in enumeration order; nothing when the list cannot be had.
    virtual std::optional<std::vector<HidInterfaceInfo>> Enumerate() = 0;
    // The command collection, for reading and writing; null on failure.
    virtual std::unique_ptr<HidHandle> OpenCommand(const std::string& path) = 0;
    // The event collection, for reading input reports; null on failure.
    virtual std::unique_ptr<HidHandle> OpenEvent(const std::string& path) = 0;
    // The device nodes of present mice that this user may not open (none where every node
    // can be opened, or where access is not a matter of permissions).
    virtual std::vector<std::string> InaccessibleMouseNodes() { return {}; }
    // What tells this plug of the device that the collection at path belongs to from every
    // earlier and later one (the system's time of its arrival); empty when that cannot be told.
    virtual std::string ArrivalKey(const std::string& path) {
        (void)path;
        return {};
    }
};

}  // namespace vorlak
