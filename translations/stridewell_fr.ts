<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
blessure liée à l'usage 
de ce programme. Si vous 
ne savez pas faire un 
exercice, ne le tentez 
pas avant qu'on vous 
l'ait montré.

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
</context>
</TS>
