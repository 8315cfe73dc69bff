#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {

// Where the build puts the compiled translations, inside the library.
const QString ProgramTranslations = QStringLiteral(":/i18n");

// The first of the user's languages the program speaks: English, the
// language of its texts, counts, so "en:ru" stays English.
bool LoadPreferred(QTranslator& translator, const QStringList& languages) {
    for (const QString& name : languages) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return false;
        if (translator.load(language, QStringLiteral("quorvix"), QStringLiteral("_"),
                            ProgramTranslations))
            return true;
    }
    return false;
}

} // namespace

TTranslations::TTranslations(const QStringList& languages) {
    if (LoadPreferred(Program, languages)) {
        Chosen = Program.language();
    } else if (!Program.load(QStringLiteral("quorvix_en"), ProgramTranslations)) {
        return;
    }
    QCoreApplication::installTranslator(&Program);
    // Qt's for the same language only: a file dialog in one language inside
    // a program in another would be worse than both in English.
    if (!Chosen.isEmpty() && Qt.load(QStringLiteral("qtbase_") + Chosen,
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&Qt);
}

QStringList ShippedLanguages() {
    QStringList languages;
    for (const QString& file :
         QDir(ProgramTranslations).entryList({QStringLiteral("quorvix_*.qm")}))
        languages << file.mid(8, file.size() - 8 - 3);
    // English has only the plural forms of the texts written in it.
    languages.removeAll(QStringLiteral("en"));
    return languages;
}
