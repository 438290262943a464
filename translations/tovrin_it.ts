<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Uso: tovrin [--no-speech]
L’esercizio di ortografia del giorno: un insegnante scrive un elenco
di parole, e un bambino si esercita finché sa scriverle a memoria.

  --no-speech   non pronunciare le parole ad alta voce
  -h, --help    mostrare questo aiuto e uscire
</translation>
    </message>
    <message>
        <source>tovrin: unknown option %1</source>
        <extracomment>In a terminal, before the help: %1 is what was typed.</extracomment>
        <translation>tovrin: opzione sconosciuta %1</translation>
    </message>
</context>
<context>
    <name>FittingLabel</name>
    <message>
        <source>blank</source>
        <extracomment>What a screen reader says for a hidden letter when it spells a word: &quot;c blank t&quot;.</extracomment>
        <translation>vuoto</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You Now Know how to spell &apos;%1&apos;.</source>
        <translation>Ora sai come si scrive «%1».</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Complimenti</translation>
    </message>
    <message>
        <source>Sorry, Did you Concentrate?  The word was &apos;%1&apos;.</source>
        <translation>Peccato, hai fatto attenzione?  La parola era «%1».</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Sbagliato</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Students can now practice spelling the words</source>
        <translation>Ora gli alunni possono esercitarsi a scrivere le parole</translation>
    </message>
    <message>
        <source>Finished?</source>
        <translation>Finito?</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Giusto!</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giusto</translation>
    </message>
    <message>
        <source>Wrong! See The Missing Letters.  Each Dash is a Mistake</source>
        <translation>Sbagliato! Guarda le lettere che mancano.  Ogni trattino è un errore</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Sbagliato</translation>
    </message>
    <message>
        <source>You Made %1 on the %2.  More Practice</source>
        <extracomment>The question at the end of a pass, answered Yes or No: &quot;You Made 1 Errors on the 3 words. More Practice&quot;.</extracomment>
        <translation>Hai fatto %1 su %2.  Vuoi esercitarti ancora?</translation>
    </message>
    <message numerus="yes">
        <source>%n Errors</source>
        <extracomment>%1 in &quot;You Made %1 on the %2. More Practice&quot;: the errors made in the pass.</extracomment>
        <translation>
            <numerusform>%n errore</numerusform>
            <numerusform>%n errori</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <extracomment>%2 in &quot;You Made %1 on the %2. More Practice&quot;: the words practised in the pass.</extracomment>
        <translation>
            <numerusform>%n parola</numerusform>
            <numerusform>%n parole</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fatto</translation>
    </message>
    <message>
        <source>Type the Word Here</source>
        <translation>Scrivi qui la parola</translation>
    </message>
    <message>
        <source>Spelling practice</source>
        <translation>Esercizio di ortografia</translation>
    </message>
    <message>
        <source>Word to practise</source>
        <translation>Parola da esercitare</translation>
    </message>
    <message>
        <source>Correct word</source>
        <translation>Parola corretta</translation>
    </message>
    <message>
        <source>Your attempt marked</source>
        <translation>Il tuo tentativo con gli errori segnati</translation>
    </message>
</context>
<context>
    <name>ReadmeFile</name>
    <message>
        <source>it is larger than 64 KiB</source>
        <translation>supera i 64 KiB</translation>
    </message>
</context>
<context>
    <name>RecallScreen</name>
    <message>
        <source>&amp;DONE</source>
        <translation>&amp;FATTO</translation>
    </message>
    <message>
        <source>Now type the complete word from memory.</source>
        <translation>Ora scrivi la parola intera a memoria.</translation>
    </message>
    <message>
        <source>Recall the word</source>
        <translation>Scrivere la parola a memoria</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
</context>
<context>
    <name>SayAgainKey</name>
    <message>
        <source>Press F5 to hear the word again.</source>
        <extracomment>The tooltip of the practice and recall windows: F5 says the word on show again.</extracomment>
        <translation>Premi F5 per riascoltare la parola.</translation>
    </message>
</context>
<context>
    <name>WizardScreen</name>
    <message>
        <source>Step 1</source>
        <translation>Passo 1</translation>
    </message>
    <message>
        <source>Load an existing list</source>
        <translation>Aprire una lista salvata</translation>
    </message>
    <message>
        <source>Create a new list</source>
        <translation>Creare una nuova lista</translation>
    </message>
    <message>
        <source>View the Readme file</source>
        <translation>Leggere la guida</translation>
    </message>
    <message>
        <source>Do you want to:</source>
        <translation>Che cosa desidera fare?</translation>
    </message>
    <message>
        <source>Tip: double-click a choice to go straight on.</source>
        <translation>Suggerimento: un doppio clic su una scelta va subito avanti.</translation>
    </message>
    <message>
        <source>Dear Teacher or Parent,</source>
        <translation>Gentile insegnante o genitore,</translation>
    </message>
    <message>
        <source>This program enables you to type in up to 30 spelling words for the day&apos;s spelling practice.  Press the &apos;Next&apos; button to continue.  The program allows you to enter up to 30 words which can have up to 20 letters each.</source>
        <translation>Questo programma Le permette di inserire fino a 30 parole per l’esercizio di ortografia del giorno.  Prema «Avanti» per continuare.  Si possono inserire fino a 30 parole, di 20 lettere al massimo.</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Passo 2</translation>
    </message>
    <message>
        <source>&amp;Next Word</source>
        <translation>&amp;Parola successiva</translation>
    </message>
    <message>
        <source>Type in Word</source>
        <translation>Scrivere la parola</translation>
    </message>
    <message>
        <source>Words must be between 2 and 20 letters long.  Press &apos;Next&apos; after you have entered all of your words.</source>
        <translation>Le parole devono avere da 2 a 20 lettere.  Prema «Avanti» dopo aver inserito tutte le parole.</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Passo 3</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Are the words correct</source>
        <translation>Le parole sono corrette?</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Indietro</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Avanti &gt;</translation>
    </message>
    <message>
        <source>Word list wizard</source>
        <translation>Procedura guidata per la lista di parole</translation>
    </message>
    <message>
        <source>Words in the list</source>
        <translation>Parole della lista</translation>
    </message>
</context>
<context>
    <name>WordListFile</name>
    <message>
        <source>1 entry longer than 20 letters was left out.</source>
        <translation>1 voce più lunga di 20 lettere è stata tralasciata.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries longer than 20 letters were left out.</source>
        <translation>
            <numerusform>%n voce più lunga di 20 lettere è stata tralasciata.</numerusform>
            <numerusform>%n voci più lunghe di 20 lettere sono state tralasciate.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry with control characters was left out.</source>
        <translation>1 voce con caratteri di controllo è stata tralasciata.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries with control characters were left out.</source>
        <translation>
            <numerusform>%n voce con caratteri di controllo è stata tralasciata.</numerusform>
            <numerusform>%n voci con caratteri di controllo sono state tralasciate.</numerusform>
        </translation>
    </message>
    <message>
        <source>A list holds at most 30 words: the rest of the file was not read.</source>
        <translation>Una lista contiene al massimo 30 parole: il resto del file non è stato letto.</translation>
    </message>
    <message>
        <source>The file is far larger than a list of words: only its first 64 KiB were read.</source>
        <translation>Il file è molto più grande di una lista di parole: sono stati letti solo i primi 64 KiB.</translation>
    </message>
</context>
<context>
    <name>frmWizard</name>
    <message>
        <source>Finish</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Avanti &gt;</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Finito</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Type in Word %1</source>
        <extracomment>The prompt beside the box for the next word: &quot;Type in Word 3&quot;. The box begins just after it, so it must stay short, or take two lines.</extracomment>
        <translation>Scrivere la parola&#xa0;%1</translation>
    </message>
    <message>
        <source>The file readme.txt in the folder %1 cannot be shown (%2).</source>
        <translation>Il file readme.txt nella cartella %1 non può essere mostrato (%2).</translation>
    </message>
    <message>
        <source>No more words are allowed in this list, you already have 30.</source>
        <translation>Non si possono aggiungere altre parole a questa lista: ne ha già 30.</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Maximum word length is 20 letters.  Choose another word.</source>
        <translation>Una parola può avere al massimo 20 lettere.  Scelga un’altra parola.</translation>
    </message>
    <message>
        <source>Words must have at least 2 letters.  Choose another word.</source>
        <translation>Una parola deve avere almeno 2 lettere.  Scelga un’altra parola.</translation>
    </message>
    <message>
        <source>Words cannot contain a double quote.  Choose another word.</source>
        <translation>Le parole non possono contenere virgolette doppie (&quot;).  Scelga un’altra parola.</translation>
    </message>
    <message>
        <source>Save Your List?</source>
        <translation>Salvare la lista?</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <extracomment>The file dialog&apos;s list of file kinds. The patterns in brackets stay as they are.</extracomment>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Tovrin Files (*.tvr)</source>
        <extracomment>The file dialog&apos;s list of file kinds. The pattern in brackets stays as it is.</extracomment>
        <translation>File di Tovrin (*.tvr)</translation>
    </message>
    <message>
        <source>The list could not be saved as %1 (%2).  Any earlier file of that name is unchanged.</source>
        <translation>Non è stato possibile salvare la lista come %1 (%2).  Un file precedente con lo stesso nome resta invariato.</translation>
    </message>
    <message>
        <source>Words cannot contain tabs or line breaks.  Choose another word.</source>
        <translation>Le parole non possono contenere tabulazioni o a capo.  Scelga un’altra parola.</translation>
    </message>
    <message>
        <source>%1 already exists.  Replace it?</source>
        <translation>%1 esiste già.  Vuole sostituirlo?</translation>
    </message>
</context>
</TS>
