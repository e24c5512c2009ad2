#include "windowcontrols.h"
#include "apptext.h"

#include "arrows.h"
#include "layout.h"
#include "look/look.h"
#include "pictures.h"
#include "settings/downloaditems.h"
#include "widgets.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace kordavel {

namespace {

template <typename T> T *place(T *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    if (const ControlGeometry *g = geometryOf(QLatin1String(name)))
        w->setGeometry(pixelRect(*g));
    return w;
}

// Explicit groups: automatic exclusivity would search the whole window and
// couple the page selectors with the option buttons inside the pages.
template <typename... More> void exclusiveGroup(QRadioButton *first, More *...more)
{
    auto *group = new QButtonGroup(first->parent());
    int id = 0;
    group->addButton(first, id++);
    (group->addButton(more, id++), ...);
}

// The model of the device: Kordavel or Kordavel Plus.
void buildModelChoice(MainWindowControls &c, QWidget *window)
{
    c.modelFrame = place(new QFrame(window), "modelFrame");
    c.modelFrame->setFrameShape(QFrame::NoFrame);
    c.modelKordavelButton =
        place(new WrapRadioButton(QStringLiteral("Kordavel"), c.modelFrame), "modelKordavelButton");
    c.modelKordavelPlusButton =
        place(new WrapRadioButton(QStringLiteral("Kordavel Plus"), c.modelFrame),
              "modelKordavelPlusButton");
    for (QRadioButton *b : {c.modelKordavelButton, c.modelKordavelPlusButton})
        b->setFont(designFont(kSmallPoints));
    c.modelKordavelPlusButton->setChecked(true);
    exclusiveGroup(c.modelKordavelButton, c.modelKordavelPlusButton);
}

// The two pages, still empty, and the buttons that choose between them.
void buildPages(MainWindowControls &c, QWidget *window)
{
    c.fileNamePageButton =
        place(new WrapRadioButton(AppText::tr("File Name"), window), "fileNamePageButton");
    c.downloadPageButton =
        place(new WrapRadioButton(AppText::tr("Configuration"), window), "downloadPageButton");
    for (QRadioButton *b : {c.downloadPageButton, c.fileNamePageButton})
        b->setFont(designFont(kLargePoints));
    c.downloadPageButton->setChecked(true);
    exclusiveGroup(c.downloadPageButton, c.fileNamePageButton);

    c.fileNamePage =
        place(new QGroupBox(AppText::tr("Select File Name Format"), window), "fileNamePage");
    c.downloadPage =
        place(new QGroupBox(AppText::tr("Select Files to download"), window), "downloadPage");
    for (QGroupBox *page : {c.fileNamePage, c.downloadPage}) {
        page->setFont(designFont(kSmallPoints));
        useDesignFrameLook(page);
    }
}

// The file-name page: one button per format of the downloaded files' names.
void fillFileNamePage(MainWindowControls &c)
{
    // The buttons' object names, by FileNameFormat.
    static const char *const names[kFileNameFormatCount] = {
        "shortNamesButton", "europeanNamesButton", "frenchNamesButton", "spanishNamesButton",
        "duvadoRirozoNamesButton"};
    for (const FileNameFormatItem &f : fileNameFormats()) {
        QRadioButton *b = place(new WrapRadioButton(QLatin1String(f.caption), c.fileNamePage),
                                names[int(f.format)]);
        b->setFont(designFont(kLargePoints));
        c.fileNameFormatButtons[std::size_t(f.format)] = b;
    }
    c.formatButton(FileNameFormat::European)->setChecked(true);
    const auto &fb = c.fileNameFormatButtons;
    exclusiveGroup(fb[0], fb[1], fb[2], fb[3], fb[4]);
}

// The download page's boxes, in the order they are made (the tab order). A
// box that asks for a download takes its caption and tooltip from the
// download's own row; the other two have their own.
void addDownloadBoxes(MainWindowControls &c)
{
    struct BoxDef
    {
        DownloadBox box;
        QCheckBox *MainWindowControls::*member;
        const char *name;
        const char *caption = nullptr;
        const char *tip = nullptr;
    };
    using C = MainWindowControls;
    static const BoxDef boxes[] = {
        {DownloadBox::UseDates, &C::useDatesBox, "useDatesBox",
         QT_TRANSLATE_NOOP("kordavel::app", "Use Start/End Dates"),
         QT_TRANSLATE_NOOP("kordavel::app", "Available from firmware version 55")},
        {DownloadBox::DriverCard, &C::driverCardBox, "driverCardBox"},
        {DownloadBox::TechnicalData, &C::technicalDataBox, "technicalDataBox"},
        {DownloadBox::EventsFaults, &C::eventsFaultsBox, "eventsFaultsBox"},
        {DownloadBox::DetailedSpeed, &C::detailedSpeedBox, "detailedSpeedBox"},
        {DownloadBox::Activities, &C::activitiesBox, "activitiesBox"},
        {DownloadBox::Overview, &C::overviewBox, "overviewBox"},
        {DownloadBox::SaveCardDate, &C::saveCardDateBox, "saveCardDateBox",
         QT_TRANSLATE_NOOP("kordavel::app", "Save Card Download Date"),
         QT_TRANSLATE_NOOP("kordavel::app",
                           "For card downloaded direct into Kordavel Plus or Blue")},
        {DownloadBox::Speed168h, &C::speed168hBox, "speed168hBox"},
        {DownloadBox::OtherVdoData, &C::otherVdoDataBox, "otherVdoDataBox"},
        {DownloadBox::Speed4Hz, &C::speed4HzBox, "speed4HzBox"},
    };
    for (const BoxDef &d : boxes) {
        const DownloadItem *item = downloadItemOf(d.box);
        const QString caption = item ? captionOf(*item) : AppText::tr(d.caption);
        c.*d.member = place(new WrapCheckBox(caption, c.downloadPage), d.name);
        (c.*d.member)->setToolTip(item ? termOf(*item) : AppText::tr(d.tip));
    }
    // The overview is always downloaded.
    c.overviewBox->setChecked(true);
    c.overviewBox->setEnabled(false);
}

// The download page: the boxes, the days back and the dates.
void fillDownloadPage(MainWindowControls &c)
{
    addDownloadBoxes(c);
    c.daysBackEdit = place(new QLineEdit(QStringLiteral("92"), c.downloadPage), "daysBackEdit");
    c.daysBackEdit->setFont(designFont(kLargePoints));
    c.daysBackEdit->setToolTip(AppText::tr("Set to zero for 'download since last download'"));

    for (QDateEdit **picker : {&c.downloadEndPicker, &c.downloadStartPicker}) {
        *picker =
            place(new QDateEdit(c.downloadPage),
                  picker == &c.downloadEndPicker ? "downloadEndPicker" : "downloadStartPicker");
        (*picker)->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        (*picker)->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
        (*picker)->setCalendarPopup(true);
    }
    c.downloadEndLabel =
        place(new QLabel(AppText::tr("Download End"), c.downloadPage), "downloadEndLabel");
    c.downloadStartLabel =
        place(new QLabel(AppText::tr("Download Start"), c.downloadPage), "downloadStartLabel");
    c.daysLabel = place(new QLabel(AppText::tr("Days"), c.downloadPage), "daysLabel");
    c.daysLabel->setFont(designFont(kLargePoints));
    for (QWidget *w : std::initializer_list<QWidget *>{c.downloadEndPicker, c.downloadStartPicker,
                                                       c.downloadEndLabel, c.downloadStartLabel})
        w->setFont(designFont(kSmallPoints));
    for (DownloadBox b : kAllDownloadBoxes)
        c.box(b)->setFont(designFont(kSmallPoints));
}

// The arrow display and the three hidden pictures it copies from.
void buildArrowPictures(MainWindowControls &c, QWidget *window)
{
    c.noArrowPicture = place(new PictureBox(window), "noArrowPicture");
    c.arrowDisplay = place(new PictureBox(window), "arrowDisplay");
    c.plugInArrowPicture = place(new PictureBox(window), "plugInArrowPicture");
    c.unplugArrowPicture = place(new PictureBox(window), "unplugArrowPicture");
    // Drawn for the screen's scale, so they stay sharp at 125-200 %.
    const qreal scale = window->devicePixelRatioF();
    c.noArrowPicture->setImage(
        blankPicture(c.noArrowPicture->width(), c.noArrowPicture->height(), scale));
    c.arrowDisplay->setImage(
        blankPicture(c.arrowDisplay->width(), c.arrowDisplay->height(), scale));
    c.plugInArrowPicture->setImage(arrowPicture(true, scale));
    c.unplugArrowPicture->setImage(arrowPicture(false, scale));
    for (PictureBox *hidden : {c.noArrowPicture, c.plugInArrowPicture, c.unplugArrowPicture})
        hidden->setVisible(false);
}

// The number of the flow's state, for service work: like the drive log, it
// lies beyond the narrow window's right edge.
void buildStateDisplay(MainWindowControls &c, QWidget *window)
{
    c.stateCaptionLabel = place(new QLabel(AppText::tr("State"), window), "stateCaptionLabel");
    c.stateLabel = place(new QLabel(QStringLiteral("0"), window), "stateLabel");
    c.stateLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
}

// What the user reads: the device's software version, the status, the device
// picture with the instruction over it, the program's version and copyright.
void buildStatusArea(MainWindowControls &c, QWidget *window)
{
    c.softwareVersionLabel =
        place(new QLabel(AppText::tr("SW Version - "), window), "softwareVersionLabel");
    c.softwareVersionLabel->setFont(designFont(kSmallPoints));
    c.statusLabel = place(new StatusText(window), "statusLabel");
    c.statusLabel->setFont(designFont(kHeadlinePoints));
    c.statusLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c.devicePicture = place(new QLabel(window), "devicePicture");
    c.devicePicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.instructionLabel = place(new StatusText(window), "instructionLabel");
    c.instructionLabel->setText(AppText::tr("Disconnect USB"));
    c.instructionLabel->setFont(designFont(kHeadlinePoints));
    c.instructionLabel->setWordWrap(true);
    c.instructionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.programVersionLabel = place(new QLabel(window), "programVersionLabel");
    c.programVersionLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    c.copyrightLabel = place(new QLabel(window), "copyrightLabel");
}

// The desktop's disk service: the hint on an unmounted drive with its mount
// button, and safe removal of the configured device.
void buildDiskServiceControls(MainWindowControls &c, QWidget *window)
{
    c.mountNoticeLabel = place(new QLabel(window), "mountNoticeLabel");
    c.mountNoticeLabel->setWordWrap(true);
    c.mountNoticeLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.mountButton = place(new QPushButton(AppText::tr("&Mount"), window), "mountButton");
    c.mountButton->setToolTip(
        AppText::tr("Mount the attached drive through the desktop's disk service"));
    c.mountButton->setVisible(false);
    c.safeRemoveButton =
        place(new QPushButton(AppText::tr("&Safely remove"), window), "safeRemoveButton");
    c.safeRemoveButton->setToolTip(
        AppText::tr("Unmount the Kordavel and power it off, ready to be unplugged"));
    c.safeRemoveButton->setVisible(false);
}

// Three bars, the usual sign of a menu, drawn for the window's scale.
QIcon menuIcon(int side, qreal scale)
{
    QPixmap pixmap(QSize(side, side) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal bar = side / 7.0;
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(bar * 0.5, bar * (1 + 2 * i), side - bar, bar), Qt::black);
    return QIcon(pixmap);
}

// The fleet features: the menu button beside the help button, and the strip
// that the window grows by while a fleet standard is active.
void buildFleetControls(MainWindowControls &c, QWidget *window)
{
    c.fleetButton = place(new QToolButton(window), "fleetButton");
    const int side = std::min(c.fleetButton->width(), c.fleetButton->height()) - 6;
    c.fleetButton->setIcon(menuIcon(side, window->devicePixelRatioF()));
    c.fleetButton->setIconSize(QSize(side, side));
    c.fleetButton->setToolTip(AppText::tr("Fleet standard and record of every Configure"));
    c.fleetButton->setAccessibleName(AppText::tr("Fleet"));
    c.fleetReport = place(new QPlainTextEdit(window), "fleetReport");
    c.fleetReport->setReadOnly(true);
    c.fleetReport->setAccessibleName(AppText::tr("Fleet standard check"));
    c.fleetReport->setVisible(false);
}

// Tab follows the reading order: the title row, then each page down its left
// column and its right one, the dates below them, then the buttons.
void setReadingOrder(const MainWindowControls &c)
{
    const auto &formats = c.fileNameFormatButtons;
    const std::initializer_list<QWidget *> readingOrder = {c.downloadPageButton,
                                                           c.fileNamePageButton,
                                                           c.fleetButton,
                                                           c.helpButton,
                                                           c.modelKordavelButton,
                                                           c.modelKordavelPlusButton,
                                                           formats[0],
                                                           formats[1],
                                                           formats[2],
                                                           formats[3],
                                                           formats[4],
                                                           c.overviewBox,
                                                           c.activitiesBox,
                                                           c.daysBackEdit,
                                                           c.eventsFaultsBox,
                                                           c.detailedSpeedBox,
                                                           c.technicalDataBox,
                                                           c.driverCardBox,
                                                           c.saveCardDateBox,
                                                           c.speed168hBox,
                                                           c.speed4HzBox,
                                                           c.otherVdoDataBox,
                                                           c.useDatesBox,
                                                           c.downloadStartPicker,
                                                           c.downloadEndPicker,
                                                           c.mountButton,
                                                           c.configureButton,
                                                           c.safeRemoveButton,
                                                           c.driveLog,
                                                           c.fleetReport};
    QWidget *previous = nullptr;
    for (QWidget *w : readingOrder) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

// What a screen reader says where a control's own text says too little: the
// help button's caption is a sign, the pictures have none, and the days and
// date boxes would otherwise take the name of their page.
void nameForScreenReaders(const MainWindowControls &c)
{
    c.helpButton->setAccessibleName(AppText::tr("Help"));
    c.driveLog->setAccessibleName(AppText::tr("Drive log"));
    c.daysBackEdit->setAccessibleName(AppText::tr("Days back"));
    c.downloadStartPicker->setAccessibleName(AppText::tr("Download start"));
    c.downloadEndPicker->setAccessibleName(AppText::tr("Download end"));
    nameDevicePictures(c, true);
}

} // namespace

MainWindowControls buildMainWindowControls(QWidget *window)
{
    // Creation order is stacking order: later controls lie above earlier ones.
    // It is also the order the Tab key follows.
    MainWindowControls c;
    c.helpButton = place(new QPushButton(AppText::tr("&?"), window), "helpButton");
    buildFleetControls(c, window);
    buildModelChoice(c, window);
    buildPages(c, window);
    fillFileNamePage(c);
    fillDownloadPage(c);
    buildArrowPictures(c, window);
    c.driveLog = place(new QListWidget(window), "driveLog");
    c.configureButton =
        place(new QPushButton(AppText::tr("&Configure"), window), "configureButton");
    c.configureButton->setEnabled(false);
    buildStateDisplay(c, window);
    buildStatusArea(c, window);
    buildDiskServiceControls(c, window);

    // Labels draw their text from the top of their box, as the design places
    // them; the toolkit would centre it vertically.
    for (QLabel *label : window->findChildren<QLabel *>())
        label->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);

    // The instruction is drawn over the device picture, the arrow display over
    // the picture's lower left corner.
    c.instructionLabel->raise();
    c.arrowDisplay->raise();
    setReadingOrder(c);
    nameForScreenReaders(c);
    return c;
}

void nameDevicePictures(const MainWindowControls &controls, bool unplug)
{
    const QString what =
        unplug ? AppText::tr("Unplug the device") : AppText::tr("Plug the device in again");
    controls.devicePicture->setAccessibleName(what);
    controls.arrowDisplay->setAccessibleName(what);
}

void drawDevicePicture(const MainWindowControls &controls)
{
    const qreal scale = controls.devicePicture->devicePixelRatioF();
    controls.devicePicture->setPixmap(QPixmap::fromImage(devicePicture(scale)));
}

} // namespace kordavel
