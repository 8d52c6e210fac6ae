// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/report_descriptor.h"

#include <algorithm>
#include <array>
#include <memory>

namespace vorlak {
namespace {

enum class ItemType : std::uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3 };

// Tags of the items the capabilities depend on; every other item is skipped.
constexpr std::uint8_t kInputTag = 0x8;
constexpr std::uint8_t kOutputTag = 0x9;
constexpr std::uint8_t kCollectionTag = 0xA;
constexpr std::uint8_t kFeatureTag = 0xB;
constexpr std::uint8_t kEndCollectionTag = 0xC;
constexpr std::uint8_t kUsagePageTag = 0x0;
constexpr std::uint8_t kReportSizeTag = 0x7;
constexpr std::uint8_t kReportIdTag = 0x8;
constexpr std::uint8_t kReportCountTag = 0x9;
constexpr std::uint8_t kPushTag = 0xA;
constexpr std::uint8_t kPopTag = 0xB;
constexpr std::uint8_t kUsageTag = 0x0;

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::size_t kLongItemHeader = 3;  // prefix, data size, long tag
constexpr std::uint32_t kApplication = 0x01;
constexpr std::size_t kExtendedUsageSize = 4;  // usage page in the upper 16 bits
constexpr std::size_t kReportIds = 256;
// The most bits a report may have so that its bytes plus the id byte fit in 16 bits.
constexpr std::uint64_t kMaxReportBits = (0xFFFFu - 1u) * 8u;

struct Item {
    ItemType type = ItemType::Reserved;
    std::uint8_t tag = 0;
    std::uint32_t data = 0;
    std::size_t size = 0;  // data bytes
};

struct GlobalState {
    std::uint16_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

enum ReportKind : std::size_t { kInputReport, kOutputReport, kFeatureReport, kReportKinds };

// The bits declared per report kind and id in the open top-level collection, and the
// longest report of each kind in bytes (id byte included). An entry belongs to the
// collection only when it carries the collection's stamp, so a new collection starts
// without clearing every entry.
class ReportLengths {
public:
    void Start() {
        ++stamp_;
        longest_ = {};
    }
    // False when the report grows beyond kMaxReportBits.
    bool Add(ReportKind kind, std::uint8_t id, std::uint64_t bits) {
        Entry& entry = entries_[kind][id];
        if (entry.stamp != stamp_)
            entry = {0, stamp_};
        entry.bits += bits;  // no overflow: both terms are far below 2^63
        if (entry.bits > kMaxReportBits)
            return false;
        auto bytes = static_cast<std::uint16_t>((entry.bits + 7) / 8 + 1);
        longest_[kind] = std::max(longest_[kind], bytes);
        return true;
    }
    std::uint16_t Longest(ReportKind kind) const { return longest_[kind]; }

private:
    struct Entry {
        std::uint64_t bits = 0;
        std::uint64_t stamp = 0;
    };
    std::array<std::array<Entry, kReportIds>, kReportKinds> entries_{};
    std::array<std::uint16_t, kReportKinds> longest_{};
    std::uint64_t stamp_ = 0;
};

class Parser {
public:
    explicit Parser(std::span<const std::uint8_t> descriptor) : bytes_(descriptor) {}

    std::optional<std::vector<HidCaps>> Run() {
        while (pos_ < bytes_.size()) {
            Item item;
            if (!ReadItem(item) || !Apply(item))
                return std::nullopt;
        }
        if (depth_ != 0)
            return std::nullopt;
        return std::move(collections_);
    }

private:
    bool ReadItem(Item& item) {
        const std::size_t left = bytes_.size() - pos_;
        const std::uint8_t prefix = bytes_[pos_];
        if (prefix == kLongItemPrefix) {
            // No long items are defined: skip it whole.
            if (left < kLongItemHeader || left - kLongItemHeader < bytes_[pos_ + 1])
                return false;
            pos_ += kLongItemHeader + bytes_[pos_ + 1];
            item = {};
            return true;
        }
        static constexpr std::size_t kDataSizes[] = {0, 1, 2, 4};
        const std::size_t size = kDataSizes[prefix & 3];
        if (left - 1 < size)
            return false;
        std::uint32_t data = 0;
        for (std::size_t k = 0; k < size; ++k)
            data |= static_cast<std::uint32_t>(bytes_[pos_ + 1 + k]) << (8 * k);
        item = {static_cast<ItemType>((prefix >> 2) & 3), static_cast<std::uint8_t>(prefix >> 4),
                data, size};
        pos_ += 1 + size;
        return true;
    }

    bool Apply(const Item& item) {
        switch (item.type) {
            case ItemType::Main:
                return Main(item);
            case ItemType::Global:
                return Global(item);
            case ItemType::Local:
                if (item.tag == kUsageTag && !usage_)
                    usage_ = item;
                return true;
            case ItemType::Reserved:
                return true;
        }
        return true;
    }

    bool Main(const Item& item) {
        bool ok = true;
        switch (item.tag) {
            case kInputTag:
                ok = AddReport(kInputReport);
                break;
            case kOutputTag:
                ok = AddReport(kOutputReport);
                break;
            case kFeatureTag:
                ok = AddReport(kFeatureReport);
                break;
            case kCollectionTag:
                OpenCollection(item.data);
                break;
            case kEndCollectionTag:
                ok = CloseCollection();
                break;
            default:
                break;
        }
        usage_.reset();  // local items end with each main item
        return ok;
    }

    bool Global(const Item& item) {
        switch (item.tag) {
            case kUsagePageTag:
                global_.usagePage = static_cast<std::uint16_t>(item.data);
                break;
            case kReportSizeTag:
                global_.reportSize = item.data;
                break;
            case kReportCountTag:
                global_.reportCount = item.data;
                break;
            case kReportIdTag:
                if (item.data == 0 || item.data >= kReportIds)
                    return false;
                global_.reportId = static_cast<std::uint8_t>(item.data);
                break;
            case kPushTag:
                if (stack_.size() == kGlobalStackDepth)
                    return false;
                stack_.push_back(global_);
                break;
            case kPopTag:
                if (stack_.empty())
                    return false;
                global_ = stack_.back();
                stack_.pop_back();
                break;
            default:
                break;
        }
        return true;
    }

    // Reports count only inside a top-level application collection.
    bool AddReport(ReportKind kind) {
        if (!inApplication_)
            return true;
        std::uint64_t bits = std::uint64_t{global_.reportSize} * global_.reportCount;
        return lengths_.Add(kind, global_.reportId, bits);
    }

    // The collection's usage is its first Usage, completed by the usage page in force
    // now unless the usage is an extended one that carries its own page.
    void OpenCollection(std::uint32_t type) {
        if (depth_++ != 0 || type != kApplication)
            return;
        inApplication_ = true;
        current_ = {};
        current_.usagePage = global_.usagePage;
        if (usage_) {
            current_.usage = static_cast<std::uint16_t>(usage_->data);
            if (usage_->size == kExtendedUsageSize)
                current_.usagePage = static_cast<std::uint16_t>(usage_->data >> 16);
        }
        lengths_.Start();
    }

    bool CloseCollection() {
        if (depth_ == 0)
            return false;
        if (--depth_ == 0 && inApplication_) {
            inApplication_ = false;
            current_.inputReportLength = lengths_.Longest(kInputReport);
            current_.outputReportLength = lengths_.Longest(kOutputReport);
            current_.featureReportLength = lengths_.Longest(kFeatureReport);
            collections_.push_back(current_);
        }
        return true;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    GlobalState global_;
    std::vector<GlobalState> stack_;
    std::optional<Item> usage_;  // the first Usage since the last main item
    std::size_t depth_ = 0;
    bool inApplication_ = false;
    HidCaps current_;
    ReportLengths lengths_;
    std::vector<HidCaps> collections_;
};

}  // namespace

std::optional<std::vector<HidCaps>> ParseReportDescriptor(
    std::span<const std::uint8_t> descriptor) {
    auto parser = std::make_unique<Parser>(descriptor);  // its tables are large for a stack
    return parser->Run();
}

}  // namespace vorlak
