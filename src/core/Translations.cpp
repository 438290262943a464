#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

Translations::Translations(const QStringList& languages) {
    for (const QString& name : languages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English)
            return;
        if (program_.load(locale, QStringLiteral("tovrin"), QStringLiteral("_"),
                          QStringLiteral(":/i18n")))
            break;
    }
    if (program_.isEmpty())
        return;
    QCoreApplication::installTranslator(&program_);
    // Qt's own texts in the same language; without Qt's translations installed they stay English.
    if (qt_.load(QLocale(language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}

QString Translations::language() const {
    if (program_.isEmpty())
        return {};
    return QLocale::languageToCode(QLocale(program_.language()).language());
}
