<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>DrawingHistory</name>
    <message>
        <location filename="../tools/cad-host/DrawingHistory.h" line="17"/>
        <source>Изменения из программы</source>
        <translation>Changes from the program</translation>
    </message>
</context>
<context>
    <name>trellis::cadhost::AciColorDialog</name>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="56"/>
        <source>Выбор цвета</source>
        <translation>Select Color</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="60"/>
        <source>Цвет: %1</source>
        <translation>Color: %1</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="89"/>
        <source>Основные:</source>
        <translation>Standard:</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="92"/>
        <source>Серые:</source>
        <translation>Grays:</translation>
    </message>
</context>
<context>
    <name>trellis::cadhost::DrawingCommands</name>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="102"/>
        <source>Отрезок</source>
        <translation>Line</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="103"/>
        <source>Полилиния</source>
        <translation>Polyline</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="104"/>
        <source>Точка</source>
        <translation>Point</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="105"/>
        <source>Стереть</source>
        <translation>Erase</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="106"/>
        <source>Перенести</source>
        <translation>Move</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="107"/>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="108"/>
        <source>Показать</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="116"/>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="121"/>
        <source>Выберите объекты (выбрано: %1):</source>
        <translation>Select objects (%1 selected):</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="120"/>
        <source>Команда:</source>
        <translation>Command:</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="123"/>
        <source>Укажите точку:</source>
        <translation>Specify a point:</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="124"/>
        <source>Первая точка:</source>
        <translation>Specify the first point:</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="126"/>
        <source>Укажите точку или &lt;Выход&gt;:</source>
        <translation>Specify a point or &lt;Exit&gt;:</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="128"/>
        <source>Следующая точка или [Замкнуть/Отменить] &lt;Выход&gt;:</source>
        <translation>Specify the next point or [Close/Undo] &lt;Exit&gt;:</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="130"/>
        <source>Следующая точка или [Отменить] &lt;Выход&gt;:</source>
        <translation>Specify the next point or [Undo] &lt;Exit&gt;:</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="132"/>
        <source>Базовая точка:</source>
        <translation>Specify the base point:</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="134"/>
        <source>Вторая точка или &lt;Выход&gt;:</source>
        <translation>Specify the second point or &lt;Exit&gt;:</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="134"/>
        <source>Вторая точка:</source>
        <translation>Specify the second point:</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="136"/>
        <source>Показать [Границы] &lt;Границы&gt;:</source>
        <translation>Zoom [Extents] &lt;Extents&gt;:</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="245"/>
        <source>Укажите объекты на чертеже; Enter - готово, Esc - отмена.</source>
        <translation>Select objects in the drawing; Enter - done, Esc - cancel.</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="251"/>
        <source>Неизвестная команда &quot;%1&quot;.</source>
        <translation>Unknown command &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="258"/>
        <source>Неверный параметр.</source>
        <translation>Invalid option.</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="269"/>
        <source>Укажите объекты на чертеже; Enter - готово.</source>
        <translation>Select objects in the drawing; Enter - done.</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="295"/>
        <source>Для замыкания нужны три точки.</source>
        <translation>Closing needs at least three points.</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="305"/>
        <source>Нужна точка (x,y,z, x,y или @dx,dy,dz) или параметр.</source>
        <translation>A point (x,y,z, x,y or @dx,dy,dz) or an option is required.</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="370"/>
        <source>Нет выбранных объектов.</source>
        <translation>No objects selected.</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="383"/>
        <source>Стёрто объектов: %1</source>
        <translation>Objects erased: %1</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="440"/>
        <source>*Прервано*</source>
        <translation>*Cancel*</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="511"/>
        <source>Нечего отменять.</source>
        <translation>Nothing to undo.</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="518"/>
        <source>Отменено: %1</source>
        <translation>Undone: %1</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="527"/>
        <source>Нечего повторять.</source>
        <translation>Nothing to redo.</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="534"/>
        <source>Повторено: %1</source>
        <translation>Redone: %1</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="560"/>
        <source>Программа просит выбрать объекты. Enter или правая кнопка - готово, Esc - отмена.</source>
        <translation>The program asks you to select objects. Enter or right click - done, Esc - cancel.</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="567"/>
        <source>Выбор отменён.</source>
        <translation>Selection cancelled.</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingCommands.cpp" line="568"/>
        <source>Выбрано объектов: %1</source>
        <translation>Objects selected: %1</translation>
    </message>
</context>
<context>
    <name>trellis::cadhost::DrawingWindow</name>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="43"/>
        <source>Чертежи DXF (*.dxf);;Все файлы (*)</source>
        <translation>DXF drawings (*.dxf);;All files (*)</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="140"/>
        <source>Trellis CAD. Команды: ОТРЕЗОК, ПЛИНИЯ, ТОЧКА, СТЕРЕТЬ, ПЕРЕНЕСТИ, КОПИРОВАТЬ, ОТМЕНИТЬ, ПОКАЗАТЬ.</source>
        <translation>Trellis CAD. Commands: LINE, PLINE, POINT, ERASE, MOVE, COPY, UNDO, ZOOM.</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="154"/>
        <source>&amp;Создать</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="156"/>
        <source>&amp;Открыть...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="158"/>
        <source>Со&amp;хранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="160"/>
        <source>Сохранить &amp;как...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="161"/>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="163"/>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="436"/>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="166"/>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="439"/>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="170"/>
        <source>&amp;Стереть</source>
        <translation>&amp;Erase</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="179"/>
        <source>Пере&amp;местить</source>
        <translation>&amp;Move</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="189"/>
        <source>&amp;Копировать</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="196"/>
        <source>Выбрать &amp;всё</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="198"/>
        <source>&amp;Отрезок</source>
        <translation>&amp;Line</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="205"/>
        <source>&amp;Полилиния</source>
        <translation>&amp;Polyline</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="211"/>
        <source>&amp;Точка</source>
        <translation>P&amp;oint</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="219"/>
        <source>Показать &amp;всё</source>
        <translation>Zoom E&amp;xtents</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="230"/>
        <source>&amp;План</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="231"/>
        <source>&amp;Спереди</source>
        <translation>&amp;Front</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="232"/>
        <source>С&amp;боку</source>
        <translation>&amp;Side</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="233"/>
        <source>&amp;Изометрия</source>
        <translation>&amp;Isometric</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="248"/>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="254"/>
        <source>Последние файлы</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="258"/>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="268"/>
        <source>&amp;Рисование</source>
        <translation>&amp;Draw</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="273"/>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="281"/>
        <source>Инструменты</source>
        <translation>Tools</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="334"/>
        <source>Слои</source>
        <translation>Layers</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="336"/>
        <source>Группы</source>
        <translation>Groups</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="337"/>
        <source>Командная строка</source>
        <translation>Command Line</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="368"/>
        <source>Конечная точка</source>
        <translation>Endpoint</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="369"/>
        <source>Привязка к концам отрезков (F3)</source>
        <translation>Snap to line endpoints (F3)</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="370"/>
        <source>Середина</source>
        <translation>Midpoint</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="371"/>
        <source>Привязка к серединам отрезков</source>
        <translation>Snap to line midpoints</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="372"/>
        <source>Сетка</source>
        <translation>Grid</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="372"/>
        <source>Привязка к сетке (F9)</source>
        <translation>Snap to grid (F9)</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="375"/>
        <source>Шаг:</source>
        <translation>Spacing:</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="380"/>
        <source>Шаг сетки</source>
        <translation>Grid spacing</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="435"/>
        <source>&amp;Отменить: %1</source>
        <translation>&amp;Undo: %1</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="438"/>
        <source>&amp;Повторить: %1</source>
        <translation>&amp;Redo: %1</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="552"/>
        <source>Сохранить изменения в %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="557"/>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="558"/>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="559"/>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="597"/>
        <source>Открыть чертёж</source>
        <translation>Open Drawing</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="610"/>
        <source>Не удалось открыть чертёж.

%1</source>
        <translation>The drawing could not be opened.

%1</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="617"/>
        <source>Открыт чертёж %1</source>
        <translation>Opened drawing %1</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="634"/>
        <source>Не удалось сохранить чертёж.

%1</source>
        <translation>The drawing could not be saved.

%1</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingWindow.cpp" line="652"/>
        <source>Сохранить чертёж как</source>
        <translation>Save Drawing As</translation>
    </message>
</context>
<context>
    <name>trellis::cadhost::GroupPanel</name>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="241"/>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="241"/>
        <source>Объектов</source>
        <translation>Objects</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="245"/>
        <source>Выберите группу, чтобы выделить её объекты</source>
        <translation>Select a group to highlight its objects</translation>
    </message>
</context>
<context>
    <name>trellis::cadhost::LayerPanel</name>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="108"/>
        <source>Слой</source>
        <translation>Layer</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="108"/>
        <source>Вкл</source>
        <translation>On</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="108"/>
        <source>Цвет</source>
        <translation>Color</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="115"/>
        <source>Щелчок по цвету - выбрать цвет; двойной щелчок по имени - сделать слой текущим</source>
        <translation>Click a color to change it; double-click a name to make the layer current</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="119"/>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="209"/>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="214"/>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="218"/>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="223"/>
        <source>Новый слой</source>
        <translation>New Layer</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="120"/>
        <source>Сделать текущим</source>
        <translation>Make Current</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="177"/>
        <source>Щёлкните, чтобы выбрать цвет</source>
        <translation>Click to choose a color</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="192"/>
        <source>Включение слоя</source>
        <translation>Turn Layer On</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="192"/>
        <source>Отключение слоя</source>
        <translation>Turn Layer Off</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="202"/>
        <source>Цвет слоя</source>
        <translation>Layer Color</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="209"/>
        <source>Имя слоя:</source>
        <translation>Layer name:</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="214"/>
        <source>Слой %1 уже есть.</source>
        <translation>Layer %1 already exists.</translation>
    </message>
    <message>
        <location filename="../tools/cad-host/DrawingPanels.cpp" line="233"/>
        <source>Слои</source>
        <translation>Layers</translation>
    </message>
</context>
</TS>
