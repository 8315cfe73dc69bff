#pragma once
// The program's texts, and Qt's own (file dialogs, message box buttons), in
// the desktop's language: the first of QLocale::uiLanguages() (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG) that the program has a translation for. With
// none, everything stays in English, the language the texts are written in,
// which gives only the plural forms of counted texts ("1 entry").

#include <QLocale>
#include <QString>
#include <QTranslator>

class TTranslations {
public:
    // Installs into the running application; removed again at destruction.
    // The user's languages, most wanted first, as QLocale names them.
    explicit TTranslations(const QStringList& languages = QLocale::system().uiLanguages());
    TTranslations(const TTranslations&) = delete;
    TTranslations& operator=(const TTranslations&) = delete;
    // The language chosen ("ru", "uk", ...), empty for English.
    QString Language() const { return Chosen; }

private:
    QString Chosen;
    QTranslator Program;
    QTranslator Qt;
};

// The languages the program ships, as their translation files name them.
QStringList ShippedLanguages();
