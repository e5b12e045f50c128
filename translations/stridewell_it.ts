<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BigClockWindow</name>
    <message>
        <source>Warm-up</source>
        <extracomment>The big clock&apos;s phase word, drawn large before the status: keep it short.</extracomment>
        <translation>Riscaldamento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>The big clock&apos;s phase word, drawn large before the status: keep it short.</extracomment>
        <translation>Defaticamento</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The big clock&apos;s phase word during a rest: keep it short.</extracomment>
        <translation>Riposo</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>The big clock&apos;s phase word during an exercise: keep it short.</extracomment>
        <translation>Esercizio</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>No web browser could be started. The page&apos;s address is:</source>
        <extracomment>Followed by the page&apos;s address on a line of its own, for the user to copy.</extracomment>
        <translation>Impossibile avviare un browser web. L&apos;indirizzo della pagina è:</translation>
    </message>
</context>
<context>
    <name>CircuitCardWords</name>
    <message>
        <source>Planned time</source>
        <extracomment>Printed circuit card: above the circuit&apos;s planned time, top right.</extracomment>
        <translation>Tempo previsto</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Printed circuit card: the number of exercises, followed by the count.</extracomment>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Rounds</source>
        <extracomment>Printed circuit card: the number of rounds, followed by the count.</extracomment>
        <translation>Giri</translation>
    </message>
    <message>
        <source>Rest between rounds</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Riposo tra i giri</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Riscaldamento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Defaticamento</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>Column title of the printed circuit card: the exercise&apos;s name.</extracomment>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>Column title of the printed circuit card: the time of work; a narrow column.</extracomment>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>Rest before</source>
        <extracomment>Column title of the printed circuit card: the rest before the exercise; a narrow column.</extracomment>
        <translation>Riposo prima</translation>
    </message>
    <message>
        <source>Reps</source>
        <extracomment>Column title of the printed circuit card: repetitions; a narrow column.</extracomment>
        <translation>Rip.</translation>
    </message>
    <message>
        <source>Sides</source>
        <extracomment>Column title of the printed circuit card: 1, or 2 for left then right; a narrow column.</extracomment>
        <translation>Lati</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>Column title of the printed circuit card: the exercise&apos;s description.</extracomment>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>This circuit has no exercises.</source>
        <extracomment>Printed circuit card, in place of the table of a circuit without exercises.</extracomment>
        <translation>Questo circuito non ha esercizi.</translation>
    </message>
    <message>
        <source>Printing is not available: the print module of this installation is missing or belongs to another version of the program.</source>
        <translation>La stampa non è disponibile: il modulo di stampa di questa installazione manca o appartiene a un&apos;altra versione del programma.</translation>
    </message>
    <message>
        <source>The circuit card could not be printed.</source>
        <translation>Non è stato possibile stampare la scheda del circuito.</translation>
    </message>
</context>
<context>
    <name>CircuitPlanDialog</name>
    <message>
        <source>None</source>
        <extracomment>A field of seconds set to nothing: no rest between rounds, no warm-up, no cool-down.</extracomment>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>The circuit&apos;s value</source>
        <extracomment>Tool tip of a grey cell that shows the circuit&apos;s own time or count.</extracomment>
        <translation>Valore del circuito</translation>
    </message>
    <message>
        <source>Circuit plan</source>
        <extracomment>Title of the dialog of rounds, warm-up, cool-down and each exercise&apos;s times.</extracomment>
        <translation>Piano del circuito</translation>
    </message>
    <message>
        <source>Rounds</source>
        <extracomment>Caption of the field of the number of rounds.</extracomment>
        <translation>Giri</translation>
    </message>
    <message>
        <source>Rest between rounds</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Riposo tra i giri</translation>
    </message>
    <message>
        <source>None: rounds 2 and on begin with the first exercise&apos;s own rest.</source>
        <extracomment>Read out by screen readers for the field of rest between rounds.</extracomment>
        <translation>Nessuno: dal giro 2 in poi si inizia con il riposo proprio del primo esercizio.</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Riscaldamento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Defaticamento</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Unit after the number in a field of seconds, with its leading space.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Times are in seconds. An empty cell takes the circuit&apos;s value, shown in grey.</source>
        <translation>I tempi sono in secondi. Una cella vuota assume il valore del circuito, mostrato in grigio.</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Read out by screen readers for the table of the circuit&apos;s exercises.</extracomment>
        <translation>Esercizi</translation>
    </message>
</context>
<context>
    <name>CircuitSharing</name>
    <message>
        <source>Export circuit</source>
        <translation>Esporta circuito</translation>
    </message>
    <message>
        <source>Stridewell circuits (*.stridewell);;All files (*)</source>
        <extracomment>File types of the save dialog; keep &quot;(*.stridewell)&quot;, &quot;(*)&quot; and &quot;;;&quot;.</extracomment>
        <translation>Circuiti di Stridewell (*.stridewell);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Import circuits</source>
        <translation>Importa circuiti</translation>
    </message>
    <message>
        <source>Circuits and other timers&apos; exports (*.stridewell *.json *.feeel *.txt);;All files (*)</source>
        <extracomment>File types of the open dialog; keep the patterns in brackets and &quot;;;&quot;.</extracomment>
        <translation>Circuiti ed esportazioni di altri timer (*.stridewell *.json *.feeel *.txt);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: stridewell [OPTION]...
A timer for circuit training: keeps a library of exercises, builds circuits
from them and counts each circuit down with a cue at every change.

      --data-dir=DIR  keep the exercise library and circuits in DIR
      --plan=FILE     print the phases of a circuit file and its planned
                      time in seconds, one per line, and exit
      --lang=CODE     speak this language (de, fr, es, it, pt_BR, nl, pl;
                      en for English) instead of the desktop&apos;s
      --help          display this help and exit
      --version       output version information and exit

Without --data-dir the data live beside the program when it can write
there, else in $XDG_DATA_HOME/stridewell (~/.local/share/stridewell),
which is made and filled with starter exercises and circuits on first start.
</source>
        <extracomment>The answer to --help. Keep the option names and the layout of the columns; lines of at most 79 characters.</extracomment>
        <translation>Uso: stridewell [OPZIONE]...
Un timer per l&apos;allenamento a circuito: gestisce una libreria di esercizi,
crea circuiti a partire da essi e conta alla rovescia ogni circuito con un
segnale a ogni cambio.

      --data-dir=DIR  conserva la libreria di esercizi e i circuiti in DIR
      --plan=FILE     stampa le fasi di un file di circuito e il suo tempo
                      previsto in secondi, una voce per riga, ed esce
      --lang=CODE     parla questa lingua (de, fr, es, it, pt_BR, nl, pl;
                      en per l&apos;inglese) invece di quella del desktop
      --help          mostra questo aiuto ed esce
      --version       mostra le informazioni sulla versione ed esce

Senza --data-dir i dati stanno accanto al programma se può scriverci,
altrimenti nella cartella $XDG_DATA_HOME/stridewell
(~/.local/share/stridewell), che viene creata e riempita con esercizi e
circuiti iniziali al primo avvio.
</translation>
    </message>
    <message>
        <source>
What the program opens with, in the copy already running on the data folder
when there is one:
      --run=NAME      start the circuit of that name
      --run-last      start the circuit run last
      --history       open the training history
      FILE            import FILE and show what it added

Without a display, one line on stdout per thing done:
      --export NAME FILE  write the circuit NAME with its exercises to FILE
      --import FILE       add the circuits (and exercises) of FILE: a
                          .stridewell file or another timer&apos;s export
      --print NAME FILE   write the card of the circuit NAME to FILE (PDF)
</source>
        <extracomment>The end of the answer to --help. Keep the option names and the layout of the columns; lines of at most 79 characters.</extracomment>
        <translation>
Con che cosa si apre il programma, nella copia già in esecuzione sulla
cartella dei dati se c&apos;è:
      --run=NOME      avvia il circuito con quel nome
      --run-last      avvia l&apos;ultimo circuito
      --history       apri lo storico
      FILE            importa FILE e mostra che cosa ha aggiunto

Senza schermo, una riga su stdout per ogni cosa fatta:
      --export NOME FILE  scrivi il circuito NOME con i suoi esercizi in FILE
      --import FILE       aggiungi i circuiti (e gli esercizi) di FILE: un
                          file .stridewell o l&apos;esportazione di un altro timer
      --print NOME FILE   scrivi la scheda del circuito NOME in FILE (PDF)
</translation>
    </message>
</context>
<context>
    <name>DBusScreenAwake</name>
    <message>
        <source>A circuit is running</source>
        <extracomment>Why the screen saver is held off, as the desktop may list it.</extracomment>
        <translation>Un circuito è in corso</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The &amp; marks the key that answers with it (Alt+Y).</extracomment>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>The &amp; marks the key that answers with it (Alt+N).</extracomment>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>EditorWords</name>
    <message>
        <source>Circuit needs a name before modifying it.</source>
        <translation>Il circuito deve avere un nome prima di poterlo modificare.</translation>
    </message>
    <message>
        <source>A circuit name cannot be made of dots only.</source>
        <translation>Il nome di un circuito non può essere composto solo da punti.</translation>
    </message>
    <message>
        <source>A circuit name cannot contain control characters such as tabs.</source>
        <translation>Il nome di un circuito non può contenere caratteri di controllo come le tabulazioni.</translation>
    </message>
    <message>
        <source>A circuit name cannot contain the character %1. Leave out / \ &lt; &gt; : &quot; | ? and *.</source>
        <extracomment>%1 is one of the characters the sentence lists after it.</extracomment>
        <translation>Il nome di un circuito non può contenere il carattere %1. Evita / \ &lt; &gt; : &quot; | ? e *.</translation>
    </message>
    <message>
        <source>Another circuit is already stored as &quot;%1&quot;. Choose another name before modifying this circuit.</source>
        <extracomment>%1 is a circuit&apos;s name.</extracomment>
        <translation>Un altro circuito è già salvato come &quot;%1&quot;. Scegli un altro nome prima di modificare questo circuito.</translation>
    </message>
    <message>
        <source>The circuit keeps its name &quot;%1&quot;.</source>
        <extracomment>Follows the reason a new name was refused. %1 is the circuit&apos;s name.</extracomment>
        <translation>Il circuito mantiene il nome &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Create a circuit or open one before modifying it.</source>
        <translation>Crea un circuito o aprine uno prima di modificarlo.</translation>
    </message>
    <message>
        <source>Choose a circuit type before modifying this circuit.</source>
        <translation>Scegli un tipo di circuito prima di modificare questo circuito.</translation>
    </message>
    <message>
        <source>A circuit holds at most %1 exercises. Remove one before adding another.</source>
        <translation>Un circuito contiene al massimo %1 esercizi. Rimuovine uno prima di aggiungerne un altro.</translation>
    </message>
    <message>
        <source>An exercise name cannot hold a tab character.</source>
        <translation>Il nome di un esercizio non può contenere una tabulazione.</translation>
    </message>
    <message>
        <source>The exercise library is full: it holds %1 exercises. Delete an exercise before adding a new one.</source>
        <translation>La libreria di esercizi è piena: contiene %1 esercizi. Elimina un esercizio prima di aggiungerne uno nuovo.</translation>
    </message>
    <message>
        <source>exercises.lst holds more exercises than the library can take. Only the first %1 exercises were loaded.</source>
        <extracomment>exercises.lst is a file name and stays as it is.</extracomment>
        <translation>exercises.lst contiene più esercizi di quanti la libreria ne possa accogliere. Sono stati caricati solo i primi %1 esercizi.</translation>
    </message>
    <message numerus="yes">
        <source>%n circuit uses &quot;%1&quot;. Rename it to &quot;%2&quot; in that circuit too?</source>
        <extracomment>A question with Yes and No. %1 is the exercise&apos;s old name, %2 the new one.</extracomment>
        <translation>
            <numerusform>%n circuito usa &quot;%1&quot;. Vuoi rinominarlo in &quot;%2&quot; anche in quel circuito?</numerusform>
            <numerusform>%n circuiti usano &quot;%1&quot;. Vuoi rinominarlo in &quot;%2&quot; anche in quei circuiti?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n circuits use &quot;%1&quot;. Rename it to &quot;%2&quot; in those circuits too?</source>
        <extracomment>A question with Yes and No. %1 is the exercise&apos;s old name, %2 the new one.</extracomment>
        <translation>
            <numerusform>%n circuito usa &quot;%1&quot;. Vuoi rinominarlo in &quot;%2&quot; anche in quel circuito?</numerusform>
            <numerusform>%n circuiti usano &quot;%1&quot;. Vuoi rinominarlo in &quot;%2&quot; anche in quei circuiti?</numerusform>
        </translation>
    </message>
    <message>
        <source>New Circuit</source>
        <extracomment>A new circuit&apos;s name, also its file name; a number follows when it is taken.</extracomment>
        <translation>Nuovo circuito</translation>
    </message>
    <message>
        <source>New Exercise</source>
        <extracomment>A new exercise&apos;s name in the exercise library.</extracomment>
        <translation>Nuovo esercizio</translation>
    </message>
    <message>
        <source>Enter a description for your new exercise</source>
        <translation>Inserisci una descrizione per il tuo nuovo esercizio</translation>
    </message>
    <message>
        <source>Upper Body</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Parte superiore</translation>
    </message>
    <message>
        <source>Abdominal</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Addominali</translation>
    </message>
    <message>
        <source>Lower Body</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Parte inferiore</translation>
    </message>
    <message>
        <source>Multiple Area Workout</source>
        <extracomment>The type of circuit that takes exercises of every type; in a list 145 pixels wide.</extracomment>
        <translation>Corpo intero</translation>
    </message>
    <message>
        <source>Circuit Name: %1</source>
        <extracomment>Information panel; %1 is the circuit&apos;s name. Keep the length.</extracomment>
        <translation>Nome circuito: %1</translation>
    </message>
    <message>
        <source>Circuit Type: %1</source>
        <extracomment>Information panel; %1 is the circuit&apos;s type as its file holds it. Keep the length.</extracomment>
        <translation>Tipo circuito: %1</translation>
    </message>
    <message>
        <source>Exercises: %1</source>
        <extracomment>Information panel; %1 is a count. Keep the length.</extracomment>
        <translation>Esercizi: %1</translation>
    </message>
    <message>
        <source>Total Circuit Time: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Tempo totale: %1</translation>
    </message>
    <message>
        <source>Exercise Interval: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Durata esercizio: %1</translation>
    </message>
    <message>
        <source>Rest Interval: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Durata riposo: %1</translation>
    </message>
    <message>
        <source>Rounds: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a count.</extracomment>
        <translation>Giri: %1</translation>
    </message>
    <message>
        <source>Rest Between Rounds: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Riposo tra i giri: %1</translation>
    </message>
    <message>
        <source>Warm-up: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Riscaldamento: %1</translation>
    </message>
    <message>
        <source>Cool-down: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Defaticamento: %1</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>Column title of the circuit plan: the exercise&apos;s name.</extracomment>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Rest before</source>
        <extracomment>Column title of the circuit plan: seconds of rest before the exercise.</extracomment>
        <translation>Riposo prima</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>Column title of the circuit plan: seconds of work.</extracomment>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>Reps</source>
        <extracomment>Column title of the circuit plan: repetitions.</extracomment>
        <translation>Rip.</translation>
    </message>
    <message>
        <source>Sides</source>
        <extracomment>Column title of the circuit plan: 1 or 2 sides of the body, one after the other.</extracomment>
        <translation>Lati</translation>
    </message>
    <message>
        <source>Exercise &quot;%1&quot;, column &quot;%2&quot;: &quot;%3&quot; is not a whole number.</source>
        <extracomment>%1 is the exercise&apos;s name, %2 a column title, %3 the text typed into the cell.</extracomment>
        <translation>Esercizio &quot;%1&quot;, colonna &quot;%2&quot;: &quot;%3&quot; non è un numero intero.</translation>
    </message>
    <message>
        <source>Exercise &quot;%1&quot;, column &quot;%2&quot;: %3 is out of range.</source>
        <extracomment>%1 is the exercise&apos;s name, %2 a column title, %3 the number typed into the cell.</extracomment>
        <translation>Esercizio &quot;%1&quot;, colonna &quot;%2&quot;: %3 è fuori dall&apos;intervallo consentito.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell to use the circuit&apos;s rest interval.</source>
        <translation>Digita un numero intero da %1 a %2, oppure svuota la cella per usare la durata del riposo del circuito.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell to use the circuit&apos;s exercise interval.</source>
        <translation>Digita un numero intero da %1 a %2, oppure svuota la cella per usare la durata dell&apos;esercizio del circuito.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell for a timed exercise.</source>
        <translation>Digita un numero intero da %1 a %2, oppure svuota la cella per un esercizio a tempo.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell for one side.</source>
        <translation>Digita un numero intero da %1 a %2, oppure svuota la cella per un solo lato.</translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Unexpected error</source>
        <extracomment>An error that came without a text of its own.</extracomment>
        <translation>Errore imprevisto</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>&quot;%1&quot; is not a key=value word</source>
        <extracomment>%1 is a word of a circuit file, as written; &quot;key=value&quot; is a technical term.</extracomment>
        <translation>&quot;%1&quot; non è una parola chiave=valore</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <extracomment>%1 is a key of a circuit file (&quot;rounds&quot;), which stays English.</extracomment>
        <translation>&quot;%1&quot; è indicato due volte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number from %2 to %3</source>
        <extracomment>%1 is a key of a circuit file (&quot;rounds&quot;), which stays English; %2 and %3 the range.</extracomment>
        <translation>&quot;%1&quot; deve essere un numero da %2 a %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number, %3 what is wrong with a key there.</extracomment>
        <translation>%1, riga %2: %3</translation>
    </message>
    <message>
        <source>The circuit &quot;%1&quot; lists %2 exercises, more than the %3 a circuit can hold, so it is not stored: its file stays as it is.</source>
        <extracomment>%1 is the circuit&apos;s name, %2 the exercises its file lists (more than %3).</extracomment>
        <translation>Il circuito &quot;%1&quot; elenca %2 esercizi, più dei %3 che un circuito può contenere, quindi non viene salvato: il suo file resta invariato.</translation>
    </message>
    <message>
        <source>The exercise &quot;%1&quot; has a tab character in its name, so its times cannot be stored with it. Rename it in the exercise library first.</source>
        <translation>L&apos;esercizio &quot;%1&quot; ha un carattere di tabulazione nel nome, quindi i suoi tempi non possono essere salvati con esso. Rinominalo prima nella libreria di esercizi.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <extracomment>%1 is the library file&apos;s path, %2 why it could not be read.</extracomment>
        <translation>Impossibile leggere %1 (%2)</translation>
    </message>
    <message>
        <source>%1 holds more than %2 exercises, more than the library can take</source>
        <translation>%1 contiene più di %2 esercizi, più di quanti la libreria ne possa accogliere</translation>
    </message>
    <message>
        <source>The exercise library is not saved to %1: %2, and saving would replace what the file holds. The file stays as it is; mend it and start Stridewell again.</source>
        <extracomment>%1 is the library file&apos;s path; %2 says why the program does not hold all of it.</extracomment>
        <translation>La libreria di esercizi non viene salvata in %1: %2, e salvarla sostituirebbe ciò che il file contiene. Il file resta invariato; correggilo e riavvia Stridewell.</translation>
    </message>
    <message>
        <source>The history cannot be exported over itself</source>
        <translation>Lo storico non può essere esportato su se stesso</translation>
    </message>
    <message>
        <source>%1 is not a Stridewell circuit file</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 non è un file di circuito di Stridewell</translation>
    </message>
    <message>
        <source>%1 was written by a newer Stridewell (format %2)</source>
        <extracomment>%1 is a file&apos;s path, %2 the number of its format.</extracomment>
        <translation>%1 è stato scritto da uno Stridewell più recente (formato %2)</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 è troncato</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB</source>
        <extracomment>%1 is a file&apos;s path, %2 a size in mebibytes.</extracomment>
        <translation>%1 supera i %2 MiB</translation>
    </message>
    <message>
        <source>%1 is damaged at line %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1 è danneggiato alla riga %2</translation>
    </message>
    <message>
        <source>%1 is neither a Stridewell circuit nor an export of Just Another Workout Timer, OpenHIIT, Feeel or TimeR Machine</source>
        <extracomment>%1 is a file&apos;s path; the others are names of other interval timers.</extracomment>
        <translation>%1 non è né un circuito di Stridewell né un&apos;esportazione di Just Another Workout Timer, OpenHIIT, Feeel o TimeR Machine</translation>
    </message>
    <message>
        <source>%1: the circuit name &quot;%2&quot; cannot be a file name</source>
        <extracomment>%1 is a file&apos;s path, %2 the name of a circuit it holds.</extracomment>
        <translation>%1: il nome del circuito &quot;%2&quot; non può essere un nome di file</translation>
    </message>
    <message>
        <source>%1 holds no circuit that can be imported</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 non contiene alcun circuito importabile</translation>
    </message>
    <message>
        <source>%1 is one of Stridewell&apos;s own data files; choose another file</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 è uno dei file di dati di Stridewell; scegli un altro file</translation>
    </message>
    <message>
        <source>%1 cannot be imported: this installation lacks its import module</source>
        <extracomment>%1 is a file&apos;s path; the module is a part of the program&apos;s installation.</extracomment>
        <translation>%1 non può essere importato: a questa installazione manca il modulo di importazione</translation>
    </message>
</context>
<context>
    <name>FinishNotice</name>
    <message>
        <source>Trained for %1</source>
        <extracomment>The second line of the notice at a run&apos;s finish; %1 is the time run: &quot;12:34&quot;.</extracomment>
        <translation>Allenamento: %1</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>The notice&apos;s button that brings the window forward.</extracomment>
        <translation>Mostra</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Minutes trained per week</source>
        <translation>Minuti di allenamento a settimana</translation>
    </message>
</context>
<context>
    <name>HistoryTableModel</name>
    <message>
        <source>Finished</source>
        <comment>outcome of a run</comment>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2</source>
        <extracomment>Outcome of a run: &quot;Stopped after 4 of 10&quot; exercises.</extracomment>
        <translation>Interrotto dopo %1 di %2</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column title: when the run started.</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>Time run</source>
        <extracomment>Column title over the run&apos;s minutes and seconds, about 70 pixels wide.</extracomment>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Finished</source>
        <comment>column title</comment>
        <extracomment>Column title over &quot;Finished&quot; or &quot;Stopped after 4 of 10&quot;.</extracomment>
        <translation>Esito</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Your training history</source>
        <translation>Il tuo storico</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Lettura dello storico...</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Esporta come CSV...</translation>
    </message>
    <message>
        <source>This week</source>
        <extracomment>Caption of the box with the time trained since Monday, a third of the window wide.</extracomment>
        <translation>Questa settimana</translation>
    </message>
    <message>
        <source>This month</source>
        <extracomment>Caption of the box with the time trained this calendar month.</extracomment>
        <translation>Questo mese</translation>
    </message>
    <message>
        <source>All time</source>
        <extracomment>Caption of the box with the time trained since the first run.</extracomment>
        <translation>Da sempre</translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>Time trained under an hour: &quot;45 min&quot;.</extracomment>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>Time trained: &quot;3 h 05 min&quot; (%1 hours, %2 minutes with two digits).</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>1 run</source>
        <translation>1 sessione</translation>
    </message>
    <message numerus="yes">
        <source>%Ln runs</source>
        <extracomment>None, or two runs or more: &quot;0 runs&quot;, &quot;4 runs&quot;.</extracomment>
        <translation>
            <numerusform>%Ln sessione</numerusform>
            <numerusform>%Ln sessioni</numerusform>
        </translation>
    </message>
    <message>
        <source>This week</source>
        <comment>chart label</comment>
        <extracomment>Label under the chart&apos;s bar of the current week, about 45 pixels wide.</extracomment>
        <translation>Questa sett.</translation>
    </message>
    <message>
        <source>The history could not be read (%1).</source>
        <extracomment>%1 is the system&apos;s reason, as it gives it.</extracomment>
        <translation>Impossibile leggere lo storico (%1).</translation>
    </message>
    <message>
        <source>1 damaged line in the file was skipped.</source>
        <translation>1 riga danneggiata nel file è stata ignorata.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln damaged lines in the file were skipped.</source>
        <extracomment>Two lines or more.</extracomment>
        <translation>
            <numerusform>%Ln riga danneggiata nel file è stata ignorata.</numerusform>
            <numerusform>%Ln righe danneggiate nel file sono state ignorate.</numerusform>
        </translation>
    </message>
    <message>
        <source>No runs yet.</source>
        <translation>Ancora nessuna sessione.</translation>
    </message>
    <message>
        <source>Saved a copy as %1</source>
        <extracomment>%1 is the path of the CSV file just written.</extracomment>
        <translation>Copia salvata come %1</translation>
    </message>
    <message>
        <source>Export your training history</source>
        <translation>Esporta il tuo storico</translation>
    </message>
    <message>
        <source>training-history.csv</source>
        <extracomment>The suggested file name; keep &quot;.csv&quot;.</extracomment>
        <translation>storico-allenamenti.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>File types of the save dialog; keep &quot;(*.csv)&quot;, &quot;(*)&quot; and &quot;;;&quot;.</extracomment>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Runs</source>
        <extracomment>Read out by screen readers for the table of every run, newest first.</extracomment>
        <translation>Sessioni</translation>
    </message>
</context>
<context>
    <name>ImportWords</name>
    <message>
        <source>%1 is not all UTF-8 text; it was read as Latin-1, so check the accented letters</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 non è tutto testo UTF-8; è stato letto come Latin-1, quindi controlla le lettere accentate</translation>
    </message>
    <message>
        <source>%1 holds no workouts</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 non contiene allenamenti</translation>
    </message>
    <message>
        <source>Workout %1 of the file could not be read and was not imported</source>
        <extracomment>%1 is the place of a workout without a name in the file (1, 2, ...).</extracomment>
        <translation>L&apos;allenamento %1 del file non è stato letto e non è stato importato</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read and was not imported</source>
        <extracomment>%1 is a workout&apos;s name.</extracomment>
        <translation>&quot;%1&quot; non è stato letto e non è stato importato</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in TimeR Machine&apos;s trash and was not imported</source>
        <extracomment>%1 is a workout&apos;s name; TimeR Machine is another timer&apos;s name.</extracomment>
        <translation>&quot;%1&quot; è nel cestino di TimeR Machine e non è stato importato</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: it has %2 rounds, and a circuit has 1 to %3</source>
        <extracomment>%1 is a workout&apos;s name, %2 its rounds, %3 the most a circuit can have.</extracomment>
        <translation>&quot;%1&quot; non è stato importato: ha %2 giri, e un circuito ne ha da 1 a %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: a time of %2 seconds is longer than the %3 seconds a circuit allows</source>
        <extracomment>%1 is a workout&apos;s name, %2 and %3 times in seconds.</extracomment>
        <translation>&quot;%1&quot; non è stato importato: un tempo di %2 secondi supera i %3 secondi consentiti da un circuito</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: it has %2 exercises, more than the %3 a circuit can hold</source>
        <extracomment>%1 is a workout&apos;s name, %2 its exercises, %3 the most a circuit can hold.</extracomment>
        <translation>&quot;%1&quot; non è stato importato: ha %2 esercizi, più dei %3 che un circuito può contenere</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has parts with different rounds, so it became %2 circuits, &quot;%1 1&quot; to &quot;%1 %2&quot;</source>
        <extracomment>%1 is a workout&apos;s name, %2 how many circuits it became, named &quot;%1 1&quot; to &quot;%1 %2&quot;.</extracomment>
        <translation>&quot;%1&quot; ha parti con numeri di giri diversi, quindi è diventato %2 circuiti, da &quot;%1 1&quot; a &quot;%1 %2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no exercises; it was imported as an empty circuit</source>
        <extracomment>%1 is a circuit&apos;s name.</extracomment>
        <translation>&quot;%1&quot; non ha esercizi; è stato importato come circuito vuoto</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 exercises of 0 seconds were left out</source>
        <extracomment>%1 is a workout&apos;s name, %2 how many of its exercises last 0 seconds.</extracomment>
        <translation>&quot;%1&quot;: %2 esercizi di 0 secondi sono stati tralasciati</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses Feeel exercise %2, whose name this program does not know; it was imported as &quot;%3&quot;</source>
        <extracomment>%1 is a workout&apos;s name, %2 Feeel&apos;s number of an exercise, %3 the name it was given.</extracomment>
        <translation>&quot;%1&quot; usa l&apos;esercizio Feeel %2, il cui nome questo programma non conosce; è stato importato come &quot;%3&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: times that were not whole seconds were rounded to whole seconds</source>
        <extracomment>%1 is a workout&apos;s name.</extracomment>
        <translation>&quot;%1&quot;: i tempi che non erano secondi interi sono stati arrotondati a secondi interi</translation>
    </message>
    <message>
        <source>Imported from %1, an export of %2:</source>
        <translation>Importato da %1, un&apos;esportazione di %2:</translation>
    </message>
    <message>
        <source>Imported from %1:</source>
        <translation>Importato da %1:</translation>
    </message>
    <message>
        <source>Added the circuit &quot;%1&quot;.</source>
        <translation>Circuito &quot;%1&quot; aggiunto.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more circuits.</source>
        <translation>
            <numerusform>... e %n altro circuito.</numerusform>
            <numerusform>... e altri %n circuiti.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added the exercise &quot;%1&quot; to the library.</source>
        <translation>Esercizio &quot;%1&quot; aggiunto alla libreria.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more exercises.</source>
        <translation>
            <numerusform>... e %n altro esercizio.</numerusform>
            <numerusform>... e altri %n esercizi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The library is full: &quot;%1&quot; was not added, and the circuits name it still.</source>
        <translation>La libreria è piena: &quot;%1&quot; non è stato aggiunto, ma i circuiti continuano a nominarlo.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more exercises were not added.</source>
        <translation>
            <numerusform>... e %n altro esercizio non è stato aggiunto.</numerusform>
            <numerusform>... e altri %n esercizi non sono stati aggiunti.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>Stridewell is already running in %1. Use the window that is open; this copy ends without changing anything.</source>
        <extracomment>%1 is the data folder&apos;s path, ending in &quot;/&quot;.</extracomment>
        <translation>Stridewell è già in esecuzione in %1. Usa la finestra già aperta; questa copia si chiude senza modificare nulla.</translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Percorso non trovato</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accesso al file negato</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco pieno</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Troppi file aperti</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Errore di scrittura su disco</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Errore di lettura da disco</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Numero non valido</translation>
    </message>
</context>
<context>
    <name>RunOptionsMenu</name>
    <message>
        <source>Speak exercise names</source>
        <extracomment>A run option on the runner&apos;s context menu: the exercises&apos; names are spoken.</extracomment>
        <translation>Pronuncia i nomi degli esercizi</translation>
    </message>
    <message>
        <source>Count down the last three seconds</source>
        <extracomment>A run option: a tick sounds at 3, 2 and 1 seconds left.</extracomment>
        <translation>Conta alla rovescia gli ultimi tre secondi</translation>
    </message>
    <message>
        <source>Keep the screen awake during a run</source>
        <extracomment>A run option: the screen saver is held off while a circuit runs.</extracomment>
        <translation>Mantieni lo schermo acceso durante la sessione</translation>
    </message>
    <message>
        <source>Chime</source>
        <extracomment>A cue sound on the run options&apos; Sound submenu: the designed two-note chime.</extracomment>
        <translation>Carillon</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A cue sound on the Sound submenu: one struck bell.</extracomment>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Double beep</source>
        <extracomment>A cue sound on the Sound submenu: two short electronic beeps, as of a sports watch.</extracomment>
        <translation>Doppio bip</translation>
    </message>
    <message>
        <source>Gong</source>
        <extracomment>A cue sound on the Sound submenu: a low gong.</extracomment>
        <translation>Gong</translation>
    </message>
    <message>
        <source>Big clock on the other screen</source>
        <extracomment>A run option: with two screens or more (a projector, a television), the big clock (F11) fills a screen the main window is not on.</extracomment>
        <translation>Orologio grande sull&apos;altro schermo</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>A submenu of the run options: the sound played at every change of phase.</extracomment>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>A submenu of the run options: how loud the cue, the countdown and the voice are.</extracomment>
        <translation>Volume</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A volume on the Volume submenu, in percent of the designed loudness (%1 is 10 to 100).</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Count each interval exactly</source>
        <extracomment>A run option: an interval of 30 seconds lasts exactly 30 seconds, its clock showing 30 down to 1, instead of also showing 0 for a second.</extracomment>
        <translation>Conta ogni intervallo con esattezza</translation>
    </message>
</context>
<context>
    <name>RunWords</name>
    <message>
        <source>This circuit has no exercises</source>
        <extracomment>The runner&apos;s status label, after Start on a circuit without exercises.</extracomment>
        <translation>Questo circuito non ha esercizi</translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>The runner&apos;s status label while a run is paused. Large type on one line: keep it short.</extracomment>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Finished</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label once the circuit has run to its end. Keep it short.</extracomment>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during the warm-up phase. Keep it short.</extracomment>
        <translation>Riscaldamento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during the cool-down phase. Keep it short.</extracomment>
        <translation>Defaticamento</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during a rest; %1 is the exercise due next. Large type on one line of about 480 pixels with the name: keep it short.</extracomment>
        <translation>Prossimo: %1</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during an exercise; %1 is the exercise. Large type on one line of about 480 pixels with the name: keep it short.</extracomment>
        <translation>Ora: %1</translation>
    </message>
    <message>
        <source>Now: %1 x %2</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during a repetition exercise: %1 repetitions of the exercise %2 (&quot;Now: 15 x Push-Up&quot;). Large type on one line: keep it short.</extracomment>
        <translation>Ora: %1 x %2</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as the warm-up begins.</extracomment>
        <translation>Riscaldamento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as the cool-down begins.</extracomment>
        <translation>Defaticamento</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as a rest begins; %1 is the exercise due next.</extracomment>
        <translation>Prossimo: %1</translation>
    </message>
    <message>
        <source>Next: %1 %2</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as a rest begins: %1 repetitions of the exercise %2 come next (&quot;Next: 15 Push-Up&quot;).</extracomment>
        <translation>Prossimo: %1 %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>spoken repetitions</comment>
        <extracomment>Spoken aloud as a repetition exercise begins: %1 repetitions of the exercise %2 (&quot;15 Push-Up&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Switch sides</source>
        <extracomment>Spoken aloud halfway through a one-sided exercise: do the other side now.</extracomment>
        <translation>Cambia lato</translation>
    </message>
    <message>
        <source>Circuit finished</source>
        <extracomment>Spoken aloud as the circuit ends.</extracomment>
        <translation>Circuito completato</translation>
    </message>
    <message>
        <source>Round %1 of %2. %3</source>
        <extracomment>Spoken aloud as round %1 of %2 begins; %3 is the phrase of the phase that begins with it, e.g. &quot;Next: Squat&quot;.</extracomment>
        <translation>Giro %1 di %2. %3</translation>
    </message>
    <message>
        <source>%1 left · %2 / %3 · round %4 / %5</source>
        <extracomment>Below the runner&apos;s clock: %1 the circuit&apos;s time left (&quot;12:34&quot;), at exercise %2 of %3, in round %4 of %5. The line is 160 pixels wide in 11-pixel type: abbreviate rather than lengthen.</extracomment>
        <translation>%1 rim. · %2 / %3 · giro %4 / %5</translation>
    </message>
    <message>
        <source>%1 left · %2 / %3</source>
        <extracomment>Below the runner&apos;s clock: %1 the circuit&apos;s time left (&quot;12:34&quot;), at exercise %2 of %3. The line is 160 pixels wide in 11-pixel type.</extracomment>
        <translation>%1 rimasti · %2 / %3</translation>
    </message>
    <message>
        <source>Your training history could not be saved (%1). The run goes on, but it will be missing from the history.</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;No space left on device&quot;.</extracomment>
        <translation>Impossibile salvare il tuo storico (%1). La sessione continua, ma non comparirà nello storico.</translation>
    </message>
    <message>
        <source>en</source>
        <comment>espeak-ng voice</comment>
        <extracomment>Not shown: the espeak-ng voice that speaks this translation, as its language code: de, fr, es, it, pt-br, nl, pl, ...</extracomment>
        <translation>it</translation>
    </message>
    <message>
        <source>Last exercise</source>
        <extracomment>On the big clock, in small type under the status during the last exercise of the circuit, where &quot;Next: %1&quot; names the exercise that follows the others.</extracomment>
        <translation>Ultimo esercizio</translation>
    </message>
</context>
<context>
    <name>ShareButton</name>
    <message>
        <source>Share</source>
        <extracomment>Button 145 pixels wide with a menu: send, take in or print circuits.</extracomment>
        <translation>Condividi</translation>
    </message>
    <message>
        <source>Export circuit...</source>
        <extracomment>Menu entry: writes the circuit with its exercises to one file.</extracomment>
        <translation>Esporta circuito...</translation>
    </message>
    <message>
        <source>Import...</source>
        <extracomment>Menu entry: adds the circuits of a file (also other timers&apos; exports).</extracomment>
        <translation>Importa...</translation>
    </message>
    <message>
        <source>Print circuit...</source>
        <extracomment>Menu entry: prints the circuit card, or saves it as a PDF.</extracomment>
        <translation>Stampa circuito...</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Stridewell cannot use the data folder: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Stridewell non può usare la cartella dei dati: %1</translation>
    </message>
    <message>
        <source>Stridewell cannot use the data folder %1: %2</source>
        <extracomment>%1 is the folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Stridewell non può usare la cartella dei dati %1: %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>We cannot accept any 
responsibility for any injury 
suffered as a result of using 
this program. If you are 
unsure of how to do any 
exercise, do not attempt it 
until you have been directed 
how to do it.

Also ensure you have done 
an adequate Warm-Up 
before starting any circuit.</source>
        <translation>Non ci assumiamo alcuna 
responsabilità per 
lesioni dovute all&apos;uso 
di questo programma. Se 
non sai come eseguire un 
esercizio, non provarlo 
finché qualcuno non te 
lo ha mostrato.

Assicurati anche di 
scaldarti a sufficienza 
prima di ogni circuito.</translation>
    </message>
    <message>
        <source>Exercising</source>
        <translation>Allenamento</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Avvertenza</translation>
    </message>
    <message>
        <source>Start Stridewell Now</source>
        <translation>Avvia Stridewell</translation>
    </message>
    <message>
        <source>Check for new Circuits</source>
        <translation>Cerca nuovi circuiti</translation>
    </message>
    <message>
        <source>Check for new Exercises</source>
        <translation>Cerca nuovi esercizi</translation>
    </message>
    <message>
        <source>Launch Kinoradex</source>
        <translation>Apri Kinoradex</translation>
    </message>
    <message>
        <source>Your training history</source>
        <translation>Il tuo storico</translation>
    </message>
    <message>
        <source>Close Stridewell</source>
        <extracomment>What a screen reader says of the launcher&apos;s close mark, a small cross in its corner.</extracomment>
        <translation>Chiudi Stridewell</translation>
    </message>
</context>
<context>
    <name>Tform_Main</name>
    <message>
        <source>Information About The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Informazioni sul circuito selezionato</translation>
    </message>
    <message>
        <source>Start The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Avvia il circuito selezionato</translation>
    </message>
    <message>
        <source>Create A New Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Crea un nuovo circuito</translation>
    </message>
    <message>
        <source>Delete The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Elimina il circuito selezionato</translation>
    </message>
    <message>
        <source>Modify Exercises</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar: opens the exercise library.</extracomment>
        <translation>Modifica esercizi</translation>
    </message>
    <message>
        <source>Available Circuits</source>
        <extracomment>Heading over the list of the user&apos;s circuits.</extracomment>
        <translation>Circuiti disponibili</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <extracomment>Column title over the circuits&apos; names, in a box 154 pixels wide (bold).</extracomment>
        <translation>Nome circuito</translation>
    </message>
    <message>
        <source>Circuit Type</source>
        <extracomment>Column title over the circuits&apos; kinds (Upper Body, Legs...), 152 pixels wide (bold).</extracomment>
        <translation>Tipo circuito</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Column title over each circuit&apos;s number of exercises, 152 pixels wide (bold).</extracomment>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Circuit Time</source>
        <extracomment>Column title over each circuit&apos;s planned time, 120 pixels wide (bold).</extracomment>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Circuit must be stopped before clicking here</source>
        <extracomment>A click on a bar button while a circuit is being run.</extracomment>
        <translation>Ferma il circuito prima di fare clic qui</translation>
    </message>
    <message>
        <source>This will delete the circuit and is not undoable. Continue?</source>
        <translation>Il circuito verrà eliminato e l&apos;operazione non si può annullare. Vuoi continuare?</translation>
    </message>
    <message>
        <source>Circuit: %1</source>
        <extracomment>Second line of the removal question; %1 is the circuit&apos;s name as the grid shows it.</extracomment>
        <translation>Circuito: %1</translation>
    </message>
    <message>
        <source>A circuit is running. Stop it and quit?</source>
        <extracomment>Asked with Yes and No when the main window is closed while a circuit runs.</extracomment>
        <translation>Un circuito è in corso. Fermarlo e uscire?</translation>
    </message>
</context>
<context>
    <name>Tframe_ExerciseStart</name>
    <message>
        <source>Description Of Exercise</source>
        <extracomment>Tool tip of the exercise picture before a circuit is loaded; once loaded it shows the exercise&apos;s own description.</extracomment>
        <translation>Descrizione dell&apos;esercizio</translation>
    </message>
    <message>
        <source>Click here for instructions on the exercise (Will pause your circuit)</source>
        <extracomment>A link below the runner, one line of 332 pixels in small type: keep it short.</extracomment>
        <translation>Clicca qui per le istruzioni (mette in pausa il circuito)</translation>
    </message>
    <message>
        <source>Your Circuit</source>
        <extracomment>The runner&apos;s title strip.</extracomment>
        <translation>Il tuo circuito</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>The phase the clock counts, beside &quot;Rest&quot; in a picture of 200 pixels: about 95 pixels of bold text.</extracomment>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The phase the clock counts, beside &quot;Exercise&quot;: about 90 pixels of bold text.</extracomment>
        <translation>Riposo</translation>
    </message>
    <message>
        <source>Start the circuit</source>
        <extracomment>What a screen reader says of the runner&apos;s Start picture button.</extracomment>
        <translation>Avvia il circuito</translation>
    </message>
    <message>
        <source>Stop the circuit</source>
        <extracomment>What a screen reader says of the runner&apos;s Stop picture button; Start goes on from there.</extracomment>
        <translation>Ferma il circuito</translation>
    </message>
</context>
<context>
    <name>Tfrm_CircuitEdit</name>
    <message>
        <source>Circuit Modifier</source>
        <extracomment>Title of the circuit editor, in a strip across the frame.</extracomment>
        <translation>Modifica circuito</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <extracomment>Caption above the name field, 145 pixels wide.</extracomment>
        <translation>Nome circuito</translation>
    </message>
    <message>
        <source>Circuit Type</source>
        <extracomment>Caption above the type list, 145 pixels wide.</extracomment>
        <translation>Tipo circuito</translation>
    </message>
    <message>
        <source>Exercise Interval</source>
        <extracomment>Caption above a field of seconds, 145 pixels wide.</extracomment>
        <translation>Durata esercizio</translation>
    </message>
    <message>
        <source>Rest Interval</source>
        <extracomment>Caption above a field of seconds, 145 pixels wide.</extracomment>
        <translation>Durata riposo</translation>
    </message>
    <message>
        <source>Rounds and times...</source>
        <extracomment>Button 145 pixels wide that opens the circuit plan.</extracomment>
        <translation>Giri e tempi...</translation>
    </message>
    <message>
        <source>Circuits Exercises</source>
        <extracomment>Title of the group 241 pixels wide that holds the circuit&apos;s exercises.</extracomment>
        <translation>Esercizi del circuito</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Tool tip: adds the exercise chosen in the list to the circuit.</extracomment>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Move Up</source>
        <extracomment>Tool tip: moves the selected exercise one place up in the circuit.</extracomment>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <extracomment>Tool tip: moves the selected exercise one place down in the circuit.</extracomment>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Tool tip: removes the selected exercise from the circuit.</extracomment>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Exercise to add</source>
        <extracomment>Read out by screen readers for the list of exercises to add to the circuit.</extracomment>
        <translation>Esercizio da aggiungere</translation>
    </message>
</context>
<context>
    <name>Tfrm_CircuitInfo</name>
    <message>
        <source>Circuit Information</source>
        <extracomment>Title of the circuit information panel, in a strip across it.</extracomment>
        <translation>Informazioni circuito</translation>
    </message>
    <message>
        <source>Circuit Name:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Nome circuito:</translation>
    </message>
    <message>
        <source>Circuit Type:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Tipo circuito:</translation>
    </message>
    <message>
        <source>Exercises:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Esercizi:</translation>
    </message>
    <message>
        <source>Total Circuit Time:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Tempo totale:</translation>
    </message>
    <message>
        <source>Rest Interval:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Durata riposo:</translation>
    </message>
    <message>
        <source>Exercise Interval:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Durata esercizio:</translation>
    </message>
    <message>
        <source>Click here for more information on the selected exercise.</source>
        <extracomment>A link 283 pixels wide that opens the exercise&apos;s page in the browser.</extracomment>
        <translation>Clicca qui per saperne di più sull&apos;esercizio selezionato.</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Read out by screen readers for the list of the shown circuit&apos;s exercises.</extracomment>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Exercise description</source>
        <extracomment>Read out by screen readers for the description of the selected exercise.</extracomment>
        <translation>Descrizione dell&apos;esercizio</translation>
    </message>
</context>
<context>
    <name>Tfrm_ExerciseFrame</name>
    <message>
        <source>Exercise Editor</source>
        <extracomment>Title of the exercise library editor, in a strip across the frame.</extracomment>
        <translation>Editor esercizi</translation>
    </message>
    <message>
        <source>Exercise Name</source>
        <extracomment>Column head of the exercise grid, 152 pixels wide in a large bold font.
----------
Caption above the name field, 193 pixels wide.</extracomment>
        <translation>Nome esercizio</translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>Column head of the exercise grid, 104 pixels wide in a large bold font.</extracomment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Exercise Description</source>
        <extracomment>Column head of the exercise grid, over the rest of the width.
----------
Caption above the description field.</extracomment>
        <translation>Descrizione esercizio</translation>
    </message>
    <message>
        <source>Exercise Type</source>
        <extracomment>Caption above the type list, 145 pixels wide.</extracomment>
        <translation>Tipo esercizio</translation>
    </message>
    <message>
        <source>Save the exercise library</source>
        <extracomment>Tool tip of the save picture.</extracomment>
        <translation>Salva la libreria di esercizi</translation>
    </message>
    <message>
        <source>Add a new exercise</source>
        <extracomment>Tool tip of the new exercise picture.</extracomment>
        <translation>Aggiungi un nuovo esercizio</translation>
    </message>
    <message>
        <source>Delete the selected exercise</source>
        <extracomment>Tool tip of the delete picture.</extracomment>
        <translation>Elimina l&apos;esercizio selezionato</translation>
    </message>
    <message>
        <source>Exercise library</source>
        <extracomment>Read out by screen readers for the grid of every exercise in the library.</extracomment>
        <translation>Libreria degli esercizi</translation>
    </message>
</context>
<context>
    <name>UnreadableCircuits</name>
    <message>
        <source>This circuit file could not be read and is not listed:</source>
        <extracomment>Followed by the file&apos;s path and the reason, on a line of their own.</extracomment>
        <translation>Questo file di circuito non è leggibile e non viene elencato:</translation>
    </message>
    <message>
        <source>These circuit files could not be read and are not listed:</source>
        <translation>Questi file di circuito non sono leggibili e non vengono elencati:</translation>
    </message>
</context>
<context>
    <name>UpdateMessages</name>
    <message>
        <source>The download module could not be loaded</source>
        <translation>Impossibile caricare il modulo di download</translation>
    </message>
    <message>
        <source>The server name %1 is unknown</source>
        <extracomment>%1 is the server&apos;s host name.</extracomment>
        <translation>Il nome del server %1 è sconosciuto</translation>
    </message>
    <message>
        <source>No connection to %1</source>
        <extracomment>%1 is the server&apos;s host and port: &quot;localhost:80&quot;.</extracomment>
        <translation>Nessuna connessione a %1</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>La connessione è scaduta</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>Il server ha chiuso la connessione senza rispondere</translation>
    </message>
    <message>
        <source>The connection was lost</source>
        <translation>La connessione si è interrotta</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <extracomment>%1 is the HTTP status code: &quot;404&quot;.</extracomment>
        <translation>Il server ha risposto %1</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>Impossibile leggere la risposta del server</translation>
    </message>
    <message>
        <source>The server&apos;s answer did not give its length</source>
        <translation>La risposta del server non ne indicava la lunghezza</translation>
    </message>
    <message>
        <source>The server&apos;s answer was cut short</source>
        <translation>La risposta del server è stata troncata</translation>
    </message>
    <message>
        <source>The server&apos;s answer was empty</source>
        <translation>La risposta del server era vuota</translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large</source>
        <translation>La risposta del server era troppo grande</translation>
    </message>
    <message>
        <source>The server sent the program to another address</source>
        <translation>Il server ha rimandato il programma a un altro indirizzo</translation>
    </message>
    <message>
        <source>The server redirected the program too often</source>
        <translation>Il server ha reindirizzato il programma troppe volte</translation>
    </message>
    <message>
        <source>The server&apos;s answer %1</source>
        <extracomment>%1 says what was wrong with the answer: &quot;is empty&quot;.</extracomment>
        <translation>La risposta del server %1</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <extracomment>%1 is the path of a file.</extracomment>
        <translation>Impossibile scrivere %1</translation>
    </message>
    <message>
        <source>The download was stopped</source>
        <translation>Il download è stato interrotto</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Il download non è riuscito</translation>
    </message>
    <message>
        <source>%1 Exercises Added. The exercise library is full (%2 exercises)</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 esercizi aggiunti. La libreria di esercizi è piena (%2 esercizi)</translation>
    </message>
    <message>
        <source>%1 Exercises Added</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 esercizi aggiunti</translation>
    </message>
    <message>
        <source>No new exercises available at this time</source>
        <translation>Nessun nuovo esercizio disponibile al momento</translation>
    </message>
    <message>
        <source>No new circuits available at this time</source>
        <translation>Nessun nuovo circuito disponibile al momento</translation>
    </message>
    <message>
        <source>New exercise file was refused: the server&apos;s answer %1</source>
        <translation>Nuovo file di esercizi rifiutato: la risposta del server %1</translation>
    </message>
    <message>
        <source>New exercise file could not be found
%1</source>
        <translation>Impossibile trovare il nuovo file di esercizi
%1</translation>
    </message>
    <message>
        <source>New circuit file was refused: the server&apos;s answer %1</source>
        <translation>Nuovo file di circuiti rifiutato: la risposta del server %1</translation>
    </message>
    <message>
        <source>New circuit file could not be found
%1</source>
        <translation>Impossibile trovare il nuovo file di circuiti
%1</translation>
    </message>
    <message>
        <source>%1 Circuits Added</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 circuiti aggiunti</translation>
    </message>
    <message>
        <source>Circuit %1 was refused: the server&apos;s answer %2</source>
        <translation>Circuito %1 rifiutato: la risposta del server %2</translation>
    </message>
    <message>
        <source>Circuit %1 could not be downloaded
%2</source>
        <extracomment>%1 is the circuit file&apos;s name, %2 the reason on a line of its own.</extracomment>
        <translation>Impossibile scaricare il circuito %1
%2</translation>
    </message>
    <message>
        <source>is empty</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>è vuota</translation>
    </message>
    <message>
        <source>holds NUL bytes</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;; NUL is the name of a byte value.</extracomment>
        <translation>contiene byte NUL</translation>
    </message>
    <message>
        <source>is a web page</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>è una pagina web</translation>
    </message>
    <message>
        <source>has no circuit name</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>non ha il nome del circuito</translation>
    </message>
    <message>
        <source>has no intervals</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>non ha intervalli</translation>
    </message>
    <message>
        <source>has no exercises</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>non ha esercizi</translation>
    </message>
    <message>
        <source>has a bad key on line %1: %2</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;; %1 is a line number, %2 what is wrong with the key.</extracomment>
        <translation>ha una chiave errata alla riga %1: %2</translation>
    </message>
</context>
</TS>
