<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BigClockWindow</name>
    <message>
        <source>Warm-up</source>
        <extracomment>The big clock&apos;s phase word, drawn large before the status: keep it short.</extracomment>
        <translation>Aquecimento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>The big clock&apos;s phase word, drawn large before the status: keep it short.</extracomment>
        <translation>Desaquecimento</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The big clock&apos;s phase word during a rest: keep it short.</extracomment>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>The big clock&apos;s phase word during an exercise: keep it short.</extracomment>
        <translation>Exercício</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>No web browser could be started. The page&apos;s address is:</source>
        <extracomment>Followed by the page&apos;s address on a line of its own, for the user to copy.</extracomment>
        <translation>Não foi possível abrir nenhum navegador. O endereço da página é:</translation>
    </message>
</context>
<context>
    <name>CircuitCardWords</name>
    <message>
        <source>Planned time</source>
        <extracomment>Printed circuit card: above the circuit&apos;s planned time, top right.</extracomment>
        <translation>Tempo previsto</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Printed circuit card: the number of exercises, followed by the count.</extracomment>
        <translation>Exercícios</translation>
    </message>
    <message>
        <source>Rounds</source>
        <extracomment>Printed circuit card: the number of rounds, followed by the count.</extracomment>
        <translation>Rodadas</translation>
    </message>
    <message>
        <source>Rest between rounds</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Descanso entre rodadas</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Aquecimento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>Printed circuit card, followed by a duration.</extracomment>
        <translation>Desaquecimento</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>Column title of the printed circuit card: the exercise&apos;s name.</extracomment>
        <translation>Exercício</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>Column title of the printed circuit card: the time of work; a narrow column.</extracomment>
        <translation>Trabalho</translation>
    </message>
    <message>
        <source>Rest before</source>
        <extracomment>Column title of the printed circuit card: the rest before the exercise; a narrow column.</extracomment>
        <translation>Descanso antes</translation>
    </message>
    <message>
        <source>Reps</source>
        <extracomment>Column title of the printed circuit card: repetitions; a narrow column.</extracomment>
        <translation>Repet.</translation>
    </message>
    <message>
        <source>Sides</source>
        <extracomment>Column title of the printed circuit card: 1, or 2 for left then right; a narrow column.</extracomment>
        <translation>Lados</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>Column title of the printed circuit card: the exercise&apos;s description.</extracomment>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>This circuit has no exercises.</source>
        <extracomment>Printed circuit card, in place of the table of a circuit without exercises.</extracomment>
        <translation>Este circuito não tem exercícios.</translation>
    </message>
    <message>
        <source>Printing is not available: the print module of this installation is missing or belongs to another version of the program.</source>
        <translation>Não é possível imprimir: o módulo de impressão desta instalação está faltando ou pertence a outra versão do programa.</translation>
    </message>
    <message>
        <source>The circuit card could not be printed.</source>
        <translation>Não foi possível imprimir o cartão do circuito.</translation>
    </message>
</context>
<context>
    <name>CircuitPlanDialog</name>
    <message>
        <source>None</source>
        <extracomment>A field of seconds set to nothing: no rest between rounds, no warm-up, no cool-down.</extracomment>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>The circuit&apos;s value</source>
        <extracomment>Tool tip of a grey cell that shows the circuit&apos;s own time or count.</extracomment>
        <translation>Valor do circuito</translation>
    </message>
    <message>
        <source>Circuit plan</source>
        <extracomment>Title of the dialog of rounds, warm-up, cool-down and each exercise&apos;s times.</extracomment>
        <translation>Plano do circuito</translation>
    </message>
    <message>
        <source>Rounds</source>
        <extracomment>Caption of the field of the number of rounds.</extracomment>
        <translation>Rodadas</translation>
    </message>
    <message>
        <source>Rest between rounds</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Descanso entre rodadas</translation>
    </message>
    <message>
        <source>None: rounds 2 and on begin with the first exercise&apos;s own rest.</source>
        <extracomment>Read out by screen readers for the field of rest between rounds.</extracomment>
        <translation>Nenhum: da rodada 2 em diante, cada rodada começa com o descanso do primeiro exercício.</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Aquecimento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <extracomment>Caption of a field of seconds.</extracomment>
        <translation>Desaquecimento</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>Unit after the number in a field of seconds, with its leading space.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Times are in seconds. An empty cell takes the circuit&apos;s value, shown in grey.</source>
        <translation>Os tempos estão em segundos. Uma célula vazia usa o valor do circuito, mostrado em cinza.</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Read out by screen readers for the table of the circuit&apos;s exercises.</extracomment>
        <translation>Exercícios</translation>
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
        <translation>Circuitos do Stridewell (*.stridewell);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Import circuits</source>
        <translation>Importar circuitos</translation>
    </message>
    <message>
        <source>Circuits and other timers&apos; exports (*.stridewell *.json *.feeel *.txt);;All files (*)</source>
        <extracomment>File types of the open dialog; keep the patterns in brackets and &quot;;;&quot;.</extracomment>
        <translation>Circuitos e exportações de outros cronômetros (*.stridewell *.json *.feeel *.txt);;Todos os arquivos (*)</translation>
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
        <translation>Uso: stridewell [OPÇÃO]...
Um temporizador para treino em circuito: mantém uma biblioteca de exercícios,
monta circuitos com eles e faz a contagem regressiva de cada circuito, com um
aviso a cada mudança.

      --data-dir=DIR  guarda a biblioteca de exercícios e os circuitos em DIR
      --plan=FILE     mostra as fases de um arquivo de circuito e o seu tempo
                      planejado em segundos, uma por linha, e sai
      --lang=CODE     usa este idioma (de, fr, es, it, pt_BR, nl, pl;
                      en para inglês) em vez do idioma da área de trabalho
      --help          mostra esta ajuda e sai
      --version       mostra as informações de versão e sai

Sem --data-dir, os dados ficam junto ao programa quando ele pode gravar ali;
senão, em $XDG_DATA_HOME/stridewell (~/.local/share/stridewell), pasta que é
criada e preenchida com exercícios e circuitos iniciais na primeira execução.
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
Com o que o programa abre, na cópia que já está rodando na pasta de dados,
se houver:
      --run=NOME      iniciar o circuito com esse nome
      --run-last      iniciar o último circuito
      --history       abrir o histórico
      FILE            importar FILE e mostrar o que foi adicionado

Sem tela, uma linha no stdout por coisa feita:
      --export NOME FILE  gravar o circuito NOME com seus exercícios em FILE
      --import FILE       adicionar os circuitos (e exercícios) de FILE: um
                          arquivo .stridewell ou exportação de outro cronômetro
      --print NOME FILE   gravar o cartão do circuito NOME em FILE (PDF)
</translation>
    </message>
</context>
<context>
    <name>DBusScreenAwake</name>
    <message>
        <source>A circuit is running</source>
        <extracomment>Why the screen saver is held off, as the desktop may list it.</extracomment>
        <translation>Um circuito está em andamento</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The &amp; marks the key that answers with it (Alt+Y).</extracomment>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>The &amp; marks the key that answers with it (Alt+N).</extracomment>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>EditorWords</name>
    <message>
        <source>Circuit needs a name before modifying it.</source>
        <translation>O circuito precisa de um nome antes de ser modificado.</translation>
    </message>
    <message>
        <source>A circuit name cannot be made of dots only.</source>
        <translation>O nome de um circuito não pode ser formado só por pontos.</translation>
    </message>
    <message>
        <source>A circuit name cannot contain control characters such as tabs.</source>
        <translation>O nome de um circuito não pode conter caracteres de controle, como tabulações.</translation>
    </message>
    <message>
        <source>A circuit name cannot contain the character %1. Leave out / \ &lt; &gt; : &quot; | ? and *.</source>
        <extracomment>%1 is one of the characters the sentence lists after it.</extracomment>
        <translation>O nome de um circuito não pode conter o caractere %1. Não use / \ &lt; &gt; : &quot; | ? nem *.</translation>
    </message>
    <message>
        <source>Another circuit is already stored as &quot;%1&quot;. Choose another name before modifying this circuit.</source>
        <extracomment>%1 is a circuit&apos;s name.</extracomment>
        <translation>Já existe outro circuito salvo como &quot;%1&quot;. Escolha outro nome antes de modificar este circuito.</translation>
    </message>
    <message>
        <source>The circuit keeps its name &quot;%1&quot;.</source>
        <extracomment>Follows the reason a new name was refused. %1 is the circuit&apos;s name.</extracomment>
        <translation>O circuito mantém o nome &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Create a circuit or open one before modifying it.</source>
        <translation>Crie ou abra um circuito antes de modificá-lo.</translation>
    </message>
    <message>
        <source>Choose a circuit type before modifying this circuit.</source>
        <translation>Escolha um tipo de circuito antes de modificar este circuito.</translation>
    </message>
    <message>
        <source>A circuit holds at most %1 exercises. Remove one before adding another.</source>
        <translation>Um circuito comporta no máximo %1 exercícios. Remova um antes de adicionar outro.</translation>
    </message>
    <message>
        <source>An exercise name cannot hold a tab character.</source>
        <translation>O nome de um exercício não pode conter tabulações.</translation>
    </message>
    <message>
        <source>The exercise library is full: it holds %1 exercises. Delete an exercise before adding a new one.</source>
        <translation>A biblioteca de exercícios está cheia: ela contém %1 exercícios. Exclua um exercício antes de adicionar um novo.</translation>
    </message>
    <message>
        <source>exercises.lst holds more exercises than the library can take. Only the first %1 exercises were loaded.</source>
        <extracomment>exercises.lst is a file name and stays as it is.</extracomment>
        <translation>exercises.lst contém mais exercícios do que a biblioteca comporta. Só os primeiros %1 exercícios foram carregados.</translation>
    </message>
    <message numerus="yes">
        <source>%n circuit uses &quot;%1&quot;. Rename it to &quot;%2&quot; in that circuit too?</source>
        <extracomment>A question with Yes and No. %1 is the exercise&apos;s old name, %2 the new one.</extracomment>
        <translation>
            <numerusform>%n circuito usa &quot;%1&quot;. Renomeá-lo para &quot;%2&quot; também nesse circuito?</numerusform>
            <numerusform>%n circuitos usam &quot;%1&quot;. Renomeá-lo para &quot;%2&quot; também nesses circuitos?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n circuits use &quot;%1&quot;. Rename it to &quot;%2&quot; in those circuits too?</source>
        <extracomment>A question with Yes and No. %1 is the exercise&apos;s old name, %2 the new one.</extracomment>
        <translation>
            <numerusform>%n circuito usa &quot;%1&quot;. Renomeá-lo para &quot;%2&quot; também nesse circuito?</numerusform>
            <numerusform>%n circuitos usam &quot;%1&quot;. Renomeá-lo para &quot;%2&quot; também nesses circuitos?</numerusform>
        </translation>
    </message>
    <message>
        <source>New Circuit</source>
        <extracomment>A new circuit&apos;s name, also its file name; a number follows when it is taken.</extracomment>
        <translation>Novo circuito</translation>
    </message>
    <message>
        <source>New Exercise</source>
        <extracomment>A new exercise&apos;s name in the exercise library.</extracomment>
        <translation>Novo exercício</translation>
    </message>
    <message>
        <source>Enter a description for your new exercise</source>
        <translation>Digite uma descrição para o seu novo exercício</translation>
    </message>
    <message>
        <source>Upper Body</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Parte superior</translation>
    </message>
    <message>
        <source>Abdominal</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Abdominais</translation>
    </message>
    <message>
        <source>Lower Body</source>
        <extracomment>A type of exercise and of circuit, in a list 145 pixels wide.</extracomment>
        <translation>Parte inferior</translation>
    </message>
    <message>
        <source>Multiple Area Workout</source>
        <extracomment>The type of circuit that takes exercises of every type; in a list 145 pixels wide.</extracomment>
        <translation>Corpo inteiro</translation>
    </message>
    <message>
        <source>Circuit Name: %1</source>
        <extracomment>Information panel; %1 is the circuit&apos;s name. Keep the length.</extracomment>
        <translation>Nome do circuito: %1</translation>
    </message>
    <message>
        <source>Circuit Type: %1</source>
        <extracomment>Information panel; %1 is the circuit&apos;s type as its file holds it. Keep the length.</extracomment>
        <translation>Tipo de circuito: %1</translation>
    </message>
    <message>
        <source>Exercises: %1</source>
        <extracomment>Information panel; %1 is a count. Keep the length.</extracomment>
        <translation>Exercícios: %1</translation>
    </message>
    <message>
        <source>Total Circuit Time: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Tempo total: %1</translation>
    </message>
    <message>
        <source>Exercise Interval: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Tempo de exercício: %1</translation>
    </message>
    <message>
        <source>Rest Interval: %1</source>
        <extracomment>Information panel; %1 is a duration. Keep the length.</extracomment>
        <translation>Tempo de descanso: %1</translation>
    </message>
    <message>
        <source>Rounds: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a count.</extracomment>
        <translation>Rodadas: %1</translation>
    </message>
    <message>
        <source>Rest Between Rounds: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Descanso entre rodadas: %1</translation>
    </message>
    <message>
        <source>Warm-up: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Aquecimento: %1</translation>
    </message>
    <message>
        <source>Cool-down: %1</source>
        <extracomment>Information panel, above the description 217 pixels wide; %1 is a duration.</extracomment>
        <translation>Desaquecimento: %1</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>Column title of the circuit plan: the exercise&apos;s name.</extracomment>
        <translation>Exercício</translation>
    </message>
    <message>
        <source>Rest before</source>
        <extracomment>Column title of the circuit plan: seconds of rest before the exercise.</extracomment>
        <translation>Descanso antes</translation>
    </message>
    <message>
        <source>Work</source>
        <extracomment>Column title of the circuit plan: seconds of work.</extracomment>
        <translation>Trabalho</translation>
    </message>
    <message>
        <source>Reps</source>
        <extracomment>Column title of the circuit plan: repetitions.</extracomment>
        <translation>Repet.</translation>
    </message>
    <message>
        <source>Sides</source>
        <extracomment>Column title of the circuit plan: 1 or 2 sides of the body, one after the other.</extracomment>
        <translation>Lados</translation>
    </message>
    <message>
        <source>Exercise &quot;%1&quot;, column &quot;%2&quot;: &quot;%3&quot; is not a whole number.</source>
        <extracomment>%1 is the exercise&apos;s name, %2 a column title, %3 the text typed into the cell.</extracomment>
        <translation>Exercício &quot;%1&quot;, coluna &quot;%2&quot;: &quot;%3&quot; não é um número inteiro.</translation>
    </message>
    <message>
        <source>Exercise &quot;%1&quot;, column &quot;%2&quot;: %3 is out of range.</source>
        <extracomment>%1 is the exercise&apos;s name, %2 a column title, %3 the number typed into the cell.</extracomment>
        <translation>Exercício &quot;%1&quot;, coluna &quot;%2&quot;: %3 está fora do intervalo permitido.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell to use the circuit&apos;s rest interval.</source>
        <translation>Digite um número inteiro de %1 a %2 ou esvazie a célula para usar o tempo de descanso do circuito.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell to use the circuit&apos;s exercise interval.</source>
        <translation>Digite um número inteiro de %1 a %2 ou esvazie a célula para usar o tempo de exercício do circuito.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell for a timed exercise.</source>
        <translation>Digite um número inteiro de %1 a %2 ou esvazie a célula para um exercício por tempo.</translation>
    </message>
    <message>
        <source>Type a whole number from %1 to %2, or empty the cell for one side.</source>
        <translation>Digite um número inteiro de %1 a %2 ou esvazie a célula para um lado só.</translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Unexpected error</source>
        <extracomment>An error that came without a text of its own.</extracomment>
        <translation>Erro inesperado</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>&quot;%1&quot; is not a key=value word</source>
        <extracomment>%1 is a word of a circuit file, as written; &quot;key=value&quot; is a technical term.</extracomment>
        <translation>&quot;%1&quot; não é uma palavra chave=valor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <extracomment>%1 is a key of a circuit file (&quot;rounds&quot;), which stays English.</extracomment>
        <translation>&quot;%1&quot; aparece duas vezes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number from %2 to %3</source>
        <extracomment>%1 is a key of a circuit file (&quot;rounds&quot;), which stays English; %2 and %3 the range.</extracomment>
        <translation>&quot;%1&quot; deve ser um número de %2 a %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number, %3 what is wrong with a key there.</extracomment>
        <translation>%1, linha %2: %3</translation>
    </message>
    <message>
        <source>The circuit &quot;%1&quot; lists %2 exercises, more than the %3 a circuit can hold, so it is not stored: its file stays as it is.</source>
        <extracomment>%1 is the circuit&apos;s name, %2 the exercises its file lists (more than %3).</extracomment>
        <translation>O circuito &quot;%1&quot; lista %2 exercícios, mais do que os %3 que um circuito comporta, por isso não foi salvo: o arquivo dele fica como está.</translation>
    </message>
    <message>
        <source>The exercise &quot;%1&quot; has a tab character in its name, so its times cannot be stored with it. Rename it in the exercise library first.</source>
        <translation>O exercício &quot;%1&quot; tem um caractere de tabulação no nome, por isso os tempos dele não podem ser salvos com ele. Renomeie-o primeiro na biblioteca de exercícios.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <extracomment>%1 is the library file&apos;s path, %2 why it could not be read.</extracomment>
        <translation>Não foi possível ler %1 (%2)</translation>
    </message>
    <message>
        <source>%1 holds more than %2 exercises, more than the library can take</source>
        <translation>%1 contém mais de %2 exercícios, mais do que a biblioteca comporta</translation>
    </message>
    <message>
        <source>The exercise library is not saved to %1: %2, and saving would replace what the file holds. The file stays as it is; mend it and start Stridewell again.</source>
        <extracomment>%1 is the library file&apos;s path; %2 says why the program does not hold all of it.</extracomment>
        <translation>A biblioteca de exercícios não é salva em %1: %2, e salvar substituiria o que o arquivo contém. O arquivo fica como está; corrija-o e inicie o Stridewell de novo.</translation>
    </message>
    <message>
        <source>The history cannot be exported over itself</source>
        <translation>O histórico não pode ser exportado sobre si mesmo</translation>
    </message>
    <message>
        <source>%1 is not a Stridewell circuit file</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 não é um arquivo de circuito do Stridewell</translation>
    </message>
    <message>
        <source>%1 was written by a newer Stridewell (format %2)</source>
        <extracomment>%1 is a file&apos;s path, %2 the number of its format.</extracomment>
        <translation>%1 foi gravado por um Stridewell mais novo (formato %2)</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 está incompleto</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB</source>
        <extracomment>%1 is a file&apos;s path, %2 a size in mebibytes.</extracomment>
        <translation>%1 tem mais de %2 MiB</translation>
    </message>
    <message>
        <source>%1 is damaged at line %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1 está danificado na linha %2</translation>
    </message>
    <message>
        <source>%1 is neither a Stridewell circuit nor an export of Just Another Workout Timer, OpenHIIT, Feeel or TimeR Machine</source>
        <extracomment>%1 is a file&apos;s path; the others are names of other interval timers.</extracomment>
        <translation>%1 não é um circuito do Stridewell nem uma exportação do Just Another Workout Timer, OpenHIIT, Feeel ou TimeR Machine</translation>
    </message>
    <message>
        <source>%1: the circuit name &quot;%2&quot; cannot be a file name</source>
        <extracomment>%1 is a file&apos;s path, %2 the name of a circuit it holds.</extracomment>
        <translation>%1: o nome de circuito &quot;%2&quot; não pode ser um nome de arquivo</translation>
    </message>
    <message>
        <source>%1 holds no circuit that can be imported</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 não contém nenhum circuito que possa ser importado</translation>
    </message>
    <message>
        <source>%1 is one of Stridewell&apos;s own data files; choose another file</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 é um dos arquivos de dados do próprio Stridewell; escolha outro arquivo</translation>
    </message>
    <message>
        <source>%1 cannot be imported: this installation lacks its import module</source>
        <extracomment>%1 is a file&apos;s path; the module is a part of the program&apos;s installation.</extracomment>
        <translation>%1 não pode ser importado: falta a esta instalação o seu módulo de importação</translation>
    </message>
</context>
<context>
    <name>FinishNotice</name>
    <message>
        <source>Trained for %1</source>
        <extracomment>The second line of the notice at a run&apos;s finish; %1 is the time run: &quot;12:34&quot;.</extracomment>
        <translation>Treinado: %1</translation>
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
        <translation>Minutos de treino por semana</translation>
    </message>
</context>
<context>
    <name>HistoryTableModel</name>
    <message>
        <source>Finished</source>
        <comment>outcome of a run</comment>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2</source>
        <extracomment>Outcome of a run: &quot;Stopped after 4 of 10&quot; exercises.</extracomment>
        <translation>Parado após %1 de %2</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column title: when the run started.</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>Time run</source>
        <extracomment>Column title over the run&apos;s minutes and seconds, about 70 pixels wide.</extracomment>
        <translation>Duração</translation>
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
        <translation>Seu histórico</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Lendo o histórico...</translation>
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
        <translation>Este mês</translation>
    </message>
    <message>
        <source>All time</source>
        <extracomment>Caption of the box with the time trained since the first run.</extracomment>
        <translation>Desde o início</translation>
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
        <translation>1 treino</translation>
    </message>
    <message numerus="yes">
        <source>%Ln runs</source>
        <extracomment>None, or two runs or more: &quot;0 runs&quot;, &quot;4 runs&quot;.</extracomment>
        <translation>
            <numerusform>%Ln treinos</numerusform>
            <numerusform>%Ln treinos</numerusform>
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
        <translation>Não foi possível ler o histórico (%1).</translation>
    </message>
    <message>
        <source>1 damaged line in the file was skipped.</source>
        <translation>1 linha danificada do arquivo foi ignorada.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln damaged lines in the file were skipped.</source>
        <extracomment>Two lines or more.</extracomment>
        <translation>
            <numerusform>%Ln linha danificada do arquivo foi ignorada.</numerusform>
            <numerusform>%Ln linhas danificadas do arquivo foram ignoradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>No runs yet.</source>
        <translation>Nenhum treino ainda.</translation>
    </message>
    <message>
        <source>Saved a copy as %1</source>
        <extracomment>%1 is the path of the CSV file just written.</extracomment>
        <translation>Cópia salva como %1</translation>
    </message>
    <message>
        <source>Export your training history</source>
        <translation>Exportar seu histórico</translation>
    </message>
    <message>
        <source>training-history.csv</source>
        <extracomment>The suggested file name; keep &quot;.csv&quot;.</extracomment>
        <translation>historico-de-treinos.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>File types of the save dialog; keep &quot;(*.csv)&quot;, &quot;(*)&quot; and &quot;;;&quot;.</extracomment>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Runs</source>
        <extracomment>Read out by screen readers for the table of every run, newest first.</extracomment>
        <translation>Treinos</translation>
    </message>
</context>
<context>
    <name>ImportWords</name>
    <message>
        <source>%1 is not all UTF-8 text; it was read as Latin-1, so check the accented letters</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 não é todo texto UTF-8; foi lido como Latin-1, então confira as letras acentuadas</translation>
    </message>
    <message>
        <source>%1 holds no workouts</source>
        <extracomment>%1 is a file&apos;s path.</extracomment>
        <translation>%1 não contém treinos</translation>
    </message>
    <message>
        <source>Workout %1 of the file could not be read and was not imported</source>
        <extracomment>%1 is the place of a workout without a name in the file (1, 2, ...).</extracomment>
        <translation>O treino %1 do arquivo não pôde ser lido e não foi importado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read and was not imported</source>
        <extracomment>%1 is a workout&apos;s name.</extracomment>
        <translation>&quot;%1&quot; não pôde ser lido e não foi importado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in TimeR Machine&apos;s trash and was not imported</source>
        <extracomment>%1 is a workout&apos;s name; TimeR Machine is another timer&apos;s name.</extracomment>
        <translation>&quot;%1&quot; está na lixeira do TimeR Machine e não foi importado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: it has %2 rounds, and a circuit has 1 to %3</source>
        <extracomment>%1 is a workout&apos;s name, %2 its rounds, %3 the most a circuit can have.</extracomment>
        <translation>&quot;%1&quot; não foi importado: tem %2 rodadas, e um circuito tem de 1 a %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: a time of %2 seconds is longer than the %3 seconds a circuit allows</source>
        <extracomment>%1 is a workout&apos;s name, %2 and %3 times in seconds.</extracomment>
        <translation>&quot;%1&quot; não foi importado: um tempo de %2 segundos é maior que os %3 segundos que um circuito permite</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not imported: it has %2 exercises, more than the %3 a circuit can hold</source>
        <extracomment>%1 is a workout&apos;s name, %2 its exercises, %3 the most a circuit can hold.</extracomment>
        <translation>&quot;%1&quot; não foi importado: tem %2 exercícios, mais que os %3 que cabem em um circuito</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has parts with different rounds, so it became %2 circuits, &quot;%1 1&quot; to &quot;%1 %2&quot;</source>
        <extracomment>%1 is a workout&apos;s name, %2 how many circuits it became, named &quot;%1 1&quot; to &quot;%1 %2&quot;.</extracomment>
        <translation>&quot;%1&quot; tem partes com números de rodadas diferentes, então virou %2 circuitos, de &quot;%1 1&quot; a &quot;%1 %2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no exercises; it was imported as an empty circuit</source>
        <extracomment>%1 is a circuit&apos;s name.</extracomment>
        <translation>&quot;%1&quot; não tem exercícios; foi importado como um circuito vazio</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 exercises of 0 seconds were left out</source>
        <extracomment>%1 is a workout&apos;s name, %2 how many of its exercises last 0 seconds.</extracomment>
        <translation>&quot;%1&quot;: %2 exercícios de 0 segundo foram deixados de fora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses Feeel exercise %2, whose name this program does not know; it was imported as &quot;%3&quot;</source>
        <extracomment>%1 is a workout&apos;s name, %2 Feeel&apos;s number of an exercise, %3 the name it was given.</extracomment>
        <translation>&quot;%1&quot; usa o exercício %2 do Feeel, cujo nome este programa não conhece; foi importado como &quot;%3&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: times that were not whole seconds were rounded to whole seconds</source>
        <extracomment>%1 is a workout&apos;s name.</extracomment>
        <translation>&quot;%1&quot;: tempos que não eram segundos inteiros foram arredondados para segundos inteiros</translation>
    </message>
    <message>
        <source>Imported from %1, an export of %2:</source>
        <translation>Importado de %1, uma exportação do %2:</translation>
    </message>
    <message>
        <source>Imported from %1:</source>
        <translation>Importado de %1:</translation>
    </message>
    <message>
        <source>Added the circuit &quot;%1&quot;.</source>
        <translation>Circuito &quot;%1&quot; adicionado.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more circuits.</source>
        <translation>
            <numerusform>... e mais %n circuito.</numerusform>
            <numerusform>... e mais %n circuitos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added the exercise &quot;%1&quot; to the library.</source>
        <translation>Exercício &quot;%1&quot; adicionado à biblioteca.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more exercises.</source>
        <translation>
            <numerusform>... e mais %n exercício.</numerusform>
            <numerusform>... e mais %n exercícios.</numerusform>
        </translation>
    </message>
    <message>
        <source>The library is full: &quot;%1&quot; was not added, and the circuits name it still.</source>
        <translation>A biblioteca está cheia: &quot;%1&quot; não foi adicionado, e os circuitos continuam a citá-lo.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more exercises were not added.</source>
        <translation>
            <numerusform>... e mais %n exercício não foi adicionado.</numerusform>
            <numerusform>... e mais %n exercícios não foram adicionados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>Stridewell is already running in %1. Use the window that is open; this copy ends without changing anything.</source>
        <extracomment>%1 is the data folder&apos;s path, ending in &quot;/&quot;.</extracomment>
        <translation>O Stridewell já está em execução em %1. Use a janela que está aberta; esta cópia será encerrada sem alterar nada.</translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Caminho não encontrado</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acesso ao arquivo negado</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco cheio</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Arquivos abertos demais</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Erro de gravação no disco</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Erro de leitura do disco</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Número inválido</translation>
    </message>
</context>
<context>
    <name>RunOptionsMenu</name>
    <message>
        <source>Speak exercise names</source>
        <extracomment>A run option on the runner&apos;s context menu: the exercises&apos; names are spoken.</extracomment>
        <translation>Falar os nomes dos exercícios</translation>
    </message>
    <message>
        <source>Count down the last three seconds</source>
        <extracomment>A run option: a tick sounds at 3, 2 and 1 seconds left.</extracomment>
        <translation>Contar os três últimos segundos</translation>
    </message>
    <message>
        <source>Keep the screen awake during a run</source>
        <extracomment>A run option: the screen saver is held off while a circuit runs.</extracomment>
        <translation>Manter a tela ligada durante o treino</translation>
    </message>
    <message>
        <source>Chime</source>
        <extracomment>A cue sound on the run options&apos; Sound submenu: the designed two-note chime.</extracomment>
        <translation>Carrilhão</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A cue sound on the Sound submenu: one struck bell.</extracomment>
        <translation>Sino</translation>
    </message>
    <message>
        <source>Double beep</source>
        <extracomment>A cue sound on the Sound submenu: two short electronic beeps, as of a sports watch.</extracomment>
        <translation>Bipe duplo</translation>
    </message>
    <message>
        <source>Gong</source>
        <extracomment>A cue sound on the Sound submenu: a low gong.</extracomment>
        <translation>Gongo</translation>
    </message>
    <message>
        <source>Big clock on the other screen</source>
        <extracomment>A run option: with two screens or more (a projector, a television), the big clock (F11) fills a screen the main window is not on.</extracomment>
        <translation>Relógio grande na outra tela</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>A submenu of the run options: the sound played at every change of phase.</extracomment>
        <translation>Som</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>A submenu of the run options: how loud the cue, the countdown and the voice are.</extracomment>
        <translation>Volume</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A volume on the Volume submenu, in percent of the designed loudness (%1 is 10 to 100).</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Count each interval exactly</source>
        <extracomment>A run option: an interval of 30 seconds lasts exactly 30 seconds, its clock showing 30 down to 1, instead of also showing 0 for a second.</extracomment>
        <translation>Contar cada intervalo com exatidão</translation>
    </message>
</context>
<context>
    <name>RunWords</name>
    <message>
        <source>This circuit has no exercises</source>
        <extracomment>The runner&apos;s status label, after Start on a circuit without exercises.</extracomment>
        <translation>Este circuito não tem exercícios</translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>The runner&apos;s status label while a run is paused. Large type on one line: keep it short.</extracomment>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Finished</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label once the circuit has run to its end. Keep it short.</extracomment>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during the warm-up phase. Keep it short.</extracomment>
        <translation>Aquecimento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during the cool-down phase. Keep it short.</extracomment>
        <translation>Desaquecimento</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during a rest; %1 is the exercise due next. Large type on one line of about 480 pixels with the name: keep it short.</extracomment>
        <translation>Próximo: %1</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during an exercise; %1 is the exercise. Large type on one line of about 480 pixels with the name: keep it short.</extracomment>
        <translation>Agora: %1</translation>
    </message>
    <message>
        <source>Now: %1 x %2</source>
        <comment>status label</comment>
        <extracomment>The runner&apos;s status label during a repetition exercise: %1 repetitions of the exercise %2 (&quot;Now: 15 x Push-Up&quot;). Large type on one line: keep it short.</extracomment>
        <translation>Agora: %1 x %2</translation>
    </message>
    <message>
        <source>Warm-up</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as the warm-up begins.</extracomment>
        <translation>Aquecimento</translation>
    </message>
    <message>
        <source>Cool-down</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as the cool-down begins.</extracomment>
        <translation>Desaquecimento</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as a rest begins; %1 is the exercise due next.</extracomment>
        <translation>A seguir: %1</translation>
    </message>
    <message>
        <source>Next: %1 %2</source>
        <comment>spoken</comment>
        <extracomment>Spoken aloud as a rest begins: %1 repetitions of the exercise %2 come next (&quot;Next: 15 Push-Up&quot;).</extracomment>
        <translation>A seguir: %1 %2</translation>
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
        <translation>Troque de lado</translation>
    </message>
    <message>
        <source>Circuit finished</source>
        <extracomment>Spoken aloud as the circuit ends.</extracomment>
        <translation>Circuito concluído</translation>
    </message>
    <message>
        <source>Round %1 of %2. %3</source>
        <extracomment>Spoken aloud as round %1 of %2 begins; %3 is the phrase of the phase that begins with it, e.g. &quot;Next: Squat&quot;.</extracomment>
        <translation>Rodada %1 de %2. %3</translation>
    </message>
    <message>
        <source>%1 left · %2 / %3 · round %4 / %5</source>
        <extracomment>Below the runner&apos;s clock: %1 the circuit&apos;s time left (&quot;12:34&quot;), at exercise %2 of %3, in round %4 of %5. The line is 160 pixels wide in 11-pixel type: abbreviate rather than lengthen.</extracomment>
        <translation>faltam %1 · %2 / %3 · rod. %4 / %5</translation>
    </message>
    <message>
        <source>%1 left · %2 / %3</source>
        <extracomment>Below the runner&apos;s clock: %1 the circuit&apos;s time left (&quot;12:34&quot;), at exercise %2 of %3. The line is 160 pixels wide in 11-pixel type.</extracomment>
        <translation>faltam %1 · %2 / %3</translation>
    </message>
    <message>
        <source>Your training history could not be saved (%1). The run goes on, but it will be missing from the history.</source>
        <extracomment>%1 is the system&apos;s reason, e.g. &quot;No space left on device&quot;.</extracomment>
        <translation>Não foi possível salvar seu histórico (%1). O treino continua, mas não vai constar no histórico.</translation>
    </message>
    <message>
        <source>en</source>
        <comment>espeak-ng voice</comment>
        <extracomment>Not shown: the espeak-ng voice that speaks this translation, as its language code: de, fr, es, it, pt-br, nl, pl, ...</extracomment>
        <translation>pt-br</translation>
    </message>
    <message>
        <source>Last exercise</source>
        <extracomment>On the big clock, in small type under the status during the last exercise of the circuit, where &quot;Next: %1&quot; names the exercise that follows the others.</extracomment>
        <translation>Último exercício</translation>
    </message>
</context>
<context>
    <name>ShareButton</name>
    <message>
        <source>Share</source>
        <extracomment>Button 145 pixels wide with a menu: send, take in or print circuits.</extracomment>
        <translation>Compartilhar</translation>
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
        <translation>O Stridewell não pode usar a pasta de dados: %1</translation>
    </message>
    <message>
        <source>Stridewell cannot use the data folder %1: %2</source>
        <extracomment>%1 is the folder&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>O Stridewell não pode usar a pasta de dados %1: %2</translation>
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
    <message>
        <source>Close Stridewell</source>
        <extracomment>What a screen reader says of the launcher&apos;s close mark, a small cross in its corner.</extracomment>
        <translation>Fechar o Stridewell</translation>
    </message>
</context>
<context>
    <name>Tform_Main</name>
    <message>
        <source>Information About The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Informações sobre o circuito selecionado</translation>
    </message>
    <message>
        <source>Start The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Iniciar o circuito selecionado</translation>
    </message>
    <message>
        <source>Create A New Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Criar um novo circuito</translation>
    </message>
    <message>
        <source>Delete The Selected Circuit</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar (title case in English).</extracomment>
        <translation>Excluir o circuito selecionado</translation>
    </message>
    <message>
        <source>Modify Exercises</source>
        <extracomment>Tool tip of a picture button of the main window&apos;s bar: opens the exercise library.</extracomment>
        <translation>Modificar exercícios</translation>
    </message>
    <message>
        <source>Available Circuits</source>
        <extracomment>Heading over the list of the user&apos;s circuits.</extracomment>
        <translation>Circuitos disponíveis</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <extracomment>Column title over the circuits&apos; names, in a box 154 pixels wide (bold).</extracomment>
        <translation>Nome do circuito</translation>
    </message>
    <message>
        <source>Circuit Type</source>
        <extracomment>Column title over the circuits&apos; kinds (Upper Body, Legs...), 152 pixels wide (bold).</extracomment>
        <translation>Tipo de circuito</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Column title over each circuit&apos;s number of exercises, 152 pixels wide (bold).</extracomment>
        <translation>Exercícios</translation>
    </message>
    <message>
        <source>Circuit Time</source>
        <extracomment>Column title over each circuit&apos;s planned time, 120 pixels wide (bold).</extracomment>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Circuit must be stopped before clicking here</source>
        <extracomment>A click on a bar button while a circuit is being run.</extracomment>
        <translation>Pare o circuito antes de clicar aqui</translation>
    </message>
    <message>
        <source>This will delete the circuit and is not undoable. Continue?</source>
        <translation>Isto vai excluir o circuito e não pode ser desfeito. Continuar?</translation>
    </message>
    <message>
        <source>Circuit: %1</source>
        <extracomment>Second line of the removal question; %1 is the circuit&apos;s name as the grid shows it.</extracomment>
        <translation>Circuito: %1</translation>
    </message>
    <message>
        <source>A circuit is running. Stop it and quit?</source>
        <extracomment>Asked with Yes and No when the main window is closed while a circuit runs.</extracomment>
        <translation>Um circuito está em andamento. Pará-lo e sair?</translation>
    </message>
</context>
<context>
    <name>Tframe_ExerciseStart</name>
    <message>
        <source>Description Of Exercise</source>
        <extracomment>Tool tip of the exercise picture before a circuit is loaded; once loaded it shows the exercise&apos;s own description.</extracomment>
        <translation>Descrição do exercício</translation>
    </message>
    <message>
        <source>Click here for instructions on the exercise (Will pause your circuit)</source>
        <extracomment>A link below the runner, one line of 332 pixels in small type: keep it short.</extracomment>
        <translation>Clique aqui para ver como fazer o exercício (pausa o seu circuito)</translation>
    </message>
    <message>
        <source>Your Circuit</source>
        <extracomment>The runner&apos;s title strip.</extracomment>
        <translation>Seu circuito</translation>
    </message>
    <message>
        <source>Exercise</source>
        <extracomment>The phase the clock counts, beside &quot;Rest&quot; in a picture of 200 pixels: about 95 pixels of bold text.</extracomment>
        <translation>Exercício</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The phase the clock counts, beside &quot;Exercise&quot;: about 90 pixels of bold text.</extracomment>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Start the circuit</source>
        <extracomment>What a screen reader says of the runner&apos;s Start picture button.</extracomment>
        <translation>Iniciar o circuito</translation>
    </message>
    <message>
        <source>Stop the circuit</source>
        <extracomment>What a screen reader says of the runner&apos;s Stop picture button; Start goes on from there.</extracomment>
        <translation>Parar o circuito</translation>
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
        <translation>Nome do circuito</translation>
    </message>
    <message>
        <source>Circuit Type</source>
        <extracomment>Caption above the type list, 145 pixels wide.</extracomment>
        <translation>Tipo de circuito</translation>
    </message>
    <message>
        <source>Exercise Interval</source>
        <extracomment>Caption above a field of seconds, 145 pixels wide.</extracomment>
        <translation>Tempo de exercício</translation>
    </message>
    <message>
        <source>Rest Interval</source>
        <extracomment>Caption above a field of seconds, 145 pixels wide.</extracomment>
        <translation>Tempo de descanso</translation>
    </message>
    <message>
        <source>Rounds and times...</source>
        <extracomment>Button 145 pixels wide that opens the circuit plan.</extracomment>
        <translation>Rodadas e tempos...</translation>
    </message>
    <message>
        <source>Circuits Exercises</source>
        <extracomment>Title of the group 241 pixels wide that holds the circuit&apos;s exercises.</extracomment>
        <translation>Exercícios do circuito</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Tool tip: adds the exercise chosen in the list to the circuit.</extracomment>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <extracomment>Tool tip: moves the selected exercise one place up in the circuit.</extracomment>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <extracomment>Tool tip: moves the selected exercise one place down in the circuit.</extracomment>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Tool tip: removes the selected exercise from the circuit.</extracomment>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Exercise to add</source>
        <extracomment>Read out by screen readers for the list of exercises to add to the circuit.</extracomment>
        <translation>Exercício a adicionar</translation>
    </message>
</context>
<context>
    <name>Tfrm_CircuitInfo</name>
    <message>
        <source>Circuit Information</source>
        <extracomment>Title of the circuit information panel, in a strip across it.</extracomment>
        <translation>Informações do circuito</translation>
    </message>
    <message>
        <source>Circuit Name:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Nome do circuito:</translation>
    </message>
    <message>
        <source>Circuit Type:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Tipo de circuito:</translation>
    </message>
    <message>
        <source>Exercises:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Exercícios:</translation>
    </message>
    <message>
        <source>Total Circuit Time:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Tempo total:</translation>
    </message>
    <message>
        <source>Rest Interval:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Tempo de descanso:</translation>
    </message>
    <message>
        <source>Exercise Interval:</source>
        <extracomment>Information panel before a circuit is shown. Keep the length.</extracomment>
        <translation>Tempo de exercício:</translation>
    </message>
    <message>
        <source>Click here for more information on the selected exercise.</source>
        <extracomment>A link 283 pixels wide that opens the exercise&apos;s page in the browser.</extracomment>
        <translation>Clique para saber mais sobre o exercício selecionado.</translation>
    </message>
    <message>
        <source>Exercises</source>
        <extracomment>Read out by screen readers for the list of the shown circuit&apos;s exercises.</extracomment>
        <translation>Exercícios</translation>
    </message>
    <message>
        <source>Exercise description</source>
        <extracomment>Read out by screen readers for the description of the selected exercise.</extracomment>
        <translation>Descrição do exercício</translation>
    </message>
</context>
<context>
    <name>Tfrm_ExerciseFrame</name>
    <message>
        <source>Exercise Editor</source>
        <extracomment>Title of the exercise library editor, in a strip across the frame.</extracomment>
        <translation>Editor de exercícios</translation>
    </message>
    <message>
        <source>Exercise Name</source>
        <extracomment>Column head of the exercise grid, 152 pixels wide in a large bold font.
----------
Caption above the name field, 193 pixels wide.</extracomment>
        <translation>Nome</translation>
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
        <translation>Descrição do exercício</translation>
    </message>
    <message>
        <source>Exercise Type</source>
        <extracomment>Caption above the type list, 145 pixels wide.</extracomment>
        <translation>Tipo de exercício</translation>
    </message>
    <message>
        <source>Save the exercise library</source>
        <extracomment>Tool tip of the save picture.</extracomment>
        <translation>Salvar a biblioteca de exercícios</translation>
    </message>
    <message>
        <source>Add a new exercise</source>
        <extracomment>Tool tip of the new exercise picture.</extracomment>
        <translation>Adicionar um novo exercício</translation>
    </message>
    <message>
        <source>Delete the selected exercise</source>
        <extracomment>Tool tip of the delete picture.</extracomment>
        <translation>Excluir o exercício selecionado</translation>
    </message>
    <message>
        <source>Exercise library</source>
        <extracomment>Read out by screen readers for the grid of every exercise in the library.</extracomment>
        <translation>Biblioteca de exercícios</translation>
    </message>
</context>
<context>
    <name>UnreadableCircuits</name>
    <message>
        <source>This circuit file could not be read and is not listed:</source>
        <extracomment>Followed by the file&apos;s path and the reason, on a line of their own.</extracomment>
        <translation>Não foi possível ler este arquivo de circuito, por isso ele não aparece na lista:</translation>
    </message>
    <message>
        <source>These circuit files could not be read and are not listed:</source>
        <translation>Não foi possível ler estes arquivos de circuito, por isso eles não aparecem na lista:</translation>
    </message>
</context>
<context>
    <name>UpdateMessages</name>
    <message>
        <source>The download module could not be loaded</source>
        <translation>Não foi possível carregar o módulo de download</translation>
    </message>
    <message>
        <source>The server name %1 is unknown</source>
        <extracomment>%1 is the server&apos;s host name.</extracomment>
        <translation>O nome de servidor %1 é desconhecido</translation>
    </message>
    <message>
        <source>No connection to %1</source>
        <extracomment>%1 is the server&apos;s host and port: &quot;localhost:80&quot;.</extracomment>
        <translation>Sem conexão com %1</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>O tempo limite da conexão se esgotou</translation>
    </message>
    <message>
        <source>The server closed the connection without an answer</source>
        <translation>O servidor fechou a conexão sem responder</translation>
    </message>
    <message>
        <source>The connection was lost</source>
        <translation>A conexão foi perdida</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <extracomment>%1 is the HTTP status code: &quot;404&quot;.</extracomment>
        <translation>O servidor respondeu %1</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>Não foi possível ler a resposta do servidor</translation>
    </message>
    <message>
        <source>The server&apos;s answer did not give its length</source>
        <translation>A resposta do servidor não informou o tamanho</translation>
    </message>
    <message>
        <source>The server&apos;s answer was cut short</source>
        <translation>A resposta do servidor veio incompleta</translation>
    </message>
    <message>
        <source>The server&apos;s answer was empty</source>
        <translation>A resposta do servidor veio vazia</translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large</source>
        <translation>A resposta do servidor era grande demais</translation>
    </message>
    <message>
        <source>The server sent the program to another address</source>
        <translation>O servidor mandou o programa para outro endereço</translation>
    </message>
    <message>
        <source>The server redirected the program too often</source>
        <translation>O servidor redirecionou o programa vezes demais</translation>
    </message>
    <message>
        <source>The server&apos;s answer %1</source>
        <extracomment>%1 says what was wrong with the answer: &quot;is empty&quot;.</extracomment>
        <translation>A resposta do servidor %1</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <extracomment>%1 is the path of a file.</extracomment>
        <translation>Não foi possível gravar %1</translation>
    </message>
    <message>
        <source>The download was stopped</source>
        <translation>O download foi interrompido</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>O download falhou</translation>
    </message>
    <message>
        <source>%1 Exercises Added. The exercise library is full (%2 exercises)</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 exercícios adicionados. A biblioteca de exercícios está cheia (%2 exercícios)</translation>
    </message>
    <message>
        <source>%1 Exercises Added</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 exercícios adicionados</translation>
    </message>
    <message>
        <source>No new exercises available at this time</source>
        <translation>Nenhum exercício novo disponível no momento</translation>
    </message>
    <message>
        <source>No new circuits available at this time</source>
        <translation>Nenhum circuito novo disponível no momento</translation>
    </message>
    <message>
        <source>New exercise file was refused: the server&apos;s answer %1</source>
        <translation>O novo arquivo de exercícios foi recusado: a resposta do servidor %1</translation>
    </message>
    <message>
        <source>New exercise file could not be found
%1</source>
        <translation>O novo arquivo de exercícios não foi encontrado
%1</translation>
    </message>
    <message>
        <source>New circuit file was refused: the server&apos;s answer %1</source>
        <translation>O novo arquivo de circuitos foi recusado: a resposta do servidor %1</translation>
    </message>
    <message>
        <source>New circuit file could not be found
%1</source>
        <translation>O novo arquivo de circuitos não foi encontrado
%1</translation>
    </message>
    <message>
        <source>%1 Circuits Added</source>
        <extracomment>Title case in English, as the launcher&apos;s links.</extracomment>
        <translation>%1 circuitos adicionados</translation>
    </message>
    <message>
        <source>Circuit %1 was refused: the server&apos;s answer %2</source>
        <translation>O circuito %1 foi recusado: a resposta do servidor %2</translation>
    </message>
    <message>
        <source>Circuit %1 could not be downloaded
%2</source>
        <extracomment>%1 is the circuit file&apos;s name, %2 the reason on a line of its own.</extracomment>
        <translation>Não foi possível baixar o circuito %1
%2</translation>
    </message>
    <message>
        <source>is empty</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>está vazia</translation>
    </message>
    <message>
        <source>holds NUL bytes</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;; NUL is the name of a byte value.</extracomment>
        <translation>contém bytes NUL</translation>
    </message>
    <message>
        <source>is a web page</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>é uma página da web</translation>
    </message>
    <message>
        <source>has no circuit name</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>não tem nome de circuito</translation>
    </message>
    <message>
        <source>has no intervals</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>não tem intervalos</translation>
    </message>
    <message>
        <source>has no exercises</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;.</extracomment>
        <translation>não tem exercícios</translation>
    </message>
    <message>
        <source>has a bad key on line %1: %2</source>
        <extracomment>Completes &quot;the server&apos;s answer ...&quot;; %1 is a line number, %2 what is wrong with the key.</extracomment>
        <translation>tem uma chave inválida na linha %1: %2</translation>
    </message>
</context>
</TS>
