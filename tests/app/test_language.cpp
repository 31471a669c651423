#include "app/interface_language.h"

#include <QCoreApplication>

// Linked into a test, runs it in another language: with
// QUILLMINT_TEST_LANGUAGE set ("de"), the catalogue for it in
// QUILLMINT_TEST_CATALOGUES (the real one or the pseudo-translation) is
// installed as the application object is made, before any window.
namespace {

InterfaceLanguage* language = nullptr;

void installTestLanguage() {
    const QString wanted = qEnvironmentVariable("QUILLMINT_TEST_LANGUAGE");
    if (wanted.isEmpty())
        return;
    const QString folder = qEnvironmentVariable("QUILLMINT_TEST_CATALOGUES");
    language = new InterfaceLanguage(folder, QLocale(wanted));
    if (language->language().isEmpty())
        qFatal("No catalogue for %s in %s", qPrintable(wanted), qPrintable(folder));
    qAddPostRoutine([] {
        delete language;
        language = nullptr;
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installTestLanguage)
