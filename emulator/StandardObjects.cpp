#include "StandardObjects.h"

#include <cctype>

#include "StatusBlock.h"

namespace {
constexpr std::uint8_t kCounter32 = 0x41;

enum HrPrinterStatus { kOther = 1, kIdle = 3, kPrinting = 4, kWarmup = 5 };
enum HrDeviceStatus { kRunning = 2, kWarning = 3, kDown = 5 };

ObjectIdentifier Join(ObjectIdentifier base, std::initializer_list<std::uint32_t> tail) {
    base.insert(base.end(), tail);
    return base;
}

const ObjectIdentifier kSystem{1, 3, 6, 1, 2, 1, 1};
const ObjectIdentifier kHrDeviceEntry{1, 3, 6, 1, 2, 1, 25, 3, 2, 1};
const ObjectIdentifier kHrPrinterEntry{1, 3, 6, 1, 2, 1, 25, 3, 5, 1};
const ObjectIdentifier kSuppliesEntry{1, 3, 6, 1, 2, 1, 43, 11, 1, 1};
const ObjectIdentifier kColorantEntry{1, 3, 6, 1, 2, 1, 43, 12, 1, 1};
const ObjectIdentifier kLocalizationEntry{1, 3, 6, 1, 2, 1, 43, 7, 1, 1};
constexpr std::int32_t kCharacterSetUtf8 = 106;
}  // namespace

const ObjectIdentifier& StandardObjects::DeviceIdOid() {
    static const ObjectIdentifier oid{1, 3, 6, 1, 4, 1, 2699, 1, 2, 1, 2, 1, 1, 3, 1};
    return oid;
}

void StandardObjects::AddText(const ObjectIdentifier& oid, const std::string& text) {
    objects_[oid] = SnmpMessage::VarBind{oid, SnmpMessage::kOctetString, BytesOf(text)};
}

void StandardObjects::AddInteger(const ObjectIdentifier& oid, std::int32_t value,
                                 std::uint8_t tag) {
    Bytes contents = SnmpMessage::IntegerContents(value);
    // Unsigned types carry no sign: a value with the top bit set gets a leading zero.
    if (tag != SnmpMessage::kInteger && value < 0) contents.insert(contents.begin(), 0);
    objects_[oid] = SnmpMessage::VarBind{oid, tag, contents};
}

StandardObjects::StandardObjects(const Printer& printer, std::int64_t nowMs,
                                 std::uint32_t upTimeCentiseconds) {
    const PrinterModel& model = printer.Model();
    const std::uint8_t code = printer.StatusCode(nowMs);
    bool lowInk = false;
    for (std::size_t i = 0; i < model.inks.size(); ++i)
        lowInk = lowInk || printer.InkPercent(i) <= 25;

    AddText(Join(kSystem, {1, 0}),
            model.name + " (emulated), firmware " + printer.FirmwareVersion());
    objects_[Join(kSystem, {2, 0})] =
        SnmpMessage::VarBind{Join(kSystem, {2, 0}), SnmpMessage::kOid,
                             EncodeObjectIdentifier({1, 3, 6, 1, 4, 1, 1248, 1, 1, 2, 1})};
    AddInteger(Join(kSystem, {3, 0}), static_cast<std::int32_t>(upTimeCentiseconds),
               SnmpMessage::kTimeTicks);
    AddText(Join(kSystem, {4, 0}), "");
    AddText(Join(kSystem, {5, 0}), model.ShortName());
    AddText(Join(kSystem, {6, 0}), "");

    objects_[Join(kHrDeviceEntry, {2, 1})] =
        SnmpMessage::VarBind{Join(kHrDeviceEntry, {2, 1}), SnmpMessage::kOid,
                             EncodeObjectIdentifier({1, 3, 6, 1, 2, 1, 25, 3, 1, 5})};
    AddText(Join(kHrDeviceEntry, {3, 1}), model.name);
    AddInteger(Join(kHrDeviceEntry, {5, 1}), code == StatusBlock::kError ? kDown
                                             : lowInk                    ? kWarning
                                                                         : kRunning);

    AddInteger(Join(kHrPrinterEntry, {1, 1}), code == StatusBlock::kError  ? kOther
                                              : code == StatusBlock::kBusy ? kPrinting
                                                                           : kIdle);
    // hrPrinterDetectedErrorState: lowToner 0x20, serviceRequested 0x01 (first byte).
    const std::uint8_t errorState =
        static_cast<std::uint8_t>((lowInk ? 0x20 : 0) | (code == StatusBlock::kError ? 0x01 : 0));
    objects_[Join(kHrPrinterEntry, {2, 1})] = SnmpMessage::VarBind{
        Join(kHrPrinterEntry, {2, 1}), SnmpMessage::kOctetString, Bytes{errorState, 0x00}};

    // prtGeneralCurrentLocalization points at the one localization row: English, supply names
    // and the like in UTF-8 (IANA character set 106). Supply readers ask for both before they
    // trust any text of the supplies table.
    AddInteger({1, 3, 6, 1, 2, 1, 43, 5, 1, 1, 2, 1}, 1);
    AddText({1, 3, 6, 1, 2, 1, 43, 5, 1, 1, 16, 1}, model.name);
    AddText(Join(kLocalizationEntry, {2, 1, 1}), "en");
    AddText(Join(kLocalizationEntry, {3, 1, 1}), "US");
    AddInteger(Join(kLocalizationEntry, {4, 1, 1}), kCharacterSetUtf8);
    AddInteger({1, 3, 6, 1, 2, 1, 43, 10, 2, 1, 4, 1, 1},
               static_cast<std::int32_t>(printer.State().totalPages), kCounter32);

    for (std::uint32_t slot = 1; slot <= model.inks.size(); ++slot) {
        const PrinterModel::InkSlot& ink = model.inks[slot - 1];
        AddInteger(Join(kSuppliesEntry, {2, 1, slot}), 1);  // marker index
        AddInteger(Join(kSuppliesEntry, {3, 1, slot}),
                   static_cast<std::int32_t>(slot));        // colorant
        AddInteger(Join(kSuppliesEntry, {4, 1, slot}), 3);  // supplyThatIsConsumed
        AddInteger(Join(kSuppliesEntry, {5, 1, slot}), 6);  // inkCartridge
        AddText(Join(kSuppliesEntry, {6, 1, slot}), ink.colour + " ink");
        AddInteger(Join(kSuppliesEntry, {7, 1, slot}), 19);  // percent
        AddInteger(Join(kSuppliesEntry, {8, 1, slot}), 100);
        AddInteger(Join(kSuppliesEntry, {9, 1, slot}), printer.InkPercent(slot - 1));
        std::string colour = ink.colour;
        for (char& c : colour) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        AddText(Join(kColorantEntry, {4, 1, slot}), colour);
    }

    AddText(DeviceIdOid(), model.DeviceId());
}

bool StandardObjects::Get(const ObjectIdentifier& oid, SnmpMessage::VarBind& binding) const {
    const auto found = objects_.find(oid);
    if (found == objects_.end()) return false;
    binding = found->second;
    return true;
}

bool StandardObjects::GetNext(const ObjectIdentifier& oid, SnmpMessage::VarBind& binding) const {
    const auto next = objects_.upper_bound(oid);
    if (next == objects_.end()) return false;
    binding = next->second;
    return true;
}
