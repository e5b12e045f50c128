<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
</context>
</TS>
