<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</context>
</TS>
