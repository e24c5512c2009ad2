#pragma once

// One configuration run that both platforms perform on the simulated device's
// default TQ 54 settings; the file it writes is kept in tests/data so that the
// Windows run can be compared with the Linux one byte for byte.
#include "testsupport.h"

#include <QCheckBox>
#include <QDate>
#include <QLineEdit>

namespace kordavel::test {

// Today's date in the scenario: the date pickers start at 2025-12-05 and 2026-12-06.
inline const QDate kScenarioToday(2026, 12, 6);

// The file the scenario writes (DI999000.HEX).
inline const char kScenarioExpectedHex[] = KORDAVEL_TEST_DATA_DIR "/scenario-DI999000.HEX";

// What the user changes: 28 days, detailed speed (24 h) and 168 h detailed speed.
inline void applyScenarioSettings(MainWindow &window)
{
    controlsOf(window).daysBackEdit->setText(QStringLiteral("28"));
    controlsOf(window).detailedSpeedBox->setChecked(true);
    controlsOf(window).speed168hBox->setChecked(true);
}

} // namespace kordavel::test
