<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>CalcModel</name>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="60"/>
        <source>Не число: «%1».</source>
        <translation>Not a number: “%1”.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="85"/>
        <source>Сечение %1 составлено из нескольких участков: такие сечения пока не рассчитываются.</source>
        <translation>Section %1 is made of several parts: such sections cannot be calculated yet.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="121"/>
        <source>Элементы типа «%1» пока не рассчитываются.</source>
        <translation>Elements of type “%1” cannot be calculated yet.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="130"/>
        <source>Сечение группы не задано или не рассчитывается.</source>
        <translation>The group&apos;s section is not set or cannot be calculated.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="138"/>
        <source>У материала группы нет модуля упругости.</source>
        <translation>The group&apos;s material has no elastic modulus.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="145"/>
        <source>Коэффициент жесткости должен быть больше нуля.</source>
        <translation>The stiffness factor must be greater than zero.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="162"/>
        <source>Расчетная схема не построена: нет элементов.</source>
        <translation>The structural model is not built: there are no elements.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="177"/>
        <source>Элемент %1 ссылается на узел, которого нет.</source>
        <translation>Element %1 refers to a node that does not exist.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="182"/>
        <source>Группы элемента %1 нет.</source>
        <translation>The group of element %1 does not exist.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="201"/>
        <source>Элемент %1 нулевой длины.</source>
        <translation>Element %1 has zero length.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="269"/>
        <source>Нет ни одного загружения.</source>
        <translation>There are no load cases.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="294"/>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="406"/>
        <source>Загружения с таким номером нет.</source>
        <translation>There is no load case with this number.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="330"/>
        <source>Не выбрано направление нагрузки (X, Y или Z).</source>
        <translation>No load direction is chosen (X, Y or Z).</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalcModel.cpp" line="401"/>
        <source>Не указан номер сочетания.</source>
        <translation>The load combination number is not given.</translation>
    </message>
</context>
<context>
    <name>CalcSettings</name>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="20"/>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="76"/>
        <source>Показывать после расчета</source>
        <translation>Show after the calculation</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="79"/>
        <source>Деформированная схема</source>
        <translation>Deformed shape</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="80"/>
        <source>Эпюры моментов M</source>
        <translation>Bending moment diagrams M</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="81"/>
        <source>Эпюры продольных сил N</source>
        <translation>Axial force diagrams N</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="82"/>
        <source>Эпюры поперечных сил Q</source>
        <translation>Shear force diagrams Q</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="88"/>
        <source>Загружение, показываемое на чертеже</source>
        <translation>Load case shown in the drawing</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="94"/>
        <source>Масштаб эпюр и перемещений</source>
        <translation>Scale of diagrams and displacements</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="97"/>
        <source>Показывать узлы точками</source>
        <translation>Show nodes as points</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="100"/>
        <source>Высота номеров узлов</source>
        <translation>Height of node numbers</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="103"/>
        <source>Высота номеров элементов</source>
        <translation>Height of element numbers</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="106"/>
        <source>Высота подписей нагрузок и результатов</source>
        <translation>Height of load and result labels</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="109"/>
        <source>Подписывать длины элементов</source>
        <translation>Label element lengths</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="112"/>
        <source>Подписывать значения на эпюрах</source>
        <translation>Label values on diagrams</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="116"/>
        <source>Геометрическая нелинейность</source>
        <translation>Geometric nonlinearity</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="120"/>
        <source>Физическая нелинейность (по диаграммам материалов)</source>
        <translation>Material nonlinearity (from the materials&apos; stress-strain diagrams)</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="123"/>
        <source>Нелинейная работа основания</source>
        <translation>Nonlinear behavior of the foundation soil</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="126"/>
        <source>Число шагов нагружения</source>
        <translation>Number of load steps</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="129"/>
        <source>Наибольшее число итераций на шаге</source>
        <translation>Maximum number of iterations per step</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="132"/>
        <source>Точность итераций (относительная)</source>
        <translation>Iteration tolerance (relative)</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="135"/>
        <source>Расчет до исчерпания несущей способности</source>
        <translation>Calculation up to the ultimate load-bearing capacity</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="138"/>
        <source>Наибольший множитель нагрузки</source>
        <translation>Maximum load multiplier</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="143"/>
        <source>Расчетные нагрузки (с коэффициентами надежности)</source>
        <translation>Design loads (with partial safety factors)</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="147"/>
        <source>Коэффициент надежности по нагрузке для собственного веса</source>
        <translation>Partial load factor for self-weight</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="151"/>
        <source>Коэффициент сочетания ψ для длительных нагрузок в особом сочетании</source>
        <translation>Combination factor ψ for long-term loads in an accidental load combination</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="156"/>
        <source>Коэффициент сочетания при одной кратковременной нагрузке</source>
        <translation>Combination factor for a single short-term load</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="160"/>
        <source>Коэффициент сочетания при нескольких кратковременных нагрузках</source>
        <translation>Combination factor for several short-term loads</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="165"/>
        <source>Коэффициент нормативного сочетания (пусто — 1)</source>
        <translation>Characteristic load combination factor (empty: 1)</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="172"/>
        <source>Пространственный расчет (иначе — плоская рама в плоскости XZ)</source>
        <translation>3D calculation (otherwise a plane frame in the XZ plane)</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="176"/>
        <source>Перемещения в глобальных осях</source>
        <translation>Displacements in global axes</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="179"/>
        <source>Учитывать кручение элементов</source>
        <translation>Include torsion of elements</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="183"/>
        <source>Снижать крутильную жесткость бетонных элементов</source>
        <translation>Reduce the torsional stiffness of concrete elements</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="186"/>
        <source>Допуск совпадения узлов</source>
        <translation>Tolerance for coincident nodes</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="198"/>
        <source>Целое число</source>
        <translation>a whole number</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="199"/>
        <source>Число</source>
        <translation>a number</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="201"/>
        <source>%1 должно быть от %2 до %3</source>
        <translation>The value must be %1 from %2 to %3</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="203"/>
        <source>%1 должно быть больше %2 и не больше %3</source>
        <translation>The value must be %1 greater than %2 and not greater than %3</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="240"/>
        <source>Значение флажка должно быть 0 или 1</source>
        <translation>A check box value must be 0 or 1</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="244"/>
        <source>Выберите одно из значений списка</source>
        <translation>Choose one of the values in the list</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="252"/>
        <source>Введите значение</source>
        <translation>Enter a value</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="255"/>
        <source>Введите число</source>
        <translation>Enter a number</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.cpp" line="257"/>
        <source>Введите целое число</source>
        <translation>Enter a whole number</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.h" line="43"/>
        <source>Показ результатов</source>
        <translation>Result display</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.h" line="44"/>
        <source>Расчет</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.h" line="46"/>
        <source>Сочетания нагрузок</source>
        <translation>Load combinations</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.h" line="48"/>
        <source>Расчетная схема</source>
        <translation>Structural model</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/CalcSettingsKeys.h" line="50"/>
        <source>Программа САПР</source>
        <translation>CAD program</translation>
    </message>
</context>
<context>
    <name>CalculateCommand</name>
    <message>
        <location filename="../tools/macros/calc/CalculateCommand.cpp" line="40"/>
        <source>, строка %1</source>
        <translation>, row %1</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalculateCommand.cpp" line="43"/>
        <source>, колонка %1</source>
        <translation>, column %1</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="46"/>
        <source>Результаты записаны, но отметка о завершении расчета не записана в %1.</source>
        <translation>The results are written, but the mark that the calculation is complete could not be written to %1.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="81"/>
        <source>Расчет остановлен по запросу: результаты не записаны.</source>
        <translation>Calculation stopped on request: no results were written.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="85"/>
        <source>Расчет: проверка расчетной схемы...</source>
        <translation>Calculation: checking the structural model...</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="93"/>
        <source>Расчет не выполнен: в расчетной схеме ошибки (%1), они перечислены в списке ошибок.</source>
        <translation>Calculation failed: the structural model has errors (%1); they are listed in the error list.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="102"/>
        <source>Расчет: запись исходных данных CalculiX...</source>
        <translation>Calculation: writing the CalculiX input...</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="105"/>
        <source>Папка %1 не создается.</source>
        <translation>Folder %1 cannot be created.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="112"/>
        <source>Исходные данные CalculiX не записаны: %1.</source>
        <translation>The CalculiX input was not written: %1.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="120"/>
        <source>Расчет CalculiX: загружений %1...</source>
        <translation>CalculiX calculation: %1 load case(s)...</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="126"/>
        <source>Расчет CalculiX: загружение %1 из %2</source>
        <translation>CalculiX calculation: load case %1 of %2</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="136"/>
        <source>Расчет остановлен по запросу: CalculiX прерван, результаты не записаны.</source>
        <translation>Calculation stopped on request: CalculiX was interrupted, no results were written.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="140"/>
        <source>Расчет не выполнен: программа CalculiX (%1) не запускается. Установите пакет calculix-ccx.</source>
        <translation>Calculation failed: CalculiX (%1) cannot be started. Install the calculix-ccx package.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="147"/>
        <source>Расчет не выполнен: CalculiX сообщил об ошибке. Его сообщения — в окне отчета.</source>
        <translation>Calculation failed: CalculiX reported an error. Its messages are in the report pane.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="152"/>
        <source>Расчет: чтение результатов...</source>
        <translation>Calculation: reading the results...</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="156"/>
        <source>Результаты CalculiX не прочитаны: %1.</source>
        <translation>The CalculiX results could not be read: %1.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="160"/>
        <source>CalculiX дал результаты %1 загружений из %2.</source>
        <translation>CalculiX gave results for %1 of %2 load cases.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="169"/>
        <source>Расчет не выполнен: матрица жесткости вырождена (загружение %1) — схема или ее часть может двигаться без сопротивления. Проверьте закрепления и шарниры.</source>
        <translation>Calculation failed: the stiffness matrix is singular (load case %1); the model or a part of it can move without resistance. Check the supports and hinges.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="194"/>
        <source>Расчет: запись таблиц результатов...</source>
        <translation>Calculation: writing the result tables...</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/Calculation.cpp" line="197"/>
        <source>Таблицы результатов не записаны: %1.</source>
        <translation>The result tables were not written: %1.</translation>
    </message>
</context>
<context>
    <name>CalculationMacro</name>
    <message>
        <location filename="../tools/macros/calc/CalculationMacro.cpp" line="92"/>
        <source>Расчет не выполнен: чертеж не прочитан (%1).</source>
        <translation>Calculation failed: the drawing could not be read (%1).</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalculationMacro.cpp" line="111"/>
        <source>; загружение %1 — на слое %2</source>
        <translation>; load case %1 is shown on layer %2</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalculationMacro.cpp" line="114"/>
        <location filename="../tools/macros/calc/CalculationMacro.cpp" line="163"/>
        <source>Результаты не нарисованы на чертеже: %1</source>
        <translation>The results were not drawn in the drawing: %1</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalculationMacro.cpp" line="119"/>
        <source>Расчет выполнен: загружений %1, сочетаний %2%3</source>
        <translation>Calculation complete: %1 load case(s), %2 load combination(s)%3</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalculationMacro.cpp" line="148"/>
        <source>Результаты рисуются в чертеже, а связи с программой САПР нет.</source>
        <translation>The results are drawn in the drawing, but there is no connection to the CAD program.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalculationMacro.cpp" line="169"/>
        <source>Результатов расчета нет: слой %1 пуст</source>
        <translation>No calculation results: layer %1 is empty</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CalculationMacro.cpp" line="171"/>
        <source>На слое %1 — загружение %2</source>
        <translation>Layer %1 shows load case %2</translation>
    </message>
</context>
<context>
    <name>CcxResults</name>
    <message>
        <location filename="../tools/macros/calc/CcxResults.cpp" line="32"/>
        <source>файл результатов %1 не открывается (%2)</source>
        <translation>the results file %1 cannot be opened (%2)</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/CcxResults.cpp" line="69"/>
        <source>в файле результатов %1 нечитаемая строка: %2</source>
        <translation>the results file %1 has an unreadable line: %2</translation>
    </message>
</context>
<context>
    <name>CheckMacro</name>
    <message>
        <location filename="../tools/macros/check/CheckMacro.cpp" line="38"/>
        <source>Проверка расчетной схемы...</source>
        <translation>Checking the structural model...</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/CheckMacro.cpp" line="49"/>
        <source>Расчетная схема не проверена: чертеж не прочитан (%1).</source>
        <translation>The structural model was not checked: the drawing could not be read (%1).</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/CheckMacro.cpp" line="55"/>
        <source>Связи с программой САПР нет: объекты групп в чертеже не проверены.</source>
        <translation>No connection to the CAD program: the objects of the groups in the drawing were not checked.</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/CheckMacro.cpp" line="60"/>
        <source>Проверка расчетной схемы остановлена</source>
        <translation>Check of the structural model stopped</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/CheckMacro.cpp" line="68"/>
        <source>Расчетная схема проверена: ошибок нет</source>
        <translation>Structural model checked: no errors</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/CheckMacro.cpp" line="70"/>
        <source>Ошибок в расчетной схеме не найдено.</source>
        <translation>No errors were found in the structural model.</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/CheckMacro.cpp" line="78"/>
        <source>Расчетная схема проверена: найдено ошибок — %1</source>
        <translation>Structural model checked: %1 error(s) found</translation>
    </message>
</context>
<context>
    <name>ParametersDialog</name>
    <message>
        <location filename="../tools/macros/settings/ParametersDialog.cpp" line="60"/>
        <source>Параметры расчета</source>
        <translation>Calculation Parameters</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/ParametersDialog.cpp" line="148"/>
        <source>Графический редактор</source>
        <translation>Drawing program</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/ParametersDialog.cpp" line="156"/>
        <source>Другая программа используется со следующего подключения к САПР.</source>
        <translation>A different program is used from the next connection to the CAD program.</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/ParametersDialog.cpp" line="179"/>
        <source>«%1»: %2.</source>
        <translation>“%1”: %2.</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/ParametersDialog.cpp" line="219"/>
        <source>у программы макросов нет экрана</source>
        <translation>the macro server has no screen</translation>
    </message>
</context>
<context>
    <name>ParametersMacro</name>
    <message>
        <location filename="../tools/macros/settings/ParametersMacro.cpp" line="97"/>
        <source>Окно параметров не показано: %1</source>
        <translation>The parameters window was not shown: %1</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/ParametersMacro.cpp" line="109"/>
        <source>Параметры не записаны: «%1» — %2.</source>
        <translation>The parameters were not saved: “%1” — %2.</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/ParametersMacro.cpp" line="120"/>
        <source>Параметры не записаны: программы САПР «%1» нет в списке.</source>
        <translation>The parameters were not saved: the CAD program “%1” is not in the list.</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/ParametersMacro.cpp" line="131"/>
        <source>Параметры не записаны в файл проекта %1: %2.</source>
        <translation>The parameters were not written to the project file %1: %2.</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/ParametersMacro.cpp" line="139"/>
        <source>Параметры записаны в файл проекта, но не в настройки программы %1: %2. При сохранении проекта в его файл вернутся прежние значения.</source>
        <translation>The parameters were written to the project file, but not to the program settings %1: %2. When the project is saved, its file will get the previous values back.</translation>
    </message>
    <message>
        <location filename="../tools/macros/settings/ParametersMacro.cpp" line="148"/>
        <source>Выбрана программа САПР %1. Она будет использоваться со следующего подключения к САПР.</source>
        <translation>CAD program %1 is selected. It will be used from the next connection to the CAD program.</translation>
    </message>
</context>
<context>
    <name>SchemeCheck</name>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="69"/>
        <source>%1 в строке %2</source>
        <translation>%1 in row %2</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="76"/>
        <source>%1 не задан</source>
        <translation>%1 is not set</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="78"/>
        <source>%1 — не число («%2»)</source>
        <translation>%1 is not a number (“%2”)</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="80"/>
        <source>%1 должен быть больше нуля, а задан %2</source>
        <translation>%1 must be greater than zero, but is %2</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="146"/>
        <source>%1, строка %2, «%3»: %4 нет в таблице «%5»</source>
        <translation>%1, row %2, “%3”: %4 is not in the table “%5”</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="168"/>
        <source>%1, строка %2, «%3»: %4 уже есть в строке %5</source>
        <translation>%1, row %2, “%3”: %4 is already in row %5</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="199"/>
        <source>Группа элементов</source>
        <translation>Element group</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="200"/>
        <source>Группа узлов</source>
        <translation>Node group</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="207"/>
        <source>%1: не задан материал</source>
        <translation>%1: the material is not set</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="211"/>
        <source>%1: не задано сечение</source>
        <translation>%1: the section is not set</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="228"/>
        <source>%1: не задан номер, строка не связана с чертежом</source>
        <translation>%1: no number is set, so the row is not linked to the drawing</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="236"/>
        <source>%1: в чертеже нет ее объектов (нет группы %2)</source>
        <translation>%1: the drawing has none of its objects (there is no group %2)</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="239"/>
        <source>%1: в чертеже нет ее объектов (группа %2 пуста)</source>
        <translation>%1: the drawing has none of its objects (group %2 is empty)</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="263"/>
        <source>%1 (сечение %2)</source>
        <translation>%1 (section %2)</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="264"/>
        <source>Участок сечения</source>
        <translation>Section part</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="268"/>
        <source>%1: не задана форма</source>
        <translation>%1: the shape is not set</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="273"/>
        <source>размер B</source>
        <translation>dimension B</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="273"/>
        <source>диаметр B</source>
        <translation>diameter B</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="278"/>
        <source>размер H</source>
        <translation>dimension H</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="286"/>
        <source>Материал</source>
        <translation>Material</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="288"/>
        <source>модуль упругости</source>
        <translation>the elastic modulus</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="296"/>
        <source>%1: коэффициент Пуассона — не число («%2»)</source>
        <translation>%1: Poisson&apos;s ratio is not a number (“%2”)</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="299"/>
        <source>%1: коэффициент Пуассона должен быть не меньше 0 и меньше 0,5, а задан %2</source>
        <translation>%1: Poisson&apos;s ratio must be at least 0 and less than 0.5, but is %2</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="351"/>
        <source>координата %1</source>
        <translation>the %1 coordinate</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="352"/>
        <source>Узел %1: %2 не задана</source>
        <translation>Node %1: %2 is not set</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="353"/>
        <source>Узел %1: %2 — не число («%3»)</source>
        <translation>Node %1: %2 is not a number (“%3”)</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="394"/>
        <source>Элемент</source>
        <translation>Element</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="396"/>
        <source>%1: нулевая длина — оба конца в узле %2</source>
        <translation>%1: zero length, both ends are at node %2</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="401"/>
        <source>%1: нулевая длина — узлы %2 и %3 совпадают</source>
        <translation>%1: zero length, nodes %2 and %3 coincide</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="438"/>
        <source>%1 не присоединен ни к одному элементу</source>
        <translation>%1 is not connected to any element</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="439"/>
        <source>Узел</source>
        <translation>Node</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="458"/>
        <source>Закрепление</source>
        <translation>Support</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="468"/>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="732"/>
        <source>%1: не задана группа узлов</source>
        <translation>%1: the node group is not set</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="473"/>
        <source>%1: не отмечено ни одно закрепление (X, Y, Z, UX, UY, UZ)</source>
        <translation>%1: no restraint is checked (X, Y, Z, UX, UY, UZ)</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="478"/>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="744"/>
        <source>%1: в группе узлов %2 нет узлов расчетной схемы</source>
        <translation>%1: node group %2 has no nodes of the structural model</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="492"/>
        <source>Схема не закреплена: в таблице «%1» нет ни одной группы узлов с закреплениями</source>
        <translation>The structural model has no supports: the table “%1” has no node group with restraints</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="590"/>
        <source>поворота вокруг %1</source>
        <translation>rotation about %1</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="593"/>
        <source>смещения вдоль %1</source>
        <translation>translation along %1</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="599"/>
        <source>узел %1</source>
        <translation>node %1</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="599"/>
        <source>узлы %1</source>
        <translation>nodes %1</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="651"/>
        <source>Часть схемы не закреплена: %1</source>
        <translation>A part of the structural model has no supports: %1</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="692"/>
        <source>закрепления не удерживают ее как жесткое целое (свободных перемещений: %1)</source>
        <translation>the supports do not hold it as a rigid body (free motions: %1)</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="695"/>
        <source>закрепления не удерживают ее от %1</source>
        <translation>the supports do not prevent its %1</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="696"/>
        <source>Часть схемы (%1) — механизм: %2</source>
        <translation>A part of the structural model (%1) is a mechanism: %2</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="710"/>
        <source>Нагрузка на элементы</source>
        <translation>Element load</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="711"/>
        <source>Нагрузка на узлы</source>
        <translation>Node load</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="712"/>
        <source>Температурная нагрузка</source>
        <translation>Temperature load</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="725"/>
        <source>%1: не задано загружение</source>
        <translation>%1: the load case is not set</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="731"/>
        <source>%1: не задана группа элементов</source>
        <translation>%1: the element group is not set</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="740"/>
        <source>%1: в группе элементов %2 нет элементов расчетной схемы</source>
        <translation>%1: element group %2 has no elements of the structural model</translation>
    </message>
    <message>
        <location filename="../tools/macros/check/SchemeCheck.cpp" line="780"/>
        <source>Расчетная схема не построена: таблица «%1» пуста</source>
        <translation>The structural model is not built: the table “%1” is empty</translation>
    </message>
</context>
<context>
    <name>SchemeMacro</name>
    <message>
        <location filename="../tools/macros/scheme/SchemeMacro.cpp" line="27"/>
        <source>Расчетная схема строится по чертежу, а связи с программой САПР нет.</source>
        <translation>The structural model is built from the drawing, but there is no connection to the CAD program.</translation>
    </message>
    <message>
        <location filename="../tools/macros/scheme/SchemeMacro.cpp" line="31"/>
        <source>Построение расчетной схемы...</source>
        <translation>Building the structural model...</translation>
    </message>
    <message>
        <location filename="../tools/macros/scheme/SchemeMacro.cpp" line="39"/>
        <source>Расчетная схема не построена: чертеж не прочитан (%1).</source>
        <translation>The structural model was not built: the drawing could not be read (%1).</translation>
    </message>
    <message>
        <location filename="../tools/macros/scheme/SchemeMacro.cpp" line="47"/>
        <source>Построение расчетной схемы остановлено</source>
        <translation>Building of the structural model stopped</translation>
    </message>
    <message>
        <location filename="../tools/macros/scheme/SchemeMacro.cpp" line="51"/>
        <source>Расчетная схема не записана: %1. Таблицы геометрии остались прежними.</source>
        <translation>The structural model was not written: %1. The geometry tables are unchanged.</translation>
    </message>
    <message>
        <location filename="../tools/macros/scheme/SchemeMacro.cpp" line="64"/>
        <source>Служебные слои чертежа не обновлены: %1</source>
        <translation>The drawing&apos;s service layers were not updated: %1</translation>
    </message>
    <message>
        <location filename="../tools/macros/scheme/SchemeMacro.cpp" line="69"/>
        <source>Расчетная схема построена: узлов %1 (основных %2), элементов %3</source>
        <translation>Structural model built: %1 nodes (%2 main), %3 elements</translation>
    </message>
</context>
<context>
    <name>SectionShapes</name>
    <message>
        <location filename="../tools/macros/calc/SectionShapes.cpp" line="30"/>
        <source>У прямоугольного сечения должны быть заданы B и H.</source>
        <translation>A rectangular section needs B and H.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/SectionShapes.cpp" line="47"/>
        <source>У кольца должны быть заданы диаметр B и стенка t, меньшая половины диаметра.</source>
        <translation>A ring section needs the diameter B and a wall t less than half the diameter.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/SectionShapes.cpp" line="50"/>
        <source>У круглого сечения должен быть задан диаметр B.</source>
        <translation>A circular section needs the diameter B.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/SectionShapes.cpp" line="65"/>
        <source>Сечения формы «%1» пока не рассчитываются: CalculiX строит балки прямоугольного, круглого и кольцевого сечения.</source>
        <translation>Sections of the shape “%1” cannot be calculated yet: CalculiX builds beams of rectangular, circular and ring sections.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/SectionShapes.cpp" line="69"/>
        <source>не задана</source>
        <translation>not set</translation>
    </message>
</context>
<context>
    <name>ServiceLayersMacro</name>
    <message>
        <location filename="../tools/macros/layers/ServiceLayersMacro.cpp" line="44"/>
        <source>Слой %1 не нарисован: %2</source>
        <translation>Layer %1 was not drawn: %2</translation>
    </message>
</context>
<context>
    <name>SolverProcess</name>
    <message>
        <location filename="../tools/macros/calc/SolverProcess.cpp" line="75"/>
        <source>%1 завершился аварийно.</source>
        <translation>%1 crashed.</translation>
    </message>
    <message>
        <location filename="../tools/macros/calc/SolverProcess.cpp" line="77"/>
        <source>%1 закончил работу с кодом %2, не завершив расчет.</source>
        <translation>%1 exited with code %2 without finishing the calculation.</translation>
    </message>
</context>
</TS>
