# Four words and six definitions: a joined box clicked while the other column waits, a join to a
# decoy, a definition left selected at a check, F5 on what a box shows now, other keys, the
# solution twice.
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
menu Opciones/Número de glosandas/6
  D0=W "definición 3" 0,2300 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 6, columna izquierda, libre"
  D1=W "definición 10" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, libre"
  D2=W "definición 14" 0,7700 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 6, columna izquierda, libre"
  D3=W "definición 13" 8000,2300 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 6, columna derecha, libre"
  D4=W "definición 4" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 9 says "Definición 5 de 6, columna derecha, libre"
  D5=W "definición 12" 8000,7700 4000x1000 Verdana 9.75 multiline centred tab 11 says "Definición 6 de 6, columna derecha, libre"
  P0=W "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, libre"
  P1=W "palabra13" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, libre"
  P2=W "palabra14" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, libre"
  P3=W "palabra3" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, libre"
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") ("&3") "&4" "&5" ["&6"] "&7" "&8" "&9" "&10"
click P0
  P0=Y "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, seleccionada"
  frame
click D1
  D1=C "definición 10" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, unida a «palabra10»"
  L0=4000,5500 4500,2410
  P0=C "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 10»"
  focus=TbDef_1
click D0
  D0=Y "definición 3" 0,2300 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 6, columna izquierda, seleccionada"
  focus=TbDef_0
click P0
  D0=C "definición 3" 0,2300 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 6, columna izquierda, unida a «palabra10»"
  D1=W "definición 10" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, libre"
  L0=4000,2800 4500,2410
  P0=C "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 3»"
  focus=TbPal_0
click P1
  P1=Y "palabra13" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, seleccionada"
  focus=TbPal_1
click D0
  D0=C "definición 3" 0,2300 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 6, columna izquierda, unida a «palabra13»"
  L0=4000,2800 4500,4470
  P0=W "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, libre"
  P1=C "palabra13" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, unida a «definición 3»"
  focus=TbDef_0
click P0
  P0=Y "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, seleccionada"
  focus=TbPal_0
click D4
  D4=C "definición 4" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 9 says "Definición 5 de 6, columna derecha, unida a «palabra10»"
  L1=7500,2410 8000,5500
  P0=C "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 4»"
  focus=TbDef_4
click P2
  P2=Y "palabra14" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, seleccionada"
  focus=TbPal_2
click D2
  D2=C "definición 14" 0,7700 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 6, columna izquierda, unida a «palabra14»"
  L2=4000,8200 4500,6530
  P2=C "palabra14" 4500,6280 3000x500 Verdana 12 tab 4 says "Palabra 3 de 4, unida a «definición 14»"
  focus=TbDef_2
click P3
  P3=Y "palabra3" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, seleccionada"
  focus=TbPal_3
click D5
  D5=C "definición 12" 8000,7700 4000x1000 Verdana 9.75 multiline centred tab 11 says "Definición 6 de 6, columna derecha, unida a «palabra3»"
  L3=7500,8590 8000,8200
  P3=C "palabra3" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, unida a «definición 12»"
  focus=TbDef_5
click D3
  D3=Y "definición 13" 8000,2300 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 6, columna derecha, seleccionada"
  focus=TbDef_3
click Comprobar
  box Ha cometido 3 errores., "  | Glosandas
  D0=R "definición 3" 0,2300 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 6, columna izquierda, unida a «palabra13», unión incorrecta"
  D4=R "definición 4" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 9 says "Definición 5 de 6, columna derecha, unida a «palabra10», unión incorrecta"
  D5=R "definición 12" 8000,7700 4000x1000 Verdana 9.75 multiline centred tab 11 says "Definición 6 de 6, columna derecha, unida a «palabra3», unión incorrecta"
  P0=R "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 4», unión incorrecta"
  P1=R "palabra13" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, unida a «definición 3», unión incorrecta"
  P3=R "palabra3" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, unida a «definición 12», unión incorrecta"
  focus=CbComprobar
click D1
  D1=Y "definición 10" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, seleccionada"
  D3=W "definición 13" 8000,2300 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 6, columna derecha, libre"
  focus=TbDef_1
type tecleado
  D1=Y "definición 10tecleado" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, seleccionada"
click P0
  D1=C "definición 10tecleado" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, unida a «palabra10»"
  D4=W "definición 4" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 9 says "Definición 5 de 6, columna derecha, libre"
  L1=4000,5500 4500,2410
  P0=C "palabra10" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 10tecleado»"
  focus=TbPal_0
key F5
  box Unido a definición 10tecleado | Glosandas 
key shift+F5
  box Unido a definición 10tecleado | Glosandas 
key A
  D1=C "definición 10tecleado" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, unida a «palabra10a»"
  P0=C "palabra10a" 4500,2160 3000x500 Verdana 12 tab 0 says "Palabra 1 de 4, unida a «definición 10tecleado»"
click Ver
  D0=C "definición 3" 0,2300 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 6, columna izquierda, unida a «palabra3»"
  D3=C "definición 13" 8000,2300 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 6, columna derecha, unida a «palabra13»"
  D5=W "definición 12" 8000,7700 4000x1000 Verdana 9.75 multiline centred tab 11 says "Definición 6 de 6, columna derecha, libre"
  L0=4000,2800 4500,8590
  L2=7500,4470 8000,2800
  L3=4000,8200 4500,6530
  P1=C "palabra13" 4500,4220 3000x500 Verdana 12 tab 2 says "Palabra 2 de 4, unida a «definición 13»"
  P3=C "palabra3" 4500,8340 3000x500 Verdana 12 tab 6 says "Palabra 4 de 4, unida a «definición 3»"
  focus=CbVer
click Ver
click Comprobar
  box Correcto | Comprobar
  focus=CbComprobar
