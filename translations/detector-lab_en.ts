<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AnalysisMenu</name>
    <message>
        <source>%1: файл не найден</source>
        <translation type="vanished">%1: file not found</translation>
    </message>
    <message>
        <source>Окно «Характеристики» недоступно: не удалось загрузить его модуль.
%1</source>
        <translation type="vanished">The window “Characteristics” is not available: its module could not be loaded.
%1</translation>
    </message>
    <message>
        <source>Анализ</source>
        <translation type="vanished">Analysis</translation>
    </message>
    <message>
        <source>Характеристики…</source>
        <translation type="vanished">Characteristics…</translation>
    </message>
    <message>
        <source>%1: модуль от другой версии программы</source>
        <translation type="vanished">%1: the module is of another version of the program</translation>
    </message>
</context>
<context>
    <name>Comfun</name>
    <message>
        <source>%1:
Формат файлов %2 не поддерживается.Произведена коррекция.</source>
        <translation type="vanished">%1:
The file format %2 is not supported. The name has been corrected.</translation>
    </message>
</context>
<context>
    <name>EditFloatMessages</name>
    <message>
        <source>TEditInt: Максимальное значение должно быть больше минимального.</source>
        <translation type="vanished">TEditInt: The maximum must be greater than the minimum.</translation>
    </message>
    <message>
        <source>TEditInt: Минимальное значение должно быть меньше максимального.</source>
        <translation type="vanished">TEditInt: The minimum must be less than the maximum.</translation>
    </message>
    <message>
        <source>Введённое значение параметра меньше минимально-допустимого.
 Произведена коррекция.</source>
        <translation type="vanished">The value entered is less than the least allowed.
 It has been corrected.</translation>
    </message>
    <message>
        <source>Введённое значение параметра меньше минимально-допустимого.
 Прежнее значение параметра восстановлено.</source>
        <translation type="vanished">The value entered is less than the least allowed.
 The previous value has been restored.</translation>
    </message>
    <message>
        <source>Введённое значение параметра больше максимально-допустимого.
 Произведена коррекция.</source>
        <translation type="vanished">The value entered is greater than the greatest allowed.
 It has been corrected.</translation>
    </message>
    <message>
        <source>Введённое значение параметра больше максимально-допустимого.
 Прежнее значение параметра восстановлено.</source>
        <translation type="vanished">The value entered is greater than the greatest allowed.
 The previous value has been restored.</translation>
    </message>
    <message>
        <source>Строка ввода имеет некорректный формат или пуста. 
 Произведена коррекция.</source>
        <translation type="vanished">The text entered is no number or is empty.
 It has been corrected.</translation>
    </message>
    <message>
        <source>Строка ввода имеет некорректный формат или пуста. 
 Значение параметра восстановлено.</source>
        <translation type="vanished">The text entered is no number or is empty.
 The value has been restored.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Справка</source>
        <translation type="vanished">Help</translation>
    </message>
    <message>
        <source>Теория</source>
        <translation type="vanished">Theory</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation type="vanished">About</translation>
    </message>
</context>
<context>
    <name>JournalMenu</name>
    <message>
        <source>Журнал</source>
        <translation type="vanished">Journal</translation>
    </message>
    <message>
        <source>Журнал измерений</source>
        <translation type="vanished">Measurement journal</translation>
    </message>
    <message>
        <source>Новый сеанс…</source>
        <translation type="vanished">New session…</translation>
    </message>
    <message>
        <source>Продолжить сеанс…</source>
        <translation type="vanished">Continue a session…</translation>
    </message>
</context>
<context>
    <name>KeptJournal</name>
    <message>
        <source>Файл %1 не удаётся прочитать как журнал измерений.</source>
        <translation type="vanished">The file %1 cannot be read as a measurement journal.</translation>
    </message>
    <message>
        <source>Файл %1 не является журналом измерений программы (строка %2).</source>
        <translation type="vanished">The file %1 is not a measurement journal of the program (line %2).</translation>
    </message>
    <message>
        <source>Сеанс продолжается только в файле журнала, который программа хранит сама (journal-*.csv в папке %1), а файл %2 сохранён как «CSV для Excel».</source>
        <translation type="vanished">A session goes on only in a journal file that the program keeps itself (journal-*.csv in the folder %1), and the file %2 was saved as “CSV for Excel”.</translation>
    </message>
    <message>
        <source>Сеанс из файла %1 нельзя продолжить: строка %2 журнала не воспроизводится на стенде с начальным числом %3, то есть журнал изменён после записи.
Проверить журнал: detector-lab-sweep --verify %1</source>
        <translation type="vanished">The session of the file %1 cannot go on: line %2 of the journal does not reproduce on the bench with the seed %3, so the journal was changed after it was written.
To check the journal: detector-lab-sweep --verify %1</translation>
    </message>
    <message>
        <source>Сеанс из файла %1 нельзя продолжить: в этот файл не удаётся дописывать.</source>
        <translation type="vanished">The session of the file %1 cannot go on: the file cannot be appended to.</translation>
    </message>
    <message>
        <source>Измерения продолжаются; журнал можно сохранить командой «Сохранить как CSV…» в окне «Журнал измерений».</source>
        <translation type="vanished">Measurements go on; the journal can be saved with “Save as CSV…” in the window “Measurement journal”.</translation>
    </message>
    <message>
        <source>Журнал измерений не удаётся сохранить в папке %1.
</source>
        <translation type="vanished">The measurement journal cannot be saved in the folder %1.
</translation>
    </message>
    <message>
        <source>Журнал измерений больше не сохраняется в файл %1: на его месте теперь другой файл или ссылка, и программа в него не пишет.
</source>
        <translation type="vanished">The measurement journal is no longer saved to the file %1: another file or a link now stands in its place, and the program does not write to it.
</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Английский язык будет включён при следующем запуске программы.
English will be used from the next start of the program.</source>
        <translation type="vanished">English will be used from the next start of the program.</translation>
    </message>
    <message>
        <source>Русский язык будет включён при следующем запуске программы.</source>
        <translation type="vanished">Russian will be used from the next start of the program.</translation>
    </message>
    <message>
        <source>Выбор языка не удаётся сохранить в файле %1.</source>
        <translation type="vanished">The choice of language cannot be saved in the file %1.</translation>
    </message>
    <message>
        <source>Язык (Language)</source>
        <translation type="vanished">Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation type="vanished">Russian</translation>
    </message>
    <message>
        <source>Английский (English)</source>
        <translation type="vanished">English</translation>
    </message>
</context>
<context>
    <name>ModuleFile</name>
    <message>
        <source>на месте модуля не обычный файл</source>
        <translation type="vanished">what stands in the module&apos;s place is not a regular file</translation>
    </message>
    <message>
        <source>файл не является модулем (нет заголовка ELF)</source>
        <translation type="vanished">the file is not a module (no ELF header)</translation>
    </message>
    <message>
        <source>модуль собран не для этой системы</source>
        <translation type="vanished">the module was built for another system</translation>
    </message>
    <message>
        <source>модуль повреждён (таблица сегментов)</source>
        <translation type="vanished">the module is damaged (segment table)</translation>
    </message>
    <message>
        <source>модуль повреждён: файл обрывается</source>
        <translation type="vanished">the module is damaged: the file is cut short</translation>
    </message>
</context>
<context>
    <name>OpenJournalDialog</name>
    <message>
        <source>Продолжить сеанс</source>
        <translation type="vanished">Continue a session</translation>
    </message>
    <message>
        <source>Журналы измерений (*.csv)</source>
        <translation type="vanished">Measurement journals (*.csv)</translation>
    </message>
</context>
<context>
    <name>SavePictureDialog</name>
    <message>
        <source>Рисунок.bmp</source>
        <translation type="vanished">Picture.bmp</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv);;CSV для Excel (*.csv);;Книги Excel (*.xlsx)</source>
        <translation type="vanished">CSV tables (*.csv);;CSV for Excel (*.csv);;Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>Журнал.csv</source>
        <translation type="vanished">Journal.csv</translation>
    </message>
    <message>
        <source>Рисунки PNG (*.png);;Рисунки SVG (*.svg)</source>
        <translation type="vanished">PNG pictures (*.png);;SVG pictures (*.svg)</translation>
    </message>
    <message>
        <source>Характеристика.png</source>
        <translation type="vanished">Characteristic.png</translation>
    </message>
    <message>
        <source>%1 уже существует.
Заменить его?</source>
        <translation type="vanished">%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>%1:
Формат файлов %2 не поддерживается. Произведена коррекция.</source>
        <translation type="vanished">%1:
The file format %2 is not supported. The name has been corrected.</translation>
    </message>
    <message>
        <source>%1:
это папка, а не файл. Файл не сохранён.</source>
        <translation type="vanished">%1:
this is a folder, not a file. The file has not been saved.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Detector Lab&lt;/b&gt; — лабораторная работа № 4&lt;br&gt;«Исследование различителя сигналов»&lt;/p&gt;&lt;p&gt;Учебная модель лабораторной установки: различение известных сигналов&lt;br&gt;в гауссовском шуме согласованными фильтрами.&lt;/p&gt;&lt;p&gt;Версия %1&lt;br&gt;Qt: версия %2 при работе, %3 при сборке&lt;/p&gt;&lt;p&gt;Лицензия: GNU GPL версии 3 или любой более поздней версии.&lt;br&gt;Программа распространяется без каких-либо гарантий.&lt;br&gt;Qt используется на условиях GNU LGPL версии 3, Qt Charts — GNU GPL версии 3&lt;br&gt;(библиотеки Qt из Debian); декодер JPEG — libjpeg-turbo&lt;br&gt;(основан на работе Independent JPEG Group); книги Excel пишет&lt;br&gt;libxlsxwriter (лицензия BSD-2-Clause).&lt;/p&gt;</source>
        <translation type="vanished">&lt;p&gt;&lt;b&gt;Detector Lab&lt;/b&gt; — laboratory work No. 4&lt;br&gt;“Investigation of a signal distinguisher”&lt;/p&gt;&lt;p&gt;A teaching model of a laboratory bench: distinguishing known signals&lt;br&gt;in Gaussian noise with matched filters.&lt;/p&gt;&lt;p&gt;Version %1&lt;br&gt;Qt: version %2 at run time, %3 at build time&lt;/p&gt;&lt;p&gt;Licence: GNU GPL version 3 or any later version.&lt;br&gt;The program comes without any warranty.&lt;br&gt;Qt is used under the GNU LGPL version 3, Qt Charts under the GNU GPL version 3&lt;br&gt;(the Qt libraries of Debian); the JPEG decoder is libjpeg-turbo&lt;br&gt;(based on the work of the Independent JPEG Group); Excel workbooks are&lt;br&gt;written by libxlsxwriter (BSD-2-Clause licence).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation type="vanished">About</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="vanished">Close</translation>
    </message>
</context>
<context>
    <name>TCharacteristicsForm</name>
    <message>
        <source>Характеристики</source>
        <translation type="vanished">Characteristics</translation>
    </message>
    <message>
        <source>Что построить</source>
        <translation type="vanished">What to build</translation>
    </message>
    <message>
        <source>Рабочая характеристика обнаружения</source>
        <translation type="vanished">Operating characteristic of detection</translation>
    </message>
    <message>
        <source>Рабочая характеристика различения</source>
        <translation type="vanished">Operating characteristic of distinction</translation>
    </message>
    <message>
        <source>Частота события от порога H</source>
        <translation type="vanished">Frequency of an event against the threshold H</translation>
    </message>
    <message>
        <source>Мощность шума от K</source>
        <translation type="vanished">Noise power against K</translation>
    </message>
    <message>
        <source>Событие</source>
        <translation type="vanished">Event</translation>
    </message>
    <message>
        <source>Форма сигнала 1</source>
        <translation type="vanished">Shape of signal 1</translation>
    </message>
    <message>
        <source>Форма сигнала 2</source>
        <translation type="vanished">Shape of signal 2</translation>
    </message>
    <message>
        <source>Коэффициент усиления K</source>
        <translation type="vanished">Gain K</translation>
    </message>
    <message>
        <source>Взять с установки</source>
        <translation type="vanished">Take from the bench</translation>
    </message>
    <message>
        <source>От</source>
        <translation type="vanished">From</translation>
    </message>
    <message>
        <source>До</source>
        <translation type="vanished">To</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation type="vanished">Step</translation>
    </message>
    <message>
        <source>Начальное число</source>
        <translation type="vanished">Seed</translation>
    </message>
    <message>
        <source>Новое</source>
        <translation type="vanished">New</translation>
    </message>
    <message>
        <source>Новое начальное число</source>
        <translation type="vanished">New seed</translation>
    </message>
    <message>
        <source>Построить</source>
        <translation type="vanished">Build</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation type="vanished">Stop</translation>
    </message>
    <message>
        <source>Ход построения</source>
        <translation type="vanished">Progress of the build</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation type="vanished">Save picture…</translation>
    </message>
    <message>
        <source>Сохранить таблицу…</source>
        <translation type="vanished">Save table…</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation type="vanished">Copy picture</translation>
    </message>
    <message>
        <source>Копировать таблицу</source>
        <translation type="vanished">Copy table</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="vanished">Close</translation>
    </message>
    <message>
        <source>Рисунок</source>
        <translation type="vanished">Picture</translation>
    </message>
    <message>
        <source>Наведите мышь на точку рисунка, чтобы увидеть её значения.</source>
        <translation type="vanished">Point the mouse at a point of the picture to see its values.</translation>
    </message>
    <message>
        <source>Таблица результатов</source>
        <translation type="vanished">Table of results</translation>
    </message>
    <message>
        <source>&amp;Что построить:</source>
        <translation type="vanished">&amp;What to build:</translation>
    </message>
    <message>
        <source>&amp;Событие:</source>
        <translation type="vanished">&amp;Event:</translation>
    </message>
    <message>
        <source>Сигнал &amp;1, форма:</source>
        <translation type="vanished">Signal &amp;1, shape:</translation>
    </message>
    <message>
        <source>Сигнал &amp;2, форма:</source>
        <translation type="vanished">Signal &amp;2, shape:</translation>
    </message>
    <message>
        <source>&amp;от:</source>
        <translation type="vanished">&amp;from:</translation>
    </message>
    <message>
        <source>&amp;до:</source>
        <translation type="vanished">t&amp;o:</translation>
    </message>
    <message>
        <source>&amp;шаг:</source>
        <translation type="vanished">&amp;step:</translation>
    </message>
    <message>
        <source>&amp;Начальное число:</source>
        <translation type="vanished">See&amp;d:</translation>
    </message>
    <message>
        <source>Коэффициент усиления K:</source>
        <translation type="vanished">Gain K:</translation>
    </message>
    <message>
        <source>Порог H, мВ:</source>
        <translation type="vanished">Threshold H, mV:</translation>
    </message>
    <message>
        <source>&amp;Замеров в точке:</source>
        <translation type="vanished">&amp;Readings per point:</translation>
    </message>
    <message>
        <source>&amp;Опытов в точке:</source>
        <translation type="vanished">&amp;Trials per point:</translation>
    </message>
    <message>
        <source>Начальное число должно быть целым числом от 0 до 4294967295.</source>
        <translation type="vanished">The seed must be a whole number from 0 to 4294967295.</translation>
    </message>
    <message>
        <source>Шаг должен быть больше нуля.</source>
        <translation type="vanished">The step must be greater than zero.</translation>
    </message>
    <message>
        <source>Значение «до» должно быть не меньше значения «от».</source>
        <translation type="vanished">The value “to” must not be less than the value “from”.</translation>
    </message>
    <message>
        <source>Слишком много точек: в диапазоне должно быть не больше %1 значения.
Увеличьте шаг или сузьте диапазон.</source>
        <translation type="vanished">Too many points: the range must hold no more than %1 values.
Take a larger step or a narrower range.</translation>
    </message>
    <message>
        <source>В диапазоне должно быть не меньше двух значений.
Уменьшите шаг или расширьте диапазон.</source>
        <translation type="vanished">The range must hold at least two values.
Take a smaller step or a wider range.</translation>
    </message>
    <message>
        <source>Построение…</source>
        <translation type="vanished">Building…</translation>
    </message>
    <message>
        <source>Остановка…</source>
        <translation type="vanished">Stopping…</translation>
    </message>
    <message>
        <source>Построение… оценка оставшегося времени ещё не готова.</source>
        <translation type="vanished">Building… the time left cannot be estimated yet.</translation>
    </message>
    <message>
        <source>Готово точек: %1 из %2, осталось около %3 с.</source>
        <translation type="vanished">Points done: %1 of %2, about %3 s left.</translation>
    </message>
    <message>
        <source>Построено за %1 с.</source>
        <translation type="vanished">Built in %1 s.</translation>
    </message>
    <message>
        <source>Построение остановлено; рисунок и таблица остались прежними.</source>
        <translation type="vanished">The build was stopped; the picture and the table are as they were.</translation>
    </message>
    <message>
        <source>K = %1, H = %2 мВ</source>
        <translation type="vanished">K = %1, H = %2 mV</translation>
    </message>
    <message>
        <source>Не удаётся сохранить рисунок в файл %1</source>
        <translation type="vanished">The picture cannot be saved to the file %1</translation>
    </message>
    <message>
        <source>Характеристика.csv</source>
        <translation type="vanished">Characteristic.csv</translation>
    </message>
    <message>
        <source>Не удаётся сохранить таблицу в файл %1</source>
        <translation type="vanished">The table cannot be saved to the file %1</translation>
    </message>
    <message>
        <source>%1: %2 (95 %: %3…%4), теория %5</source>
        <translation type="vanished">%1: %2 (95 %: %3…%4), theory %5</translation>
    </message>
    <message>
        <source>%1: %2 мВ*мВ (95 %: %3…%4), теория %5</source>
        <translation type="vanished">%1: %2 mV*mV (95 %: %3…%4), theory %5</translation>
    </message>
    <message>
        <source>не определена</source>
        <translation type="vanished">not defined</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Регистратор, мВ*мВ</source>
        <translation type="vanished">Register, mV*mV</translation>
    </message>
    <message>
        <source>Количество опытов</source>
        <translation type="vanished">Number of trials</translation>
    </message>
    <message>
        <source>Счётчик</source>
        <translation type="vanished">Counter</translation>
    </message>
    <message>
        <source>Схема лабораторной установки: К1 в положении %1, К2 в положении %2, К3 в положении %3</source>
        <translation type="vanished">Bench schematic: K1 in position %1, K2 in position %2, K3 in position %3</translation>
    </message>
    <message>
        <source>сигнал 1 с шумом</source>
        <translation type="vanished">signal 1 with noise</translation>
    </message>
    <message>
        <source>сигнал 2 с шумом</source>
        <translation type="vanished">signal 2 with noise</translation>
    </message>
    <message>
        <source>только шум</source>
        <translation type="vanished">noise alone</translation>
    </message>
    <message>
        <source>разность выходов СФ1 и СФ2</source>
        <translation type="vanished">the difference of the outputs of MF1 and MF2</translation>
    </message>
    <message>
        <source>выход СФ1</source>
        <translation type="vanished">the output of MF1</translation>
    </message>
    <message>
        <source>пороговое устройство и счётчик</source>
        <translation type="vanished">the threshold device and the counter</translation>
    </message>
    <message>
        <source>квадратор, интегратор и регистратор</source>
        <translation type="vanished">the squarer, the integrator and the register</translation>
    </message>
    <message>
        <source>Лабораторная работа № 4. Исследование различителя сигналов. Учебный стенд 2010</source>
        <translation type="vanished">Laboratory work No. 4. Investigation of a signal distinguisher. Teaching bench 2010</translation>
    </message>
    <message>
        <source>  Лабораторная установка  </source>
        <translation type="vanished">  Laboratory bench  </translation>
    </message>
    <message>
        <source>  Конфигурация  </source>
        <translation type="vanished">  Configuration  </translation>
    </message>
    <message>
        <source>Положение ключей</source>
        <translation type="vanished">Switch positions</translation>
    </message>
    <message>
        <source>Сигналы</source>
        <translation type="vanished">Signals</translation>
    </message>
    <message>
        <source>Выполнить измерение</source>
        <translation type="vanished">Run a measurement</translation>
    </message>
    <message>
        <source>  Коэффициент усиления K  </source>
        <translation type="vanished">  Gain K  </translation>
    </message>
    <message>
        <source>  Порог принятия решения H, мВ</source>
        <translation type="vanished">  Decision threshold H, mV</translation>
    </message>
    <message>
        <source>  Регистратор  мВ*мВ</source>
        <translation type="vanished">  Register  mV*mV</translation>
    </message>
    <message>
        <source>  Количество опытов  </source>
        <translation type="vanished">  Number of trials  </translation>
    </message>
    <message>
        <source>  Счётчик  </source>
        <translation type="vanished">  Counter  </translation>
    </message>
    <message>
        <source>Коэффициент усиления K</source>
        <translation type="vanished">Gain K</translation>
    </message>
    <message>
        <source>Порог принятия решения H, мВ</source>
        <translation type="vanished">Decision threshold H, mV</translation>
    </message>
    <message>
        <source>Схема лабораторной установки</source>
        <translation type="vanished">Bench schematic</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation type="vanished">File</translation>
    </message>
    <message>
        <source>Копировать схему лабораторной установки</source>
        <translation type="vanished">Copy the bench schematic</translation>
    </message>
    <message>
        <source>Сохранить схему лабораторной установки</source>
        <translation type="vanished">Save the bench schematic</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="vanished">Exit</translation>
    </message>
    <message>
        <source>Лабораторная установка</source>
        <translation type="vanished">Laboratory bench</translation>
    </message>
    <message>
        <source>Схема лабораторной установки не соответствует ни одному из пунктов лабораторной работы.</source>
        <translation type="vanished">The bench configuration matches none of the items of the laboratory work.</translation>
    </message>
    <message>
        <source>На согласованные фильтры СФ1 и СФ2 поступает %1; %2 поступает на %3.</source>
        <translation type="vanished">The matched filters MF1 and MF2 receive %1; %2 goes to %3.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Положение ключей </source>
        <translation type="vanished">Switch positions</translation>
    </message>
    <message>
        <source>  К1  </source>
        <translation type="vanished">  K1  </translation>
    </message>
    <message>
        <source>  К2  </source>
        <translation type="vanished">  K2  </translation>
    </message>
    <message>
        <source>  К3  </source>
        <translation type="vanished">  K3  </translation>
    </message>
    <message>
        <source>Готово</source>
        <translation type="vanished">Done</translation>
    </message>
    <message>
        <source>Ключ К1</source>
        <translation type="vanished">Switch K1</translation>
    </message>
    <message>
        <source>Ключ К2</source>
        <translation type="vanished">Switch K2</translation>
    </message>
    <message>
        <source>Ключ К3</source>
        <translation type="vanished">Switch K3</translation>
    </message>
    <message>
        <source>%1, положение %2</source>
        <translation type="vanished">%1, position %2</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>+1 на всей длительности</source>
        <translation type="vanished">+1 throughout</translation>
    </message>
    <message>
        <source>+1, затем −1</source>
        <translation type="vanished">+1, then −1</translation>
    </message>
    <message>
        <source>−1 на всей длительности</source>
        <translation type="vanished">−1 throughout</translation>
    </message>
    <message>
        <source>−1, затем +1</source>
        <translation type="vanished">−1, then +1</translation>
    </message>
    <message>
        <source>Сигналы</source>
        <translation type="vanished">Signals</translation>
    </message>
    <message>
        <source>  Cигнал1  </source>
        <translation type="vanished">  Signal 1  </translation>
    </message>
    <message>
        <source>  Cигнал2  </source>
        <translation type="vanished">  Signal 2  </translation>
    </message>
    <message>
        <source>Готово</source>
        <translation type="vanished">Done</translation>
    </message>
    <message>
        <source>Сигнал %1, форма %2: %3</source>
        <translation type="vanished">Signal %1, shape %2: %3</translation>
    </message>
    <message>
        <source>График s%1(t), В, от −50 до 100 мс: от 0 до 25 мс %2, от 25 до 50 мс %3, в остальное время 0.</source>
        <translation type="vanished">Plot of s%1(t), V, from −50 to 100 ms: from 0 to 25 ms %2, from 25 to 50 ms %3, 0 at other times.</translation>
    </message>
    <message>
        <source>Сигнал %1, форма %2</source>
        <translation type="vanished">Signal %1, shape %2</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation type="vanished">Copy picture</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation type="vanished">Save picture</translation>
    </message>
</context>
<context>
    <name>THelloForm</name>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation type="vanished">Press any key</translation>
    </message>
</context>
<context>
    <name>TJournalForm</name>
    <message>
        <source>Журнал измерений</source>
        <translation type="vanished">Measurement journal</translation>
    </message>
    <message>
        <source>Строки журнала измерений</source>
        <translation type="vanished">Rows of the measurement journal</translation>
    </message>
    <message>
        <source>Файл журнала:</source>
        <translation type="vanished">Journal file:</translation>
    </message>
    <message>
        <source>Файл журнала</source>
        <translation type="vanished">Journal file</translation>
    </message>
    <message>
        <source>Сохранить как CSV…</source>
        <translation type="vanished">Save as CSV…</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation type="vanished">Copy</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="vanished">Close</translation>
    </message>
    <message>
        <source>Начальное число сеанса: %1</source>
        <translation type="vanished">Session seed: %1</translation>
    </message>
    <message>
        <source>будет создан в папке %1 при первом измерении</source>
        <translation type="vanished">will be made in the folder %1 at the first measurement</translation>
    </message>
    <message>
        <source>не сохраняется: запись в папку %1 не удалась</source>
        <translation type="vanished">not saved: writing to the folder %1 failed</translation>
    </message>
    <message>
        <source>Не удаётся сохранить журнал в файл %1</source>
        <translation type="vanished">The journal cannot be saved to the file %1</translation>
    </message>
</context>
<context>
    <name>TNewSessionDialog</name>
    <message>
        <source>Новый сеанс</source>
        <translation type="vanished">New session</translation>
    </message>
    <message>
        <source>Новый сеанс начинает новый журнал на стенде, заново построенном с начальным числом генератора шума. Сеанс с числом, которое назначил преподаватель, он может проверить командой detector-lab-sweep --verify.</source>
        <translation type="vanished">A new session starts a new journal on a bench built anew with a seed of the noise generator. A session on a seed an instructor assigned can be checked by the instructor with the command detector-lab-sweep --verify.</translation>
    </message>
    <message>
        <source>Начальное число по часам</source>
        <translation type="vanished">Seed from the clock</translation>
    </message>
    <message>
        <source>Начальное число преподавателя:</source>
        <translation type="vanished">Instructor&apos;s seed:</translation>
    </message>
    <message>
        <source>Начальное число преподавателя</source>
        <translation type="vanished">Instructor&apos;s seed</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation type="vanished">Start</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="vanished">Cancel</translation>
    </message>
</context>
<context>
    <name>TTheoryWindow</name>
    <message>
        <source>Теория — различение сигналов</source>
        <translation type="vanished">Theory — distinguishing signals</translation>
    </message>
    <message>
        <source>Текст теории. Tab переходит по ссылкам оглавления, Enter открывает раздел, Escape закрывает окно.</source>
        <translation type="vanished">The text of the theory. Tab moves along the links of the contents, Enter opens a section, Escape closes the window.</translation>
    </message>
</context>
</TS>
