<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BigClockWindow</name>
    <message>
        <source>Warm-up</source>
        <extracomment>The big clock&apos;s phase word, drawn large before the status: keep it short.</extracomment>
        <translation>Calentamiento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>The big clock&apos;s phase word, drawn large before the status: keep it short.</extracomment>
        <translation>Vuelta a la calma</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The big clock&apos;s phase word during a rest: keep it short.</extracomment>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>The big clock&apos;s phase word during an exercise: keep it short.</extracomment>
        <translation>Ejercicio</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>No web browser could be started. The page&apos;s address is:</source>
        <extracomment>Followed by the page&apos;s address on a line of its own, for the user to copy.</extracomment>
        <translation>No se pudo abrir ningún navegador web. La dirección de la página es:</translation>
    </message>
</context>
<context>
    <name>CircuitCardWords</name>
    <message>
        <source>Planned time</source>
        <extracomment>Printed circuit card: above the circuit&apos;s planned time, top right.</extracomment>
        <translation>Tiempo previsto</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Printed circuit card: the number of exercises, followed by the count.</extracomment>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Rounds</source>
        <extracomment>Printed circuit card: the number of rounds, followed by the count.</extracomment>
        <translation>Rondas</translation>
    </message>
    <message>
        <source>Rest between rounds</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Descanso entre rondas</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Calentamiento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Vuelta a la calma</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>Column title of the printed circuit card: the exercise&apos;s name.</extracomment>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>Column title of the printed circuit card: the time of work; a narrow column.</extracomment>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Rest before</source>
        <extracomment>Column title of the printed circuit card: the rest before the exercise; a narrow column.</extracomment>
        <translation>Descanso previo</translation>
    </message>
    <message>
        <source>Reps</source>
        <extracomment>Column title of the printed circuit card: repetitions; a narrow column.</extracomment>
        <translation>Rep.</translation>
    </message>
    <message>
        <source>Sides</source>
        <extracomment>Column title of the printed circuit card: 1, or 2 for left then right; a narrow column.</extracomment>
        <translation>Lados</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>Column title of the printed circuit card: the exercise&apos;s description.</extracomment>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>This circuit has no exercises.</source>
        <extracomment>Printed circuit card, in place of the table of a circuit without exercises.</extracomment>
        <translation>Este circuito no tiene ejercicios.</translation>
    </message>
    <message>
        <source>Printing is not available: the print module of this installation is missing or belongs to another version of the program.</source>
        <translation>No se puede imprimir: el módulo de impresión de esta instalación falta o pertenece a otra versión del programa.</translation>
    </message>
    <message>
        <source>The circuit card could not be printed.</source>
        <translation>No se pudo imprimir la ficha del circuito.</translation>
    </message>
</context>
<context>
    <name>CircuitPlanDialog</name>
    <message>
        <source>None</source>
        <extracomment>A field of seconds set to nothing: no rest between rounds, no warm-up, no cool-down.</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>The circuit&apos;s value</source>
        <extracomment>Tool tip of a grey cell that shows the circuit&apos;s own time or count.</extracomment>
        <translation>Valor del circuito</translation>
    </message>
    <message>
        <source>Circuit plan</source>
        <extracomment>Title of the dialog of rounds, warm-up, cool-down and each exercise&apos;s times.</extracomment>
        <translation>Plan del circuito</translation>
    </message>
    <message>
        <source>Rounds</source>
        <extracomment>Caption of the field of the number of rounds.</extracomment>
        <translation>Rondas</translation>
    </message>
    <message>
        <source>Rest between rounds</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Descanso entre rondas</translation>
    </message>
    <message>
        <source>None: rounds 2 and on begin with the first exercise&apos;s own rest.</source>
        <extracomment>Read out by screen readers for the field of rest between rounds.</extracomment>
        <translation>Ninguno: a partir de la ronda 2, cada ronda empieza con el descanso propio del primer ejercicio.</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Calentamiento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Vuelta a la calma</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Unit after the number in a field of seconds, with its leading space.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Times are in seconds. An empty cell takes the circuit&apos;s value, shown in grey.</source>
        <translation>Los tiempos están en segundos. Una celda vacía toma el valor del circuito, que se muestra en gris.</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Read out by screen readers for the table of the circuit&apos;s exercises.</extracomment>
        <translation>Ejercicios</translation>
    </message>
</context>
<context>
    <name>CircuitSharing</name>
    <message>
        <source>Export circuit</source>
        <translation>Exportar circuito</translation>
    </message>
    <message>
        <source>Stridewell circuits (*.stridewell);;All files (*)</source>
        <extracomment>File types of the save dialog; keep &quot;(*.stridewell)&quot;, &quot;(*)&quot; and &quot;;;&quot;.</extracomment>
        <translation>Circuitos de Stridewell (*.stridewell);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import circuits</source>
        <translation>Importar circuitos</translation>
    </message>
    <message>
        <source>Circuits and other timers&apos; exports (*.stridewell *.json *.feeel *.txt);;All files (*)</source>
        <extracomment>File types of the open dialog; keep the patterns in brackets and &quot;;;&quot;.</extracomment>
        <translation>Circuitos y exportaciones de otros temporizadores (*.stridewell *.json *.feeel *.txt);;Todos los archivos (*)</translation>
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
        <translation>Uso: stridewell [OPCIÓN]...
Un temporizador para entrenamiento en circuito: guarda una biblioteca de
ejercicios, crea circuitos con ellos y hace la cuenta atrás de cada circuito
con un aviso en cada cambio.

      --data-dir=DIR  guarda la biblioteca de ejercicios y los circuitos en DIR
      --plan=FILE     muestra las fases de un archivo de circuito y su tiempo
                      previsto en segundos, una por línea, y termina
      --lang=CODE     usa este idioma (de, fr, es, it, pt_BR, nl, pl;
                      en para inglés) en vez del idioma del escritorio
      --help          muestra esta ayuda y termina
      --version       muestra la información de la versión y termina

Sin --data-dir, los datos se guardan junto al programa si este puede escribir
allí; si no, en $XDG_DATA_HOME/stridewell (~/.local/share/stridewell),
que se crea y se llena con ejercicios y circuitos de inicio la primera vez.
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
Con qué se abre el programa, en la copia que ya se ejecuta con la carpeta de
datos si la hay:
      --run=NOMBRE    iniciar el circuito con ese nombre
      --run-last      iniciar el último circuito
      --history       abrir el historial
      FILE            importar FILE y mostrar lo que añadió

Sin pantalla, una línea en stdout por cada cosa hecha:
      --export NOMBRE FILE  escribir el circuito NOMBRE y sus ejercicios en
                          FILE
      --import FILE       añadir los circuitos (y ejercicios) de FILE:
                          un .stridewell o la exportación de otro temporizador
      --print NOMBRE FILE   escribir la ficha del circuito NOMBRE en FILE (PDF)
</translation>
    </message>
</context>
<context>
    <name>DBusScreenAwake</name>
    <message>
        <source>A circuit is running</source>
        <extracomment>Why the screen saver is held off, as the desktop may list it.</extracomment>
        <translation>Hay un circuito en marcha</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The &amp; marks the key that answers with it (Alt+Y).</extracomment>
        <translation>&amp;Sí</translation>
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
        <translation>El circuito necesita un nombre antes de modificarlo.</translation>
    </message>
    <message>
        <source>A circuit name cannot be made of dots only.</source>
        <translation>El nombre de un circuito no puede estar formado solo por puntos.</translation>
    </message>
    <message>
        <source>A circuit name cannot contain control characters such as tabs.</source>
        <translation>El nombre de un circuito no puede contener caracteres de control, como tabulaciones.</translation>
    </message>
    <message>
        <source>A circuit name cannot contain the character %1. Leave out / \ &lt; &gt; : &quot; | ? and *.</source>
        <extracomment>%1 is one of the characters the sentence lists after it.</extracomment>
        <translation>El nombre de un circuito no puede contener el carácter %1. Evita / \ &lt; &gt; : &quot; | ? y *.</translation>
    </message>
    <message>
        <source>Another circuit is already stored as &quot;%1&quot;. Choose another name before modifying this circuit.</source>
        <extracomment>%1 is a circuit&apos;s name.</extracomment>
        <translation>Ya hay otro circuito guardado como «%1». Elige otro nombre antes de modificar este circuito.</translation>
    </message>
    <message>
        <source>The circuit keeps its name &quot;%1&quot;.</source>
        <extracomment>Follows the reason a new name was refused. %1 is the circuit&apos;s name.</extracomment>
        <translation>El circuito conserva su nombre «%1».</translation>
    </message>
    <message>
        <source>Create a circuit or open one before modifying it.</source>
        <translation>Crea un circuito o abre uno antes de modificarlo.</translation>
    </message>
    <message>
        <source>Choose a circuit type before modifying this circuit.</source>
        <translation>Elige un tipo de circuito antes de modificar este circuito.</translation>
    </message>
    <message>
        <source>A circuit holds at most %1 exercises. Remove one before adding another.</source>
        <translation>Un circuito puede tener como máximo %1 ejercicios. Quita uno antes de añadir otro.</translation>
    </message>
    <message>
        <source>An exercise name cannot hold a tab character.</source>
        <translation>El nombre de un ejercicio no puede contener un carácter de tabulación.</translation>
    </message>
    <message>
        <source>The exercise library is full: it holds %1 exercises. Delete an exercise before adding a new one.</source>
        <translation>La biblioteca de ejercicios está llena: contiene %1 ejercicios. Elimina un ejercicio antes de añadir uno nuevo.</translation>
    </message>
    <message>
        <source>exercises.lst holds more exercises than the library can take. Only the first %1 exercises were loaded.</source>
        <extracomment>exercises.lst is a file name and stays as it is.</extracomment>
        <translation>exercises.lst contiene más ejercicios de los que admite la biblioteca. Solo se cargaron los primeros %1 ejercicios.</translation>
    </message>
    <message numerus="yes">
        <source>%n circuit uses &quot;%1&quot;. Rename it to &quot;%2&quot; in that circuit too?</source>
        <extracomment>A question with Yes and No. %1 is the exercise&apos;s old name, %2 the new one.</extracomment>
        <translation>
            <numerusform>%n circuito usa «%1». ¿Cambiar también su nombre a «%2» en ese circuito?</numerusform>
            <numerusform>%n circuitos usan «%1». ¿Cambiar también su nombre a «%2» en esos circuitos?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n circuits use &quot;%1&quot;. Rename it to &quot;%2&quot; in those circuits too?</source>
        <extracomment>A question with Yes and No. %1 is the exercise&apos;s old name, %2 the new one.</extracomment>
        <translation>
            <numerusform>%n circuito usa «%1». ¿Cambiar también su nombre a «%2» en ese circuito?</numerusform>
            <numerusform>%n circuitos usan «%1». ¿Cambiar también su nombre a «%2» en esos circuitos?</numerusform>
        </translation>
    </message>
    <message>
        <source>New Circuit</source>
        <extracomment>A new circuit&apos;s name, also its file name; a number follows when it is taken.</extracomment>
        <translation>Nuevo circuito</translation>
    </message>
    <message>
        <source>New Exercise</source>
        <extracomment>A new exercise&apos;s name in the exercise library.</extracomment>
        <translation>Nuevo ejercicio</translation>
    </message>
    <message>
        <source>Enter a description for your new exercise</source>
        <translation>Escribe una descripción para tu nuevo ejercicio</translation>
    </message>
    <message>
        <source>Upper Body</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Tren superior</translation>
    </message>
    <message>
        <source>Abdominal</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Abdominales</translation>
    </message>
    <message>
        <source>Lower Body</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Tren inferior</translation>
    </message>
    <message>
        <source>Multiple Area Workout</source>
        <extracomment>The type of circuit that takes exercises of every type; in a list 145 pixels wide.</extracomment>
        <translation>Cuerpo completo</translation>
    </message>
    <message>
        <source>Circuit Name: %1</source>
        <extracomment>Information panel; %1 is the circuit&apos;s name. Keep the length.</extracomment>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>Circuit Type: %1</source>
        <extracomment>Information panel; %1 is the circuit&apos;s type as its file holds it. Keep the length.</extracomment>
        <translation>Tipo: %1</translation>
    </message>
    <message>
        <source>Exercises: %1</source>
        <extracomment>Information panel; %1 is a count. Keep the length.</extracomment>
        <translation>Ejercicios: %1</translation>
    </message>
    <message>
        <source>Total Circuit Time: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Tiempo total: %1</translation>
    </message>
    <message>
        <source>Exercise Interval: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Tiempo de ejercicio: %1</translation>
    </message>
    <message>
        <source>Rest Interval: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Tiempo de descanso: %1</translation>
    </message>
    <message>
        <source>Rounds: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a count.</extracomment>
        <translation>Rondas: %1</translation>
    </message>
    <message>
        <source>Rest Between Rounds: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Descanso entre rondas: %1</translation>
    </message>
    <message>
        <source>Warm-up: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Calentamiento: %1</translation>
    </message>
    <message>
        <source>Cool-down: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Vuelta a la calma: %1</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>Column title of the circuit plan: the exercise&apos;s name.</extracomment>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Rest before</source>
        <extracomment>Column title of the circuit plan: seconds of rest before the exercise.</extracomment>
        <translation>Descanso previo</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>Column title of the circuit plan: seconds of work.</extracomment>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Reps</source>
        <extracomment>Column title of the circuit plan: repetitions.</extracomment>
        <translation>Rep.</translation>
    </message>
    <message>
        <source>Sides</source>
        <extracomment>Column title of the circuit plan: 1 or 2 sides of the body, one after the other.</extracomment>
        <translation>Lados</translation>
    </message>
    <message>
        <source>Exercise &quot;%1&quot;, column &quot;%2&quot;: &quot;%3&quot; is not a whole number.</source>
        <extracomment>%1 is the exercise&apos;s name, %2 a column title, %3 the text typed into the cell.</extracomment>
        <translation>Ejercicio «%1», columna «%2»: «%3» no es un número entero.</translation>
    </message>
    <message>
        <source>Exercise &quot;%1&quot;, column &quot;%2&quot;: %3 is out of range.</source>
        <extracomment>%1 is the exercise&apos;s name, %2 a column title, %3 the number typed into the cell.</extracomment>
        <translation>Ejercicio «%1», columna «%2»: %3 está fuera de rango.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell to use the circuit&apos;s rest interval.</source>
        <translation>Escribe un número entero de %1 a %2, o vacía la celda para usar el tiempo de descanso del circuito.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell to use the circuit&apos;s exercise interval.</source>
        <translation>Escribe un número entero de %1 a %2, o vacía la celda para usar el tiempo de ejercicio del circuito.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell for a timed exercise.</source>
        <translation>Escribe un número entero de %1 a %2, o vacía la celda para un ejercicio por tiempo.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell for one side.</source>
        <translation>Escribe un número entero de %1 a %2, o vacía la celda para un solo lado.</translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Unexpected error</source>
        <extracomment>An error that came without a text of its own.</extracomment>
        <translation>Error inesperado</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>&quot;%1&quot; is not a key=value word</source>
        <extracomment>%1 is a word of a circuit file, as written; &quot;key=value&quot; is a technical term.</extracomment>
        <translation>«%1» no es una palabra clave=valor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <extracomment>%1 is a key of a circuit file (&quot;rounds&quot;), which stays English.</extracomment>
        <translation>«%1» aparece dos veces</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number from %2 to %3</source>
        <extracomment>%1 is a key of a circuit file (&quot;rounds&quot;), which stays English; %2 and %3 the range.</extracomment>
        <translation>«%1» debe ser un número de %2 a %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number, %3 what is wrong with a key there.</extracomment>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>The circuit &quot;%1&quot; lists %2 exercises, more than the %3 a circuit can hold, so it is not stored: its file stays as it is.</source>
        <extracomment>%1 is the circuit&apos;s name, %2 the exercises its file lists (more than %3).</extracomment>
        <translation>El circuito «%1» incluye %2 ejercicios, más de los %3 que puede tener un circuito, así que no se guarda: su archivo se queda como está.</translation>
    </message>
    <message>
        <source>The exercise &quot;%1&quot; has a tab character in its name, so its times cannot be stored with it. Rename it in the exercise library first.</source>
        <translation>El ejercicio «%1» tiene un tabulador en su nombre, así que sus tiempos no se pueden guardar con él. Cámbiale antes el nombre en la biblioteca de ejercicios.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <extracomment>%1 is the library file&apos;s path, %2 why it could not be read.</extracomment>
        <translation>No se pudo leer %1 (%2)</translation>
    </message>
    <message>
        <source>%1 holds more than %2 exercises, more than the library can take</source>
        <translation>%1 contiene más de %2 ejercicios, más de los que admite la biblioteca</translation>
    </message>
    <message>
        <source>The exercise library is not saved to %1: %2, and saving would replace what the file holds. The file stays as it is; mend it and start Stridewell again.</source>
        <extracomment>%1 is the library file&apos;s path; %2 says why the program does not hold all of it.</extracomment>
        <translation>La biblioteca de ejercicios no se guarda en %1: %2, y guardarla reemplazaría lo que contiene el archivo. El archivo se queda como está; corrígelo y vuelve a iniciar Stridewell.</translation>
    </message>
    <message>
        <source>The history cannot be exported over itself</source>
        <translation>El historial no se puede exportar sobre sí mismo</translation>
    </message>
    <message>
        <source>%1 is not a Stridewell circuit file</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 no es un archivo de circuito de Stridewell</translation>
    </message>
    <message>
        <source>%1 was written by a newer Stridewell (format %2)</source>
        <extracomment>%1 is a file&apos;s path, %2 the number of its format.</extracomment>
        <translation>%1 lo escribió una versión más reciente de Stridewell (formato %2)</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 está incompleto</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB</source>
        <extracomment>%1 is a file&apos;s path, %2 a size in mebibytes.</extracomment>
        <translation>%1 ocupa más de %2 MiB</translation>
    </message>
    <message>
        <source>%1 is damaged at line %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1 está dañado en la línea %2</translation>
    </message>
    <message>
        <source>%1 is neither a Stridewell circuit nor an export of Just Another Workout Timer, OpenHIIT, Feeel or TimeR Machine</source>
        <extracomment>%1 is a file&apos;s path; the others are names of other interval timers.</extracomment>
        <translation>%1 no es un circuito de Stridewell ni una exportación de Just Another Workout Timer, OpenHIIT, Feeel o TimeR Machine</translation>
    </message>
    <message>
        <source>%1: the circuit name &quot;%2&quot; cannot be a file name</source>
        <extracomment>%1 is a file&apos;s path, %2 the name of a circuit it holds.</extracomment>
        <translation>%1: el nombre de circuito «%2» no puede ser un nombre de archivo</translation>
    </message>
    <message>
        <source>%1 holds no circuit that can be imported</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 no contiene ningún circuito que se pueda importar</translation>
    </message>
    <message>
        <source>%1 is one of Stridewell&apos;s own data files; choose another file</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 es uno de los archivos de datos de Stridewell; elige otro archivo</translation>
    </message>
    <message>
        <source>%1 cannot be imported: this installation lacks its import module</source>
        <extracomment>%1 is a file&apos;s path; the module is a part of the program&apos;s installation.</extracomment>
        <translation>%1 no se puede importar: a esta instalación le falta su módulo de importación</translation>
    </message>
</context>
<context>
    <name>FinishNotice</name>
    <message>
        <source>Trained for %1</source>
        <extracomment>The second line of the notice at a run&apos;s finish; %1 is the time run: &quot;12:34&quot;.</extracomment>
        <translation>Entrenado: %1</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>The notice&apos;s button that brings the window forward.</extracomment>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Minutes trained per week</source>
        <translation>Minutos entrenados por semana</translation>
    </message>
</context>
<context>
    <name>HistoryTableModel</name>
    <message>
        <source>Finished</source>
        <comment>outcome of a run</comment>
        <translation>Completada</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2</source>
        <extracomment>Outcome of a run: &quot;Stopped after 4 of 10&quot; exercises.</extracomment>
        <translation>Detenida tras %1 de %2</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column title: when the run started.</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>Time run</source>
        <extracomment>Column title over the run&apos;s minutes and seconds, about 70 pixels wide.</extracomment>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Finished</source>
        <comment>column title</comment>
        <extracomment>Column title over &quot;Finished&quot; or &quot;Stopped after 4 of 10&quot;.</extracomment>
        <translation>Resultado</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Your training history</source>
        <translation>Tu historial</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Leyendo el historial...</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Exportar como CSV...</translation>
    </message>
    <message>
        <source>This week</source>
        <extracomment>Caption of the box with the time trained since Monday, a third of the window wide.</extracomment>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>This month</source>
        <extracomment>Caption of the box with the time trained this calendar month.</extracomment>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>All time</source>
        <extracomment>Caption of the box with the time trained since the first run.</extracomment>
        <translation>En total</translation>
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
        <translation>1 sesión</translation>
    </message>
    <message numerus="yes">
        <source>%Ln runs</source>
        <extracomment>None, or two runs or more: &quot;0 runs&quot;, &quot;4 runs&quot;.</extracomment>
        <translation>
            <numerusform>%Ln sesión</numerusform>
            <numerusform>%Ln sesiones</numerusform>
        </translation>
    </message>
    <message>
        <source>This week</source>
        <comment>chart label</comment>
        <extracomment>Label under the chart&apos;s bar of the current week, about 45 pixels wide.</extracomment>
        <translation>Esta sem.</translation>
    </message>
    <message>
        <source>The history could not be read (%1).</source>
        <extracomment>%1 is the system&apos;s reason, as it gives it.</extracomment>
        <translation>No se pudo leer el historial (%1).</translation>
    </message>
    <message>
        <source>1 damaged line in the file was skipped.</source>
        <translation>Se omitió 1 línea dañada del archivo.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln damaged lines in the file were skipped.</source>
        <extracomment>Two lines or more.</extracomment>
        <translation>
            <numerusform>Se omitió %Ln línea dañada del archivo.</numerusform>
            <numerusform>Se omitieron %Ln líneas dañadas del archivo.</numerusform>
        </translation>
    </message>
    <message>
        <source>No runs yet.</source>
        <translation>Aún no hay sesiones.</translation>
    </message>
    <message>
        <source>Saved a copy as %1</source>
        <extracomment>%1 is the path of the CSV file just written.</extracomment>
        <translation>Copia guardada como %1</translation>
    </message>
    <message>
        <source>Export your training history</source>
        <translation>Exportar tu historial</translation>
    </message>
    <message>
        <source>training-history.csv</source>
        <extracomment>The suggested file name; keep &quot;.csv&quot;.</extracomment>
        <translation>historial-entrenamiento.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>File types of the save dialog; keep &quot;(*.csv)&quot;, &quot;(*)&quot; and &quot;;;&quot;.</extracomment>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Runs</source>
        <extracomment>Read out by screen readers for the table of every run, newest first.</extracomment>
        <translation>Sesiones</translation>
    </message>
</context>
<context>
    <name>ImportWords</name>
    <message>
        <source>%1 is not all UTF-8 text; it was read as Latin-1, so check the accented letters</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 no es todo texto UTF-8; se leyó como Latin-1, así que revisa las letras acentuadas</translation>
    </message>
    <message>
        <source>%1 holds no workouts</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 no contiene entrenamientos</translation>
    </message>
    <message>
        <source>Workout %1 of the file could not be read and was not imported</source>
        <extracomment>%1 is the place of a workout without a name in the file (1, 2, ...).</extracomment>
        <translation>El entrenamiento %1 del archivo no se pudo leer y no se importó</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read and was not imported</source>
        <extracomment>%1 is a workout&apos;s name.</extracomment>
        <translation>«%1» no se pudo leer y no se importó</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in TimeR Machine&apos;s trash and was not imported</source>
        <extracomment>%1 is a workout&apos;s name; TimeR Machine is another timer&apos;s name.</extracomment>
        <translation>«%1» está en la papelera de TimeR Machine y no se importó</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: it has %2 rounds, and a circuit has 1 to %3</source>
        <extracomment>%1 is a workout&apos;s name, %2 its rounds, %3 the most a circuit can have.</extracomment>
        <translation>«%1» no se importó: tiene %2 rondas, y un circuito tiene de 1 a %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: a time of %2 seconds is longer than the %3 seconds a circuit allows</source>
        <extracomment>%1 is a workout&apos;s name, %2 and %3 times in seconds.</extracomment>
        <translation>«%1» no se importó: un tiempo de %2 segundos supera los %3 segundos que permite un circuito</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: it has %2 exercises, more than the %3 a circuit can hold</source>
        <extracomment>%1 is a workout&apos;s name, %2 its exercises, %3 the most a circuit can hold.</extracomment>
        <translation>«%1» no se importó: tiene %2 ejercicios, más de los %3 que cabe en un circuito</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has parts with different rounds, so it became %2 circuits, &quot;%1 1&quot; to &quot;%1 %2&quot;</source>
        <extracomment>%1 is a workout&apos;s name, %2 how many circuits it became, named &quot;%1 1&quot; to &quot;%1 %2&quot;.</extracomment>
        <translation>«%1» tiene partes con distinto número de rondas, así que se convirtió en %2 circuitos, de «%1 1» a «%1 %2»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no exercises; it was imported as an empty circuit</source>
        <extracomment>%1 is a circuit&apos;s name.</extracomment>
        <translation>«%1» no tiene ejercicios; se importó como un circuito vacío</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 exercises of 0 seconds were left out</source>
        <extracomment>%1 is a workout&apos;s name, %2 how many of its exercises last 0 seconds.</extracomment>
        <translation>«%1»: se omitieron %2 ejercicios de 0 segundos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses Feeel exercise %2, whose name this program does not know; it was imported as &quot;%3&quot;</source>
        <extracomment>%1 is a workout&apos;s name, %2 Feeel&apos;s number of an exercise, %3 the name it was given.</extracomment>
        <translation>«%1» usa el ejercicio %2 de Feeel, cuyo nombre este programa no conoce; se importó como «%3»</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: times that were not whole seconds were rounded to whole seconds</source>
        <extracomment>%1 is a workout&apos;s name.</extracomment>
        <translation>«%1»: los tiempos que no eran segundos enteros se redondearon a segundos enteros</translation>
    </message>
    <message>
        <source>Imported from %1, an export of %2:</source>
        <translation>Importado de %1, una exportación de %2:</translation>
    </message>
    <message>
        <source>Imported from %1:</source>
        <translation>Importado de %1:</translation>
    </message>
    <message>
        <source>Added the circuit &quot;%1&quot;.</source>
        <translation>Circuito «%1» añadido.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more circuits.</source>
        <translation>
            <numerusform>... y %n circuito más.</numerusform>
            <numerusform>... y %n circuitos más.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added the exercise &quot;%1&quot; to the library.</source>
        <translation>Ejercicio «%1» añadido a la biblioteca.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more exercises.</source>
        <translation>
            <numerusform>... y %n ejercicio más.</numerusform>
            <numerusform>... y %n ejercicios más.</numerusform>
        </translation>
    </message>
    <message>
        <source>The library is full: &quot;%1&quot; was not added, and the circuits name it still.</source>
        <translation>La biblioteca está llena: «%1» no se añadió, y los circuitos lo siguen nombrando.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more exercises were not added.</source>
        <translation>
            <numerusform>... y %n ejercicio más no se añadió.</numerusform>
            <numerusform>... y %n ejercicios más no se añadieron.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>Stridewell is already running in %1. Use the window that is open; this copy ends without changing anything.</source>
        <extracomment>%1 is the data folder&apos;s path, ending in &quot;/&quot;.</extracomment>
        <translation>Stridewell ya se está ejecutando en %1. Usa la ventana que está abierta; esta copia se cierra sin cambiar nada.</translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Ruta no encontrada</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Error de escritura en el disco</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Error de lectura del disco</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Número no válido</translation>
    </message>
</context>
<context>
    <name>RunOptionsMenu</name>
    <message>
        <source>Speak exercise names</source>
        <extracomment>A run option on the runner&apos;s context menu: the exercises&apos; names are spoken.</extracomment>
        <translation>Decir los nombres de los ejercicios</translation>
    </message>
    <message>
        <source>Count down the last three seconds</source>
        <extracomment>A run option: a tick sounds at 3, 2 and 1 seconds left.</extracomment>
        <translation>Marcar los últimos tres segundos</translation>
    </message>
    <message>
        <source>Keep the screen awake during a run</source>
        <extracomment>A run option: the screen saver is held off while a circuit runs.</extracomment>
        <translation>Mantener la pantalla encendida durante la sesión</translation>
    </message>
    <message>
        <source>Chime</source>
        <extracomment>A cue sound on the run options&apos; Sound submenu: the designed two-note chime.</extracomment>
        <translation>Campanilla</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A cue sound on the Sound submenu: one struck bell.</extracomment>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Double beep</source>
        <extracomment>A cue sound on the Sound submenu: two short electronic beeps, as of a sports watch.</extracomment>
        <translation>Doble pitido</translation>
    </message>
    <message>
        <source>Gong</source>
        <extracomment>A cue sound on the Sound submenu: a low gong.</extracomment>
        <translation>Gong</translation>
    </message>
    <message>
        <source>Big clock on the other screen</source>
        <extracomment>A run option: with two screens or more (a projector, a television), the big clock (F11) fills a screen the main window is not on.</extracomment>
        <translation>Reloj grande en la otra pantalla</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>A submenu of the run options: the sound played at every change of phase.</extracomment>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>A submenu of the run options: how loud the cue, the countdown and the voice are.</extracomment>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A volume on the Volume submenu, in percent of the designed loudness (%1 is 10 to 100).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Count each interval exactly</source>
        <extracomment>A run option: an interval of 30 seconds lasts exactly 30 seconds, its clock showing 30 down to 1, instead of also showing 0 for a second.</extracomment>
        <translation>Contar cada intervalo con exactitud</translation>
    </message>
</context>
<context>
    <name>RunWords</name>
    <message>
        <source>This circuit has no exercises</source>
        <extracomment>The runner&apos;s status label, after Start on a circuit without exercises.</extracomment>
        <translation>Este circuito no tiene ejercicios</translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>The runner&apos;s status label while a run is paused. Large type on one line: keep it short.</extracomment>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Finished</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label once the circuit has run to its end. Keep it short.</extracomment>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during the warm-up phase. Keep it short.</extracomment>
        <translation>Calentamiento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during the cool-down phase. Keep it short.</extracomment>
        <translation>Vuelta a la calma</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during a rest; %1 is the exercise due next. Large type on one line of about 480 pixels with the name: keep it short.</extracomment>
        <translation>Sigue: %1</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during an exercise; %1 is the exercise. Large type on one line of about 480 pixels with the name: keep it short.</extracomment>
        <translation>Ahora: %1</translation>
    </message>
    <message>
        <source>Now: %1 x %2</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during a repetition exercise: %1 repetitions of the exercise %2 (&quot;Now: 15 x Push-Up&quot;). Large type on one line: keep it short.</extracomment>
        <translation>Ahora: %1 x %2</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as the warm-up begins.</extracomment>
        <translation>Calentamiento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as the cool-down begins.</extracomment>
        <translation>Vuelta a la calma</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as a rest begins; %1 is the exercise due next.</extracomment>
        <translation>Siguiente: %1</translation>
    </message>
    <message>
        <source>Next: %1 %2</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as a rest begins: %1 repetitions of the exercise %2 come next (&quot;Next: 15 Push-Up&quot;).</extracomment>
        <translation>Siguiente: %1 %2</translation>
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
        <translation>Cambia de lado</translation>
    </message>
    <message>
        <source>Circuit finished</source>
        <extracomment>Spoken aloud as the circuit ends.</extracomment>
        <translation>Circuito terminado</translation>
    </message>
    <message>
        <source>Round %1 of %2. %3</source>
        <extracomment>Spoken aloud as round %1 of %2 begins; %3 is the phrase of the phase that begins with it, e.g. &quot;Next: Squat&quot;.</extracomment>
        <translation>Ronda %1 de %2. %3</translation>
    </message>
    <message>
        <source>%1 left · %2 / %3 · round %4 / %5</source>
        <extracomment>Below the runner&apos;s clock: %1 the circuit&apos;s time left (&quot;12:34&quot;), at exercise %2 of %3, in round %4 of %5. The line is 160 pixels wide in 11-pixel type: abbreviate rather than lengthen.</extracomment>
        <translation>quedan %1 · %2/%3 · ronda %4/%5</translation>
    </message>
    <message>
        <source>%1 left · %2 / %3</source>
        <extracomment>Below the runner&apos;s clock: %1 the circuit&apos;s time left (&quot;12:34&quot;), at exercise %2 of %3. The line is 160 pixels wide in 11-pixel type.</extracomment>
        <translation>quedan %1 · %2/%3</translation>
    </message>
    <message>
        <source>Your training history could not be saved (%1). The run goes on, but it will be missing from the history.</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;No space left on device&quot;.</extracomment>
        <translation>No se pudo guardar tu historial (%1). La sesión continúa, pero no aparecerá en el historial.</translation>
    </message>
    <message>
        <source>en</source>
        <comment>espeak-ng voice</comment>
        <extracomment>Not shown: the espeak-ng voice that speaks this translation, as its language code: de, fr, es, it, pt-br, nl, pl, ...</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>Last exercise</source>
        <extracomment>On the big clock, in small type under the status during the last exercise of the circuit, where &quot;Next: %1&quot; names the exercise that follows the others.</extracomment>
        <translation>Último ejercicio</translation>
    </message>
</context>
<context>
    <name>ShareButton</name>
    <message>
        <source>Share</source>
        <extracomment>Button 145 pixels wide with a menu: send, take in or print circuits.</extracomment>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Export circuit...</source>
        <extracomment>Menu entry: writes the circuit with its exercises to one file.</extracomment>
        <translation>Exportar circuito...</translation>
    </message>
    <message>
        <source>Import...</source>
        <extracomment>Menu entry: adds the circuits of a file (also other timers&apos; exports).</extracomment>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Print circuit...</source>
        <extracomment>Menu entry: prints the circuit card, or saves it as a PDF.</extracomment>
        <translation>Imprimir circuito...</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Stridewell cannot use the data folder: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Stridewell no puede usar la carpeta de datos: %1</translation>
    </message>
    <message>
        <source>Stridewell cannot use the data folder %1: %2</source>
        <extracomment>%1 is the folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Stridewell no puede usar la carpeta de datos %1: %2</translation>
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
        <translation>No aceptamos ninguna 
responsabilidad por 
lesiones sufridas al usar 
este programa. Si no 
sabes cómo hacer un 
ejercicio, no lo intentes 
hasta que alguien te lo 
haya enseñado.

Asegúrate también de 
calentar bien antes de 
empezar un circuito.</translation>
    </message>
    <message>
        <source>Exercising</source>
        <translation>Entrenamiento</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Aviso legal</translation>
    </message>
    <message>
        <source>Start Stridewell Now</source>
        <translation>Iniciar Stridewell</translation>
    </message>
    <message>
        <source>Check for new Circuits</source>
        <translation>Buscar circuitos nuevos</translation>
    </message>
    <message>
        <source>Check for new Exercises</source>
        <translation>Buscar ejercicios nuevos</translation>
    </message>
    <message>
        <source>Launch Kinoradex</source>
        <translation>Abrir Kinoradex</translation>
    </message>
    <message>
        <source>Your training history</source>
        <translation>Tu historial</translation>
    </message>
    <message>
        <source>Close Stridewell</source>
        <extracomment>What a screen reader says of the launcher&apos;s close mark, a small cross in its corner.</extracomment>
        <translation>Cerrar Stridewell</translation>
    </message>
</context>
<context>
    <name>Tform_Main</name>
    <message>
        <source>Information About The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Información del circuito seleccionado</translation>
    </message>
    <message>
        <source>Start The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Iniciar el circuito seleccionado</translation>
    </message>
    <message>
        <source>Create A New Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Crear un circuito nuevo</translation>
    </message>
    <message>
        <source>Delete The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Eliminar el circuito seleccionado</translation>
    </message>
    <message>
        <source>Modify Exercises</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar: opens the exercise library.</extracomment>
        <translation>Modificar ejercicios</translation>
    </message>
    <message>
        <source>Available Circuits</source>
        <extracomment>Heading over the list of the user&apos;s circuits.</extracomment>
        <translation>Circuitos disponibles</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <extracomment>Column title over the circuits&apos; names, in a box 154 pixels wide (bold).</extracomment>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>Circuit Type</source>
        <extracomment>Column title over the circuits&apos; kinds (Upper Body, Legs...), 152 pixels wide (bold).</extracomment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Column title over each circuit&apos;s number of exercises, 152 pixels wide (bold).</extracomment>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Circuit Time</source>
        <extracomment>Column title over each circuit&apos;s planned time, 120 pixels wide (bold).</extracomment>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Circuit must be stopped before clicking here</source>
        <extracomment>A click on a bar button while a circuit is being run.</extracomment>
        <translation>Detén el circuito antes de hacer clic aquí</translation>
    </message>
    <message>
        <source>This will delete the circuit and is not undoable. Continue?</source>
        <translation>Esto eliminará el circuito y no se puede deshacer. ¿Continuar?</translation>
    </message>
    <message>
        <source>Circuit: %1</source>
        <extracomment>Second line of the removal question; %1 is the circuit&apos;s name as the grid shows it.</extracomment>
        <translation>Circuito: %1</translation>
    </message>
    <message>
        <source>A circuit is running. Stop it and quit?</source>
        <extracomment>Asked with Yes and No when the main window is closed while a circuit runs.</extracomment>
        <translation>Hay un circuito en marcha. ¿Detenerlo y salir?</translation>
    </message>
</context>
<context>
    <name>Tframe_ExerciseStart</name>
    <message>
        <source>Description Of Exercise</source>
        <extracomment>Tool tip of the exercise picture before a circuit is loaded; once loaded it shows the exercise&apos;s own description.</extracomment>
        <translation>Descripción del ejercicio</translation>
    </message>
    <message>
        <source>Click here for instructions on the exercise (Will pause your circuit)</source>
        <extracomment>A link below the runner, one line of 332 pixels in small type: keep it short.</extracomment>
        <translation>Instrucciones del ejercicio: haz clic aquí (pausa el circuito)</translation>
    </message>
    <message>
        <source>Your Circuit</source>
        <extracomment>The runner&apos;s title strip.</extracomment>
        <translation>Tu circuito</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>The phase the clock counts, beside &quot;Rest&quot; in a picture of 200 pixels: about 95 pixels of bold text.</extracomment>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The phase the clock counts, beside &quot;Exercise&quot;: about 90 pixels of bold text.</extracomment>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Start the circuit</source>
        <extracomment>What a screen reader says of the runner&apos;s Start picture button.</extracomment>
        <translation>Iniciar el circuito</translation>
    </message>
    <message>
        <source>Stop the circuit</source>
        <extracomment>What a screen reader says of the runner&apos;s Stop picture button; Start goes on from there.</extracomment>
        <translation>Detener el circuito</translation>
    </message>
</context>
<context>
    <name>Tfrm_CircuitEdit</name>
    <message>
        <source>Circuit Modifier</source>
        <extracomment>Title of the circuit editor, in a strip across the frame.</extracomment>
        <translation>Editor de circuitos</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <extracomment>Caption above the name field, 145 pixels wide.</extracomment>
        <translation>Nombre del circuito</translation>
    </message>
    <message>
        <source>Circuit Type</source>
        <extracomment>Caption above the type list, 145 pixels wide.</extracomment>
        <translation>Tipo de circuito</translation>
    </message>
    <message>
        <source>Exercise Interval</source>
        <extracomment>Caption above a field of seconds, 145 pixels wide.</extracomment>
        <translation>Tiempo de ejercicio</translation>
    </message>
    <message>
        <source>Rest Interval</source>
        <extracomment>Caption above a field of seconds, 145 pixels wide.</extracomment>
        <translation>Tiempo de descanso</translation>
    </message>
    <message>
        <source>Rounds and times...</source>
        <extracomment>Button 145 pixels wide that opens the circuit plan.</extracomment>
        <translation>Rondas y tiempos...</translation>
    </message>
    <message>
        <source>Circuits Exercises</source>
        <extracomment>Title of the group 241 pixels wide that holds the circuit&apos;s exercises.</extracomment>
        <translation>Ejercicios del circuito</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Tool tip: adds the exercise chosen in the list to the circuit.</extracomment>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Move Up</source>
        <extracomment>Tool tip: moves the selected exercise one place up in the circuit.</extracomment>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <extracomment>Tool tip: moves the selected exercise one place down in the circuit.</extracomment>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Tool tip: removes the selected exercise from the circuit.</extracomment>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Exercise to add</source>
        <extracomment>Read out by screen readers for the list of exercises to add to the circuit.</extracomment>
        <translation>Ejercicio que añadir</translation>
    </message>
</context>
<context>
    <name>Tfrm_CircuitInfo</name>
    <message>
        <source>Circuit Information</source>
        <extracomment>Title of the circuit information panel, in a strip across it.</extracomment>
        <translation>Información del circuito</translation>
    </message>
    <message>
        <source>Circuit Name:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Circuit Type:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Exercises:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Ejercicios:</translation>
    </message>
    <message>
        <source>Total Circuit Time:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Tiempo total:</translation>
    </message>
    <message>
        <source>Rest Interval:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Tiempo de descanso:</translation>
    </message>
    <message>
        <source>Exercise Interval:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Tiempo de ejercicio:</translation>
    </message>
    <message>
        <source>Click here for more information on the selected exercise.</source>
        <extracomment>A link 283 pixels wide that opens the exercise&apos;s page in the browser.</extracomment>
        <translation>Haz clic aquí para saber más del ejercicio seleccionado.</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Read out by screen readers for the list of the shown circuit&apos;s exercises.</extracomment>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Exercise description</source>
        <extracomment>Read out by screen readers for the description of the selected exercise.</extracomment>
        <translation>Descripción del ejercicio</translation>
    </message>
</context>
<context>
    <name>Tfrm_ExerciseFrame</name>
    <message>
        <source>Exercise Editor</source>
        <extracomment>Title of the exercise library editor, in a strip across the frame.</extracomment>
        <translation>Editor de ejercicios</translation>
    </message>
    <message>
        <source>Exercise Name</source>
        <extracomment>Column head of the exercise grid, 152 pixels wide in a large bold font.
----------
Caption above the name field, 193 pixels wide.</extracomment>
        <translation>Nombre</translation>
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
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Exercise Type</source>
        <extracomment>Caption above the type list, 145 pixels wide.</extracomment>
        <translation>Tipo de ejercicio</translation>
    </message>
    <message>
        <source>Save the exercise library</source>
        <extracomment>Tool tip of the save picture.</extracomment>
        <translation>Guardar la biblioteca de ejercicios</translation>
    </message>
    <message>
        <source>Add a new exercise</source>
        <extracomment>Tool tip of the new exercise picture.</extracomment>
        <translation>Añadir un ejercicio nuevo</translation>
    </message>
    <message>
        <source>Delete the selected exercise</source>
        <extracomment>Tool tip of the delete picture.</extracomment>
        <translation>Eliminar el ejercicio seleccionado</translation>
    </message>
    <message>
        <source>Exercise library</source>
        <extracomment>Read out by screen readers for the grid of every exercise in the library.</extracomment>
        <translation>Biblioteca de ejercicios</translation>
    </message>
</context>
<context>
    <name>UnreadableCircuits</name>
    <message>
        <source>This circuit file could not be read and is not listed:</source>
        <extracomment>Followed by the file&apos;s path and the reason, on a line of their own.</extracomment>
        <translation>No se pudo leer este archivo de circuito y no aparece en la lista:</translation>
    </message>
    <message>
        <source>These circuit files could not be read and are not listed:</source>
        <translation>No se pudieron leer estos archivos de circuito y no aparecen en la lista:</translation>
    </message>
</context>
<context>
    <name>UpdateMessages</name>
    <message>
        <source>The download module could not be loaded</source>
        <translation>No se pudo cargar el módulo de descarga</translation>
    </message>
    <message>
        <source>The server name %1 is unknown</source>
        <extracomment>%1 is the server&apos;s host name.</extracomment>
        <translation>El nombre de servidor %1 es desconocido</translation>
    </message>
    <message>
        <source>No connection to %1</source>
        <extracomment>%1 is the server&apos;s host and port: &quot;localhost:80&quot;.</extracomment>
        <translation>Sin conexión con %1</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>Se agotó el tiempo de espera de la conexión</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>El servidor cerró la conexión sin responder</translation>
    </message>
    <message>
        <source>The connection was lost</source>
        <translation>Se perdió la conexión</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <extracomment>%1 is the HTTP status code: &quot;404&quot;.</extracomment>
        <translation>El servidor respondió %1</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>No se pudo leer la respuesta del servidor</translation>
    </message>
    <message>
        <source>The server&apos;s answer did not give its length</source>
        <translation>La respuesta del servidor no indicaba su longitud</translation>
    </message>
    <message>
        <source>The server&apos;s answer was cut short</source>
        <translation>La respuesta del servidor llegó incompleta</translation>
    </message>
    <message>
        <source>The server&apos;s answer was empty</source>
        <translation>La respuesta del servidor estaba vacía</translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large</source>
        <translation>La respuesta del servidor era demasiado grande</translation>
    </message>
    <message>
        <source>The server sent the program to another address</source>
        <translation>El servidor envió el programa a otra dirección</translation>
    </message>
    <message>
        <source>The server redirected the program too often</source>
        <translation>El servidor redirigió el programa demasiadas veces</translation>
    </message>
    <message>
        <source>The server&apos;s answer %1</source>
        <extracomment>%1 says what was wrong with the answer: &quot;is empty&quot;.</extracomment>
        <translation>La respuesta del servidor %1</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <extracomment>%1 is the path of a file.</extracomment>
        <translation>No se pudo escribir %1</translation>
    </message>
    <message>
        <source>The download was stopped</source>
        <translation>Se detuvo la descarga</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>La descarga falló</translation>
    </message>
    <message>
        <source>%1 Exercises Added. The exercise library is full (%2 exercises)</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 ejercicios añadidos. La biblioteca de ejercicios está llena (%2 ejercicios)</translation>
    </message>
    <message>
        <source>%1 Exercises Added</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 ejercicios añadidos</translation>
    </message>
    <message>
        <source>No new exercises available at this time</source>
        <translation>No hay ejercicios nuevos por ahora</translation>
    </message>
    <message>
        <source>No new circuits available at this time</source>
        <translation>No hay circuitos nuevos por ahora</translation>
    </message>
    <message>
        <source>New exercise file was refused: the server&apos;s answer %1</source>
        <translation>Se rechazó el nuevo archivo de ejercicios: la respuesta del servidor %1</translation>
    </message>
    <message>
        <source>New exercise file could not be found
%1</source>
        <translation>No se encontró el nuevo archivo de ejercicios
%1</translation>
    </message>
    <message>
        <source>New circuit file was refused: the server&apos;s answer %1</source>
        <translation>Se rechazó el nuevo archivo de circuitos: la respuesta del servidor %1</translation>
    </message>
    <message>
        <source>New circuit file could not be found
%1</source>
        <translation>No se encontró el nuevo archivo de circuitos
%1</translation>
    </message>
    <message>
        <source>%1 Circuits Added</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 circuitos añadidos</translation>
    </message>
    <message>
        <source>Circuit %1 was refused: the server&apos;s answer %2</source>
        <translation>Se rechazó el circuito %1: la respuesta del servidor %2</translation>
    </message>
    <message>
        <source>Circuit %1 could not be downloaded
%2</source>
        <extracomment>%1 is the circuit file&apos;s name, %2 the reason on a line of its own.</extracomment>
        <translation>No se pudo descargar el circuito %1
%2</translation>
    </message>
    <message>
        <source>is empty</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>está vacía</translation>
    </message>
    <message>
        <source>holds NUL bytes</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;; NUL is the name of a byte value.</extracomment>
        <translation>contiene bytes NUL</translation>
    </message>
    <message>
        <source>is a web page</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>es una página web</translation>
    </message>
    <message>
        <source>has no circuit name</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>no tiene nombre de circuito</translation>
    </message>
    <message>
        <source>has no intervals</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>no tiene intervalos</translation>
    </message>
    <message>
        <source>has no exercises</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>no tiene ejercicios</translation>
    </message>
    <message>
        <source>has a bad key on line %1: %2</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;; %1 is a line number, %2 what is wrong with the key.</extracomment>
        <translation>tiene una clave incorrecta en la línea %1: %2</translation>
    </message>
</context>
</TS>
