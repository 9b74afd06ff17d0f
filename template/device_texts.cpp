#include "template/device_texts.h"

#include <cstring>
#include <string>

#include "strings/ui_strings.h"

namespace fw {



namespace {

// Offset of a table's first slot, in slots, in file order.
int FirstSlotOf(int table) {
    int slots = 0;
    for (int t = 0; t < table - 1; ++t) slots += kDeviceTables[t].slotCount;
    return slots;
}

}  // namespace

std::size_t LoadSlotString(const UiStrings& strings, int id, Slot& slot) {
    char buffer[161] = {};
    std::size_t length = strings.LoadUiString(id, buffer, sizeof buffer);
    if (length > kSlotSize - 1) length = kSlotSize - 1;
    std::memcpy(slot, buffer, length);
    slot[length] = '\0';
    return length;
}

DeviceTexts::DeviceTexts() = default;

void DeviceTexts::FillTable(const UiStrings& strings, int table) {
    const DeviceTable& t = kDeviceTables[table - 1];
    for (int k = 0; k < t.slotCount; ++k) LoadSlotString(strings, t.firstId + k, SlotOf(table, k));
}

void DeviceTexts::FillAll(const UiStrings& strings) {
    for (int table = 1; table <= kDeviceTableCount; ++table) FillTable(strings, table);
}

Slot& DeviceTexts::SlotOf(int table, int slot) {
    return *reinterpret_cast<Slot*>(bytes_.data() + (FirstSlotOf(table) + slot) * kSlotSize);
}

const Slot& DeviceTexts::SlotOf(int table, int slot) const {
    return *reinterpret_cast<const Slot*>(bytes_.data() + (FirstSlotOf(table) + slot) * kSlotSize);
}

const char* DeviceTexts::SlotForId(int id) const {
    for (int table = 1; table <= kDeviceTableCount; ++table) {
        const DeviceTable& t = kDeviceTables[table - 1];
        if (id >= t.firstId && id < t.firstId + t.slotCount) return SlotOf(table, id - t.firstId);
    }
    return nullptr;
}

std::span<unsigned char, kDeviceTextsSize> DeviceTexts::Bytes() { return bytes_; }
std::span<const unsigned char, kDeviceTextsSize> DeviceTexts::Bytes() const { return bytes_; }

}  // namespace fw
