<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AnalysisMenu</name>
    <message>
        <source>%1: файл не найден</source>
        <translation>%1: file not found</translation>
    </message>
    <message>
        <source>Окно «Характеристики» недоступно: не удалось загрузить его модуль.
%1</source>
        <translation>The window “Characteristics” is not available: its module could not be loaded.
%1</translation>
    </message>
    <message>
        <source>Анализ</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Характеристики…</source>
        <translation>Characteristics…</translation>
    </message>
    <message>
        <source>%1: модуль от другой версии программы</source>
        <translation>%1: the module is of another version of the program</translation>
    </message>
</context>
<context>
    <name>Comfun</name>
    <message>
        <source>%1:
Формат файлов %2 не поддерживается.Произведена коррекция.</source>
        <translation>%1:
The file format %2 is not supported. The name has been corrected.</translation>
    </message>
</context>
<context>
    <name>EditFloatMessages</name>
    <message>
        <source>TEditInt: Максимальное значение должно быть больше минимального.</source>
        <translation>TEditInt: The maximum must be greater than the minimum.</translation>
    </message>
    <message>
        <source>TEditInt: Минимальное значение должно быть меньше максимального.</source>
        <translation>TEditInt: The minimum must be less than the maximum.</translation>
    </message>
    <message>
        <source>Введённое значение параметра меньше минимально-допустимого.
 Произведена коррекция.</source>
        <translation>The value entered is less than the least allowed.
 It has been corrected.</translation>
    </message>
    <message>
        <source>Введённое значение параметра меньше минимально-допустимого.
 Прежнее значение параметра восстановлено.</source>
        <translation>The value entered is less than the least allowed.
 The previous value has been restored.</translation>
    </message>
    <message>
        <source>Введённое значение параметра больше максимально-допустимого.
 Произведена коррекция.</source>
        <translation>The value entered is greater than the greatest allowed.
 It has been corrected.</translation>
    </message>
    <message>
        <source>Введённое значение параметра больше максимально-допустимого.
 Прежнее значение параметра восстановлено.</source>
        <translation>The value entered is greater than the greatest allowed.
 The previous value has been restored.</translation>
    </message>
    <message>
        <source>Строка ввода имеет некорректный формат или пуста. 
 Произведена коррекция.</source>
        <translation>The text entered is no number or is empty.
 It has been corrected.</translation>
    </message>
    <message>
        <source>Строка ввода имеет некорректный формат или пуста. 
 Значение параметра восстановлено.</source>
        <translation>The text entered is no number or is empty.
 The value has been restored.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Теория</source>
        <translation>Theory</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>JournalMenu</name>
    <message>
        <source>Журнал</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Журнал измерений</source>
        <translation>Measurement journal</translation>
    </message>
    <message>
        <source>Новый сеанс…</source>
        <translation>New session…</translation>
    </message>
    <message>
        <source>Продолжить сеанс…</source>
        <translation>Continue a session…</translation>
    </message>
</context>
<context>
    <name>KeptJournal</name>
    <message>
        <source>Файл %1 не удаётся прочитать как журнал измерений.</source>
        <translation>The file %1 cannot be read as a measurement journal.</translation>
    </message>
    <message>
        <source>Файл %1 не является журналом измерений программы (строка %2).</source>
        <translation>The file %1 is not a measurement journal of the program (line %2).</translation>
    </message>
    <message>
        <source>Сеанс продолжается только в файле журнала, который программа хранит сама (journal-*.csv в папке %1), а файл %2 сохранён как «CSV для Excel».</source>
        <translation>A session goes on only in a journal file that the program keeps itself (journal-*.csv in the folder %1), and the file %2 was saved as “CSV for Excel”.</translation>
    </message>
    <message>
        <source>Сеанс из файла %1 нельзя продолжить: строка %2 журнала не воспроизводится на стенде с начальным числом %3, то есть журнал изменён после записи.
Проверить журнал: detector-lab-sweep --verify %1</source>
        <translation>The session of the file %1 cannot go on: line %2 of the journal does not reproduce on the bench with the seed %3, so the journal was changed after it was written.
To check the journal: detector-lab-sweep --verify %1</translation>
    </message>
    <message>
        <source>Сеанс из файла %1 нельзя продолжить: в этот файл не удаётся дописывать.</source>
        <translation>The session of the file %1 cannot go on: the file cannot be appended to.</translation>
    </message>
    <message>
        <source>Измерения продолжаются; журнал можно сохранить командой «Сохранить как CSV…» в окне «Журнал измерений».</source>
        <translation>Measurements go on; the journal can be saved with “Save as CSV…” in the window “Measurement journal”.</translation>
    </message>
    <message>
        <source>Журнал измерений не удаётся сохранить в папке %1.
</source>
        <translation>The measurement journal cannot be saved in the folder %1.
</translation>
    </message>
    <message>
        <source>Журнал измерений больше не сохраняется в файл %1: на его месте теперь другой файл или ссылка, и программа в него не пишет.
</source>
        <translation>The measurement journal is no longer saved to the file %1: another file or a link now stands in its place, and the program does not write to it.
</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Английский язык будет включён при следующем запуске программы.
English will be used from the next start of the program.</source>
        <translation>English will be used from the next start of the program.</translation>
    </message>
    <message>
        <source>Русский язык будет включён при следующем запуске программы.</source>
        <translation>Russian will be used from the next start of the program.</translation>
    </message>
    <message>
        <source>Выбор языка не удаётся сохранить в файле %1.</source>
        <translation>The choice of language cannot be saved in the file %1.</translation>
    </message>
    <message>
        <source>Язык (Language)</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Английский (English)</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>ModuleFile</name>
    <message>
        <source>на месте модуля не обычный файл</source>
        <translation>what stands in the module&apos;s place is not a regular file</translation>
    </message>
    <message>
        <source>файл не является модулем (нет заголовка ELF)</source>
        <translation>the file is not a module (no ELF header)</translation>
    </message>
    <message>
        <source>модуль собран не для этой системы</source>
        <translation>the module was built for another system</translation>
    </message>
    <message>
        <source>модуль повреждён (таблица сегментов)</source>
        <translation>the module is damaged (segment table)</translation>
    </message>
    <message>
        <source>модуль повреждён: файл обрывается</source>
        <translation>the module is damaged: the file is cut short</translation>
    </message>
</context>
<context>
    <name>OpenJournalDialog</name>
    <message>
        <source>Продолжить сеанс</source>
        <translation>Continue a session</translation>
    </message>
    <message>
        <source>Журналы измерений (*.csv)</source>
        <translation>Measurement journals (*.csv)</translation>
    </message>
</context>
<context>
    <name>SavePictureDialog</name>
    <message>
        <source>Рисунок.bmp</source>
        <translation>Picture.bmp</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv);;CSV для Excel (*.csv);;Книги Excel (*.xlsx)</source>
        <translation>CSV tables (*.csv);;CSV for Excel (*.csv);;Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>Журнал.csv</source>
        <translation>Journal.csv</translation>
    </message>
    <message>
        <source>Рисунки PNG (*.png);;Рисунки SVG (*.svg)</source>
        <translation>PNG pictures (*.png);;SVG pictures (*.svg)</translation>
    </message>
    <message>
        <source>Характеристика.png</source>
        <translation>Characteristic.png</translation>
    </message>
    <message>
        <source>%1 уже существует.
Заменить его?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>%1:
Формат файлов %2 не поддерживается. Произведена коррекция.</source>
        <translation>%1:
The file format %2 is not supported. The name has been corrected.</translation>
    </message>
    <message>
        <source>%1:
это папка, а не файл. Файл не сохранён.</source>
        <translation>%1:
this is a folder, not a file. The file has not been saved.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Detector Lab&lt;/b&gt; — лабораторная работа № 4&lt;br&gt;«Исследование различителя сигналов»&lt;/p&gt;&lt;p&gt;Учебная модель лабораторной установки: различение известных сигналов&lt;br&gt;в гауссовском шуме согласованными фильтрами.&lt;/p&gt;&lt;p&gt;Версия %1&lt;br&gt;Qt: версия %2 при работе, %3 при сборке&lt;/p&gt;&lt;p&gt;Лицензия: GNU GPL версии 3 или любой более поздней версии.&lt;br&gt;Программа распространяется без каких-либо гарантий.&lt;br&gt;Qt используется на условиях GNU LGPL версии 3, Qt Charts — GNU GPL версии 3&lt;br&gt;(библиотеки Qt из Debian); декодер JPEG — libjpeg-turbo&lt;br&gt;(основан на работе Independent JPEG Group); книги Excel пишет&lt;br&gt;libxlsxwriter (лицензия BSD-2-Clause).&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Detector Lab&lt;/b&gt; — laboratory work No. 4&lt;br&gt;“Investigation of a signal distinguisher”&lt;/p&gt;&lt;p&gt;A teaching model of a laboratory bench: distinguishing known signals&lt;br&gt;in Gaussian noise with matched filters.&lt;/p&gt;&lt;p&gt;Version %1&lt;br&gt;Qt: version %2 at run time, %3 at build time&lt;/p&gt;&lt;p&gt;Licence: GNU GPL version 3 or any later version.&lt;br&gt;The program comes without any warranty.&lt;br&gt;Qt is used under the GNU LGPL version 3, Qt Charts under the GNU GPL version 3&lt;br&gt;(the Qt libraries of Debian); the JPEG decoder is libjpeg-turbo&lt;br&gt;(based on the work of the Independent JPEG Group); Excel workbooks are&lt;br&gt;written by libxlsxwriter (BSD-2-Clause licence).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TCharacteristicsForm</name>
    <message>
        <source>Характеристики</source>
        <translation>Characteristics</translation>
    </message>
    <message>
        <source>Что построить</source>
        <translation>What to build</translation>
    </message>
    <message>
        <source>Рабочая характеристика обнаружения</source>
        <translation>Operating characteristic of detection</translation>
    </message>
    <message>
        <source>Рабочая характеристика различения</source>
        <translation>Operating characteristic of distinction</translation>
    </message>
    <message>
        <source>Частота события от порога H</source>
        <translation>Frequency of an event against the threshold H</translation>
    </message>
    <message>
        <source>Мощность шума от K</source>
        <translation>Noise power against K</translation>
    </message>
    <message>
        <source>Событие</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Форма сигнала 1</source>
        <translation>Shape of signal 1</translation>
    </message>
    <message>
        <source>Форма сигнала 2</source>
        <translation>Shape of signal 2</translation>
    </message>
    <message>
        <source>Коэффициент усиления K</source>
        <translation>Gain K</translation>
    </message>
    <message>
        <source>Взять с установки</source>
        <translation>Take from the bench</translation>
    </message>
    <message>
        <source>От</source>
        <translation>From</translation>
    </message>
    <message>
        <source>До</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Начальное число</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Новое</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Новое начальное число</source>
        <translation>New seed</translation>
    </message>
    <message>
        <source>Построить</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Ход построения</source>
        <translation>Progress of the build</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Сохранить таблицу…</source>
        <translation>Save table…</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Копировать таблицу</source>
        <translation>Copy table</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Рисунок</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Наведите мышь на точку рисунка, чтобы увидеть её значения.</source>
        <translation>Point the mouse at a point of the picture to see its values.</translation>
    </message>
    <message>
        <source>Таблица результатов</source>
        <translation>Table of results</translation>
    </message>
    <message>
        <source>&amp;Что построить:</source>
        <translation>&amp;What to build:</translation>
    </message>
    <message>
        <source>&amp;Событие:</source>
        <translation>&amp;Event:</translation>
    </message>
    <message>
        <source>Сигнал &amp;1, форма:</source>
        <translation>Signal &amp;1, shape:</translation>
    </message>
    <message>
        <source>Сигнал &amp;2, форма:</source>
        <translation>Signal &amp;2, shape:</translation>
    </message>
    <message>
        <source>&amp;от:</source>
        <translation>&amp;from:</translation>
    </message>
    <message>
        <source>&amp;до:</source>
        <translation>t&amp;o:</translation>
    </message>
    <message>
        <source>&amp;шаг:</source>
        <translation>&amp;step:</translation>
    </message>
    <message>
        <source>&amp;Начальное число:</source>
        <translation>See&amp;d:</translation>
    </message>
    <message>
        <source>Коэффициент усиления K:</source>
        <translation>Gain K:</translation>
    </message>
    <message>
        <source>Порог H, мВ:</source>
        <translation>Threshold H, mV:</translation>
    </message>
    <message>
        <source>&amp;Замеров в точке:</source>
        <translation>&amp;Readings per point:</translation>
    </message>
    <message>
        <source>&amp;Опытов в точке:</source>
        <translation>&amp;Trials per point:</translation>
    </message>
    <message>
        <source>Начальное число должно быть целым числом от 0 до 4294967295.</source>
        <translation>The seed must be a whole number from 0 to 4294967295.</translation>
    </message>
    <message>
        <source>Шаг должен быть больше нуля.</source>
        <translation>The step must be greater than zero.</translation>
    </message>
    <message>
        <source>Значение «до» должно быть не меньше значения «от».</source>
        <translation>The value “to” must not be less than the value “from”.</translation>
    </message>
    <message>
        <source>Слишком много точек: в диапазоне должно быть не больше %1 значения.
Увеличьте шаг или сузьте диапазон.</source>
        <translation>Too many points: the range must hold no more than %1 values.
Take a larger step or a narrower range.</translation>
    </message>
    <message>
        <source>В диапазоне должно быть не меньше двух значений.
Уменьшите шаг или расширьте диапазон.</source>
        <translation>The range must hold at least two values.
Take a smaller step or a wider range.</translation>
    </message>
    <message>
        <source>Построение…</source>
        <translation>Building…</translation>
    </message>
    <message>
        <source>Остановка…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>Построение… оценка оставшегося времени ещё не готова.</source>
        <translation>Building… the time left cannot be estimated yet.</translation>
    </message>
    <message>
        <source>Готово точек: %1 из %2, осталось около %3 с.</source>
        <translation>Points done: %1 of %2, about %3 s left.</translation>
    </message>
    <message>
        <source>Построено за %1 с.</source>
        <translation>Built in %1 s.</translation>
    </message>
    <message>
        <source>Построение остановлено; рисунок и таблица остались прежними.</source>
        <translation>The build was stopped; the picture and the table are as they were.</translation>
    </message>
    <message>
        <source>K = %1, H = %2 мВ</source>
        <translation>K = %1, H = %2 mV</translation>
    </message>
    <message>
        <source>Не удаётся сохранить рисунок в файл %1</source>
        <translation>The picture cannot be saved to the file %1</translation>
    </message>
    <message>
        <source>Характеристика.csv</source>
        <translation>Characteristic.csv</translation>
    </message>
    <message>
        <source>Не удаётся сохранить таблицу в файл %1</source>
        <translation>The table cannot be saved to the file %1</translation>
    </message>
    <message>
        <source>%1: %2 (95 %: %3…%4), теория %5</source>
        <translation>%1: %2 (95 %: %3…%4), theory %5</translation>
    </message>
    <message>
        <source>%1: %2 мВ*мВ (95 %: %3…%4), теория %5</source>
        <translation>%1: %2 mV*mV (95 %: %3…%4), theory %5</translation>
    </message>
    <message>
        <source>не определена</source>
        <translation>not defined</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Регистратор, мВ*мВ</source>
        <translation>Register, mV*mV</translation>
    </message>
    <message>
        <source>Количество опытов</source>
        <translation>Number of trials</translation>
    </message>
    <message>
        <source>Счётчик</source>
        <translation>Counter</translation>
    </message>
    <message>
        <source>Схема лабораторной установки: К1 в положении %1, К2 в положении %2, К3 в положении %3</source>
        <translation>Bench schematic: K1 in position %1, K2 in position %2, K3 in position %3</translation>
    </message>
    <message>
        <source>сигнал 1 с шумом</source>
        <translation>signal 1 with noise</translation>
    </message>
    <message>
        <source>сигнал 2 с шумом</source>
        <translation>signal 2 with noise</translation>
    </message>
    <message>
        <source>только шум</source>
        <translation>noise alone</translation>
    </message>
    <message>
        <source>разность выходов СФ1 и СФ2</source>
        <translation>the difference of the outputs of MF1 and MF2</translation>
    </message>
    <message>
        <source>выход СФ1</source>
        <translation>the output of MF1</translation>
    </message>
    <message>
        <source>пороговое устройство и счётчик</source>
        <translation>the threshold device and the counter</translation>
    </message>
    <message>
        <source>квадратор, интегратор и регистратор</source>
        <translation>the squarer, the integrator and the register</translation>
    </message>
    <message>
        <source>Лабораторная работа № 4. Исследование различителя сигналов. Учебный стенд 2010</source>
        <translation>Laboratory work No. 4. Investigation of a signal distinguisher. Teaching bench 2010</translation>
    </message>
    <message>
        <source>  Лабораторная установка  </source>
        <translation>  Laboratory bench  </translation>
    </message>
    <message>
        <source>  Конфигурация  </source>
        <translation>  Configuration  </translation>
    </message>
    <message>
        <source>Положение ключей</source>
        <translation>Switch positions</translation>
    </message>
    <message>
        <source>Сигналы</source>
        <translation>Signals</translation>
    </message>
    <message>
        <source>Выполнить измерение</source>
        <translation>Run a measurement</translation>
    </message>
    <message>
        <source>  Коэффициент усиления K  </source>
        <translation>  Gain K  </translation>
    </message>
    <message>
        <source>  Порог принятия решения H, мВ</source>
        <translation>  Decision threshold H, mV</translation>
    </message>
    <message>
        <source>  Регистратор  мВ*мВ</source>
        <translation>  Register  mV*mV</translation>
    </message>
    <message>
        <source>  Количество опытов  </source>
        <translation>  Number of trials  </translation>
    </message>
    <message>
        <source>  Счётчик  </source>
        <translation>  Counter  </translation>
    </message>
    <message>
        <source>Коэффициент усиления K</source>
        <translation>Gain K</translation>
    </message>
    <message>
        <source>Порог принятия решения H, мВ</source>
        <translation>Decision threshold H, mV</translation>
    </message>
    <message>
        <source>Схема лабораторной установки</source>
        <translation>Bench schematic</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Копировать схему лабораторной установки</source>
        <translation>Copy the bench schematic</translation>
    </message>
    <message>
        <source>Сохранить схему лабораторной установки</source>
        <translation>Save the bench schematic</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Лабораторная установка</source>
        <translation>Laboratory bench</translation>
    </message>
    <message>
        <source>Схема лабораторной установки не соответствует ни одному из пунктов лабораторной работы.</source>
        <translation>The bench configuration matches none of the items of the laboratory work.</translation>
    </message>
    <message>
        <source>На согласованные фильтры СФ1 и СФ2 поступает %1; %2 поступает на %3.</source>
        <translation>The matched filters MF1 and MF2 receive %1; %2 goes to %3.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Положение ключей </source>
        <translation>Switch positions</translation>
    </message>
    <message>
        <source>  К1  </source>
        <translation>  K1  </translation>
    </message>
    <message>
        <source>  К2  </source>
        <translation>  K2  </translation>
    </message>
    <message>
        <source>  К3  </source>
        <translation>  K3  </translation>
    </message>
    <message>
        <source>Готово</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Ключ К1</source>
        <translation>Switch K1</translation>
    </message>
    <message>
        <source>Ключ К2</source>
        <translation>Switch K2</translation>
    </message>
    <message>
        <source>Ключ К3</source>
        <translation>Switch K3</translation>
    </message>
    <message>
        <source>%1, положение %2</source>
        <translation>%1, position %2</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>+1 на всей длительности</source>
        <translation>+1 throughout</translation>
    </message>
    <message>
        <source>+1, затем −1</source>
        <translation>+1, then −1</translation>
    </message>
    <message>
        <source>−1 на всей длительности</source>
        <translation>−1 throughout</translation>
    </message>
    <message>
        <source>−1, затем +1</source>
        <translation>−1, then +1</translation>
    </message>
    <message>
        <source>Сигналы</source>
        <translation>Signals</translation>
    </message>
    <message>
        <source>  Cигнал1  </source>
        <translation>  Signal 1  </translation>
    </message>
    <message>
        <source>  Cигнал2  </source>
        <translation>  Signal 2  </translation>
    </message>
    <message>
        <source>Готово</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Сигнал %1, форма %2: %3</source>
        <translation>Signal %1, shape %2: %3</translation>
    </message>
    <message>
        <source>График s%1(t), В, от −50 до 100 мс: от 0 до 25 мс %2, от 25 до 50 мс %3, в остальное время 0.</source>
        <translation>Plot of s%1(t), V, from −50 to 100 ms: from 0 to 25 ms %2, from 25 to 50 ms %3, 0 at other times.</translation>
    </message>
    <message>
        <source>Сигнал %1, форма %2</source>
        <translation>Signal %1, shape %2</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
</context>
<context>
    <name>THelloForm</name>
    <message>
        <source>Нажмите любую клавишу</source>
        <translation>Press any key</translation>
    </message>
</context>
<context>
    <name>TJournalForm</name>
    <message>
        <source>Журнал измерений</source>
        <translation>Measurement journal</translation>
    </message>
    <message>
        <source>Строки журнала измерений</source>
        <translation>Rows of the measurement journal</translation>
    </message>
    <message>
        <source>Файл журнала:</source>
        <translation>Journal file:</translation>
    </message>
    <message>
        <source>Файл журнала</source>
        <translation>Journal file</translation>
    </message>
    <message>
        <source>Сохранить как CSV…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Начальное число сеанса: %1</source>
        <translation>Session seed: %1</translation>
    </message>
    <message>
        <source>будет создан в папке %1 при первом измерении</source>
        <translation>will be made in the folder %1 at the first measurement</translation>
    </message>
    <message>
        <source>не сохраняется: запись в папку %1 не удалась</source>
        <translation>not saved: writing to the folder %1 failed</translation>
    </message>
    <message>
        <source>Не удаётся сохранить журнал в файл %1</source>
        <translation>The journal cannot be saved to the file %1</translation>
    </message>
</context>
<context>
    <name>TNewSessionDialog</name>
    <message>
        <source>Новый сеанс</source>
        <translation>New session</translation>
    </message>
    <message>
        <source>Новый сеанс начинает новый журнал на стенде, заново построенном с начальным числом генератора шума. Сеанс с числом, которое назначил преподаватель, он может проверить командой detector-lab-sweep --verify.</source>
        <translation>A new session starts a new journal on a bench built anew with a seed of the noise generator. A session on a seed an instructor assigned can be checked by the instructor with the command detector-lab-sweep --verify.</translation>
    </message>
    <message>
        <source>Начальное число по часам</source>
        <translation>Seed from the clock</translation>
    </message>
    <message>
        <source>Начальное число преподавателя:</source>
        <translation>Instructor&apos;s seed:</translation>
    </message>
    <message>
        <source>Начальное число преподавателя</source>
        <translation>Instructor&apos;s seed</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TTheoryWindow</name>
    <message>
        <source>Теория — различение сигналов</source>
        <translation>Theory — distinguishing signals</translation>
    </message>
    <message>
        <source>Текст теории. Tab переходит по ссылкам оглавления, Enter открывает раздел, Escape закрывает окно.</source>
        <translation>The text of the theory. Tab moves along the links of the contents, Enter opens a section, Escape closes the window.</translation>
    </message>
</context>
</TS>
