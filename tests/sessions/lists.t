# Lists written in the program. A new list: the name refused until it can be a file name, a
# list without entries refused, rows added with Insert and pasted from a spreadsheet, a line
# break made a blank, each problem marked until it is mended, a repeated word ("Ñu", "ñu") shown, a row
# moved with Ctrl+Up; saved, it is offered, chosen and played. The list in force edited and
# closed unsaved, kept or not; a shipped list mended into the user's own copy, then given back;
# a name already used; the lists folder shown; files opened from the file dialog. A package's
# list does not hide the one beside the program.
list relieve 20
file XDG_DATA_DIRS/glosandas/relieve.txt P>del paquete\r\nD>no se juega\r\n
file XDG_DATA_DIRS/glosandas/rios.txt P>Ebor\r\nD>R\xEDo de Zaragoza\r\nP>Tajo\r\nD>R\xEDo de Toledo\r\n
start
  menu.Arc="&Archivo de glosandas": ["relieve"] "rios"
key ctrl+n
  editor="Nueva lista" name "" 0 de 100 entradas
  focus=Editor/Nombre
click Guardar
  box Escriba un nombre para la lista. | Nueva lista
  focus=Editor/Nombre
type fr/utas
  editor="Nueva lista" name "fr/utas" 0 de 100 entradas
click Guardar
  box El nombre no puede contener «/», «&» ni caracteres de control. | Nueva lista
  focus=Editor/Nombre
key ctrl+a
type frutas
  editor="Nueva lista" name "frutas" 0 de 100 entradas
click Guardar
  box La lista no tiene ninguna entrada. Añada al menos una fila con su palabra y su definición. | Nueva lista
key Tab
  focus=Editor/Cancelar
click Anadir
  editor="Nueva lista" name "frutas" 0 de 100 entradas at 1,1
  focus=Editor/Tabla
  row1="" ""
cell 1 1 manzana
  editor="Nueva lista" name "frutas" 1 de 100 entradas at 1,1
  row1="manzana" "" ! "Falta la definición."
cell 1 2 Fruta\ndel\r\nmanzano
  row1="manzana" "Fruta del manzano"
copy pera\tFruta del peral\r\nkiwi\t\r\n
key ctrl+v
  editor="Nueva lista" name "frutas" 3 de 100 entradas at 3,1
  row2="pera" "Fruta del peral"
  row3="kiwi" "" ! "Falta la definición."
click Guardar
  box No se puede guardar la lista mientras haya casillas marcadas. Fila 3: Falta la definición. | Nueva lista
  focus=Editor/Tabla
cell 3 2 Fruta peluda
  row3="kiwi" "Fruta peluda"
cell 1 1 Ñu
  row1="Ñu" "Fruta del manzano"
cell 3 1 ñu
  row1="Ñu" ! "Esta palabra está más de una vez en la lista." "Fruta del manzano"
  row3="ñu" ! "Esta palabra está más de una vez en la lista." "Fruta peluda"
cell 1 1 manzana
  row1="manzana" "Fruta del manzano"
  row3="ñu" "Fruta peluda"
cell 3 1 kiwi
  row3="kiwi" "Fruta peluda"
key ctrl+Up
  editor="Nueva lista" name "frutas" 3 de 100 entradas at 2,1
  row2="kiwi" "Fruta peluda"
  row3="pera" "Fruta del peral"
click Guardar
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "Fruta del manzano" 0,3200 tab 1 says "Definición 1 de 3, columna izquierda, libre" | D1 "Fruta peluda" 0,6800 tab 3 says "Definición 2 de 3, columna izquierda, libre" | D2 "Fruta del peral" 8000,5000 tab 5 says "Definición 3 de 3, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "manzana" 4500,2675 tab 0 says "Palabra 1 de 3, libre" | P1 "kiwi" 4500,5250 tab 2 says "Palabra 2 de 3, libre" | P2 "pera" 4500,7825 tab 4 says "Palabra 3 de 3, libre"
  menu.Arc="&Archivo de glosandas": ["frutas"] "relieve" "rios"
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") ["&3"] "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  menu.Pal="&Número de palabras": "&1" "&2" ["&3"] "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  editor closed, focus=TbPal_0
  D3 P3
bytes XDG_DATA_HOME/glosandas/frutas.txt
  bytes XDG_DATA_HOME/glosandas/frutas.txt="P>manzana\r\nD>Fruta del manzano\r\nP>kiwi\r\nD>Fruta peluda\r\nP>pera\r\nD>Fruta del peral\r\n"
menu Listas/Editar la lista actual...
  editor="Editar la lista \"frutas\"" name "frutas" 3 de 100 entradas at 1,1
  focus=Editor/Nombre
  row1="manzana" "Fruta del manzano"
  row2="kiwi" "Fruta peluda"
  row3="pera" "Fruta del peral"
cell 1 1 manzanas
  row1="manzanas" "Fruta del manzano"
answer Cancelar
key Escape
  box ¿Guardar los cambios en la lista "frutas"? | Editar la lista "frutas"
answer No guardar
click Cancelar
  box ¿Guardar los cambios en la lista "frutas"? | Editar la lista "frutas"
  editor closed, focus=TbPal_0
menu Listas/Editar la lista actual...
  editor="Editar la lista \"frutas\"" name "frutas" 3 de 100 entradas at 1,1
  focus=Editor/Nombre
  row1="manzana" "Fruta del manzano"
  row2="kiwi" "Fruta peluda"
  row3="pera" "Fruta del peral"
cell 1 1 manzanas
  row1="manzanas" "Fruta del manzano"
answer Guardar
key Escape
  box ¿Guardar los cambios en la lista "frutas"? | Editar la lista "frutas"
  P*=W 3000x500 Verdana 12 | P0 "manzanas" 4500,2675 tab 0 says "Palabra 1 de 3, libre" | P1 "pera" 4500,5250 tab 2 says "Palabra 2 de 3, libre" | P2 "kiwi" 4500,7825 tab 4 says "Palabra 3 de 3, libre"
  editor closed, focus=TbPal_0
menu Opciones/Archivo de glosandas/rios
  D0=W "Río de Zaragoza" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 2, columna izquierda, libre"
  D1=W "Río de Toledo" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 2, columna derecha, libre"
  P0=W "Ebor" 4500,3533 3000x500 Verdana 12 tab 0 says "Palabra 1 de 2, libre"
  P1=W "Tajo" 4500,6966 3000x500 Verdana 12 tab 2 says "Palabra 2 de 2, libre"
  menu.Arc="&Archivo de glosandas": "frutas" "relieve" ["rios"]
  menu.Def="Nú&mero de glosandas": ("&1") ["&2"] "&3" "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  menu.Pal="&Número de palabras": "&1" ["&2"] "&3" "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  D2 P2
menu Listas/Editar la lista actual...
  editor="Editar la lista \"rios\"" name "rios" 2 de 100 entradas Nota at 1,1
  focus=Editor/Nombre
  row1="Ebor" "Río de Zaragoza"
  row2="Tajo" "Río de Toledo"
cell 1 1 Ebro
  row1="Ebro" "Río de Zaragoza"
click Guardar
  D0=W "Río de Toledo" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 2, columna izquierda, libre"
  D1=W "Río de Zaragoza" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 2, columna derecha, libre"
  P0=W "Ebro" 4500,3533 3000x500 Verdana 12 tab 0 says "Palabra 1 de 2, libre"
  editor closed, focus=TbPal_0
bytes XDG_DATA_HOME/glosandas/rios.txt
  bytes XDG_DATA_HOME/glosandas/rios.txt="P>Ebro\r\nD>R\xedo de Zaragoza\r\nP>Tajo\r\nD>R\xedo de Toledo\r\n"
menu Listas/Editar la lista actual...
  editor="Editar la lista \"rios\"" name "rios" 2 de 100 entradas Restaurar at 1,1
  focus=Editor/Nombre
  row1="Ebro" "Río de Zaragoza"
  row2="Tajo" "Río de Toledo"
answer Restaurar
click Restaurar
  box ¿Quitar su copia de la lista "rios" y volver a la original? Su copia, el archivo "rios.txt" de la carpeta "XDG_DATA_HOME/glosandas", irá a la papelera. | Editar la lista "rios"
  P0=W "Ebor" 4500,3533 3000x500 Verdana 12 tab 0 says "Palabra 1 de 2, libre"
  editor closed, focus=TbPal_0
menu Listas/Nueva lista...
  editor="Nueva lista" name "" 0 de 100 entradas
  focus=Editor/Nombre
type frutas
  editor="Nueva lista" name "frutas" 0 de 100 entradas
key Tab
  editor="Nueva lista" name "frutas" 0 de 100 entradas at 1,1
  focus=Editor/Tabla
  row1="" ""
# Whole rows selected, Delete removes them; Ctrl+Down moves a row down, "Quitar fila" removes
# the row of the cell in use.
key ctrl+a
key Delete
  editor="Nueva lista" name "frutas" 0 de 100 entradas
  row1
key Insert
  editor="Nueva lista" name "frutas" 0 de 100 entradas at 1,1
  row1="" ""
key Insert
  editor="Nueva lista" name "frutas" 0 de 100 entradas at 2,1
  row2="" ""
key Up
  editor="Nueva lista" name "frutas" 0 de 100 entradas at 1,1
cell 1 1 pera
  editor="Nueva lista" name "frutas" 1 de 100 entradas at 1,1
  row1="pera" "" ! "Falta la definición."
key ctrl+Down
  editor="Nueva lista" name "frutas" 1 de 100 entradas at 2,1
  row1="" ""
  row2="pera" "" ! "Falta la definición."
click Quitar
  editor="Nueva lista" name "frutas" 0 de 100 entradas at 1,1
  row2
cell 1 1 uva
  editor="Nueva lista" name "frutas" 1 de 100 entradas at 1,1
  row1="uva" "" ! "Falta la definición."
cell 1 2 Fruta de la vid
  row1="uva" "Fruta de la vid"
answer Cancelar
click Guardar
  box Ya existe una lista "frutas". ¿Reemplazarla? | Nueva lista
answer No guardar
click Cancelar
  box ¿Guardar los cambios en la lista "frutas"? | Nueva lista
  editor closed, focus=TbPal_0
menu Listas/Abrir la carpeta de listas
  shown XDG_DATA_HOME/glosandas
file HOME/colores.csv rojo;Color de la sangre\n
key ctrl+o
answer
type colores.csv
key Return
  D0=W "Color de la sangre" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 1, columna derecha, libre"
  P0=W "rojo" 4500,5250 3000x500 Verdana 12 tab 0 says "Palabra 1 de 1, libre"
  menu.Arc="&Archivo de glosandas": ["colores"] "frutas" "relieve" "rios"
  menu.Def="Nú&mero de glosandas": ["&1"] "&2" "&3" "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  menu.Pal="&Número de palabras": ["&1"] "&2" "&3" "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  D1 P1
# The buttons move rows; a row removed from a list as it was is a change too, so closing asks.
menu Opciones/Archivo de glosandas/frutas
  D0=W "Fruta del manzano" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 1, columna derecha, libre"
  P0=W "manzanas" 4500,5250 3000x500 Verdana 12 tab 0 says "Palabra 1 de 1, libre"
  menu.Arc="&Archivo de glosandas": "colores" ["frutas"] "relieve" "rios"
menu Listas/Editar la lista actual...
  editor="Editar la lista \"frutas\"" name "frutas" 3 de 100 entradas at 1,1
  focus=Editor/Nombre
  row1="manzanas" "Fruta del manzano"
  row2="kiwi" "Fruta peluda"
  row3="pera" "Fruta del peral"
click Bajar
  editor="Editar la lista \"frutas\"" name "frutas" 3 de 100 entradas at 2,1
  row1="kiwi" "Fruta peluda"
  row2="manzanas" "Fruta del manzano"
click Subir
  editor="Editar la lista \"frutas\"" name "frutas" 3 de 100 entradas at 1,1
  row1="manzanas" "Fruta del manzano"
  row2="kiwi" "Fruta peluda"
answer No guardar
key Escape
  box ¿Guardar los cambios en la lista "frutas"? | Editar la lista "frutas"
  editor closed, focus=TbPal_0
menu Listas/Editar la lista actual...
  editor="Editar la lista \"frutas\"" name "frutas" 3 de 100 entradas at 1,1
  focus=Editor/Nombre
  row1="manzanas" "Fruta del manzano"
  row2="kiwi" "Fruta peluda"
  row3="pera" "Fruta del peral"
click Quitar
  editor="Editar la lista \"frutas\"" name "frutas" 2 de 100 entradas at 1,1
  row1="kiwi" "Fruta peluda"
  row2="pera" "Fruta del peral"
  row3
answer Cancelar
key Escape
  box ¿Guardar los cambios en la lista "frutas"? | Editar la lista "frutas"
answer No guardar
key Escape
  box ¿Guardar los cambios en la lista "frutas"? | Editar la lista "frutas"
  editor closed, focus=TbPal_0
# Worksheets of the list in force, as a PDF in the documents folder under the name proposed.
menu Opciones/Archivo de glosandas/frutas
  D0=W "Fruta peluda" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 1, columna derecha, libre"
  P0=W "kiwi" 4500,5250 3000x500 Verdana 12 tab 0 says "Palabra 1 de 1, libre"
file HOME/Documents/.keep x
key ctrl+p
  fichas="Imprimir fichas de la lista \"frutas\"" Hojas 1 Palabras 1 Definiciones 1 Soluciones
  focus=Fichas/Hojas
key Up
  fichas="Imprimir fichas de la lista \"frutas\"" Hojas 2 Palabras 1 Definiciones 1 Soluciones
key Up
  fichas="Imprimir fichas de la lista \"frutas\"" Hojas 3 Palabras 1 Definiciones 1 Soluciones
key Tab
  focus=Fichas/Palabras
key Down
key Tab
  focus=Fichas/Definiciones
key Up
  fichas="Imprimir fichas de la lista \"frutas\"" Hojas 3 Palabras 1 Definiciones 2 Soluciones
key shift+Tab
  focus=Fichas/Palabras
key Up *2
  fichas="Imprimir fichas de la lista \"frutas\"" Hojas 3 Palabras 3 Definiciones 3 Soluciones
key alt+g
key Return
  fichas closed, focus=TbPal_0
exists HOME/Documents/frutas - fichas.pdf
  exists HOME/Documents/frutas - fichas.pdf=yes
# A PDF made, the letter size still steps by a point on the screen's own measure.
key F2 *45
  D0=W "Fruta peluda" 8000,5000 4000x1000 Verdana 43.5 multiline centred tab 1 says "Definición 1 de 1, columna derecha, libre"
  menu.Tam="&Tamaño de letra (43.5)": "&Aumentar" F2 "&Reducir" F3
# A list that repeats a definition (letter case and blanks aside): a sheet holds at most two of
# its three entries, and the dialog says why.
file camas.txt P>cama\r\nD>Mueble para dormir\r\nP>lecho\r\nD>mueble para dormir \r\nP>mesa\r\nD>Mueble con tablero\r\n
drop camas.txt
  D0=W "Mueble para dormir" 8000,5000 4000x1000 Verdana 43.5 multiline centred tab 1 says "Definición 1 de 1, columna derecha, libre"
  P0=W "cama" 4500,5250 3000x500 Verdana 12 tab 0 says "Palabra 1 de 1, libre"
  menu.Arc="&Archivo de glosandas": ["camas"] "colores" "frutas" "relieve" "rios"
key ctrl+p
  fichas="Imprimir fichas de la lista \"camas\"" Hojas 1 Palabras 1 Definiciones 1 Soluciones "La lista repite palabras o definiciones, y una ficha no muestra dos iguales: caben como mucho 2 entradas por ficha."
  focus=Fichas/Hojas
key Tab *2
  focus=Fichas/Definiciones
key Up *3
  fichas="Imprimir fichas de la lista \"camas\"" Hojas 1 Palabras 1 Definiciones 2 Soluciones "La lista repite palabras o definiciones, y una ficha no muestra dos iguales: caben como mucho 2 entradas por ficha."
key Escape
  fichas closed, focus=TbPal_0
key ctrl+n
  editor="Nueva lista" name "" 0 de 100 entradas
  focus=Editor/Nombre
type nueva
  editor="Nueva lista" name "nueva" 0 de 100 entradas
signal key Escape
  box ¿Guardar los cambios en la lista "nueva"? | Nueva lista
  ini="1 = n\xfamero de palabras\r\n1 = n\xfamero de glosandas \r\nTrue = marcar errores en rojo\r\ncamas = \xfaltimo archivo utilizado\r\n43.5 = tama\xf1o de letra\r\nFalse = repasar fallos\r\n"
  editor closed
  focus frame
