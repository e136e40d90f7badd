# Progress: a progress folder that cannot be made, told once, and the exercise goes on (an erasing
# asked for is told each time); then the
# review mode switched on; a check with wrong joins marks their boxes and dashes their lines, and
# makes the progress file; its progress erased only when the question is answered; the review mode
# kept as the sixth settings line; the progress window shows the check, and opens and closes from
# the keyboard.
list relieve 20
file XDG_DATA_HOME/glosandas/progreso no es una carpeta
start
click CbVer
  box No se puede guardar el progreso en "XDG_DATA_HOME/glosandas/progreso". El ejercicio sigue, pero esta vez no se recordarán los aciertos ni los fallos. | Progreso
  D*=C 4000x1000 Verdana 9.75 multiline centred | D0 "definición 18" 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, unida a «palabra18»" | D1 "definición 6" 0,6800 tab 3 says "Definición 2 de 4, columna izquierda, unida a «palabra6»" | D2 "definición 19" 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, unida a «palabra19»" | D3 "definición 16" 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, unida a «palabra16»"
  L*= | L0 4000,7300 4500,4470 | L1 7500,6530 8000,7300 | L2 4000,3700 4500,8590 | L3 7500,2410 8000,3700
  P*=C 3000x500 Verdana 12 | P0 "palabra19" 4500,2160 tab 0 says "Palabra 1 de 4, unida a «definición 19»" | P1 "palabra6" 4500,4220 tab 2 says "Palabra 2 de 4, unida a «definición 6»" | P2 "palabra16" 4500,6280 tab 4 says "Palabra 3 de 4, unida a «definición 16»" | P3 "palabra18" 4500,8340 tab 6 says "Palabra 4 de 4, unida a «definición 18»"
  frame
click Siguiente
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "definición 3" 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, libre" | D1 "definición 10" 0,6800 tab 3 says "Definición 2 de 4, columna izquierda, libre" | D2 "definición 14" 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, libre" | D3 "definición 13" 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "palabra10" 4500,2160 tab 0 says "Palabra 1 de 4, libre" | P1 "palabra13" 4500,4220 tab 2 says "Palabra 2 de 4, libre" | P2 "palabra14" 4500,6280 tab 4 says "Palabra 3 de 4, libre" | P3 "palabra3" 4500,8340 tab 6 says "Palabra 4 de 4, libre"
  L0 L1 L2 L3
click CbVer
  D*=C 4000x1000 Verdana 9.75 multiline centred | D0 "definición 3" 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, unida a «palabra3»" | D1 "definición 10" 0,6800 tab 3 says "Definición 2 de 4, columna izquierda, unida a «palabra10»" | D2 "definición 14" 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, unida a «palabra14»" | D3 "definición 13" 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, unida a «palabra13»"
  L*= | L0 4000,3700 4500,8590 | L1 4000,7300 4500,2410 | L2 7500,4470 8000,7300 | L3 7500,6530 8000,3700
  P*=C 3000x500 Verdana 12 | P0 "palabra10" 4500,2160 tab 0 says "Palabra 1 de 4, unida a «definición 10»" | P1 "palabra13" 4500,4220 tab 2 says "Palabra 2 de 4, unida a «definición 13»" | P2 "palabra14" 4500,6280 tab 4 says "Palabra 3 de 4, unida a «definición 14»" | P3 "palabra3" 4500,8340 tab 6 says "Palabra 4 de 4, unida a «definición 3»"
# Erasing what cannot be written is told each time it is asked for, not passed over in silence.
answer Borrar
menu Progreso/Borrar el progreso de esta lista...
  box ¿Borrar todo el progreso de la lista "relieve"? Sus palabras volverán a salir como nuevas. No se puede deshacer. | Borrar el progreso
  box No se puede borrar el progreso de la lista "relieve" en "XDG_DATA_HOME/glosandas/progreso". | Borrar el progreso
remove XDG_DATA_HOME/glosandas/progreso
restart
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "definición 16" 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, libre" | D1 "definición 2" 0,6800 tab 3 says "Definición 2 de 4, columna izquierda, libre" | D2 "definición 12" 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, libre" | D3 "definición 19" 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "palabra19" 4500,2160 tab 0 says "Palabra 1 de 4, libre" | P1 "palabra16" 4500,4220 tab 2 says "Palabra 2 de 4, libre" | P2 "palabra2" 4500,6280 tab 4 says "Palabra 3 de 4, libre" | P3 "palabra12" 4500,8340 tab 6 says "Palabra 4 de 4, libre"
  focus=TbPal_0
  frame=TbPal_0
  menu.Tam="&Tamaño de letra (9.75)": "&Aumentar" F2 "&Reducir" F3
  L0 L1 L2 L3
menu Progreso/Repasar fallos
  menu.Pro="&Progreso": ["&Repasar fallos"] "&Ver progreso..." "&Borrar el progreso de esta lista..."
click P0
  P0=Y "palabra19" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, seleccionada"
  frame
click D0
  D0=C "definición 16" 0,3200 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 4, columna izquierda, unida a «palabra19»"
  L0=4000,3700 4500,2410
  P0=C "palabra19" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 16»"
click P1
  P1=Y "palabra16" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, seleccionada"
click D1
  D1=C "definición 2" 0,6800 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 4, columna izquierda, unida a «palabra16»"
  L1=4000,7300 4500,4470
  P1=C "palabra16" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, unida a «definición 2»"
click P2
  P2=Y "palabra2" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, seleccionada"
click D2
  D2=C "definición 12" 8000,3200 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 4, columna derecha, unida a «palabra2»"
  L2=7500,6530 8000,3700
  P2=C "palabra2" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, unida a «definición 12»"
click P3
  P3=Y "palabra12" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, seleccionada"
click D3
  D3=C "definición 19" 8000,6800 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 4, columna derecha, unida a «palabra12»"
  L3=7500,8590 8000,7300
  P3=C "palabra12" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, unida a «definición 19»"
click Comprobar
  box Ha cometido 4 errores., "  | Glosandas
  D*=R 4000x1000 Verdana 9.75 multiline centred | D0 "definición 16" 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, unida a «palabra19», unión incorrecta" | D1 "definición 2" 0,6800 tab 3 says "Definición 2 de 4, columna izquierda, unida a «palabra16», unión incorrecta" | D2 "definición 12" 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, unida a «palabra2», unión incorrecta" | D3 "definición 19" 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, unida a «palabra12», unión incorrecta"
  L*=dashed | L0 4000,3700 4500,2410 | L1 4000,7300 4500,4470 | L2 7500,6530 8000,3700 | L3 7500,8590 8000,7300
  P*=R 3000x500 Verdana 12 | P0 "palabra19" 4500,2160 tab 0 says "Palabra 1 de 4, unida a «definición 16», unión incorrecta" | P1 "palabra16" 4500,4220 tab 2 says "Palabra 2 de 4, unida a «definición 2», unión incorrecta" | P2 "palabra2" 4500,6280 tab 4 says "Palabra 3 de 4, unida a «definición 12», unión incorrecta" | P3 "palabra12" 4500,8340 tab 6 says "Palabra 4 de 4, unida a «definición 19», unión incorrecta"
exists XDG_DATA_HOME/glosandas/progreso/progreso.sqlite
  exists XDG_DATA_HOME/glosandas/progreso/progreso.sqlite=yes
# The next screen brings back the four words missed.
click Siguiente
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "definición 2" 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, libre" | D1 "definición 19" 0,6800 tab 3 says "Definición 2 de 4, columna izquierda, libre" | D2 "definición 16" 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, libre" | D3 "definición 12" 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "palabra19" 4500,2160 tab 0 says "Palabra 1 de 4, libre" | P1 "palabra12" 4500,4220 tab 2 says "Palabra 2 de 4, libre" | P2 "palabra2" 4500,6280 tab 4 says "Palabra 3 de 4, libre" | P3 "palabra16" 4500,8340 tab 6 says "Palabra 4 de 4, libre"
  L0 L1 L2 L3
# The check just made, in the progress window's tables.
menu Progreso/Ver progreso...
  focus=Progreso/Cajas
  progreso="Progreso" Cajas: relieve 4 0 0 0 0 Fallos: palabra12 definición 12 1 definición 19 (1) | palabra16 definición 16 1 definición 2 (1) | palabra19 definición 19 1 definición 16 (1) | palabra2 definición 2 1 definición 12 (1) Dias: 0 4
key Escape
  progreso closed, focus=CbSiguiente
menu Progreso/Borrar el progreso de esta lista...
  box ¿Borrar todo el progreso de la lista "relieve"? Sus palabras volverán a salir como nuevas. No se puede deshacer. | Borrar el progreso
answer Borrar
menu Progreso/Borrar el progreso de esta lista...
  box ¿Borrar todo el progreso de la lista "relieve"? Sus palabras volverán a salir como nuevas. No se puede deshacer. | Borrar el progreso
# The progress window from the keyboard, with nothing kept yet; Escape gives the keys back.
key alt+p
  focus=
  menu.open="&Progreso" at "&Repasar fallos"
key v
  focus=Progreso/Cerrar
  progreso="Progreso" Todavía no hay progreso. Compruebe alguna pantalla para empezar.
  menu.open
key Escape
  progreso closed, focus=CbSiguiente
close
  ini="4 = n\xfamero de palabras\r\n4 = n\xfamero de glosandas \r\nTrue = marcar errores en rojo\r\nrelieve = \xfaltimo archivo utilizado\r\n9.75 = tama\xf1o de letra\r\nTrue = repasar fallos\r\n"
  focus
