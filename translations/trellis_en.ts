<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>ArchiveCommandLine</name>
    <message>
        <location filename="../src/project/ArchiveCommandLine.cpp" line="17"/>
        <source>использование: trellis --archive ПРОЕКТ.d01 АРХИВ.zip</source>
        <translation>usage: trellis --archive PROJECT.d01 ARCHIVE.zip</translation>
    </message>
    <message>
        <location filename="../src/project/ArchiveCommandLine.cpp" line="28"/>
        <source>нет файла проекта %1</source>
        <translation>no project file %1</translation>
    </message>
    <message>
        <location filename="../src/project/ArchiveCommandLine.cpp" line="36"/>
        <source>не попал в архив файл %1</source>
        <translation>file not included in the archive: %1</translation>
    </message>
    <message>
        <location filename="../src/project/ArchiveCommandLine.cpp" line="42"/>
        <source>архив %1 не создан: %2</source>
        <translation>archive %1 not created: %2</translation>
    </message>
</context>
<context>
    <name>CadAddIn</name>
    <message>
        <location filename="../src/cad/CadAddIn.cpp" line="34"/>
        <source>Для подключения проекта VBA перезагрузите ZwCAD</source>
        <translation>Restart ZwCAD to load the VBA project</translation>
    </message>
    <message>
        <location filename="../src/cad/CadAddIn.cpp" line="92"/>
        <source>Путь графического редактора %1 - не найден</source>
        <translation>CAD program folder %1 not found</translation>
    </message>
</context>
<context>
    <name>CadConnection</name>
    <message>
        <location filename="../src/cad/CadConnection.cpp" line="65"/>
        <source>Запустите графический редактор (AutoCAD или его аналог - выбор в окне Параметры)</source>
        <translation>Start the CAD program (AutoCAD or an equivalent, as chosen in the Options window)</translation>
    </message>
    <message>
        <location filename="../src/cad/CadConnection.cpp" line="126"/>
        <source>Макрос %1 не найден.<byte value="xd"/>
<byte value="xd"/>
Проверьте подключение VBA приложений в %2</source>
        <translation>Macro %1 not found.<byte value="xd"/>
<byte value="xd"/>
Check that the VBA applications are loaded in %2</translation>
    </message>
    <message>
        <location filename="../src/cad/CadConnection.cpp" line="130"/>
        <source>Ошибка запуска макроса VBA</source>
        <translation>Error running VBA macro</translation>
    </message>
</context>
<context>
    <name>CatalogueLoading</name>
    <message>
        <location filename="../src/tables/CatalogueLoading.cpp" line="68"/>
        <source>Нет файла описания колонок таблицы &quot;%1&quot;: %2</source>
        <translation>No column description file for table &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <location filename="../src/app/FileErrors.cpp" line="22"/>
        <source>Некорректное имя файла. </source>
        <translation>Invalid file name. </translation>
    </message>
    <message>
        <location filename="../src/app/FileErrors.cpp" line="26"/>
        <source> Нет доступа к файлу. </source>
        <translation> No access to the file. </translation>
    </message>
    <message>
        <location filename="../src/app/FileErrors.cpp" line="29"/>
        <source> Файл уже открыт. </source>
        <translation> The file is already open. </translation>
    </message>
    <message>
        <location filename="../src/app/FileErrors.cpp" line="32"/>
        <source> Внутренняя дисковая ошибка. </source>
        <translation> Internal disk error. </translation>
    </message>
    <message>
        <location filename="../src/app/FileErrors.cpp" line="36"/>
        <source> Диск полон. Продолжить? </source>
        <translation> The disk is full. Continue? </translation>
    </message>
    <message>
        <location filename="../src/app/FileErrors.cpp" line="40"/>
        <source> Этот файл имеет нестандартный маркер конца файла,  или была  сделана попытка читать вне  маркера конца файла. </source>
        <translation> This file has a non-standard end-of-file marker, or an attempt was made to read past the end-of-file marker. </translation>
    </message>
    <message>
        <location filename="../src/app/FileErrors.cpp" line="47"/>
        <source> Дисковод не доступен. </source>
        <translation> The drive is not available. </translation>
    </message>
    <message>
        <location filename="../src/app/FileErrors.cpp" line="51"/>
        <source> Вставьте диск в дисковод. </source>
        <translation> Insert a disk into the drive. </translation>
    </message>
    <message>
        <location filename="../src/app/FileErrors.cpp" line="55"/>
        <source>Файл открыт другим приложением или некорректное имя файла или попытка создать папку с уже существующим именем.</source>
        <translation>The file is open in another application, or the file name is invalid, or a folder with an existing name was to be created.</translation>
    </message>
    <message>
        <location filename="../src/app/FileErrors.cpp" line="62"/>
        <source>Путь не существует. </source>
        <translation>The path does not exist. </translation>
    </message>
    <message>
        <location filename="../src/app/FileErrors.cpp" line="86"/>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>LowerPanes</name>
    <message>
        <location filename="../src/tables/LowerPanes.cpp" line="20"/>
        <source>Протокол</source>
        <translation>Report</translation>
    </message>
    <message>
        <location filename="../src/tables/LowerPanes.cpp" line="24"/>
        <source>Новые строки в протоколе: %1. Они на вкладке &quot;%2&quot; внизу окна (кнопка &quot;Нижние вкладки&quot;)</source>
        <translation>New lines in the report: %1. They are on the &quot;%2&quot; tab at the bottom of the window (the &quot;Bottom tabs&quot; button)</translation>
    </message>
    <message>
        <location filename="../src/tables/LowerPanes.cpp" line="43"/>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/tables/LowerPanes.cpp" line="45"/>
        <source>Ошибки</source>
        <translation>Errors</translation>
    </message>
    <message>
        <location filename="../src/tables/LowerPanes.cpp" line="62"/>
        <source>Для показа ошибки выберите строку таблицы Ошибки</source>
        <translation>To show an error, select its row in the Errors table</translation>
    </message>
</context>
<context>
    <name>MacroCalls</name>
    <message>
        <location filename="../src/cad/MacroCalls.cpp" line="119"/>
        <source>Макрос %1;%2 не завершен: его программа закончила работу во время вызова.</source>
        <translation>Macro %1;%2 did not finish: its program quit during the call.</translation>
    </message>
</context>
<context>
    <name>MainToolbar</name>
    <message>
        <location filename="../src/tables/TableUndo.cpp" line="145"/>
        <location filename="../src/ui/MainToolbar.cpp" line="30"/>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location filename="../src/tables/TableUndo.cpp" line="147"/>
        <location filename="../src/ui/MainToolbar.cpp" line="31"/>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="17"/>
        <source>Новый расчет</source>
        <translation>New calculation</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="18"/>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="19"/>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="20"/>
        <source>Добавить строку</source>
        <translation>Add row</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="21"/>
        <source>Удалить строку</source>
        <translation>Delete row</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="22"/>
        <source>Изменить строку</source>
        <translation>Edit row</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="23"/>
        <source>Сортировка</source>
        <translation>Sort</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="24"/>
        <source>Выбор объектов</source>
        <translation>Select objects</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="25"/>
        <source>Показать</source>
        <translation>Show</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="26"/>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="27"/>
        <source>Вырезать</source>
        <translation>Cut</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="28"/>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="32"/>
        <source>Расчет</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="33"/>
        <source>Нижние вкладки</source>
        <translation>Bottom tabs</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="34"/>
        <source>Параметры</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="35"/>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="52"/>
        <source>По возрастанию</source>
        <translation>Ascending</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="53"/>
        <source>По убыванию</source>
        <translation>Descending</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="57"/>
        <source>Сохранить как ...</source>
        <translation>Save as ...</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="59"/>
        <source>Сохранить в архив ...</source>
        <translation>Save to archive ...</translation>
    </message>
    <message>
        <location filename="../src/ui/MainToolbar.cpp" line="61"/>
        <source>Экспорт в VB программу</source>
        <translation>Export to a VB program</translation>
    </message>
</context>
<context>
    <name>ProgramProjectWriter</name>
    <message>
        <location filename="../src/generator/ProgramProjectWriter.cpp" line="43"/>
        <source>Предварительно нужно выполнить сохранение проекта Trellis</source>
        <translation>Save the Trellis project first</translation>
    </message>
    <message>
        <location filename="../src/generator/ProgramProjectWriter.cpp" line="89"/>
        <source>Не удалось скопировать файл %1 в %2</source>
        <translation>Could not copy file %1 to %2</translation>
    </message>
</context>
<context>
    <name>ProgramServices</name>
    <message>
        <location filename="../src/ui/ProgramServices.cpp" line="79"/>
        <source>Данные для восстановления не записаны: </source>
        <translation>Recovery data not written: </translation>
    </message>
    <message>
        <location filename="../src/ui/ProgramServices.cpp" line="90"/>
        <source>Проект не восстановлен: </source>
        <translation>Project not recovered: </translation>
    </message>
</context>
<context>
    <name>ProjectArchive</name>
    <message>
        <location filename="../src/project/ProjectArchive.cpp" line="61"/>
        <source>Не попал в архив файл %1</source>
        <translation>File not included in the archive: %1</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectArchive.cpp" line="64"/>
        <source>Архив &quot;%1&quot; не создан: %2</source>
        <translation>Archive &quot;%1&quot; not created: %2</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectArchive.cpp" line="67"/>
        <source>Архив создать не удалось</source>
        <translation>The archive could not be created</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectArchive.cpp" line="78"/>
        <source>Сохранить проект</source>
        <translation>Save project</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectArchive.cpp" line="90"/>
        <source>Архив не создан: проект не удалось сохранить.</source>
        <translation>Archive not created: the project could not be saved.</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectArchive.cpp" line="96"/>
        <source>Сохранить проект в архив</source>
        <translation>Save project to archive</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectArchive.cpp" line="100"/>
        <source>Архивирование прервано: </source>
        <translation>Archiving interrupted: </translation>
    </message>
    <message>
        <location filename="../src/project/ProjectArchive.cpp" line="102"/>
        <source>Архив не создан.</source>
        <translation>Archive not created.</translation>
    </message>
</context>
<context>
    <name>ProjectCommands</name>
    <message>
        <location filename="../src/project/ProjectCommands.cpp" line="23"/>
        <source>Проект не сохранен.</source>
        <translation>Project not saved.</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectCommands.cpp" line="33"/>
        <source>Команда прервана: </source>
        <translation>Command interrupted: </translation>
    </message>
    <message>
        <location filename="../src/project/ProjectCommands.cpp" line="36"/>
        <source>Команда не выполнена.</source>
        <translation>Command not completed.</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectCommands.cpp" line="55"/>
        <source>Сохранить проект</source>
        <translation>Save project</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectCommands.cpp" line="83"/>
        <source>Создать новый проект?</source>
        <translation>Create a new project?</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectCommands.cpp" line="88"/>
        <source>Сохранить новый проект</source>
        <translation>Save new project</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectCommands.cpp" line="96"/>
        <source>Новый проект создан, но не сохранен.</source>
        <translation>New project created but not saved.</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectCommands.cpp" line="113"/>
        <source>Открыть проект</source>
        <translation>Open project</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectCommands.cpp" line="116"/>
        <source>Данный файл создан в другой программе и не предназначен для открытия в Trellis</source>
        <translation>This file was created by another program and is not meant to be opened in Trellis</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectCommands.cpp" line="143"/>
        <source>Сохранить проект как</source>
        <translation>Save project as</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectCommands.cpp" line="160"/>
        <source>Сохранить изменения в проект?</source>
        <translation>Save changes to the project?</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectCommands.cpp" line="161"/>
        <source>Сохранить изменения в проект &quot;%1&quot;?</source>
        <translation>Save changes to project &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>ProjectDialogs</name>
    <message>
        <location filename="../src/project/ProjectDialogs.cpp" line="83"/>
        <source>Файл данных проекта (*.d01)|*.d01</source>
        <translation>Project data file (*.d01)|*.d01</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectDialogs.cpp" line="91"/>
        <source>Файл &quot;%1&quot; уже существует. Заменить его новым?</source>
        <translation>File &quot;%1&quot; already exists. Replace it with the new one?</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectDialogs.cpp" line="101"/>
        <source>Архив (*.zip)|*.zip</source>
        <translation>Archive (*.zip)|*.zip</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectDialogs.cpp" line="112"/>
        <source>Архив  &quot;%1&quot; уже существует. Заменить его новым?</source>
        <translation>Archive &quot;%1&quot; already exists. Replace it with the new one?</translation>
    </message>
</context>
<context>
    <name>ProjectFileSet</name>
    <message>
        <location filename="../src/project/ProjectFileSet.cpp" line="30"/>
        <source>%1 остановлено на файле &quot;%2&quot;: %3</source>
        <translation>%1 stopped at file &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectFileSet.cpp" line="60"/>
        <source>Копирование файлов проекта</source>
        <translation>Copying the project files</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectFileSet.cpp" line="107"/>
        <source>Переименование файлов проекта</source>
        <translation>Renaming the project files</translation>
    </message>
</context>
<context>
    <name>ProjectOperations</name>
    <message>
        <location filename="../src/project/ProjectOperations.cpp" line="143"/>
        <source>Не все файлы проекта попали в рабочую папку. Проект открыт не полностью; сохранить его можно только под новым именем.</source>
        <translation>Not all project files reached the working folder. The project is only partly open; it can be saved only under a new name.</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectOperations.cpp" line="155"/>
        <source>Проект не сохранен: папки &quot;%1&quot; нет</source>
        <translation>Project not saved: folder &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectOperations.cpp" line="167"/>
        <source>Проект не сохранен: не записан файл %1</source>
        <translation>Project not saved: file %1 not written</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectOperations.cpp" line="174"/>
        <source>Проект не сохранен: не записан файл %1: %2</source>
        <translation>Project not saved: file %1 not written: %2</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectOperations.cpp" line="190"/>
        <source>Проект «%1» уже открыт в другом окне Trellis. Изменения, сделанные в двух окнах, затерли бы друг друга.

Открыть его только для чтения? Сохранить его тогда можно будет только под новым именем.</source>
        <translation>Project “%1” is already open in another Trellis window. Changes made in the two windows would overwrite each other.

Open it read-only? It can then be saved only under a new name.</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectOperations.cpp" line="204"/>
        <source>Проект открыт только для чтения: он открыт и в другом окне.</source>
        <translation>Project opened read-only: it is also open in another window.</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectOperations.cpp" line="229"/>
        <source>Не все файлы прерванной работы удалось восстановить; их папка оставлена как есть: %1</source>
        <translation>Not all files of the interrupted work could be recovered; their folder was left as it is: %1</translation>
    </message>
    <message>
        <location filename="../src/project/ProjectOperations.cpp" line="238"/>
        <source>Восстановлен проект «%1» с несохраненными изменениями.</source>
        <translation>Project “%1” recovered with its unsaved changes.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <location filename="../src/project/Recovery.cpp" line="134"/>
        <source>Работа с проектом «%1» прервалась, и его несохраненные изменения остались в рабочей папке (записаны %2).

Восстановить проект?

«Да» — открыть его с этими изменениями; «Нет» — удалить их; «Отмена» — оставить их до следующего запуска.</source>
        <translation>Work on project “%1” was interrupted, and its unsaved changes remain in the working folder (written %2).

Recover the project?

“Yes” opens it with these changes; “No” deletes them; “Cancel” keeps them until the next start.</translation>
    </message>
</context>
<context>
    <name>RowGroups</name>
    <message>
        <location filename="../src/cad/RowGroups.cpp" line="92"/>
        <location filename="../src/cad/RowGroups.cpp" line="160"/>
        <source>Сделано, %:</source>
        <translation>Done, %:</translation>
    </message>
    <message>
        <location filename="../src/cad/RowGroups.cpp" line="174"/>
        <source>Не допускается выбор в служебном слое</source>
        <translation>Objects in a service layer may not be selected</translation>
    </message>
    <message>
        <location filename="../src/cad/RowGroups.cpp" line="175"/>
        <source>Выбор объекта</source>
        <translation>Object selection</translation>
    </message>
    <message>
        <location filename="../src/cad/RowGroups.cpp" line="236"/>
        <source>Объект не выбран в графическом редакторе</source>
        <translation>No object selected in the CAD program</translation>
    </message>
    <message>
        <location filename="../src/cad/RowGroups.cpp" line="237"/>
        <source>Выбор региона</source>
        <translation>Region selection</translation>
    </message>
</context>
<context>
    <name>RowOperations</name>
    <message>
        <location filename="../src/tables/RowOperations.cpp" line="84"/>
        <source>Удалить выбранные записи?</source>
        <translation>Delete the selected records?</translation>
    </message>
    <message>
        <location filename="../src/tables/RowOperations.cpp" line="91"/>
        <source>

По связям будут удалены и строки других таблиц:</source>
        <translation>

Through the links, rows of other tables will be deleted as well:</translation>
    </message>
    <message>
        <location filename="../src/tables/RowOperations.cpp" line="190"/>
        <source>Вставлено ячеек: %1</source>
        <translation>Cells pasted: %1</translation>
    </message>
    <message>
        <location filename="../src/tables/RowOperations.cpp" line="192"/>
        <source>; не принято: %1 (таблица или колонка только для чтения, номер существующей строки или место за последней колонкой)</source>
        <translation>; not accepted: %1 (read-only table or column, number of an existing row, or a place past the last column)</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="61"/>
        <source>Неверное имя или номер файла</source>
        <translation>Bad file name or number</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="63"/>
        <source>Файл не найден</source>
        <translation>File not found</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="65"/>
        <source>Неверный режим работы с файлом</source>
        <translation>Bad file mode</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="67"/>
        <source>Файл уже открыт</source>
        <translation>File already open</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="69"/>
        <source>Ошибка ввода-вывода устройства</source>
        <translation>Device I/O error</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="71"/>
        <source>Файл уже существует</source>
        <translation>File already exists</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="73"/>
        <source>Диск заполнен</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="75"/>
        <source>Ввод за концом файла</source>
        <translation>Input past end of file</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="77"/>
        <source>Неверное имя файла</source>
        <translation>Bad file name</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="79"/>
        <source>Слишком много файлов</source>
        <translation>Too many files</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="81"/>
        <source>Устройство недоступно</source>
        <translation>Device unavailable</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="83"/>
        <source>Отказано в доступе</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="85"/>
        <source>Диск не готов</source>
        <translation>Disk not ready</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="87"/>
        <source>Нельзя переименовать файл на другой диск</source>
        <translation>Cannot rename a file to another drive</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="90"/>
        <source>Ошибка доступа к пути или файлу</source>
        <translation>Path/file access error</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="92"/>
        <source>Путь не найден</source>
        <translation>Path not found</translation>
    </message>
    <message>
        <location filename="../src/app/RunTimeError.cpp" line="94"/>
        <source>Ошибка файловой системы</source>
        <translation>File system error</translation>
    </message>
</context>
<context>
    <name>TableFiles</name>
    <message>
        <location filename="../src/tables/TableFiles.cpp" line="28"/>
        <source>файл больше 1 ГБ</source>
        <translation>the file is larger than 1 GB</translation>
    </message>
    <message>
        <location filename="../src/tables/TableFiles.cpp" line="38"/>
        <source>в нём %1 строк, а таблица может иметь не больше %2</source>
        <translation>it has %1 lines, and a table can have at most %2</translation>
    </message>
    <message>
        <location filename="../src/tables/TableFiles.cpp" line="43"/>
        <location filename="../src/tables/TableFiles.cpp" line="45"/>
        <source>не хватило памяти</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <location filename="../src/tables/TableFiles.cpp" line="58"/>
        <source>Таблица из файла %1 не загружена: %2. Файл оставлен как есть, и пока таблица открыта, она в него не сохраняется.</source>
        <translation>The table from file %1 was not loaded: %2. The file was left as it is, and while the table is open it is not saved to that file.</translation>
    </message>
    <message>
        <location filename="../src/tables/TableFiles.cpp" line="86"/>
        <source>Файл таблицы %1 не прочитан: %2. Связи с этой таблицей не обновлены, файл оставлен как есть.</source>
        <translation>Table file %1 was not read: %2. Links to this table were not updated; the file was left as it is.</translation>
    </message>
</context>
<context>
    <name>TableUndo</name>
    <message>
        <location filename="../src/tables/TableUndo.cpp" line="99"/>
        <source>Повторено: </source>
        <translation>Redone: </translation>
    </message>
    <message>
        <location filename="../src/tables/TableUndo.cpp" line="100"/>
        <source>Отменено: </source>
        <translation>Undone: </translation>
    </message>
    <message>
        <location filename="../src/tables/TableUndo.cpp" line="103"/>
        <source> (не во всех таблицах — см. протокол)</source>
        <translation> (not in all tables; see the report)</translation>
    </message>
    <message>
        <location filename="../src/tables/TableUndo.h" line="17"/>
        <source>ввод</source>
        <translation>typing</translation>
    </message>
    <message>
        <location filename="../src/tables/TableUndo.h" line="18"/>
        <source>вставка</source>
        <translation>paste</translation>
    </message>
    <message>
        <location filename="../src/tables/TableUndo.h" line="19"/>
        <source>очистка</source>
        <translation>clearing</translation>
    </message>
    <message>
        <location filename="../src/tables/TableUndo.h" line="20"/>
        <source>вырезание</source>
        <translation>cut</translation>
    </message>
    <message>
        <location filename="../src/tables/TableUndo.h" line="21"/>
        <source>добавление строки</source>
        <translation>adding a row</translation>
    </message>
    <message>
        <location filename="../src/tables/TableUndo.h" line="22"/>
        <source>удаление строк</source>
        <translation>deleting rows</translation>
    </message>
    <message>
        <location filename="../src/tables/TableUndo.h" line="23"/>
        <source>сортировка</source>
        <translation>sorting</translation>
    </message>
    <message>
        <location filename="../src/tables/TableUndo.h" line="24"/>
        <source>замена</source>
        <translation>replacing</translation>
    </message>
    <message>
        <location filename="../src/tables/TableUndo.h" line="25"/>
        <source>отметка</source>
        <translation>marking</translation>
    </message>
    <message>
        <location filename="../src/tables/TableUndo.h" line="26"/>
        <source>выбор из списка</source>
        <translation>choosing from the list</translation>
    </message>
</context>
<context>
    <name>ValueChecks</name>
    <message>
        <location filename="../src/tables/ValueChecks.cpp" line="38"/>
        <source>«%1» нет в списке колонки</source>
        <translation>“%1” is not in the column&apos;s list</translation>
    </message>
    <message>
        <location filename="../src/tables/ValueChecks.cpp" line="45"/>
        <source>«%1» — не целое число</source>
        <translation>“%1” is not a whole number</translation>
    </message>
    <message>
        <location filename="../src/tables/ValueChecks.cpp" line="49"/>
        <source>«%1» — не число (дробная часть пишется через запятую)</source>
        <translation>“%1” is not a number (the decimal separator is a comma)</translation>
    </message>
    <message>
        <location filename="../src/tables/ValueChecks.cpp" line="52"/>
        <source>«%1» — не число</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <location filename="../src/tables/ValueChecks.cpp" line="92"/>
        <source>строки «%1» нет в таблице «%2»</source>
        <translation>there is no row “%1” in table “%2”</translation>
    </message>
    <message>
        <location filename="../src/tables/ValueChecks.cpp" line="125"/>
        <source>Строка %1, «%2»: %3</source>
        <translation>Row %1, “%2”: %3</translation>
    </message>
</context>
<context>
    <name>Zip</name>
    <message>
        <location filename="../src/project/Zip.cpp" line="105"/>
        <source>архив должен иметь расширение zip</source>
        <translation>the archive must have the zip extension</translation>
    </message>
    <message>
        <location filename="../src/project/Zip.cpp" line="137"/>
        <location filename="../src/project/Zip.cpp" line="180"/>
        <source>архив не открыт</source>
        <translation>the archive is not open</translation>
    </message>
</context>
<context>
    <name>trellis::ErrorList</name>
    <message>
        <location filename="../src/tables/WindowModel.cpp" line="28"/>
        <source>…и еще значений с ошибками: %1</source>
        <translation>…and more values with errors: %1</translation>
    </message>
</context>
<context>
    <name>trellis::FindReplaceDialog</name>
    <message>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="21"/>
        <source>Заменить на:</source>
        <translation>Replace with:</translation>
    </message>
    <message>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="22"/>
        <source>Учитывать регистр</source>
        <translation>Match case</translation>
    </message>
    <message>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="23"/>
        <source>Ячейка целиком</source>
        <translation>Whole cell</translation>
    </message>
    <message>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="28"/>
        <source>Найти:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="31"/>
        <source>Найти далее</source>
        <translation>Find next</translation>
    </message>
    <message>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="32"/>
        <source>Заменить</source>
        <translation>Replace</translation>
    </message>
    <message>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="33"/>
        <source>Заменить все</source>
        <translation>Replace all</translation>
    </message>
    <message>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="34"/>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="56"/>
        <source>Замена</source>
        <translation>Replace</translation>
    </message>
    <message>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="56"/>
        <source>Поиск</source>
        <translation>Find</translation>
    </message>
    <message>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="81"/>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="98"/>
        <source>Не найдено: «%1»</source>
        <translation>Not found: “%1”</translation>
    </message>
    <message>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="86"/>
        <source>Найдено: строка %1, колонка %2</source>
        <translation>Found: row %1, column %2</translation>
    </message>
    <message>
        <location filename="../src/ui/FindReplaceDialog.cpp" line="98"/>
        <source>Заменено ячеек: %1</source>
        <translation>Cells replaced: %1</translation>
    </message>
</context>
<context>
    <name>trellis::MainWindow</name>
    <message>
        <location filename="../src/ui/MainWindow.cpp" line="418"/>
        <source>Ошибка, замечание</source>
        <translation>Error, remark</translation>
    </message>
    <message>
        <location filename="../src/ui/MainWindow.cpp" line="418"/>
        <source>№ табл.</source>
        <translation>Table no.</translation>
    </message>
    <message>
        <location filename="../src/ui/MainWindow.cpp" line="418"/>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <location filename="../src/ui/MainWindow.cpp" line="418"/>
        <source>Ряд</source>
        <translation>Row</translation>
    </message>
    <message>
        <location filename="../src/ui/MainWindow.cpp" line="418"/>
        <source>Колонка</source>
        <translation>Column</translation>
    </message>
    <message>
        <location filename="../src/ui/MainWindow.cpp" line="430"/>
        <source>Ошибка загрузки </source>
        <translation>Loading error: </translation>
    </message>
</context>
<context>
    <name>trellis::SplashWindow</name>
    <message>
        <location filename="../src/ui/SplashWindow.cpp" line="26"/>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../src/ui/SplashWindow.cpp" line="27"/>
        <source>Расчетные модели строительных конструкций</source>
        <translation>Structural models of building structures</translation>
    </message>
    <message>
        <location filename="../src/ui/SplashWindow.cpp" line="30"/>
        <source>Свободная программа, GPL-3.0</source>
        <translation>Free software, GPL-3.0</translation>
    </message>
</context>
</TS>
