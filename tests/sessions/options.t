# The options: counts chosen, lowered by a short list and refused, a list without entries and one
# that is gone, the letter size from the menu, its key and the "+" box, About; the settings at
# close, then restored at the next start.
list relieve 20
list cinco 5
list ocho 8
file vacia.txt > sin entradas\r\nD>nada\r\n
start
  menu.Arc="&Archivo de glosandas": "cinco" "ocho" ["relieve"] "vacia"
menu Opciones/Número de palabras/6
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "definición 12" 0,2300 tab 1 says "Definición 1 de 6, columna izquierda, libre" | D1 "definición 3" 0,5000 tab 3 says "Definición 2 de 6, columna izquierda, libre" | D2 "definición 10" 0,7700 tab 5 says "Definición 3 de 6, columna izquierda, libre" | D3 "definición 14" 8000,2300 tab 7 says "Definición 4 de 6, columna derecha, libre" | D4 "definición 7" 8000,5000 tab 9 says "Definición 5 de 6, columna derecha, libre" | D5 "definición 13" 8000,7700 tab 11 says "Definición 6 de 6, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "palabra10" 4500,1571 tab 0 says "Palabra 1 de 6, libre" | P1 "palabra3" 4500,3042 tab 2 says "Palabra 2 de 6, libre" | P2 "palabra13" 4500,4513 tab 4 says "Palabra 3 de 6, libre" | P3 "palabra14" 4500,5984 tab 6 says "Palabra 4 de 6, libre" | P4 "palabra7" 4500,7455 tab 8 says "Palabra 5 de 6, libre" | P5 "palabra12" 4500,8926 tab 10 says "Palabra 6 de 6, libre"
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") ("&3") ("&4") ("&5") ["&6"] "&7" "&8" "&9" "&10"
  menu.Pal="&Número de palabras": "&1" "&2" "&3" "&4" "&5" ["&6"] "&7" "&8" "&9" "&10"
menu Opciones/Número de glosandas/8
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "definición 7" 0,1760 tab 1 says "Definición 1 de 8, columna izquierda, libre" | D1 "definición 3" 0,3920 tab 3 says "Definición 2 de 8, columna izquierda, libre" | D2 "definición 17" 0,6080 tab 5 says "Definición 3 de 8, columna izquierda, libre" | D3 "definición 4" 0,8240 tab 7 says "Definición 4 de 8, columna izquierda, libre" | D4 "definición 13" 8000,1760 tab 9 says "Definición 5 de 8, columna derecha, libre" | D5 "definición 9" 8000,3920 tab 11 says "Definición 6 de 8, columna derecha, libre" | D6 "definición 14" 8000,6080 tab 13 says "Definición 7 de 8, columna derecha, libre" | D7 "definición 11" 8000,8240 tab 15 says "Definición 8 de 8, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "palabra9" 4500,1571 tab 0 says "Palabra 1 de 6, libre" | P1 "palabra4" 4500,3042 tab 2 says "Palabra 2 de 6, libre" | P2 "palabra3" 4500,4513 tab 4 says "Palabra 3 de 6, libre" | P3 "palabra17" 4500,5984 tab 6 says "Palabra 4 de 6, libre" | P5 "palabra13" 4500,8926 tab 10 says "Palabra 6 de 6, libre"
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") ("&3") ("&4") ("&5") "&6" "&7" ["&8"] "&9" "&10"
menu Opciones/Archivo de glosandas/cinco
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "definición 4" 0,3200 tab 1 says "Definición 1 de 5, columna izquierda, libre" | D1 "definición 5" 0,6800 tab 3 says "Definición 2 de 5, columna izquierda, libre" | D2 "definición 1" 8000,2300 tab 5 says "Definición 3 de 5, columna derecha, libre" | D3 "definición 3" 8000,5000 tab 7 says "Definición 4 de 5, columna derecha, libre" | D4 "definición 2" 8000,7700 tab 9 says "Definición 5 de 5, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "palabra2" 4500,1817 tab 0 says "Palabra 1 de 5, libre" | P1 "palabra4" 4500,3534 tab 2 says "Palabra 2 de 5, libre" | P2 "palabra1" 4500,5251 tab 4 says "Palabra 3 de 5, libre" | P3 "palabra5" 4500,6968 tab 6 says "Palabra 4 de 5, libre" | P4 "palabra3" 4500,8685 tab 8 says "Palabra 5 de 5, libre"
  menu.Arc="&Archivo de glosandas": ["cinco"] "ocho" "relieve" "vacia"
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") ("&3") ("&4") ["&5"] "&6" "&7" "&8" "&9" "&10"
  menu.Pal="&Número de palabras": "&1" "&2" "&3" "&4" ["&5"] "&6" "&7" "&8" "&9" "&10"
  D5 D6 D7 P5
menu Opciones/Número de palabras/6
  box El archivo de glosandas cargado sólo contiene 5 entradas. Por favor, escoja un número de palabras inferior o cargue otro archivo de glosandas. | Error
menu Opciones/Archivo de glosandas/ocho
  D*=W 4000x1000 Verdana 9.75 multiline centred | D1 "definición 1" 0,6800 tab 3 says "Definición 2 de 5, columna izquierda, libre" | D2 "definición 8" 8000,2300 tab 5 says "Definición 3 de 5, columna derecha, libre" | D3 "definición 2" 8000,5000 tab 7 says "Definición 4 de 5, columna derecha, libre" | D4 "definición 5" 8000,7700 tab 9 says "Definición 5 de 5, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "palabra8" 4500,1817 tab 0 says "Palabra 1 de 5, libre" | P1 "palabra5" 4500,3534 tab 2 says "Palabra 2 de 5, libre" | P2 "palabra4" 4500,5251 tab 4 says "Palabra 3 de 5, libre" | P3 "palabra2" 4500,6968 tab 6 says "Palabra 4 de 5, libre" | P4 "palabra1" 4500,8685 tab 8 says "Palabra 5 de 5, libre"
  menu.Arc="&Archivo de glosandas": "cinco" ["ocho"] "relieve" "vacia"
menu Opciones/Número de glosandas/8
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "definición 7" 0,1760 tab 1 says "Definición 1 de 8, columna izquierda, libre" | D1 "definición 8" 0,3920 tab 3 says "Definición 2 de 8, columna izquierda, libre" | D2 "definición 1" 0,6080 tab 5 says "Definición 3 de 8, columna izquierda, libre" | D3 "definición 6" 0,8240 tab 7 says "Definición 4 de 8, columna izquierda, libre" | D4 "definición 2" 8000,1760 tab 9 says "Definición 5 de 8, columna derecha, libre" | D5 "definición 3" 8000,3920 tab 11 says "Definición 6 de 8, columna derecha, libre" | D6 "definición 5" 8000,6080 tab 13 says "Definición 7 de 8, columna derecha, libre" | D7 "definición 4" 8000,8240 tab 15 says "Definición 8 de 8, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P1 "palabra2" 4500,3534 tab 2 says "Palabra 2 de 5, libre" | P2 "palabra7" 4500,5251 tab 4 says "Palabra 3 de 5, libre" | P3 "palabra1" 4500,6968 tab 6 says "Palabra 4 de 5, libre" | P4 "palabra6" 4500,8685 tab 8 says "Palabra 5 de 5, libre"
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") ("&3") ("&4") "&5" "&6" "&7" ["&8"] "&9" "&10"
menu Opciones/Número de palabras/3
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "definición 5" 0,1760 tab 1 says "Definición 1 de 8, columna izquierda, libre" | D2 "definición 4" 0,6080 tab 5 says "Definición 3 de 8, columna izquierda, libre" | D3 "definición 2" 0,8240 tab 7 says "Definición 4 de 8, columna izquierda, libre" | D4 "definición 3" 8000,1760 tab 9 says "Definición 5 de 8, columna derecha, libre" | D5 "definición 6" 8000,3920 tab 11 says "Definición 6 de 8, columna derecha, libre" | D6 "definición 7" 8000,6080 tab 13 says "Definición 7 de 8, columna derecha, libre" | D7 "definición 1" 8000,8240 tab 15 says "Definición 8 de 8, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "palabra5" 4500,2675 tab 0 says "Palabra 1 de 3, libre" | P1 "palabra4" 4500,5250 tab 2 says "Palabra 2 de 3, libre" | P2 "palabra8" 4500,7825 tab 4 says "Palabra 3 de 3, libre"
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") "&3" "&4" "&5" "&6" "&7" ["&8"] "&9" "&10"
  menu.Pal="&Número de palabras": "&1" "&2" ["&3"] "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  P3 P4
menu Opciones/Archivo de glosandas/vacia
  box El archivo de glosandas "vacia.txt" no contiene ninguna entrada: ninguna línea empieza por "P>". | Error
remove cinco.txt
menu Opciones/Archivo de glosandas/cinco
  box No se puede abrir el archivo de glosandas "cinco.txt". Compruebe que está en la carpeta del programa y que se puede leer. | Error
menu Opciones/Tamaño de letra (10)/Aumentar
  D*=W 4000x1000 Verdana 10.5 multiline centred | D0 "definición 5" 0,1760 tab 1 says "Definición 1 de 8, columna izquierda, libre" | D1 "definición 8" 0,3920 tab 3 says "Definición 2 de 8, columna izquierda, libre" | D2 "definición 4" 0,6080 tab 5 says "Definición 3 de 8, columna izquierda, libre" | D3 "definición 2" 0,8240 tab 7 says "Definición 4 de 8, columna izquierda, libre" | D4 "definición 3" 8000,1760 tab 9 says "Definición 5 de 8, columna derecha, libre" | D5 "definición 6" 8000,3920 tab 11 says "Definición 6 de 8, columna derecha, libre" | D6 "definición 7" 8000,6080 tab 13 says "Definición 7 de 8, columna derecha, libre" | D7 "definición 1" 8000,8240 tab 15 says "Definición 8 de 8, columna derecha, libre"
  menu.Tam="&Tamaño de letra (10.5)": "&Aumentar" F2 "&Reducir" F3
key F3
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "definición 5" 0,1760 tab 1 says "Definición 1 de 8, columna izquierda, libre" | D1 "definición 8" 0,3920 tab 3 says "Definición 2 de 8, columna izquierda, libre" | D2 "definición 4" 0,6080 tab 5 says "Definición 3 de 8, columna izquierda, libre" | D3 "definición 2" 0,8240 tab 7 says "Definición 4 de 8, columna izquierda, libre" | D4 "definición 3" 8000,1760 tab 9 says "Definición 5 de 8, columna derecha, libre" | D5 "definición 6" 8000,3920 tab 11 says "Definición 6 de 8, columna derecha, libre" | D6 "definición 7" 8000,6080 tab 13 says "Definición 7 de 8, columna derecha, libre" | D7 "definición 1" 8000,8240 tab 15 says "Definición 8 de 8, columna derecha, libre"
  menu.Tam="&Tamaño de letra (9.75)": "&Aumentar" F2 "&Reducir" F3
click Tam0
  D*=W 4000x1000 Verdana 10.5 multiline centred | D0 "definición 5" 0,1760 tab 1 says "Definición 1 de 8, columna izquierda, libre" | D1 "definición 8" 0,3920 tab 3 says "Definición 2 de 8, columna izquierda, libre" | D2 "definición 4" 0,6080 tab 5 says "Definición 3 de 8, columna izquierda, libre" | D3 "definición 2" 0,8240 tab 7 says "Definición 4 de 8, columna izquierda, libre" | D4 "definición 3" 8000,1760 tab 9 says "Definición 5 de 8, columna derecha, libre" | D5 "definición 6" 8000,3920 tab 11 says "Definición 6 de 8, columna derecha, libre" | D6 "definición 7" 8000,6080 tab 13 says "Definición 7 de 8, columna derecha, libre" | D7 "definición 1" 8000,8240 tab 15 says "Definición 8 de 8, columna derecha, libre"
  menu.Tam="&Tamaño de letra (10.5)": "&Aumentar" F2 "&Reducir" F3
  frame
# The letter never goes below what the screen shows as a point, nor past 72 points.
key F2 *100
  D*=W 4000x1000 Verdana 72 multiline centred | D0 "definición 5" 0,1760 tab 1 says "Definición 1 de 8, columna izquierda, libre" | D1 "definición 8" 0,3920 tab 3 says "Definición 2 de 8, columna izquierda, libre" | D2 "definición 4" 0,6080 tab 5 says "Definición 3 de 8, columna izquierda, libre" | D3 "definición 2" 0,8240 tab 7 says "Definición 4 de 8, columna izquierda, libre" | D4 "definición 3" 8000,1760 tab 9 says "Definición 5 de 8, columna derecha, libre" | D5 "definición 6" 8000,3920 tab 11 says "Definición 6 de 8, columna derecha, libre" | D6 "definición 7" 8000,6080 tab 13 says "Definición 7 de 8, columna derecha, libre" | D7 "definición 1" 8000,8240 tab 15 says "Definición 8 de 8, columna derecha, libre"
  menu.Tam="&Tamaño de letra (72)": "&Aumentar" F2 "&Reducir" F3
key F3 *100
  D*=W 4000x1000 Verdana 1.5 multiline centred | D0 "definición 5" 0,1760 tab 1 says "Definición 1 de 8, columna izquierda, libre" | D1 "definición 8" 0,3920 tab 3 says "Definición 2 de 8, columna izquierda, libre" | D2 "definición 4" 0,6080 tab 5 says "Definición 3 de 8, columna izquierda, libre" | D3 "definición 2" 0,8240 tab 7 says "Definición 4 de 8, columna izquierda, libre" | D4 "definición 3" 8000,1760 tab 9 says "Definición 5 de 8, columna derecha, libre" | D5 "definición 6" 8000,3920 tab 11 says "Definición 6 de 8, columna derecha, libre" | D6 "definición 7" 8000,6080 tab 13 says "Definición 7 de 8, columna derecha, libre" | D7 "definición 1" 8000,8240 tab 15 says "Definición 8 de 8, columna derecha, libre"
  menu.Tam="&Tamaño de letra (1.5)": "&Aumentar" F2 "&Reducir" F3
menu Opciones/Acerca de glosandas...
  box Glosandas, hecho por el equipo de Glosandas para aprender vocabulario.\r\nDiciembre de 2026 | Acerca de glosandas
close
  ini="3 = n\xfamero de palabras\r\n8 = n\xfamero de glosandas \r\nTrue = marcar errores en rojo\r\nocho = \xfaltimo archivo utilizado\r\n1.5 = tama\xf1o de letra\r\nFalse = repasar fallos\r\n"
  focus
restart
  D*=W 4000x1000 Verdana 1.5 multiline centred | D0 "definición 6" 0,1760 tab 1 says "Definición 1 de 8, columna izquierda, libre" | D1 "definición 1" 0,3920 tab 3 says "Definición 2 de 8, columna izquierda, libre" | D2 "definición 2" 0,6080 tab 5 says "Definición 3 de 8, columna izquierda, libre" | D3 "definición 4" 0,8240 tab 7 says "Definición 4 de 8, columna izquierda, libre" | D4 "definición 5" 8000,1760 tab 9 says "Definición 5 de 8, columna derecha, libre" | D5 "definición 7" 8000,3920 tab 11 says "Definición 6 de 8, columna derecha, libre" | D6 "definición 8" 8000,6080 tab 13 says "Definición 7 de 8, columna derecha, libre" | D7 "definición 3" 8000,8240 tab 15 says "Definición 8 de 8, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "palabra1" 4500,2675 tab 0 says "Palabra 1 de 3, libre" | P1 "palabra2" 4500,5250 tab 2 says "Palabra 2 de 3, libre" | P2 "palabra6" 4500,7825 tab 4 says "Palabra 3 de 3, libre"
  focus=TbPal_0
  frame=TbPal_0
  menu.Arc="&Archivo de glosandas": ["ocho"] "relieve" "vacia"
remove glosandas.ini
signal menu Opciones/Archivo de glosandas/vacia
  box El archivo de glosandas "vacia.txt" no contiene ninguna entrada: ninguna línea empieza por "P>". | Error
  ini="3 = n\xfamero de palabras\r\n8 = n\xfamero de glosandas \r\nTrue = marcar errores en rojo\r\nocho = \xfaltimo archivo utilizado\r\n1.5 = tama\xf1o de letra\r\nFalse = repasar fallos\r\n"
  focus frame
