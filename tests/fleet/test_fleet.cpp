// The fleet standard without a window: its file, what each kind of device can
// hold of it, the check on every read, and the record of every Configure as
// the cycle keeps it.
#include "coresupport.h"
#include "cycle/devicecycle.h"
#include "fleet/fleetcheck.h"
#include "fleet/record.h"
#include "fleet/standard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

using D = DownloadBox;

FleetStandard everythingOn()
{
    FleetStandard s{QStringLiteral("All of it"), {}};
    for (const DownloadItem &item : settableDownloadItems())
        s.settings.setChecked(item.box, true);
    s.settings.daysBack = daysBackText(28);
    s.settings.useDates(DateRange{QDate(2024, 1, 1), QDate(2024, 12, 31)});
    s.settings.setChecked(DownloadBox::SaveCardDate, true);
    s.settings.fileNameFormat = FileNameFormat::French;
    return s;
}

FleetStandard parsed(const QByteArray &json)
{
    const auto result = parseFleetStandard(json);
    if (const QString *problem = std::get_if<QString>(&result))
        ADD_FAILURE() << problem->toStdString();
    return std::holds_alternative<FleetStandard>(result) ? std::get<FleetStandard>(result)
                                                         : FleetStandard{};
}

// The devices of every layout, as their version files describe them.
struct DeviceKind
{
    const char *name;
    QByteArray versionFile;
};
std::vector<DeviceKind> everyKindOfDevice()
{
    return {
        {"TQ 8 (no settings)", versionFile("TQ000008HEX", 21)},
        {"TQ 20 (layout A)", versionFile("TQ000020HEX", 21,
                                         {{11, QByteArray::fromHex("0024EA00")},
                                          {16, QByteArray::fromHex("010203FF")}})},
        {"TQ 30 (layout B)",
         versionFile("TQ000030HEX", 25, {{16, QByteArray::fromHex("010211FFFF")}, {24, "\xBF"}})},
        {"TQ 40 (layout C)", versionFile("TQ000040HEX", 80,
                                         {{16, QByteArray::fromHex("0102FF")},
                                          {31, "\xB5"},
                                          {32, QByteArray::fromHex("011219FFFF")}})},
        {"TQ 54 (layout C)", exampleLayoutC()},
        {"CR 54", versionFile("CR000054HEX", 80, {{31, "\xFD"}})},
    };
}

struct DeviceAsRead
{
    SettingsChange decoded;
    DeviceCapabilities capabilities;
};
DeviceAsRead readDevice(const QByteArray &file)
{
    const VersionAssessment a = assessVersionFile(file, 0);
    SettingsDecoder decoder;
    return {decoder.decode(file, a), capabilitiesOf(a.id.family, a.version)};
}

QStringList itemsOf(const FleetCheck &check, CheckItemKind kind)
{
    QStringList texts;
    for (const CheckItem &i : check.items)
        if (i.kind == kind)
            texts.append(i.text);
    return texts;
}

// The record's rows as cells, header first.
} // namespace

TEST(FleetStandardFile, EveryStandardReadsBackAsWritten)
{
    FleetStandard none{QStringLiteral("Nothing but the overview"), {}};
    none.settings.daysBack = daysBackText(-24855);
    FleetStandard one = everythingOn();
    one.name = QStringLiteral("Dépôt Nord \"A\" / Ελλάδα");
    for (int f = 0; f < kFileNameFormatCount; ++f) {
        for (const FleetStandard &base : {none, one}) {
            FleetStandard s = base;
            s.settings.fileNameFormat = FileNameFormat(f);
            EXPECT_EQ(parsed(fleetStandardFile(s)), s) << fleetStandardFile(s).toStdString();
        }
    }
    // The documented example is a standard, as documented.
    const QString doc = QString::fromUtf8(readAll(KORDAVEL_DOCS_DIR "/fleet-standard.md"));
    const QRegularExpressionMatch example =
        QRegularExpression(QStringLiteral("```json\\n(.*?)```"),
                           QRegularExpression::DotMatchesEverythingOption)
            .match(doc);
    ASSERT_TRUE(example.hasMatch());
    const FleetStandard documented = parsed(example.captured(1).toUtf8());
    EXPECT_EQ(documented.name, QStringLiteral("North depot"));
    EXPECT_EQ(documented.settings.daysBackCount(), 28);
    EXPECT_TRUE(documented.settings.isChecked(D::OtherVdoData));
    EXPECT_FALSE(documented.settings.isChecked(D::Speed168h));
    EXPECT_EQ(documented.settings.fileNameFormat, FileNameFormat::European);
}

TEST(FleetStandardFile, ABadFileIsRefusedWithOneSentenceNamingTheProblem)
{
    const QByteArray good = fleetStandardFile(everythingOn());
    // The good file with one key's value replaced.
    auto with = [&](const char *key, const char *json) {
        QJsonObject o = QJsonDocument::fromJson(good).object();
        o.insert(QLatin1String(key),
                 QJsonDocument::fromJson(QByteArray("[") + json + "]").array().at(0));
        return QJsonDocument(o).toJson();
    };
    const struct
    {
        QByteArray file;
        const char *says;
    } cases[] = {
        {"not json at all", "not valid JSON"},
        {"[1, 2]", "no JSON object"},
        {with("format", "\"something-else\""), "\"format\" is not \"kordavel-fleet-standard\""},
        {with("version", "2"), "reads version 1"},
        {QByteArray(good).replace("\"name\"", "\"colour\": 1, \"tint\": 2, \"name\""),
         "\"colour\", \"tint\", which a fleet standard does not have"},
        {with("daysBack", "24856"), "between -24855 and 24855"},
        {with("daysBack", "1.5"), "whole number"},
        {with("dates", "{\"start\": \"2024-12-31\", \"end\": \"2024-01-01\"}"),
         "end date 2024-01-01 lies before the start date 2024-12-31"},
        {with("dates", "{\"start\": \"2024-1-1\", \"end\": \"2024-02-01\"}"), "YYYY-MM-DD"},
        {with("dates", "{\"start\": \"1969-12-31\", \"end\": \"2024-02-01\"}"),
         "between 1970-01-01 and 2106-02-07"},
        {with("downloads", "[\"activities\", \"tea\"]"), "\"tea\" in \"downloads\""},
        {with("fileNameFormat", "\"european\""), "\"fileNameFormat\" must be one of"},
        {with("saveCardDownloadDate", "\"yes\""), "true or false"},
        {QByteArray(good).replace("\"daysBack\"", "\"unused\""), "\"unused\""},
        {"{\"format\": \"kordavel-fleet-standard\", \"version\": 1}", "has no \"name\""},
        {QByteArray(70000, ' ') + good, "too large"},
        // Keys given twice, at the top and inside, the second spelt with an escape.
        {QByteArray(good).replace("\"name\"", "\"n\\u0061me\": \"Other\", \"name\""),
         "holds \"name\" twice"},
        {QByteArray(good).replace("\"start\"", "\"start\": \"2024-01-02\", \"start\""),
         "holds \"start\" twice"},
        {with("name", QByteArray('"' + QByteArray(101, 'x') + '"').constData()),
         "at most 100 characters"},
        {with("name", "\"North\\nSouth\""), "line breaks"},
        {with("name", "\"North\\u200bSouth\""), "invisible characters"},
    };
    for (const auto &c : cases) {
        const auto result = parseFleetStandard(c.file);
        ASSERT_TRUE(std::holds_alternative<QString>(result)) << c.says;
        const QString sentence = std::get<QString>(result);
        EXPECT_TRUE(sentence.contains(QLatin1String(c.says))) << sentence.toStdString();
        EXPECT_FALSE(sentence.contains(QLatin1Char('\n'))) << "one sentence";
    }
}

// Each kind of device against a standard that asks for everything: what it
// cannot hold is named, never counted as a difference; a standard made from
// its own settings matches it, through the file and back.
TEST(FleetCheck, EachKindOfDeviceIsComparedOverWhatItCanHold)
{
    const struct
    {
        const char *device;
        FleetVerdict verdict;
        QStringList notSupported;
        bool notReported;
    } expected[] = {
        {"TQ 8 (no settings)", FleetVerdict::NotComparable, {}, false},
        {"TQ 20 (layout A)",
         FleetVerdict::Differs,
         {"Other VDO Specific Data", "168h Detailed Speed", "4Hz Data", "Start and end dates",
          "File names French (C1B/V1B)"},
         true},
        {"TQ 30 (layout B)",
         FleetVerdict::Differs,
         {"168h Detailed Speed", "Start and end dates"},
         false},
        {"TQ 40 (layout C)", FleetVerdict::Differs, {"Start and end dates"}, false},
        {"TQ 54 (layout C)", FleetVerdict::Differs, {}, false},
        {"CR 54",
         FleetVerdict::Differs,
         {"Daily Activity Records", "Events & Faults", "Detailed Speed (24h)", "Technical Data",
          "Driver Card in VU", "Other VDO Specific Data", "168h Detailed Speed", "4Hz Data",
          "Days back", "Start and end dates"},
         false},
    };
    const std::vector<DeviceKind> devices = everyKindOfDevice();
    ASSERT_EQ(devices.size(), std::size(expected));
    for (std::size_t i = 0; i < devices.size(); ++i) {
        SCOPED_TRACE(devices[i].name);
        const DeviceAsRead read = readDevice(devices[i].versionFile);
        const DeviceSettings own = fleetSettingsOf(read.decoded);
        const FleetCheck check = checkAgainstStandard(everythingOn(), own, read.capabilities);
        EXPECT_EQ(check.verdict, expected[i].verdict) << check.summary.toStdString();
        QStringList notSupported = itemsOf(check, CheckItemKind::NotSupported);
        for (QString &t : notSupported)
            t.remove(QStringLiteral(": not supported by this device"));
        EXPECT_EQ(notSupported, expected[i].notSupported);
        EXPECT_EQ(itemsOf(check, CheckItemKind::NotReported).size(),
                  expected[i].notReported ? 1 : 0);
        for (const QString &d : itemsOf(check, CheckItemKind::Difference))
            EXPECT_TRUE(d.contains(QStringLiteral(" on the device, "))) << d.toStdString();

        const FleetStandard ownStandard = parsed(fleetStandardFile({QStringLiteral("own"), own}));
        const FleetCheck self = checkAgainstStandard(ownStandard, own, read.capabilities);
        if (read.capabilities.publishesSettings) {
            EXPECT_EQ(self.verdict, FleetVerdict::Matches)
                << itemsOf(self, CheckItemKind::Difference).join('|').toStdString();
        }
    }
}

TEST(FleetCheck, DifferencesAreSaidInPlainWords)
{
    const DeviceAsRead tq54 = readDevice(exampleLayoutC());
    FleetStandard standard{QStringLiteral("North"), fleetSettingsOf(tq54.decoded)};
    standard.settings.daysBack = daysBackText(28);
    standard.settings.setChecked(D::TechnicalData, false);
    standard.settings.useDates(std::nullopt);
    standard.settings.fileNameFormat = FileNameFormat::Spanish;
    const FleetCheck check =
        checkAgainstStandard(standard, fleetSettingsOf(tq54.decoded), tq54.capabilities);
    EXPECT_EQ(check.summary,
              "This device differs from the fleet standard \"North\" in 4 settings:");
    EXPECT_EQ(itemsOf(check, CheckItemKind::Difference),
              (QStringList{"Technical Data: on on the device, off in the standard",
                           "Days back: 92 on the device, 28 in the standard",
                           "Start and end dates: 2020-01-01 to 2020-02-01 on the device, none in "
                           "the standard",
                           "File names: European/VDO (DDD) on the device, Spanish (TGD) in the "
                           "standard"}));
    EXPECT_TRUE(fleetReportText(standard.name, check, false)
                    .startsWith("This device differs from the fleet standard \"North\" in 4 "
                                "settings:\n\u2022 Technical Data: on on the device, off"));

    // One difference, and a name holding what looks like a placeholder: as typed.
    standard = FleetStandard{QStringLiteral("50% %1 %n"), fleetSettingsOf(tq54.decoded)};
    standard.settings.daysBack = daysBackText(28);
    EXPECT_EQ(
        checkAgainstStandard(standard, fleetSettingsOf(tq54.decoded), tq54.capabilities).summary,
        "This device differs from the fleet standard \"50% %1 %n\" in one setting:");
}

// Up to software 35 one code stands for the VDO data and the 4 Hz data: a
// standard that keeps them apart is told so, never shown a difference that
// cannot go away, and applying it sets the VDO box only (the screen's rule
// carries the other).
TEST(FleetCheck, TiedBoxesAreNamedNotCountedAndAppliedThroughTheVdoBox)
{
    const DeviceAsRead tq30 = readDevice(everyKindOfDevice()[2].versionFile);
    ASSERT_TRUE(tq30.capabilities.vdoAnd4HzTied);
    FleetStandard standard{QStringLiteral("Tied"), fleetSettingsOf(tq30.decoded)};
    ASSERT_TRUE(standard.settings.isChecked(D::OtherVdoData)) << "the device asks for code 11";
    standard.settings.setChecked(D::Speed4Hz, false);
    const FleetCheck check =
        checkAgainstStandard(standard, fleetSettingsOf(tq30.decoded), tq30.capabilities);
    EXPECT_EQ(check.verdict, FleetVerdict::Matches);
    EXPECT_EQ(itemsOf(check, CheckItemKind::Tied),
              QStringList{"4Hz Data goes with Other VDO Specific Data on this device: it is on as "
                          "the VDO data is"});
    const SettingsChange applied = settingsForStandard(standard, tq30.capabilities);
    EXPECT_EQ(applied.box(DownloadBox::OtherVdoData), true);
    EXPECT_FALSE(applied.box(DownloadBox::Speed4Hz).has_value());
    EXPECT_FALSE(applied.box(DownloadBox::Speed168h).has_value()) << "not held: as read";
    EXPECT_FALSE(applied.box(DownloadBox::UseDates).has_value());
    EXPECT_FALSE(applied.kordavelPlus.has_value()) << "the model is the device's own";
}

// The cycle with a standard: the check after every read, the standard applied
// when asked, and a row in the record for each file written and each device
// back with "Success!". Nothing of it without a standard.
// A medium whose write-protect switch can be set, and a record that another
// program can hold.
class WriteProtectable : public SystemFilesPassThrough
{
public:
    FileResult createDurable(const QString &p, const QByteArray &data) override
    {
        if (refuse || (recordHeld && p.contains(QLatin1String("record"))))
            return {FileProblem::InUse, QStringLiteral("held")};
        return SystemFilesPassThrough::createDurable(p, data);
    }
    // As if the program stopped right after the record took the pending rows.
    FileResult remove(const QString &p) override
    {
        if (stopBeforeClearing && (p.endsWith(QLatin1String("pending-record-rows.txt")) ||
                                   p.contains(QLatin1String("row-"))))
            return {FileProblem::Other, QStringLiteral("stopped")};
        if (unconfirmable && p.endsWith(QLatin1String("DI999000.HEX")))
            return {FileProblem::Other, QStringLiteral("gone quiet")};
        return SystemFilesPassThrough::remove(p);
    }
    // The device's folder cannot be flushed, nor the new file taken back.
    FileResult syncDir(const QString &d) override
    {
        if (unconfirmable && d.endsWith(QLatin1String("UPDATES")))
            return {FileProblem::Other, QStringLiteral("gone quiet")};
        return SystemFilesPassThrough::syncDir(d);
    }
    bool unconfirmable = false;
    bool refuse = false;
    bool recordHeld = false;
    bool stopBeforeClearing = false;
};

class FleetCycle : public ::testing::Test
{
protected:
    void plug() { drives.entries.append({dev.root(), KindRemovable, label}); }
    void unplug() { drives.entries.clear(); }
    DeviceSettings screen() const
    {
        DeviceSettings s;
        s.daysBack = QStringLiteral("28");
        s.setChecked(DownloadBox::Activities, true);
        s.fileNameFormat = FileNameFormat::European;
        return s;
    }

    QString label = QStringLiteral("=1+1");
    FakeDrives drives;
    WriteProtectable files;
    DeviceCycle cycle{
        drives, files,
        [] { return QDateTime(QDate(2026, 12, 8), QTime(9, 30), Qt::OffsetFromUTC, 3600); }};
    DeviceDir dev{exampleLayoutC()};
    QTemporaryDir data;
    const QString recordPath = data.filePath(QStringLiteral("record/configure-record.csv"));
    const QString pendingPath = data.filePath(QStringLiteral("local/pending-record-rows.txt"));
};

TEST_F(FleetCycle, WithoutAStandardNothingIsReported)
{
    plug();
    EXPECT_TRUE(stepsOf<show::FleetReport>(cycle.tick()).empty());
    EXPECT_TRUE(stepsOf<show::FleetReport>(cycle.configure(screen())).empty());
    ASSERT_EQ(cycle.state(), FlowState::WaitingForUnplug);
    unplug();
    EXPECT_TRUE(stepsOf<show::FleetReport>(cycle.tick()).empty());
}

TEST_F(FleetCycle, EveryReadIsCheckedAndTheStandardAppliedWhereTheFlowConfigures)
{
    FleetStandard standard{QStringLiteral("North"), {}};
    standard.settings.daysBack = daysBackText(28);
    const CycleReport chosen = cycle.setFleet({standard, true, {}});
    ASSERT_EQ(stepsOf<show::FleetReport>(chosen).size(), 1u);
    EXPECT_EQ(lastOf<show::FleetReport>(chosen)->standardName, "North");
    EXPECT_FALSE(lastOf<show::FleetReport>(chosen)->check) << "no device read yet";

    plug();
    const CycleReport read = cycle.tick();
    const std::optional<show::FleetReport> fleet = lastOf<show::FleetReport>(read);
    ASSERT_TRUE(fleet && fleet->check);
    EXPECT_EQ(fleet->check->verdict, FleetVerdict::Differs);
    EXPECT_TRUE(fleet->applied);
    // The device's own settings first, then the standard's over them.
    const std::vector<show::Settings> shown = stepsOf<show::Settings>(read);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].settings.daysBack, " 92");
    EXPECT_EQ(shown[1].settings.daysBack, " 28");
    EXPECT_EQ(stepsOf<show::FleetReport>(cycle.tick()).size(), 0u) << "only a read reports it";

    // A CR unit is compared only.
    unplug();
    cycle.tick();
    dev.setVersionFile(versionFile("CR000054HEX", 80, {{31, "\xA5"}}));
    plug();
    const CycleReport cr = cycle.tick();
    EXPECT_EQ(stepsOf<show::Settings>(cr).size(), 1u);
    ASSERT_TRUE(lastOf<show::FleetReport>(cr)->check);
    EXPECT_EQ(messagesOf(cycle.applyStandard()).size(), 1) << "asked to apply, it says why not";

    const CycleReport dropped = cycle.setFleet({});
    EXPECT_FALSE(lastOf<show::FleetReport>(dropped)->standardName) << "the strip goes";
}

TEST_F(FleetCycle, TheRecordHoldsARowForEachFileWrittenAndEachSuccessOnly)
{
    cycle.setFleet(
        {FleetStandard{QStringLiteral("North"), {}}, false, {recordPath, pendingPath, {}}});
    plug();
    cycle.tick();
    cycle.configure(screen());
    // Another program holds the record: the row waits for the next one.
    files.recordHeld = true;
    const CycleReport held = cycle.configure(screen()); // written again, over the first
    ASSERT_EQ(messagesOf(held).size(), 1);
    EXPECT_TRUE(messagesOf(held)[0].contains("It is added with the next one"));
    files.recordHeld = false;
    unplug();
    const CycleReport gone = cycle.tick();
    ASSERT_TRUE(lastOf<show::FleetReport>(gone));
    EXPECT_FALSE(lastOf<show::FleetReport>(gone)->check) << "the device has gone";
    plug();
    const CycleReport back = cycle.tick();
    ASSERT_TRUE(has(back, FlowAction::MessageSuccess));
    EXPECT_TRUE(messagesOf(back).isEmpty());
    // Configure on a write-protected medium writes nothing: no row.
    unplug();
    cycle.tick();
    plug();
    cycle.tick();
    files.refuse = true;
    const CycleReport refused = cycle.configure(screen());
    const QList<QStringList> rows = recordRows(recordPath);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], recordHeader());
    const QStringList expected{"2026-12-08T09:30:00+01:00",
                               "file written",
                               "'=1+1",
                               "TQ",
                               "54",
                               "North",
                               "activities",
                               "28",
                               "",
                               "",
                               "no",
                               "european-ddd",
                               "Kordavel"};
    EXPECT_EQ(rows[1], expected) << "the label stays text";
    EXPECT_EQ(rows[2], expected);
    QStringList success = expected;
    success[1] = QStringLiteral("success");
    EXPECT_EQ(rows[3], success);
}

TEST_F(FleetCycle, RowsTheRecordCannotTakeOutliveARestartAndGoInOnceInOrder)
{
    const FleetOptions fleet{
        FleetStandard{QStringLiteral("North"), {}}, false, {recordPath, pendingPath, {}}};
    auto configureWith = [&](DeviceCycle &c, const char *days) {
        DeviceSettings s = screen();
        s.daysBack = QLatin1String(days);
        return c.configure(s);
    };
    // A folder stands at the record's name: nothing can write the record.
    ASSERT_TRUE(QDir().mkpath(recordPath));
    cycle.setFleet(fleet);
    plug();
    cycle.tick();
    const CycleReport first = configureWith(cycle, "1");
    ASSERT_EQ(messagesOf(first).size(), 1);
    EXPECT_TRUE(messagesOf(first)[0].contains("It is added with the next one"));
    configureWith(cycle, "2");
    {
        SCOPED_TRACE("the program closed and started again; the folder goes");
        DeviceCycle restarted(drives, files,
                              [] { return QDateTime(QDate(2026, 12, 8), QTime(9, 30)); });
        restarted.setFleet(fleet);
        ASSERT_TRUE(QDir(recordPath).removeRecursively());
        restarted.tick();
        // It stops before it can clear the pending rows: the next time adds none twice.
        files.stopBeforeClearing = true;
        EXPECT_TRUE(messagesOf(configureWith(restarted, "3")).isEmpty());
        files.stopBeforeClearing = false;
        configureWith(restarted, "4");
    }
    // A file put in place whose flush cannot be confirmed may be there: it is recorded as such.
    files.unconfirmable = true;
    {
        DeviceCycle again(drives, files,
                          [] { return QDateTime(QDate(2026, 12, 8), QTime(9, 30)); });
        again.setFleet(fleet);
        again.tick();
        const CycleReport unconfirmed = configureWith(again, "5");
        ASSERT_EQ(messagesOf(unconfirmed).size(), 1);
        EXPECT_TRUE(messagesOf(unconfirmed)[0].contains("could not be confirmed"));
    }
    files.unconfirmable = false;
    QStringList days;
    for (const QStringList &row : recordRows(recordPath).mid(1))
        days.append(row[1] + ' ' + row[7]);
    EXPECT_EQ(days, (QStringList{"file written 1", "file written 2", "file written 3",
                                 "file written 4", "file unconfirmed 5"}));
    EXPECT_FALSE(QFile::exists(pendingPath)) << "nothing waits any more";
}

// Under the organisation's lock the screen decides nothing: Configure writes
// the standard whatever it shows, and with no standard read it writes nothing.
TEST_F(FleetCycle, ALockedStandardIsWhatConfigureWritesAndWithoutOneNothingIs)
{
    FleetStandard north{QStringLiteral("North"), {}};
    north.settings.daysBack = daysBackText(7);
    north.settings.setChecked(DownloadBox::TechnicalData, true);
    north.settings.fileNameFormat = FileNameFormat::Spanish;
    DeviceSettings other = screen();
    other.daysBack = QStringLiteral("300");
    other.setChecked(DownloadBox::Overview, true);
    other.fileNameFormat = FileNameFormat::French;
    // A Configure on a device of its own: its messages and the file written.
    auto configureOn = [&](const FleetOptions &options, const DeviceSettings &shown) {
        DeviceDir device{exampleLayoutC()};
        FakeDrives own;
        own.entries.append({device.root(), KindRemovable, label});
        DeviceCycle c(own, files);
        c.setFleet(options);
        c.tick();
        const CycleReport report = c.configure(shown);
        const QStringList hex = QDir(device.path("UPDATES")).entryList({"*.HEX"});
        EXPECT_EQ(c.state(),
                  hex.isEmpty() ? FlowState::SettingsShown : FlowState::WaitingForUnplug);
        return std::pair(messagesOf(report).join('\n'),
                         hex.isEmpty() ? QByteArray() : readAll(device.path("UPDATES/" + hex[0])));
    };
    FleetOptions locked;
    locked.locked = true;
    const auto refused = configureOn(locked, screen());
    EXPECT_EQ(refused.first, "Nothing was written: your organisation allows only its fleet "
                             "standard on a device, and it could not be read yet.");
    EXPECT_TRUE(refused.second.isEmpty());

    locked.standard = north;
    const auto fromScreen = configureOn(locked, screen());
    const auto fromOther = configureOn(locked, other);
    EXPECT_TRUE(fromScreen.first.isEmpty()) << fromScreen.first.toStdString();
    EXPECT_FALSE(fromScreen.second.isEmpty());
    EXPECT_EQ(fromScreen.second, fromOther.second) << "the screen changes nothing";
    FleetOptions unlocked = locked;
    unlocked.locked = false;
    EXPECT_NE(configureOn(unlocked, other).second, fromOther.second) << "unlocked, it would";
}

// A standard on a share is read again whenever a device appears: the device
// waits for the answer to its own check (Configure stays off), then takes
// what arrived; an answer that comes after the wait still reaches its screen.
TEST_F(FleetCycle, AStandardOnAShareIsCheckedAgainForEveryDeviceThatAppears)
{
    FleetOptions shared{FleetStandard{QStringLiteral("North"), {}}, true, {}};
    shared.checkedOnEveryDevice = true;
    shared.standard->settings.daysBack = daysBackText(28);
    cycle.setFleet(shared);
    plug();
    const CycleReport read = cycle.tick();
    ASSERT_EQ(stepsOf<show::CheckStandard>(read).size(), 1u);
    EXPECT_EQ(stepsOf<show::CheckStandard>(read)[0].number, 1u);
    EXPECT_FALSE(has(read, FlowAction::EnableConfigure));
    EXPECT_TRUE(stepsOf<show::CheckStandard>(cycle.tick()).empty()) << "only when one appears";
    // Options sent before the window saw the check do not end the wait.
    EXPECT_FALSE(has(cycle.setFleet(shared), FlowAction::EnableConfigure));
    shared.standard->settings.daysBack = daysBackText(7); // edited on the share meanwhile
    shared.checksAnswered = 1;
    const CycleReport arrived = cycle.setFleet(shared);
    EXPECT_TRUE(has(arrived, FlowAction::EnableConfigure));
    ASSERT_TRUE(lastOf<show::Settings>(arrived));
    EXPECT_EQ(lastOf<show::Settings>(arrived)->settings.daysBack, " 7");
    shared.standard->settings.daysBack = daysBackText(14); // a late answer
    const CycleReport late = cycle.setFleet(shared);
    ASSERT_TRUE(lastOf<show::Settings>(late));
    EXPECT_EQ(lastOf<show::Settings>(late)->settings.daysBack, " 14");

    unplug();
    cycle.tick();
    plug();
    const CycleReport next = cycle.tick();
    ASSERT_EQ(stepsOf<show::CheckStandard>(next).size(), 1u) << "the next device asks again";
    EXPECT_EQ(stepsOf<show::CheckStandard>(next)[0].number, 2u);
}

// The organisation's record: every row goes through the local outbox (the
// device never waits on the share) and reaches this computer's file in the
// folder once, in order, with an id of its own. A folder that is away is
// never made, and its rows wait, also for the next run.
TEST_F(FleetCycle, RowsReachTheOrganisationsFolderOnceAndInOrderWhenItIsThere)
{
    const QString outbox = data.filePath(QStringLiteral("local/outbox"));
    const QString folder = data.filePath(QStringLiteral("share/records"));
    const SharedRecord shared{outbox, folder, QStringLiteral("DEPOT-PC-7.csv")};
    const FleetOptions fleet{
        FleetStandard{QStringLiteral("North"), {}}, false, {recordPath, pendingPath, outbox}};
    cycle.setFleet(fleet);
    plug();
    cycle.tick();
    EXPECT_EQ(stepsOf<show::SharedRecordRows>(cycle.configure(screen())).size(), 1u);
    unplug();
    cycle.tick();
    plug();
    ASSERT_TRUE(has(cycle.tick(), FlowAction::MessageSuccess));

    const SharedRecordResult away = sendToSharedRecord(files, shared);
    EXPECT_EQ(away.sent, 0);
    EXPECT_EQ(away.waiting, 2);
    EXPECT_EQ(away.problem, "the folder is not there");
    EXPECT_FALSE(QFileInfo::exists(folder)) << "a folder that is away is never made";
    {
        SCOPED_TRACE("the program started again; one more Configure");
        DeviceCycle restarted(drives, files);
        restarted.setFleet(fleet);
        unplug();
        restarted.tick();
        plug();
        restarted.tick();
        restarted.configure(screen());
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    // It stops before it can take the rows out of the outbox: the next send
    // finds them in the folder's file already.
    files.stopBeforeClearing = true;
    EXPECT_EQ(sendToSharedRecord(files, shared).sent, 3);
    files.stopBeforeClearing = false;
    const SharedRecordResult again = sendToSharedRecord(files, shared);
    EXPECT_EQ(again.waiting, 0);
    EXPECT_TRUE(again.problem.isEmpty());

    const QList<QStringList> rows = recordRows(childPath(folder, shared.fileName));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], recordHeader() << "Row ID");
    const QList<QStringList> local = recordRows(recordPath);
    ASSERT_EQ(local.size(), 4);
    QSet<QString> ids;
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(rows[i].mid(0, rows[i].size() - 1), local[i]) << "as the local record, in order";
        ids.insert(rows[i].last());
    }
    EXPECT_EQ(ids.size(), 3);
    EXPECT_FALSE(ids.contains(QString()));

    // Another copy of the program on this computer (another user's, with an
    // outbox of its own) is writing the file: this one waits.
    QLockFile other(childPath(folder, shared.fileName + QStringLiteral(".lock")));
    ASSERT_TRUE(other.tryLock(0));
    RecordEntry entry;
    entry.when = QDateTime(QDate(2026, 12, 9), QTime(8, 0));
    ASSERT_EQ(keepForSharedRecord(files, outbox, {entry}), 1u);
    const SharedRecordResult busy = sendToSharedRecord(files, shared);
    EXPECT_EQ(busy.sent, 0);
    EXPECT_EQ(busy.waiting, 1);
    other.unlock();
    // A file in the outbox that is no row is set aside; the rows go, in the
    // order they came whatever the clock said.
    writeFile(childPath(outbox, QStringLiteral("row-000000000000-stray.txt")), "not a row\n");
    entry.when = QDateTime(QDate(2020, 1, 1), QTime(0, 0)); // the clock set back
    ASSERT_EQ(keepForSharedRecord(files, outbox, {entry}), 1u);
    const SharedRecordResult last = sendToSharedRecord(files, shared);
    EXPECT_EQ(last.sent, 2);
    EXPECT_EQ(last.waiting, 0);
    const QList<QStringList> all = recordRows(childPath(folder, shared.fileName));
    ASSERT_EQ(all.size(), 6);
    EXPECT_TRUE(all[4][0].startsWith("2026-12-09") && all[5][0].startsWith("2020-01-01"));
    EXPECT_TRUE(
        QFile::exists(childPath(outbox, QStringLiteral("row-000000000000-stray.txt.set-aside"))));
}

TEST(FleetRecord, ACutOffRowGoesTheRowsBeforeStayAndAForeignFileIsSetAside)
{
    RecordEntry entry;
    entry.when = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
    entry.driveLabel = QStringLiteral("@SUM(A1) \"quoted\"");
    entry.written.daysBack = QStringLiteral("-7");
    QTemporaryDir dir;
    const QString path = QDir::toNativeSeparators(dir.filePath(QStringLiteral("r.csv")));
    const RecordPaths paths{path, dir.filePath(QStringLiteral("pending.txt")), {}};
    auto add = [&] { return addToRecord(systemFiles(), paths, {entry}).recorded; };
    ASSERT_TRUE(add());
    const QByteArray one = readAll(path);
    ASSERT_TRUE(add());
    const QByteArray two = readAll(path);
    ASSERT_TRUE(add());
    const QByteArray three = readAll(path);
    // Cut in the middle of the next row, on a character and between the bytes of one.
    for (int cut : {20, 21}) {
        writeFile(path, two + two.mid(one.size(), cut));
        ASSERT_TRUE(add());
        EXPECT_EQ(readAll(path), three) << cut;
    }

    writeFile(path, two + two.mid(one.size(), 21));
    RecordResult added = addToRecord(systemFiles(), paths, {entry});
    ASSERT_TRUE(added.recorded) << added.problem.toStdString();
    const QList<QStringList> rows = recordRows(path);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[3][2], "\"'@SUM(A1) \"\"quoted\"\"\"") << "neutralised, then quoted";
    EXPECT_EQ(rows[3][7], "'-7");
    EXPECT_EQ(rows[3][0], "2026-01-02T03:04:05+00:00") << "the offset is always written";

#ifndef Q_OS_WIN
    // A record reached through a link keeps the link; the file behind it grows.
    const QString behind = dir.filePath(QStringLiteral("behind.csv"));
    ASSERT_TRUE(QFile::rename(path, behind));
    ASSERT_TRUE(QFile::link(behind, path));
    ASSERT_TRUE(addToRecord(systemFiles(), paths, {entry}).recorded);
    EXPECT_EQ(QFileInfo(path).symLinkTarget(), behind);
    EXPECT_EQ(recordRows(behind).size(), 5);
    QFile::remove(path);
    ASSERT_TRUE(QFile::rename(behind, path));
#endif

    // Somebody's own file, or the record saved over by a spreadsheet: kept aside.
    writeFile(path, "Somebody's own notes\n");
    ASSERT_TRUE(addToRecord(systemFiles(), paths, {entry}).recorded);
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("r-20260102-030405.csv"))),
              "Somebody's own notes\n");
    EXPECT_EQ(recordRows(path).size(), 2);

    // A file at the pending rows' name that is not ours is set aside too, never written over.
    writeFile(paths.pending, "Somebody else's notes\n");
    ASSERT_TRUE(addToRecord(systemFiles(), paths, {entry}).recorded);
    EXPECT_EQ(recordRows(path).size(), 3);
    const QStringList aside =
        QDir(dir.path()).entryList({QStringLiteral("pending.txt-*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(readAll(dir.filePath(aside[0])), "Somebody else's notes\n");
}
