<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
La práctica de ortografía del día: un maestro escribe una lista de
palabras, y un niño las practica hasta saber escribirlas de memoria.

  --no-speech   no decir las palabras en voz alta
  -h, --help    mostrar esta ayuda y salir
</translation>
    </message>
    <message>
        <source>tovrin: unknown option %1</source>
        <extracomment>In a terminal, before the help: %1 is what was typed.</extracomment>
        <translation>tovrin: opción desconocida %1</translation>
    </message>
</context>
<context>
    <name>FittingLabel</name>
    <message>
        <source>blank</source>
        <extracomment>What a screen reader says for a hidden letter when it spells a word: &quot;c blank t&quot;.</extracomment>
        <translation>hueco</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You Now Know how to spell &apos;%1&apos;.</source>
        <translation>Ya sabes cómo se escribe «%1».</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Felicidades</translation>
    </message>
    <message>
        <source>Sorry, Did you Concentrate?  The word was &apos;%1&apos;.</source>
        <translation>Lo siento, ¿te fijaste bien?  La palabra era «%1».</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Incorrecto</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Students can now practice spelling the words</source>
        <translation>Ahora los alumnos pueden practicar la ortografía de las palabras</translation>
    </message>
    <message>
        <source>Finished?</source>
        <translation>¿Terminado?</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Wrong! See The Missing Letters.  Each Dash is a Mistake</source>
        <translation>¡Incorrecto! Mira las letras que faltan.  Cada guion es un error</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>You Made %1 on the %2.  More Practice</source>
        <extracomment>The question at the end of a pass, answered Yes or No: &quot;You Made 1 Errors on the 3 words. More Practice&quot;.</extracomment>
        <translation>Cometiste %1 en %2.  ¿Practicar más?</translation>
    </message>
    <message numerus="yes">
        <source>%n Errors</source>
        <extracomment>%1 in &quot;You Made %1 on the %2. More Practice&quot;: the errors made in the pass.</extracomment>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <extracomment>%2 in &quot;You Made %1 on the %2. More Practice&quot;: the words practised in the pass.</extracomment>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Listo</translation>
    </message>
    <message>
        <source>Type the Word Here</source>
        <translation>Escribe aquí la palabra</translation>
    </message>
    <message>
        <source>Spelling practice</source>
        <translation>Práctica de ortografía</translation>
    </message>
    <message>
        <source>Word to practise</source>
        <translation>Palabra para practicar</translation>
    </message>
    <message>
        <source>Correct word</source>
        <translation>Palabra correcta</translation>
    </message>
    <message>
        <source>Your attempt marked</source>
        <translation>Tu intento corregido</translation>
    </message>
</context>
<context>
    <name>ReadmeFile</name>
    <message>
        <source>it is larger than 64 KiB</source>
        <translation>ocupa más de 64 KiB</translation>
    </message>
</context>
<context>
    <name>RecallScreen</name>
    <message>
        <source>&amp;DONE</source>
        <translation>&amp;LISTO</translation>
    </message>
    <message>
        <source>Now type the complete word from memory.</source>
        <translation>Ahora escribe la palabra completa de memoria.</translation>
    </message>
    <message>
        <source>Recall the word</source>
        <translation>Escribir la palabra de memoria</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>SayAgainKey</name>
    <message>
        <source>Press F5 to hear the word again.</source>
        <extracomment>The tooltip of the practice and recall windows: F5 says the word on show again.</extracomment>
        <translation>Pulsa F5 para volver a oír la palabra.</translation>
    </message>
</context>
<context>
    <name>WizardScreen</name>
    <message>
        <source>Step 1</source>
        <translation>Paso 1</translation>
    </message>
    <message>
        <source>Load an existing list</source>
        <translation>Abrir una lista guardada</translation>
    </message>
    <message>
        <source>Create a new list</source>
        <translation>Crear una lista nueva</translation>
    </message>
    <message>
        <source>View the Readme file</source>
        <translation>Ver la guía</translation>
    </message>
    <message>
        <source>Do you want to:</source>
        <translation>¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Tip: double-click a choice to go straight on.</source>
        <translation>Consejo: con doble clic en una opción se sigue directamente.</translation>
    </message>
    <message>
        <source>Dear Teacher or Parent,</source>
        <translation>Estimados docentes y familias:</translation>
    </message>
    <message>
        <source>This program enables you to type in up to 30 spelling words for the day&apos;s spelling practice.  Press the &apos;Next&apos; button to continue.  The program allows you to enter up to 30 words which can have up to 20 letters each.</source>
        <translation>Este programa le permite escribir hasta 30 palabras para la práctica de ortografía del día.  Pulse «Siguiente» para continuar.  Puede escribir hasta 30 palabras de hasta 20 letras cada una.</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Paso 2</translation>
    </message>
    <message>
        <source>&amp;Next Word</source>
        <translation>&amp;Siguiente palabra</translation>
    </message>
    <message>
        <source>Type in Word</source>
        <translation>Escriba la palabra</translation>
    </message>
    <message>
        <source>Words must be between 2 and 20 letters long.  Press &apos;Next&apos; after you have entered all of your words.</source>
        <translation>Cada palabra debe tener entre 2 y 20 letras.  Pulse «Siguiente» cuando haya escrito todas sus palabras.</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Paso 3</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Are the words correct</source>
        <translation>¿Son correctas las palabras?</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>Word list wizard</source>
        <translation>Asistente de la lista de palabras</translation>
    </message>
    <message>
        <source>Words in the list</source>
        <translation>Palabras de la lista</translation>
    </message>
</context>
<context>
    <name>WordListFile</name>
    <message>
        <source>1 entry longer than 20 letters was left out.</source>
        <translation>Se ha omitido 1 entrada de más de 20 letras.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries longer than 20 letters were left out.</source>
        <translation>
            <numerusform>Se ha omitido %n entrada de más de 20 letras.</numerusform>
            <numerusform>Se han omitido %n entradas de más de 20 letras.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry with control characters was left out.</source>
        <translation>Se ha omitido 1 entrada con caracteres de control.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries with control characters were left out.</source>
        <translation>
            <numerusform>Se ha omitido %n entrada con caracteres de control.</numerusform>
            <numerusform>Se han omitido %n entradas con caracteres de control.</numerusform>
        </translation>
    </message>
    <message>
        <source>A list holds at most 30 words: the rest of the file was not read.</source>
        <translation>Una lista admite como máximo 30 palabras: el resto del archivo no se ha leído.</translation>
    </message>
    <message>
        <source>The file is far larger than a list of words: only its first 64 KiB were read.</source>
        <translation>El archivo es mucho más grande que una lista de palabras: solo se han leído sus primeros 64 KiB.</translation>
    </message>
</context>
<context>
    <name>frmWizard</name>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Type in Word %1</source>
        <extracomment>The prompt beside the box for the next word: &quot;Type in Word 3&quot;. The box begins just after it, so it must stay short, or take two lines.</extracomment>
        <translation>Escriba la palabra&#xa0;%1</translation>
    </message>
    <message>
        <source>The file readme.txt in the folder %1 cannot be shown (%2).</source>
        <translation>No se puede mostrar el archivo readme.txt de la carpeta %1 (%2).</translation>
    </message>
    <message>
        <source>No more words are allowed in this list, you already have 30.</source>
        <translation>Esta lista no admite más palabras: ya tiene 30.</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ALTO</translation>
    </message>
    <message>
        <source>Maximum word length is 20 letters.  Choose another word.</source>
        <translation>Una palabra puede tener como máximo 20 letras.  Elija otra palabra.</translation>
    </message>
    <message>
        <source>Words must have at least 2 letters.  Choose another word.</source>
        <translation>Una palabra debe tener al menos 2 letras.  Elija otra palabra.</translation>
    </message>
    <message>
        <source>Words cannot contain a double quote.  Choose another word.</source>
        <translation>Las palabras no pueden contener comillas dobles (&quot;).  Elija otra palabra.</translation>
    </message>
    <message>
        <source>Save Your List?</source>
        <translation>¿Guardar su lista?</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <extracomment>The file dialog&apos;s list of file kinds. The patterns in brackets stay as they are.</extracomment>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Tovrin Files (*.tvr)</source>
        <extracomment>The file dialog&apos;s list of file kinds. The pattern in brackets stays as it is.</extracomment>
        <translation>Archivos de Tovrin (*.tvr)</translation>
    </message>
    <message>
        <source>The list could not be saved as %1 (%2).  Any earlier file of that name is unchanged.</source>
        <translation>No se pudo guardar la lista como %1 (%2).  El archivo anterior con ese nombre, si lo había, no ha cambiado.</translation>
    </message>
    <message>
        <source>Words cannot contain tabs or line breaks.  Choose another word.</source>
        <translation>Las palabras no pueden contener tabulaciones ni saltos de línea.  Elija otra palabra.</translation>
    </message>
    <message>
        <source>%1 already exists.  Replace it?</source>
        <translation>%1 ya existe.  ¿Desea reemplazarlo?</translation>
    </message>
</context>
</TS>
