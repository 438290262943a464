#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The program's texts, and Qt's own (the buttons of a message box, the file dialog), in the
// user's language for as long as this object lives. English is the language the program is
// written in: it needs no translation, and it is what a user of any other language gets.
class Translations {
public:
    // `languages` are the user's languages, most wanted first, as QLocale::uiLanguages() gives
    // them ("de-AT", "fr"). The first that the program speaks is taken; English, or a language
    // before any of them that it does not speak, ends the search.
    explicit Translations(const QStringList& languages);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language taken ("de"), or empty for English.
    QString language() const;

private:
    QTranslator program_;
    QTranslator qt_;
};
