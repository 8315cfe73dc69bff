// quorvix-author: makes and checks discs for the player. Without arguments it
// opens the author's window; with them it runs a command for scripts.
#include "author/AuthorForm.h"
#include "author/AuthorTool.h"
#include "platform/Translations.h"
#include "shell/Application.h"

#include <QCoreApplication>

#include <clocale>
#include <iostream>

namespace {

// Without a display Qt would abort; the commands still help then.
bool DisplayPresent() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc <= 1 && DisplayPresent()) {
        TApplication app(argc, argv); // a failure in any event is shown, and the window goes on
        QApplication::setApplicationName(QStringLiteral("Quorvix Author"));
        QGuiApplication::setDesktopFileName(QStringLiteral("quorvix-author"));
        const TTranslations translations;
        std::setlocale(LC_NUMERIC, "C"); // the playback engine needs a C numeric locale
        TAuthorForm form;
        form.show();
        return QApplication::exec();
    }
    QCoreApplication app(argc, argv);
    const TTranslations translations;
    return RunAuthorTool(app.arguments().mid(1), std::cout, std::cerr);
}
