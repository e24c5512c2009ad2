// The window at 100-200 % scaling. Run once per scale: on Linux with
// QT_SCALE_FACTOR, on Windows under wine with the prefix's LogPixels; the
// scale the run must see is given as KORDAVEL_EXPECTED_SCALE. With
// KORDAVEL_SCREENSHOT set, a screenshot of the main window during the unplug
// stage is saved there.
#include "app/arrows.h"
#include "app/language.h"
#include "app/layout.h"
#include "help/helpwindow.h"
#include "look/look.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

qreal expectedScale()
{
    bool ok = false;
    const qreal s = qEnvironmentVariable("KORDAVEL_EXPECTED_SCALE").toDouble(&ok);
    return ok ? s : 0;
}

QString withoutMnemonics(QString text)
{
    return text.replace(QLatin1String("&&"), QLatin1String("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Where a control draws its text and how; an empty rectangle for controls
// that draw none.
struct TextPlace
{
    QRect rect;
    int flags = 0;
    QString text;
};

TextPlace textPlace(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
        return {label->contentsRect(), int(label->alignment()) | wrap, label->text()};
    }
    if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
        auto *button = static_cast<QAbstractButton *>(w);
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        const bool check = qobject_cast<QCheckBox *>(w) != nullptr;
        const QRect r = button->style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &opt, button);
        // These controls wrap their captions at their width, as designed.
        return {r, int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic),
                button->text()};
    }
    if (auto *button = qobject_cast<QPushButton *>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        const QRect r =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
        return {r, int(Qt::AlignCenter | Qt::TextShowMnemonic), button->text()};
    }
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        if (qobject_cast<QAbstractSpinBox *>(edit->parentWidget()))
            return {}; // the date pickers' own edit, measured with the picker
        return {edit->contentsRect().adjusted(2, 0, -2, 0), int(Qt::AlignLeft | Qt::AlignVCenter),
                edit->text()};
    }
    if (auto *picker = qobject_cast<QDateEdit *>(w)) {
        QStyleOptionSpinBox opt;
        opt.initFrom(picker);
        opt.subControls = QStyle::SC_SpinBoxEditField;
        const QRect r = picker->style()->subControlRect(QStyle::CC_SpinBox, &opt,
                                                        QStyle::SC_SpinBoxEditField, picker);
        return {r.adjusted(2, 0, -2, 0), int(Qt::AlignLeft | Qt::AlignVCenter), picker->text()};
    }
    if (auto *frame = qobject_cast<QGroupBox *>(w)) {
        if (frame->title().isEmpty())
            return {};
        return {frame->rect().adjusted(8, 0, -8, 0), int(Qt::AlignLeft | Qt::AlignTop),
                frame->title()};
    }
    return {};
}

// Every text of top as measured: where its control draws it and what it needs
// there, with the control's own font; clipped marks one that does not fit.
struct Measured
{
    QString line;
    bool clipped = false;
};

QList<Measured> measuredTexts(QWidget *top)
{
    QList<Measured> measured;
    for (QWidget *w : top->findChildren<QWidget *>()) {
        const TextPlace place = textPlace(w);
        if (place.rect.isEmpty() || place.text.isEmpty())
            continue;
        const QFontMetrics fm(w->font());
        const QRect needed = fm.boundingRect(place.rect, place.flags, place.text);
        measured.append({QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                             .arg(w->objectName(), withoutMnemonics(place.text))
                             .arg(needed.width())
                             .arg(needed.height())
                             .arg(place.rect.width())
                             .arg(place.rect.height()),
                         !place.rect.contains(needed)});
    }
    return measured;
}

QStringList measuredLines(QWidget *top)
{
    QStringList lines;
    for (const Measured &m : measuredTexts(top))
        lines.append(m.line);
    return lines;
}

// Names of the controls of top whose text does not fit where they draw it.
QStringList clippedCaptions(QWidget *top)
{
    QStringList clipped;
    for (const Measured &m : measuredTexts(top))
        if (m.clipped)
            clipped.append(m.line);
    return clipped;
}

// The leftmost device-pixel column of row y that is not background.
int leftmostDrawn(const QImage &img, int y)
{
    for (int x = 0; x < img.width(); ++x)
        if (QColor(img.pixel(x, y)) != kBackground)
            return x;
    return -1;
}

class Scaling : public ::testing::Test
{
protected:
    void SetUp() override
    {
        scale = expectedScale();
        ASSERT_GT(scale, 0) << "KORDAVEL_EXPECTED_SCALE names the scale this run must see";
        writeFile(h.programDir.filePath(QLatin1String(kWideLayoutMarker)), "");
        h.create(); // wide: every control is on show
        h.window->show();
    }
    qreal scale = 0;
    Harness h;
};

} // namespace

TEST_F(Scaling, TheWindowSeesTheScale)
{
    EXPECT_DOUBLE_EQ(h.window->devicePixelRatioF(), scale);
    std::printf("scale %.2f: main window %d x %d logical pixels, %d x %d on the screen\n", scale,
                h.window->width(), h.window->height(), qRound(h.window->width() * scale),
                qRound(h.window->height() * scale));
}

TEST_F(Scaling, EveryCaptionFitsItsControl)
{
    MainWindow &w = *h.window;
    EXPECT_EQ(clippedCaptions(&w), QStringList());
    // The texts the flow shows later, each in its own label.
    const WindowControls &c = controlsOf(w);
    const QList<std::pair<QLabel *, QStringList>> shown = {
        {c.statusLabel,
         {"Ready for next", "Kordavel found", "Configuration read", "Not Suitable", "Success!"}},
        {c.instructionLabel, {"Disconnect USB", "Connect USB"}},
        {c.softwareVersionLabel, {"SW Version - TQ 54", "SW Version - CR 7"}},
        {c.stateLabel, {"5"}},
        {c.mountNoticeLabel,
         {"A removable drive (mmcblk0p1) is attached but not mounted. Mount it to use it here."}},
    };
    for (const auto &[label, texts] : shown) {
        for (const QString &text : texts) {
            label->setText(text);
            EXPECT_EQ(clippedCaptions(&w), QStringList()) << text.toStdString();
        }
    }
    // The shorter notice beside the mount button, in the narrower place it has there.
    c.mountNoticeLabel->setGeometry(pixelRect(kNoticeBesideMountButton));
    c.mountNoticeLabel->setText("Drive mmcblk0p1 is attached but not mounted.");
    EXPECT_EQ(clippedCaptions(&w), QStringList());
}

namespace {

QString inWindow(const char *text)
{
    return QCoreApplication::translate("kordavel::app", text);
}

// A window of the layout as the texts of the language are measured in it:
// polished as for the screen but never shown, since a native window per
// language costs seconds under wine. EveryTextFitsInEveryLanguage checks
// that such a window measures as the one on the screen does.
void createUnshown(Harness &h, bool wide)
{
    if (wide)
        writeFile(h.programDir.filePath(QLatin1String(kWideLayoutMarker)), "");
    h.create();
    h.window->ensurePolished();
}

// The texts of a language that do not fit, in the window (narrow or wide),
// in the texts the flow shows later, and in both help windows.
QStringList clippedInLanguage(bool wide)
{
    Harness h;
    createUnshown(h, wide);
    const WindowControls &c = controlsOf(*h.window);
    QStringList clipped = clippedCaptions(h.window.get());
    const QString version = QCoreApplication::translate("kordavel::cycle", "SW Version - TQ");
    const QList<std::pair<QLabel *, QStringList>> shown = {
        {c.statusLabel,
         {inWindow("Ready for next"), inWindow("Kordavel found"), inWindow("Configuration read"),
          inWindow("Config. not available"), inWindow("Not Suitable"), inWindow("Success!")}},
        {c.instructionLabel, {inWindow("Disconnect USB"), inWindow("Connect USB")}},
        {c.softwareVersionLabel, {version + QStringLiteral(" 54")}},
        {c.mountNoticeLabel,
         {inWindow("A removable drive (%1) is attached but not mounted. Mount it to use it here.")
              .arg(QStringLiteral("mmcblk0p1"))}},
    };
    for (const auto &[label, texts] : shown) {
        for (const QString &text : texts) {
            label->setText(text);
            clipped += clippedCaptions(h.window.get());
        }
    }
    c.mountNoticeLabel->setGeometry(pixelRect(kNoticeBesideMountButton));
    c.mountNoticeLabel->setText(
        inWindow("Drive %1 is attached but not mounted.").arg(QStringLiteral("mmcblk0p1")));
    clipped += clippedCaptions(h.window.get());
    for (HelpTopic topic : {HelpTopic::Instructions, HelpTopic::NotSuitable}) {
        HelpWindow help(topic);
        help.ensurePolished();
        clipped += clippedCaptions(&help);
    }
    clipped.removeDuplicates();
    return clipped;
}

// The access key of a caption ('&' before it), or a null character.
QChar accessKey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i; // "&&" is an ampersand
    }
    return {};
}

// Every caption that has an access key, by window: the main window's buttons
// and the fleet menu's actions, with the objectName of each.
QList<QList<std::pair<QString, QString>>> captionsByWindow(MainWindow &w)
{
    QList<std::pair<QString, QString>> window;
    for (QAbstractButton *b : w.findChildren<QAbstractButton *>())
        window.append({b->objectName(), b->text()});
    QList<std::pair<QString, QString>> menu;
    for (QAction *a : w.findChild<QMenu *>(QStringLiteral("fleetMenu"))->actions())
        menu.append({a->objectName(), a->text()});
    return {window, menu};
}

} // namespace

// Every text fits in every language, in both layouts, at this run's scale;
// where a translation is too long, that language takes a shorter wording.
TEST_F(Scaling, EveryTextFitsInEveryLanguage)
{
    // The windows the languages are measured in are not shown: each text
    // measures there as in the window and the help windows on the screen.
    Harness unshown;
    createUnshown(unshown, true);
    ASSERT_EQ(measuredLines(unshown.window.get()), measuredLines(h.window.get()));
    for (HelpTopic topic : {HelpTopic::Instructions, HelpTopic::NotSuitable}) {
        HelpWindow shownHelp(topic);
        shownHelp.show();
        HelpWindow unshownHelp(topic);
        unshownHelp.ensurePolished();
        ASSERT_EQ(measuredLines(&unshownHelp), measuredLines(&shownHelp));
    }

    const QLocale before;
    const QStringList toolkit = {QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString &language : supportedLanguages()) {
        const auto translators = installLanguage(language, toolkit);
        if (language != QLatin1String("en")) {
            ASSERT_FALSE(translators.empty()) << language.toStdString() << " is not built in";
        }
        for (bool wide : {false, true})
            EXPECT_EQ(clippedInLanguage(wide), QStringList())
                << language.toStdString() << (wide ? " wide" : " narrow");
    }
    QLocale::setDefault(before);
}

// In every language each access key works in its window and none is doubled
// there; where the English caption has one, so has the translation.
TEST_F(Scaling, AccessKeysAreUniquePerWindowInEveryLanguage)
{
    const QLocale before;
    const auto english = captionsByWindow(*h.window);
    for (const QString &language : supportedLanguages()) {
        const auto translators = installLanguage(language, {});
        Harness lh;
        lh.create();
        const auto translated = captionsByWindow(*lh.window);
        ASSERT_EQ(translated.size(), english.size());
        for (qsizetype i = 0; i < translated.size(); ++i) {
            QHash<QChar, QString> taken;
            for (qsizetype j = 0; j < translated[i].size(); ++j) {
                const auto &[name, caption] = translated[i][j];
                SCOPED_TRACE(
                    QStringLiteral("%1 %2 \"%3\"").arg(language, name, caption).toStdString());
                const QChar key = accessKey(caption);
                EXPECT_EQ(key.isNull(), accessKey(english[i][j].second).isNull());
                if (key.isNull())
                    continue;
                EXPECT_FALSE(taken.contains(key))
                    << "the same key as " << taken.value(key).toStdString();
                taken.insert(key, name);
            }
        }
    }
    QLocale::setDefault(before);
}

TEST_F(Scaling, PicturesAreDrawnForTheScale)
{
    const WindowControls &c = controlsOf(*h.window);
    for (const PictureBox *box :
         {c.arrowDisplay, c.noArrowPicture, c.plugInArrowPicture, c.unplugArrowPicture}) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_DOUBLE_EQ(box->image().devicePixelRatio(), scale);
        EXPECT_EQ(box->image().size(), box->size() * scale) << "every device pixel drawn";
    }
    // The device picture is drawn once the window is on the screen and the
    // event loop runs, and then for the window's scale.
    ASSERT_TRUE(waitUntil([&] { return !c.devicePicture->pixmap().isNull(); }, 5000));
    EXPECT_FALSE(h.window->windowIcon().isNull());
    const QPixmap device = c.devicePicture->pixmap();
    EXPECT_DOUBLE_EQ(device.devicePixelRatio(), scale);
    EXPECT_EQ(device.size(), QSize(270, 221) * scale);
}

TEST_F(Scaling, TheArrowMovesByItsStep)
{
    MainWindow &w = *h.window;
    ArrowAnimator arrows;
    PictureBox &display = *controlsOf(w).arrowDisplay;
    const int row = qRound(23 * scale); // the arrow's middle
    stepArrow(arrows, w, controlsOf(w).unplugArrowPicture);
    const int away = leftmostDrawn(display.image(), row);
    stepArrow(arrows, w, controlsOf(w).unplugArrowPicture);
    const int atEdge = leftmostDrawn(display.image(), row);
    ASSERT_GE(atEdge, 0);
    EXPECT_NEAR(away - atEdge, kArrowStepPixels * scale, 1.0);
    // On the screen as well, not only in the picture.
    const QImage shown = display.grab().toImage();
    EXPECT_EQ(shown.size(), display.size() * scale);
    EXPECT_EQ(leftmostDrawn(shown, row), atEdge);
}

TEST_F(Scaling, HelpWindowAndMessageBoxScaleToo)
{
    for (HelpTopic topic : {HelpTopic::Instructions, HelpTopic::NotSuitable}) {
        HelpWindow help(topic);
        help.show();
        EXPECT_DOUBLE_EQ(help.devicePixelRatioF(), scale);
        EXPECT_EQ(clippedCaptions(&help), QStringList());
    }

    // The program's own message box, measured and closed by a timer once it
    // is up (a box that never comes up ends the wait after 5 s).
    qreal boxScale = 0;
    QStringList boxClipped;
    QTimer closer;
    int tries = 0;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box && ++tries < 250)
            return;
        if (box) {
            boxScale = box->devicePixelRatioF();
            boxClipped = clippedCaptions(box);
        }
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<QMessageBox *>(w))
                w->close();
        closer.stop();
    });
    closer.start(20);
    systemMessageBox().inform(h.window.get(), QStringLiteral("Kordavel - Set 'Latest VU' settings"),
                              QStringLiteral("Configuration file error.\r\nDisconnect and "
                                             "reconnect Kordavel.\r\nWait a moment then click "
                                             "'Current Settings'."));
    EXPECT_DOUBLE_EQ(boxScale, scale) << "the message box was shown at the scale";
    EXPECT_EQ(boxClipped, QStringList());
}

// The window users see (narrow) during the unplug stage, on the screen at the
// scale: saved where KORDAVEL_SCREENSHOT says (the pictures in docs/).
TEST_F(Scaling, UnplugStageOnTheScreen)
{
    // KORDAVEL_SCREENSHOT_LANGUAGE=de takes the screenshot in German.
    const QLocale before;
    const auto translators = installLanguage(
        qEnvironmentVariable("KORDAVEL_SCREENSHOT_LANGUAGE", QStringLiteral("en")), {});
    Harness narrow;
    narrow.window->show();
    DeviceDir dev(exampleLayoutC());
    narrow.plug(dev.root(), "KORDAVEL");
    narrow.tick();
    pressConfigure(*narrow.window);
    ASSERT_EQ(narrow.window.cycle().state(), FlowState::WaitingForUnplug);
    narrow.tick(); // the arrow out of the device
    const QImage shot = narrow.window->grab().toImage();
    EXPECT_EQ(shot.size(), narrow.window->size() * scale);
    EXPECT_EQ(clippedCaptions(narrow.window.get()), QStringList());
    QTemporaryDir dir;
    const QString path = qEnvironmentVariable("KORDAVEL_SCREENSHOT", dir.filePath("shot.png"));
    ASSERT_TRUE(shot.save(path)) << path.toStdString();
    std::printf("saved %s (%d x %d)\n", qPrintable(path), shot.width(), shot.height());
    QLocale::setDefault(before);
}
