# Four words and six definitions: a joined box clicked while the other column waits, a join to a
# decoy, a definition left selected at a check, F5 on what a box shows now, other keys, the
# solution twice.
list relieve 20
start
  Comprobar.at=2000,10400 2000x500
  Comprobar.caption="&COMPROBAR"
  Comprobar.flags=tab 33
  Comprobar.font=Arial Narrow 12
  Comprobar.tip="Pulse para comprobar si se han unido correctamente las palabras con su definición "
  D0.at=0,3200 4000x1000
  D0.colour=W
  D0.flags=multiline centred tab 1
  D0.font=Verdana 9.75
  D0.says="Definición 1 de 4, columna izquierda, libre"
  D0.text="definición 18"
  D1.at=0,6800 4000x1000
  D1.colour=W
  D1.flags=multiline centred tab 3
  D1.font=Verdana 9.75
  D1.says="Definición 2 de 4, columna izquierda, libre"
  D1.text="definición 6"
  D2.at=8000,3200 4000x1000
  D2.colour=W
  D2.flags=multiline centred tab 5
  D2.font=Verdana 9.75
  D2.says="Definición 3 de 4, columna derecha, libre"
  D2.text="definición 19"
  D3.at=8000,6800 4000x1000
  D3.colour=W
  D3.flags=multiline centred tab 7
  D3.font=Verdana 9.75
  D3.says="Definición 4 de 4, columna derecha, libre"
  D3.text="definición 16"
  Instruc.at=0,100 10750x500
  Instruc.colour=W
  Instruc.flags=locked multiline centred tab 32
  Instruc.font=Verdana 9.75
  Instruc.text="Una cada elemento de la columna central con uno de los laterales y pulse en Comprobar\r\n"
  P0.at=4500,2160 3000x500
  P0.colour=W
  P0.flags=tab 0
  P0.font=Verdana 12
  P0.says="Palabra 1 de 4, libre"
  P0.text="palabra19"
  P1.at=4500,4220 3000x500
  P1.colour=W
  P1.flags=tab 2
  P1.font=Verdana 12
  P1.says="Palabra 2 de 4, libre"
  P1.text="palabra6"
  P2.at=4500,6280 3000x500
  P2.colour=W
  P2.flags=tab 4
  P2.font=Verdana 12
  P2.says="Palabra 3 de 4, libre"
  P2.text="palabra16"
  P3.at=4500,8340 3000x500
  P3.colour=W
  P3.flags=tab 6
  P3.font=Verdana 12
  P3.says="Palabra 4 de 4, libre"
  P3.text="palabra18"
  Siguiente.at=5000,10400 2000x500
  Siguiente.caption="&Siguiente"
  Siguiente.flags=tab 34
  Siguiente.font=Arial Narrow 12
  Siguiente.tip="Pulse para que se muestre una nueva pantalla de palabras y glosandas"
  Tam0.at=10750,100 500x500
  Tam0.colour=W
  Tam0.flags=locked centred tab 36
  Tam0.font=Verdana 9.75
  Tam0.text="+"
  Tam0.tip="Aumentar tamaño de la letrad de las glosandas"
  Tam1.at=11250,100 500x500
  Tam1.colour=W
  Tam1.flags=locked centred tab 37
  Tam1.font=Verdana 9.75
  Tam1.text="-"
  Tam1.tip="Reducir tamaño de la letra de las glosandas"
  Ver.at=8000,10400 2000x500
  Ver.caption="&Ver solución"
  Ver.flags=tab 35
  Ver.font=Arial Narrow 12
  Ver.tip="Pulse para ver  la forma correcta de unir cada palabra con su definición"
  focus=TbPal_0
  frame=TbPal_0
  menu.Ace="&Acerca de glosandas..."
  menu.Arc="&Archivo de glosandas"
  menu.Arc.0="relieve" checked
  menu.Def="Nú&mero de glosandas"
  menu.Def.0="&1" disabled
  menu.Def.1="&2" disabled
  menu.Def.2="&3" disabled
  menu.Def.3="&4" checked
  menu.Def.4="&5"
  menu.Def.5="&6"
  menu.Def.6="&7"
  menu.Def.7="&8"
  menu.Def.8="&9"
  menu.Def.9="&10"
  menu.Mar="&Marcar errores" checked
  menu.Opc="&Opciones"
  menu.Pal="&Número de palabras"
  menu.Pal.0="&1"
  menu.Pal.1="&2"
  menu.Pal.2="&3"
  menu.Pal.3="&4" checked
  menu.Pal.4="&5"
  menu.Pal.5="&6"
  menu.Pal.6="&7"
  menu.Pal.7="&8"
  menu.Pal.8="&9"
  menu.Pal.9="&10"
  menu.Sal="&Salir Alt - F4"
  menu.Tam="&Tamaño de letra (10)"
  menu.Tam.0="&Aumentar" F2
  menu.Tam.1="&Reducir" F3
menu Opciones/Número de glosandas/6
  D0.at=0,2300 4000x1000
  D0.says="Definición 1 de 6, columna izquierda, libre"
  D0.text="definición 3"
  D1.at=0,5000 4000x1000
  D1.says="Definición 2 de 6, columna izquierda, libre"
  D1.text="definición 10"
  D2.at=0,7700 4000x1000
  D2.says="Definición 3 de 6, columna izquierda, libre"
  D2.text="definición 14"
  D3.at=8000,2300 4000x1000
  D3.says="Definición 4 de 6, columna derecha, libre"
  D3.text="definición 13"
  D4.at=8000,5000 4000x1000
  D4.colour=W
  D4.flags=multiline centred tab 9
  D4.font=Verdana 9.75
  D4.says="Definición 5 de 6, columna derecha, libre"
  D4.text="definición 4"
  D5.at=8000,7700 4000x1000
  D5.colour=W
  D5.flags=multiline centred tab 11
  D5.font=Verdana 9.75
  D5.says="Definición 6 de 6, columna derecha, libre"
  D5.text="definición 12"
  P0.text="palabra10"
  P1.text="palabra13"
  P2.text="palabra14"
  P3.text="palabra3"
  menu.Def.3="&4"
  menu.Def.5="&6" checked
click P0
  P0.colour=Y
  P0.says="Palabra 1 de 4, seleccionada"
  frame
click D1
  D1.colour=C
  D1.says="Definición 2 de 6, columna izquierda, unida a «palabra10»"
  L0=4000,5500 4500,2410
  P0.colour=C
  P0.says="Palabra 1 de 4, unida a «definición 10»"
  focus=TbDef_1
click D0
  D0.colour=Y
  D0.says="Definición 1 de 6, columna izquierda, seleccionada"
  focus=TbDef_0
click P0
  D0.colour=C
  D0.says="Definición 1 de 6, columna izquierda, unida a «palabra10»"
  D1.colour=W
  D1.says="Definición 2 de 6, columna izquierda, libre"
  L0=4000,2800 4500,2410
  P0.says="Palabra 1 de 4, unida a «definición 3»"
  focus=TbPal_0
click P1
  P1.colour=Y
  P1.says="Palabra 2 de 4, seleccionada"
  focus=TbPal_1
click D0
  D0.says="Definición 1 de 6, columna izquierda, unida a «palabra13»"
  L0=4000,2800 4500,4470
  P0.colour=W
  P0.says="Palabra 1 de 4, libre"
  P1.colour=C
  P1.says="Palabra 2 de 4, unida a «definición 3»"
  focus=TbDef_0
click P0
  P0.colour=Y
  P0.says="Palabra 1 de 4, seleccionada"
  focus=TbPal_0
click D4
  D4.colour=C
  D4.says="Definición 5 de 6, columna derecha, unida a «palabra10»"
  L1=7500,2410 8000,5500
  P0.colour=C
  P0.says="Palabra 1 de 4, unida a «definición 4»"
  focus=TbDef_4
click P2
  P2.colour=Y
  P2.says="Palabra 3 de 4, seleccionada"
  focus=TbPal_2
click D2
  D2.colour=C
  D2.says="Definición 3 de 6, columna izquierda, unida a «palabra14»"
  L2=4000,8200 4500,6530
  P2.colour=C
  P2.says="Palabra 3 de 4, unida a «definición 14»"
  focus=TbDef_2
click P3
  P3.colour=Y
  P3.says="Palabra 4 de 4, seleccionada"
  focus=TbPal_3
click D5
  D5.colour=C
  D5.says="Definición 6 de 6, columna derecha, unida a «palabra3»"
  L3=7500,8590 8000,8200
  P3.colour=C
  P3.says="Palabra 4 de 4, unida a «definición 12»"
  focus=TbDef_5
click D3
  D3.colour=Y
  D3.says="Definición 4 de 6, columna derecha, seleccionada"
  focus=TbDef_3
click Comprobar
  box Ha cometido 3 errores., "  | Glosandas
  D0.colour=R
  D0.says="Definición 1 de 6, columna izquierda, unida a «palabra13», unión incorrecta"
  D4.colour=R
  D4.says="Definición 5 de 6, columna derecha, unida a «palabra10», unión incorrecta"
  D5.colour=R
  D5.says="Definición 6 de 6, columna derecha, unida a «palabra3», unión incorrecta"
  P0.colour=R
  P0.says="Palabra 1 de 4, unida a «definición 4», unión incorrecta"
  P1.colour=R
  P1.says="Palabra 2 de 4, unida a «definición 3», unión incorrecta"
  P3.colour=R
  P3.says="Palabra 4 de 4, unida a «definición 12», unión incorrecta"
  focus=CbComprobar
click D1
  D1.colour=Y
  D1.says="Definición 2 de 6, columna izquierda, seleccionada"
  D3.colour=W
  D3.says="Definición 4 de 6, columna derecha, libre"
  focus=TbDef_1
type tecleado
  D1.text="definición 10tecleado"
click P0
  D1.colour=C
  D1.says="Definición 2 de 6, columna izquierda, unida a «palabra10»"
  D4.colour=W
  D4.says="Definición 5 de 6, columna derecha, libre"
  L1=4000,5500 4500,2410
  P0.colour=C
  P0.says="Palabra 1 de 4, unida a «definición 10tecleado»"
  focus=TbPal_0
key F5
  box Unido a definición 10tecleado | Glosandas 
key shift+F5
  box Unido a definición 10tecleado | Glosandas 
key A
  D1.says="Definición 2 de 6, columna izquierda, unida a «palabra10a»"
  P0.text="palabra10a"
click Ver
  D0.colour=C
  D0.says="Definición 1 de 6, columna izquierda, unida a «palabra3»"
  D3.colour=C
  D3.says="Definición 4 de 6, columna derecha, unida a «palabra13»"
  D5.colour=W
  D5.says="Definición 6 de 6, columna derecha, libre"
  L0=4000,2800 4500,8590
  L2=7500,4470 8000,2800
  L3=4000,8200 4500,6530
  P1.colour=C
  P1.says="Palabra 2 de 4, unida a «definición 13»"
  P3.colour=C
  P3.says="Palabra 4 de 4, unida a «definición 3»"
  focus=CbVer
click Ver
click Comprobar
  box Correcto | Comprobar
  focus=CbComprobar
