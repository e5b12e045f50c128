<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
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
        <translation>Wij aanvaarden geen 
aansprakelijkheid voor 
letsel door het gebruik 
van dit programma. Weet 
je niet hoe een oefening 
gaat, probeer die dan pas 
als iemand hem je heeft 
voorgedaan.

Zorg ook voor een goede 
warming-up vóór elk 
circuit.</translation>
    </message>
    <message>
        <source>Exercising</source>
        <translation>Trainen</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Vrijwaring</translation>
    </message>
    <message>
        <source>Start Stridewell Now</source>
        <translation>Stridewell starten</translation>
    </message>
    <message>
        <source>Check for new Circuits</source>
        <translation>Nieuwe circuits zoeken</translation>
    </message>
    <message>
        <source>Check for new Exercises</source>
        <translation>Nieuwe oefeningen zoeken</translation>
    </message>
    <message>
        <source>Launch Kinoradex</source>
        <translation>Kinoradex openen</translation>
    </message>
    <message>
        <source>Your training history</source>
        <translation>Je trainingsgeschiedenis</translation>
    </message>
</context>
</TS>
