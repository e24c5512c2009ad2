// Configure while another program holds the device's files open, as virus
// scanners and indexers do for a moment after a file appears: the real Win32
// file backend, the holder on a thread of its own (sharing is checked per
// handle, so a thread meets the same refusal as another process).
#include "support/testsupport.h"
#include "writer/configwrite.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <future>
#include <thread>

#include <windows.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

// Opens a file for reading without sharing delete or write, and keeps it open
// for ms milliseconds or until the holder is destroyed.
class FileHolder
{
public:
    FileHolder(const QString &path, DWORD ms)
        : m_release(CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
        std::promise<bool> opened;
        std::future<bool> isOpen = opened.get_future();
        const std::wstring p = QDir::toNativeSeparators(path).toStdWString();
        m_thread = std::thread([this, p, ms, &opened] {
            const HANDLE h = CreateFileW(p.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            opened.set_value(h != INVALID_HANDLE_VALUE);
            WaitForSingleObject(m_release, ms);
            if (h != INVALID_HANDLE_VALUE)
                CloseHandle(h);
        });
        m_open = isOpen.get();
    }
    ~FileHolder()
    {
        SetEvent(m_release);
        m_thread.join();
        CloseHandle(m_release);
    }
    FileHolder(const FileHolder &) = delete;
    FileHolder &operator=(const FileHolder &) = delete;
    bool open() const { return m_open; }

private:
    HANDLE m_release;
    std::thread m_thread;
    bool m_open = false;
};

class BusyFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeFile(dev.path("UPDATES/DI999000.HEX"), "earlier complete file");
        writeFile(dev.path("UPDATES/old.hex"), "old");
        h.plug(dev.root(), "KORD");
        h.tick();
        ASSERT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
    }
    bool complete(const QByteArray &hex)
    {
        return hex.startsWith(":103A0000") && hex.endsWith(":00000001FF\r\n");
    }

    Harness h;
    DeviceDir dev{exampleLayoutC()};
};

} // namespace

TEST_F(BusyFiles, FilesHeldForAMomentDoNotStopConfigure)
{
    FileHolder finalName(dev.path("UPDATES/DI999000.HEX"), 300);
    FileHolder oldHex(dev.path("UPDATES/old.hex"), 300);
    ASSERT_TRUE(finalName.open() && oldHex.open());
    QElapsedTimer took;
    took.start();
    pressConfigure(*h.window);
    std::printf("Configure with files held for 300 ms took %lld ms\n",
                static_cast<long long>(took.elapsed()));
    EXPECT_TRUE(h.messages.texts.isEmpty()) << h.messages.texts.join('|').toStdString();
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
    EXPECT_TRUE(complete(readAll(dev.path("UPDATES/DI999000.HEX"))));
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/old.hex")));
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/KORDCFG.TMP")));
}

TEST_F(BusyFiles, FileHeldLongGivesUpWithAMessageAndNoUnplugPrompt)
{
    // Held until the test ends: Configure returns on its own budget.
    FileHolder finalName(dev.path("UPDATES/DI999000.HEX"), INFINITE);
    ASSERT_TRUE(finalName.open());
    pressConfigure(*h.window);
    ASSERT_EQ(h.messages.texts.size(), 1);
    EXPECT_EQ(h.messages.texts[0],
              "DI999000.HEX on the Kordavel is in use by another program or locked; close that "
              "program and try again.\r\nNo configuration file was written.");
    EXPECT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
    EXPECT_EQ(outerHeightTwips(*h.window), 7800) << "no unplug prompt";
    EXPECT_TRUE(controlsOf(*h.window).configureButton->isEnabled());
    EXPECT_EQ(readAll(dev.path("UPDATES/DI999000.HEX")), "earlier complete file");
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/KORDCFG.TMP")));
}

TEST_F(BusyFiles, TakenUpFileHeldAtTheReplugIsDeletedOnALaterTick)
{
    pressConfigure(*h.window);
    ASSERT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
    h.unplug(dev.root());
    h.tick();
    h.plug(dev.root(), "KORD");
    {
        FileHolder scanner(dev.path("UPDATES/DI999000.HEX"), 10000);
        ASSERT_TRUE(scanner.open());
        h.tick();
        EXPECT_EQ(controlsOf(*h.window).statusLabel->text(), "Success!");
        h.tick();
        EXPECT_TRUE(QFile::exists(dev.path("UPDATES/DI999000.HEX"))) << "still held";
    }
    h.tick();
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/DI999000.HEX")));
}
