<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
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
        <translation>Nie ponosimy żadnej 
odpowiedzialności za 
urazy powstałe w wyniku 
korzystania z programu. 
Jeśli nie wiesz, jak 
wykonać ćwiczenie, nie 
próbuj, dopóki ktoś ci 
go nie pokaże.

Pamiętaj też o 
odpowiedniej rozgrzewce 
przed każdym obwodem.</translation>
    </message>
    <message>
        <source>Exercising</source>
        <translation>Trening</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Zastrzeżenie</translation>
    </message>
    <message>
        <source>Start Stridewell Now</source>
        <translation>Uruchom Stridewell</translation>
    </message>
    <message>
        <source>Check for new Circuits</source>
        <translation>Szukaj nowych obwodów</translation>
    </message>
    <message>
        <source>Check for new Exercises</source>
        <translation>Szukaj nowych ćwiczeń</translation>
    </message>
    <message>
        <source>Launch Kinoradex</source>
        <translation>Otwórz Kinoradex</translation>
    </message>
    <message>
        <source>Your training history</source>
        <translation>Historia treningów</translation>
    </message>
</context>
</TS>
