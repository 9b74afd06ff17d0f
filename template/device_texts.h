// The texts of the terminal's own screens, carried in every template file as
// 51 tables of 51-byte slots. They come from string ids 3001-3980, so a
// language file that translates those ids translates the terminal too.
#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace fw {

class UiStrings;

constexpr std::size_t kSlotSize = 51;  // 50 characters and a NUL
constexpr int kDeviceTableCount = 51;
constexpr int kDeviceSlotCount = 620;
constexpr std::size_t kDeviceTextsSize = kDeviceSlotCount * kSlotSize;  // 31620

struct DeviceTable {
    int firstId;
    int slotCount;
};

// The tables in file order, which is not the order of their ids.
inline constexpr std::array<DeviceTable, kDeviceTableCount> kDeviceTables = {{

    {3001, 5},  {3021, 10}, {3041, 10}, {3061, 10}, {3101, 10}, {3121, 10}, {3141, 5},
    {3161, 10}, {3181, 10}, {3201, 10}, {3221, 20}, {3241, 20}, {3261, 20}, {3301, 5},
    {3321, 5},  {3341, 5},  {3361, 5},  {3381, 15}, {3401, 10}, {3421, 5},  {3501, 5},
    {3521, 10}, {3541, 5},  {3561, 5},  {3581, 10}, {3601, 10}, {3621, 5},  {3641, 10},
    {3661, 70}, {3801, 20}, {3821, 15}, {3841, 20}, {3861, 10}, {3881, 10}, {3901, 10},
    {3921, 15}, {3531, 10}, {3281, 20}, {3431, 10}, {3441, 10}, {3761, 10}, {3771, 10},
    {3781, 10}, {3791, 10}, {3941, 20}, {3961, 20}, {3741, 20}, {3511, 10}, {3551, 10},
    {3571, 10}, {3591, 10},
}};

constexpr int TotalDeviceSlots() {
    int total = 0;
    for (const DeviceTable& t : kDeviceTables) total += t.slotCount;
    return total;
}
static_assert(TotalDeviceSlots() == kDeviceSlotCount);

// Table numbers (1-based, file order) that the loader treats specially.
constexpr int kAboutScreenTable = 5;     // ids 3101-3110
constexpr int kImagePropertiesTable = 47;  // ids 3741-3760

using Slot = char[kSlotSize];

// Fills one slot with the text of a string id, cut to 50 characters;
// returns the number of characters kept.
std::size_t LoadSlotString(const UiStrings& strings, int id, Slot& slot);

class DeviceTexts {
public:
    DeviceTexts();

    // Every slot of every table from the current texts.
    void FillAll(const UiStrings& strings);
    // Only one table (1-based, file order) from the current texts.
    void FillTable(const UiStrings& strings, int table);

    Slot& SlotOf(int table, int slot);  // table 1-based, slot 0-based
    const Slot& SlotOf(int table, int slot) const;
    // The slot that holds string id `id`, or nullptr when no table covers it.
    const char* SlotForId(int id) const;

    // The 31620 bytes as they stand in the template file.
    std::span<unsigned char, kDeviceTextsSize> Bytes();
    std::span<const unsigned char, kDeviceTextsSize> Bytes() const;

private:
    std::array<unsigned char, kDeviceTextsSize> bytes_{};
};

}  // namespace fw
