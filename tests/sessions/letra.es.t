# Under a Spanish locale the letter size's caption shows a decimal comma; the settings file keeps
# a point.
list relieve 20
start
menu Opciones/Tamaño de letra (10)/Aumentar
  D*=W 4000x1000 Verdana 10.5 multiline centred | D0 "definición 18" 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, libre" | D1 "definición 6" 0,6800 tab 3 says "Definición 2 de 4, columna izquierda, libre" | D2 "definición 19" 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, libre" | D3 "definición 16" 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, libre"
  menu.Tam="&Tamaño de letra (10,5)": "&Aumentar" F2 "&Reducir" F3
close
  ini="4 = n\xfamero de palabras\r\n4 = n\xfamero de glosandas \r\nTrue = marcar errores en rojo\r\nrelieve = \xfaltimo archivo utilizado\r\n10.5 = tama\xf1o de letra\r\nFalse = repasar fallos\r\n"
  focus frame
