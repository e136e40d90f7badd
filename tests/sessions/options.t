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
  D0=W "definición 12" 0,2300 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 6, columna izquierda, libre"
  D1=W "definición 3" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 6, columna izquierda, libre"
  D2=W "definición 10" 0,7700 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 6, columna izquierda, libre"
  D3=W "definición 14" 8000,2300 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 6, columna derecha, libre"
  D4=W "definición 7" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 9 says "Definición 5 de 6, columna derecha, libre"
  D5=W "definición 13" 8000,7700 4000x1000 Verdana 9.75 multiline centred tab 11 says "Definición 6 de 6, columna derecha, libre"
  P0=W "palabra10" 4500,1571 3000x500 Verdana 12 tab 0 says "Palabra 1 de 6, libre"
  P1=W "palabra3" 4500,3042 3000x500 Verdana 12 tab 2 says "Palabra 2 de 6, libre"
  P2=W "palabra13" 4500,4513 3000x500 Verdana 12 tab 4 says "Palabra 3 de 6, libre"
  P3=W "palabra14" 4500,5984 3000x500 Verdana 12 tab 6 says "Palabra 4 de 6, libre"
  P4=W "palabra7" 4500,7455 3000x500 Verdana 12 tab 8 says "Palabra 5 de 6, libre"
  P5=W "palabra12" 4500,8926 3000x500 Verdana 12 tab 10 says "Palabra 6 de 6, libre"
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") ("&3") ("&4") ("&5") ["&6"] "&7" "&8" "&9" "&10"
  menu.Pal="&Número de palabras": "&1" "&2" "&3" "&4" "&5" ["&6"] "&7" "&8" "&9" "&10"
menu Opciones/Número de glosandas/8
  D0=W "definición 7" 0,1760 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 8, columna izquierda, libre"
  D1=W "definición 3" 0,3920 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 8, columna izquierda, libre"
  D2=W "definición 17" 0,6080 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 8, columna izquierda, libre"
  D3=W "definición 4" 0,8240 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 8, columna izquierda, libre"
  D4=W "definición 13" 8000,1760 4000x1000 Verdana 9.75 multiline centred tab 9 says "Definición 5 de 8, columna derecha, libre"
  D5=W "definición 9" 8000,3920 4000x1000 Verdana 9.75 multiline centred tab 11 says "Definición 6 de 8, columna derecha, libre"
  D6=W "definición 14" 8000,6080 4000x1000 Verdana 9.75 multiline centred tab 13 says "Definición 7 de 8, columna derecha, libre"
  D7=W "definición 11" 8000,8240 4000x1000 Verdana 9.75 multiline centred tab 15 says "Definición 8 de 8, columna derecha, libre"
  P0=W "palabra9" 4500,1571 3000x500 Verdana 12 tab 0 says "Palabra 1 de 6, libre"
  P1=W "palabra4" 4500,3042 3000x500 Verdana 12 tab 2 says "Palabra 2 de 6, libre"
  P2=W "palabra3" 4500,4513 3000x500 Verdana 12 tab 4 says "Palabra 3 de 6, libre"
  P3=W "palabra17" 4500,5984 3000x500 Verdana 12 tab 6 says "Palabra 4 de 6, libre"
  P5=W "palabra13" 4500,8926 3000x500 Verdana 12 tab 10 says "Palabra 6 de 6, libre"
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") ("&3") ("&4") ("&5") "&6" "&7" ["&8"] "&9" "&10"
menu Opciones/Archivo de glosandas/cinco
  D0=W "definición 4" 0,3200 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 5, columna izquierda, libre"
  D1=W "definición 5" 0,6800 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 5, columna izquierda, libre"
  D2=W "definición 1" 8000,2300 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 5, columna derecha, libre"
  D3=W "definición 3" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 5, columna derecha, libre"
  D4=W "definición 2" 8000,7700 4000x1000 Verdana 9.75 multiline centred tab 9 says "Definición 5 de 5, columna derecha, libre"
  P0=W "palabra2" 4500,1817 3000x500 Verdana 12 tab 0 says "Palabra 1 de 5, libre"
  P1=W "palabra4" 4500,3534 3000x500 Verdana 12 tab 2 says "Palabra 2 de 5, libre"
  P2=W "palabra1" 4500,5251 3000x500 Verdana 12 tab 4 says "Palabra 3 de 5, libre"
  P3=W "palabra5" 4500,6968 3000x500 Verdana 12 tab 6 says "Palabra 4 de 5, libre"
  P4=W "palabra3" 4500,8685 3000x500 Verdana 12 tab 8 says "Palabra 5 de 5, libre"
  menu.Arc="&Archivo de glosandas": ["cinco"] "ocho" "relieve" "vacia"
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") ("&3") ("&4") ["&5"] "&6" "&7" "&8" "&9" "&10"
  menu.Pal="&Número de palabras": "&1" "&2" "&3" "&4" ["&5"] "&6" "&7" "&8" "&9" "&10"
  D5
  D6
  D7
  P5
menu Opciones/Número de palabras/6
  box El archivo de glosandas cargado sólo contiene 5 entradas. Por favor, escoja un número de palabras inferior o cargue otro archivo de glosandas. | Error
menu Opciones/Archivo de glosandas/ocho
  D1=W "definición 1" 0,6800 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 5, columna izquierda, libre"
  D2=W "definición 8" 8000,2300 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 5, columna derecha, libre"
  D3=W "definición 2" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 5, columna derecha, libre"
  D4=W "definición 5" 8000,7700 4000x1000 Verdana 9.75 multiline centred tab 9 says "Definición 5 de 5, columna derecha, libre"
  P0=W "palabra8" 4500,1817 3000x500 Verdana 12 tab 0 says "Palabra 1 de 5, libre"
  P1=W "palabra5" 4500,3534 3000x500 Verdana 12 tab 2 says "Palabra 2 de 5, libre"
  P2=W "palabra4" 4500,5251 3000x500 Verdana 12 tab 4 says "Palabra 3 de 5, libre"
  P3=W "palabra2" 4500,6968 3000x500 Verdana 12 tab 6 says "Palabra 4 de 5, libre"
  P4=W "palabra1" 4500,8685 3000x500 Verdana 12 tab 8 says "Palabra 5 de 5, libre"
  menu.Arc="&Archivo de glosandas": "cinco" ["ocho"] "relieve" "vacia"
menu Opciones/Número de glosandas/8
  D0=W "definición 7" 0,1760 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 8, columna izquierda, libre"
  D1=W "definición 8" 0,3920 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 8, columna izquierda, libre"
  D2=W "definición 1" 0,6080 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 8, columna izquierda, libre"
  D3=W "definición 6" 0,8240 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 8, columna izquierda, libre"
  D4=W "definición 2" 8000,1760 4000x1000 Verdana 9.75 multiline centred tab 9 says "Definición 5 de 8, columna derecha, libre"
  D5=W "definición 3" 8000,3920 4000x1000 Verdana 9.75 multiline centred tab 11 says "Definición 6 de 8, columna derecha, libre"
  D6=W "definición 5" 8000,6080 4000x1000 Verdana 9.75 multiline centred tab 13 says "Definición 7 de 8, columna derecha, libre"
  D7=W "definición 4" 8000,8240 4000x1000 Verdana 9.75 multiline centred tab 15 says "Definición 8 de 8, columna derecha, libre"
  P1=W "palabra2" 4500,3534 3000x500 Verdana 12 tab 2 says "Palabra 2 de 5, libre"
  P2=W "palabra7" 4500,5251 3000x500 Verdana 12 tab 4 says "Palabra 3 de 5, libre"
  P3=W "palabra1" 4500,6968 3000x500 Verdana 12 tab 6 says "Palabra 4 de 5, libre"
  P4=W "palabra6" 4500,8685 3000x500 Verdana 12 tab 8 says "Palabra 5 de 5, libre"
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") ("&3") ("&4") "&5" "&6" "&7" ["&8"] "&9" "&10"
menu Opciones/Número de palabras/3
  D0=W "definición 5" 0,1760 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 8, columna izquierda, libre"
  D2=W "definición 4" 0,6080 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 8, columna izquierda, libre"
  D3=W "definición 2" 0,8240 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 8, columna izquierda, libre"
  D4=W "definición 3" 8000,1760 4000x1000 Verdana 9.75 multiline centred tab 9 says "Definición 5 de 8, columna derecha, libre"
  D5=W "definición 6" 8000,3920 4000x1000 Verdana 9.75 multiline centred tab 11 says "Definición 6 de 8, columna derecha, libre"
  D6=W "definición 7" 8000,6080 4000x1000 Verdana 9.75 multiline centred tab 13 says "Definición 7 de 8, columna derecha, libre"
  D7=W "definición 1" 8000,8240 4000x1000 Verdana 9.75 multiline centred tab 15 says "Definición 8 de 8, columna derecha, libre"
  P0=W "palabra5" 4500,2675 3000x500 Verdana 12 tab 0 says "Palabra 1 de 3, libre"
  P1=W "palabra4" 4500,5250 3000x500 Verdana 12 tab 2 says "Palabra 2 de 3, libre"
  P2=W "palabra8" 4500,7825 3000x500 Verdana 12 tab 4 says "Palabra 3 de 3, libre"
  menu.Def="Nú&mero de glosandas": ("&1") ("&2") "&3" "&4" "&5" "&6" "&7" ["&8"] "&9" "&10"
  menu.Pal="&Número de palabras": "&1" "&2" ["&3"] "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  P3
  P4
menu Opciones/Archivo de glosandas/vacia
  box El archivo de glosandas "vacia.txt" no contiene ninguna entrada: ninguna línea empieza por "P>". | Error
remove cinco.txt
menu Opciones/Archivo de glosandas/cinco
  box No se puede abrir el archivo de glosandas "cinco.txt". Compruebe que está en la carpeta del programa y que se puede leer. | Error
menu Opciones/Tamaño de letra (10)/Aumentar
  D0=W "definición 5" 0,1760 4000x1000 Verdana 10.5 multiline centred tab 1 says "Definición 1 de 8, columna izquierda, libre"
  D1=W "definición 8" 0,3920 4000x1000 Verdana 10.5 multiline centred tab 3 says "Definición 2 de 8, columna izquierda, libre"
  D2=W "definición 4" 0,6080 4000x1000 Verdana 10.5 multiline centred tab 5 says "Definición 3 de 8, columna izquierda, libre"
  D3=W "definición 2" 0,8240 4000x1000 Verdana 10.5 multiline centred tab 7 says "Definición 4 de 8, columna izquierda, libre"
  D4=W "definición 3" 8000,1760 4000x1000 Verdana 10.5 multiline centred tab 9 says "Definición 5 de 8, columna derecha, libre"
  D5=W "definición 6" 8000,3920 4000x1000 Verdana 10.5 multiline centred tab 11 says "Definición 6 de 8, columna derecha, libre"
  D6=W "definición 7" 8000,6080 4000x1000 Verdana 10.5 multiline centred tab 13 says "Definición 7 de 8, columna derecha, libre"
  D7=W "definición 1" 8000,8240 4000x1000 Verdana 10.5 multiline centred tab 15 says "Definición 8 de 8, columna derecha, libre"
  menu.Tam="&Tamaño de letra (10.5)": "&Aumentar" F2 "&Reducir" F3
key F3
  D0=W "definición 5" 0,1760 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 8, columna izquierda, libre"
  D1=W "definición 8" 0,3920 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 8, columna izquierda, libre"
  D2=W "definición 4" 0,6080 4000x1000 Verdana 9.75 multiline centred tab 5 says "Definición 3 de 8, columna izquierda, libre"
  D3=W "definición 2" 0,8240 4000x1000 Verdana 9.75 multiline centred tab 7 says "Definición 4 de 8, columna izquierda, libre"
  D4=W "definición 3" 8000,1760 4000x1000 Verdana 9.75 multiline centred tab 9 says "Definición 5 de 8, columna derecha, libre"
  D5=W "definición 6" 8000,3920 4000x1000 Verdana 9.75 multiline centred tab 11 says "Definición 6 de 8, columna derecha, libre"
  D6=W "definición 7" 8000,6080 4000x1000 Verdana 9.75 multiline centred tab 13 says "Definición 7 de 8, columna derecha, libre"
  D7=W "definición 1" 8000,8240 4000x1000 Verdana 9.75 multiline centred tab 15 says "Definición 8 de 8, columna derecha, libre"
  menu.Tam="&Tamaño de letra (9.75)": "&Aumentar" F2 "&Reducir" F3
click Tam0
  D0=W "definición 5" 0,1760 4000x1000 Verdana 10.5 multiline centred tab 1 says "Definición 1 de 8, columna izquierda, libre"
  D1=W "definición 8" 0,3920 4000x1000 Verdana 10.5 multiline centred tab 3 says "Definición 2 de 8, columna izquierda, libre"
  D2=W "definición 4" 0,6080 4000x1000 Verdana 10.5 multiline centred tab 5 says "Definición 3 de 8, columna izquierda, libre"
  D3=W "definición 2" 0,8240 4000x1000 Verdana 10.5 multiline centred tab 7 says "Definición 4 de 8, columna izquierda, libre"
  D4=W "definición 3" 8000,1760 4000x1000 Verdana 10.5 multiline centred tab 9 says "Definición 5 de 8, columna derecha, libre"
  D5=W "definición 6" 8000,3920 4000x1000 Verdana 10.5 multiline centred tab 11 says "Definición 6 de 8, columna derecha, libre"
  D6=W "definición 7" 8000,6080 4000x1000 Verdana 10.5 multiline centred tab 13 says "Definición 7 de 8, columna derecha, libre"
  D7=W "definición 1" 8000,8240 4000x1000 Verdana 10.5 multiline centred tab 15 says "Definición 8 de 8, columna derecha, libre"
  focus=TbTam_0
  menu.Tam="&Tamaño de letra (10.5)": "&Aumentar" F2 "&Reducir" F3
  frame
# The letter never goes below what the screen shows as a point, nor past 72 points.
key F3 *20
  D0=W "definición 5" 0,1760 4000x1000 Verdana 1.5 multiline centred tab 1 says "Definición 1 de 8, columna izquierda, libre"
  D1=W "definición 8" 0,3920 4000x1000 Verdana 1.5 multiline centred tab 3 says "Definición 2 de 8, columna izquierda, libre"
  D2=W "definición 4" 0,6080 4000x1000 Verdana 1.5 multiline centred tab 5 says "Definición 3 de 8, columna izquierda, libre"
  D3=W "definición 2" 0,8240 4000x1000 Verdana 1.5 multiline centred tab 7 says "Definición 4 de 8, columna izquierda, libre"
  D4=W "definición 3" 8000,1760 4000x1000 Verdana 1.5 multiline centred tab 9 says "Definición 5 de 8, columna derecha, libre"
  D5=W "definición 6" 8000,3920 4000x1000 Verdana 1.5 multiline centred tab 11 says "Definición 6 de 8, columna derecha, libre"
  D6=W "definición 7" 8000,6080 4000x1000 Verdana 1.5 multiline centred tab 13 says "Definición 7 de 8, columna derecha, libre"
  D7=W "definición 1" 8000,8240 4000x1000 Verdana 1.5 multiline centred tab 15 says "Definición 8 de 8, columna derecha, libre"
  menu.Tam="&Tamaño de letra (1.5)": "&Aumentar" F2 "&Reducir" F3
key F2 *100
  D0=W "definición 5" 0,1760 4000x1000 Verdana 72 multiline centred tab 1 says "Definición 1 de 8, columna izquierda, libre"
  D1=W "definición 8" 0,3920 4000x1000 Verdana 72 multiline centred tab 3 says "Definición 2 de 8, columna izquierda, libre"
  D2=W "definición 4" 0,6080 4000x1000 Verdana 72 multiline centred tab 5 says "Definición 3 de 8, columna izquierda, libre"
  D3=W "definición 2" 0,8240 4000x1000 Verdana 72 multiline centred tab 7 says "Definición 4 de 8, columna izquierda, libre"
  D4=W "definición 3" 8000,1760 4000x1000 Verdana 72 multiline centred tab 9 says "Definición 5 de 8, columna derecha, libre"
  D5=W "definición 6" 8000,3920 4000x1000 Verdana 72 multiline centred tab 11 says "Definición 6 de 8, columna derecha, libre"
  D6=W "definición 7" 8000,6080 4000x1000 Verdana 72 multiline centred tab 13 says "Definición 7 de 8, columna derecha, libre"
  D7=W "definición 1" 8000,8240 4000x1000 Verdana 72 multiline centred tab 15 says "Definición 8 de 8, columna derecha, libre"
  menu.Tam="&Tamaño de letra (72)": "&Aumentar" F2 "&Reducir" F3
key F3 *100
  D0=W "definición 5" 0,1760 4000x1000 Verdana 1.5 multiline centred tab 1 says "Definición 1 de 8, columna izquierda, libre"
  D1=W "definición 8" 0,3920 4000x1000 Verdana 1.5 multiline centred tab 3 says "Definición 2 de 8, columna izquierda, libre"
  D2=W "definición 4" 0,6080 4000x1000 Verdana 1.5 multiline centred tab 5 says "Definición 3 de 8, columna izquierda, libre"
  D3=W "definición 2" 0,8240 4000x1000 Verdana 1.5 multiline centred tab 7 says "Definición 4 de 8, columna izquierda, libre"
  D4=W "definición 3" 8000,1760 4000x1000 Verdana 1.5 multiline centred tab 9 says "Definición 5 de 8, columna derecha, libre"
  D5=W "definición 6" 8000,3920 4000x1000 Verdana 1.5 multiline centred tab 11 says "Definición 6 de 8, columna derecha, libre"
  D6=W "definición 7" 8000,6080 4000x1000 Verdana 1.5 multiline centred tab 13 says "Definición 7 de 8, columna derecha, libre"
  D7=W "definición 1" 8000,8240 4000x1000 Verdana 1.5 multiline centred tab 15 says "Definición 8 de 8, columna derecha, libre"
  menu.Tam="&Tamaño de letra (1.5)": "&Aumentar" F2 "&Reducir" F3
menu Opciones/Acerca de glosandas...
  box Glosandas, hecho por el equipo de Glosandas para aprender vocabulario.\r\nDiciembre de 2026 | Acerca de glosandas
close
  ini="3 = n\xfamero de palabras\r\n8 = n\xfamero de glosandas \r\nTrue = marcar errores en rojo\r\nocho = \xfaltimo archivo utilizado\r\n1.5 = tama\xf1o de letra\r\n"
  focus
restart
  D0=W "definición 6" 0,1760 4000x1000 Verdana 1.5 multiline centred tab 1 says "Definición 1 de 8, columna izquierda, libre"
  D1=W "definición 1" 0,3920 4000x1000 Verdana 1.5 multiline centred tab 3 says "Definición 2 de 8, columna izquierda, libre"
  D2=W "definición 2" 0,6080 4000x1000 Verdana 1.5 multiline centred tab 5 says "Definición 3 de 8, columna izquierda, libre"
  D3=W "definición 4" 0,8240 4000x1000 Verdana 1.5 multiline centred tab 7 says "Definición 4 de 8, columna izquierda, libre"
  D4=W "definición 5" 8000,1760 4000x1000 Verdana 1.5 multiline centred tab 9 says "Definición 5 de 8, columna derecha, libre"
  D5=W "definición 7" 8000,3920 4000x1000 Verdana 1.5 multiline centred tab 11 says "Definición 6 de 8, columna derecha, libre"
  D6=W "definición 8" 8000,6080 4000x1000 Verdana 1.5 multiline centred tab 13 says "Definición 7 de 8, columna derecha, libre"
  D7=W "definición 3" 8000,8240 4000x1000 Verdana 1.5 multiline centred tab 15 says "Definición 8 de 8, columna derecha, libre"
  P0=W "palabra1" 4500,2675 3000x500 Verdana 12 tab 0 says "Palabra 1 de 3, libre"
  P1=W "palabra2" 4500,5250 3000x500 Verdana 12 tab 2 says "Palabra 2 de 3, libre"
  P2=W "palabra6" 4500,7825 3000x500 Verdana 12 tab 4 says "Palabra 3 de 3, libre"
  focus=TbPal_0
  frame=TbPal_0
  menu.Arc="&Archivo de glosandas": ["ocho"] "relieve" "vacia"
  ini
