#pragma once

#include "settingcodes.h"
#include "versionfile.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace kordavel {

// Up to this software version the 4 Hz box and the other-VDO-data box share a
// download code, so checking one checks the other.
inline constexpr qint32 kLastVersionSharing4HzCode = 35;
// First software version that takes download start and end dates.
inline constexpr qint32 kFirstVersionWithDates = 54;
// First software version that offers more than two file-name formats.
inline constexpr qint32 kFirstVersionWithAllFormats = 27;
// First software version that names its DDD files the European way.
inline constexpr qint32 kFirstVersionWithEuropeanNames = 17;

// True when the other-VDO-data box and the 4 Hz box stand for one code at
// the given software version, so that the screen keeps them alike.
inline bool sharesSpeed4HzCode(qint32 softwareVersion)
{
    return softwareVersion <= kLastVersionSharing4HzCode;
}

// One control's state as a read leaves it; an empty field is left as it was.
struct ControlState
{
    std::optional<bool> checked;
    std::optional<bool> enabled;
    std::optional<bool> visible;
};

// How the European format's button is captioned once a device is read.
enum class EuropeanFormatName { EuropeanVdo, ShortDdd };
// That caption: "European/VDO(DDD)" or "Short file name DDD"; before any
// read the button shows the format's own caption (itemOf).
QString captionOf(EuropeanFormatName name);

// What the settings controls show after a read of a version file. Every
// field that is empty is left as the screen had it; a box's enabled state
// that follows the dates box (activities, the days) is the screen's own rule.
struct DecodedSettings
{
    // The version the rules between the boxes follow from now on.
    std::optional<qint32> softwareVersion;
    std::array<ControlState, kDownloadBoxCount> boxes{};                   // by DownloadBox
    std::optional<QString> daysBack;                                       // as periodText gives it
    std::optional<bool> kordavelPlus;                                      // the model
    std::optional<FileNameFormat> fileNameFormat;                          // the one selected
    std::array<std::optional<bool>, kFileNameFormatCount> formatVisible{}; // by FileNameFormat
    std::optional<EuropeanFormatName> europeanFormatName;
    std::optional<QDate> downloadStart; // shown only when the file switches the dates on
    std::optional<QDate> downloadEnd;

    const ControlState &box(DownloadBox b) const { return boxes[std::size_t(b)]; }
    ControlState &box(DownloadBox b) { return boxes[std::size_t(b)]; }
};

// Turns the version files of successive reads into what the screen shows.
// It remembers one thing between lists and between reads: whether the last
// code it met was a group end, since two group ends in a row end a list even
// when the first closed the list before.
class SettingsDecoder
{
public:
    // data is the file as read, assessment what assessVersionFile said of it.
    // A file without a valid header shows nothing; one whose layout is unknown
    // or whose length does not fit shows its identification, the days back and
    // cleared boxes only.
    DecodedSettings decode(const QByteArray &data, const VersionAssessment &assessment);

private:
    void applyIdentification(DecodedSettings &view, const Identification &id) const;
    void clearDownloadBoxes(DecodedSettings &view) const;
    void showConfigurationByte(DecodedSettings &view, int configByte) const;
    void checkCodeList(DecodedSettings &view, const QByteArray &data, int first, int last);
    void showDates(DecodedSettings &view, const QByteArray &data) const;

    bool m_previousCodeWasEnd = false;
};

} // namespace kordavel
