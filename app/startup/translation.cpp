#include "app/startup/translation.h"

#include "app/startup/languagechoice.h"
#include "data/apppaths.h"
#include "ui/textconv.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

std::string chosenlanguage(const std::string& languageOption, const std::string& dataFolder) {
    LanguageSources sources;
    sources.commandLine = languageOption;
    if (!dataFolder.empty())
        sources.settings = settingslanguage(dataFolder + "stridewell.ini");
    for (const QString& language : QLocale::system().uiLanguages())
        sources.desktop.push_back(language.toStdString());
    sources.translations = translationsin(translationsfolder(programfolder()));
    return chooselanguage(sources);
}

std::string installtranslation(const std::string& languageOption, const std::string& dataFolder) {
    const std::string code = chosenlanguage(languageOption, dataFolder);
    installtranslationfor(code);
    return code;
}

void installtranslationfor(const std::string& code) {
    if (code.empty())
        return;
    const std::string folder = translationsfolder(programfolder());

    // Kept for the life of the program: the application only points at them.
    static QTranslator program;
    static QTranslator qt;
    if (program.load(totext(folder + "stridewell_" + code + ".qm")))
        QCoreApplication::installTranslator(&program);
    const QString qtName = QStringLiteral("qtbase_") + QString::fromStdString(code);
    if (qt.load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}
