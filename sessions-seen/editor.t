# The list editor's table from the keyboard and the clipboard. Tab goes cell by cell, adding a
# row past the last cell (and one to a new list's empty table, so that a list is typed with Tab
# alone), and never overwrites what was typed; Tab past a blank last row, Shift+Tab
# past the first cell and Ctrl+Tab leave the table. Cells pasted from a spreadsheet as it quotes
# them, without its header row. A blank row is neither marked nor counted, and is not saved.
list relieve 20
start
key ctrl+n
  editor="Nueva lista" name "" 0 de 100 entradas
  focus=Editor/Nombre
type animales
  editor="Nueva lista" name "animales" 0 de 100 entradas
key Tab
  editor="Nueva lista" name "animales" 0 de 100 entradas at 1,1
  focus=Editor/Tabla
  row1="" ""
type gato
  focus=Editor/Celda
key Tab
  editor="Nueva lista" name "animales" 1 de 100 entradas at 1,2
  focus=Editor/Tabla
  row1="gato" "" ! "Falta la definición."
type Animal que maulla
  focus=Editor/Celda
key Tab
  editor="Nueva lista" name "animales" 1 de 100 entradas at 2,1
  focus=Editor/Tabla
  row1="gato" "Animal que maulla"
  row2="" ""
type perro
  focus=Editor/Celda
key Tab
  editor="Nueva lista" name "animales" 2 de 100 entradas at 2,2
  focus=Editor/Tabla
  row2="perro" "" ! "Falta la definición."
type Animal que ladra
  focus=Editor/Celda
key Tab
  editor="Nueva lista" name "animales" 2 de 100 entradas at 3,1
  focus=Editor/Tabla
  row2="perro" "Animal que ladra"
  row3="" ""
key Tab
  editor="Nueva lista" name "animales" 2 de 100 entradas at 3,2
key Tab
  focus=Editor/Anadir
key shift+Tab *7
  editor="Nueva lista" name "animales" 2 de 100 entradas at 1,1
  focus=Editor/Nombre
key Tab
  focus=Editor/Tabla
key Down
  editor="Nueva lista" name "animales" 2 de 100 entradas at 2,1
key ctrl+Tab
  focus=Editor/Anadir
key shift+Tab
  focus=Editor/Tabla
copy Palabra\tDefinición\r\n"dos\tpalabras"\t"Dice ""hola""\r\ny adiós"\r\nratón\tRoedor\r\n
key ctrl+v
  editor="Nueva lista" name "animales" 4 de 100 entradas at 4,1
  row3="dos palabras" "Dice \"hola\" y adiós"
  row4="ratón" "Roedor"
  row5="" ""
click Guardar
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "Animal que maulla" 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, libre" | D1 "Animal que ladra" 0,6800 tab 3 says "Definición 2 de 4, columna izquierda, libre" | D2 "Roedor" 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, libre" | D3 "Dice \"hola\" y adiós" 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "perro" 4500,2160 tab 0 says "Palabra 1 de 4, libre" | P1 "dos palabras" 4500,4220 tab 2 says "Palabra 2 de 4, libre" | P2 "ratón" 4500,6280 tab 4 says "Palabra 3 de 4, libre" | P3 "gato" 4500,8340 tab 6 says "Palabra 4 de 4, libre"
  menu.Arc="&Archivo de glosandas": ["animales"] "relieve"
  editor closed, focus=TbPal_0
bytes XDG_DATA_HOME/glosandas/animales.txt
  bytes XDG_DATA_HOME/glosandas/animales.txt="P>gato\r\nD>Animal que maulla\r\nP>perro\r\nD>Animal que ladra\r\nP>dos palabras\r\nD>Dice \"hola\" y adi\xf3s\r\nP>rat\xf3n\r\nD>Roedor\r\n"
