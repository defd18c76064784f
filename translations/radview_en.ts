<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>ActivityUnit</name>
    <message>
        <source>пКи/л</source>
        <translation>pCi/L</translation>
    </message>
    <message>
        <source>Бк/м³</source>
        <translation>Bq/m³</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>Не удалось сохранить файл «%1»: %2.</source>
        <translation>Could not save the file “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Averaging</name>
    <message>
        <source>Укажите измерения от 1 до %1; первое не может быть больше последнего.</source>
        <translation>Give measurements from 1 to %1; the first cannot be greater than the last.</translation>
    </message>
    <message>
        <source>Чувствительность прибора равна нулю: усреднение невозможно.</source>
        <translation>The instrument’s sensitivity is zero: no average can be made.</translation>
    </message>
    <message>
        <source>Измерения %1–%2 не заняли ни одной секунды: усреднение невозможно.</source>
        <translation>Measurements %1–%2 took not a single second: no average can be made.</translation>
    </message>
</context>
<context>
    <name>ColorDialog</name>
    <message>
        <source>Цвет фона</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Цвет осей</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>Цвет графика</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Цвет надписей</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Цвет указателя</source>
        <translation>Pointer</translation>
    </message>
    <message>
        <source>Цвет сетки </source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Выше уровня</source>
        <translation>Above level</translation>
    </message>
    <message>
        <source>Выбор цветов</source>
        <translation>Choice of colours</translation>
    </message>
    <message>
        <source>Настройте цвета</source>
        <translation>Set the colours</translation>
    </message>
    <message>
        <source>Цвета по умолчанию</source>
        <translation>Default colours</translation>
    </message>
</context>
<context>
    <name>DumpArgs</name>
    <message>
        <source>Использование: radview-dump FILE
  или:  radview-dump FILE --series S --save-table FIRST LAST OUT
  или:  radview-dump FILE --series S --csv FIRST LAST OUT
  или:  radview-dump FILE --series S --average FIRST LAST
  или:  radview-dump FILE --series S --png W H OUT.png [--view FIRST COUNT] [--pointer P] [--grid]
                    [--levels L1,L2,...] [--warning-colour #RRGGBB] [--average-window HOURS]
                    [--unit pCi/L|Bq/m3]
  или:  radview-dump FILE --series S --svg W H OUT.svg [--view FIRST COUNT] [--pointer P] [--grid]
                    [--levels L1,L2,...] [--warning-colour #RRGGBB] [--average-window HOURS]
                    [--unit pCi/L|Bq/m3]
  или:  radview-dump FILE --series S --print-graph OUT.pdf [--view FIRST COUNT] [--grid] [--paper P]
  или:  radview-dump FILE --series S --print-table FIRST LAST OUT.pdf [--paper P]
  или:  radview-dump FILE --series S --print-graph --printer NAME|- [--wait] [--paper P]
  или:  radview-dump FILE --series S --print-table FIRST LAST --printer NAME|- [--wait] [--paper P]
  или:  radview-dump FILE --series S --report FIRST LAST OUT.pdf [--levels L1,L2,...]
                    [--warning-colour #RRGGBB] [--average-window HOURS] [--unit pCi/L|Bq/m3]
  или:  radview-dump --summary FILE...
  или:  radview-dump --help
  или:  radview-dump --version
Читает файл прибора для измерения объёмной активности радона и без окна делает то же, что
программа просмотра radview: выводит файл в JSON, сохраняет таблицу, CSV, рисунок графика,
печатные формы и отчёт по серии, считает среднее. За один запуск выполняется одно действие.

Действия:
      --save-table FIRST LAST OUT  таблица измерений FIRST..LAST в кодировке CP866
      --csv FIRST LAST OUT         измерения FIRST..LAST в CSV
      --average FIRST LAST         средняя активность за измерения FIRST..LAST
      --png W H OUT.png            график рисунком PNG W×H пикселей
      --svg W H OUT.svg            график рисунком SVG W×H пикселей
      --print-graph OUT.pdf        печатная форма графика в PDF
      --print-table FIRST LAST OUT.pdf  печатная форма таблицы в PDF
      (у печатных форм вместо OUT.pdf может стоять --printer NAME: задание на очередь печати NAME,
       «-» — очередь по умолчанию)
      --report FIRST LAST OUT.pdf  отчёт по измерениям FIRST..LAST в PDF
      --summary FILE...            по строке CSV на каждую серию каждого файла
Без действия файл выводится в JSON.

Параметры:
      --series S          порядковый номер серии (1..65535), нужен каждому действию с серией
      --view FIRST COUNT  видимые измерения графика (--png, --svg, --print-graph)
      --pointer P         измерение под указателем (--png, --svg)
      --grid              сетка на графике (--png, --svg, --print-graph)
      --levels L1,L2,...  уровни в Бк/м³: линии уровней на графике (--png, --svg, --report) и время
                          выше уровня в отчёте (без них в отчёте уровни 100, 200 и 300 без линий)
      --warning-colour #RRGGBB  цвет графика выше наибольшего уровня (--png, --svg, --report;
                          по умолчанию #ff8000)
      --average-window HOURS  скользящее среднее за HOURS часов (1..8784) второй линией на графике
                          (--png, --svg, --report)
      --unit U            единица активности шкалы и цифр: Bq/m3 (Бк/м³, по умолчанию) или pCi/L
                          (пКи/л) (--png, --svg, --report)
      --wait              ждать конца задания на принтере (--printer)
      --paper P           бумага печатной формы: A4, A5, Letter или Legal (по умолчанию A4 для
                          файла и бумага очереди для принтера)
  -h, --help              показать эту справку и выйти
      --version           показать версию и выйти

FILE «-» читается со стандартного ввода (не более 8196 байт), OUT «-» пишется на стандартный
вывод, как и OUT, который сам является стандартным выводом программы (/dev/stdout). Файл
заменяется только целиком записанным новым.

Код возврата: 0 — успешно (для --printer: очередь приняла задание); 1 — --summary не смог прочитать
часть файлов; 2 — ошибка в командной строке, в файле, при записи или очередь не приняла задание;
3 — с --wait задание не напечатано.</source>
        <translation>Usage: radview-dump FILE
  or:  radview-dump FILE --series S --save-table FIRST LAST OUT
  or:  radview-dump FILE --series S --csv FIRST LAST OUT
  or:  radview-dump FILE --series S --average FIRST LAST
  or:  radview-dump FILE --series S --png W H OUT.png [--view FIRST COUNT] [--pointer P] [--grid]
                    [--levels L1,L2,...] [--warning-colour #RRGGBB] [--average-window HOURS]
                    [--unit pCi/L|Bq/m3]
  or:  radview-dump FILE --series S --svg W H OUT.svg [--view FIRST COUNT] [--pointer P] [--grid]
                    [--levels L1,L2,...] [--warning-colour #RRGGBB] [--average-window HOURS]
                    [--unit pCi/L|Bq/m3]
  or:  radview-dump FILE --series S --print-graph OUT.pdf [--view FIRST COUNT] [--grid] [--paper P]
  or:  radview-dump FILE --series S --print-table FIRST LAST OUT.pdf [--paper P]
  or:  radview-dump FILE --series S --print-graph --printer NAME|- [--wait] [--paper P]
  or:  radview-dump FILE --series S --print-table FIRST LAST --printer NAME|- [--wait] [--paper P]
  or:  radview-dump FILE --series S --report FIRST LAST OUT.pdf [--levels L1,L2,...]
                    [--warning-colour #RRGGBB] [--average-window HOURS] [--unit pCi/L|Bq/m3]
  or:  radview-dump --summary FILE...
  or:  radview-dump --help
  or:  radview-dump --version
Reads a file of a radon activity concentration instrument and, without a window, does what the
viewer radview does: prints the file as JSON, saves the table, CSV, a picture of the graph, the
printouts and the report of a series, computes the average. One action per run.

Actions:
      --save-table FIRST LAST OUT  measurement table FIRST..LAST in code page CP866
      --csv FIRST LAST OUT         measurements FIRST..LAST as CSV
      --average FIRST LAST         average activity over measurements FIRST..LAST
      --png W H OUT.png            the graph as a PNG picture of W×H pixels
      --svg W H OUT.svg            the graph as an SVG picture of W×H pixels
      --print-graph OUT.pdf        the graph printout as PDF
      --print-table FIRST LAST OUT.pdf  the table printout as PDF
      (a printout takes --printer NAME in place of OUT.pdf: a job for the print queue NAME,
       &quot;-&quot; for the default queue)
      --report FIRST LAST OUT.pdf  report on measurements FIRST..LAST as PDF
      --summary FILE...            one CSV line for every series of every file
Without an action the file is printed as JSON.

Options:
      --series S          ordinal of the series (1..65535), needed by every action on a series
      --view FIRST COUNT  measurements in view on the graph (--png, --svg, --print-graph)
      --pointer P         measurement under the pointer (--png, --svg)
      --grid              grid on the graph (--png, --svg, --print-graph)
      --levels L1,L2,...  levels in Bq/m³: level lines on the graph (--png, --svg, --report) and time
                          above each level in the report (without them the report takes 100, 200
                          and 300, drawing no lines)
      --warning-colour #RRGGBB  colour of the graph above the highest level (--png, --svg, --report;
                          #ff8000 by default)
      --average-window HOURS  running average over HOURS hours (1..8784) as a second line on the
                          graph (--png, --svg, --report)
      --unit U            activity unit of the scale and figures: Bq/m3 (Bq/m³, the default) or
                          pCi/L (--png, --svg, --report)
      --wait              wait for the job to end on the printer (--printer)
      --paper P           paper of a printout: A4, A5, Letter or Legal (by default A4 for a file
                          and the queue&apos;s paper for a printer)
  -h, --help              display this help and exit
      --version           output version information and exit

FILE &quot;-&quot; is read from standard input (at most 8196 bytes); OUT &quot;-&quot; is written to standard
output, as is an OUT that is itself the program&apos;s standard output (/dev/stdout). A file is
replaced only by a completely written new one.

Exit status: 0 on success (for --printer: the queue accepted the job); 1 if --summary could not
read some of the files; 2 for an error in the command line, in the file, in writing, or when the
queue refused the job; 3 if with --wait the job was not printed.</translation>
    </message>
    <message>
        <source>FIRST LAST OUT, FIRST и LAST от 0 до 65535</source>
        <translation>FIRST LAST OUT, FIRST and LAST from 0 to 65535</translation>
    </message>
    <message>
        <source>FIRST LAST от 0 до 65535</source>
        <translation>FIRST LAST from 0 to 65535</translation>
    </message>
    <message>
        <source>W H OUT.png, W и H от 1 до 16384</source>
        <translation>W H OUT.png, W and H from 1 to 16384</translation>
    </message>
    <message>
        <source>W H OUT.svg, W и H от 1 до 16384</source>
        <translation>W H OUT.svg, W and H from 1 to 16384</translation>
    </message>
    <message>
        <source>OUT.pdf или --printer NAME</source>
        <translation>OUT.pdf or --printer NAME</translation>
    </message>
    <message>
        <source>FIRST LAST OUT.pdf или FIRST LAST --printer NAME, FIRST и LAST от 0 до 65535</source>
        <translation>FIRST LAST OUT.pdf or FIRST LAST --printer NAME, FIRST and LAST from 0 to 65535</translation>
    </message>
    <message>
        <source>FIRST LAST OUT.pdf, FIRST и LAST от 0 до 65535</source>
        <translation>FIRST LAST OUT.pdf, FIRST and LAST from 0 to 65535</translation>
    </message>
    <message>
        <source>порядковый номер серии от 1 до 65535</source>
        <translation>the ordinal of a series from 1 to 65535</translation>
    </message>
    <message>
        <source>FIRST COUNT, каждое от 0 до 65535</source>
        <translation>FIRST COUNT, each from 0 to 65535</translation>
    </message>
    <message>
        <source>номер измерения от 0 до 65535</source>
        <translation>a measurement number from 0 to 65535</translation>
    </message>
    <message>
        <source>L1,L2,... (не более 10) от 0 до 2147483647</source>
        <translation>L1,L2,... (at most 10) from 0 to 2147483647</translation>
    </message>
    <message>
        <source>A4, A5, Letter или Legal</source>
        <translation>A4, A5, Letter or Legal</translation>
    </message>
    <message>
        <source>цвет вида #RRGGBB</source>
        <translation>a colour written #RRGGBB</translation>
    </message>
    <message>
        <source>размер окна в часах от 1 до 8784</source>
        <translation>the window in hours from 1 to 8784</translation>
    </message>
    <message>
        <source>pCi/L или Bq/m3</source>
        <translation>pCi/L or Bq/m3</translation>
    </message>
    <message>
        <source>выводом файла в JSON</source>
        <translation>printing the file as JSON</translation>
    </message>
    <message>
        <source>параметр %1 не используется с %2</source>
        <translation>option %1 is not used with %2</translation>
    </message>
    <message>
        <source>--summary: нужен хотя бы один FILE</source>
        <translation>--summary: at least one FILE is needed</translation>
    </message>
    <message>
        <source>не указан FILE, файл прибора</source>
        <translation>no FILE given, the instrument file</translation>
    </message>
    <message>
        <source>для %1 нужен --series S</source>
        <translation>%1 needs --series S</translation>
    </message>
    <message>
        <source>параметр --wait используется только с --printer</source>
        <translation>option --wait is used only with --printer</translation>
    </message>
    <message>
        <source>лишний файл %1: radview-dump читает один FILE (или --summary FILE...)</source>
        <translation>extra file %1: radview-dump reads one FILE (or --summary FILE...)</translation>
    </message>
    <message>
        <source>пустое имя файла</source>
        <translation>empty file name</translation>
    </message>
    <message>
        <source>за один запуск выполняется одно действие, а указаны %1 и %2</source>
        <translation>one action per run, but both %1 and %2 are given</translation>
    </message>
    <message>
        <source>--summary читает файлы, указанные после него, а перед ним указан %1</source>
        <translation>--summary reads the files given after it, but %1 is given before it</translation>
    </message>
    <message>
        <source>%1: нужны %2</source>
        <translation>%1: needs %2</translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>параметр %1 указан дважды</source>
        <translation>option %1 is given twice</translation>
    </message>
    <message>
        <source>%1: нужен %2</source>
        <translation>%1: needs %2</translation>
    </message>
</context>
<context>
    <name>DumpCommands</name>
    <message>
        <source>в файле нет серии %1 (серий в нём: %2)</source>
        <translation>the file has no series %1 (series in it: %2)</translation>
    </message>
    <message>
        <source>измерений с %1 по %2 нет в серии (в ней измерения с 1 по %3)</source>
        <translation>the series has no measurements %1 to %2 (it has measurements 1 to %3)</translation>
    </message>
    <message>
        <source>измерений вида с %1 по %2 нет в серии (в ней измерения с 1 по %3)</source>
        <translation>the series has no measurements %1 to %2 for the view (it has measurements 1 to %3)</translation>
    </message>
    <message>
        <source>указатель %1 вне вида с %2 по %3</source>
        <translation>pointer %1 is outside the view %2 to %3</translation>
    </message>
    <message>
        <source>не удалось построить рисунок для «%1»</source>
        <translation>could not draw the picture for “%1”</translation>
    </message>
    <message>
        <source>стандартный ввод</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>не удалось прочитать файлов: %1 из %2</source>
        <translation>could not read %1 of %2 files</translation>
    </message>
</context>
<context>
    <name>FileSummary</name>
    <message>
        <source>В файле нет ни одной серии измерений</source>
        <translation>The file has no series of measurements</translation>
    </message>
</context>
<context>
    <name>GraphPictureCommand</name>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg)</source>
        <translation>SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>-график.png</source>
        <translation>-graph.png</translation>
    </message>
    <message>
        <source>рисунок не удалось построить</source>
        <translation>the picture could not be made</translation>
    </message>
</context>
<context>
    <name>GraphPrintout</name>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
</context>
<context>
    <name>GraphRender</name>
    <message>
        <source>Активность Бк/м3</source>
        <translation>Activity Bq/m³</translation>
    </message>
    <message>
        <source>Активность %1</source>
        <translation>Activity %1</translation>
    </message>
    <message>
        <source>. Измерения с %1 по %2</source>
        <translation>. Measurements %1 to %2</translation>
    </message>
</context>
<context>
    <name>HelpLocation</name>
    <message>
        <source>help.hlp</source>
        <extracomment>The help page&apos;s file name: a translation names its own page, installed beside help.hlp.</extracomment>
        <translation>help-en.hlp</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Файл помощи «%1» не найден в папке программы (%2).</source>
        <translation>The help file “%1” was not found in the program’s folder (%2).</translation>
    </message>
    <message>
        <source>В файле помощи «%1» нет раздела «%2».</source>
        <translation>The help file “%1” has no section “%2”.</translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <source>Кол-во изм.</source>
        <translation>Meas. count</translation>
    </message>
    <message>
        <source> Номер изм.</source>
        <translation> Meas. No.</translation>
    </message>
    <message>
        <source>Экспозиция, с</source>
        <translation>Exposure, s</translation>
    </message>
    <message>
        <source>Время начала</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>Время оконч.</source>
        <translation>End time</translation>
    </message>
    <message>
        <source>Активность, Бк/м  </source>
        <translation>Activity, Bq/m³</translation>
    </message>
    <message>
        <source>Усредненное значение </source>
        <translation>Average value</translation>
    </message>
    <message>
        <source> Бк/м   </source>
        <translation> Bq/m³</translation>
    </message>
    <message>
        <source>от:</source>
        <translation>from</translation>
    </message>
    <message>
        <source>изм.  до:</source>
        <translation>meas.  to</translation>
    </message>
    <message>
        <source>изм.</source>
        <translation>meas.</translation>
    </message>
    <message>
        <source>N прибора</source>
        <translation>Instr. No.</translation>
    </message>
    <message>
        <source>Чувствит</source>
        <translation>Sensitiv.</translation>
    </message>
    <message>
        <source>Активность, </source>
        <translation>Activity, </translation>
    </message>
</context>
<context>
    <name>InstrumentFile</name>
    <message>
        <source>Не удалось открыть файл «%1»: %2</source>
        <translation>Could not open the file “%1”: %2</translation>
    </message>
    <message>
        <source>«%1» не является обычным файлом и не может быть прочитан.</source>
        <translation>“%1” is not a regular file and cannot be read.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл «%1»: %2</source>
        <translation>Could not read the file “%1”: %2</translation>
    </message>
    <message>
        <source>Не удалось прочитать %1: %2</source>
        <translation>Could not read %1: %2</translation>
    </message>
</context>
<context>
    <name>JobMessages</name>
    <message>
        <source>Принтер по умолчанию не принял задание: %1</source>
        <translation>The default printer did not accept the job: %1</translation>
    </message>
    <message>
        <source>Принтер «%1» не принял задание: %2</source>
        <translation>The printer “%1” did not accept the job: %2</translation>
    </message>
    <message>
        <source>Задание %1 отправлено на принтер «%2»</source>
        <translation>Job %1 sent to the printer “%2”</translation>
    </message>
    <message>
        <source>Печать отменена</source>
        <translation>Printing cancelled</translation>
    </message>
    <message>
        <source>Сервер печати не отвечает. Повторите печать позже.</source>
        <translation>The print server does not answer. Print again later.</translation>
    </message>
    <message>
        <source>Задание %1 ещё в очереди принтера «%2»</source>
        <translation>Job %1 is still in the queue of the printer “%2”</translation>
    </message>
    <message>
        <source>Принтер «%1» остановлен: задание %2 ждёт в очереди</source>
        <translation>The printer “%1” is stopped: job %2 waits in the queue</translation>
    </message>
    <message>
        <source>Задание %1 напечатано</source>
        <translation>Job %1 printed</translation>
    </message>
    <message>
        <source>Задание %1 передано принтеру</source>
        <translation>Job %1 handed to the printer</translation>
    </message>
    <message>
        <source>Задание %1 отменено</source>
        <translation>Job %1 cancelled</translation>
    </message>
    <message>
        <source>Задание %1 прервано: %2</source>
        <translation>Job %1 aborted: %2</translation>
    </message>
    <message>
        <source>причина не сообщена</source>
        <translation>no reason given</translation>
    </message>
    <message>
        <source>Задание %1 задержано в очереди принтера «%2»</source>
        <translation>Job %1 is held in the queue of the printer “%2”</translation>
    </message>
</context>
<context>
    <name>LevelsDialog</name>
    <message>
        <source>Опорные уровни</source>
        <translation>Reference levels</translation>
    </message>
    <message>
        <source>например, 100, 200, 300</source>
        <translation>e.g. 100, 200, 300</translation>
    </message>
    <message>
        <source> ч</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Уровни, Бк/м³:</source>
        <translation>Levels, Bq/m³:</translation>
    </message>
    <message>
        <source>Окно скользящего среднего:</source>
        <translation>Running average window:</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>&amp;Открыть</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Открыть файл ...</source>
        <translation>Open a file ...</translation>
    </message>
    <message>
        <source>Связь с прибором</source>
        <translation>Instrument link</translation>
    </message>
    <message>
        <source>Сохранить таблицу</source>
        <translation>Save table</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Печать таблицы</source>
        <translation>Print table</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Печать графика</source>
        <translation>Print graph</translation>
    </message>
    <message>
        <source>Отчёт PDF…</source>
        <translation>PDF report…</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Серия</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Показать все серии</source>
        <translation>Show all series</translation>
    </message>
    <message>
        <source>Таблица измерений</source>
        <translation>Measurement table</translation>
    </message>
    <message>
        <source>Первое измерение</source>
        <translation>First measurement</translation>
    </message>
    <message>
        <source>След.измерение</source>
        <translation>Next measurement</translation>
    </message>
    <message>
        <source>Вперед</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Предыдущ.измерение</source>
        <translation>Previous measurement</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Последнее измерение</source>
        <translation>Last measurement</translation>
    </message>
    <message>
        <source>Увеличение</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Первоначальный вид</source>
        <translation>Initial view</translation>
    </message>
    <message>
        <source>Усреднение</source>
        <translation>Averaging</translation>
    </message>
    <message>
        <source>Сетка</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>&amp;Принтера</source>
        <translation>&amp;Printer</translation>
    </message>
    <message>
        <source>Настройка принтера</source>
        <translation>Printer setup</translation>
    </message>
    <message>
        <source>Палитры</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Настройка цветов</source>
        <translation>Colour settings</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Бк/м³</source>
        <translation>Bq/m³</translation>
    </message>
    <message>
        <source>пКи/л</source>
        <translation>pCi/L</translation>
    </message>
    <message>
        <source>Опорные уровни…</source>
        <translation>Reference levels…</translation>
    </message>
    <message>
        <source>Скользящее среднее</source>
        <translation>Running average</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Откройте файл для просмотра</source>
        <translation>Open a file to view</translation>
    </message>
    <message>
        <source>Просмотр файла </source>
        <translation>Viewing file </translation>
    </message>
    <message>
        <source>Визуализация данных</source>
        <translation>Data visualisation</translation>
    </message>
    <message>
        <source>Двоичные файлы (*.ser) (*.rad)</source>
        <translation>Binary files (*.ser) (*.rad)</translation>
    </message>
    <message>
        <source>Все файлы (*.*) (*)</source>
        <translation>All files (*.*) (*)</translation>
    </message>
    <message>
        <source>Открыт только первый файл: файлы открываются по одному</source>
        <translation>Only the first file was opened: files are opened one at a time</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Просмотр</source>
        <translation>View</translation>
    </message>
    <message>
        <source>&amp;Настройка</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>Единицы</source>
        <translation>Units</translation>
    </message>
</context>
<context>
    <name>MeasurementDocument</name>
    <message>
        <source>В файле «%1» нет ни одной серии измерений: это не файл прибора?</source>
        <translation>The file “%1” holds not a single measurement series: is it not an instrument file?</translation>
    </message>
</context>
<context>
    <name>MeasurementReadout</name>
    <message>
        <source>№ %1: %2 – %3, %4 %5</source>
        <translation>No. %1: %2 – %3, %4 %5</translation>
    </message>
</context>
<context>
    <name>MeasurementTableModel</name>
    <message>
        <source>N изм.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Время начала</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>Время оконч.</source>
        <translation>End time</translation>
    </message>
    <message>
        <source>Активность</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Экспозиция</source>
        <translation>Exposure</translation>
    </message>
</context>
<context>
    <name>MeasurementTableWindow</name>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>MeasurementTexts</name>
    <message>
        <source>Это последнее измерение в области видимости </source>
        <translation>This is the last measurement in view </translation>
    </message>
    <message>
        <source>Это первое измерение в области видимости </source>
        <translation>This is the first measurement in view </translation>
    </message>
    <message>
        <source>янв</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>фев</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>мар</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>апр</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>май</source>
        <translation>May</translation>
    </message>
    <message>
        <source>июн</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>июл</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>авг</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>сен</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>окт</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>ноя</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>дек</source>
        <translation>Dec</translation>
    </message>
</context>
<context>
    <name>PictureSizeDialog</name>
    <message>
        <source>Размер рисунка</source>
        <translation>Picture size</translation>
    </message>
    <message>
        <source> пикс.</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Ширина:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Высота:</source>
        <translation>Height:</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Таблица измерений</source>
        <translation>Measurement table</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Ошибка печати</source>
        <translation>Printing error</translation>
    </message>
    <message>
        <source>страницы не удалось построить</source>
        <translation>the pages could not be made</translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>отменено</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>сервер печати не отвечает</source>
        <translation>the print server does not answer</translation>
    </message>
    <message>
        <source>нет связи с сервером печати (%1)</source>
        <translation>no connection to the print server (%1)</translation>
    </message>
</context>
<context>
    <name>PrintTarget</name>
    <message>
        <source>-график.pdf</source>
        <translation>-graph.pdf</translation>
    </message>
    <message>
        <source>-таблица.pdf</source>
        <translation>-table.pdf</translation>
    </message>
    <message>
        <source>Принтер не найден. Выберите принтер или печать в файл PDF в «Настройке принтера».</source>
        <translation>No printer found. Choose a printer or printing to a PDF file in “Printer setup”.</translation>
    </message>
</context>
<context>
    <name>ProgramLauncher</name>
    <message>
        <source>Программа связи с прибором «%1» не найдена; искали в: %2</source>
        <translation>The instrument link program “%1” was not found; looked in: %2</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Copyright (C) 2026 разработчики radview
Лицензия GPL-3.0-or-later: GNU GPL версии 3 или более поздней &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
Это свободная программа: её можно изменять и распространять.
Она поставляется БЕЗ КАКИХ-ЛИБО ГАРАНТИЙ в пределах, допустимых законом.
</source>
        <translation>Copyright (C) 2026 the radview developers
Licence GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</translation>
    </message>
</context>
<context>
    <name>QueuePrinting</name>
    <message>
        <source>Печать…</source>
        <translation>Printing…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Printing</translation>
    </message>
</context>
<context>
    <name>RangeDialog</name>
    <message>
        <source>Видимые на гистограмме измерения</source>
        <translation>Measurements visible on the graph</translation>
    </message>
    <message>
        <source>Весь диапазон</source>
        <translation>Whole range</translation>
    </message>
    <message>
        <source>Измерения от </source>
        <translation>From </translation>
    </message>
    <message>
        <source>Выбор диапазона</source>
        <translation>Choice of range</translation>
    </message>
    <message>
        <source>до</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ReferenceLevels</name>
    <message>
        <source>«%1» — не целое число: уровни вводятся целыми числами Бк/м³ через запятую, точку с запятой или пробел</source>
        <translation>“%1” is not a whole number: levels are given as whole numbers of Bq/m³ separated by commas, semicolons or spaces</translation>
    </message>
    <message>
        <source>Уровень %1 слишком велик: не больше %2 Бк/м³</source>
        <translation>The level %1 is too high: at most %2 Bq/m³</translation>
    </message>
    <message>
        <source>Уровень должен быть больше нуля</source>
        <translation>A level must be greater than zero</translation>
    </message>
    <message>
        <source>Уровней не может быть больше %1</source>
        <translation>There can be no more than %1 levels</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>-отчёт.pdf</source>
        <translation>-report.pdf</translation>
    </message>
    <message>
        <source>Составляется отчёт…</source>
        <translation>Making the report…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ReportPrintout</name>
    <message>
        <source>Отчёт</source>
        <translation>Report</translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <source>часы прибора шли назад</source>
        <translation>the instrument clock went backwards</translation>
    </message>
    <message>
        <source>,</source>
        <comment>decimal separator</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <comment>date format</comment>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>dd.MM.yyyy HH:mm</source>
        <comment>date and time format</comment>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>dd.MM.yyyy HH:mm:ss</source>
        <comment>date and time format</comment>
        <translation>yyyy-MM-dd HH:mm:ss</translation>
    </message>
    <message>
        <source>MM.yyyy</source>
        <comment>month format</comment>
        <translation>yyyy-MM</translation>
    </message>
    <message>
        <source>изм. %1, %2</source>
        <translation>meas. %1, %2</translation>
    </message>
    <message>
        <source>Время выше %1</source>
        <translation>Time above %1</translation>
    </message>
    <message>
        <source>Среднее</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Медиана</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Минимум</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Максимум</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>ЭРОА</source>
        <translation>EEC</translation>
    </message>
    <message>
        <source>Номер прибора %1, чувствительность %2</source>
        <translation>Instrument number %1, sensitivity %2</translation>
    </message>
    <message>
        <source>Начало: %1, конец: %2, продолжительность: %3</source>
        <translation>Start: %1, end: %2, duration: %3</translation>
    </message>
    <message>
        <source>Измерений: %1 (с %2 по %3), ошибочных меток: %4</source>
        <translation>Measurements: %1 (%2 to %3), bad marks: %4</translation>
    </message>
    <message>
        <source>Средние по суткам</source>
        <translation>Daily averages</translation>
    </message>
    <message>
        <source>Средние по месяцам</source>
        <translation>Monthly averages</translation>
    </message>
    <message>
        <source>Средние по годам</source>
        <translation>Yearly averages</translation>
    </message>
    <message>
        <source> сут </source>
        <translation> d </translation>
    </message>
    <message>
        <source> ч</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Страница %1 из %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Отчёт по серии измерений объёмной активности радона</source>
        <translation>Report on a series of radon activity concentration measurements</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Период</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Часов</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Среднее, %1</source>
        <translation>Average, %1</translation>
    </message>
    <message>
        <source>Дата печати: %1</source>
        <translation>Printed: %1</translation>
    </message>
</context>
<context>
    <name>SeriesEvaluation</name>
    <message>
        <source>Серия не определена. Нет  измерений</source>
        <translation>The series is undefined. No measurements</translation>
    </message>
    <message>
        <source>Чувствительность прибора равна нулю: активность вычислить нельзя. Серия не определена</source>
        <translation>The instrument’s sensitivity is zero: no activity can be computed. The series is undefined</translation>
    </message>
    <message>
        <source>Ошибка в файле. № изм=%1  Мес=%2  День=%3  Час=%4  Мин=%5  Сек=%6</source>
        <translation>Error in the file. Meas. no.=%1  Month=%2  Day=%3  Hour=%4  Min=%5  Sec=%6</translation>
    </message>
    <message>
        <source>Файл %1; Серия N %2</source>
        <translation>File %1; Series No. %2</translation>
    </message>
</context>
<context>
    <name>SeriesList</name>
    <message>
        <source>Ошибка в файле</source>
        <translation>Error in the file</translation>
    </message>
    <message>
        <source>не определено</source>
        <translation>undefined</translation>
    </message>
    <message>
        <source>%1 * 10-5 Бк-1 * м3 * c-1</source>
        <translation>%1 * 10-5 Bq-1 * m3 * s-1</translation>
    </message>
</context>
<context>
    <name>SeriesListWindow</name>
    <message>
        <source># п/п</source>
        <translation>No.</translation>
    </message>
    <message>
        <source># серии</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Начало измерений</source>
        <translation>Start of measurements</translation>
    </message>
    <message>
        <source>Конец измерений</source>
        <translation>End of measurements</translation>
    </message>
    <message>
        <source>Активность</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Выбор серии</source>
        <translation>Choice of series</translation>
    </message>
</context>
<context>
    <name>SpanCommands</name>
    <message>
        <source>Отчёт по выделенному</source>
        <translation>Report on the span</translation>
    </message>
    <message>
        <source>CSV выделенного</source>
        <translation>CSV of the span</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Показатели участка для электронной таблицы (Ctrl+C)</source>
        <translation>The span’s figures for a spreadsheet (Ctrl+C)</translation>
    </message>
    <message>
        <source>Снять выделение</source>
        <translation>Clear the span</translation>
    </message>
</context>
<context>
    <name>SpanFigureTexts</name>
    <message>
        <source>Измерений</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Первое измерение</source>
        <translation>First measurement</translation>
    </message>
    <message>
        <source>Последнее измерение</source>
        <translation>Last measurement</translation>
    </message>
    <message>
        <source>Начало</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Конец</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Продолжительность</source>
        <translation>Duration</translation>
    </message>
</context>
<context>
    <name>SpanPanel</name>
    <message>
        <source>Выделенный участок</source>
        <translation>Marked span</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>Не удалось записать %1: %2.</source>
        <translation>Could not write %1: %2.</translation>
    </message>
    <message>
        <source>стандартный вывод</source>
        <translation>standard output</translation>
    </message>
</context>
<context>
    <name>SystemErrorText</name>
    <message>
        <source>папка или файл не существует</source>
        <translation>no such folder or file</translation>
    </message>
    <message>
        <source>часть пути не является папкой</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>нет прав доступа</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>файловая система доступна только для чтения</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>превышен допустимый размер файла</source>
        <translation>the file size limit is exceeded</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>слишком много символических ссылок по пути</source>
        <translation>too many symbolic links on the path</translation>
    </message>
    <message>
        <source>файл или устройство занято</source>
        <translation>the file or device is busy</translation>
    </message>
    <message>
        <source>файл занят выполняющейся программой</source>
        <translation>the file is in use by a running program</translation>
    </message>
    <message>
        <source>файл уже существует</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>файл нельзя перенести на другую файловую систему</source>
        <translation>the file cannot be moved to another file system</translation>
    </message>
    <message>
        <source>слишком много ссылок на файл</source>
        <translation>too many links to the file</translation>
    </message>
    <message>
        <source>устройство не найдено</source>
        <translation>no such device</translation>
    </message>
    <message>
        <source>недопустимый аргумент</source>
        <translation>invalid argument</translation>
    </message>
    <message>
        <source>файл не открыт</source>
        <translation>the file is not open</translation>
    </message>
    <message>
        <source>ресурс временно недоступен</source>
        <translation>the resource is temporarily unavailable</translation>
    </message>
    <message>
        <source>операция прервана сигналом</source>
        <translation>the operation was interrupted by a signal</translation>
    </message>
    <message>
        <source>не хватает памяти</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>в системе открыто слишком много файлов</source>
        <translation>too many open files in the system</translation>
    </message>
    <message>
        <source>сетевой файл устарел</source>
        <translation>stale network file</translation>
    </message>
    <message>
        <source>значение слишком велико</source>
        <translation>the value is too large</translation>
    </message>
    <message>
        <source>канал закрыт читающей стороной</source>
        <translation>the pipe was closed by its reader</translation>
    </message>
    <message>
        <source>папка не пуста</source>
        <translation>the folder is not empty</translation>
    </message>
    <message>
        <source>операция не поддерживается файловой системой</source>
        <translation>the file system does not support the operation</translation>
    </message>
    <message>
        <source>истекло время ожидания</source>
        <translation>timed out</translation>
    </message>
    <message>
        <source>нет свободных блокировок</source>
        <translation>no locks available</translation>
    </message>
    <message>
        <source>нет соединения</source>
        <translation>not connected</translation>
    </message>
    <message>
        <source>сервер недоступен</source>
        <translation>the server is down</translation>
    </message>
    <message>
        <source>в соединении отказано</source>
        <translation>connection refused</translation>
    </message>
    <message>
        <source>системная ошибка номер %1</source>
        <translation>system error number %1</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>нет прав на запись в файл</source>
        <translation>no permission to write the file</translation>
    </message>
    <message>
        <source>система запрещает следовать по символической ссылке другого пользователя в общей папке (fs.protected_symlinks)</source>
        <translation>the system forbids following another user’s symbolic link in a shared folder (fs.protected_symlinks)</translation>
    </message>
    <message>
        <source>нельзя сохранить владельца и группу заменяемого файла</source>
        <translation>the owner and group of the replaced file cannot be kept</translation>
    </message>
    <message>
        <source>папка «%1»: %2</source>
        <translation>folder “%1”: %2</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>папка «%1» не существует</source>
        <translation>the folder “%1” does not exist</translation>
    </message>
</context>
<context>
    <name>TableColumns</name>
    <message>
        <source>N изм.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Время начала</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>Время оконч.</source>
        <translation>End time</translation>
    </message>
    <message>
        <source>Активность</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Экспозиция</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source>(Бк/м3)</source>
        <translation>(Bq/m3)</translation>
    </message>
    <message>
        <source>,c</source>
        <translation>,s</translation>
    </message>
    <message>
        <source>, c</source>
        <translation>, s</translation>
    </message>
</context>
<context>
    <name>TableCommands</name>
    <message>
        <source>Текстовый файл (*.txt)</source>
        <translation>Text file (*.txt)</translation>
    </message>
</context>
<context>
    <name>TablePrintout</name>
    <message>
        <source>Таблица измерений</source>
        <translation>Measurement table</translation>
    </message>
    <message>
        <source>Чувствительность=%1*10-5   Бк-1 * м3 * c-1</source>
        <translation>Sensitivity=%1*10-5   Bq-1 * m3 * s-1</translation>
    </message>
    <message>
        <source>Номер прибора %1</source>
        <translation>Instrument number %1</translation>
    </message>
    <message>
        <source>ЭРОА=%1 Бк/м3</source>
        <translation>EEC=%1 Bq/m3</translation>
    </message>
</context>
<context>
    <name>TimeLabels</name>
    <message>
        <source>(мин : сек)</source>
        <translation>(min : sec)</translation>
    </message>
    <message>
        <source>(час . мин)</source>
        <translation>(hour . min)</translation>
    </message>
    <message>
        <source>(день.час)</source>
        <translation>(day.hour)</translation>
    </message>
    <message>
        <source>(день мес)</source>
        <translation>(month day)</translation>
    </message>
    <message>
        <source>(мес)</source>
        <translation>(month)</translation>
    </message>
    <message>
        <source>(год)</source>
        <translation>(year)</translation>
    </message>
    <message>
        <source>янв</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>фев</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>мар</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>апр</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>май</source>
        <translation>May</translation>
    </message>
    <message>
        <source>июн</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>июл</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>авг</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>сен</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>окт</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>ноя</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>дек</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A label of the time axis: %1 the day, %2 the month&apos;s name.</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>время,  </source>
        <translation>time,  </translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Настройка принтера</source>
        <translation>Printer setup</translation>
    </message>
</context>
<context>
    <name>ViewState</name>
    <message>
        <source>Укажите на графике мышью область видимости </source>
        <translation>Mark with the mouse the part of the graph to show </translation>
    </message>
    <message>
        <source>Щёлкните второй край области</source>
        <translation>Click the other edge of the part</translation>
    </message>
</context>
<context>
    <name>ViewerCommandLine</name>
    <message>
        <source>Использование: radview [FILE]
  или:  radview --help
  или:  radview --version
Показывает измерения прибора для измерения объёмной активности радона из файла прибора (*.rad):
график, таблицу, средние, печатные формы и отчёт.

  FILE           файл прибора, открываемый при запуске
  -h, --help     показать эту справку и выйти
      --version  показать версию и выйти

Стандартные параметры Qt передаются Qt.

Код возврата: 0 — успешно; 2 — ошибка в командной строке.
</source>
        <translation>Usage: radview [FILE]
  or:  radview --help
  or:  radview --version
Shows the measurements of a radon-activity instrument from its file (*.rad):
as a graph, a table, averages, printouts and a report.

  FILE           the instrument file to open at start
  -h, --help     show this help and exit
      --version  show the version and exit

Qt&apos;s standard options are passed on to Qt.

Exit status: 0 on success; 2 for an error in the command line.
</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1»</source>
        <translation>unknown option “%1”</translation>
    </message>
    <message>
        <source>лишний файл «%1»: открывается один FILE</source>
        <translation>extra file “%1”: one FILE is opened</translation>
    </message>
    <message>
        <source>пустое имя файла</source>
        <translation>empty file name</translation>
    </message>
</context>
</TS>
