#include "language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace kordavel {

QStringList supportedLanguages()
{
    // The build's list, with English first (CMakeLists.txt).
    return QStringLiteral(KORDAVEL_LANGUAGE_CODES).split(QLatin1Char(','));
}

QString chooseLanguage(const QString &asked, const QStringList &systemLanguages)
{
    const QStringList supported = supportedLanguages();
    auto codeOf = [](const QString &tag) {
        return tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    };
    if (!asked.isEmpty()) {
        const QString code = codeOf(asked);
        return supported.contains(code) ? code : QStringLiteral("en");
    }
    for (const QString &tag : systemLanguages) {
        QString code = codeOf(tag);
        if (supported.contains(code))
            return code;
    }
    return QStringLiteral("en");
}

std::vector<std::unique_ptr<QTranslator>> installLanguage(const QString &language,
                                                          const QStringList &toolkitFolders)
{
    std::vector<std::unique_ptr<QTranslator>> installed;
    // The system's own locale when it speaks the language, else the language
    // in the system's country: its calendar keeps the user's first weekday.
    const QLocale system = QLocale::system();
    const QLocale::Language spoken = QLocale(language).language();
    QLocale::setDefault(spoken == system.language() ? system : QLocale(spoken, system.territory()));
    // English too: its catalogue holds the plural forms of texts that count.
    auto own = std::make_unique<QTranslator>();
    if (own->load(QStringLiteral(":/i18n/kordavel_%1.qm").arg(language))) {
        QCoreApplication::installTranslator(own.get());
        installed.push_back(std::move(own));
    }
    if (language == QLatin1String("en"))
        return installed;
    for (const QString &folder : toolkitFolders) {
        auto toolkit = std::make_unique<QTranslator>();
        if (toolkit->load(QStringLiteral("qtbase_%1").arg(language), folder)) {
            QCoreApplication::installTranslator(toolkit.get());
            installed.push_back(std::move(toolkit));
            break;
        }
    }
    return installed;
}

} // namespace kordavel
