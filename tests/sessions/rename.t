# A list of one's own saved under a new name asks whether to rename it or to keep both; a shipped
# list is only ever copied. Every dialog hands the keyboard back to the control it came from.
list XDG_DATA_DIRS/glosandas/relieve 1
list XDG_DATA_HOME/glosandas/viejo 1
start
  D0=W "definición 1" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 1, columna derecha, libre"
  P0=W "palabra1" 4500,5250 3000x500 Verdana 12 tab 0 says "Palabra 1 de 1, libre"
  menu.Arc="&Archivo de glosandas": ["relieve"] "viejo"
  menu.Def="Nú&mero de glosandas": ["&1"] "&2" "&3" "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  menu.Pal="&Número de palabras": ["&1"] "&2" "&3" "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  D1 D2 D3 P1 P2 P3
menu Opciones/Archivo de glosandas/viejo
  menu.Arc="&Archivo de glosandas": "relieve" ["viejo"]
menu Listas/Editar la lista actual...
  editor="Editar la lista \"viejo\"" name "viejo" 1 de 100 entradas at 1,1
  focus=Editor/Nombre
  row1="palabra1" "definición 1"
key ctrl+a
type nuevo
  editor="Editar la lista \"viejo\"" name "nuevo" 1 de 100 entradas at 1,1
answer Guardar las dos
click Guardar
  box ¿Cambiar el nombre de la lista "viejo" a "nuevo"? Si no, se guardará una lista nueva "nuevo" y "viejo" seguirá como está. | Editar la lista "viejo"
  menu.Arc="&Archivo de glosandas": ["nuevo"] "relieve" "viejo"
  editor closed, focus=TbPal_0
exists XDG_DATA_HOME/glosandas/viejo.txt
  exists XDG_DATA_HOME/glosandas/viejo.txt=yes
menu Listas/Editar la lista actual...
  editor="Editar la lista \"nuevo\"" name "nuevo" 1 de 100 entradas at 1,1
  focus=Editor/Nombre
  row1="palabra1" "definición 1"
key ctrl+a
type otro
  editor="Editar la lista \"nuevo\"" name "otro" 1 de 100 entradas at 1,1
answer Cambiar el nombre
click Guardar
  box ¿Cambiar el nombre de la lista "nuevo" a "otro"? Si no, se guardará una lista nueva "otro" y "nuevo" seguirá como está. | Editar la lista "nuevo"
  menu.Arc="&Archivo de glosandas": ["otro"] "relieve" "viejo"
  editor closed, focus=TbPal_0
exists XDG_DATA_HOME/glosandas/nuevo.txt
  exists XDG_DATA_HOME/glosandas/nuevo.txt=no
menu Opciones/Archivo de glosandas/relieve
  menu.Arc="&Archivo de glosandas": "otro" ["relieve"] "viejo"
menu Listas/Editar la lista actual...
  editor="Editar la lista \"relieve\"" name "relieve" 1 de 100 entradas Nota at 1,1
  focus=Editor/Nombre
  row1="palabra1" "definición 1"
key ctrl+a
type mio
  editor="Editar la lista \"relieve\"" name "mio" 1 de 100 entradas Nota at 1,1
click Guardar
  menu.Arc="&Archivo de glosandas": ["mio"] "otro" "relieve" "viejo"
  editor closed, focus=TbPal_0
key Tab
  focus=TbDef_0
  frame=TbDef_0
menu Listas/Nueva lista...
  editor="Nueva lista" name "" 0 de 100 entradas
  focus=Editor/Nombre
type algo
  editor="Nueva lista" name "algo" 0 de 100 entradas
answer No guardar
click Cancelar
  box ¿Guardar los cambios en la lista "algo"? | Nueva lista
  editor closed, focus=TbDef_0
menu Listas/Nueva lista...
  editor="Nueva lista" name "" 0 de 100 entradas
  focus=Editor/Nombre
key Escape
  editor closed, focus=TbDef_0
menu Listas/Imprimir fichas...
  fichas="Imprimir fichas de la lista \"mio\"" Hojas 1 Palabras 1 Definiciones 1 Soluciones
  focus=Fichas/Hojas
key Escape
  fichas closed, focus=TbDef_0
signal menu Opciones/Número de palabras/2
  box El archivo de glosandas cargado sólo contiene 1 entradas. Por favor, escoja un número de palabras inferior o cargue otro archivo de glosandas. | Error
  ini="1 = n\xfamero de palabras\r\n1 = n\xfamero de glosandas \r\nTrue = marcar errores en rojo\r\nmio = \xfaltimo archivo utilizado\r\n9.75 = tama\xf1o de letra\r\nFalse = repasar fallos\r\n"
  focus frame
