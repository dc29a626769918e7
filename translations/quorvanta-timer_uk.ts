<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>Час збирання</translation>
    </message>
    <message>
        <source>3D cube</source>
        <translation>3D-кубик</translation>
    </message>
    <message>
        <source>2D cube</source>
        <translation>2D-кубик</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Best:</source>
        <translation>Найкраще:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>Найгірше:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>Середнє:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>Відхилення:</translation>
    </message>
    <message>
        <source>green</source>
        <comment>sticker colour</comment>
        <translation>зелений</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>sticker colour</comment>
        <translation>синій</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>sticker colour</comment>
        <translation>жовтий</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>білий</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>червоний</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>помаранчевий</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>Верхня</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>Ліва</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>Передня</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>Права</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>Задня</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>Нижня</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>Верхня</translation>
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
        <translation>Скрембл: %1.</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>Інспекція %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>Збережено %1.</translation>
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
        <translation>Відкинуто.</translation>
    </message>
</context>
<context>
    <name>cubetimer::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>Автор: Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>Написано на C++20 з інструментарієм Qt 6 Widgets. Зібрано за допомогою CMake; кожен час вимірюється монотонним годинником системи.</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Подяки:</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>спільноті спідкуберів, чиї таймери, нотація та звички сформували цю програму.</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>кожному клубу й форуму кубістів, які діляться скремблами, методами та порадами з новачками.</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>Щира подяка авторові коду симуляції 3D-кубика.</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>Насамкінець дякую всім, хто колись допоміг мені вдосконалити навички програмування.</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>Будь ласка, повідомляйте про будь-які помилки чи проблеми на вебсайті продукту, у розділі Rubik&apos;s Cube.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>Enter або Escape закриває вікно</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>Скрембли для змагань</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Скопійовано в буфер обміну</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>Подробиці сесії</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Скопійовано в буфер обміну</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Зберегти у файл</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>Зберегти результати у файл</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстові файли (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>Не вдалося зберегти файл!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ПОМИЛКА</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>Редагувати час</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Хвилини</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунди</translation>
    </message>
    <message>
        <source>s/100</source>
        <translation>с/100</translation>
    </message>
    <message>
        <source>Change!</source>
        <translation>Змінити!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>Соті</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>Не можна додати нульовий час!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ПОМИЛКА</translation>
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
        <translation>Інспекцію зупинено</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>DNF можна використати лише один раз за сесію!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ПОМИЛКА</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>Сесію завершено!<byte value="xd"/>
Показати результати?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>Ви справді хочете скинути всю сесію?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>Виберіть текстовий файл зі скремблами</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>Файл недоступний!</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>Файл порожній! Буде згенеровано випадкові скрембли.</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>Неправильний формат файлу! Буде згенеровано випадкові скрембли.</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>Файл завеликий! Буде згенеровано випадкові скрембли.</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>Імпортовані скрембли закінчилися! Буде згенеровано випадкові скрембли.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Інфо</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Керування</translation>
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
        <translation>Відкинути</translation>
    </message>
    <message>
        <source>Countdown (s)</source>
        <translation>Інспекція (с)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Сесія</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 збирань</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 збирань</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробиці</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>Номери збирань</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>F2 або подвійне клацання редагує вибраний час</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Скрембл</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>Новий скрембл</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>Створити 13 скремблів</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>Показати кубик</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>Автор: Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>Посилання: відкриває вебсайт</translation>
    </message>
    <message>
        <source>3D Cube</source>
        <translation>3D-кубик</translation>
    </message>
    <message>
        <source>2D Cube</source>
        <translation>2D-кубик</translation>
    </message>
    <message>
        <source>Turn the whole cube as %1</source>
        <translation>Повернути весь кубик як %1</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Повернути %1</translation>
    </message>
    <message>
        <source>Stackmat timer</source>
        <translation>Таймер Stackmat</translation>
    </message>
    <message>
        <source>Timer reset: the solve is not recorded</source>
        <translation>Таймер скинуто: збирання не записано</translation>
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
        <translation>Завантаження</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>Читає таймер Stackmat зі звукового входу за замовчуванням</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat вимкнено</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>Читає таймер Stackmat зі звукового входу за замовчуванням: %1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat: немає сигналу</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat: таймер знайдено</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat: сигнал втрачено, збирання триває</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat: сигнал втрачено</translation>
    </message>
</context>
</TS>
