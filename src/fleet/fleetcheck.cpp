#include "fleetcheck.h"
#include "fleettext.h"

#include <QCoreApplication>
#include <algorithm>

namespace kordavel {

namespace {

QString nameOf(FileNameFormat f)
{
    return QLatin1String(itemOf(f).caption);
}

QString onOff(bool on)
{
    //: A download's setting, put in "%1: %2 on the device, %3 in the standard".
    return on ? FleetText::tr("on") : FleetText::tr("off");
}

QString yesNo(bool on)
{
    //: Whether the card download date is saved, put in "%1: %2 on the device, ...".
    return on ? FleetText::tr("yes") : FleetText::tr("no");
}

QString datesText(const std::optional<DateRange> &dates)
{
    if (!dates)
        //: No start and end dates, put in "%1: %2 on the device, ...".
        return FleetText::tr("none");
    const QString f = QStringLiteral("yyyy-MM-dd");
    //: Between the first and the last date of a range, both written YYYY-MM-DD.
    return dates->start.toString(f) + FleetText::tr(" to ") + dates->end.toString(f);
}

QString differenceText(const QString &what, const QString &device, const QString &standard)
{
    return FleetText::tr("%1: %2 on the device, %3 in the standard").arg(what, device, standard);
}

QString notSupportedText(const QString &what)
{
    //: After the name of a setting, as in "Days back: not supported by this device".
    return what + FleetText::tr(": not supported by this device");
}

} // namespace

DeviceCapabilities capabilitiesOf(Family family, qint32 softwareVersion)
{
    DeviceCapabilities capabilities;
    auto holdFormats = [&capabilities](bool all) {
        capabilities.formats[std::size_t(FileNameFormat::ShortNames)] = true;
        capabilities.formats[std::size_t(FileNameFormat::European)] = true;
        for (FileNameFormat f :
             {FileNameFormat::French, FileNameFormat::Spanish, FileNameFormat::DuvadoRirozo})
            capabilities.formats[std::size_t(f)] = all;
    };
    switch (family) {
    case Family::Unknown:
        return capabilities;
    case Family::CR:
        // A CR unit takes its configuration byte only.
        capabilities.publishesSettings = true;
        capabilities.saveCardDownloadDate = true;
        holdFormats(true);
        return capabilities;
    case Family::TQ:
        break;
    }
    const Layout layout = selectLayout(Family::TQ, softwareVersion, 0).layout;
    if (layout == Layout::None)
        return capabilities; // "Config. not available": nothing to compare with
    capabilities.publishesSettings = true;
    for (const DownloadItem &item : settableDownloadItems())
        capabilities.downloads[std::size_t(item.box)] = layout >= item.firstLayout;
    capabilities.daysBack = true;
    capabilities.saveCardDownloadDate = true;
    holdFormats(softwareVersion >= kFirstVersionWithAllFormats);
    capabilities.byteUnreported = layout == Layout::A;
    // Up to software 35 one code (in the standard list) stands for all the
    // VDO-specific data.
    capabilities.vdoAnd4HzTied =
        capabilities.holds(DownloadBox::Speed4Hz) && sharesSpeed4HzCode(softwareVersion);
    // The dates record is written from software 36 on, but only software 54
    // and later downloads by it.
    capabilities.dates = softwareVersion >= kFirstVersionWithDates;
    return capabilities;
}

DeviceSettings fleetSettingsOf(const SettingsChange &decoded)
{
    DeviceSettings s;
    for (const DownloadItem &item : settableDownloadItems())
        s.setChecked(item.box, decoded.box(item.box).value_or(false));
    s.daysBack = daysBackText(qint32(leadingWholeNumber(decoded.daysBack.value_or(QString()))));
    if (decoded.box(DownloadBox::UseDates).value_or(false) && decoded.downloadStart &&
        decoded.downloadEnd)
        s.useDates(DateRange{*decoded.downloadStart, *decoded.downloadEnd});
    s.setChecked(DownloadBox::SaveCardDate, decoded.box(DownloadBox::SaveCardDate).value_or(false));
    s.fileNameFormat = decoded.fileNameFormat.value_or(FileNameFormat::ShortNames);
    return s;
}

std::variant<DeviceSettings, QString> fleetSettingsOf(const DeviceSettings &screen)
{
    DeviceSettings s;
    for (const DownloadItem &item : settableDownloadItems())
        s.setChecked(item.box, screen.isChecked(item.box));
    const qint64 days = screen.daysBackCount();
    if (std::optional<QString> problem = daysBackProblem(days))
        return *problem;
    s.daysBack = daysBackText(qint32(days));
    if (const std::optional<DateRange> dates = screen.usedDates()) {
        if (std::optional<QString> problem = datesProblem(*dates))
            return *problem;
        s.useDates(dates);
    }
    s.setChecked(DownloadBox::SaveCardDate, screen.isChecked(DownloadBox::SaveCardDate));
    s.fileNameFormat = screen.fileNameFormat.value_or(FileNameFormat::ShortNames);
    return s;
}

int FleetCheck::differences() const
{
    return int(std::count_if(items.begin(), items.end(), [](const CheckItem &i) {
        return i.kind == CheckItemKind::Difference;
    }));
}

namespace {

// A standard and a device read always name a format; short names is the
// byte's own default.
FileNameFormat formatOf(const DeviceSettings &s)
{
    return s.fileNameFormat.value_or(FileNameFormat::ShortNames);
}

void addItem(FleetCheck &check, CheckItemKind kind, const QString &text)
{
    check.items.push_back({kind, text});
}

// A setting the device may not hold: not supported where the standard sets
// it, else a difference where the device's value is not the standard's.
void compareSetting(FleetCheck &check, const QString &name, bool held, bool setByStandard,
                    bool differs, const QString &onDevice, const QString &inStandard)
{
    if (!held) {
        if (setByStandard)
            addItem(check, CheckItemKind::NotSupported, notSupportedText(name));
    } else if (differs) {
        addItem(check, CheckItemKind::Difference, differenceText(name, onDevice, inStandard));
    }
}

void checkDownloads(FleetCheck &check, const DeviceSettings &want, const DeviceSettings &device,
                    const DeviceCapabilities &capabilities)
{
    for (const DownloadItem &item : settableDownloadItems()) {
        const DownloadBox d = item.box;
        if (d == DownloadBox::Speed4Hz && capabilities.holds(d) && capabilities.vdoAnd4HzTied) {
            // The device's box follows the VDO box; only the standard can differ in itself.
            if (want.isChecked(d) != want.isChecked(DownloadBox::OtherVdoData))
                addItem(check, CheckItemKind::Tied,
                        FleetText::tr("4Hz Data goes with Other VDO Specific Data on this device: "
                                      "it is %1 as the VDO data is")
                            .arg(onOff(device.isChecked(DownloadBox::OtherVdoData))));
            continue;
        }
        compareSetting(check, nameOf(item), capabilities.holds(d), want.isChecked(d),
                       device.isChecked(d) != want.isChecked(d), onOff(device.isChecked(d)),
                       onOff(want.isChecked(d)));
    }
}

void checkValues(FleetCheck &check, const DeviceSettings &want, const DeviceSettings &device,
                 const DeviceCapabilities &capabilities)
{
    const qint64 wantDays = want.daysBackCount();
    const qint64 deviceDays = device.daysBackCount();
    compareSetting(check, FleetText::tr("Days back"), capabilities.daysBack, wantDays != 0,
                   deviceDays != wantDays, QString::number(deviceDays), QString::number(wantDays));
    const std::optional<DateRange> wantDates = want.usedDates();
    const std::optional<DateRange> deviceDates = device.usedDates();
    compareSetting(check, FleetText::tr("Start and end dates"), capabilities.dates,
                   wantDates.has_value(), deviceDates != wantDates, datesText(deviceDates),
                   datesText(wantDates));
    // A device that does not report the byte back cannot differ in it.
    const bool reported = !capabilities.byteUnreported;
    const bool wantSave = want.isChecked(DownloadBox::SaveCardDate);
    const bool deviceSave = device.isChecked(DownloadBox::SaveCardDate);
    compareSetting(check, FleetText::tr("Save Card Download Date"),
                   capabilities.saveCardDownloadDate, wantSave, reported && deviceSave != wantSave,
                   yesNo(deviceSave), yesNo(wantSave));
    const FileNameFormat wantFormat = formatOf(want);
    const FileNameFormat deviceFormat = formatOf(device);
    if (!capabilities.holds(wantFormat)) {
        addItem(check, CheckItemKind::NotSupported,
                //: Followed by a file-name format's name, such as "Spanish (TGD)".
                notSupportedText(FleetText::tr("File names ") + nameOf(wantFormat)));
    } else if (reported && deviceFormat != wantFormat) {
        addItem(
            check, CheckItemKind::Difference,
            differenceText(FleetText::tr("File names"), nameOf(deviceFormat), nameOf(wantFormat)));
    }
    if (!reported)
        addItem(check, CheckItemKind::NotReported,
                FleetText::tr("File names and Save Card Download Date: written by Configure, but "
                              "this device does not report them back"));
}

} // namespace

FleetCheck checkAgainstStandard(const FleetStandard &standard, const DeviceSettings &device,
                                const DeviceCapabilities &capabilities)
{
    FleetCheck check;
    check.standardName = standard.name;
    const QString quoted = QLatin1Char('"') + standard.name + QLatin1Char('"');
    if (!capabilities.publishesSettings) {
        check.verdict = FleetVerdict::NotComparable;
        check.summary = FleetText::tr("This device reports no settings to compare with the fleet "
                                      "standard %1.")
                            .arg(quoted);
        return check;
    }
    checkDownloads(check, standard.settings, device, capabilities);
    checkValues(check, standard.settings, device, capabilities);
    const int differences = check.differences();
    check.verdict = differences == 0 ? FleetVerdict::Matches : FleetVerdict::Differs;
    // The name is put in last and once: a name holding "%1" shows as typed.
    check.summary = differences == 0
                        ? FleetText::tr("This device matches the fleet standard %1.").arg(quoted)
                        : FleetText::tr("This device differs from the fleet standard %1 in %n "
                                        "setting(s):",
                                        nullptr, differences)
                              .arg(quoted);
    return check;
}

SettingsChange settingsForStandard(const FleetStandard &standard,
                                   const DeviceCapabilities &capabilities)
{
    SettingsChange view;
    const DeviceSettings &want = standard.settings;
    if (!capabilities.publishesSettings)
        return view;
    for (const DownloadItem &item : settableDownloadItems()) {
        const DownloadBox d = item.box;
        if (!capabilities.holds(d) || (d == DownloadBox::Speed4Hz && capabilities.vdoAnd4HzTied))
            continue;
        view.box(d) = want.isChecked(d);
    }
    if (capabilities.daysBack)
        // A standard's days lie within the limit (parsing and saving check it).
        view.daysBack =
            daysBackText(qint32(std::clamp(want.daysBackCount(), -kMaxDaysBack, kMaxDaysBack)));
    if (capabilities.dates) {
        const std::optional<DateRange> dates = want.usedDates();
        view.box(DownloadBox::UseDates) = dates.has_value();
        if (dates) {
            view.downloadStart = dates->start;
            view.downloadEnd = dates->end;
        }
    }
    if (capabilities.saveCardDownloadDate)
        view.box(DownloadBox::SaveCardDate) = want.isChecked(DownloadBox::SaveCardDate);
    if (capabilities.holds(formatOf(want)))
        view.fileNameFormat = formatOf(want);
    return view;
}

DeviceSettings withStandardEnforced(const FleetStandard &standard,
                                    const DeviceCapabilities &capabilities, DeviceSettings screen)
{
    const SettingsChange change = settingsForStandard(standard, capabilities);
    for (DownloadBox b : kAllDownloadBoxes)
        if (const std::optional<bool> checked = change.box(b))
            screen.setChecked(b, *checked);
    if (capabilities.vdoAnd4HzTied)
        screen.setChecked(DownloadBox::Speed4Hz, screen.isChecked(DownloadBox::OtherVdoData));
    screen.daysBack = change.daysBack.value_or(screen.daysBack);
    screen.fileNameFormat = change.fileNameFormat ? change.fileNameFormat : screen.fileNameFormat;
    screen.downloadStart = change.downloadStart.value_or(screen.downloadStart);
    screen.downloadEnd = change.downloadEnd.value_or(screen.downloadEnd);
    return screen;
}

QString fleetReportText(const QString &standardName, const std::optional<FleetCheck> &check,
                        bool applied)
{
    if (!check)
        return FleetText::tr("Fleet standard \"%1\" is active. A device read is compared with "
                             "it.")
            .arg(standardName);
    QStringList lines{check->summary};
    if (applied && check->verdict == FleetVerdict::Differs)
        lines.append(FleetText::tr("The standard's settings are on the screen: Configure writes "
                                   "them to the device."));
    // The differences first: they are what the user acts on.
    for (const CheckItem &item : check->items)
        if (item.kind == CheckItemKind::Difference)
            lines.append(QStringLiteral("\u2022 ") + item.text);
    for (const CheckItem &item : check->items)
        if (item.kind != CheckItemKind::Difference)
            lines.append(QStringLiteral("\u2013 ") + item.text);
    return lines.join(QLatin1Char('\n'));
}

} // namespace kordavel
