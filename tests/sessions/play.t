# The window as designed and a screen played with the mouse: a selection taken back and one
# moved, joins in both orders, a join broken and made again on its line, F5, a check refused, a
# check with two wrong joins marked red, the marking switched off, the solution, a new screen; the
# settings at close.
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
click P0
  P0.colour=Y
  P0.says="Palabra 1 de 4, seleccionada"
  frame
click P0
  P0.colour=W
  P0.says="Palabra 1 de 4, libre"
click D2
  D2.colour=Y
  D2.says="Definición 3 de 4, columna derecha, seleccionada"
  focus=TbDef_2
click P0
  D2.colour=C
  D2.says="Definición 3 de 4, columna derecha, unida a «palabra19»"
  L0=7500,2410 8000,3700
  P0.colour=C
  P0.says="Palabra 1 de 4, unida a «definición 19»"
  focus=TbPal_0
click P1
  P1.colour=Y
  P1.says="Palabra 2 de 4, seleccionada"
  focus=TbPal_1
click D0
  D0.colour=C
  D0.says="Definición 1 de 4, columna izquierda, unida a «palabra6»"
  L1=4000,3700 4500,4470
  P1.colour=C
  P1.says="Palabra 2 de 4, unida a «definición 18»"
  focus=TbDef_0
click P2
  P2.colour=Y
  P2.says="Palabra 3 de 4, seleccionada"
  focus=TbPal_2
click P3
  P2.colour=W
  P2.says="Palabra 3 de 4, libre"
  P3.colour=Y
  P3.says="Palabra 4 de 4, seleccionada"
  focus=TbPal_3
click D3
  D3.colour=C
  D3.says="Definición 4 de 4, columna derecha, unida a «palabra18»"
  L2=7500,8590 8000,7300
  P3.colour=C
  P3.says="Palabra 4 de 4, unida a «definición 16»"
  focus=TbDef_3
click P1
  D0.colour=W
  D0.says="Definición 1 de 4, columna izquierda, libre"
  P1.colour=Y
  P1.says="Palabra 2 de 4, seleccionada"
  focus=TbPal_1
  L1
click D1
  D1.colour=C
  D1.says="Definición 2 de 4, columna izquierda, unida a «palabra6»"
  L1=4000,7300 4500,4470
  P1.colour=C
  P1.says="Palabra 2 de 4, unida a «definición 6»"
  focus=TbDef_1
key F5
  box Unido a palabra6 | Glosandas 
click Comprobar
  box Debe unir cada elemento de la columna central con uno de las columnas laterales para poder comprobar qué uniones están bien realizadas. | Comprobar
  focus=CbComprobar
click P2
  P2.colour=Y
  P2.says="Palabra 3 de 4, seleccionada"
  focus=TbPal_2
click D0
  D0.colour=C
  D0.says="Definición 1 de 4, columna izquierda, unida a «palabra16»"
  L3=4000,3700 4500,6530
  P2.colour=C
  P2.says="Palabra 3 de 4, unida a «definición 18»"
  focus=TbDef_0
click Comprobar
  box Ha cometido 2 errores., "  | Glosandas
  D0.colour=R
  D0.says="Definición 1 de 4, columna izquierda, unida a «palabra16», unión incorrecta"
  D3.colour=R
  D3.says="Definición 4 de 4, columna derecha, unida a «palabra18», unión incorrecta"
  P2.colour=R
  P2.says="Palabra 3 de 4, unida a «definición 18», unión incorrecta"
  P3.colour=R
  P3.says="Palabra 4 de 4, unida a «definición 16», unión incorrecta"
  focus=CbComprobar
click D3
  D3.colour=Y
  D3.says="Definición 4 de 4, columna derecha, seleccionada"
  P3.colour=W
  P3.says="Palabra 4 de 4, libre"
  focus=TbDef_3
  L2
key F5
  box No está unido a otro elemento | Glosandas
menu Opciones/Marcar errores
  menu.Mar="&Marcar errores"
click P3
  D3.colour=C
  D3.says="Definición 4 de 4, columna derecha, unida a «palabra18»"
  L2=7500,8590 8000,7300
  P3.colour=C
  P3.says="Palabra 4 de 4, unida a «definición 16»"
  focus=TbPal_3
click Comprobar
  box Ha cometido 2 errores., "  | Glosandas
  focus=CbComprobar
click Ver
  D0.colour=C
  D0.says="Definición 1 de 4, columna izquierda, unida a «palabra18»"
  D3.says="Definición 4 de 4, columna derecha, unida a «palabra16»"
  L0=4000,7300 4500,4470
  L1=7500,6530 8000,7300
  L2=4000,3700 4500,8590
  L3=7500,2410 8000,3700
  P2.colour=C
  P2.says="Palabra 3 de 4, unida a «definición 16»"
  P3.says="Palabra 4 de 4, unida a «definición 18»"
  focus=CbVer
click Comprobar
  box Correcto | Comprobar
  focus=CbComprobar
click Siguiente
  D0.colour=W
  D0.says="Definición 1 de 4, columna izquierda, libre"
  D0.text="definición 3"
  D1.colour=W
  D1.says="Definición 2 de 4, columna izquierda, libre"
  D1.text="definición 10"
  D2.colour=W
  D2.says="Definición 3 de 4, columna derecha, libre"
  D2.text="definición 14"
  D3.colour=W
  D3.says="Definición 4 de 4, columna derecha, libre"
  D3.text="definición 13"
  P0.colour=W
  P0.says="Palabra 1 de 4, libre"
  P0.text="palabra10"
  P1.colour=W
  P1.says="Palabra 2 de 4, libre"
  P1.text="palabra13"
  P2.colour=W
  P2.says="Palabra 3 de 4, libre"
  P2.text="palabra14"
  P3.colour=W
  P3.says="Palabra 4 de 4, libre"
  P3.text="palabra3"
  focus=CbSiguiente
  L0
  L1
  L2
  L3
close
  ini="4 = n\xfamero de palabras\r\n4 = n\xfamero de glosandas \r\nFalse = marcar errores en rojo\r\nrelieve = \xfaltimo archivo utilizado\r\n9.75 = tama\xf1o de letra\r\n"
  focus
