// The main of the test programs without a GUI.
#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // English as the program speaks it: the plural forms of texts that count.
    QTranslator english;
    if (english.load(QStringLiteral(":/i18n/kordavel_en.qm")))
        QCoreApplication::installTranslator(&english);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
