#!/usr/bin/python3
"""Writes the text files of the default installation from install_data.py.

    tools/install-art/make_install.py [install folder]

Every file is Windows-1251 with CR LF line ends and no byte-order mark, as the program and
the Windows profile functions read them; a character outside Windows-1251 stops the script
instead of turning into "?".
"""
import html
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from install_data import (GENERATOR_TABLES, GROUPS, LEFT_BUTTONS, START_LOADS,  # noqa: E402
                          START_MATERIALS, TABLES, table_by_key)

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                       os.path.join(os.path.dirname(__file__), "..", "..", "install"))


def write_text(relative, lines):
    path = os.path.join(ROOT, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = "\r\n".join(lines) + "\r\n"
    with open(path, "wb") as f:
        f.write(text.encode("cp1251"))


def ini_section(name, pairs):
    return ["[%s]" % name] + ["%s=%s" % (k, v) for k, v in pairs] + [""]


# --- INI files -------------------------------------------------------------------------------

def tables_ini():
    lines = ["; Каталог таблиц. Порядок в Tables — порядок вкладок; первая буква Ext —",
             "; группа таблиц, которую выбирает кнопка группы на левой панели.", ""]
    lines += ini_section("Main", [("Tables", "|".join(t["key"] for t in TABLES))])
    lines += ini_section("Ext", [("ExtBmp", "|".join(g[0] for g in GROUPS)),
                                 ("ExtName", "|".join(g[1] for g in GROUPS)),
                                 ("Post", "|".join(g[2] for g in GROUPS))])
    for t in TABLES:
        pairs = [("Ext", t["ext"]), ("Name", t["title"]), ("Bmp", t["bmp"]), ("Help", t["help"])]
        if t["edit"]:
            pairs.append(("Edit", t["edit"]))
        if t["group"]:
            # Rows stand for drawing objects: group KS_FEM_<Group>_<row number>, picked
            # through an entity-type filter (DXF code 0).
            pairs += [("Group", t["group"]), ("Arrow", ""), ("FilterType", "0"),
                      ("FilterData", t["filter_data"])]
        if t["setvar"]:
            pairs.append(("Setvar", t["setvar"]))
        lines += ini_section(t["key"], pairs)
    write_text("Tables.ini", lines[:-1])


COLUMN_KEYS = [("Name", "name"), ("Measure", "measure"), ("Type", "type"), ("List", "list"),
               ("ListBmp", "bmp"), ("Var", "var"), ("Edit", "edit"), ("Source", "source"),
               ("Index", "index"), ("Icon", "icon"), ("w", "w")]


def column_file(t):
    lines = ["; Колонки таблицы «%s» (файл проекта .%s)." % (t["title"], t["ext"]), ""]
    for k, c in enumerate(t["columns"], 1):
        lines += ini_section("F%d" % k, [(key, c[field]) for key, field in COLUMN_KEYS if c[field]])
    write_text(t["key"] + ".ini", lines[:-1])


def toolleft_ini():
    lines = ["; Кнопки левой панели после кнопок групп таблиц: переключатели слоев чертежа",
             "; (Style=1) и кнопки макросов (Style=0).", ""]
    for i, b in enumerate(LEFT_BUTTONS, 1):
        pairs = [("Name", b["Name"]), ("Bmp", b["Bmp"])]
        if "Layer" in b:
            pairs += [("Layer", b["Layer"]), ("AddLayerMacros", "")]
        else:
            pairs.append(("Macros", b["Macros"]))
        pairs.append(("Style", b["Style"]))
        lines += ini_section("B%d" % i, pairs)
    write_text("ToolLeft.ini", lines[:-1])


def buttons_ini():
    lines = ["; Макросы кнопок «Расчет» (Ex) и «Параметры» (Prop) главной панели.", ""]
    lines += ini_section("Ex", [("Macros", ""), ("File", "")])
    lines += ini_section("Prop", [("Macros", ""), ("File", "")])
    write_text("Buttons.ini", lines[:-1])


# --- Help pages ------------------------------------------------------------------------------

STYLE = ("body { font-family: Tahoma, Arial, sans-serif; font-size: 10pt; color: #263238; }"
         " h1 { font-size: 14pt; color: #1e5aa0; }"
         " h2 { font-size: 11pt; color: #1e5aa0; margin-top: 14px; }"
         " table { border-collapse: collapse; }"
         " th { background-color: #e3ebf3; text-align: left; }"
         " th, td { border: 1px solid #b0bec5; padding: 3px 6px; vertical-align: top; }"
         " .unit { white-space: nowrap; }")


def page(title, body):
    head = ['<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">', "<html>", "<head>",
            '<meta http-equiv="Content-Type" content="text/html; charset=windows-1251">',
            "<title>%s</title>" % html.escape(title), "<style>%s</style>" % STYLE, "</head>",
            "<body>"]
    return head + body + ["</body>", "</html>"]


def shown_name(c):
    return c["name"].replace("_", " ")


def quoted(text):
    return "«%s»" % text


def page_link(key):
    t = table_by_key(key)
    return '<a href="%s.htm">%s</a>' % (t["help"], html.escape(quoted(t["title"])))


def allowed_values(t, c):
    if c["type"] == "i" and c["source"]:
        return "номер строки таблицы %s, выбирается из списка" % page_link(c["source"])
    if c["type"] == "i":
        return "целое число, присваивается автоматически"
    if c["source"]:
        return "из выбранной строки таблицы %s" % page_link(c["source"])
    if c["type"] == "b":
        return "отметка (щелчок по ячейке ставит и снимает)"
    if c["type"] == "o":
        group = option_group(t, c)
        return "одна отметка в строке из колонок %s" % ", ".join(quoted(shown_name(o)) for o in group)
    if c["list"]:
        items = ", ".join(quoted(i) for i in c["list"].split("|"))
        return ("один из вариантов: " + items) if c["edit"] == "-" else (
            "вариант из списка (" + items + ") или свой текст")
    if c["measure"] or c["icon"] in ("coef.bmp",):
        return "число; дробная часть через запятую"
    return "текст"


def option_group(t, c):
    cols = t["columns"]
    k = cols.index(c)
    lo = k
    while lo > 0 and cols[lo - 1]["type"] == "o":
        lo -= 1
    hi = k
    while hi + 1 < len(cols) and cols[hi + 1]["type"] == "o":
        hi += 1
    return cols[lo:hi + 1]


def link_groups(t):
    """(source, index) -> columns of one link, in column order."""
    groups = {}
    for c in t["columns"]:
        if c["source"]:
            groups.setdefault((c["source"], c["index"]), []).append(c)
    return groups


def table_page(t):
    title = t["title"]
    body = ['<h1><img src="../bmp/%s.bmp" width="16" height="16">&nbsp;%s</h1>'
            % (t["bmp"], html.escape(title)),
            "<p>%s</p>" % html.escape(t["intro"])]
    facts = "Файл таблицы в проекте: <i>имя проекта</i>.%s." % t["ext"]
    if t["edit"]:
        facts += " Таблица только для чтения: ее записывает расчет."
    body.append("<p>%s</p>" % facts)

    body.append("<h2>Колонки</h2>")
    body.append('<table cellspacing="0" cellpadding="3">')
    body.append("<tr><th>Колонка</th><th>Единицы</th><th>Значения</th><th>Назначение</th></tr>")
    for c in t["columns"]:
        body.append('<tr><td><b>%s</b></td><td class="unit">%s</td><td>%s</td><td>%s</td></tr>'
                    % (html.escape(shown_name(c)), html.escape(c["measure"]) or "&mdash;",
                       allowed_values(t, c), html.escape(c["doc"])))
    body.append("</table>")

    body.append("<h2>Связи с другими таблицами</h2>")
    items = []
    for (source, _), cols in link_groups(t).items():
        key = next(c for c in cols if c["type"] == "i")
        others = [c for c in cols if c is not key]
        text = "%s — номер строки таблицы %s." % (html.escape(quoted(shown_name(key))),
                                                page_link(source))
        if others:
            text += " При выборе заполняется и %s; после изменения строки в таблице %s " \
                    "значение обновляется само." % (
                        ", ".join(html.escape(quoted(shown_name(o))) for o in others),
                        html.escape(quoted(table_by_key(source)["title"])))
        text += " Если строку удалить из таблицы %s, строки с этим номером удаляются и " \
                "отсюда." % html.escape(quoted(table_by_key(source)["title"]))
        items.append("<li>%s</li>" % text)
    referrers = [o for o in TABLES if o is not t and any(
        c["source"] == t["key"] and c["type"] == "i" for c in o["columns"])]
    if referrers:
        items.append("<li>На строки этой таблицы ссылаются: %s.</li>"
                     % ", ".join(page_link(o["key"]) for o in referrers))
    body.append("<ul>%s</ul>" % "".join(items) if items else "<p>Нет.</p>")

    body.append("<h2>Связь с чертежом</h2>")
    body.append("<p>%s</p>" % html.escape(t["drawing"] or
                                          "Строки таблицы не связаны с объектами чертежа."))
    body.append('<p><a href="index.htm">Содержание справки</a></p>')
    write_text(os.path.join("Help", t["help"] + ".htm"), page(title, body))


def index_page():
    body = ["<h1>Trellis — справка по таблицам</h1>",
            "<p>Расчетная модель здания задается таблицами. Таблицы разделены на группы; группа "
            "выбирается кнопками в начале левой панели, таблицы группы — вкладками над "
            "таблицей. Справка по текущей таблице показывается на нижней вкладке «Справка».</p>",
            "<p>Дробные числа вводятся с запятой (точка при вводе заменяется запятой). Синие "
            "подчеркнутые заголовки — колонки со списком значений или со ссылкой на другую "
            "таблицу; значение выбирается двойным щелчком по ячейке. Серые заголовки — номера "
            "строк, они присваиваются автоматически.</p>"]
    for letter_key, name, post, doc in GROUPS:
        letter = letter_key.replace("_", "")
        body.append('<h2><img src="../bmp/Left/%s.bmp" width="24" height="24">&nbsp;%s</h2>'
                    % (letter_key, html.escape(name)))
        body.append("<p>%s</p>" % html.escape(doc))
        body.append("<ul>")
        for t in TABLES:
            if t["ext"].startswith(letter):
                body.append('<li><img src="../bmp/%s.bmp" width="16" height="16">&nbsp;%s '
                            "(.%s)</li>" % (t["bmp"], page_link(t["key"]), t["ext"]))
        body.append("</ul>")
    body.append("<h2>Связь с чертежом</h2>")
    body.append("<p>Строки групп элементов, групп узлов, фундаментов и соседних зданий "
                "связываются с объектами чертежа: кнопка «Выбор объектов» помещает указанные "
                "объекты в группу чертежа KS_FEM_&lt;буква&gt;_&lt;номер строки&gt;, кнопка "
                "«Показать» подсвечивает объекты текущей строки. Слои KS_FEM_… служебные: "
                "объекты на них выбрать нельзя. Их видимость переключают кнопки слоев левой "
                "панели.</p>")
    write_text(os.path.join("Help", "index.htm"), page("Trellis — справка", body))


# --- Templates -------------------------------------------------------------------------------

def table_row(t, cells):
    """A table file line: cells of columns 1..C, the image-list items with their six spaces."""
    n = len(t["columns"])
    cells = list(cells) + [""] * (n - len(cells))
    assert len(cells) == n, t["key"]
    for k, c in enumerate(t["columns"]):
        if c["bmp"] and cells[k]:
            cells[k] += "      "
    return "\t".join(cells)


def new_project_files():
    materials = table_by_key("Materials")
    rows = [table_row(materials, [str(i)] + list(m)) for i, m in enumerate(START_MATERIALS, 1)]
    write_text(os.path.join("Template", "tr2", "Materials.d01"), rows)
    loads = table_by_key("Loads")
    rows = [table_row(loads, [str(i)] + list(r)) for i, r in enumerate(START_LOADS, 1)]
    write_text(os.path.join("Template", "tr2", "Loads.d04"), rows)


def program_templates():
    here = os.path.dirname(os.path.abspath(__file__))
    for name in ("frmVB.frm", "VB.vbp", "mdlFuncApi.bas"):
        with open(os.path.join(here, "templates", name), encoding="utf-8") as f:
            write_text(os.path.join("Template", "tr", name), f.read().rstrip("\n").split("\n"))


def main():
    generated = {t["ext"]: t["key"] for t in TABLES}
    for ext, key in GENERATOR_TABLES.items():
        assert generated.get(ext) == key, (ext, key)
    tables_ini()
    for t in TABLES:
        column_file(t)
        table_page(t)
    toolleft_ini()
    buttons_ini()
    index_page()
    new_project_files()
    program_templates()


if __name__ == "__main__":
    main()
