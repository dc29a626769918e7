<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>Время сборки</translation>
    </message>
    <message>
        <source>3D cube</source>
        <translation>Кубик 3D</translation>
    </message>
    <message>
        <source>2D cube</source>
        <translation>Кубик 2D</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Best:</source>
        <translation>Лучшее:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>Худшее:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>Среднее:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>Отклонение:</translation>
    </message>
    <message>
        <source>green</source>
        <comment>sticker colour</comment>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>sticker colour</comment>
        <translation>синий</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>sticker colour</comment>
        <translation>жёлтый</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>белый</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>красный</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>оранжевый</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>Верхняя</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>Левая</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>Передняя</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>Правая</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>Задняя</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>Нижняя</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>Верхняя</translation>
    </message>
    <message>
        <source>prime</source>
        <comment>spoken after a face letter: F&apos; is &quot;F prime&quot;</comment>
        <translation>штрих</translation>
    </message>
    <message>
        <source>two</source>
        <comment>spoken after a face letter: F2 is &quot;F two&quot;</comment>
        <translation>два</translation>
    </message>
    <message>
        <source>Scramble: %1.</source>
        <comment>spoken; %1 is the turns</comment>
        <translation>Скрамбл: %1.</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>Осмотр %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>Записано %1.</translation>
    </message>
    <message>
        <source>Plus two, %1.</source>
        <comment>spoken for a +2 penalty; %1 is the time</comment>
        <translation>Плюс два, %1.</translation>
    </message>
    <message>
        <source>DNF.</source>
        <comment>spoken</comment>
        <translation>DNF.</translation>
    </message>
    <message>
        <source>Discarded.</source>
        <comment>spoken</comment>
        <translation>Отброшено.</translation>
    </message>
</context>
<context>
    <name>cubetimer::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>Автор: Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>Написано на C++20 с набором Qt 6 Widgets. Собрано с помощью CMake; каждое время измеряется монотонными часами системы.</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Благодарности:</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>сообществу спидкуберов, чьи таймеры, нотация и привычки сформировали эту программу.</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>каждому клубу и форуму кубистов, которые делятся скрамблами, методами и советами с новичками.</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>Большое спасибо автору кода трёхмерной модели кубика.</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>И наконец, спасибо всем, кто в прошлом помог мне научиться лучше программировать.</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>Об ошибках и проблемах сообщайте на сайте продукта, в разделе Rubik&apos;s Cube.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>Enter или Escape закрывает окно</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>Скрамблы для соревнования</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Скопировано в буфер обмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>Подробности сессии</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Скопировано в буфер обмена</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>Сохранить результаты в файл</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>Не удалось сохранить файл!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>Изменить время</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>s/100</source>
        <translation>с/100</translation>
    </message>
    <message>
        <source>Change!</source>
        <translation>Изменить!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>Сотые</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>Нельзя добавить нулевое время!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
</context>
<context>
    <name>cubetimer::MainWindow</name>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Countdown stopped</source>
        <translation>Осмотр остановлен</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>В одной сессии DNF можно использовать только один раз!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>Сессия завершена!<byte value="xd"/>
Показать результаты?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>Вы действительно хотите сбросить всю сессию?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>Выберите текстовый файл со скрамблами</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>Файл недоступен!</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>Файл пуст! Будут созданы случайные скрамблы.</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>Неверный формат файла! Будут созданы случайные скрамблы.</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>Файл слишком большой! Будут созданы случайные скрамблы.</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>Импортированные скрамблы закончились! Будут созданы случайные скрамблы.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Управление</translation>
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
        <translation>Отбросить</translation>
    </message>
    <message>
        <source>Countdown (s)</source>
        <translation>Осмотр (с)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Сессия</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 сборок</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 сборок</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробно</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>Номера сборок</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>F2 или двойной щелчок изменяет выбранное время</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Скрамбл</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>Новый скрамбл</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>Создать 13 скрамблов</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>Показать кубик</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>Автор: Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>Ссылка: открывает сайт</translation>
    </message>
    <message>
        <source>3D Cube</source>
        <translation>Кубик 3D</translation>
    </message>
    <message>
        <source>2D Cube</source>
        <translation>Кубик 2D</translation>
    </message>
    <message>
        <source>Turn the whole cube as %1</source>
        <translation>Повернуть весь кубик как %1</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Повернуть %1</translation>
    </message>
    <message>
        <source>Stackmat timer</source>
        <translation>Таймер Stackmat</translation>
    </message>
    <message>
        <source>Timer reset: the solve is not recorded</source>
        <translation>Таймер сброшен: сборка не записана</translation>
    </message>
</context>
<context>
    <name>cubetimer::SplashWindow</name>
    <message>
        <source>Starting Quorvanta Rubik&apos;s Timer</source>
        <translation>Запуск Quorvanta Rubik&apos;s Timer</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Загрузка</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>Читает таймер Stackmat со звукового входа по умолчанию</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat выключен</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>Читает таймер Stackmat со звукового входа по умолчанию: %1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat: нет сигнала</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat: таймер найден</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat: сигнал потерян, сборка продолжается</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat: сигнал потерян</translation>
    </message>
</context>
</TS>
