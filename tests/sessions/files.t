# Lists from the folders and from other programs: without the default list the boxes keep their
# design texts and COMPROBAR has nothing to judge; the file menu holds every word list, sorted
# letter case aside, each "elieve" marked at the start, and leaves out hidden files, files whose
# first line has no ">", empty files, other extensions and folders; a list chosen lowers the
# counts; a spreadsheet with a Latin-1 name dropped on the window is saved and played.
file agua.txt P>r\xEDo\r\nD>Corriente\r\nP>lago\r\nD>Agua quieta\r\n
list MAYUS 6
file notas.txt sin marca\r\nP>a\r\nD>b\r\n
file vacio.txt 
list .oculta 3
file sierra_relieve.txt texto > con marca\r\nP>a\r\nD>b\r\n
file otra.csv a;b\n
file x.txt/dentro.txt P>a\r\nD>b\r\n
start
  box No se puede abrir el archivo de glosandas "relieve.txt". Compruebe que está en la carpeta del programa y que se puede leer. | Error
  D*=W "Definición" 4000x1000 Verdana 9.75 multiline centred | D0 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, libre" | D1 0,6800 tab 3 says "Definición 2 de 4, columna izquierda, libre" | D2 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, libre" | D3 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, libre"
  P*=W "Palabra" 3000x500 Verdana 12 | P0 4500,2160 tab 0 says "Palabra 1 de 4, libre" | P1 4500,4220 tab 2 says "Palabra 2 de 4, libre" | P2 4500,6280 tab 4 says "Palabra 3 de 4, libre" | P3 4500,8340 tab 6 says "Palabra 4 de 4, libre"
  menu.Arc="&Archivo de glosandas": "agua" "MAYUS" ["sierra_relieve"]
click Comprobar
  box No hay ninguna lista de glosandas cargada. | Comprobar
  frame
menu Opciones/Archivo de glosandas/agua
  D0=W "Agua quieta" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 2, columna izquierda, libre"
  D1=W "Corriente" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 2, columna derecha, libre"
  P0=W "lago" 4500,3533 3000x500 Verdana 12 tab 0 says "Palabra 1 de 2, libre"
  P1=W "río" 4500,6966 3000x500 Verdana 12 tab 2 says "Palabra 2 de 2, libre"
  menu.Arc="&Archivo de glosandas": ["agua"] "MAYUS" "sierra_relieve"
  menu.Def="Nú&mero de glosandas": ("&1") ["&2"] "&3" "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  menu.Pal="&Número de palabras": "&1" ["&2"] "&3" "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  D2 D3 P2 P3
file fuera/a\xF1il.csv rojo;Color de la sangre\nverde;Color de la hierba\n
drop fuera/a\xF1il.csv
  D0=W "Color de la sangre" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 2, columna izquierda, libre"
  D1=W "Color de la hierba" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 2, columna derecha, libre"
  P0=W "rojo" 4500,3533 3000x500 Verdana 12 tab 0 says "Palabra 1 de 2, libre"
  P1=W "verde" 4500,6966 3000x500 Verdana 12 tab 2 says "Palabra 2 de 2, libre"
  menu.Arc="&Archivo de glosandas": "agua" ["añil"] "MAYUS" "sierra_relieve"
# Dropped together: each file that cannot be read is named with its reason, each list read is
# saved in the user's folder as it reads, and the last one read is played; one cut to 100
# entries is told once its screen is dealt, and a name longer than 200 bytes is cut between
# characters. The same entries again are not saved twice; other entries under a name already
# used get " (2)". A file whose extension is in capitals is listed and opened.
file carpeta.csv/x
file solo.csv solo una columna\n
file nada.txt nada\r\n
file fuera/frutas.csv manzana;Fruta del manzano\r\npera;Fruta del peral\r\n
list nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnñññ 150
file Zeta.TXT P>zeta\r\nD>la \xFAltima\r\n
fifo tubo.tsv
drop falta.csv carpeta.csv tubo.tsv solo.csv nada.txt fuera/frutas.csv nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnñññ.txt
  box No se puede abrir el archivo "falta.csv". El archivo no existe. | Error
  box No se puede abrir el archivo "carpeta.csv". Es una carpeta, no un archivo. | Error
  box No se puede abrir el archivo "tubo.tsv". No es un archivo normal. | Error
  box El archivo "solo.csv" no contiene ninguna pareja de palabra y definición. | Error
  box El archivo de glosandas "nada.txt" no contiene ninguna entrada: ninguna línea empieza por "P>". | Error
  box El archivo "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnñññ.txt" tiene 150 entradas; sólo se han importado las 100 primeras. | Importar
  D0=W "definición 63" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 2, columna izquierda, libre"
  D1=W "definición 20" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 2, columna derecha, libre"
  P0=W "palabra20" 4500,3533 3000x500 Verdana 12 tab 0 says "Palabra 1 de 2, libre"
  P1=W "palabra63" 4500,6966 3000x500 Verdana 12 tab 2 says "Palabra 2 de 2, libre"
  menu.Arc="&Archivo de glosandas": "agua" "añil" "frutas" "MAYUS" ["nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnññ"] "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnñññ" "sierra_relieve" "Zeta"
bytes XDG_DATA_HOME/glosandas/frutas.txt
  bytes XDG_DATA_HOME/glosandas/frutas.txt="P>manzana\r\nD>Fruta del manzano\r\nP>pera\r\nD>Fruta del peral\r\n"
drop fuera/frutas.csv
  D0=W "Fruta del manzano" 0,5000 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 2, columna izquierda, libre"
  D1=W "Fruta del peral" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 3 says "Definición 2 de 2, columna derecha, libre"
  P0=W "pera" 4500,3533 3000x500 Verdana 12 tab 0 says "Palabra 1 de 2, libre"
  P1=W "manzana" 4500,6966 3000x500 Verdana 12 tab 2 says "Palabra 2 de 2, libre"
  menu.Arc="&Archivo de glosandas": "agua" "añil" ["frutas"] "MAYUS" "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnññ" "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnñññ" "sierra_relieve" "Zeta"
file otra/frutas.tsv kiwi\tFruta peluda \xE2\x82\xAC\xE2\x80\x8B\n
drop otra/frutas.tsv
  D0=W "Fruta peluda €​" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 1, columna derecha, libre"
  P0=W "kiwi" 4500,5250 3000x500 Verdana 12 tab 0 says "Palabra 1 de 1, libre"
  menu.Arc="&Archivo de glosandas": "agua" "añil" ["frutas (2)"] "frutas" "MAYUS" "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnññ" "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnñññ" "sierra_relieve" "Zeta"
  menu.Def="Nú&mero de glosandas": ["&1"] "&2" "&3" "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  menu.Pal="&Número de palabras": ["&1"] "&2" "&3" "&4" "&5" "&6" "&7" "&8" "&9" "&10"
  D1 P1
bytes XDG_DATA_HOME/glosandas/frutas (2).txt
  bytes XDG_DATA_HOME/glosandas/frutas (2).txt="P>kiwi\r\nD>Fruta peluda €​\r\n"
menu Opciones/Archivo de glosandas/Zeta
  D0=W "la última" 8000,5000 4000x1000 Verdana 9.75 multiline centred tab 1 says "Definición 1 de 1, columna derecha, libre"
  P0=W "zeta" 4500,5250 3000x500 Verdana 12 tab 0 says "Palabra 1 de 1, libre"
  menu.Arc="&Archivo de glosandas": "agua" "añil" "frutas (2)" "frutas" "MAYUS" "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnññ" "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnñññ" "sierra_relieve" ["Zeta"]
# A package that cannot be read is named as such; the list in force stays.
file roto.apkg PK\x03\x04 no es un zip
drop roto.apkg
  box El archivo "roto.apkg" no es un paquete de tarjetas que se pueda leer. | Error
# A signal while the box of the first of two files without entries waits: no other opens.
file nada.csv 
signal drop nada.csv nada.csv
  box El archivo "nada.csv" no contiene ninguna pareja de palabra y definición. | Error
  ini="1 = n\xfamero de palabras\r\n1 = n\xfamero de glosandas \r\nTrue = marcar errores en rojo\r\nZeta = \xfaltimo archivo utilizado\r\n9.75 = tama\xf1o de letra\r\nFalse = repasar fallos\r\n"
  focus
