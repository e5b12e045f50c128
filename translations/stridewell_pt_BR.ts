<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Não nos responsabilizamos 
por lesões sofridas com 
o uso deste programa. 
Se você não souber fazer 
algum exercício, não 
tente até que alguém 
lhe mostre como fazer.

Faça também um 
aquecimento adequado 
antes de cada circuito.</translation>
    </message>
    <message>
        <source>Exercising</source>
        <translation>Treino</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Start Stridewell Now</source>
        <translation>Iniciar o Stridewell</translation>
    </message>
    <message>
        <source>Check for new Circuits</source>
        <translation>Buscar novos circuitos</translation>
    </message>
    <message>
        <source>Check for new Exercises</source>
        <translation>Buscar novos exercícios</translation>
    </message>
    <message>
        <source>Launch Kinoradex</source>
        <translation>Abrir o Kinoradex</translation>
    </message>
    <message>
        <source>Your training history</source>
        <translation>Seu histórico</translation>
    </message>
</context>
</TS>
