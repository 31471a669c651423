#include "app/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

bool speaksEnglish(const QLocale& locale) {
    const QStringList languages = locale.uiLanguages();
    if (languages.isEmpty())
        return true;
    const QString& first = languages.first();
    return first == QLatin1String("C") || first == QLatin1String("en") ||
           first.startsWith(QLatin1String("en-")) || first.startsWith(QLatin1String("en_"));
}

InterfaceLanguage::InterfaceLanguage(const QString& catalogueFolder, const QLocale& locale) {
    if (speaksEnglish(locale))
        return;
    if (own.load(locale, QStringLiteral("quillmint"), QStringLiteral("_"), catalogueFolder)) {
        QCoreApplication::installTranslator(&own);
        loaded = own.language();
    }
    // Qt's own dialogs (file, colour, print, the standard buttons) in the
    // same language; Debian ships them in qt6-translations-l10n.
    if (toolkit.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkit);
}

InterfaceLanguage::~InterfaceLanguage() {
    QCoreApplication::removeTranslator(&toolkit);
    QCoreApplication::removeTranslator(&own);
}
