# Under a Spanish locale the letter size's caption shows a decimal comma; the settings file keeps
# a point.
list relieve 20
start
  Comprobar="&COMPROBAR" 2000,10400 2000x500 Arial Narrow 12 tab 33 tip "Pulse para comprobar si se han unido correctamente las palabras con su definición "
  D0=W "definición 18" 0,3200 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 4, columna izquierda, libre"
  D1=W "definición 6" 0,6800 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 4, columna izquierda, libre"
  D2=W "definición 19" 8000,3200 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 4, columna derecha, libre"
  D3=W "definición 16" 8000,6800 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 4, columna derecha, libre"
  Instruc=W "Una cada elemento de la columna central con uno de los laterales y pulse en Comprobar\r\n" 0,100 10750x500 Verdana 9.75 locked multiline centred tab 32
  P0=W "palabra19" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, libre"
  P1=W "palabra6" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, libre"
  P2=W "palabra16" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, libre"
  P3=W "palabra18" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, libre"
  Siguiente="&Siguiente" 5000,10400 2000x500 Arial Narrow 12 tab 34 tip "Pulse para que se muestre una nueva pantalla de palabras y glosandas"
  Tam0=W "+" 10750,100 500x500 Verdana 9.75 locked centred tab 36 tip "Aumentar tamaño de la letrad de las glosandas"
  Tam1=W "-" 11250,100 500x500 Verdana 9.75 locked centred tab 37 tip "Reducir tamaño de la letra de las glosandas"
  Ver="&Ver solución" 8000,10400 2000x500 Arial Narrow 12 tab 35 tip "Pulse para ver  la forma correcta de unir cada palabra con su definición"
  focus=TbPal_0
  frame=TbPal_0
  menu.Ace="&Acerca de glosandas..."
  menu.Arc="&Archivo de glosandas": ["relieve"]
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") ("&3") ["&4"] "&5" "&6" "&7" "&8" "&9" "&10"
  menu.Mar=["&Marcar errores"]
  menu.Opc="&Opciones"
  menu.Pal="&Número de palabras": "&1" "&2" "&3" ["&4"] "&5" "&6" "&7" "&8" "&9" "&10"
  menu.Sal="&Salir Alt - F4"
  menu.Tam="&Tamaño de letra (10)": "&Aumentar" F2 "&Reducir" F3
menu Opciones/Tamaño de letra (10)/Aumentar
  D0=W "definición 18" 0,3200 4000x1000 Verdana 10.5 multiline centred tab 1 says "Definición 1 de 4, columna izquierda, libre"
  D1=W "definición 6" 0,6800 4000x1000 Verdana 10.5 multiline centred tab 3 says "Definición 2 de 4, columna izquierda, libre"
  D2=W "definición 19" 8000,3200 4000x1000 Verdana 10.5 multiline centred tab 5 says "Definición 3 de 4, columna derecha, libre"
  D3=W "definición 16" 8000,6800 4000x1000 Verdana 10.5 multiline centred tab 7 says "Definición 4 de 4, columna derecha, libre"
  menu.Tam="&Tamaño de letra (10,5)": "&Aumentar" F2 "&Reducir" F3
close
  ini="4 = n\xfamero de palabras\r\n4 = n\xfamero de glosandas \r\nTrue = marcar errores en rojo\r\nrelieve = \xfaltimo archivo utilizado\r\n10.5 = tama\xf1o de letra\r\n"
  focus
  frame
