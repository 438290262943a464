<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>Gebruik: tovrin [--no-speech]
De spellingoefening van de dag: een leraar typt een lijst woorden, en
een kind oefent ze tot het ze uit het hoofd kan typen.

  --no-speech   de woorden niet hardop uitspreken
  -h, --help    deze hulp tonen en stoppen
</translation>
    </message>
    <message>
        <source>tovrin: unknown option %1</source>
        <extracomment>In a terminal, before the help: %1 is what was typed.</extracomment>
        <translation>tovrin: onbekende optie %1</translation>
    </message>
</context>
<context>
    <name>FittingLabel</name>
    <message>
        <source>blank</source>
        <extracomment>What a screen reader says for a hidden letter when it spells a word: &quot;c blank t&quot;.</extracomment>
        <translation>leeg</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You Now Know how to spell &apos;%1&apos;.</source>
        <translation>Nu weet je hoe je ‘%1’ schrijft.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <source>Sorry, Did you Concentrate?  The word was &apos;%1&apos;.</source>
        <translation>Jammer, lette je wel goed op?  Het woord was ‘%1’.</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Niet goed</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Students can now practice spelling the words</source>
        <translation>De leerlingen kunnen nu de woorden oefenen</translation>
    </message>
    <message>
        <source>Finished?</source>
        <translation>Klaar?</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Goed zo!</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Wrong! See The Missing Letters.  Each Dash is a Mistake</source>
        <translation>Fout! Kijk naar de letters die ontbreken.  Elk streepje is een fout</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>You Made %1 on the %2.  More Practice</source>
        <extracomment>The question at the end of a pass, answered Yes or No: &quot;You Made 1 Errors on the 3 words. More Practice&quot;.</extracomment>
        <translation>Je hebt %1 gemaakt bij %2.  Nog meer oefenen?</translation>
    </message>
    <message numerus="yes">
        <source>%n Errors</source>
        <extracomment>%1 in &quot;You Made %1 on the %2. More Practice&quot;: the errors made in the pass.</extracomment>
        <translation>
            <numerusform>%n fout</numerusform>
            <numerusform>%n fouten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <extracomment>%2 in &quot;You Made %1 on the %2. More Practice&quot;: the words practised in the pass.</extracomment>
        <translation>
            <numerusform>%n woord</numerusform>
            <numerusform>%n woorden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Klaar</translation>
    </message>
    <message>
        <source>Type the Word Here</source>
        <translation>Typ hier het woord</translation>
    </message>
    <message>
        <source>Spelling practice</source>
        <translation>Spellingoefening</translation>
    </message>
    <message>
        <source>Word to practise</source>
        <translation>Woord om te oefenen</translation>
    </message>
    <message>
        <source>Correct word</source>
        <translation>Juiste woord</translation>
    </message>
    <message>
        <source>Your attempt marked</source>
        <translation>Je poging, nagekeken</translation>
    </message>
</context>
<context>
    <name>ReadmeFile</name>
    <message>
        <source>it is larger than 64 KiB</source>
        <translation>het is groter dan 64 KiB</translation>
    </message>
</context>
<context>
    <name>RecallScreen</name>
    <message>
        <source>&amp;DONE</source>
        <translation>&amp;KLAAR</translation>
    </message>
    <message>
        <source>Now type the complete word from memory.</source>
        <translation>Typ nu het hele woord uit je hoofd.</translation>
    </message>
    <message>
        <source>Recall the word</source>
        <translation>Het woord uit je hoofd typen</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>SayAgainKey</name>
    <message>
        <source>Press F5 to hear the word again.</source>
        <extracomment>The tooltip of the practice and recall windows: F5 says the word on show again.</extracomment>
        <translation>Druk op F5 om het woord nog een keer te horen.</translation>
    </message>
</context>
<context>
    <name>WizardScreen</name>
    <message>
        <source>Step 1</source>
        <translation>Stap 1</translation>
    </message>
    <message>
        <source>Load an existing list</source>
        <translation>Een opgeslagen lijst openen</translation>
    </message>
    <message>
        <source>Create a new list</source>
        <translation>Een nieuwe lijst maken</translation>
    </message>
    <message>
        <source>View the Readme file</source>
        <translation>De handleiding bekijken</translation>
    </message>
    <message>
        <source>Do you want to:</source>
        <translation>Wat wilt u doen?</translation>
    </message>
    <message>
        <source>Tip: double-click a choice to go straight on.</source>
        <translation>Tip: dubbelklik op een keuze om meteen verder te gaan.</translation>
    </message>
    <message>
        <source>Dear Teacher or Parent,</source>
        <translation>Beste leerkracht of ouder,</translation>
    </message>
    <message>
        <source>This program enables you to type in up to 30 spelling words for the day&apos;s spelling practice.  Press the &apos;Next&apos; button to continue.  The program allows you to enter up to 30 words which can have up to 20 letters each.</source>
        <translation>Met dit programma voert u tot 30 woorden in voor de spellingoefening van vandaag.  Klik op ‘Volgende’ om verder te gaan.  U kunt tot 30 woorden invoeren van elk hoogstens 20 letters.</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Stap 2</translation>
    </message>
    <message>
        <source>&amp;Next Word</source>
        <translation>&amp;Volgend woord</translation>
    </message>
    <message>
        <source>Type in Word</source>
        <translation>Typ woord</translation>
    </message>
    <message>
        <source>Words must be between 2 and 20 letters long.  Press &apos;Next&apos; after you have entered all of your words.</source>
        <translation>Een woord heeft 2 tot 20 letters.  Klik op ‘Volgende’ als u al uw woorden hebt ingevoerd.</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Stap 3</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Are the words correct</source>
        <translation>Zijn de woorden goed?</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Vorige</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Volgende &gt;</translation>
    </message>
    <message>
        <source>Word list wizard</source>
        <translation>Assistent voor de woordenlijst</translation>
    </message>
    <message>
        <source>Words in the list</source>
        <translation>Woorden in de lijst</translation>
    </message>
</context>
<context>
    <name>WordListFile</name>
    <message>
        <source>1 entry longer than 20 letters was left out.</source>
        <translation>1 woord van meer dan 20 letters is weggelaten.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries longer than 20 letters were left out.</source>
        <translation>
            <numerusform>%n woord van meer dan 20 letters is weggelaten.</numerusform>
            <numerusform>%n woorden van meer dan 20 letters zijn weggelaten.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry with control characters was left out.</source>
        <translation>1 woord met stuurtekens is weggelaten.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries with control characters were left out.</source>
        <translation>
            <numerusform>%n woord met stuurtekens is weggelaten.</numerusform>
            <numerusform>%n woorden met stuurtekens zijn weggelaten.</numerusform>
        </translation>
    </message>
    <message>
        <source>A list holds at most 30 words: the rest of the file was not read.</source>
        <translation>Een lijst bevat hoogstens 30 woorden: de rest van het bestand is niet gelezen.</translation>
    </message>
    <message>
        <source>The file is far larger than a list of words: only its first 64 KiB were read.</source>
        <translation>Het bestand is veel groter dan een woordenlijst: alleen de eerste 64 KiB zijn gelezen.</translation>
    </message>
</context>
<context>
    <name>frmWizard</name>
    <message>
        <source>Finish</source>
        <translation>Voltooien</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Volgende &gt;</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Type in Word %1</source>
        <extracomment>The prompt beside the box for the next word: &quot;Type in Word 3&quot;. The box begins just after it, so it must stay short, or take two lines.</extracomment>
        <translation>Typ woord&#xa0;%1</translation>
    </message>
    <message>
        <source>The file readme.txt in the folder %1 cannot be shown (%2).</source>
        <translation>Het bestand readme.txt in de map %1 kan niet worden getoond (%2).</translation>
    </message>
    <message>
        <source>No more words are allowed in this list, you already have 30.</source>
        <translation>Er kunnen geen woorden meer bij in deze lijst, er staan er al 30 in.</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Maximum word length is 20 letters.  Choose another word.</source>
        <translation>Een woord heeft hoogstens 20 letters.  Kies een ander woord.</translation>
    </message>
    <message>
        <source>Words must have at least 2 letters.  Choose another word.</source>
        <translation>Een woord moet minstens 2 letters hebben.  Kies een ander woord.</translation>
    </message>
    <message>
        <source>Words cannot contain a double quote.  Choose another word.</source>
        <translation>Woorden mogen geen dubbel aanhalingsteken (&quot;) bevatten.  Kies een ander woord.</translation>
    </message>
    <message>
        <source>Save Your List?</source>
        <translation>Uw lijst opslaan?</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <extracomment>The file dialog&apos;s list of file kinds. The patterns in brackets stay as they are.</extracomment>
        <translation>Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>Tovrin Files (*.tvr)</source>
        <extracomment>The file dialog&apos;s list of file kinds. The pattern in brackets stays as it is.</extracomment>
        <translation>Tovrin-bestanden (*.tvr)</translation>
    </message>
    <message>
        <source>The list could not be saved as %1 (%2).  Any earlier file of that name is unchanged.</source>
        <translation>De lijst kon niet worden opgeslagen als %1 (%2).  Een eerder bestand met die naam is niet veranderd.</translation>
    </message>
    <message>
        <source>Words cannot contain tabs or line breaks.  Choose another word.</source>
        <translation>Woorden mogen geen tabs of regeleinden bevatten.  Kies een ander woord.</translation>
    </message>
    <message>
        <source>%1 already exists.  Replace it?</source>
        <translation>%1 bestaat al.  Wilt u het vervangen?</translation>
    </message>
</context>
</TS>
