#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The program's texts in the desktop's language: Quillmint's own catalogue
// (quillmint_<language>.qm in `catalogueFolder`) and Qt's own for its
// dialogs, installed for as long as the object lives. Made before any
// window, since widgets take their captions when they are built. When the
// first language the desktop asks for is English nothing is read at all, so
// an English start costs no file access.
class InterfaceLanguage final {
public:
    explicit InterfaceLanguage(const QString& catalogueFolder,
                               const QLocale& locale = QLocale::system());
    ~InterfaceLanguage();
    Q_DISABLE_COPY_MOVE(InterfaceLanguage)

    // The language of the catalogue in use ("de"), empty for English.
    QString language() const { return loaded; }

private:
    QTranslator own;
    QTranslator toolkit;
    QString loaded;
};

// Whether `locale` asks for English first, the texts the program is written in.
bool speaksEnglish(const QLocale& locale);
