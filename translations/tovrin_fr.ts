<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Usage : tovrin [--no-speech]
L’exercice d’orthographe du jour : un enseignant tape une liste de
mots, et un enfant s’entraîne jusqu’à savoir les taper de mémoire.

  --no-speech   ne pas prononcer les mots à voix haute
  -h, --help    afficher cette aide et quitter
</translation>
    </message>
    <message>
        <source>tovrin: unknown option %1</source>
        <extracomment>In a terminal, before the help: %1 is what was typed.</extracomment>
        <translation>tovrin : option inconnue %1</translation>
    </message>
</context>
<context>
    <name>FittingLabel</name>
    <message>
        <source>blank</source>
        <extracomment>What a screen reader says for a hidden letter when it spells a word: &quot;c blank t&quot;.</extracomment>
        <translation>trou</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You Now Know how to spell &apos;%1&apos;.</source>
        <translation>Maintenant, tu sais écrire «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Bravo</translation>
    </message>
    <message>
        <source>Sorry, Did you Concentrate?  The word was &apos;%1&apos;.</source>
        <translation>Dommage, as-tu bien fait attention&#xa0;?  Le mot était «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Raté</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Students can now practice spelling the words</source>
        <translation>Les élèves peuvent maintenant s’entraîner à écrire les mots</translation>
    </message>
    <message>
        <source>Finished?</source>
        <translation>Terminé&#xa0;?</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>C’est juste&#xa0;!</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong! See The Missing Letters.  Each Dash is a Mistake</source>
        <translation>Faux&#xa0;! Regarde les lettres qui manquent.  Chaque tiret est une erreur</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>You Made %1 on the %2.  More Practice</source>
        <extracomment>The question at the end of a pass, answered Yes or No: &quot;You Made 1 Errors on the 3 words. More Practice&quot;.</extracomment>
        <translation>Tu as fait %1 sur %2.  Encore un peu d’entraînement&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%n Errors</source>
        <extracomment>%1 in &quot;You Made %1 on the %2. More Practice&quot;: the errors made in the pass.</extracomment>
        <translation>
            <numerusform>%n faute</numerusform>
            <numerusform>%n fautes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <extracomment>%2 in &quot;You Made %1 on the %2. More Practice&quot;: the words practised in the pass.</extracomment>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>Type the Word Here</source>
        <translation>Écris le mot ici</translation>
    </message>
    <message>
        <source>Spelling practice</source>
        <translation>Entraînement à l’orthographe</translation>
    </message>
    <message>
        <source>Word to practise</source>
        <translation>Mot à travailler</translation>
    </message>
    <message>
        <source>Correct word</source>
        <translation>Mot correct</translation>
    </message>
    <message>
        <source>Your attempt marked</source>
        <translation>Ta réponse corrigée</translation>
    </message>
</context>
<context>
    <name>ReadmeFile</name>
    <message>
        <source>it is larger than 64 KiB</source>
        <translation>il dépasse 64 Kio</translation>
    </message>
</context>
<context>
    <name>RecallScreen</name>
    <message>
        <source>&amp;DONE</source>
        <translation>&amp;VALIDER</translation>
    </message>
    <message>
        <source>Now type the complete word from memory.</source>
        <translation>Maintenant, écris le mot entier de mémoire.</translation>
    </message>
    <message>
        <source>Recall the word</source>
        <translation>Écrire le mot de mémoire</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>SayAgainKey</name>
    <message>
        <source>Press F5 to hear the word again.</source>
        <extracomment>The tooltip of the practice and recall windows: F5 says the word on show again.</extracomment>
        <translation>Appuie sur F5 pour entendre le mot encore une fois.</translation>
    </message>
</context>
<context>
    <name>WizardScreen</name>
    <message>
        <source>Step 1</source>
        <translation>Étape 1</translation>
    </message>
    <message>
        <source>Load an existing list</source>
        <translation>Ouvrir une liste existante</translation>
    </message>
    <message>
        <source>Create a new list</source>
        <translation>Créer une nouvelle liste</translation>
    </message>
    <message>
        <source>View the Readme file</source>
        <translation>Afficher le guide</translation>
    </message>
    <message>
        <source>Do you want to:</source>
        <translation>Que voulez-vous faire&#xa0;?</translation>
    </message>
    <message>
        <source>Tip: double-click a choice to go straight on.</source>
        <translation>Astuce&#xa0;: un double-clic sur un choix passe directement à la suite.</translation>
    </message>
    <message>
        <source>Dear Teacher or Parent,</source>
        <translation>Chers enseignants, chers parents,</translation>
    </message>
    <message>
        <source>This program enables you to type in up to 30 spelling words for the day&apos;s spelling practice.  Press the &apos;Next&apos; button to continue.  The program allows you to enter up to 30 words which can have up to 20 letters each.</source>
        <translation>Ce programme vous permet de saisir jusqu’à 30 mots pour l’entraînement à l’orthographe du jour.  Cliquez sur «&#xa0;Suivant&#xa0;» pour continuer.  Vous pouvez saisir jusqu’à 30 mots de 20 lettres au plus.</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Étape 2</translation>
    </message>
    <message>
        <source>&amp;Next Word</source>
        <translation>Mot &amp;suivant</translation>
    </message>
    <message>
        <source>Type in Word</source>
        <translation>Saisir le mot</translation>
    </message>
    <message>
        <source>Words must be between 2 and 20 letters long.  Press &apos;Next&apos; after you have entered all of your words.</source>
        <translation>Chaque mot doit compter de 2 à 20 lettres.  Cliquez sur «&#xa0;Suivant&#xa0;» quand vous avez saisi tous vos mots.</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Étape 3</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Are the words correct</source>
        <translation>Les mots sont-ils corrects&#xa0;?</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Word list wizard</source>
        <translation>Assistant de liste de mots</translation>
    </message>
    <message>
        <source>Words in the list</source>
        <translation>Mots de la liste</translation>
    </message>
</context>
<context>
    <name>WordListFile</name>
    <message>
        <source>1 entry longer than 20 letters was left out.</source>
        <translation>1 entrée de plus de 20 lettres a été ignorée.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries longer than 20 letters were left out.</source>
        <translation>
            <numerusform>%n entrée de plus de 20 lettres a été ignorée.</numerusform>
            <numerusform>%n entrées de plus de 20 lettres ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry with control characters was left out.</source>
        <translation>1 entrée contenant des caractères de contrôle a été ignorée.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries with control characters were left out.</source>
        <translation>
            <numerusform>%n entrée contenant des caractères de contrôle a été ignorée.</numerusform>
            <numerusform>%n entrées contenant des caractères de contrôle ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>A list holds at most 30 words: the rest of the file was not read.</source>
        <translation>Une liste compte au plus 30 mots&#xa0;: la suite du fichier n’a pas été lue.</translation>
    </message>
    <message>
        <source>The file is far larger than a list of words: only its first 64 KiB were read.</source>
        <translation>Le fichier est bien plus grand qu’une liste de mots&#xa0;: seuls ses premiers 64 Kio ont été lus.</translation>
    </message>
</context>
<context>
    <name>frmWizard</name>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Type in Word %1</source>
        <extracomment>The prompt beside the box for the next word: &quot;Type in Word 3&quot;. The box begins just after it, so it must stay short, or take two lines.</extracomment>
        <translation>Saisir le mot&#xa0;%1</translation>
    </message>
    <message>
        <source>The file readme.txt in the folder %1 cannot be shown (%2).</source>
        <translation>Le fichier readme.txt du dossier %1 ne peut pas être affiché (%2).</translation>
    </message>
    <message>
        <source>No more words are allowed in this list, you already have 30.</source>
        <translation>Cette liste ne peut plus recevoir de mots&#xa0;: elle en compte déjà 30.</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Maximum word length is 20 letters.  Choose another word.</source>
        <translation>Un mot compte au plus 20 lettres.  Choisissez un autre mot.</translation>
    </message>
    <message>
        <source>Words must have at least 2 letters.  Choose another word.</source>
        <translation>Un mot doit compter au moins 2 lettres.  Choisissez un autre mot.</translation>
    </message>
    <message>
        <source>Words cannot contain a double quote.  Choose another word.</source>
        <translation>Un mot ne peut pas contenir de guillemet droit (&quot;).  Choisissez un autre mot.</translation>
    </message>
    <message>
        <source>Save Your List?</source>
        <translation>Enregistrer votre liste&#xa0;?</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <extracomment>The file dialog&apos;s list of file kinds. The patterns in brackets stay as they are.</extracomment>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Tovrin Files (*.tvr)</source>
        <extracomment>The file dialog&apos;s list of file kinds. The pattern in brackets stays as it is.</extracomment>
        <translation>Fichiers Tovrin (*.tvr)</translation>
    </message>
    <message>
        <source>The list could not be saved as %1 (%2).  Any earlier file of that name is unchanged.</source>
        <translation>La liste n’a pas pu être enregistrée sous %1 (%2).  Un fichier de ce nom qui existait déjà reste inchangé.</translation>
    </message>
    <message>
        <source>Words cannot contain tabs or line breaks.  Choose another word.</source>
        <translation>Un mot ne peut pas contenir de tabulation ni de saut de ligne.  Choisissez un autre mot.</translation>
    </message>
    <message>
        <source>%1 already exists.  Replace it?</source>
        <translation>%1 existe déjà.  Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
</TS>
