<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BigClockWindow</name>
    <message>
        <source>Warm-up</source>
        <extracomment>The big clock&apos;s phase word, drawn large before the status: keep it short.</extracomment>
        <translation>Aufwärmen</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>The big clock&apos;s phase word, drawn large before the status: keep it short.</extracomment>
        <translation>Abwärmen</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The big clock&apos;s phase word during a rest: keep it short.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>The big clock&apos;s phase word during an exercise: keep it short.</extracomment>
        <translation>Übung</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>No web browser could be started. The page&apos;s address is:</source>
        <extracomment>Followed by the page&apos;s address on a line of its own, for the user to copy.</extracomment>
        <translation>Es konnte kein Webbrowser gestartet werden. Die Adresse der Seite lautet:</translation>
    </message>
</context>
<context>
    <name>CircuitCardWords</name>
    <message>
        <source>Planned time</source>
        <extracomment>Printed circuit card: above the circuit&apos;s planned time, top right.</extracomment>
        <translation>Geplante Zeit</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Printed circuit card: the number of exercises, followed by the count.</extracomment>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Rounds</source>
        <extracomment>Printed circuit card: the number of rounds, followed by the count.</extracomment>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Rest between rounds</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Pause zwischen Runden</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Aufwärmen</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Abwärmen</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>Column title of the printed circuit card: the exercise&apos;s name.</extracomment>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>Column title of the printed circuit card: the time of work; a narrow column.</extracomment>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>Rest before</source>
        <extracomment>Column title of the printed circuit card: the rest before the exercise; a narrow column.</extracomment>
        <translation>Pause davor</translation>
    </message>
    <message>
        <source>Reps</source>
        <extracomment>Column title of the printed circuit card: repetitions; a narrow column.</extracomment>
        <translation>Wdh.</translation>
    </message>
    <message>
        <source>Sides</source>
        <extracomment>Column title of the printed circuit card: 1, or 2 for left then right; a narrow column.</extracomment>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>Column title of the printed circuit card: the exercise&apos;s description.</extracomment>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>This circuit has no exercises.</source>
        <extracomment>Printed circuit card, in place of the table of a circuit without exercises.</extracomment>
        <translation>Dieser Zirkel hat keine Übungen.</translation>
    </message>
    <message>
        <source>Printing is not available: the print module of this installation is missing or belongs to another version of the program.</source>
        <translation>Drucken ist nicht möglich: Das Druckmodul dieser Installation fehlt oder gehört zu einer anderen Version des Programms.</translation>
    </message>
    <message>
        <source>The circuit card could not be printed.</source>
        <translation>Die Zirkelkarte konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>CircuitPlanDialog</name>
    <message>
        <source>None</source>
        <extracomment>A field of seconds set to nothing: no rest between rounds, no warm-up, no cool-down.</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>The circuit&apos;s value</source>
        <extracomment>Tool tip of a grey cell that shows the circuit&apos;s own time or count.</extracomment>
        <translation>Wert des Zirkels</translation>
    </message>
    <message>
        <source>Circuit plan</source>
        <extracomment>Title of the dialog of rounds, warm-up, cool-down and each exercise&apos;s times.</extracomment>
        <translation>Zirkelplan</translation>
    </message>
    <message>
        <source>Rounds</source>
        <extracomment>Caption of the field of the number of rounds.</extracomment>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Rest between rounds</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Pause zwischen Runden</translation>
    </message>
    <message>
        <source>None: rounds 2 and on begin with the first exercise&apos;s own rest.</source>
        <extracomment>Read out by screen readers for the field of rest between rounds.</extracomment>
        <translation>Keine: Ab Runde 2 beginnt jede Runde mit der eigenen Pause der ersten Übung.</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Aufwärmen</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Abwärmen</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Unit after the number in a field of seconds, with its leading space.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Times are in seconds. An empty cell takes the circuit&apos;s value, shown in grey.</source>
        <translation>Zeiten in Sekunden. Eine leere Zelle übernimmt den Wert des Zirkels, grau angezeigt.</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Read out by screen readers for the table of the circuit&apos;s exercises.</extracomment>
        <translation>Übungen</translation>
    </message>
</context>
<context>
    <name>CircuitSharing</name>
    <message>
        <source>Export circuit</source>
        <translation>Zirkel exportieren</translation>
    </message>
    <message>
        <source>Stridewell circuits (*.stridewell);;All files (*)</source>
        <extracomment>File types of the save dialog; keep &quot;(*.stridewell)&quot;, &quot;(*)&quot; and &quot;;;&quot;.</extracomment>
        <translation>Stridewell-Zirkel (*.stridewell);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import circuits</source>
        <translation>Zirkel importieren</translation>
    </message>
    <message>
        <source>Circuits and other timers&apos; exports (*.stridewell *.json *.feeel *.txt);;All files (*)</source>
        <extracomment>File types of the open dialog; keep the patterns in brackets and &quot;;;&quot;.</extracomment>
        <translation>Zirkel und Exporte anderer Timer (*.stridewell *.json *.feeel *.txt);;Alle Dateien (*)</translation>
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
        <translation>Aufruf: stridewell [OPTION]...
Ein Timer für Zirkeltraining: verwaltet eine Übungsbibliothek, stellt daraus
Zirkel zusammen und zählt jeden Zirkel mit einem Signal bei jedem Wechsel
herunter.

      --data-dir=DIR  Übungsbibliothek und Zirkel in DIR ablegen
      --plan=FILE     die Phasen einer Zirkeldatei und ihre geplante Zeit in
                      Sekunden ausgeben, eine pro Zeile, und beenden
      --lang=CODE     in dieser Sprache sprechen (de, fr, es, it, pt_BR, nl,
                      pl; en für Englisch) statt in der des Desktops
      --help          diese Hilfe anzeigen und beenden
      --version       Versionsinformation anzeigen und beenden

Ohne --data-dir liegen die Daten neben dem Programm, wenn es dort schreiben
darf, sonst in $XDG_DATA_HOME/stridewell (~/.local/share/stridewell); dieser
Ordner wird beim ersten Start angelegt und mit Beispielübungen und
Beispielzirkeln gefüllt.
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
Womit das Programm startet, in der schon laufenden Kopie im Datenordner,
falls es eine gibt:
      --run=NAME      den Zirkel mit diesem Namen starten
      --run-last      den zuletzt gelaufenen Zirkel starten
      --history       den Trainingsverlauf öffnen
      FILE            FILE importieren und zeigen, was hinzukam

Ohne Anzeige, eine Zeile auf stdout für jeden erledigten Schritt:
      --export NAME FILE  den Zirkel NAME mit seinen Übungen in FILE schreiben
      --import FILE       die Zirkel (und Übungen) aus FILE hinzufügen: eine
                          .stridewell-Datei oder Export eines anderen Timers
      --print NAME FILE   die Karte des Zirkels NAME in FILE schreiben (PDF)
</translation>
    </message>
</context>
<context>
    <name>DBusScreenAwake</name>
    <message>
        <source>A circuit is running</source>
        <extracomment>Why the screen saver is held off, as the desktop may list it.</extracomment>
        <translation>Ein Zirkel läuft</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The &amp; marks the key that answers with it (Alt+Y).</extracomment>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>The &amp; marks the key that answers with it (Alt+N).</extracomment>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>EditorWords</name>
    <message>
        <source>Circuit needs a name before modifying it.</source>
        <translation>Der Zirkel braucht einen Namen, bevor du ihn änderst.</translation>
    </message>
    <message>
        <source>A circuit name cannot be made of dots only.</source>
        <translation>Ein Zirkelname darf nicht nur aus Punkten bestehen.</translation>
    </message>
    <message>
        <source>A circuit name cannot contain control characters such as tabs.</source>
        <translation>Ein Zirkelname darf keine Steuerzeichen wie Tabulatoren enthalten.</translation>
    </message>
    <message>
        <source>A circuit name cannot contain the character %1. Leave out / \ &lt; &gt; : &quot; | ? and *.</source>
        <extracomment>%1 is one of the characters the sentence lists after it.</extracomment>
        <translation>Ein Zirkelname darf das Zeichen %1 nicht enthalten. Lass / \ &lt; &gt; : &quot; | ? und * weg.</translation>
    </message>
    <message>
        <source>Another circuit is already stored as &quot;%1&quot;. Choose another name before modifying this circuit.</source>
        <extracomment>%1 is a circuit&apos;s name.</extracomment>
        <translation>Unter „%1“ ist bereits ein anderer Zirkel gespeichert. Wähle einen anderen Namen, bevor du diesen Zirkel änderst.</translation>
    </message>
    <message>
        <source>The circuit keeps its name &quot;%1&quot;.</source>
        <extracomment>Follows the reason a new name was refused. %1 is the circuit&apos;s name.</extracomment>
        <translation>Der Zirkel behält seinen Namen „%1“.</translation>
    </message>
    <message>
        <source>Create a circuit or open one before modifying it.</source>
        <translation>Lege einen Zirkel an oder öffne einen, bevor du ihn änderst.</translation>
    </message>
    <message>
        <source>Choose a circuit type before modifying this circuit.</source>
        <translation>Wähle einen Zirkeltyp, bevor du diesen Zirkel änderst.</translation>
    </message>
    <message>
        <source>A circuit holds at most %1 exercises. Remove one before adding another.</source>
        <translation>Ein Zirkel fasst höchstens %1 Übungen. Entferne eine, bevor du eine weitere hinzufügst.</translation>
    </message>
    <message>
        <source>An exercise name cannot hold a tab character.</source>
        <translation>Ein Übungsname darf keinen Tabulator enthalten.</translation>
    </message>
    <message>
        <source>The exercise library is full: it holds %1 exercises. Delete an exercise before adding a new one.</source>
        <translation>Die Übungsbibliothek ist voll: Sie enthält %1 Übungen. Lösche eine Übung, bevor du eine neue hinzufügst.</translation>
    </message>
    <message>
        <source>exercises.lst holds more exercises than the library can take. Only the first %1 exercises were loaded.</source>
        <extracomment>exercises.lst is a file name and stays as it is.</extracomment>
        <translation>exercises.lst enthält mehr Übungen, als die Übungsbibliothek aufnehmen kann. Nur die ersten %1 Übungen wurden geladen.</translation>
    </message>
    <message numerus="yes">
        <source>%n circuit uses &quot;%1&quot;. Rename it to &quot;%2&quot; in that circuit too?</source>
        <extracomment>A question with Yes and No. %1 is the exercise&apos;s old name, %2 the new one.</extracomment>
        <translation>
            <numerusform>%n Zirkel verwendet „%1“. Die Übung auch in diesem Zirkel in „%2“ umbenennen?</numerusform>
            <numerusform>%n Zirkel verwenden „%1“. Die Übung auch in diesen Zirkeln in „%2“ umbenennen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n circuits use &quot;%1&quot;. Rename it to &quot;%2&quot; in those circuits too?</source>
        <extracomment>A question with Yes and No. %1 is the exercise&apos;s old name, %2 the new one.</extracomment>
        <translation>
            <numerusform>%n Zirkel verwendet „%1“. Die Übung auch in diesem Zirkel in „%2“ umbenennen?</numerusform>
            <numerusform>%n Zirkel verwenden „%1“. Die Übung auch in diesen Zirkeln in „%2“ umbenennen?</numerusform>
        </translation>
    </message>
    <message>
        <source>New Circuit</source>
        <extracomment>A new circuit&apos;s name, also its file name; a number follows when it is taken.</extracomment>
        <translation>Neuer Zirkel</translation>
    </message>
    <message>
        <source>New Exercise</source>
        <extracomment>A new exercise&apos;s name in the exercise library.</extracomment>
        <translation>Neue Übung</translation>
    </message>
    <message>
        <source>Enter a description for your new exercise</source>
        <translation>Gib eine Beschreibung für deine neue Übung ein</translation>
    </message>
    <message>
        <source>Upper Body</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Oberkörper</translation>
    </message>
    <message>
        <source>Abdominal</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Bauch</translation>
    </message>
    <message>
        <source>Lower Body</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Unterkörper</translation>
    </message>
    <message>
        <source>Multiple Area Workout</source>
        <extracomment>The type of circuit that takes exercises of every type; in a list 145 pixels wide.</extracomment>
        <translation>Ganzkörpertraining</translation>
    </message>
    <message>
        <source>Circuit Name: %1</source>
        <extracomment>Information panel; %1 is the circuit&apos;s name. Keep the length.</extracomment>
        <translation>Zirkelname: %1</translation>
    </message>
    <message>
        <source>Circuit Type: %1</source>
        <extracomment>Information panel; %1 is the circuit&apos;s type as its file holds it. Keep the length.</extracomment>
        <translation>Zirkeltyp: %1</translation>
    </message>
    <message>
        <source>Exercises: %1</source>
        <extracomment>Information panel; %1 is a count. Keep the length.</extracomment>
        <translation>Übungen: %1</translation>
    </message>
    <message>
        <source>Total Circuit Time: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Gesamtdauer: %1</translation>
    </message>
    <message>
        <source>Exercise Interval: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Übungszeit: %1</translation>
    </message>
    <message>
        <source>Rest Interval: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Pausenzeit: %1</translation>
    </message>
    <message>
        <source>Rounds: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a count.</extracomment>
        <translation>Runden: %1</translation>
    </message>
    <message>
        <source>Rest Between Rounds: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Pause zwischen Runden: %1</translation>
    </message>
    <message>
        <source>Warm-up: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Aufwärmen: %1</translation>
    </message>
    <message>
        <source>Cool-down: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Abwärmen: %1</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>Column title of the circuit plan: the exercise&apos;s name.</extracomment>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Rest before</source>
        <extracomment>Column title of the circuit plan: seconds of rest before the exercise.</extracomment>
        <translation>Pause davor</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>Column title of the circuit plan: seconds of work.</extracomment>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>Reps</source>
        <extracomment>Column title of the circuit plan: repetitions.</extracomment>
        <translation>Wdh.</translation>
    </message>
    <message>
        <source>Sides</source>
        <extracomment>Column title of the circuit plan: 1 or 2 sides of the body, one after the other.</extracomment>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Exercise &quot;%1&quot;, column &quot;%2&quot;: &quot;%3&quot; is not a whole number.</source>
        <extracomment>%1 is the exercise&apos;s name, %2 a column title, %3 the text typed into the cell.</extracomment>
        <translation>Übung „%1“, Spalte „%2“: „%3“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>Exercise &quot;%1&quot;, column &quot;%2&quot;: %3 is out of range.</source>
        <extracomment>%1 is the exercise&apos;s name, %2 a column title, %3 the number typed into the cell.</extracomment>
        <translation>Übung „%1“, Spalte „%2“: %3 liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell to use the circuit&apos;s rest interval.</source>
        <translation>Gib eine ganze Zahl von %1 bis %2 ein oder leere die Zelle, um die Pausenzeit des Zirkels zu verwenden.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell to use the circuit&apos;s exercise interval.</source>
        <translation>Gib eine ganze Zahl von %1 bis %2 ein oder leere die Zelle, um die Übungszeit des Zirkels zu verwenden.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell for a timed exercise.</source>
        <translation>Gib eine ganze Zahl von %1 bis %2 ein oder leere die Zelle für eine Übung auf Zeit.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell for one side.</source>
        <translation>Gib eine ganze Zahl von %1 bis %2 ein oder leere die Zelle für nur eine Seite.</translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Unexpected error</source>
        <extracomment>An error that came without a text of its own.</extracomment>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>&quot;%1&quot; is not a key=value word</source>
        <extracomment>%1 is a word of a circuit file, as written; &quot;key=value&quot; is a technical term.</extracomment>
        <translation>„%1“ ist kein Schlüssel=Wert-Wort</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <extracomment>%1 is a key of a circuit file (&quot;rounds&quot;), which stays English.</extracomment>
        <translation>„%1“ ist doppelt angegeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number from %2 to %3</source>
        <extracomment>%1 is a key of a circuit file (&quot;rounds&quot;), which stays English; %2 and %3 the range.</extracomment>
        <translation>„%1“ muss eine Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number, %3 what is wrong with a key there.</extracomment>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>The circuit &quot;%1&quot; lists %2 exercises, more than the %3 a circuit can hold, so it is not stored: its file stays as it is.</source>
        <extracomment>%1 is the circuit&apos;s name, %2 the exercises its file lists (more than %3).</extracomment>
        <translation>Der Zirkel „%1“ enthält %2 Übungen, mehr als die %3, die ein Zirkel fassen kann. Er wird daher nicht gespeichert: Seine Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>The exercise &quot;%1&quot; has a tab character in its name, so its times cannot be stored with it. Rename it in the exercise library first.</source>
        <translation>Die Übung „%1“ hat ein Tabulatorzeichen im Namen, daher können ihre Zeiten nicht mit ihr gespeichert werden. Benenne sie zuerst in der Übungsbibliothek um.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <extracomment>%1 is the library file&apos;s path, %2 why it could not be read.</extracomment>
        <translation>%1 konnte nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 holds more than %2 exercises, more than the library can take</source>
        <translation>%1 enthält mehr als %2 Übungen, mehr als die Bibliothek aufnehmen kann</translation>
    </message>
    <message>
        <source>The exercise library is not saved to %1: %2, and saving would replace what the file holds. The file stays as it is; mend it and start Stridewell again.</source>
        <extracomment>%1 is the library file&apos;s path; %2 says why the program does not hold all of it.</extracomment>
        <translation>Die Übungsbibliothek wird nicht in %1 gespeichert: %2, und das Speichern würde ersetzen, was die Datei enthält. Die Datei bleibt unverändert; korrigiere sie und starte Stridewell neu.</translation>
    </message>
    <message>
        <source>The history cannot be exported over itself</source>
        <translation>Der Trainingsverlauf kann nicht über sich selbst exportiert werden</translation>
    </message>
    <message>
        <source>%1 is not a Stridewell circuit file</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 ist keine Zirkeldatei von Stridewell</translation>
    </message>
    <message>
        <source>%1 was written by a newer Stridewell (format %2)</source>
        <extracomment>%1 is a file&apos;s path, %2 the number of its format.</extracomment>
        <translation>%1 wurde von einem neueren Stridewell geschrieben (Format %2)</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 ist unvollständig</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB</source>
        <extracomment>%1 is a file&apos;s path, %2 a size in mebibytes.</extracomment>
        <translation>%1 ist größer als %2 MiB</translation>
    </message>
    <message>
        <source>%1 is damaged at line %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1 ist in Zeile %2 beschädigt</translation>
    </message>
    <message>
        <source>%1 is neither a Stridewell circuit nor an export of Just Another Workout Timer, OpenHIIT, Feeel or TimeR Machine</source>
        <extracomment>%1 is a file&apos;s path; the others are names of other interval timers.</extracomment>
        <translation>%1 ist weder ein Stridewell-Zirkel noch ein Export von Just Another Workout Timer, OpenHIIT, Feeel oder TimeR Machine</translation>
    </message>
    <message>
        <source>%1: the circuit name &quot;%2&quot; cannot be a file name</source>
        <extracomment>%1 is a file&apos;s path, %2 the name of a circuit it holds.</extracomment>
        <translation>%1: Der Zirkelname „%2“ kann kein Dateiname sein</translation>
    </message>
    <message>
        <source>%1 holds no circuit that can be imported</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 enthält keinen Zirkel, der importiert werden kann</translation>
    </message>
    <message>
        <source>%1 is one of Stridewell&apos;s own data files; choose another file</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 ist eine der eigenen Datendateien von Stridewell; wählen Sie eine andere Datei</translation>
    </message>
    <message>
        <source>%1 cannot be imported: this installation lacks its import module</source>
        <extracomment>%1 is a file&apos;s path; the module is a part of the program&apos;s installation.</extracomment>
        <translation>%1 kann nicht importiert werden: Dieser Installation fehlt ihr Importmodul</translation>
    </message>
</context>
<context>
    <name>FinishNotice</name>
    <message>
        <source>Trained for %1</source>
        <extracomment>The second line of the notice at a run&apos;s finish; %1 is the time run: &quot;12:34&quot;.</extracomment>
        <translation>Trainiert: %1</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>The notice&apos;s button that brings the window forward.</extracomment>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Minutes trained per week</source>
        <translation>Trainingsminuten pro Woche</translation>
    </message>
</context>
<context>
    <name>HistoryTableModel</name>
    <message>
        <source>Finished</source>
        <comment>outcome of a run</comment>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2</source>
        <extracomment>Outcome of a run: &quot;Stopped after 4 of 10&quot; exercises.</extracomment>
        <translation>Abgebrochen nach %1 von %2</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column title: when the run started.</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Zirkel</translation>
    </message>
    <message>
        <source>Time run</source>
        <extracomment>Column title over the run&apos;s minutes and seconds, about 70 pixels wide.</extracomment>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Finished</source>
        <comment>column title</comment>
        <extracomment>Column title over &quot;Finished&quot; or &quot;Stopped after 4 of 10&quot;.</extracomment>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Your training history</source>
        <translation>Dein Trainingsverlauf</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Trainingsverlauf wird gelesen...</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <source>This week</source>
        <extracomment>Caption of the box with the time trained since Monday, a third of the window wide.</extracomment>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>This month</source>
        <extracomment>Caption of the box with the time trained this calendar month.</extracomment>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>All time</source>
        <extracomment>Caption of the box with the time trained since the first run.</extracomment>
        <translation>Insgesamt</translation>
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
        <translation>1 Durchlauf</translation>
    </message>
    <message numerus="yes">
        <source>%Ln runs</source>
        <extracomment>None, or two runs or more: &quot;0 runs&quot;, &quot;4 runs&quot;.</extracomment>
        <translation>
            <numerusform>%Ln Durchlauf</numerusform>
            <numerusform>%Ln Durchläufe</numerusform>
        </translation>
    </message>
    <message>
        <source>This week</source>
        <comment>chart label</comment>
        <extracomment>Label under the chart&apos;s bar of the current week, about 45 pixels wide.</extracomment>
        <translation>Diese Wo.</translation>
    </message>
    <message>
        <source>The history could not be read (%1).</source>
        <extracomment>%1 is the system&apos;s reason, as it gives it.</extracomment>
        <translation>Der Trainingsverlauf konnte nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>1 damaged line in the file was skipped.</source>
        <translation>1 beschädigte Zeile in der Datei wurde übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln damaged lines in the file were skipped.</source>
        <extracomment>Two lines or more.</extracomment>
        <translation>
            <numerusform>%Ln beschädigte Zeile in der Datei wurde übersprungen.</numerusform>
            <numerusform>%Ln beschädigte Zeilen in der Datei wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No runs yet.</source>
        <translation>Noch keine Durchläufe.</translation>
    </message>
    <message>
        <source>Saved a copy as %1</source>
        <extracomment>%1 is the path of the CSV file just written.</extracomment>
        <translation>Kopie gespeichert als %1</translation>
    </message>
    <message>
        <source>Export your training history</source>
        <translation>Trainingsverlauf exportieren</translation>
    </message>
    <message>
        <source>training-history.csv</source>
        <extracomment>The suggested file name; keep &quot;.csv&quot;.</extracomment>
        <translation>trainingsverlauf.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>File types of the save dialog; keep &quot;(*.csv)&quot;, &quot;(*)&quot; and &quot;;;&quot;.</extracomment>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Runs</source>
        <extracomment>Read out by screen readers for the table of every run, newest first.</extracomment>
        <translation>Durchläufe</translation>
    </message>
</context>
<context>
    <name>ImportWords</name>
    <message>
        <source>%1 is not all UTF-8 text; it was read as Latin-1, so check the accented letters</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 ist nicht durchgehend UTF-8-Text; die Datei wurde als Latin-1 gelesen, prüfen Sie also die Umlaute und Akzente</translation>
    </message>
    <message>
        <source>%1 holds no workouts</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 enthält keine Workouts</translation>
    </message>
    <message>
        <source>Workout %1 of the file could not be read and was not imported</source>
        <extracomment>%1 is the place of a workout without a name in the file (1, 2, ...).</extracomment>
        <translation>Workout %1 der Datei konnte nicht gelesen werden und wurde nicht importiert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read and was not imported</source>
        <extracomment>%1 is a workout&apos;s name.</extracomment>
        <translation>„%1“ konnte nicht gelesen werden und wurde nicht importiert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in TimeR Machine&apos;s trash and was not imported</source>
        <extracomment>%1 is a workout&apos;s name; TimeR Machine is another timer&apos;s name.</extracomment>
        <translation>„%1“ liegt im Papierkorb von TimeR Machine und wurde nicht importiert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: it has %2 rounds, and a circuit has 1 to %3</source>
        <extracomment>%1 is a workout&apos;s name, %2 its rounds, %3 the most a circuit can have.</extracomment>
        <translation>„%1“ wurde nicht importiert: Es hat %2 Runden, ein Zirkel hat 1 bis %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: a time of %2 seconds is longer than the %3 seconds a circuit allows</source>
        <extracomment>%1 is a workout&apos;s name, %2 and %3 times in seconds.</extracomment>
        <translation>„%1“ wurde nicht importiert: Eine Zeit von %2 Sekunden ist länger als die %3 Sekunden, die ein Zirkel erlaubt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: it has %2 exercises, more than the %3 a circuit can hold</source>
        <extracomment>%1 is a workout&apos;s name, %2 its exercises, %3 the most a circuit can hold.</extracomment>
        <translation>„%1“ wurde nicht importiert: Es hat %2 Übungen, mehr als die %3, die ein Zirkel fassen kann</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has parts with different rounds, so it became %2 circuits, &quot;%1 1&quot; to &quot;%1 %2&quot;</source>
        <extracomment>%1 is a workout&apos;s name, %2 how many circuits it became, named &quot;%1 1&quot; to &quot;%1 %2&quot;.</extracomment>
        <translation>„%1“ hat Teile mit verschiedenen Runden und wurde deshalb zu %2 Zirkeln, „%1 1“ bis „%1 %2“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no exercises; it was imported as an empty circuit</source>
        <extracomment>%1 is a circuit&apos;s name.</extracomment>
        <translation>„%1“ hat keine Übungen; es wurde als leerer Zirkel importiert</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 exercises of 0 seconds were left out</source>
        <extracomment>%1 is a workout&apos;s name, %2 how many of its exercises last 0 seconds.</extracomment>
        <translation>„%1“: %2 Übungen von 0 Sekunden wurden weggelassen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses Feeel exercise %2, whose name this program does not know; it was imported as &quot;%3&quot;</source>
        <extracomment>%1 is a workout&apos;s name, %2 Feeel&apos;s number of an exercise, %3 the name it was given.</extracomment>
        <translation>„%1“ verwendet die Feeel-Übung %2, deren Namen dieses Programm nicht kennt; sie wurde als „%3“ importiert</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: times that were not whole seconds were rounded to whole seconds</source>
        <extracomment>%1 is a workout&apos;s name.</extracomment>
        <translation>„%1“: Zeiten, die keine ganzen Sekunden waren, wurden auf ganze Sekunden gerundet</translation>
    </message>
    <message>
        <source>Imported from %1, an export of %2:</source>
        <translation>Importiert aus %1, einem Export von %2:</translation>
    </message>
    <message>
        <source>Imported from %1:</source>
        <translation>Importiert aus %1:</translation>
    </message>
    <message>
        <source>Added the circuit &quot;%1&quot;.</source>
        <translation>Zirkel „%1“ hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more circuits.</source>
        <translation>
            <numerusform>... und %n weiterer Zirkel.</numerusform>
            <numerusform>... und %n weitere Zirkel.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added the exercise &quot;%1&quot; to the library.</source>
        <translation>Übung „%1“ zur Bibliothek hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more exercises.</source>
        <translation>
            <numerusform>... und %n weitere Übung.</numerusform>
            <numerusform>... und %n weitere Übungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The library is full: &quot;%1&quot; was not added, and the circuits name it still.</source>
        <translation>Die Bibliothek ist voll: „%1“ wurde nicht hinzugefügt, die Zirkel nennen die Übung aber weiterhin.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more exercises were not added.</source>
        <translation>
            <numerusform>... und %n weitere Übung wurde nicht hinzugefügt.</numerusform>
            <numerusform>... und %n weitere Übungen wurden nicht hinzugefügt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>Stridewell is already running in %1. Use the window that is open; this copy ends without changing anything.</source>
        <extracomment>%1 is the data folder&apos;s path, ending in &quot;/&quot;.</extracomment>
        <translation>Stridewell läuft bereits in %1. Verwende das offene Fenster; diese Instanz wird beendet, ohne etwas zu ändern.</translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Schreibfehler auf dem Datenträger</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Lesefehler auf dem Datenträger</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Ungültige Zahl</translation>
    </message>
</context>
<context>
    <name>RunOptionsMenu</name>
    <message>
        <source>Speak exercise names</source>
        <extracomment>A run option on the runner&apos;s context menu: the exercises&apos; names are spoken.</extracomment>
        <translation>Übungsnamen ansagen</translation>
    </message>
    <message>
        <source>Count down the last three seconds</source>
        <extracomment>A run option: a tick sounds at 3, 2 and 1 seconds left.</extracomment>
        <translation>Letzte drei Sekunden herunterzählen</translation>
    </message>
    <message>
        <source>Keep the screen awake during a run</source>
        <extracomment>A run option: the screen saver is held off while a circuit runs.</extracomment>
        <translation>Bildschirm während eines Durchlaufs wach halten</translation>
    </message>
    <message>
        <source>Chime</source>
        <extracomment>A cue sound on the run options&apos; Sound submenu: the designed two-note chime.</extracomment>
        <translation>Glockenspiel</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A cue sound on the Sound submenu: one struck bell.</extracomment>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Double beep</source>
        <extracomment>A cue sound on the Sound submenu: two short electronic beeps, as of a sports watch.</extracomment>
        <translation>Doppelpiep</translation>
    </message>
    <message>
        <source>Gong</source>
        <extracomment>A cue sound on the Sound submenu: a low gong.</extracomment>
        <translation>Gong</translation>
    </message>
    <message>
        <source>Big clock on the other screen</source>
        <extracomment>A run option: with two screens or more (a projector, a television), the big clock (F11) fills a screen the main window is not on.</extracomment>
        <translation>Große Uhr auf dem anderen Bildschirm</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>A submenu of the run options: the sound played at every change of phase.</extracomment>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>A submenu of the run options: how loud the cue, the countdown and the voice are.</extracomment>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A volume on the Volume submenu, in percent of the designed loudness (%1 is 10 to 100).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Count each interval exactly</source>
        <extracomment>A run option: an interval of 30 seconds lasts exactly 30 seconds, its clock showing 30 down to 1, instead of also showing 0 for a second.</extracomment>
        <translation>Jedes Intervall genau zählen</translation>
    </message>
</context>
<context>
    <name>RunWords</name>
    <message>
        <source>This circuit has no exercises</source>
        <extracomment>The runner&apos;s status label, after Start on a circuit without exercises.</extracomment>
        <translation>Dieser Zirkel hat keine Übungen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>The runner&apos;s status label while a run is paused. Large type on one line: keep it short.</extracomment>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Finished</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label once the circuit has run to its end. Keep it short.</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during the warm-up phase. Keep it short.</extracomment>
        <translation>Aufwärmen</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during the cool-down phase. Keep it short.</extracomment>
        <translation>Abwärmen</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during a rest; %1 is the exercise due next. Large type on one line of about 480 pixels with the name: keep it short.</extracomment>
        <translation>Nächste: %1</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during an exercise; %1 is the exercise. Large type on one line of about 480 pixels with the name: keep it short.</extracomment>
        <translation>Jetzt: %1</translation>
    </message>
    <message>
        <source>Now: %1 x %2</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during a repetition exercise: %1 repetitions of the exercise %2 (&quot;Now: 15 x Push-Up&quot;). Large type on one line: keep it short.</extracomment>
        <translation>Jetzt: %1 x %2</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as the warm-up begins.</extracomment>
        <translation>Aufwärmen</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as the cool-down begins.</extracomment>
        <translation>Abwärmen</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as a rest begins; %1 is the exercise due next.</extracomment>
        <translation>Als Nächstes: %1</translation>
    </message>
    <message>
        <source>Next: %1 %2</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as a rest begins: %1 repetitions of the exercise %2 come next (&quot;Next: 15 Push-Up&quot;).</extracomment>
        <translation>Als Nächstes: %1 %2</translation>
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
        <translation>Seite wechseln</translation>
    </message>
    <message>
        <source>Circuit finished</source>
        <extracomment>Spoken aloud as the circuit ends.</extracomment>
        <translation>Zirkel beendet</translation>
    </message>
    <message>
        <source>Round %1 of %2. %3</source>
        <extracomment>Spoken aloud as round %1 of %2 begins; %3 is the phrase of the phase that begins with it, e.g. &quot;Next: Squat&quot;.</extracomment>
        <translation>Runde %1 von %2. %3</translation>
    </message>
    <message>
        <source>%1 left · %2 / %3 · round %4 / %5</source>
        <extracomment>Below the runner&apos;s clock: %1 the circuit&apos;s time left (&quot;12:34&quot;), at exercise %2 of %3, in round %4 of %5. The line is 160 pixels wide in 11-pixel type: abbreviate rather than lengthen.</extracomment>
        <translation>noch %1 · %2 / %3 · Runde %4 / %5</translation>
    </message>
    <message>
        <source>%1 left · %2 / %3</source>
        <extracomment>Below the runner&apos;s clock: %1 the circuit&apos;s time left (&quot;12:34&quot;), at exercise %2 of %3. The line is 160 pixels wide in 11-pixel type.</extracomment>
        <translation>noch %1 · %2 / %3</translation>
    </message>
    <message>
        <source>Your training history could not be saved (%1). The run goes on, but it will be missing from the history.</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;No space left on device&quot;.</extracomment>
        <translation>Dein Trainingsverlauf konnte nicht gespeichert werden (%1). Der Durchlauf geht weiter, fehlt aber im Trainingsverlauf.</translation>
    </message>
    <message>
        <source>en</source>
        <comment>espeak-ng voice</comment>
        <extracomment>Not shown: the espeak-ng voice that speaks this translation, as its language code: de, fr, es, it, pt-br, nl, pl, ...</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>Last exercise</source>
        <extracomment>On the big clock, in small type under the status during the last exercise of the circuit, where &quot;Next: %1&quot; names the exercise that follows the others.</extracomment>
        <translation>Letzte Übung</translation>
    </message>
</context>
<context>
    <name>ShareButton</name>
    <message>
        <source>Share</source>
        <extracomment>Button 145 pixels wide with a menu: send, take in or print circuits.</extracomment>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Export circuit...</source>
        <extracomment>Menu entry: writes the circuit with its exercises to one file.</extracomment>
        <translation>Zirkel exportieren...</translation>
    </message>
    <message>
        <source>Import...</source>
        <extracomment>Menu entry: adds the circuits of a file (also other timers&apos; exports).</extracomment>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Print circuit...</source>
        <extracomment>Menu entry: prints the circuit card, or saves it as a PDF.</extracomment>
        <translation>Zirkel drucken...</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Stridewell cannot use the data folder: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Stridewell kann den Datenordner nicht verwenden: %1</translation>
    </message>
    <message>
        <source>Stridewell cannot use the data folder %1: %2</source>
        <extracomment>%1 is the folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Stridewell kann den Datenordner %1 nicht verwenden: %2</translation>
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
        <translation>Wir übernehmen keine 
Haftung für Verletzungen, 
die durch die Nutzung 
dieses Programms 
entstehen. Wenn du nicht 
weißt, wie eine Übung geht, 
versuche sie erst, wenn 
sie dir gezeigt wurde.

Wärme dich außerdem vor 
jedem Zirkel 
ausreichend auf.</translation>
    </message>
    <message>
        <source>Exercising</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>Start Stridewell Now</source>
        <translation>Stridewell jetzt starten</translation>
    </message>
    <message>
        <source>Check for new Circuits</source>
        <translation>Neue Zirkel suchen</translation>
    </message>
    <message>
        <source>Check for new Exercises</source>
        <translation>Neue Übungen suchen</translation>
    </message>
    <message>
        <source>Launch Kinoradex</source>
        <translation>Kinoradex öffnen</translation>
    </message>
    <message>
        <source>Your training history</source>
        <translation>Dein Trainingsverlauf</translation>
    </message>
    <message>
        <source>Close Stridewell</source>
        <extracomment>What a screen reader says of the launcher&apos;s close mark, a small cross in its corner.</extracomment>
        <translation>Stridewell schließen</translation>
    </message>
</context>
<context>
    <name>Tform_Main</name>
    <message>
        <source>Information About The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Informationen zum ausgewählten Zirkel</translation>
    </message>
    <message>
        <source>Start The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Ausgewählten Zirkel starten</translation>
    </message>
    <message>
        <source>Create A New Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Neuen Zirkel anlegen</translation>
    </message>
    <message>
        <source>Delete The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Ausgewählten Zirkel löschen</translation>
    </message>
    <message>
        <source>Modify Exercises</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar: opens the exercise library.</extracomment>
        <translation>Übungen bearbeiten</translation>
    </message>
    <message>
        <source>Available Circuits</source>
        <extracomment>Heading over the list of the user&apos;s circuits.</extracomment>
        <translation>Verfügbare Zirkel</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <extracomment>Column title over the circuits&apos; names, in a box 154 pixels wide (bold).</extracomment>
        <translation>Zirkelname</translation>
    </message>
    <message>
        <source>Circuit Type</source>
        <extracomment>Column title over the circuits&apos; kinds (Upper Body, Legs...), 152 pixels wide (bold).</extracomment>
        <translation>Zirkeltyp</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Column title over each circuit&apos;s number of exercises, 152 pixels wide (bold).</extracomment>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Circuit Time</source>
        <extracomment>Column title over each circuit&apos;s planned time, 120 pixels wide (bold).</extracomment>
        <translation>Zirkeldauer</translation>
    </message>
    <message>
        <source>Circuit must be stopped before clicking here</source>
        <extracomment>A click on a bar button while a circuit is being run.</extracomment>
        <translation>Halte den Zirkel an, bevor du hier klickst</translation>
    </message>
    <message>
        <source>This will delete the circuit and is not undoable. Continue?</source>
        <translation>Der Zirkel wird gelöscht; das lässt sich nicht rückgängig machen. Fortfahren?</translation>
    </message>
    <message>
        <source>Circuit: %1</source>
        <extracomment>Second line of the removal question; %1 is the circuit&apos;s name as the grid shows it.</extracomment>
        <translation>Zirkel: %1</translation>
    </message>
    <message>
        <source>A circuit is running. Stop it and quit?</source>
        <extracomment>Asked with Yes and No when the main window is closed while a circuit runs.</extracomment>
        <translation>Ein Zirkel läuft. Anhalten und beenden?</translation>
    </message>
</context>
<context>
    <name>Tframe_ExerciseStart</name>
    <message>
        <source>Description Of Exercise</source>
        <extracomment>Tool tip of the exercise picture before a circuit is loaded; once loaded it shows the exercise&apos;s own description.</extracomment>
        <translation>Beschreibung der Übung</translation>
    </message>
    <message>
        <source>Click here for instructions on the exercise (Will pause your circuit)</source>
        <extracomment>A link below the runner, one line of 332 pixels in small type: keep it short.</extracomment>
        <translation>Klick hier für eine Anleitung zur Übung (hält deinen Zirkel an)</translation>
    </message>
    <message>
        <source>Your Circuit</source>
        <extracomment>The runner&apos;s title strip.</extracomment>
        <translation>Dein Zirkel</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>The phase the clock counts, beside &quot;Rest&quot; in a picture of 200 pixels: about 95 pixels of bold text.</extracomment>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The phase the clock counts, beside &quot;Exercise&quot;: about 90 pixels of bold text.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Start the circuit</source>
        <extracomment>What a screen reader says of the runner&apos;s Start picture button.</extracomment>
        <translation>Zirkel starten</translation>
    </message>
    <message>
        <source>Stop the circuit</source>
        <extracomment>What a screen reader says of the runner&apos;s Stop picture button; Start goes on from there.</extracomment>
        <translation>Zirkel anhalten</translation>
    </message>
</context>
<context>
    <name>Tfrm_CircuitEdit</name>
    <message>
        <source>Circuit Modifier</source>
        <extracomment>Title of the circuit editor, in a strip across the frame.</extracomment>
        <translation>Zirkel bearbeiten</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <extracomment>Caption above the name field, 145 pixels wide.</extracomment>
        <translation>Zirkelname</translation>
    </message>
    <message>
        <source>Circuit Type</source>
        <extracomment>Caption above the type list, 145 pixels wide.</extracomment>
        <translation>Zirkeltyp</translation>
    </message>
    <message>
        <source>Exercise Interval</source>
        <extracomment>Caption above a field of seconds, 145 pixels wide.</extracomment>
        <translation>Übungszeit</translation>
    </message>
    <message>
        <source>Rest Interval</source>
        <extracomment>Caption above a field of seconds, 145 pixels wide.</extracomment>
        <translation>Pausenzeit</translation>
    </message>
    <message>
        <source>Rounds and times...</source>
        <extracomment>Button 145 pixels wide that opens the circuit plan.</extracomment>
        <translation>Runden und Zeiten...</translation>
    </message>
    <message>
        <source>Circuits Exercises</source>
        <extracomment>Title of the group 241 pixels wide that holds the circuit&apos;s exercises.</extracomment>
        <translation>Übungen im Zirkel</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Tool tip: adds the exercise chosen in the list to the circuit.</extracomment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <extracomment>Tool tip: moves the selected exercise one place up in the circuit.</extracomment>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <extracomment>Tool tip: moves the selected exercise one place down in the circuit.</extracomment>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Tool tip: removes the selected exercise from the circuit.</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Exercise to add</source>
        <extracomment>Read out by screen readers for the list of exercises to add to the circuit.</extracomment>
        <translation>Hinzuzufügende Übung</translation>
    </message>
</context>
<context>
    <name>Tfrm_CircuitInfo</name>
    <message>
        <source>Circuit Information</source>
        <extracomment>Title of the circuit information panel, in a strip across it.</extracomment>
        <translation>Zirkelinformationen</translation>
    </message>
    <message>
        <source>Circuit Name:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Zirkelname:</translation>
    </message>
    <message>
        <source>Circuit Type:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Zirkeltyp:</translation>
    </message>
    <message>
        <source>Exercises:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Übungen:</translation>
    </message>
    <message>
        <source>Total Circuit Time:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Gesamtdauer:</translation>
    </message>
    <message>
        <source>Rest Interval:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Pausenzeit:</translation>
    </message>
    <message>
        <source>Exercise Interval:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Übungszeit:</translation>
    </message>
    <message>
        <source>Click here for more information on the selected exercise.</source>
        <extracomment>A link 283 pixels wide that opens the exercise&apos;s page in the browser.</extracomment>
        <translation>Klick hier für mehr Infos zur ausgewählten Übung.</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Read out by screen readers for the list of the shown circuit&apos;s exercises.</extracomment>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Exercise description</source>
        <extracomment>Read out by screen readers for the description of the selected exercise.</extracomment>
        <translation>Beschreibung der Übung</translation>
    </message>
</context>
<context>
    <name>Tfrm_ExerciseFrame</name>
    <message>
        <source>Exercise Editor</source>
        <extracomment>Title of the exercise library editor, in a strip across the frame.</extracomment>
        <translation>Übungen bearbeiten</translation>
    </message>
    <message>
        <source>Exercise Name</source>
        <extracomment>Column head of the exercise grid, 152 pixels wide in a large bold font.
----------
Caption above the name field, 193 pixels wide.</extracomment>
        <translation>Übungsname</translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>Column head of the exercise grid, 104 pixels wide in a large bold font.</extracomment>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Exercise Description</source>
        <extracomment>Column head of the exercise grid, over the rest of the width.
----------
Caption above the description field.</extracomment>
        <translation>Übungsbeschreibung</translation>
    </message>
    <message>
        <source>Exercise Type</source>
        <extracomment>Caption above the type list, 145 pixels wide.</extracomment>
        <translation>Übungstyp</translation>
    </message>
    <message>
        <source>Save the exercise library</source>
        <extracomment>Tool tip of the save picture.</extracomment>
        <translation>Übungsbibliothek speichern</translation>
    </message>
    <message>
        <source>Add a new exercise</source>
        <extracomment>Tool tip of the new exercise picture.</extracomment>
        <translation>Neue Übung hinzufügen</translation>
    </message>
    <message>
        <source>Delete the selected exercise</source>
        <extracomment>Tool tip of the delete picture.</extracomment>
        <translation>Ausgewählte Übung löschen</translation>
    </message>
    <message>
        <source>Exercise library</source>
        <extracomment>Read out by screen readers for the grid of every exercise in the library.</extracomment>
        <translation>Übungsbibliothek</translation>
    </message>
</context>
<context>
    <name>UnreadableCircuits</name>
    <message>
        <source>This circuit file could not be read and is not listed:</source>
        <extracomment>Followed by the file&apos;s path and the reason, on a line of their own.</extracomment>
        <translation>Diese Zirkeldatei konnte nicht gelesen werden und wird nicht aufgeführt:</translation>
    </message>
    <message>
        <source>These circuit files could not be read and are not listed:</source>
        <translation>Diese Zirkeldateien konnten nicht gelesen werden und werden nicht aufgeführt:</translation>
    </message>
</context>
<context>
    <name>UpdateMessages</name>
    <message>
        <source>The download module could not be loaded</source>
        <translation>Das Download-Modul konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>The server name %1 is unknown</source>
        <extracomment>%1 is the server&apos;s host name.</extracomment>
        <translation>Der Servername %1 ist unbekannt</translation>
    </message>
    <message>
        <source>No connection to %1</source>
        <extracomment>%1 is the server&apos;s host and port: &quot;localhost:80&quot;.</extracomment>
        <translation>Keine Verbindung zu %1</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>Der Server hat die Verbindung ohne Antwort geschlossen</translation>
    </message>
    <message>
        <source>The connection was lost</source>
        <translation>Die Verbindung wurde unterbrochen</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <extracomment>%1 is the HTTP status code: &quot;404&quot;.</extracomment>
        <translation>Der Server antwortete mit %1</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>Die Antwort des Servers konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The server&apos;s answer did not give its length</source>
        <translation>Die Antwort des Servers enthielt keine Längenangabe</translation>
    </message>
    <message>
        <source>The server&apos;s answer was cut short</source>
        <translation>Die Antwort des Servers war unvollständig</translation>
    </message>
    <message>
        <source>The server&apos;s answer was empty</source>
        <translation>Die Antwort des Servers war leer</translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large</source>
        <translation>Die Antwort des Servers war zu groß</translation>
    </message>
    <message>
        <source>The server sent the program to another address</source>
        <translation>Der Server hat das Programm an eine andere Adresse verwiesen</translation>
    </message>
    <message>
        <source>The server redirected the program too often</source>
        <translation>Der Server hat das Programm zu oft umgeleitet</translation>
    </message>
    <message>
        <source>The server&apos;s answer %1</source>
        <extracomment>%1 says what was wrong with the answer: &quot;is empty&quot;.</extracomment>
        <translation>Die Antwort des Servers %1</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <extracomment>%1 is the path of a file.</extracomment>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The download was stopped</source>
        <translation>Der Download wurde abgebrochen</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Der Download ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 Exercises Added. The exercise library is full (%2 exercises)</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 Übungen hinzugefügt. Die Übungsbibliothek ist voll (%2 Übungen)</translation>
    </message>
    <message>
        <source>%1 Exercises Added</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 Übungen hinzugefügt</translation>
    </message>
    <message>
        <source>No new exercises available at this time</source>
        <translation>Zurzeit keine neuen Übungen verfügbar</translation>
    </message>
    <message>
        <source>No new circuits available at this time</source>
        <translation>Zurzeit keine neuen Zirkel verfügbar</translation>
    </message>
    <message>
        <source>New exercise file was refused: the server&apos;s answer %1</source>
        <translation>Neue Übungsdatei abgelehnt: Die Antwort des Servers %1</translation>
    </message>
    <message>
        <source>New exercise file could not be found
%1</source>
        <translation>Neue Übungsdatei wurde nicht gefunden
%1</translation>
    </message>
    <message>
        <source>New circuit file was refused: the server&apos;s answer %1</source>
        <translation>Neue Zirkeldatei abgelehnt: Die Antwort des Servers %1</translation>
    </message>
    <message>
        <source>New circuit file could not be found
%1</source>
        <translation>Neue Zirkeldatei wurde nicht gefunden
%1</translation>
    </message>
    <message>
        <source>%1 Circuits Added</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 Zirkel hinzugefügt</translation>
    </message>
    <message>
        <source>Circuit %1 was refused: the server&apos;s answer %2</source>
        <translation>Zirkel %1 abgelehnt: Die Antwort des Servers %2</translation>
    </message>
    <message>
        <source>Circuit %1 could not be downloaded
%2</source>
        <extracomment>%1 is the circuit file&apos;s name, %2 the reason on a line of its own.</extracomment>
        <translation>Zirkel %1 konnte nicht heruntergeladen werden
%2</translation>
    </message>
    <message>
        <source>is empty</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>holds NUL bytes</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;; NUL is the name of a byte value.</extracomment>
        <translation>enthält NUL-Bytes</translation>
    </message>
    <message>
        <source>is a web page</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>ist eine Webseite</translation>
    </message>
    <message>
        <source>has no circuit name</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>hat keinen Zirkelnamen</translation>
    </message>
    <message>
        <source>has no intervals</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>hat keine Intervalle</translation>
    </message>
    <message>
        <source>has no exercises</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>hat keine Übungen</translation>
    </message>
    <message>
        <source>has a bad key on line %1: %2</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;; %1 is a line number, %2 what is wrong with the key.</extracomment>
        <translation>hat einen fehlerhaften Schlüssel in Zeile %1: %2</translation>
    </message>
</context>
</TS>
