<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>Tempo de resolução</translation>
    </message>
    <message>
        <source>3D cube</source>
        <translation>Cubo 3D</translation>
    </message>
    <message>
        <source>2D cube</source>
        <translation>Cubo 2D</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Best:</source>
        <translation>Melhor:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>Pior:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>Média:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>Desvio:</translation>
    </message>
    <message>
        <source>green</source>
        <comment>sticker colour</comment>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>sticker colour</comment>
        <translation>azul</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>sticker colour</comment>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>branco</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>laranja</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>Cima</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>Frente</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>Trás</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>Cima</translation>
    </message>
    <message>
        <source>prime</source>
        <comment>spoken after a face letter: F&apos; is &quot;F prime&quot;</comment>
        <translation>linha</translation>
    </message>
    <message>
        <source>two</source>
        <comment>spoken after a face letter: F2 is &quot;F two&quot;</comment>
        <translation>dois</translation>
    </message>
    <message>
        <source>Scramble: %1.</source>
        <comment>spoken; %1 is the turns</comment>
        <translation>Embaralhamento: %1.</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>Inspeção %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>Já</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>Salvo %1.</translation>
    </message>
    <message>
        <source>Plus two, %1.</source>
        <comment>spoken for a +2 penalty; %1 is the time</comment>
        <translation>Mais dois, %1.</translation>
    </message>
    <message>
        <source>DNF.</source>
        <comment>spoken</comment>
        <translation>DNF.</translation>
    </message>
    <message>
        <source>Discarded.</source>
        <comment>spoken</comment>
        <translation>Descartado.</translation>
    </message>
</context>
<context>
    <name>cubetimer::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>Escrito por: Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>Escrito em C++20 com o kit de ferramentas Qt 6 Widgets. Compilado com CMake; cada tempo é medido com o relógio monotônico do sistema.</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Agradecimentos:</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>à comunidade de speedcubing, cujos timers, notação e hábitos moldaram este programa.</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>a cada clube e fórum de cubo mágico que compartilha embaralhamentos, métodos e dicas com iniciantes.</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>Muito obrigado ao autor do código de simulação do cubo em 3D.</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>Por fim, obrigado a todas as pessoas que me ajudaram no passado a melhorar como programador.</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>Relate qualquer falha ou problema no site do produto, na seção Rubik&apos;s Cube.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>Enter ou Esc fecha a janela</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>Embaralhamentos para competição</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Copiado para a área de transferência</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>Detalhes da sessão</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Copiado para a área de transferência</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Salvar em arquivo</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>Salvar resultados em arquivo</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>Não foi possível salvar o arquivo!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>Editar tempo</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>s/100</source>
        <translation>s/100</translation>
    </message>
    <message>
        <source>Change!</source>
        <translation>Alterar!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>Centésimos</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>Não é possível adicionar um tempo nulo!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
</context>
<context>
    <name>cubetimer::MainWindow</name>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Countdown stopped</source>
        <translation>Inspeção interrompida</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>Não é possível usar DNF mais de uma vez na mesma sessão!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>A sessão terminou!<byte value="xd"/>
Deseja ver os resultados?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>Tem certeza de que deseja reiniciar a sessão inteira?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>Selecione o arquivo de texto com os embaralhamentos</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>Arquivo inacessível!</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>O arquivo está vazio! Serão gerados embaralhamentos aleatórios.</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>Formato de arquivo incorreto! Serão gerados embaralhamentos aleatórios.</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>O arquivo é grande demais! Serão gerados embaralhamentos aleatórios.</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>Acabaram os embaralhamentos importados! Serão gerados embaralhamentos aleatórios.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>+2</source>
        <translation>+2</translation>
    </message>
    <message>
        <source>DNF</source>
        <translation>DNF</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Countdown (s)</source>
        <translation>Inspeção (s)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessão</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 resoluções</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 resoluções</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>Números das resoluções</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tempos</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>F2 ou um clique duplo edita o tempo selecionado</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Embaralhamento</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>Embaralhar</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>13 embaralhamentos</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>Ver cubo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>Escrito por Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>Link: abre o site</translation>
    </message>
    <message>
        <source>3D Cube</source>
        <translation>Cubo 3D</translation>
    </message>
    <message>
        <source>2D Cube</source>
        <translation>Cubo 2D</translation>
    </message>
    <message>
        <source>Turn the whole cube as %1</source>
        <translation>Girar o cubo inteiro como %1</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Girar %1</translation>
    </message>
    <message>
        <source>Stackmat timer</source>
        <translation>Usar Stackmat</translation>
    </message>
    <message>
        <source>Timer reset: the solve is not recorded</source>
        <translation>Cronômetro zerado: a resolução não é registrada</translation>
    </message>
</context>
<context>
    <name>cubetimer::SplashWindow</name>
    <message>
        <source>Starting Quorvanta Rubik&apos;s Timer</source>
        <translation>Iniciando o Quorvanta Rubik&apos;s Timer</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>Lê um cronômetro Stackmat na entrada de som padrão</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat desligado</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>Lê um cronômetro Stackmat na entrada de som padrão: %1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat: sem sinal</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat: cronômetro encontrado</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat: sinal perdido, a resolução continua</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat: sinal perdido</translation>
    </message>
</context>
</TS>
