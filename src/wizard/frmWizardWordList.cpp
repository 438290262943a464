// The wizard's word list: typing words one by one, closing the list, saving and loading it.

#include "frmWizard.h"

#include "WordListFile.h"
#include "core/AtomicSave.h"
#include "core/Characters.h"
#include "core/Program.h"
#include "core/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace {
// The count of a list that holds as many words as a list can.
constexpr qint16 FullListCount = MostWords + 1;
} // namespace

void frmWizard::Command1_Click() {
    const QString word = Word->text();
    if (refuseWord(word, WordLength::AtLeastTwo))
        return;
    MODULE11& shared = program_.shared;
    shared.WordList[shared.WordCount] = word;
    Word->clear();
    PromptNextWord();
}

void frmWizard::PromptNextWord() {
    MODULE11& shared = program_.shared;
    ++shared.WordCount;
    if (shared.WordCount == FullListCount)
        showListFull();
    showWordPrompt();
}

void frmWizard::showListFull() {
    program_.message(tr("No more words are allowed in this list, you already have 30."),
                     tr("STOP"));
}

bool frmWizard::refuseWord(const QString& word, WordLength length) {
    if (program_.shared.WordCount >= FullListCount) {
        showListFull();
        return true;
    }
    const qsizetype count = characterCount(word);
    if (count > LongestWord) {
        program_.message(tr("Maximum word length is 20 letters.  Choose another word."));
        return true;
    }
    if (length == WordLength::AtLeastTwo && count < ShortestTypedWord) {
        program_.message(tr("Words must have at least 2 letters.  Choose another word."));
        return true;
    }
    // The list file has no way to hold a double quote inside a word.
    if (word.contains(u'"')) {
        program_.message(tr("Words cannot contain a double quote.  Choose another word."));
        return true;
    }
    // A line break or tab pasted with a word could never be typed in the practice, and the list
    // file would not give the word back.
    if (hasControlCharacter(word)) {
        program_.message(tr("Words cannot contain tabs or line breaks.  Choose another word."));
        return true;
    }
    return false;
}

void frmWizard::FinishList() {
    MODULE11& shared = program_.shared;
    const QString pending = Word->text();
    // A pending word is taken once: the box is emptied, so Back and Next do not add it again.
    if (!pending.isEmpty() && !refuseWord(pending, WordLength::AnyLength)) {
        shared.WordList[shared.WordCount] = pending;
        ++shared.WordCount;
        Word->clear();
    }
    shared.WordList[shared.WordCount] = EndMarker;
    if (!ListLoaded && program_.message(tr("Save Your List?"), Program::Title,
                                        Platform::Buttons::YesNo) == Platform::Answer::Yes)
        SaveList();
}

bool frmWizard::chooseListFile() {
    //: The file dialog's list of file kinds. The patterns in brackets stay as they are.
    const QString everyFile = tr("All files (*.*)");
    //: The file dialog's list of file kinds. The pattern in brackets stays as it is.
    const QString lists = tr("Tovrin Files (*.tvr)");
    CommonDialog1.Filter = QStringLiteral("%1|*.*|%2|*.tvr").arg(everyFile, lists);
    CommonDialog1.FilterIndex = 2;
    return program_.showOpen(CommonDialog1);
}

void frmWizard::SaveList() {
    if (!chooseListFile())
        return;
    const QString name = CommonDialog1.FileName;
    // The dialog starts on the list chosen last, so one Enter would otherwise replace it.
    const QFileInfo existing(name);
    if (existing.isFile() &&
        program_.message(tr("%1 already exists.  Replace it?").arg(existing.fileName()),
                         Program::Title, Platform::Buttons::YesNo,
                         Platform::Icon::Exclamation) != Platform::Answer::Yes)
        return;
    QString reason;
    if (!saveAtomically(name, writeWordList(listedWords(program_.shared)), reason))
        program_.message(tr("The list could not be saved as %1 (%2).  Any earlier "
                            "file of that name is unchanged.")
                             .arg(QDir::toNativeSeparators(name), reason),
                         Program::Title, Platform::Buttons::Ok, Platform::Icon::Exclamation);
}

void frmWizard::LoadList() {
    if (!chooseListFile())
        return;
    QFile file;
    QString reason;
    // A file that cannot be read leaves the list as it was, without a word.
    if (!openRegularFile(CommonDialog1.FileName, file, reason))
        return;
    const WordListReading reading = readWordList(file);
    file.close();
    MODULE11& shared = program_.shared;
    shared.WordCount = 0;
    for (const QString& word : reading.words)
        shared.WordList[++shared.WordCount] = word;
    ++shared.WordCount;
    const QString leftOut = leftOutMessage(reading);
    if (!leftOut.isEmpty())
        program_.message(leftOut);
}
