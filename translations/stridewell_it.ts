<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
lesioni dovute all'uso 
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
</context>
</TS>
