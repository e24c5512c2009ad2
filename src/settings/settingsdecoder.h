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

// The device a read identified, whose rules the screen follows from then on.
struct ReadDevice
{
    Family family = Family::Unknown;
    qint32 softwareVersion = 0; // an unknown family keeps the version read before
    // The layout whose settings the file carried; None when the read shows
    // the identification and the days only (old software, a wrong length).
    Layout settingsLayout = Layout::None;
};

// A change to the settings on the screen, from a read of a device's version
// file or from a fleet standard. Every field that is empty is left as the
// screen had it; a box's enabled state that follows the dates box (activities,
// the days) is the screen's own rule.
struct SettingsChange
{
    std::optional<ReadDevice> device; // set by a read that shows anything
    std::array<std::optional<bool>, kDownloadBoxCount> checked{}; // by DownloadBox
    std::optional<QString> daysBack;                              // as periodText gives it
    std::optional<bool> kordavelPlus;                             // the model
    std::optional<FileNameFormat> fileNameFormat;                 // the one selected
    std::optional<QDate> downloadStart; // set only when the file switches the dates on
    std::optional<QDate> downloadEnd;

    const std::optional<bool> &box(DownloadBox b) const { return checked[std::size_t(b)]; }
    std::optional<bool> &box(DownloadBox b) { return checked[std::size_t(b)]; }
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
    SettingsChange decode(const QByteArray &data, const VersionAssessment &assessment);

private:
    void clearDownloadBoxes(SettingsChange &change) const;
    void showConfigurationByte(SettingsChange &change, int configByte) const;
    void checkCodeList(SettingsChange &change, const QByteArray &data, int first, int last);
    void showDates(SettingsChange &change, const QByteArray &data) const;

    bool m_previousCodeWasEnd = false;
};

} // namespace kordavel
