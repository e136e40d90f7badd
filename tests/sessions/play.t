# The window as designed and a screen played with the mouse: a selection taken back and one
# moved, joins in both orders, a join broken and made again on its line, F5, a check refused, a
# check with two wrong joins marked red, the marking switched off, the solution, a new screen; the
# settings at close.
list relieve 20
start
click P0
  P0=Y "palabra19" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, seleccionada"
  frame
click P0
  P0=W "palabra19" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, libre"
click D2
  D2=Y "definición 19" 8000,3200 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 4, columna derecha, seleccionada"
click P0
  D2=C "definición 19" 8000,3200 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 4, columna derecha, unida a «palabra19»"
  L0=7500,2410 8000,3700
  P0=C "palabra19" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 19»"
key F5
  box Unido a definición 19 | Glosandas 
click P1
  P1=Y "palabra6" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, seleccionada"
click D0
  D0=C "definición 18" 0,3200 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 4, columna izquierda, unida a «palabra6»"
  L1=4000,3700 4500,4470
  P1=C "palabra6" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, unida a «definición 18»"
click P2
  P2=Y "palabra16" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, seleccionada"
click P3
  P2=W "palabra16" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, libre"
  P3=Y "palabra18" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, seleccionada"
click D3
  D3=C "definición 16" 8000,6800 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 4, columna derecha, unida a «palabra18»"
  L2=7500,8590 8000,7300
  P3=C "palabra18" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, unida a «definición 16»"
click P1
  D0=W "definición 18" 0,3200 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 4, columna izquierda, libre"
  P1=Y "palabra6" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, seleccionada"
  L1
click D1
  D1=C "definición 6" 0,6800 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 4, columna izquierda, unida a «palabra6»"
  L1=4000,7300 4500,4470
  P1=C "palabra6" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, unida a «definición 6»"
key F5
  box Unido a palabra6 | Glosandas 
click Comprobar
  box Debe unir cada elemento de la columna central con uno de las columnas laterales para poder comprobar qué uniones están bien realizadas. | Comprobar
click P2
  P2=Y "palabra16" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, seleccionada"
click D0
  D0=C "definición 18" 0,3200 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 4, columna izquierda, unida a «palabra16»"
  L3=4000,3700 4500,6530
  P2=C "palabra16" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, unida a «definición 18»"
click Comprobar
  box Ha cometido 2 errores., "  | Glosandas
  D0=R "definición 18" 0,3200 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 4, columna izquierda, unida a «palabra16», unión incorrecta"
  D3=R "definición 16" 8000,6800 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 4, columna derecha, unida a «palabra18», unión incorrecta"
  L2=7500,8590 8000,7300 dashed
  L3=4000,3700 4500,6530 dashed
  P2=R "palabra16" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, unida a «definición 18», unión incorrecta"
  P3=R "palabra18" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, unida a «definición 16», unión incorrecta"
click D3
  D3=Y "definición 16" 8000,6800 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 4, columna derecha, seleccionada"
  P3=W "palabra18" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, libre"
  L2
key F5
  box No está unido a otro elemento | Glosandas
menu Opciones/Marcar errores
  menu.Mar="&Marcar errores"
click P3
  D3=C "definición 16" 8000,6800 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 4, columna derecha, unida a «palabra18»"
  L2=7500,8590 8000,7300
  P3=C "palabra18" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, unida a «definición 16»"
click Comprobar
  box Ha cometido 2 errores., "  | Glosandas
click Ver
  D0=C "definición 18" 0,3200 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 4, columna izquierda, unida a «palabra18»"
  D3=C "definición 16" 8000,6800 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 4, columna derecha, unida a «palabra16»"
  L*= | L0 4000,7300 4500,4470 | L1 7500,6530 8000,7300 | L2 4000,3700 4500,8590 | L3 7500,2410 8000,3700
  P2=C "palabra16" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, unida a «definición 16»"
  P3=C "palabra18" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, unida a «definición 18»"
click Comprobar
  box Correcto | Comprobar
click Siguiente
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "definición 3" 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, libre" | D1 "definición 10" 0,6800 tab 3 says "Definición 2 de 4, columna izquierda, libre" | D2 "definición 14" 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, libre" | D3 "definición 13" 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "palabra10" 4500,2160 tab 0 says "Palabra 1 de 4, libre" | P1 "palabra13" 4500,4220 tab 2 says "Palabra 2 de 4, libre" | P2 "palabra14" 4500,6280 tab 4 says "Palabra 3 de 4, libre" | P3 "palabra3" 4500,8340 tab 6 says "Palabra 4 de 4, libre"
  L0 L1 L2 L3
# Restored, the window moves only its buttons and the next screen spreads over the height it
# has; maximised again, only the buttons move back.
resize 640x480
  Comprobar="&COMPROBAR" 2000,5660 2000x500 Arial Narrow 12 tab 33 tip "Pulse para comprobar si se han unido correctamente las palabras con su definición "
  Siguiente="&Siguiente" 5000,5660 2000x500 Arial Narrow 12 tab 34 tip "Pulse para que se muestre una nueva pantalla de palabras y glosandas"
  Ver="&Ver solución" 8000,5660 2000x500 Arial Narrow 12 tab 35 tip "Pulse para ver  la forma correcta de unir cada palabra con su definición"
click Siguiente
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "definición 8" 0,1620 tab 1 says "Definición 1 de 4, columna izquierda, libre" | D1 "definición 6" 0,3640 tab 3 says "Definición 2 de 4, columna izquierda, libre" | D2 "definición 12" 8000,1620 tab 5 says "Definición 3 de 4, columna derecha, libre" | D3 "definición 7" 8000,3640 tab 7 says "Definición 4 de 4, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "palabra6" 4500,1212 tab 0 says "Palabra 1 de 4, libre" | P1 "palabra12" 4500,2324 tab 2 says "Palabra 2 de 4, libre" | P2 "palabra7" 4500,3436 tab 4 says "Palabra 3 de 4, libre" | P3 "palabra8" 4500,4548 tab 6 says "Palabra 4 de 4, libre"
maximize
  Comprobar="&COMPROBAR" 2000,10400 2000x500 Arial Narrow 12 tab 33 tip "Pulse para comprobar si se han unido correctamente las palabras con su definición "
  Siguiente="&Siguiente" 5000,10400 2000x500 Arial Narrow 12 tab 34 tip "Pulse para que se muestre una nueva pantalla de palabras y glosandas"
  Ver="&Ver solución" 8000,10400 2000x500 Arial Narrow 12 tab 35 tip "Pulse para ver  la forma correcta de unir cada palabra con su definición"
close
  ini="4 = n\xfamero de palabras\r\n4 = n\xfamero de glosandas \r\nFalse = marcar errores en rojo\r\nrelieve = \xfaltimo archivo utilizado\r\n9.75 = tama\xf1o de letra\r\nFalse = repasar fallos\r\n"
  focus
# Four words and six definitions: a joined box clicked while the other column waits, a join to a
# decoy, a definition left selected at a check, F5 on what a box shows now, other keys, the
# solution twice.
remove glosandas.ini
start
menu Opciones/Número de glosandas/6
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "definición 3" 0,2300 tab 1 says "Definición 1 de 6, columna izquierda, libre" | D1 "definición 10" 0,5000 tab 3 says "Definición 2 de 6, columna izquierda, libre" | D2 "definición 14" 0,7700 tab 5 says "Definición 3 de 6, columna izquierda, libre" | D3 "definición 13" 8000,2300 tab 7 says "Definición 4 de 6, columna derecha, libre" | D4 "definición 4" 8000,5000 tab 9 says "Definición 5 de 6, columna derecha, libre" | D5 "definición 12" 8000,7700 tab 11 says "Definición 6 de 6, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "palabra10" 4500,2160 tab 0 says "Palabra 1 de 4, libre" | P1 "palabra13" 4500,4220 tab 2 says "Palabra 2 de 4, libre" | P2 "palabra14" 4500,6280 tab 4 says "Palabra 3 de 4, libre" | P3 "palabra3" 4500,8340 tab 6 says "Palabra 4 de 4, libre"
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") ("&3") "&4" "&5" ["&6"] "&7" "&8" "&9" "&10"
click P0
  P0=Y "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, seleccionada"
  frame
click D1
  D1=C "definición 10" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, unida a «palabra10»"
  L0=4000,5500 4500,2410
  P0=C "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 10»"
click D0
  D0=Y "definición 3" 0,2300 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 6, columna izquierda, seleccionada"
click P0
  D0=C "definición 3" 0,2300 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 6, columna izquierda, unida a «palabra10»"
  D1=W "definición 10" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, libre"
  L0=4000,2800 4500,2410
  P0=C "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 3»"
click P1
  P1=Y "palabra13" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, seleccionada"
click D0
  D0=C "definición 3" 0,2300 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 6, columna izquierda, unida a «palabra13»"
  L0=4000,2800 4500,4470
  P0=W "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, libre"
  P1=C "palabra13" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, unida a «definición 3»"
click P0
  P0=Y "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, seleccionada"
click D4
  D4=C "definición 4" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 9 says "Definición 5 de 6, columna derecha, unida a «palabra10»"
  L1=7500,2410 8000,5500
  P0=C "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 4»"
click P2
  P2=Y "palabra14" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, seleccionada"
click D2
  D2=C "definición 14" 0,7700 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 6, columna izquierda, unida a «palabra14»"
  L2=4000,8200 4500,6530
  P2=C "palabra14" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, unida a «definición 14»"
click P3
  P3=Y "palabra3" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, seleccionada"
click D5
  D5=C "definición 12" 8000,7700 4000x1000 Verdana 9.75 multiline centred tab 11 says "Definición 6 de 6, columna derecha, unida a «palabra3»"
  L3=7500,8590 8000,8200
  P3=C "palabra3" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, unida a «definición 12»"
click D3
  D3=Y "definición 13" 8000,2300 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 6, columna derecha, seleccionada"
click Comprobar
  box Ha cometido 3 errores., "  | Glosandas
  D*=R 4000x1000 Verdana 9.75 multiline centred | D0 "definición 3" 0,2300 tab 1 says "Definición 1 de 6, columna izquierda, unida a «palabra13», unión incorrecta" | D4 "definición 4" 8000,5000 tab 9 says "Definición 5 de 6, columna derecha, unida a «palabra10», unión incorrecta" | D5 "definición 12" 8000,7700 tab 11 says "Definición 6 de 6, columna derecha, unida a «palabra3», unión incorrecta"
  L*=dashed | L0 4000,2800 4500,4470 | L1 7500,2410 8000,5500 | L3 7500,8590 8000,8200
  P*=R 3000x500 Verdana 12 | P0 "palabra10" 4500,2160 tab 0 says "Palabra 1 de 4, unida a «definición 4», unión incorrecta" | P1 "palabra13" 4500,4220 tab 2 says "Palabra 2 de 4, unida a «definición 3», unión incorrecta" | P3 "palabra3" 4500,8340 tab 6 says "Palabra 4 de 4, unida a «definición 12», unión incorrecta"
click D1
  D1=Y "definición 10" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, seleccionada"
  D3=W "definición 13" 8000,2300 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 6, columna derecha, libre"
type tecleado
  D1=Y "definición 10tecleado" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, seleccionada"
click P0
  D1=C "definición 10tecleado" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, unida a «palabra10»"
  D4=W "definición 4" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 9 says "Definición 5 de 6, columna derecha, libre"
  L1=4000,5500 4500,2410
  P0=C "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 10tecleado»"
key F5
  box Unido a definición 10tecleado | Glosandas 
key shift+F5
  box Unido a definición 10tecleado | Glosandas 
key A
  D1=C "definición 10tecleado" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, unida a «palabra10a»"
  P0=C "palabra10a" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 10tecleado»"
click Ver
  D*=4000x1000 Verdana 9.75 multiline centred | D0 C "definición 3" 0,2300 tab 1 says "Definición 1 de 6, columna izquierda, unida a «palabra3»" | D3 C "definición 13" 8000,2300 tab 7 says "Definición 4 de 6, columna derecha, unida a «palabra13»" | D5 W "definición 12" 8000,7700 tab 11 says "Definición 6 de 6, columna derecha, libre"
  L*= | L0 4000,2800 4500,8590 | L2 7500,4470 8000,2800 | L3 4000,8200 4500,6530
  P1=C "palabra13" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, unida a «definición 13»"
  P3=C "palabra3" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, unida a «definición 3»"
click Ver
click Comprobar
  box Correcto | Comprobar
# The keyboard alone: the Tab chain, framed at every stop and at the start; Return clicks a box,
# Alt+C checks, Shift+Return is a line break in a definition; in the open menu a letter two items
# share moves between them and Return chooses. A screen reader's own command presses a box.
close
  ini="4 = n\xfamero de palabras\r\n6 = n\xfamero de glosandas \r\nTrue = marcar errores en rojo\r\nrelieve = \xfaltimo archivo utilizado\r\n9.75 = tama\xf1o de letra\r\nFalse = repasar fallos\r\n"
  focus
remove glosandas.ini
start
tabs 14
  stops TbDef_0, TbPal_1, TbDef_1, TbPal_2, TbDef_2, TbPal_3, TbDef_3, TbInstruc, CbComprobar, CbSiguiente, CbVer, TbTam_0, TbTam_1, TbPal_0
key Return
  P0=Y "palabra19" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, seleccionada"
key Tab
  focus=TbDef_0
  frame=TbDef_0
key Return
  D0=C "definición 18" 0,3200 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 4, columna izquierda, unida a «palabra19»"
  L0=4000,3700 4500,2410
  P0=C "palabra19" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 18»"
key alt+c
  box Debe unir cada elemento de la columna central con uno de las columnas laterales para poder comprobar qué uniones están bien realizadas. | Comprobar
key shift+Return
  D0=C "\ndefinición 18" 0,3200 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 4, columna izquierda, unida a «palabra19»"
  P0=C "palabra19" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «\ndefinición 18»"
key alt+o
  focus=
  menu.open="&Opciones" at "&Número de palabras"
  frame
key a
  menu.open="&Opciones" at "&Archivo de glosandas"
key a
  menu.open="&Opciones" at "&Acerca de glosandas..."
key Return
  box Glosandas, hecho por el equipo de Glosandas para aprender vocabulario.\r\nDiciembre de 2026 | Acerca de glosandas
  focus=TbDef_0
  menu.open
key alt+o
  focus=
  menu.open="&Opciones" at "&Número de palabras"
key m
  menu.open="&Opciones" at "Nú&mero de glosandas"
key m
  menu.open="&Opciones" at "&Marcar errores"
key Return
  focus=TbDef_0
  menu.Mar="&Marcar errores"
  menu.open
key alt+o
  focus=
  menu.open="&Opciones" at "&Número de palabras"
key n
  menu.open="&Número de palabras" at "&1"
key 1
  menu.open="&Número de palabras" at "&10"
key 1
  menu.open="&Número de palabras" at "&1"
key Return
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "definición 10" 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, libre" | D1 "definición 13" 0,6800 tab 3 says "Definición 2 de 4, columna izquierda, libre" | D2 "definición 14" 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, libre" | D3 "definición 7" 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, libre"
  P0=W "palabra10" 4500,5250 3000x500 Verdana 12 tab 0 says "Palabra 1 de 1, libre"
  focus=TbDef_0
  menu.Def="Nú&mero de glosandas": "&1" "&2" "&3" ["&4"] "&5" "&6" "&7" "&8" "&9" "&10"
  menu.Pal="&Número de palabras": ["&1"] "&2" "&3" "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  L0 P1 P2 P3 menu.open
press P0
  P0=Y "palabra10" 4500,5250 3000x500 Verdana 12 tab 0 says "Palabra 1 de 1, seleccionada"
press D1
  D1=C "definición 13" 0,6800 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 4, columna izquierda, unida a «palabra10»"
  L0=4000,7300 4500,5500
  P0=C "palabra10" 4500,5250 3000x500 Verdana 12 tab 0 says "Palabra 1 de 1, unida a «definición 13»"
signal key F5
  box No está unido a otro elemento | Glosandas
  ini="1 = n\xfamero de palabras\r\n4 = n\xfamero de glosandas \r\nFalse = marcar errores en rojo\r\nrelieve = \xfaltimo archivo utilizado\r\n9.75 = tama\xf1o de letra\r\nFalse = repasar fallos\r\n"
  focus
