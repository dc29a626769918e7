<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>Tiempo de resolución</translation>
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
        <translation>Mejor:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>Peor:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>Media:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>Desviación:</translation>
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
        <translation>amarillo</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>blanco</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>rojo</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>naranja</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>Frente</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>prime</source>
        <comment>spoken after a face letter: F&apos; is &quot;F prime&quot;</comment>
        <translation>prima</translation>
    </message>
    <message>
        <source>two</source>
        <comment>spoken after a face letter: F2 is &quot;F two&quot;</comment>
        <translation>dos</translation>
    </message>
    <message>
        <source>Scramble: %1.</source>
        <comment>spoken; %1 is the turns</comment>
        <translation>Mezcla: %1.</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>Inspección %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>Ya</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>Guardado %1.</translation>
    </message>
    <message>
        <source>Plus two, %1.</source>
        <comment>spoken for a +2 penalty; %1 is the time</comment>
        <translation>Más dos, %1.</translation>
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
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>Escrito por: Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>Escrito en C++20 con el conjunto de herramientas Qt 6 Widgets. Compilado con CMake; cada tiempo se mide con el reloj monótono del sistema.</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Gracias a:</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>la comunidad speedcubing, cuyos timers, notación y costumbres dieron forma a este programa.</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>cada club y foro de cubos que comparte mezclas, métodos y consejos con los principiantes.</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>Muchas gracias al autor del código de simulación del cubo en 3D.</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>Por último, gracias a todas las personas que me ayudaron en el pasado a mejorar como programador.</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>Informe de cualquier fallo o problema en el sitio web del producto, en su sección Rubik&apos;s Cube.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>Intro o Escape cierra la ventana</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>Mezclas para competición</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Copiado al portapapeles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>Detalles de la sesión</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Copiado al portapapeles</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>Guardar resultados en archivo</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>¡No se pudo guardar el archivo!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>Editar tiempo</translation>
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
        <translation>¡Cambiar!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>Centésimas</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>¡No se puede añadir un tiempo nulo!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
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
        <translation>Inspección detenida</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>¡No se puede usar DNF más de una vez en una misma sesión!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>¡La sesión ha terminado!<byte value="xd"/>
¿Desea ver los resultados?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>¿Seguro que desea reiniciar toda la sesión?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>Seleccione el archivo de texto con las mezclas</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>¡No se puede acceder al archivo!</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>¡El archivo está vacío! Se generarán mezclas aleatorias.</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>¡Formato de archivo incorrecto! Se generarán mezclas aleatorias.</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>¡El archivo es demasiado grande! Se generarán mezclas aleatorias.</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>¡No quedan mezclas importadas! Se generarán mezclas aleatorias.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
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
        <translation>Inspección (s)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 tiempos</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 tiempos</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>Números de resolución</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tiempos</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>F2 o un doble clic edita el tiempo seleccionado</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>Importar mezclas</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>Nueva mezcla</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>Generar 13 mezclas</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>Ver cubo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>Escrito por Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>Enlace: abre el sitio web</translation>
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
        <translation>Girar todo el cubo como %1</translation>
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
        <translation>Temporizador reiniciado: el intento no se registra</translation>
    </message>
</context>
<context>
    <name>cubetimer::SplashWindow</name>
    <message>
        <source>Starting Quorvanta Rubik&apos;s Timer</source>
        <translation>Iniciando Quorvanta Rubik&apos;s Timer</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>Lee un temporizador Stackmat en la entrada de sonido predeterminada</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat desactivado</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>Lee un temporizador Stackmat en la entrada de sonido predeterminada: %1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat: sin señal</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat: temporizador encontrado</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat: señal perdida, el intento continúa</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat: señal perdida</translation>
    </message>
</context>
</TS>
