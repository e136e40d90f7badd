# Progress: the review mode switched on; a check with wrong joins marks their boxes and dashes their
# lines, and makes the progress file; its progress erased only when the question is answered; the
# review mode kept as the sixth settings line.
list relieve 20
start
menu Progreso/Repasar fallos
  menu.Pro="&Progreso": ["&Repasar fallos"] "&Borrar el progreso de esta lista..."
click P0
  P0=Y "palabra19" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, seleccionada"
  frame
click D0
  D0=C "definición 18" 0,3200 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 4, columna izquierda, unida a «palabra19»"
  L0=4000,3700 4500,2410
  P0=C "palabra19" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 18»"
click P1
  P1=Y "palabra6" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, seleccionada"
click D1
  D1=C "definición 6" 0,6800 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 4, columna izquierda, unida a «palabra6»"
  L1=4000,7300 4500,4470
  P1=C "palabra6" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, unida a «definición 6»"
click P2
  P2=Y "palabra16" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, seleccionada"
click D2
  D2=C "definición 19" 8000,3200 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 4, columna derecha, unida a «palabra16»"
  L2=7500,6530 8000,3700
  P2=C "palabra16" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, unida a «definición 19»"
click P3
  P3=Y "palabra18" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, seleccionada"
click D3
  D3=C "definición 16" 8000,6800 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 4, columna derecha, unida a «palabra18»"
  L3=7500,8590 8000,7300
  P3=C "palabra18" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, unida a «definición 16»"
click Comprobar
  box Ha cometido 3 errores., "  | Glosandas
  D*=R 4000x1000 Verdana 9.75 multiline centred | D0 "definición 18" 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, unida a «palabra19», unión incorrecta" | D2 "definición 19" 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, unida a «palabra16», unión incorrecta" | D3 "definición 16" 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, unida a «palabra18», unión incorrecta"
  L*=dashed | L0 4000,3700 4500,2410 | L2 7500,6530 8000,3700 | L3 7500,8590 8000,7300
  P*=R 3000x500 Verdana 12 | P0 "palabra19" 4500,2160 tab 0 says "Palabra 1 de 4, unida a «definición 18», unión incorrecta" | P2 "palabra16" 4500,6280 tab 4 says "Palabra 3 de 4, unida a «definición 19», unión incorrecta" | P3 "palabra18" 4500,8340 tab 6 says "Palabra 4 de 4, unida a «definición 16», unión incorrecta"
exists XDG_DATA_HOME/glosandas/progreso/progreso.sqlite
  exists XDG_DATA_HOME/glosandas/progreso/progreso.sqlite=yes
menu Progreso/Borrar el progreso de esta lista...
  box ¿Borrar todo el progreso de la lista "relieve"? Sus palabras volverán a salir como nuevas. No se puede deshacer. | Borrar el progreso
answer Borrar
menu Progreso/Borrar el progreso de esta lista...
  box ¿Borrar todo el progreso de la lista "relieve"? Sus palabras volverán a salir como nuevas. No se puede deshacer. | Borrar el progreso
close
  ini="4 = n\xfamero de palabras\r\n4 = n\xfamero de glosandas \r\nTrue = marcar errores en rojo\r\nrelieve = \xfaltimo archivo utilizado\r\n9.75 = tama\xf1o de letra\r\nTrue = repasar fallos\r\n"
  focus
