# Ctrl+Z undoes the editor's changes to the rows one by one, Ctrl+Shift+Z or Ctrl+Y redoes; the
# blank row a new table gets is no change, so with all undone closing does not ask.
list relieve 20
start
key ctrl+n
  editor="Nueva lista" name "" 0 de 100 entradas
  focus=Editor/Nombre
key Tab
  editor="Nueva lista" name "" 0 de 100 entradas at 1,1
  focus=Editor/Tabla
  row1="" ""
copy a\tA\r\nb\tB\r\n
key ctrl+v
  editor="Nueva lista" name "" 2 de 100 entradas at 3,1
  row2="a" "A"
  row3="b" "B"
key ctrl+z
  editor="Nueva lista" name "" 0 de 100 entradas at 1,1
  row2 row3
key ctrl+shift+z
  editor="Nueva lista" name "" 2 de 100 entradas at 3,1
  row2="a" "A"
  row3="b" "B"
click Quitar
  editor="Nueva lista" name "" 1 de 100 entradas at 2,1
  row3
key ctrl+z
  editor="Nueva lista" name "" 2 de 100 entradas at 3,1
  row3="b" "B"
key ctrl+y
  editor="Nueva lista" name "" 1 de 100 entradas at 2,1
  row3
click Subir
  editor="Nueva lista" name "" 1 de 100 entradas at 1,1
  row1="a" "A"
  row2="" ""
key ctrl+z
  editor="Nueva lista" name "" 1 de 100 entradas at 2,1
  row1="" ""
  row2="a" "A"
key ctrl+shift+z
  editor="Nueva lista" name "" 1 de 100 entradas at 1,1
  row1="a" "A"
  row2="" ""
cell 2 1 x
  editor="Nueva lista" name "" 2 de 100 entradas at 1,1
  row2="x" "" ! "Falta la definición."
key ctrl+z *4
  editor="Nueva lista" name "" 0 de 100 entradas at 1,1
  row1="" ""
  row2
click Cancelar
  editor closed, focus=TbPal_0
signal click Comprobar
  box Debe unir cada elemento de la columna central con uno de las columnas laterales para poder comprobar qué uniones están bien realizadas. | Comprobar
  ini="4 = n\xfamero de palabras\r\n4 = n\xfamero de glosandas \r\nTrue = marcar errores en rojo\r\nrelieve = \xfaltimo archivo utilizado\r\n9.75 = tama\xf1o de letra\r\nFalse = repasar fallos\r\n"
  focus frame
