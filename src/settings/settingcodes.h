#pragma once

#include <QtGlobal>

#include <optional>
#include <span>

namespace kordavel {

// A download code names one part of a vehicle unit's data that the device asks
// for when it downloads. The version file lists the codes the device asks for
// now; a configuration file gives it a new list. 01-06 are the standard
// transfer requests (shown as "TREP 01" .. "TREP 06"), 11-19 requests for
// VDO-specific data. FF ends a group of codes; two FF in a row end the list.
namespace DownloadCode {
inline constexpr quint8 Overview = 0x01; // also opens every group of VDO-specific codes
inline constexpr quint8 Activities = 0x02;
inline constexpr quint8 EventsFaults = 0x03;
inline constexpr quint8 DetailedSpeed = 0x04;
inline constexpr quint8 TechnicalData = 0x05;
inline constexpr quint8 DriverCard = 0x06;
// 4 Hz speed data; up to software version 35 it also stands for the other
// VDO-specific data, which is why the two boxes go together there.
inline constexpr quint8 Speed4Hz = 0x11;
inline constexpr quint8 OtherVdoFirst = 0x12; // 12-16: the other VDO-specific data
inline constexpr quint8 OtherVdoLast = 0x16;
inline constexpr quint8 Speed168h = 0x19;
inline constexpr quint8 GroupEnd = 0xFF;
} // namespace DownloadCode

// The check boxes of the download page, in the order of their codes.
enum class DownloadBox {
    Overview,      // always requested; shown checked and disabled
    Activities,    // daily activity records
    EventsFaults,  // events and faults
    DetailedSpeed, // detailed speed of the last 24 h
    TechnicalData,
    DriverCard,   // the driver card inserted in the vehicle unit, if any
    SaveCardDate, // remember the date of a card downloaded straight into the device
    OtherVdoData, // VDO-specific data
    Speed168h,    // 168 h of detailed speed (VDO)
    Speed4Hz,     // 4 Hz speed data (VDO)
    UseDates,     // download between start and end dates instead of days back
};
inline constexpr int kDownloadBoxCount = 11;
inline constexpr DownloadBox kAllDownloadBoxes[kDownloadBoxCount] = {
    DownloadBox::Overview,      DownloadBox::Activities,    DownloadBox::EventsFaults,
    DownloadBox::DetailedSpeed, DownloadBox::TechnicalData, DownloadBox::DriverCard,
    DownloadBox::SaveCardDate,  DownloadBox::OtherVdoData,  DownloadBox::Speed168h,
    DownloadBox::Speed4Hz,      DownloadBox::UseDates};

// The box a download code of the version file checks; nullopt for a code that
// checks none (the overview, the group end and unknown codes).
std::optional<DownloadBox> boxForDownloadCode(int code);

// The formats in which the device names the files it downloads, as offered on
// the file-name page.
enum class FileNameFormat {
    ShortNames,   // esm/crd
    European,     // European/VDO (DDD)
    French,       // C1B/V1B
    Spanish,      // TGD
    DuvadoRirozo, // Duvado Rirozo (DDD)
};
inline constexpr int kFileNameFormatCount = 5;

// The configuration byte holds the model, the file-name format and two
// switches. Its flags are active-low: a cleared bit switches a feature on.
namespace ConfigBit {
inline constexpr int KordavelModel = 0x80; // cleared: Kordavel Plus
inline constexpr int FormatShift = 4;      // bits 4-6: the file-name format field
inline constexpr int FormatMask = 0x70;
inline constexpr int SaveCardDate = 0x08;  // cleared: save the card download date
inline constexpr int ClockDisabled = 0x02; // cleared: the device's clock is enabled
inline constexpr int Unused = 0x05;        // bits 2 and 0 mean nothing; written set
// Every flag off, the format field clear: where a byte is built from.
inline constexpr int AllOff = KordavelModel | SaveCardDate | ClockDisabled | Unused;
} // namespace ConfigBit

// A file-name format's row: the value of the configuration byte's format
// field that selects it, its key in a standard file and in the record, and
// its caption (a name, the same in every language).
struct FileNameFormatItem
{
    FileNameFormat format;
    int field; // 7 for short names, 3 to 0 for the others
    const char *key;
    const char *caption;
};
// Every format, in the order of the file-name page.
std::span<const FileNameFormatItem> fileNameFormats();
const FileNameFormatItem &itemOf(FileNameFormat format);

// Value of the format field for a file-name format; field values 4 to 7 all
// read as short names.
int formatField(FileNameFormat format);
FileNameFormat formatOfField(int field);

} // namespace kordavel
