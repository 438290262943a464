<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tovrin [--no-speech]
The day&apos;s spelling practice: a teacher types a list of words, and a
child practises them until they can be typed from memory.

  --no-speech   do not say the words aloud
  -h, --help    show this help and end
</source>
        <extracomment>The help in a terminal. The command and its options stay as they are; the lines are at most 72 characters long.</extracomment>
        <translation>Aufruf: tovrin [--no-speech]
Die tägliche Rechtschreibübung: Eine Lehrkraft tippt eine Liste von
Wörtern ein, und ein Kind übt sie, bis es sie auswendig tippen kann.

  --no-speech   die Wörter nicht laut sprechen
  -h, --help    diese Hilfe zeigen und beenden
</translation>
    </message>
    <message>
        <source>tovrin: unknown option %1</source>
        <extracomment>In a terminal, before the help: %1 is what was typed.</extracomment>
        <translation>tovrin: unbekannte Option %1</translation>
    </message>
</context>
<context>
    <name>FittingLabel</name>
    <message>
        <source>blank</source>
        <extracomment>What a screen reader says for a hidden letter when it spells a word: &quot;c blank t&quot;.</extracomment>
        <translation>Lücke</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You Now Know how to spell &apos;%1&apos;.</source>
        <translation>Jetzt weißt du, wie man „%1“ schreibt.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Glückwunsch</translation>
    </message>
    <message>
        <source>Sorry, Did you Concentrate?  The word was &apos;%1&apos;.</source>
        <translation>Schade, hast du gut aufgepasst?  Das Wort war „%1“.</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Leider falsch</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Students can now practice spelling the words</source>
        <translation>Jetzt können die Kinder die Wörter üben</translation>
    </message>
    <message>
        <source>Finished?</source>
        <translation>Fertig?</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong! See The Missing Letters.  Each Dash is a Mistake</source>
        <translation>Falsch! Sieh dir die fehlenden Buchstaben an.  Jeder Strich ist ein Fehler</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>You Made %1 on the %2.  More Practice</source>
        <extracomment>The question at the end of a pass, answered Yes or No: &quot;You Made 1 Errors on the 3 words. More Practice&quot;.</extracomment>
        <translation>Du hast %1 bei %2 gemacht.  Noch einmal üben?</translation>
    </message>
    <message numerus="yes">
        <source>%n Errors</source>
        <extracomment>%1 in &quot;You Made %1 on the %2. More Practice&quot;: the errors made in the pass.</extracomment>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <extracomment>%2 in &quot;You Made %1 on the %2. More Practice&quot;: the words practised in the pass.</extracomment>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörtern</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Type the Word Here</source>
        <translation>Schreib das Wort hier</translation>
    </message>
    <message>
        <source>Spelling practice</source>
        <translation>Rechtschreibübung</translation>
    </message>
    <message>
        <source>Word to practise</source>
        <translation>Wort zum Üben</translation>
    </message>
    <message>
        <source>Correct word</source>
        <translation>Richtiges Wort</translation>
    </message>
    <message>
        <source>Your attempt marked</source>
        <translation>Dein Versuch, Fehler markiert</translation>
    </message>
</context>
<context>
    <name>ReadmeFile</name>
    <message>
        <source>it is larger than 64 KiB</source>
        <translation>sie ist größer als 64 KiB</translation>
    </message>
</context>
<context>
    <name>RecallScreen</name>
    <message>
        <source>&amp;DONE</source>
        <translation>&amp;FERTIG</translation>
    </message>
    <message>
        <source>Now type the complete word from memory.</source>
        <translation>Schreib jetzt das ganze Wort aus dem Gedächtnis.</translation>
    </message>
    <message>
        <source>Recall the word</source>
        <translation>Das Wort aus dem Gedächtnis schreiben</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>SayAgainKey</name>
    <message>
        <source>Press F5 to hear the word again.</source>
        <extracomment>The tooltip of the practice and recall windows: F5 says the word on show again.</extracomment>
        <translation>Mit F5 hörst du das Wort noch einmal.</translation>
    </message>
</context>
<context>
    <name>WizardScreen</name>
    <message>
        <source>Step 1</source>
        <translation>Schritt 1</translation>
    </message>
    <message>
        <source>Load an existing list</source>
        <translation>Gespeicherte Liste laden</translation>
    </message>
    <message>
        <source>Create a new list</source>
        <translation>Neue Liste anlegen</translation>
    </message>
    <message>
        <source>View the Readme file</source>
        <translation>Anleitung anzeigen</translation>
    </message>
    <message>
        <source>Do you want to:</source>
        <translation>Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>Tip: double-click a choice to go straight on.</source>
        <translation>Tipp: Ein Doppelklick auf eine Auswahl geht gleich weiter.</translation>
    </message>
    <message>
        <source>Dear Teacher or Parent,</source>
        <translation>Liebe Lehrkräfte, liebe Eltern,</translation>
    </message>
    <message>
        <source>This program enables you to type in up to 30 spelling words for the day&apos;s spelling practice.  Press the &apos;Next&apos; button to continue.  The program allows you to enter up to 30 words which can have up to 20 letters each.</source>
        <translation>Mit diesem Programm geben Sie bis zu 30 Wörter für die Rechtschreibübung des Tages ein.  Klicken Sie auf „Weiter“, um fortzufahren.  Sie können bis zu 30 Wörter mit je höchstens 20 Buchstaben eingeben.</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Schritt 2</translation>
    </message>
    <message>
        <source>&amp;Next Word</source>
        <translation>&amp;Nächstes Wort</translation>
    </message>
    <message>
        <source>Type in Word</source>
        <translation>Wort eingeben</translation>
    </message>
    <message>
        <source>Words must be between 2 and 20 letters long.  Press &apos;Next&apos; after you have entered all of your words.</source>
        <translation>Jedes Wort muss 2 bis 20 Buchstaben lang sein.  Klicken Sie auf „Weiter“, wenn Sie alle Wörter eingegeben haben.</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Schritt 3</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Are the words correct</source>
        <translation>Sind die Wörter richtig?</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Word list wizard</source>
        <translation>Assistent für die Wortliste</translation>
    </message>
    <message>
        <source>Words in the list</source>
        <translation>Wörter der Liste</translation>
    </message>
</context>
<context>
    <name>WordListFile</name>
    <message>
        <source>1 entry longer than 20 letters was left out.</source>
        <translation>1 Eintrag mit mehr als 20 Buchstaben wurde ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries longer than 20 letters were left out.</source>
        <translation>
            <numerusform>%n Eintrag mit mehr als 20 Buchstaben wurde ausgelassen.</numerusform>
            <numerusform>%n Einträge mit mehr als 20 Buchstaben wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry with control characters was left out.</source>
        <translation>1 Eintrag mit Steuerzeichen wurde ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries with control characters were left out.</source>
        <translation>
            <numerusform>%n Eintrag mit Steuerzeichen wurde ausgelassen.</numerusform>
            <numerusform>%n Einträge mit Steuerzeichen wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>A list holds at most 30 words: the rest of the file was not read.</source>
        <translation>Eine Liste fasst höchstens 30 Wörter: Der Rest der Datei wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>The file is far larger than a list of words: only its first 64 KiB were read.</source>
        <translation>Die Datei ist viel größer als eine Wortliste: Nur ihre ersten 64 KiB wurden gelesen.</translation>
    </message>
</context>
<context>
    <name>frmWizard</name>
    <message>
        <source>Finish</source>
        <translation>Abschließen</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neu anfangen</translation>
    </message>
    <message>
        <source>Type in Word %1</source>
        <extracomment>The prompt beside the box for the next word: &quot;Type in Word 3&quot;. The box begins just after it, so it must stay short, or take two lines.</extracomment>
        <translation>Wort&#xa0;%1 eingeben</translation>
    </message>
    <message>
        <source>The file readme.txt in the folder %1 cannot be shown (%2).</source>
        <translation>Die Datei readme.txt im Ordner %1 kann nicht angezeigt werden (%2).</translation>
    </message>
    <message>
        <source>No more words are allowed in this list, you already have 30.</source>
        <translation>Die Liste kann keine weiteren Wörter aufnehmen, sie hat schon 30.</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Maximum word length is 20 letters.  Choose another word.</source>
        <translation>Ein Wort darf höchstens 20 Buchstaben haben.  Wählen Sie ein anderes Wort.</translation>
    </message>
    <message>
        <source>Words must have at least 2 letters.  Choose another word.</source>
        <translation>Ein Wort muss mindestens 2 Buchstaben haben.  Wählen Sie ein anderes Wort.</translation>
    </message>
    <message>
        <source>Words cannot contain a double quote.  Choose another word.</source>
        <translation>Wörter dürfen kein Anführungszeichen (&quot;) enthalten.  Wählen Sie ein anderes Wort.</translation>
    </message>
    <message>
        <source>Save Your List?</source>
        <translation>Ihre Liste speichern?</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <extracomment>The file dialog&apos;s list of file kinds. The patterns in brackets stay as they are.</extracomment>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Tovrin Files (*.tvr)</source>
        <extracomment>The file dialog&apos;s list of file kinds. The pattern in brackets stays as it is.</extracomment>
        <translation>Tovrin-Dateien (*.tvr)</translation>
    </message>
    <message>
        <source>The list could not be saved as %1 (%2).  Any earlier file of that name is unchanged.</source>
        <translation>Die Liste konnte nicht als %1 gespeichert werden (%2).  Eine frühere Datei dieses Namens bleibt unverändert.</translation>
    </message>
    <message>
        <source>Words cannot contain tabs or line breaks.  Choose another word.</source>
        <translation>Wörter dürfen keine Tabulatoren oder Zeilenumbrüche enthalten.  Wählen Sie ein anderes Wort.</translation>
    </message>
    <message>
        <source>%1 already exists.  Replace it?</source>
        <translation>%1 ist bereits vorhanden.  Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
</TS>
