# The keyboard alone: the Tab chain, framed at every stop and at the start; Return clicks a box,
# Alt+C checks, Shift+Return is a line break in a definition; in the open menu a letter two items
# share moves between them and Return chooses. A screen reader's own command presses a box.
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
key Tab
  focus=TbDef_0
  frame=TbDef_0
key Tab
  focus=TbPal_1
  frame=TbPal_1
key Tab
  focus=TbDef_1
  frame=TbDef_1
key Tab
  focus=TbPal_2
  frame=TbPal_2
key Tab
  focus=TbDef_2
  frame=TbDef_2
key Tab
  focus=TbPal_3
  frame=TbPal_3
key Tab
  focus=TbDef_3
  frame=TbDef_3
key Tab
  focus=TbInstruc
  frame=TbInstruc
key Tab
  focus=CbComprobar
  frame=CbComprobar
key Tab
  focus=CbSiguiente
  frame=CbSiguiente
key Tab
  focus=CbVer
  frame=CbVer
key Tab
  focus=TbTam_0
  frame=TbTam_0
key Tab
  focus=TbTam_1
  frame=TbTam_1
key Tab
  focus=TbPal_0
  frame=TbPal_0
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
  D0=W "definición 10" 0,3200 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 4, columna izquierda, libre"
  D1=W "definición 13" 0,6800 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 4, columna izquierda, libre"
  D2=W "definición 14" 8000,3200 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 4, columna derecha, libre"
  D3=W "definición 7" 8000,6800 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 4, columna derecha, libre"
  P0=W "palabra10" 4500,5250 3000x500 Verdana 12 tab 0 says "Palabra 1 de 1, libre"
  focus=TbDef_0
  menu.Def="Nú&mero de glosandas": "&1" "&2" "&3" ["&4"] "&5" "&6" "&7" "&8" "&9" "&10"
  menu.Pal="&Número de palabras": ["&1"] "&2" "&3" "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  L0
  P1
  P2
  P3
  menu.open
press P0
  P0=Y "palabra10" 4500,5250 3000x500 Verdana 12 tab 0 says "Palabra 1 de 1, seleccionada"
press D1
  D1=C "definición 13" 0,6800 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 4, columna izquierda, unida a «palabra10»"
  L0=4000,7300 4500,5500
  P0=C "palabra10" 4500,5250 3000x500 Verdana 12 tab 0 says "Palabra 1 de 1, unida a «definición 13»"
