// The window's language: how it is chosen, and that it changes only what the
// user reads, never what is written or logged.
#include "app/language.h"
#include "fleet/standard.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

TEST(Language, TheCommandLineOverTheSystemAndEnglishForAnythingUnsupported)
{
    const struct
    {
        const char *asked;
        QStringList system;
        const char *chosen;
    } cases[] = {
        {"", {"de-AT", "en-US"}, "de"},
        {"", {"pt-BR", "fr-CA", "de"}, "fr"},
        {"", {"en-GB", "de-DE"}, "en"},
        {"", {}, "en"},
        {"", {"zh-Hans-CN"}, "en"},
        {"pl", {"de-DE"}, "pl"},
        {"DE_ch", {}, "de"},
        {"pt", {"nl-BE"}, "en"},
        {"x", {"it-IT"}, "en"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(chooseLanguage(QLatin1String(c.asked), c.system), QLatin1String(c.chosen))
            << c.asked << " " << c.system.join(' ').toStdString();
}

namespace {

// What one whole Configure of the same device leaves behind, and what the
// user read on the way.
struct Trace
{
    QStringList logRows;
    QByteArray written;
    QStringList record;
    QByteArray standardFile;
    QString success;
};

Trace configureIn(const QString &language)
{
    const QLocale before;
    const auto translators = installLanguage(language, {});
    Trace t;
    QTemporaryDir data;
    FleetStandard standard{QStringLiteral("Depot"), {}};
    standard.settings.daysBack = daysBackText(28);
    const QString standardFile = data.filePath("depot.json");
    QString problem;
    EXPECT_TRUE(saveFleetStandard(systemFiles(), standardFile, standard, &problem));
    t.standardFile = readAll(standardFile);
    {
        Harness h;
        h.adjustPlatform = [&](Platform &p) {
            p.standardForThisRun = standard;
            p.applyStandardForThisRun = true;
            p.recordFile = data.filePath("record.csv");
        };
        h.create();
        DeviceDir dev(exampleLayoutC());
        auto logRows = [&] {
            const QListWidget *log = controlsOf(*h.window).driveLog;
            for (int i = 0; i < log->count(); ++i)
                t.logRows.append(log->item(i)->text().replace(dev.root(), QLatin1String("<root>")));
        };
        h.plug(dev.root());
        h.tick();
        logRows();
        h.configureAndUnplug(dev.root());
        t.written = readAll(dev.path("UPDATES/DI999000.HEX"));
        h.plug(dev.root());
        h.tick();
        logRows();
        t.success = controlsOf(*h.window).statusLabel->text();
        EXPECT_TRUE(h.messages.texts.isEmpty()) << h.messages.texts.join('|').toStdString();
    }
    // The record without its first column, the time of each row.
    const QByteArray record = readAll(data.filePath("record.csv"));
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(record.constData()),
                                            record.size() / 2);
    for (const QString &row : text.split(QStringLiteral("\r\n")))
        t.record.append(row.section(QLatin1Char('\t'), 1));
    QLocale::setDefault(before);
    return t;
}

} // namespace

// In every language the device gets the same file, the drive log and the
// record keep the same rows and a standard is saved with the same keys; only
// what the window says changes.
TEST(Language, OnlyWhatTheUserReadsChangesWithTheLanguage)
{
    const Trace english = configureIn(QStringLiteral("en"));
    ASSERT_EQ(english.success, QStringLiteral("Success!"));
    ASSERT_FALSE(english.written.isEmpty());
    ASSERT_EQ(english.record.size(), 4) << "the header, the file written, the success and the end";
    ASSERT_TRUE(english.logRows.contains(QStringLiteral("Version file length: 80")))
        << english.logRows.join('|').toStdString();
    for (const QString &language : supportedLanguages()) {
        if (language == QLatin1String("en"))
            continue;
        SCOPED_TRACE(language.toStdString());
        const Trace translated = configureIn(language);
        EXPECT_NE(translated.success, english.success) << "the window is not translated";
        EXPECT_EQ(translated.written, english.written);
        EXPECT_EQ(translated.logRows, english.logRows);
        EXPECT_EQ(translated.record, english.record);
        EXPECT_EQ(translated.standardFile, english.standardFile);
    }
}
