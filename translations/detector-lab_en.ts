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
    <message>
        <source>Окно «%1» недоступно: не удалось загрузить его модуль.
%2</source>
        <translation>The window “%1” is not available: its module could not be loaded.
%2</translation>
    </message>
    <message>
        <source>Характеристики</source>
        <translation>Characteristics</translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation>Report</translation>
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
    <message>
        <source>Отчёт…</source>
        <translation>Report…</translation>
    </message>
    <message>
        <source>Открыть журнал…</source>
        <translation>Open journal…</translation>
    </message>
    <message>
        <source>Открыть журнал</source>
        <translation>Open journal</translation>
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
    <name>ReportDocument</name>
    <message>
        <source>точка</source>
        <translation>point</translation>
    </message>
    <message>
        <source>строки</source>
        <translation>rows</translation>
    </message>
    <message>
        <source>опыт</source>
        <translation>experiment</translation>
    </message>
    <message>
        <source>сигналы</source>
        <translation>signals</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>H, мВ</source>
        <translation>H, mV</translation>
    </message>
    <message>
        <source>счётчик / опытов</source>
        <translation>counter / trials</translation>
    </message>
    <message>
        <source>частота</source>
        <translation>freq.</translation>
    </message>
    <message>
        <source>интервал 95 %</source>
        <translation>95 % interval</translation>
    </message>
    <message>
        <source>теория</source>
        <translation>theory</translation>
    </message>
    <message>
        <source>вердикт</source>
        <translation>verdict</translation>
    </message>
    <message>
        <source>пара</source>
        <translation>pair</translation>
    </message>
    <message>
        <source>характеристика</source>
        <translation>characteristic</translation>
    </message>
    <message>
        <source>точки</source>
        <translation>points</translation>
    </message>
    <message>
        <source>частота по вертикали</source>
        <translation>vertical frequency</translation>
    </message>
    <message>
        <source>частота по горизонтали</source>
        <translation>horizontal frequency</translation>
    </message>
    <message>
        <source>сигнал 1</source>
        <translation>signal 1</translation>
    </message>
    <message>
        <source>показаний</source>
        <translation>readings</translation>
    </message>
    <message>
        <source>среднее, мВ²</source>
        <translation>mean, mV²</translation>
    </message>
    <message>
        <source>разброс, мВ²</source>
        <translation>spread, mV²</translation>
    </message>
    <message>
        <source>ожидаемое, мВ²</source>
        <translation>expected, mV²</translation>
    </message>
    <message>
        <source>разброс по теории</source>
        <translation>spread by theory</translation>
    </message>
    <message>
        <source>интервал 95 % для среднего</source>
        <translation>95 % interval of the mean</translation>
    </message>
    <message>
        <source>Показаны первые %1 строк таблицы из %2; таблица целиком — в книге XLSX этого отчёта.</source>
        <translation>The first %1 rows of the table’s %2 are shown; the whole table is in this report’s XLSX workbook.</translation>
    </message>
    <message>
        <source>Отчёт по лабораторной работе № 4</source>
        <translation>Report on laboratory work No. 4</translation>
    </message>
    <message>
        <source>Исследование различителя сигналов</source>
        <translation>A study of a signal discriminator</translation>
    </message>
    <message>
        <source>1. Цель работы</source>
        <translation>1. Aim of the work</translation>
    </message>
    <message>
        <source>2. Конфигурации установки</source>
        <translation>2. Configurations of the bench</translation>
    </message>
    <message>
        <source>В журнале нет ни одного выполненного опыта.</source>
        <translation>The journal holds no experiment carried out.</translation>
    </message>
    <message>
        <source>3. Результаты измерений</source>
        <translation>3. Results of the measurements</translation>
    </message>
    <message>
        <source>Таблица 1. Опыты со счётчиком: строки журнала с одинаковыми установками объединены в точку, частота — счётчик, делённый на число опытов, с её 95-процентным интервалом (Вильсона).</source>
        <translation>Table 1. Experiments with the counter: journal rows with the same settings are joined into a point; the frequency is the counter divided by the number of trials, with its 95 % (Wilson) interval.</translation>
    </message>
    <message>
        <source>Таблица 2. Точки рабочих характеристик: обнаружение против ложных тревог и решения «сигнал 1» при сигнале 1 против решений «сигнал 1» при сигнале 2, при одних и тех же формах сигналов, K и H.</source>
        <translation>Table 2. Points of the operating characteristics: detection against false alarms, and decisions “signal 1” while signal 1 is sent against decisions “signal 1” while signal 2 is, at the same signal shapes, K and H.</translation>
    </message>
    <message>
        <source>Таблица 3. Мощность шума на выходе фильтра 1: показания регистратора при одном K усреднены; интервал 95 % — для среднего.</source>
        <translation>Table 3. Noise power at the output of filter 1: the recorder’s readings at one K are averaged; the 95 % interval is that of the mean.</translation>
    </message>
    <message>
        <source>4. Графики</source>
        <translation>4. Plots</translation>
    </message>
    <message>
        <source>Точек для графиков нет.</source>
        <translation>There are no points to plot.</translation>
    </message>
    <message>
        <source>Рис. %1. %2</source>
        <translation>Fig. %1. %2</translation>
    </message>
    <message>
        <source>5. Сравнение с теорией</source>
        <translation>5. Comparison with theory</translation>
    </message>
    <message>
        <source>6. Проверка</source>
        <translation>6. Verification</translation>
    </message>
    <message>
        <source>7. Выводы</source>
        <translation>7. Conclusions</translation>
    </message>
</context>
<context>
    <name>ReportPictures</name>
    <message>
        <source>Частота «%1» в зависимости от порога H (сигнал 1 — форма %2, сигнал 2 — форма %3)</source>
        <translation>Frequency “%1” against the threshold H (signal 1 — shape %2, signal 2 — shape %3)</translation>
    </message>
    <message>
        <source>%1 (сигнал 1 — форма %2, сигнал 2 — форма %3)</source>
        <translation>%1 (signal 1 — shape %2, signal 2 — shape %3)</translation>
    </message>
    <message>
        <source>Мощность шума на выходе фильтра 1 в зависимости от K (сигнал 1 — форма %1): среднее показаний</source>
        <translation>Noise power at the output of filter 1 against K (signal 1 — shape %1): the mean of the readings</translation>
    </message>
    <message>
        <source>Рабочая характеристика обнаружения</source>
        <translation>Operating characteristic of detection</translation>
    </message>
    <message>
        <source>Рабочая характеристика различения</source>
        <translation>Operating characteristic of distinction</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>Студент</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Журнал измерений</source>
        <translation>Measurement journal</translation>
    </message>
    <message>
        <source>Начальное число генератора шума</source>
        <translation>Seed of the noise generator</translation>
    </message>
    <message>
        <source>Исследовать обнаружение и различение известных сигналов на фоне гауссовского шума с помощью согласованных фильтров: измерить мощность шума на выходе согласованного фильтра, частоты обнаружения, ложных тревог и решений в пользу сигнала 1 при различении в зависимости от коэффициента усиления K и порога принятия решения H и сравнить их с тем, что предсказывает теория.</source>
        <translation>To study the detection and distinction of known signals in Gaussian noise with matched filters: to measure the noise power at the output of the matched filter and the frequencies of detection, of false alarms and of decisions for signal 1 in distinction, against the gain K and the decision threshold H, and to compare them with what theory predicts.</translation>
    </message>
    <message>
        <source>Опыт «%1»: ключи К1 = %2, К2 = %3, К3 = %4.</source>
        <translation>Experiment “%1”: switches K1 = %2, K2 = %3, K3 = %4.</translation>
    </message>
    <message>
        <source>Журнал не содержит ни одной строки: измерений для отчёта нет.</source>
        <translation>The journal holds no row: there are no measurements to report.</translation>
    </message>
    <message>
        <source>Журнал содержит %1; из них %2 (положения ключей, не соответствующие ни одному опыту) — они учтены, но не показаны. Опыты со счётчиком дали %3, измерения мощности шума — %4.</source>
        <translation>The journal holds %1; of them %2 (switch positions that match no experiment), counted but not shown. The experiments with the counter gave %3, the noise-power measurements %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n строк</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n отказов</source>
        <translation>
            <numerusform>%n refusal</numerusform>
            <numerusform>%n refusals</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n точек</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n значений K</source>
        <translation>
            <numerusform>%n value of K</numerusform>
            <numerusform>%n values of K</numerusform>
        </translation>
    </message>
    <message>
        <source> Строки, отмеченные звёздочкой (*), не воспроизводятся при проверке журнала (раздел 6).</source>
        <translation> The rows marked with an asterisk (*) do not reproduce when the journal is verified (section 6).</translation>
    </message>
    <message>
        <source>Точки без пары (для рабочей характеристики нужен опыт с теми же формами сигналов, K и H: обнаружение и ложные тревоги, или различение при сигнале 1 и при сигнале 2): %1. Они показаны в таблице 1 и на графиках частоты.</source>
        <translation>Points without a pair (an operating characteristic needs experiments at the same signal shapes, K and H: detection and false alarms, or distinction while signal 1 and while signal 2 is sent): %1. They are shown in table 1 and on the frequency plots.</translation>
    </message>
    <message>
        <source>… (всего %1)</source>
        <translation>… (%1 in all)</translation>
    </message>
    <message>
        <source>Точек, которые можно сравнить с теорией, нет.</source>
        <translation>There are no points to compare with theory.</translation>
    </message>
    <message>
        <source>Из %1 с вердиктом %2 с теорией на уровне 95 %: теория лежит внутри 95-процентного интервала измеренной частоты (или среднего показания). </source>
        <translation>Of %1 with a verdict, %2 with theory at the 95 % level: theory lies inside the 95 % interval of the measured frequency (or of the mean reading). </translation>
    </message>
    <message>
        <source>1 согласуется</source>
        <translation>1 agrees</translation>
    </message>
    <message>
        <source>%1 согласуются</source>
        <translation>%1 agree</translation>
    </message>
    <message>
        <source>Даже при верной теории примерно одна точка из двадцати выпадает из своего интервала случайно, так что ожидается около %1 несогласий; </source>
        <translation>Even when theory is right about one point in twenty falls outside its interval by chance, so about %1 disagreements are expected; </translation>
    </message>
    <message>
        <source>%1 — в пределах случайного.</source>
        <translation>%1 is within chance.</translation>
    </message>
    <message numerus="yes">
        <source>%n несогласий</source>
        <translation>
            <numerusform>%n disagreement</numerusform>
            <numerusform>%n disagreements</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — заметно больше: проверьте установки этих точек.</source>
        <translation>%1 is notably more: check the settings of these points.</translation>
    </message>
    <message>
        <source> Не согласуются точки таблицы 1: %1.</source>
        <translation> The points of table 1 that disagree: %1.</translation>
    </message>
    <message>
        <source>журнал.csv</source>
        <translation>journal.csv</translation>
    </message>
    <message>
        <source>Генератор шума стенда начинается с начального числа %1, и стенд, построенный заново с этим числом и получивший установки строк журнала по порядку, даёт те же результаты до последнего бита. Журнал проверяется командой:</source>
        <translation>The bench’s noise generator starts from the seed %1, and a bench built anew with this seed and given the settings of the journal’s rows in order gives the same results to the last bit. The journal is verified with the command:</translation>
    </message>
    <message>
        <source>При составлении отчёта журнал не проверялся.</source>
        <translation>The journal was not verified when the report was made.</translation>
    </message>
    <message>
        <source>Проверка при составлении отчёта: единственная строка воспроизводится.</source>
        <translation>Verification when the report was made: the only row reproduces.</translation>
    </message>
    <message>
        <source>Проверка при составлении отчёта: все %1 воспроизводятся.</source>
        <translation>Verification when the report was made: all %1 reproduce.</translation>
    </message>
    <message>
        <source>Проверка при составлении отчёта: из %1 не воспроизводятся %2 (отмечены звёздочкой): %3.</source>
        <translation>Verification when the report was made: of %1, %2 do not reproduce (marked with an asterisk): %3.</translation>
    </message>
    <message>
        <source>Измерения согласуются с теорией согласованной фильтрации: %1 из %2 с вердиктом лежат в пределах своих 95-процентных интервалов.</source>
        <translation>The measurements agree with the theory of matched filtering: %1 of %2 with a verdict lie within their 95 % intervals.</translation>
    </message>
    <message>
        <source>Мощность шума на выходе фильтра растёт пропорционально K²: при K = %1 среднее показание %2 мВ², при K = %3 — %4 мВ² (теория: около 50·K²).</source>
        <translation>The noise power at the filter’s output grows as K²: at K = %1 the mean reading is %2 mV², at K = %3 it is %4 mV² (theory: about 50·K²).</translation>
    </message>
    <message>
        <source>Точки рабочих характеристик (рис. выше) показывают, как порог H меняет частоту обнаружения вместе с частотой ложных тревог: %1.</source>
        <translation>The points of the operating characteristics (figures above) show how the threshold H changes the frequency of detection together with that of false alarms: %1.</translation>
    </message>
    <message>
        <source>Эти выводы составлены программой по журналу; дополните их своими.</source>
        <translation>These conclusions were drawn up by the program from the journal; add your own.</translation>
    </message>
</context>
<context>
    <name>ReportTitleDialog</name>
    <message>
        <source>Титульный лист отчёта</source>
        <translation>Title page of the report</translation>
    </message>
    <message>
        <source>&amp;Студент:</source>
        <translation>&amp;Student:</translation>
    </message>
    <message>
        <source>&amp;Группа:</source>
        <translation>&amp;Group:</translation>
    </message>
    <message>
        <source>&amp;Дата:</source>
        <translation>&amp;Date:</translation>
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
    <message>
        <source>Документы PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Документы ODF (*.odt)</source>
        <translation>ODF documents (*.odt)</translation>
    </message>
    <message>
        <source>Книги Excel (*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>Отчёт.</source>
        <translation>Report.</translation>
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
    <name>TReportForm</name>
    <message>
        <source>Печать отчёта</source>
        <translation>Print the report</translation>
    </message>
    <message>
        <source>Отчёт по лабораторной работе № 4</source>
        <translation>Report on laboratory work No. 4</translation>
    </message>
    <message>
        <source>Журнал проверяется: его строки повторяются на стенде с тем же начальным числом…</source>
        <translation>The journal is being verified: its rows are repeated on a bench with the same seed…</translation>
    </message>
    <message>
        <source>&amp;Титульный лист…</source>
        <translation>&amp;Title page…</translation>
    </message>
    <message>
        <source>Сохранить &amp;PDF…</source>
        <translation>Save &amp;PDF…</translation>
    </message>
    <message>
        <source>Сохранить &amp;ODT…</source>
        <translation>Save &amp;ODT…</translation>
    </message>
    <message>
        <source>Сохранить &amp;XLSX…</source>
        <translation>Save &amp;XLSX…</translation>
    </message>
    <message>
        <source>&amp;Печать…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Отчёт не составлен: %1 — не журнал измерений, который можно прочесть.
%2</source>
        <translation>No report made: %1 is no measurement journal that can be read.
%2</translation>
    </message>
    <message>
        <source>Строк журнала: %1; точек: %2; значений K мощности шума: %3; не воспроизводятся: %4.</source>
        <translation>Journal rows: %1; points: %2; noise-power values of K: %3; not reproducing: %4.</translation>
    </message>
    <message>
        <source>Отчёт не составлен: %1</source>
        <translation>No report made: %1</translation>
    </message>
    <message>
        <source>Не удалось сохранить отчёт:
%1</source>
        <translation>The report could not be saved:
%1</translation>
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
