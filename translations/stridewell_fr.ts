<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BigClockWindow</name>
    <message>
        <source>Warm-up</source>
        <extracomment>The big clock&apos;s phase word, drawn large before the status: keep it short.</extracomment>
        <translation>Échauffement</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>The big clock&apos;s phase word, drawn large before the status: keep it short.</extracomment>
        <translation>Retour au calme</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The big clock&apos;s phase word during a rest: keep it short.</extracomment>
        <translation>Repos</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>The big clock&apos;s phase word during an exercise: keep it short.</extracomment>
        <translation>Exercice</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>No web browser could be started. The page&apos;s address is:</source>
        <extracomment>Followed by the page&apos;s address on a line of its own, for the user to copy.</extracomment>
        <translation>Aucun navigateur web n&apos;a pu être lancé. L&apos;adresse de la page est&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CircuitCardWords</name>
    <message>
        <source>Planned time</source>
        <extracomment>Printed circuit card: above the circuit&apos;s planned time, top right.</extracomment>
        <translation>Temps prévu</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Printed circuit card: the number of exercises, followed by the count.</extracomment>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Rounds</source>
        <extracomment>Printed circuit card: the number of rounds, followed by the count.</extracomment>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Rest between rounds</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Repos entre les tours</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Échauffement</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Retour au calme</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>Column title of the printed circuit card: the exercise&apos;s name.</extracomment>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>Column title of the printed circuit card: the time of work; a narrow column.</extracomment>
        <translation>Travail</translation>
    </message>
    <message>
        <source>Rest before</source>
        <extracomment>Column title of the printed circuit card: the rest before the exercise; a narrow column.</extracomment>
        <translation>Repos avant</translation>
    </message>
    <message>
        <source>Reps</source>
        <extracomment>Column title of the printed circuit card: repetitions; a narrow column.</extracomment>
        <translation>Rép.</translation>
    </message>
    <message>
        <source>Sides</source>
        <extracomment>Column title of the printed circuit card: 1, or 2 for left then right; a narrow column.</extracomment>
        <translation>Côtés</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>Column title of the printed circuit card: the exercise&apos;s description.</extracomment>
        <translation>Description</translation>
    </message>
    <message>
        <source>This circuit has no exercises.</source>
        <extracomment>Printed circuit card, in place of the table of a circuit without exercises.</extracomment>
        <translation>Ce circuit n&apos;a pas d&apos;exercices.</translation>
    </message>
    <message>
        <source>Printing is not available: the print module of this installation is missing or belongs to another version of the program.</source>
        <translation>L&apos;impression n&apos;est pas disponible : le module d&apos;impression de cette installation manque ou appartient à une autre version du programme.</translation>
    </message>
    <message>
        <source>The circuit card could not be printed.</source>
        <translation>La fiche du circuit n&apos;a pas pu être imprimée.</translation>
    </message>
</context>
<context>
    <name>CircuitPlanDialog</name>
    <message>
        <source>None</source>
        <extracomment>A field of seconds set to nothing: no rest between rounds, no warm-up, no cool-down.</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>The circuit&apos;s value</source>
        <extracomment>Tool tip of a grey cell that shows the circuit&apos;s own time or count.</extracomment>
        <translation>Valeur du circuit</translation>
    </message>
    <message>
        <source>Circuit plan</source>
        <extracomment>Title of the dialog of rounds, warm-up, cool-down and each exercise&apos;s times.</extracomment>
        <translation>Plan du circuit</translation>
    </message>
    <message>
        <source>Rounds</source>
        <extracomment>Caption of the field of the number of rounds.</extracomment>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Rest between rounds</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Repos entre les tours</translation>
    </message>
    <message>
        <source>None: rounds 2 and on begin with the first exercise&apos;s own rest.</source>
        <extracomment>Read out by screen readers for the field of rest between rounds.</extracomment>
        <translation>Aucun&#xa0;: à partir du 2e tour, chaque tour commence par le repos propre au premier exercice.</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Échauffement</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Retour au calme</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Unit after the number in a field of seconds, with its leading space.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Times are in seconds. An empty cell takes the circuit&apos;s value, shown in grey.</source>
        <translation>Les durées sont en secondes. Une cellule vide prend la valeur du circuit, affichée en gris.</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Read out by screen readers for the table of the circuit&apos;s exercises.</extracomment>
        <translation>Exercices</translation>
    </message>
</context>
<context>
    <name>CircuitSharing</name>
    <message>
        <source>Export circuit</source>
        <translation>Exporter le circuit</translation>
    </message>
    <message>
        <source>Stridewell circuits (*.stridewell);;All files (*)</source>
        <extracomment>File types of the save dialog; keep &quot;(*.stridewell)&quot;, &quot;(*)&quot; and &quot;;;&quot;.</extracomment>
        <translation>Circuits Stridewell (*.stridewell);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import circuits</source>
        <translation>Importer des circuits</translation>
    </message>
    <message>
        <source>Circuits and other timers&apos; exports (*.stridewell *.json *.feeel *.txt);;All files (*)</source>
        <extracomment>File types of the open dialog; keep the patterns in brackets and &quot;;;&quot;.</extracomment>
        <translation>Circuits et exports d&apos;autres minuteurs (*.stridewell *.json *.feeel *.txt);;Tous les fichiers (*)</translation>
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
        <translation>Utilisation : stridewell [OPTION]...
Un minuteur pour l&apos;entraînement en circuit : il tient une bibliothèque
d&apos;exercices, en compose des circuits et décompte chaque circuit avec un signal
à chaque changement.

      --data-dir=DIR  garder la bibliothèque d&apos;exercices et les circuits
                      dans DIR
      --plan=FILE     afficher les phases d&apos;un fichier de circuit et sa durée
                      prévue en secondes, une par ligne, puis quitter
      --lang=CODE     utiliser cette langue (de, fr, es, it, pt_BR, nl, pl ;
                      en pour l&apos;anglais) au lieu de celle du bureau
      --help          afficher cette aide et quitter
      --version       afficher les informations de version et quitter

Sans --data-dir, les données sont rangées à côté du programme s&apos;il peut y
écrire, sinon dans $XDG_DATA_HOME/stridewell (~/.local/share/stridewell),
qui est créé et garni d&apos;exercices et de circuits de départ au premier
lancement.
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
Ce que le programme ouvre, dans la copie qui tourne déjà sur le dossier de
données s&apos;il y en a une :
      --run=NOM       lancer le circuit de ce nom
      --run-last      lancer le dernier circuit lancé
      --history       ouvrir l&apos;historique
      FILE            importer FILE et montrer ce qu&apos;il a ajouté

Sans affichage, une ligne sur stdout par chose faite :
      --export NOM FILE   écrire le circuit NOM avec ses exercices dans FILE
      --import FILE       ajouter les circuits (et exercices) de FILE : un
                          fichier .stridewell ou l&apos;export d&apos;un autre minuteur
      --print NOM FILE    écrire la fiche du circuit NOM dans FILE (PDF)
</translation>
    </message>
</context>
<context>
    <name>DBusScreenAwake</name>
    <message>
        <source>A circuit is running</source>
        <extracomment>Why the screen saver is held off, as the desktop may list it.</extracomment>
        <translation>Un circuit est en cours</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The &amp; marks the key that answers with it (Alt+Y).</extracomment>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>The &amp; marks the key that answers with it (Alt+N).</extracomment>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>EditorWords</name>
    <message>
        <source>Circuit needs a name before modifying it.</source>
        <translation>Donnez un nom au circuit avant de le modifier.</translation>
    </message>
    <message>
        <source>A circuit name cannot be made of dots only.</source>
        <translation>Un nom de circuit ne peut pas être composé uniquement de points.</translation>
    </message>
    <message>
        <source>A circuit name cannot contain control characters such as tabs.</source>
        <translation>Un nom de circuit ne peut pas contenir de caractères de contrôle comme les tabulations.</translation>
    </message>
    <message>
        <source>A circuit name cannot contain the character %1. Leave out / \ &lt; &gt; : &quot; | ? and *.</source>
        <extracomment>%1 is one of the characters the sentence lists after it.</extracomment>
        <translation>Un nom de circuit ne peut pas contenir le caractère %1. Évitez / \ &lt; &gt; : &quot; | ? et *.</translation>
    </message>
    <message>
        <source>Another circuit is already stored as &quot;%1&quot;. Choose another name before modifying this circuit.</source>
        <extracomment>%1 is a circuit&apos;s name.</extracomment>
        <translation>Un autre circuit est déjà enregistré sous le nom «&#xa0;%1&#xa0;». Choisissez un autre nom avant de modifier ce circuit.</translation>
    </message>
    <message>
        <source>The circuit keeps its name &quot;%1&quot;.</source>
        <extracomment>Follows the reason a new name was refused. %1 is the circuit&apos;s name.</extracomment>
        <translation>Le circuit garde son nom «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Create a circuit or open one before modifying it.</source>
        <translation>Créez ou ouvrez un circuit avant de le modifier.</translation>
    </message>
    <message>
        <source>Choose a circuit type before modifying this circuit.</source>
        <translation>Choisissez un type de circuit avant de modifier ce circuit.</translation>
    </message>
    <message>
        <source>A circuit holds at most %1 exercises. Remove one before adding another.</source>
        <translation>Un circuit contient au plus %1 exercices. Retirez-en un avant d&apos;en ajouter un autre.</translation>
    </message>
    <message>
        <source>An exercise name cannot hold a tab character.</source>
        <translation>Un nom d&apos;exercice ne peut pas contenir de tabulation.</translation>
    </message>
    <message>
        <source>The exercise library is full: it holds %1 exercises. Delete an exercise before adding a new one.</source>
        <translation>La bibliothèque d&apos;exercices est pleine&#xa0;: elle contient %1 exercices. Supprimez un exercice avant d&apos;en ajouter un nouveau.</translation>
    </message>
    <message>
        <source>exercises.lst holds more exercises than the library can take. Only the first %1 exercises were loaded.</source>
        <extracomment>exercises.lst is a file name and stays as it is.</extracomment>
        <translation>exercises.lst contient plus d&apos;exercices que la bibliothèque ne peut en accueillir. Seuls les %1 premiers exercices ont été chargés.</translation>
    </message>
    <message numerus="yes">
        <source>%n circuit uses &quot;%1&quot;. Rename it to &quot;%2&quot; in that circuit too?</source>
        <extracomment>A question with Yes and No. %1 is the exercise&apos;s old name, %2 the new one.</extracomment>
        <translation>
            <numerusform>%n circuit utilise «&#xa0;%1&#xa0;». Le renommer aussi en «&#xa0;%2&#xa0;» dans ce circuit&#xa0;?</numerusform>
            <numerusform>%n circuits utilisent «&#xa0;%1&#xa0;». Le renommer aussi en «&#xa0;%2&#xa0;» dans ces circuits&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n circuits use &quot;%1&quot;. Rename it to &quot;%2&quot; in those circuits too?</source>
        <extracomment>A question with Yes and No. %1 is the exercise&apos;s old name, %2 the new one.</extracomment>
        <translation>
            <numerusform>%n circuit utilise «&#xa0;%1&#xa0;». Le renommer aussi en «&#xa0;%2&#xa0;» dans ce circuit&#xa0;?</numerusform>
            <numerusform>%n circuits utilisent «&#xa0;%1&#xa0;». Le renommer aussi en «&#xa0;%2&#xa0;» dans ces circuits&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>New Circuit</source>
        <extracomment>A new circuit&apos;s name, also its file name; a number follows when it is taken.</extracomment>
        <translation>Nouveau circuit</translation>
    </message>
    <message>
        <source>New Exercise</source>
        <extracomment>A new exercise&apos;s name in the exercise library.</extracomment>
        <translation>Nouvel exercice</translation>
    </message>
    <message>
        <source>Enter a description for your new exercise</source>
        <translation>Saisissez une description pour votre nouvel exercice</translation>
    </message>
    <message>
        <source>Upper Body</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Haut du corps</translation>
    </message>
    <message>
        <source>Abdominal</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Abdominaux</translation>
    </message>
    <message>
        <source>Lower Body</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Bas du corps</translation>
    </message>
    <message>
        <source>Multiple Area Workout</source>
        <extracomment>The type of circuit that takes exercises of every type; in a list 145 pixels wide.</extracomment>
        <translation>Corps entier</translation>
    </message>
    <message>
        <source>Circuit Name: %1</source>
        <extracomment>Information panel; %1 is the circuit&apos;s name. Keep the length.</extracomment>
        <translation>Nom du circuit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Circuit Type: %1</source>
        <extracomment>Information panel; %1 is the circuit&apos;s type as its file holds it. Keep the length.</extracomment>
        <translation>Type de circuit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Exercises: %1</source>
        <extracomment>Information panel; %1 is a count. Keep the length.</extracomment>
        <translation>Exercices&#xa0;: %1</translation>
    </message>
    <message>
        <source>Total Circuit Time: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Durée totale&#xa0;: %1</translation>
    </message>
    <message>
        <source>Exercise Interval: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Temps d&apos;exercice&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rest Interval: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Temps de repos&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rounds: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a count.</extracomment>
        <translation>Tours&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rest Between Rounds: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Repos entre tours&#xa0;: %1</translation>
    </message>
    <message>
        <source>Warm-up: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Échauffement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cool-down: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Retour au calme&#xa0;: %1</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>Column title of the circuit plan: the exercise&apos;s name.</extracomment>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Rest before</source>
        <extracomment>Column title of the circuit plan: seconds of rest before the exercise.</extracomment>
        <translation>Repos avant</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>Column title of the circuit plan: seconds of work.</extracomment>
        <translation>Travail</translation>
    </message>
    <message>
        <source>Reps</source>
        <extracomment>Column title of the circuit plan: repetitions.</extracomment>
        <translation>Rép.</translation>
    </message>
    <message>
        <source>Sides</source>
        <extracomment>Column title of the circuit plan: 1 or 2 sides of the body, one after the other.</extracomment>
        <translation>Côtés</translation>
    </message>
    <message>
        <source>Exercise &quot;%1&quot;, column &quot;%2&quot;: &quot;%3&quot; is not a whole number.</source>
        <extracomment>%1 is the exercise&apos;s name, %2 a column title, %3 the text typed into the cell.</extracomment>
        <translation>Exercice «&#xa0;%1&#xa0;», colonne «&#xa0;%2&#xa0;»&#xa0;: «&#xa0;%3&#xa0;» n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>Exercise &quot;%1&quot;, column &quot;%2&quot;: %3 is out of range.</source>
        <extracomment>%1 is the exercise&apos;s name, %2 a column title, %3 the number typed into the cell.</extracomment>
        <translation>Exercice «&#xa0;%1&#xa0;», colonne «&#xa0;%2&#xa0;»&#xa0;: %3 est hors limites.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell to use the circuit&apos;s rest interval.</source>
        <translation>Saisissez un nombre entier de %1 à %2, ou videz la cellule pour utiliser le temps de repos du circuit.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell to use the circuit&apos;s exercise interval.</source>
        <translation>Saisissez un nombre entier de %1 à %2, ou videz la cellule pour utiliser le temps d&apos;exercice du circuit.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell for a timed exercise.</source>
        <translation>Saisissez un nombre entier de %1 à %2, ou videz la cellule pour un exercice chronométré.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell for one side.</source>
        <translation>Saisissez un nombre entier de %1 à %2, ou videz la cellule pour un seul côté.</translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Unexpected error</source>
        <extracomment>An error that came without a text of its own.</extracomment>
        <translation>Erreur inattendue</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>&quot;%1&quot; is not a key=value word</source>
        <extracomment>%1 is a word of a circuit file, as written; &quot;key=value&quot; is a technical term.</extracomment>
        <translation>« %1 » n&apos;est pas un mot clé=valeur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <extracomment>%1 is a key of a circuit file (&quot;rounds&quot;), which stays English.</extracomment>
        <translation>« %1 » est donné deux fois</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number from %2 to %3</source>
        <extracomment>%1 is a key of a circuit file (&quot;rounds&quot;), which stays English; %2 and %3 the range.</extracomment>
        <translation>« %1 » doit être un nombre de %2 à %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number, %3 what is wrong with a key there.</extracomment>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>The circuit &quot;%1&quot; lists %2 exercises, more than the %3 a circuit can hold, so it is not stored: its file stays as it is.</source>
        <extracomment>%1 is the circuit&apos;s name, %2 the exercises its file lists (more than %3).</extracomment>
        <translation>Le circuit « %1 » compte %2 exercices, plus que les %3 qu&apos;un circuit peut contenir ; il n&apos;est donc pas enregistré et son fichier reste tel quel.</translation>
    </message>
    <message>
        <source>The exercise &quot;%1&quot; has a tab character in its name, so its times cannot be stored with it. Rename it in the exercise library first.</source>
        <translation>L&apos;exercice « %1 » contient une tabulation dans son nom, ses durées ne peuvent donc pas être enregistrées avec lui. Renommez-le d&apos;abord dans la bibliothèque d&apos;exercices.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <extracomment>%1 is the library file&apos;s path, %2 why it could not be read.</extracomment>
        <translation>%1 n&apos;a pas pu être lu (%2)</translation>
    </message>
    <message>
        <source>%1 holds more than %2 exercises, more than the library can take</source>
        <translation>%1 contient plus de %2 exercices, plus que la bibliothèque ne peut en prendre</translation>
    </message>
    <message>
        <source>The exercise library is not saved to %1: %2, and saving would replace what the file holds. The file stays as it is; mend it and start Stridewell again.</source>
        <extracomment>%1 is the library file&apos;s path; %2 says why the program does not hold all of it.</extracomment>
        <translation>La bibliothèque d&apos;exercices n&apos;est pas enregistrée dans %1 : %2, et l&apos;enregistrer remplacerait ce que contient le fichier. Le fichier reste tel quel ; corrigez-le et relancez Stridewell.</translation>
    </message>
    <message>
        <source>The history cannot be exported over itself</source>
        <translation>L&apos;historique ne peut pas être exporté sur lui-même</translation>
    </message>
    <message>
        <source>%1 is not a Stridewell circuit file</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 n&apos;est pas un fichier de circuit Stridewell</translation>
    </message>
    <message>
        <source>%1 was written by a newer Stridewell (format %2)</source>
        <extracomment>%1 is a file&apos;s path, %2 the number of its format.</extracomment>
        <translation>%1 a été écrit par une version plus récente de Stridewell (format %2)</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 est tronqué</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB</source>
        <extracomment>%1 is a file&apos;s path, %2 a size in mebibytes.</extracomment>
        <translation>%1 dépasse %2 Mio</translation>
    </message>
    <message>
        <source>%1 is damaged at line %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1 est endommagé à la ligne %2</translation>
    </message>
    <message>
        <source>%1 is neither a Stridewell circuit nor an export of Just Another Workout Timer, OpenHIIT, Feeel or TimeR Machine</source>
        <extracomment>%1 is a file&apos;s path; the others are names of other interval timers.</extracomment>
        <translation>%1 n&apos;est ni un circuit Stridewell ni un export de Just Another Workout Timer, OpenHIIT, Feeel ou TimeR Machine</translation>
    </message>
    <message>
        <source>%1: the circuit name &quot;%2&quot; cannot be a file name</source>
        <extracomment>%1 is a file&apos;s path, %2 the name of a circuit it holds.</extracomment>
        <translation>%1 : le nom de circuit « %2 » ne peut pas être un nom de fichier</translation>
    </message>
    <message>
        <source>%1 holds no circuit that can be imported</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 ne contient aucun circuit qui puisse être importé</translation>
    </message>
    <message>
        <source>%1 is one of Stridewell&apos;s own data files; choose another file</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 est l&apos;un des fichiers de données de Stridewell ; choisissez un autre fichier</translation>
    </message>
    <message>
        <source>%1 cannot be imported: this installation lacks its import module</source>
        <extracomment>%1 is a file&apos;s path; the module is a part of the program&apos;s installation.</extracomment>
        <translation>%1 ne peut pas être importé : il manque à cette installation son module d&apos;importation</translation>
    </message>
</context>
<context>
    <name>FinishNotice</name>
    <message>
        <source>Trained for %1</source>
        <extracomment>The second line of the notice at a run&apos;s finish; %1 is the time run: &quot;12:34&quot;.</extracomment>
        <translation>Entraînement : %1</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>The notice&apos;s button that brings the window forward.</extracomment>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>Minutes trained per week</source>
        <translation>Minutes d&apos;entraînement par semaine</translation>
    </message>
</context>
<context>
    <name>HistoryTableModel</name>
    <message>
        <source>Finished</source>
        <comment>outcome of a run</comment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2</source>
        <extracomment>Outcome of a run: &quot;Stopped after 4 of 10&quot; exercises.</extracomment>
        <translation>Arrêté après %1 sur %2</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column title: when the run started.</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Time run</source>
        <extracomment>Column title over the run&apos;s minutes and seconds, about 70 pixels wide.</extracomment>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Finished</source>
        <comment>column title</comment>
        <extracomment>Column title over &quot;Finished&quot; or &quot;Stopped after 4 of 10&quot;.</extracomment>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Your training history</source>
        <translation>Votre historique</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Lecture de l&apos;historique...</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>This week</source>
        <extracomment>Caption of the box with the time trained since Monday, a third of the window wide.</extracomment>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>This month</source>
        <extracomment>Caption of the box with the time trained this calendar month.</extracomment>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>All time</source>
        <extracomment>Caption of the box with the time trained since the first run.</extracomment>
        <translation>Au total</translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>Time trained under an hour: &quot;45 min&quot;.</extracomment>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>Time trained: &quot;3 h 05 min&quot; (%1 hours, %2 minutes with two digits).</extracomment>
        <translation>%1&#xa0;h&#xa0;%2&#xa0;min</translation>
    </message>
    <message>
        <source>1 run</source>
        <translation>1 séance</translation>
    </message>
    <message numerus="yes">
        <source>%Ln runs</source>
        <extracomment>None, or two runs or more: &quot;0 runs&quot;, &quot;4 runs&quot;.</extracomment>
        <translation>
            <numerusform>%Ln séance</numerusform>
            <numerusform>%Ln séances</numerusform>
        </translation>
    </message>
    <message>
        <source>This week</source>
        <comment>chart label</comment>
        <extracomment>Label under the chart&apos;s bar of the current week, about 45 pixels wide.</extracomment>
        <translation>Cette sem.</translation>
    </message>
    <message>
        <source>The history could not be read (%1).</source>
        <extracomment>%1 is the system&apos;s reason, as it gives it.</extracomment>
        <translation>Impossible de lire l&apos;historique (%1).</translation>
    </message>
    <message>
        <source>1 damaged line in the file was skipped.</source>
        <translation>1 ligne endommagée du fichier a été ignorée.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln damaged lines in the file were skipped.</source>
        <extracomment>Two lines or more.</extracomment>
        <translation>
            <numerusform>%Ln ligne endommagée du fichier a été ignorée.</numerusform>
            <numerusform>%Ln lignes endommagées du fichier ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>No runs yet.</source>
        <translation>Aucune séance pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Saved a copy as %1</source>
        <extracomment>%1 is the path of the CSV file just written.</extracomment>
        <translation>Copie enregistrée sous %1</translation>
    </message>
    <message>
        <source>Export your training history</source>
        <translation>Exporter votre historique</translation>
    </message>
    <message>
        <source>training-history.csv</source>
        <extracomment>The suggested file name; keep &quot;.csv&quot;.</extracomment>
        <translation>historique-entrainement.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>File types of the save dialog; keep &quot;(*.csv)&quot;, &quot;(*)&quot; and &quot;;;&quot;.</extracomment>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Runs</source>
        <extracomment>Read out by screen readers for the table of every run, newest first.</extracomment>
        <translation>Séances</translation>
    </message>
</context>
<context>
    <name>ImportWords</name>
    <message>
        <source>%1 is not all UTF-8 text; it was read as Latin-1, so check the accented letters</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 n&apos;est pas entièrement du texte UTF-8 ; il a été lu en Latin-1, vérifiez donc les lettres accentuées</translation>
    </message>
    <message>
        <source>%1 holds no workouts</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 ne contient aucun entraînement</translation>
    </message>
    <message>
        <source>Workout %1 of the file could not be read and was not imported</source>
        <extracomment>%1 is the place of a workout without a name in the file (1, 2, ...).</extracomment>
        <translation>L&apos;entraînement %1 du fichier n&apos;a pas pu être lu et n&apos;a pas été importé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read and was not imported</source>
        <extracomment>%1 is a workout&apos;s name.</extracomment>
        <translation>« %1 » n&apos;a pas pu être lu et n&apos;a pas été importé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in TimeR Machine&apos;s trash and was not imported</source>
        <extracomment>%1 is a workout&apos;s name; TimeR Machine is another timer&apos;s name.</extracomment>
        <translation>« %1 » est dans la corbeille de TimeR Machine et n&apos;a pas été importé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: it has %2 rounds, and a circuit has 1 to %3</source>
        <extracomment>%1 is a workout&apos;s name, %2 its rounds, %3 the most a circuit can have.</extracomment>
        <translation>« %1 » n&apos;a pas été importé : il a %2 tours, et un circuit en a de 1 à %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: a time of %2 seconds is longer than the %3 seconds a circuit allows</source>
        <extracomment>%1 is a workout&apos;s name, %2 and %3 times in seconds.</extracomment>
        <translation>« %1 » n&apos;a pas été importé : une durée de %2 secondes dépasse les %3 secondes qu&apos;un circuit permet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: it has %2 exercises, more than the %3 a circuit can hold</source>
        <extracomment>%1 is a workout&apos;s name, %2 its exercises, %3 the most a circuit can hold.</extracomment>
        <translation>« %1 » n&apos;a pas été importé : il a %2 exercices, plus que les %3 qu&apos;un circuit peut contenir</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has parts with different rounds, so it became %2 circuits, &quot;%1 1&quot; to &quot;%1 %2&quot;</source>
        <extracomment>%1 is a workout&apos;s name, %2 how many circuits it became, named &quot;%1 1&quot; to &quot;%1 %2&quot;.</extracomment>
        <translation>« %1 » a des parties aux nombres de tours différents ; il est donc devenu %2 circuits, de « %1 1 » à « %1 %2 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no exercises; it was imported as an empty circuit</source>
        <extracomment>%1 is a circuit&apos;s name.</extracomment>
        <translation>« %1 » n&apos;a pas d&apos;exercices ; il a été importé comme circuit vide</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 exercises of 0 seconds were left out</source>
        <extracomment>%1 is a workout&apos;s name, %2 how many of its exercises last 0 seconds.</extracomment>
        <translation>« %1 » : %2 exercices de 0 seconde ont été laissés de côté</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses Feeel exercise %2, whose name this program does not know; it was imported as &quot;%3&quot;</source>
        <extracomment>%1 is a workout&apos;s name, %2 Feeel&apos;s number of an exercise, %3 the name it was given.</extracomment>
        <translation>« %1 » utilise l&apos;exercice Feeel %2, dont ce programme ne connaît pas le nom ; il a été importé sous le nom « %3 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: times that were not whole seconds were rounded to whole seconds</source>
        <extracomment>%1 is a workout&apos;s name.</extracomment>
        <translation>« %1 » : les durées qui n&apos;étaient pas des secondes entières ont été arrondies à la seconde</translation>
    </message>
    <message>
        <source>Imported from %1, an export of %2:</source>
        <translation>Importé de %1, un export de %2 :</translation>
    </message>
    <message>
        <source>Imported from %1:</source>
        <translation>Importé de %1 :</translation>
    </message>
    <message>
        <source>Added the circuit &quot;%1&quot;.</source>
        <translation>Circuit « %1 » ajouté.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more circuits.</source>
        <translation>
            <numerusform>... et %n autre circuit.</numerusform>
            <numerusform>... et %n autres circuits.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added the exercise &quot;%1&quot; to the library.</source>
        <translation>Exercice « %1 » ajouté à la bibliothèque.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more exercises.</source>
        <translation>
            <numerusform>... et %n autre exercice.</numerusform>
            <numerusform>... et %n autres exercices.</numerusform>
        </translation>
    </message>
    <message>
        <source>The library is full: &quot;%1&quot; was not added, and the circuits name it still.</source>
        <translation>La bibliothèque est pleine : « %1 » n&apos;a pas été ajouté, et les circuits le nomment toujours.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more exercises were not added.</source>
        <translation>
            <numerusform>... et %n autre exercice n&apos;a pas été ajouté.</numerusform>
            <numerusform>... et %n autres exercices n&apos;ont pas été ajoutés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>Stridewell is already running in %1. Use the window that is open; this copy ends without changing anything.</source>
        <extracomment>%1 is the data folder&apos;s path, ending in &quot;/&quot;.</extracomment>
        <translation>Stridewell est déjà lancé dans %1. Utilisez la fenêtre ouverte&#xa0;; cette copie se ferme sans rien modifier.</translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Erreur d&apos;écriture sur le disque</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Erreur de lecture sur le disque</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Nombre non valide</translation>
    </message>
</context>
<context>
    <name>RunOptionsMenu</name>
    <message>
        <source>Speak exercise names</source>
        <extracomment>A run option on the runner&apos;s context menu: the exercises&apos; names are spoken.</extracomment>
        <translation>Annoncer le nom des exercices</translation>
    </message>
    <message>
        <source>Count down the last three seconds</source>
        <extracomment>A run option: a tick sounds at 3, 2 and 1 seconds left.</extracomment>
        <translation>Décompter les trois dernières secondes</translation>
    </message>
    <message>
        <source>Keep the screen awake during a run</source>
        <extracomment>A run option: the screen saver is held off while a circuit runs.</extracomment>
        <translation>Garder l&apos;écran allumé pendant une séance</translation>
    </message>
    <message>
        <source>Chime</source>
        <extracomment>A cue sound on the run options&apos; Sound submenu: the designed two-note chime.</extracomment>
        <translation>Carillon</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A cue sound on the Sound submenu: one struck bell.</extracomment>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Double beep</source>
        <extracomment>A cue sound on the Sound submenu: two short electronic beeps, as of a sports watch.</extracomment>
        <translation>Double bip</translation>
    </message>
    <message>
        <source>Gong</source>
        <extracomment>A cue sound on the Sound submenu: a low gong.</extracomment>
        <translation>Gong</translation>
    </message>
    <message>
        <source>Big clock on the other screen</source>
        <extracomment>A run option: with two screens or more (a projector, a television), the big clock (F11) fills a screen the main window is not on.</extracomment>
        <translation>Grande horloge sur l&apos;autre écran</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>A submenu of the run options: the sound played at every change of phase.</extracomment>
        <translation>Son</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>A submenu of the run options: how loud the cue, the countdown and the voice are.</extracomment>
        <translation>Volume</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A volume on the Volume submenu, in percent of the designed loudness (%1 is 10 to 100).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Count each interval exactly</source>
        <extracomment>A run option: an interval of 30 seconds lasts exactly 30 seconds, its clock showing 30 down to 1, instead of also showing 0 for a second.</extracomment>
        <translation>Compter chaque intervalle exactement</translation>
    </message>
</context>
<context>
    <name>RunWords</name>
    <message>
        <source>This circuit has no exercises</source>
        <extracomment>The runner&apos;s status label, after Start on a circuit without exercises.</extracomment>
        <translation>Ce circuit n&apos;a aucun exercice</translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>The runner&apos;s status label while a run is paused. Large type on one line: keep it short.</extracomment>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Finished</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label once the circuit has run to its end. Keep it short.</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during the warm-up phase. Keep it short.</extracomment>
        <translation>Échauffement</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during the cool-down phase. Keep it short.</extracomment>
        <translation>Retour au calme</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during a rest; %1 is the exercise due next. Large type on one line of about 480 pixels with the name: keep it short.</extracomment>
        <translation>Suivant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during an exercise; %1 is the exercise. Large type on one line of about 480 pixels with the name: keep it short.</extracomment>
        <translation>En cours&#xa0;: %1</translation>
    </message>
    <message>
        <source>Now: %1 x %2</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during a repetition exercise: %1 repetitions of the exercise %2 (&quot;Now: 15 x Push-Up&quot;). Large type on one line: keep it short.</extracomment>
        <translation>En cours&#xa0;: %1 x %2</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as the warm-up begins.</extracomment>
        <translation>Échauffement</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as the cool-down begins.</extracomment>
        <translation>Retour au calme</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as a rest begins; %1 is the exercise due next.</extracomment>
        <translation>Exercice suivant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Next: %1 %2</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as a rest begins: %1 repetitions of the exercise %2 come next (&quot;Next: 15 Push-Up&quot;).</extracomment>
        <translation>Exercice suivant&#xa0;: %1 %2</translation>
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
        <translation>Changez de côté</translation>
    </message>
    <message>
        <source>Circuit finished</source>
        <extracomment>Spoken aloud as the circuit ends.</extracomment>
        <translation>Circuit terminé</translation>
    </message>
    <message>
        <source>Round %1 of %2. %3</source>
        <extracomment>Spoken aloud as round %1 of %2 begins; %3 is the phrase of the phase that begins with it, e.g. &quot;Next: Squat&quot;.</extracomment>
        <translation>Tour %1 sur %2. %3</translation>
    </message>
    <message>
        <source>%1 left · %2 / %3 · round %4 / %5</source>
        <extracomment>Below the runner&apos;s clock: %1 the circuit&apos;s time left (&quot;12:34&quot;), at exercise %2 of %3, in round %4 of %5. The line is 160 pixels wide in 11-pixel type: abbreviate rather than lengthen.</extracomment>
        <translation>Reste %1 · %2 / %3 · tour %4 / %5</translation>
    </message>
    <message>
        <source>%1 left · %2 / %3</source>
        <extracomment>Below the runner&apos;s clock: %1 the circuit&apos;s time left (&quot;12:34&quot;), at exercise %2 of %3. The line is 160 pixels wide in 11-pixel type.</extracomment>
        <translation>Reste %1 · %2 / %3</translation>
    </message>
    <message>
        <source>Your training history could not be saved (%1). The run goes on, but it will be missing from the history.</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;No space left on device&quot;.</extracomment>
        <translation>Impossible d&apos;enregistrer votre historique (%1). La séance continue, mais elle n&apos;y figurera pas.</translation>
    </message>
    <message>
        <source>en</source>
        <comment>espeak-ng voice</comment>
        <extracomment>Not shown: the espeak-ng voice that speaks this translation, as its language code: de, fr, es, it, pt-br, nl, pl, ...</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Last exercise</source>
        <extracomment>On the big clock, in small type under the status during the last exercise of the circuit, where &quot;Next: %1&quot; names the exercise that follows the others.</extracomment>
        <translation>Dernier exercice</translation>
    </message>
</context>
<context>
    <name>ShareButton</name>
    <message>
        <source>Share</source>
        <extracomment>Button 145 pixels wide with a menu: send, take in or print circuits.</extracomment>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Export circuit...</source>
        <extracomment>Menu entry: writes the circuit with its exercises to one file.</extracomment>
        <translation>Exporter le circuit...</translation>
    </message>
    <message>
        <source>Import...</source>
        <extracomment>Menu entry: adds the circuits of a file (also other timers&apos; exports).</extracomment>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Print circuit...</source>
        <extracomment>Menu entry: prints the circuit card, or saves it as a PDF.</extracomment>
        <translation>Imprimer le circuit...</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Stridewell cannot use the data folder: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Stridewell ne peut pas utiliser le dossier de données&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stridewell cannot use the data folder %1: %2</source>
        <extracomment>%1 is the folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Stridewell ne peut pas utiliser le dossier de données %1&#xa0;: %2</translation>
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
        <translation>Nous déclinons toute 
responsabilité en cas de 
blessure liée à l&apos;usage 
de ce programme. Si vous 
ne savez pas faire un 
exercice, ne le tentez 
pas avant qu&apos;on vous 
l&apos;ait montré.

Pensez aussi à bien vous 
échauffer avant de 
commencer un circuit.</translation>
    </message>
    <message>
        <source>Exercising</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Start Stridewell Now</source>
        <translation>Démarrer Stridewell</translation>
    </message>
    <message>
        <source>Check for new Circuits</source>
        <translation>Chercher des circuits</translation>
    </message>
    <message>
        <source>Check for new Exercises</source>
        <translation>Chercher des exercices</translation>
    </message>
    <message>
        <source>Launch Kinoradex</source>
        <translation>Ouvrir Kinoradex</translation>
    </message>
    <message>
        <source>Your training history</source>
        <translation>Votre historique</translation>
    </message>
    <message>
        <source>Close Stridewell</source>
        <extracomment>What a screen reader says of the launcher&apos;s close mark, a small cross in its corner.</extracomment>
        <translation>Fermer Stridewell</translation>
    </message>
</context>
<context>
    <name>Tform_Main</name>
    <message>
        <source>Information About The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Informations sur le circuit sélectionné</translation>
    </message>
    <message>
        <source>Start The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Démarrer le circuit sélectionné</translation>
    </message>
    <message>
        <source>Create A New Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Créer un nouveau circuit</translation>
    </message>
    <message>
        <source>Delete The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Supprimer le circuit sélectionné</translation>
    </message>
    <message>
        <source>Modify Exercises</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar: opens the exercise library.</extracomment>
        <translation>Modifier les exercices</translation>
    </message>
    <message>
        <source>Available Circuits</source>
        <extracomment>Heading over the list of the user&apos;s circuits.</extracomment>
        <translation>Circuits disponibles</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <extracomment>Column title over the circuits&apos; names, in a box 154 pixels wide (bold).</extracomment>
        <translation>Nom du circuit</translation>
    </message>
    <message>
        <source>Circuit Type</source>
        <extracomment>Column title over the circuits&apos; kinds (Upper Body, Legs...), 152 pixels wide (bold).</extracomment>
        <translation>Type de circuit</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Column title over each circuit&apos;s number of exercises, 152 pixels wide (bold).</extracomment>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Circuit Time</source>
        <extracomment>Column title over each circuit&apos;s planned time, 120 pixels wide (bold).</extracomment>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Circuit must be stopped before clicking here</source>
        <extracomment>A click on a bar button while a circuit is being run.</extracomment>
        <translation>Arrêtez le circuit avant de cliquer ici</translation>
    </message>
    <message>
        <source>This will delete the circuit and is not undoable. Continue?</source>
        <translation>Le circuit sera supprimé, sans retour possible. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Circuit: %1</source>
        <extracomment>Second line of the removal question; %1 is the circuit&apos;s name as the grid shows it.</extracomment>
        <translation>Circuit&#xa0;: %1</translation>
    </message>
    <message>
        <source>A circuit is running. Stop it and quit?</source>
        <extracomment>Asked with Yes and No when the main window is closed while a circuit runs.</extracomment>
        <translation>Un circuit est en cours. L&apos;arrêter et quitter ?</translation>
    </message>
</context>
<context>
    <name>Tframe_ExerciseStart</name>
    <message>
        <source>Description Of Exercise</source>
        <extracomment>Tool tip of the exercise picture before a circuit is loaded; once loaded it shows the exercise&apos;s own description.</extracomment>
        <translation>Description de l&apos;exercice</translation>
    </message>
    <message>
        <source>Click here for instructions on the exercise (Will pause your circuit)</source>
        <extracomment>A link below the runner, one line of 332 pixels in small type: keep it short.</extracomment>
        <translation>Cliquez ici pour les consignes de l&apos;exercice (met le circuit en pause)</translation>
    </message>
    <message>
        <source>Your Circuit</source>
        <extracomment>The runner&apos;s title strip.</extracomment>
        <translation>Votre circuit</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>The phase the clock counts, beside &quot;Rest&quot; in a picture of 200 pixels: about 95 pixels of bold text.</extracomment>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The phase the clock counts, beside &quot;Exercise&quot;: about 90 pixels of bold text.</extracomment>
        <translation>Repos</translation>
    </message>
    <message>
        <source>Start the circuit</source>
        <extracomment>What a screen reader says of the runner&apos;s Start picture button.</extracomment>
        <translation>Lancer le circuit</translation>
    </message>
    <message>
        <source>Stop the circuit</source>
        <extracomment>What a screen reader says of the runner&apos;s Stop picture button; Start goes on from there.</extracomment>
        <translation>Arrêter le circuit</translation>
    </message>
</context>
<context>
    <name>Tfrm_CircuitEdit</name>
    <message>
        <source>Circuit Modifier</source>
        <extracomment>Title of the circuit editor, in a strip across the frame.</extracomment>
        <translation>Éditeur de circuit</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <extracomment>Caption above the name field, 145 pixels wide.</extracomment>
        <translation>Nom du circuit</translation>
    </message>
    <message>
        <source>Circuit Type</source>
        <extracomment>Caption above the type list, 145 pixels wide.</extracomment>
        <translation>Type de circuit</translation>
    </message>
    <message>
        <source>Exercise Interval</source>
        <extracomment>Caption above a field of seconds, 145 pixels wide.</extracomment>
        <translation>Temps d&apos;exercice</translation>
    </message>
    <message>
        <source>Rest Interval</source>
        <extracomment>Caption above a field of seconds, 145 pixels wide.</extracomment>
        <translation>Temps de repos</translation>
    </message>
    <message>
        <source>Rounds and times...</source>
        <extracomment>Button 145 pixels wide that opens the circuit plan.</extracomment>
        <translation>Tours et durées...</translation>
    </message>
    <message>
        <source>Circuits Exercises</source>
        <extracomment>Title of the group 241 pixels wide that holds the circuit&apos;s exercises.</extracomment>
        <translation>Exercices du circuit</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Tool tip: adds the exercise chosen in the list to the circuit.</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Move Up</source>
        <extracomment>Tool tip: moves the selected exercise one place up in the circuit.</extracomment>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <extracomment>Tool tip: moves the selected exercise one place down in the circuit.</extracomment>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Tool tip: removes the selected exercise from the circuit.</extracomment>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Exercise to add</source>
        <extracomment>Read out by screen readers for the list of exercises to add to the circuit.</extracomment>
        <translation>Exercice à ajouter</translation>
    </message>
</context>
<context>
    <name>Tfrm_CircuitInfo</name>
    <message>
        <source>Circuit Information</source>
        <extracomment>Title of the circuit information panel, in a strip across it.</extracomment>
        <translation>Informations sur le circuit</translation>
    </message>
    <message>
        <source>Circuit Name:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Nom du circuit&#xa0;:</translation>
    </message>
    <message>
        <source>Circuit Type:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Type de circuit&#xa0;:</translation>
    </message>
    <message>
        <source>Exercises:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Exercices&#xa0;:</translation>
    </message>
    <message>
        <source>Total Circuit Time:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Durée totale&#xa0;:</translation>
    </message>
    <message>
        <source>Rest Interval:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Temps de repos&#xa0;:</translation>
    </message>
    <message>
        <source>Exercise Interval:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Temps d&apos;exercice&#xa0;:</translation>
    </message>
    <message>
        <source>Click here for more information on the selected exercise.</source>
        <extracomment>A link 283 pixels wide that opens the exercise&apos;s page in the browser.</extracomment>
        <translation>Cliquez ici pour en savoir plus sur l&apos;exercice sélectionné.</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Read out by screen readers for the list of the shown circuit&apos;s exercises.</extracomment>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Exercise description</source>
        <extracomment>Read out by screen readers for the description of the selected exercise.</extracomment>
        <translation>Description de l&apos;exercice</translation>
    </message>
</context>
<context>
    <name>Tfrm_ExerciseFrame</name>
    <message>
        <source>Exercise Editor</source>
        <extracomment>Title of the exercise library editor, in a strip across the frame.</extracomment>
        <translation>Éditeur d&apos;exercices</translation>
    </message>
    <message>
        <source>Exercise Name</source>
        <extracomment>Column head of the exercise grid, 152 pixels wide in a large bold font.
----------
Caption above the name field, 193 pixels wide.</extracomment>
        <translation>Nom d&apos;exercice</translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>Column head of the exercise grid, 104 pixels wide in a large bold font.</extracomment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Exercise Description</source>
        <extracomment>Column head of the exercise grid, over the rest of the width.
----------
Caption above the description field.</extracomment>
        <translation>Description de l&apos;exercice</translation>
    </message>
    <message>
        <source>Exercise Type</source>
        <extracomment>Caption above the type list, 145 pixels wide.</extracomment>
        <translation>Type d&apos;exercice</translation>
    </message>
    <message>
        <source>Save the exercise library</source>
        <extracomment>Tool tip of the save picture.</extracomment>
        <translation>Enregistrer la bibliothèque d&apos;exercices</translation>
    </message>
    <message>
        <source>Add a new exercise</source>
        <extracomment>Tool tip of the new exercise picture.</extracomment>
        <translation>Ajouter un nouvel exercice</translation>
    </message>
    <message>
        <source>Delete the selected exercise</source>
        <extracomment>Tool tip of the delete picture.</extracomment>
        <translation>Supprimer l&apos;exercice sélectionné</translation>
    </message>
    <message>
        <source>Exercise library</source>
        <extracomment>Read out by screen readers for the grid of every exercise in the library.</extracomment>
        <translation>Bibliothèque des exercices</translation>
    </message>
</context>
<context>
    <name>UnreadableCircuits</name>
    <message>
        <source>This circuit file could not be read and is not listed:</source>
        <extracomment>Followed by the file&apos;s path and the reason, on a line of their own.</extracomment>
        <translation>Ce fichier de circuit n&apos;a pas pu être lu et n&apos;apparaît pas dans la liste&#xa0;:</translation>
    </message>
    <message>
        <source>These circuit files could not be read and are not listed:</source>
        <translation>Ces fichiers de circuit n&apos;ont pas pu être lus et n&apos;apparaissent pas dans la liste&#xa0;:</translation>
    </message>
</context>
<context>
    <name>UpdateMessages</name>
    <message>
        <source>The download module could not be loaded</source>
        <translation>Le module de téléchargement n&apos;a pas pu être chargé</translation>
    </message>
    <message>
        <source>The server name %1 is unknown</source>
        <extracomment>%1 is the server&apos;s host name.</extracomment>
        <translation>Le nom de serveur %1 est inconnu</translation>
    </message>
    <message>
        <source>No connection to %1</source>
        <extracomment>%1 is the server&apos;s host and port: &quot;localhost:80&quot;.</extracomment>
        <translation>Connexion impossible à %1</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>Le délai de connexion a expiré</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>Le serveur a fermé la connexion sans répondre</translation>
    </message>
    <message>
        <source>The connection was lost</source>
        <translation>La connexion a été perdue</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <extracomment>%1 is the HTTP status code: &quot;404&quot;.</extracomment>
        <translation>Le serveur a répondu %1</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>La réponse du serveur n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>The server&apos;s answer did not give its length</source>
        <translation>La réponse du serveur n&apos;indiquait pas sa longueur</translation>
    </message>
    <message>
        <source>The server&apos;s answer was cut short</source>
        <translation>La réponse du serveur a été tronquée</translation>
    </message>
    <message>
        <source>The server&apos;s answer was empty</source>
        <translation>La réponse du serveur était vide</translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large</source>
        <translation>La réponse du serveur était trop volumineuse</translation>
    </message>
    <message>
        <source>The server sent the program to another address</source>
        <translation>Le serveur a renvoyé le programme vers une autre adresse</translation>
    </message>
    <message>
        <source>The server redirected the program too often</source>
        <translation>Le serveur a redirigé le programme trop de fois</translation>
    </message>
    <message>
        <source>The server&apos;s answer %1</source>
        <extracomment>%1 says what was wrong with the answer: &quot;is empty&quot;.</extracomment>
        <translation>Réponse du serveur&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <extracomment>%1 is the path of a file.</extracomment>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>The download was stopped</source>
        <translation>Le téléchargement a été interrompu</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Le téléchargement a échoué</translation>
    </message>
    <message>
        <source>%1 Exercises Added. The exercise library is full (%2 exercises)</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 exercices ajoutés. La bibliothèque d&apos;exercices est pleine (%2 exercices)</translation>
    </message>
    <message>
        <source>%1 Exercises Added</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 exercices ajoutés</translation>
    </message>
    <message>
        <source>No new exercises available at this time</source>
        <translation>Aucun nouvel exercice disponible pour le moment</translation>
    </message>
    <message>
        <source>No new circuits available at this time</source>
        <translation>Aucun nouveau circuit disponible pour le moment</translation>
    </message>
    <message>
        <source>New exercise file was refused: the server&apos;s answer %1</source>
        <translation>Nouveau fichier d&apos;exercices refusé&#xa0;; réponse du serveur&#xa0;: %1</translation>
    </message>
    <message>
        <source>New exercise file could not be found
%1</source>
        <translation>Nouveau fichier d&apos;exercices introuvable
%1</translation>
    </message>
    <message>
        <source>New circuit file was refused: the server&apos;s answer %1</source>
        <translation>Nouveau fichier de circuit refusé&#xa0;; réponse du serveur&#xa0;: %1</translation>
    </message>
    <message>
        <source>New circuit file could not be found
%1</source>
        <translation>Nouveau fichier de circuit introuvable
%1</translation>
    </message>
    <message>
        <source>%1 Circuits Added</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 circuits ajoutés</translation>
    </message>
    <message>
        <source>Circuit %1 was refused: the server&apos;s answer %2</source>
        <translation>Circuit %1 refusé&#xa0;; réponse du serveur&#xa0;: %2</translation>
    </message>
    <message>
        <source>Circuit %1 could not be downloaded
%2</source>
        <extracomment>%1 is the circuit file&apos;s name, %2 the reason on a line of its own.</extracomment>
        <translation>Impossible de télécharger le circuit %1
%2</translation>
    </message>
    <message>
        <source>is empty</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>holds NUL bytes</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;; NUL is the name of a byte value.</extracomment>
        <translation>contenant des octets NUL</translation>
    </message>
    <message>
        <source>is a web page</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>une page web</translation>
    </message>
    <message>
        <source>has no circuit name</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>sans nom de circuit</translation>
    </message>
    <message>
        <source>has no intervals</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>sans intervalles</translation>
    </message>
    <message>
        <source>has no exercises</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>sans exercices</translation>
    </message>
    <message>
        <source>has a bad key on line %1: %2</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;; %1 is a line number, %2 what is wrong with the key.</extracomment>
        <translation>clé incorrecte à la ligne %1 : %2</translation>
    </message>
</context>
</TS>
